#!/usr/bin/env bash
# Where the Debian 13 root lives: a cache folder outside the clone, keyed by the script
# that makes it, so any change to how it is made makes it anew.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
key=$(sha256sum <"$here/make-root.sh" | cut -c1-12)
echo "${XDG_CACHE_HOME:-$HOME/.cache}/tessorin/debian13-$key"
