#!/usr/bin/env bash
# Makes a minimal Debian 13 (trixie) system in ROOT with debootstrap, from the Debian
# mirror this machine's apt already uses, with the archive's own signing keys. ROOT/base
# stays as debootstrap left it (a fresh system to install the packages into); the build
# and the tests run in a copy of it, ROOT/build, that gathers the tools they need.
set -euo pipefail
root=${1:?usage: make-root.sh ROOT}
release=trixie

# The first Debian archive the machine's sources name (deb822 or one-line), else Debian's
# own redirector.
configured_mirror() {
    cat /etc/apt/sources.list.d/*.sources /etc/apt/sources.list.d/*.list \
        /etc/apt/sources.list 2>/dev/null |
        grep -oE 'https?://[^ ]*/debian/?( |$)' | grep -v security | head -n 1 | tr -d ' '
}
mirror=$(configured_mirror || true)
mirror=${mirror:-http://deb.debian.org/debian}
security=${mirror%/debian*}/debian-security

rm -rf "$root.partial"
mkdir -p "$root.partial"
debootstrap --variant=minbase --include=make,rsync "$release" "$root.partial/base" "$mirror"
cat >"$root.partial/base/etc/apt/sources.list.d/debian.sources" <<SOURCES
Types: deb
URIs: $mirror
Suites: $release $release-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb
URIs: $security
Suites: $release-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
rm -f "$root.partial/base/etc/apt/sources.list"
rm -rf "$root.partial/base/var/cache/apt/archives/"*.deb
cp -a "$root.partial/base" "$root.partial/build"
rm -rf "$root"
mv "$root.partial" "$root"
