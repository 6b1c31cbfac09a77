#!/usr/bin/env bash
# Runs one Windows program of the build under Wine: CTest's emulator for the Windows tests.
# The Wine prefix is the test run's own (TESSORIN_WINEPREFIX, made by the wine_prefix
# test); Qt's and MinGW's DLLs are found through WINEPATH, as if they sat beside the program.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
windows_path() {
    printf 'Z:%s' "${1//\//\\}"
}
path=
for dir in ${TESSORIN_WINE_DLL_DIRS:-}; do
    path+="$(windows_path "$dir");"
done
export WINEPATH="$path${WINEPATH:-}"
# The run's own X server (wine-prefix.sh), whatever display the caller has.
display_file=$TESSORIN_WINEPREFIX/.tessorin-display
if [[ -s $display_file ]]; then
    export DISPLAY=:$(head -n 1 "$display_file")
fi
exec wine "$@"
