#!/usr/bin/env bash
# SetSweep from the keyboard: Ctrl+M opens it, 6080 and 5 typed, Enter. The page is on
# disk before the browser starts, the browser gets its path as its one argument, and
# Ctrl+E deletes the page and hides the window while the program goes on.
set -euo pipefail
source "$(dirname "$0")/session.sh"
trap session_end EXIT
session_require_tools

program=$(realpath "$1")

session_start_xserver
session_make_home
page=$XDG_DATA_HOME/tessorin/script.html

session_open_main "$program"
session_key ctrl+m
session_wait_window "SetSweep"
sweep=$SESSION_WINDOW
# The range start has the focus when the window opens.
session_type "6080"
session_key Tab
session_type "5"
session_key Return

session_wait_starts 1
argument=$(session_start_argument 1) || exit 1
[[ $argument == "$page" ]] || session_fail "the browser got [$argument], expected [$page]"
copy=$SESSION_STARTS/$(session_starts).page
[[ -f $copy ]] || session_fail "the page was not there when the browser started"
cmp -s "$copy" "$page" || session_fail "the page changed after the browser started"
# Lines 2 and 3 carry the two values; every line ends in CR LF.
[[ $(sed -n 2p "$page") == $'start=6080;\r' ]] ||
    session_fail "line 2 is: $(sed -n 2p "$page" | od -c)"
[[ $(sed -n 3p "$page") == $'nbrofsets=5;\r' ]] ||
    session_fail "line 3 is: $(sed -n 3p "$page" | od -c)"
[[ $(wc -l <"$page") == 34 ]] || session_fail "the page has $(wc -l <"$page") lines, not 34"

session_focus "$sweep"
session_key ctrl+e
page_gone() { [[ ! -e $page ]]; }
session_wait_for 20 "the page to be deleted" page_gone
session_wait_for 20 "SetSweep to be hidden" session_window_gone "SetSweep"
session_window_shown "Tessorin v1.61" || session_fail "the main window went away"
session_program_running || session_fail "the program ended with SetSweep"
session_pass
