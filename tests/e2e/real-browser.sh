#!/usr/bin/env bash
# shellcheck disable=SC2034  # session.sh reads SESSION_PROGRAM_PID
# usage: real-browser.sh PROGRAM FRAME_WM firefox|chromium
#
# A search of all sixteen sites in a real browser from Debian, the desktop's default web
# browser through its own menu entry: Firefox ESR (its entry takes one address a start) and
# Chromium (it takes a list). Once with the browser not yet running, once with it running.
# Every site is a page on 127.0.0.1 that records what it was asked for. Each case checks:
# sixteen sites requested, each once, each with the query as typed (the characters that
# would change an address among them); the browser's tabs in the sites' order, read from
# the browser's own window by stepping through its tabs; one browser window, and no window
# of any other kind (an error message, a second browser).
#
# The browser runs as an unprivileged user (realbrowser/real-session.sh).
set -euo pipefail
here=$(dirname "$(realpath "$0")")
program=$(realpath "$1")
frame_wm=$(realpath "$2")
browser=$3
source "$here/session.sh"
source "$here/realbrowser/real-session.sh"
trap real_end EXIT

# The titles of the browser's tabs from the first to the last, as its window shows them
# in turn: the browser's key for the first tab, then Ctrl+Page Down to the next, until the
# first is back.
real_tab_titles() {
    local window=$1 first title previous count=0
    session_focus "$window"
    sleep 0.5
    # The tab in front is the last one opened, unless the first is the only one: wait for
    # the title to change, but not for long, as it may already show the first.
    previous=$(xdotool getwindowname "$window")
    # The first key after the focus moves is lost, as with the program's own window.
    xdotool key shift
    xdotool key "$first_tab_key"
    session_poll 3 real_title_differs "$window" "$previous" || true
    first=$(xdotool getwindowname "$window")
    title=$first
    while :; do
        printf '%s\n' "$title"
        previous=$title
        xdotool key ctrl+Next
        session_poll 5 real_title_differs "$window" "$previous" || break
        title=$(xdotool getwindowname "$window")
        [[ $title != "$first" ]] || break
        ((++count < 40)) || break
    done
}

real_title_differs() {
    [[ $(xdotool getwindowname "$1") != "$2" ]]
}

# One case: the browser running or not, one query typed into the real query box.
real_case() {
    local state=$1 query=$2
    echo "--- $browser, $state: [$query]"
    real_make_home "$state"
    [[ $state != running ]] || real_start_browser
    local windows_before
    windows_before=$(real_other_windows | wc -l)
    real_start_program
    real_search "$query"

    session_poll 90 real_sixteen_requested ||
        session_fail "$browser, $state: $(real_requests) of sixteen sites requested;" \
            "windows: $(real_other_windows | cut -f2 | tr '\n' '|')" \
            "$(tail -n 5 "$SESSION_DIR/browser.log" 2>/dev/null)"
    sleep 3
    local faults
    faults=$(python3 "$here/realbrowser/check.py" "$SESSION_DIR/requests" "$query" \
        "$REAL_SUFFIXED") || session_fail "$browser, $state: $faults"

    local windows window
    windows=$(real_other_windows)
    (($(wc -l <<<"$windows") == 1)) ||
        session_fail "$browser, $state: expected the browser's one window, saw: $windows"
    ((windows_before <= 1)) || session_fail "$browser, $state: windows before: $windows_before"
    window=$(cut -f1 <<<"$windows")

    local titles sites
    titles=$(real_tab_titles "$window")
    sites=$(grep -o 'site [0-9][0-9]' <<<"$titles" | tr '\n' ' ' || true)
    local expected
    expected=$(for n in $(seq 1 16); do printf 'site %02d ' "$n"; done)
    [[ $sites == "$expected" ]] ||
        session_fail "$browser, $state: tabs in the order [$sites]; all tabs: $(tr '\n' '|' <<<"$titles")"
    local others
    others=$(grep -vc 'site [0-9][0-9]' <<<"$titles" || true)
    if [[ $state == running ]]; then
        ((others <= 1)) || session_fail "$browser, $state: other tabs: $(tr '\n' '|' <<<"$titles")"
    else
        ((others == 0)) || session_fail "$browser, $state: other tabs: $(tr '\n' '|' <<<"$titles")"
    fi
    session_program_running || session_fail "the program ended after the search"
    echo "$browser, $state: sixteen sites, each once, as typed, tabs in order, one window"
    real_end_case
}

real_start_session "$program" "$frame_wm"

real_case not-running 'R2-D2 & C-3PO #75'
real_case running '100%25 off +1; 10179 falcon'
session_pass
