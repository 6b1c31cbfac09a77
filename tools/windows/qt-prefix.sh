#!/usr/bin/env bash
# Where the Windows Qt build lives: a cache folder outside the clone, keyed by the Qt
# version and by the script and toolchain that configure it, so any change builds anew.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
version=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null || echo unknown)
key=$(cat "$here/build-qt.sh" "$here/../../cmake/toolchains/mingw-w64-x86_64.cmake" |
      sha256sum | cut -c1-12)
echo "${XDG_CACHE_HOME:-$HOME/.cache}/tessorin/qt-${version%%+*}-win64-$key"
