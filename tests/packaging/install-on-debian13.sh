#!/usr/bin/env bash
# Installs the Debian 13 packages as a Debian 13 user would, with apt-get into a fresh
# copy of the bare system (tools/debian13/make-root.sh), then starts the program there:
# every library and plugin it needs must come from the packages' dependencies.
# usage: install-on-debian13.sh ROOT DEB...
set -euo pipefail
root=${1:?usage: install-on-debian13.sh ROOT DEB...}
shift
here=$(cd "$(dirname "$0")" && pwd)
run=$here/../../tools/debian13/run.sh

fresh=$root/fresh
trap 'rm -rf "$fresh"' EXIT
rm -rf "$fresh"
cp -a "$root/base" "$fresh"
# The archives the build system already fetched, linked rather than fetched again.
cp -l "$root"/build/var/cache/apt/archives/*.deb "$fresh/var/cache/apt/archives/" 2>/dev/null || true
mkdir -p "$fresh/root/packages"
cp "$@" "$fresh/root/packages/"

"$run" "$fresh" sh -c 'apt-get update -q && apt-get install -y -q /root/packages/*.deb' \
    >"$root/fresh-install.log" 2>&1 || {
    tail -n 30 "$root/fresh-install.log"
    echo "FAIL: apt-get could not install the packages in a fresh Debian 13" >&2
    exit 1
}

# Started with no display, as far as a program gets without one: the window is made and
# shown on Qt's offscreen platform, which the packages' dependencies must bring.
"$run" "$fresh" sh -c 'QT_QPA_PLATFORM=offscreen timeout 5 tessorin 2>/root/stderr; echo $? >/root/status' || true
status=$(cat "$fresh/root/status")
if [[ $status != 124 ]]; then
    echo "FAIL: tessorin ended with status $status instead of running:" >&2
    cat "$fresh/root/stderr" >&2
    exit 1
fi
missing=$("$run" "$fresh" sh -c 'ldd /usr/bin/tessorin /usr/lib/tessorin/plugins/*.so | grep "not found"' || true)
if [[ -n $missing ]]; then
    echo "FAIL: libraries the packages do not bring: $missing" >&2
    exit 1
fi
echo "PASS: installed with apt-get in a fresh Debian 13 and started"
