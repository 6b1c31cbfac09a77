#!/usr/bin/env bash
# Runs COMMAND as root inside one of the Debian 13 systems that make-root.sh makes, with
# a copy of the clone at /tessorin when --source is given (its build folders there are the
# system's own and kept between runs). The command runs in a mount namespace of its own:
# the system, /proc, /sys, /dev and a fresh /tmp are mounted there only and vanish with
# the namespace when the command ends, however it ends, so nothing stays mounted on this
# machine.
# usage: run.sh [--source CLONE] SYSTEM COMMAND...
set -euo pipefail
source_dir=
if [[ ${1:-} == --source ]]; then
    source_dir=$2
    shift 2
fi
system=${1:?usage: run.sh [--source CLONE] SYSTEM COMMAND...}
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
    system=$1 workdir=$2
    shift 2
    mount --bind "$system" "$system"
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
        /bin/sh -c "cd \"\$0\" && exec \"\$@\"" "$workdir" "$@"
' sh "$system" "$workdir" "$@"
