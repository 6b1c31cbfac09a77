#!/usr/bin/env bash
# On X11 every browser start is announced as the freedesktop startup-notification protocol
# has it, so a window manager that prevents focus stealing lets the browser come forward:
# a "new:" message on the root window before the start, under an id of the start's own that
# ends in _TIME and the X server time as the start is made (after the keys that began the
# search, so never older than what they left in the program's windows), the same id in the
# browser's DESKTOP_STARTUP_ID; and "remove:" for a start that fails. frame-wm prints the
# messages it receives and the times of the marks set around the key presses.
set -euo pipefail
source "$(dirname "$0")/session.sh"
trap session_end EXIT
session_require_tools xprop

program=$(realpath "$1")
frame_wm=$2
wm_log=$SESSION_DIR/wm.log

session_start_xserver
: >"$wm_log"
"$frame_wm" 0 0 0 0 >"$wm_log" 2>&1 &
session_wait_for 10 "the window manager" grep -q ready "$wm_log"
session_make_home
session_open_main "$program"

more_marks_than() {
    (($(grep -c '^mark ' "$wm_log") > $1))
}

# The server time now, as frame-wm saw the root's property change.
mark() {
    local before
    before=$(grep -c '^mark ' "$wm_log" || true)
    xprop -root -f _TESSORIN_TEST_MARK 8s -set _TESSORIN_TEST_MARK "$before"
    session_wait_for 10 "the mark" more_marks_than "$before"
    grep '^mark ' "$wm_log" | tail -n 1 | cut -d' ' -f2
}

# The IDs of the messages of one kind, oldest first.
startup_ids() {
    sed -n "s/^startup $1: ID=\"\([^\"]*\)\".*/\1/p" "$wm_log"
}

session_type "6080"
session_click_twips "$main" "$menu" 270 1680
session_click_twips "$main" "$menu" 270 960
before=$(mark)
session_key Return
session_wait_window "Tessorin - Alert!"
session_key Tab Return
session_wait_starts 2
after=$(mark)

mapfile -t announced < <(startup_ids new)
((${#announced[@]} == 2)) || session_fail "announced: ${announced[*]}"
[[ ${announced[0]} != "${announced[1]}" ]] || session_fail "both starts share ${announced[0]}"
for start in 1 2; do
    pid=$(session_starts | sed -n "${start}p")
    given=$(sed -n 's/^DESKTOP_STARTUP_ID=//p' "$SESSION_STARTS/$pid.env")
    [[ $given == "${announced[start - 1]}" ]] ||
        session_fail "start $start was given [$given], announced [${announced[start - 1]}]"
    ! grep -q '^XDG_ACTIVATION_TOKEN=' "$SESSION_STARTS/$pid.env" ||
        session_fail "start $start on X11 was given a Wayland token"
    time=${given##*_TIME}
    ((time > before && time < after)) ||
        session_fail "start $start carries time $time, the keys were pressed between $before and $after"
done
grep -q '^startup new: .*NAME="recbrowser"' "$wm_log" || session_fail "no NAME: $(cat "$wm_log")"

# A browser that is there but cannot be run: its start fails, and its announcement is
# withdrawn.
printf '#!/nonexistent/interpreter\n' >"$SESSION_DIR/recbrowser"
session_key ctrl+u
session_click_twips "$main" "$menu" 270 960
session_key Return
session_wait_window "Tessorin"
session_key Return
mapfile -t announced < <(startup_ids new)
mapfile -t removed < <(startup_ids remove)
((${#announced[@]} == 3 && ${#removed[@]} == 1)) ||
    session_fail "after a failed start: new ${announced[*]}; remove ${removed[*]}"
[[ ${removed[0]} == "${announced[2]}" ]] ||
    session_fail "removed [${removed[0]}], the failed start was [${announced[2]}]"
session_pass
