#!/usr/bin/env bash
# Centring counts the window manager's frame: under a window manager that answers
# _NET_REQUEST_FRAME_EXTENTS (frame-wm, with a frame of 4 6 30 8 pixels), the main window
# is placed so that window and frame together are centred, from the very first show.
set -euo pipefail
source "$(dirname "$0")/session.sh"
trap session_end EXIT
session_require_tools

program=$(realpath "$1")
frame_wm=$2
read -r left right top bottom <<<"4 6 30 8"

session_start_xserver
"$frame_wm" "$left" "$right" "$top" "$bottom" >"$SESSION_DIR/wm.log" 2>&1 &
session_wait_for 10 "the window manager" grep -q ready "$SESSION_DIR/wm.log"
session_make_home
session_open_main "$program"

eval "$(xdotool getwindowgeometry --shell "$main")"
read -r screen_width screen_height < <(xdotool getdisplaygeometry)
# The window's own centring rule, in twips (15 a pixel): the free space rounded, halved.
centred() {
    echo $(( (($1 - $2) * 15 / 2 + 7) / 15 ))
}
want_x=$(centred "$screen_width" $((WIDTH + left + right)))
want_y=$(centred "$screen_height" $((HEIGHT + top + bottom)))
without_frame_x=$(centred "$screen_width" "$WIDTH")
(( want_x != without_frame_x )) || session_fail "the test frame changes nothing"
(( X >= want_x - 1 && X <= want_x + 1 && Y >= want_y - 1 && Y <= want_y + 1 )) ||
    session_fail "window at $X,$Y; centred with its frame it is at $want_x,$want_y"
echo "main window centred with its frame at $X,$Y"
session_pass
