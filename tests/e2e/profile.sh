#!/usr/bin/env bash
# The custom profile across a restart: two sites ticked with clicks and "do not show this
# warning" ticked in the bulk-open dialog, saved with Ctrl+S, the program left with
# Ctrl+X and started again. Settings.ini holds exactly those choices, and a search after
# the restart opens the same two sites without asking.
set -euo pipefail
source "$(dirname "$0")/session.sh"
trap session_end EXIT
session_require_tools

program=$(realpath "$1")
templates=$(dirname "$(dirname "$program")")/share/tessorin/Websites.ini
settings=

session_start_xserver
session_make_home
settings=$XDG_CONFIG_HOME/tessorin/Settings.ini

expect_starts() {
    local query=$1 first second
    session_wait_starts 2
    first=$(session_start_argument 1) || exit 1
    second=$(session_start_argument 2) || exit 1
    [[ $first == "$(session_template "$templates" "BL Catalog")$query" ]] ||
        session_fail "first start got [$first]"
    [[ $second == "$(session_template "$templates" Lugnet)$query" ]] ||
        session_fail "second start got [$second]"
    rm -f "$SESSION_STARTS"/*
}

session_open_main "$program"
session_type "6080"
# BL Catalog lies in the frame, Lugnet on the window over it.
session_click_twips "$main" "$menu" 3030 720
session_click_twips "$main" "$menu" 270 1200
session_key Return
session_wait_window "Tessorin - Alert!"
dialog=$SESSION_WINDOW
session_click_twips "$dialog" 0 145 1507
session_click_twips "$dialog" 0 967 1147
expect_starts "6080"

[[ ! -e $settings ]] || session_fail "Settings.ini was written before the save"
session_focus "$main"
session_key ctrl+s
# What a first save writes: the twenty entries in their fixed order, Windows line ends.
expected=$SESSION_DIR/expected.ini
{
    printf '[Tessorin]\r\n'
    for key in AuctionBrick BIPortal BrickLink "BrickLink Catalog" Brickset Brickshelf \
        "Ebay United Kingdom" Ebay "Ebay Australia" "Ebay Germany" "Ebay France" Lego \
        Lugnet "Lugnet News" MISBI Peeron "Lugnet Popup" "Don't Show Alert" \
        "Minimize While Searching" "Show Save Confirm"; do
        case $key in
            "BrickLink Catalog" | Lugnet | "Don't Show Alert") value=True ;;
            *) value=False ;;
        esac
        printf '%s=%s\r\n' "$key" "$value"
    done
} >"$expected"
saved() { cmp -s "$expected" "$settings"; }
if ! session_poll 20 saved; then
    diff <(tr -d '\r' <"$expected") <(tr -d '\r' <"$settings" 2>/dev/null) >&2 || true
    session_fail "Settings.ini does not hold the saved choices"
fi

session_key ctrl+x
session_wait_for 20 "the program to end" session_program_ended
session_stop_program

session_open_main "$program"
session_type "Tower Bridge"
session_key Return
# The dialog's opt-out came back too, so nothing asks before the sites open.
expect_starts "Tower Bridge"
session_window_gone "Tessorin - Alert!" || session_fail "the bulk-open dialog was shown"
session_pass
