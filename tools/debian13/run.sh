#!/usr/bin/env bash
# Runs COMMAND as root inside one of the Debian 13 systems that make-root.sh makes, with
# a copy of the clone at /tessorin when --source is given (its build folders there are the
# system's own and kept between runs). The command runs in a mount namespace of its own:
# the system, /proc, /sys, /dev and a fresh /tmp are mounted there only and vanish with
# the namespace when the command ends, however it ends, so nothing stays mounted on this
# machine. With --cache, this machine's Tessorin cache folder is the system's too (under
# XDG_CACHE_HOME there), so what is built once there (the Windows Qt) outlives a remade
# system.
# usage: run.sh [--source CLONE] [--cache DIR] SYSTEM COMMAND...
set -euo pipefail
usage="usage: run.sh [--source CLONE] [--cache DIR] SYSTEM COMMAND..."
source_dir= cache_dir=
while [[ ${1:-} == --* ]]; do
    case $1 in
        --source) source_dir=$2 ;;
        --cache) mkdir -p "$2" && cache_dir=$(realpath "$2") ;;
        *) echo "$usage" >&2; exit 2 ;;
    esac
    shift 2
done
system=${1:?$usage}
shift

workdir=/
if [[ -n $source_dir ]]; then
    rsync -a --delete --exclude='/build*/' --exclude=/.git/ --exclude=/.cache/ \
        "$source_dir/" "$system/tessorin/"
    workdir=/tessorin
fi
# Name resolution as this machine has it, for apt.
cp -L /etc/resolv.conf "$system/etc/resolv.conf"

# The system becomes the namespace's root with pivot_root rather than chroot: a process
# whose root is not its mount namespace's may not make a user namespace, and Chromium
# sandboxes itself in one. The command and its arguments reach the inner shell as its
# own arguments, unquoted by nothing in between.
exec unshare --mount --propagation private -- /bin/sh -euc '
    system=$1 workdir=$2 cache=$3
    shift 3
    mount --bind "$system" "$system"
    if [ -n "$cache" ]; then
        mkdir -p "$system/cache/tessorin" && mount --bind "$cache" "$system/cache/tessorin"
    fi
    mount -t proc proc "$system/proc"
    mount --rbind /sys "$system/sys"
    mount --rbind /dev "$system/dev"
    mount -t tmpfs -o mode=1777 tmpfs "$system/tmp"
    cd "$system"
    mkdir -p .host
    pivot_root . .host
    umount -l /.host
    exec /usr/bin/env -i \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin HOME=/root \
        LANG=C.UTF-8 TERM="${TERM:-dumb}" CI="${CI:-}" DEBIAN_FRONTEND=noninteractive \
        ${cache:+XDG_CACHE_HOME=/cache} /bin/sh -c "cd \"\$0\" && exec \"\$@\"" "$workdir" "$@"
' sh "$system" "$workdir" "$cache_dir" "$@"
