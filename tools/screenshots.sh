#!/usr/bin/env bash
# Screenshots of the main window, the bulk-open dialog, SetSweep and the About box, taken
# under a private X server (no window manager, so no title bars) as PNG files.
#
#   tools/screenshots.sh [program] [folder]
#
# program defaults to build/bin/tessorin, folder to docs/screenshots. Needs Xvfb, xdotool
# and ImageMagick's import; `make screenshots` installs them and builds first. The
# program runs in a home of its own, so your settings are neither read nor changed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
program=$(realpath "${1:-$root/build/bin/tessorin}")
folder=${2:-$root/docs/screenshots}
[[ -x $program ]] || { echo "no program at $program: build it first (make)" >&2; exit 1; }

source "$root/tests/e2e/session.sh"
trap session_end EXIT
session_require_tools import
mkdir -p "$folder"

# Away from every control, so no hover highlight shows, and a moment for the last paint.
shoot() {
    xdotool mousemove 0 0
    sleep 0.5
    import -window "$1" "$folder/$2.png"
    echo "wrote $folder/$2.png"
}

session_start_xserver
session_make_home
session_open_main "$program"
session_type "10179 Millennium Falcon"
session_click_twips "$main" "$menu" 270 960   # Bricklink
session_click_twips "$main" "$menu" 270 1440  # Brickset
shoot "$main" main-window

session_key Return
session_wait_window "Tessorin - Alert!"
shoot "$SESSION_WINDOW" bulk-open-dialog
session_click_twips "$SESSION_WINDOW" 0 2047 1147  # No: nothing is opened
session_wait_for 20 "the dialog to close" session_window_gone "Tessorin - Alert!"

session_focus "$main"
session_key ctrl+m
session_wait_window "SetSweep"
session_type "6080"
session_key Tab
session_type "5"
shoot "$SESSION_WINDOW" setsweep
session_key ctrl+e
session_wait_for 20 "SetSweep to close" session_window_gone "SetSweep"

session_focus "$main"
session_key ctrl+a
session_wait_window "About Tessorin"
shoot "$SESSION_WINDOW" about
