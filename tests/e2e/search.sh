#!/usr/bin/env bash
# A search from the keyboard and mouse: the query typed, two sites ticked with clicks in
# the reverse of their dispatch order, Enter, then Yes in the bulk-open dialog with Tab and
# Enter. The browser is started once per site, on prefix + query + suffix as one argument,
# in dispatch order.
set -euo pipefail
source "$(dirname "$0")/session.sh"
trap session_end EXIT
session_require_tools

program=$(realpath "$1")
templates=$(dirname "$(dirname "$program")")/share/tessorin/Websites.ini
[[ -f $templates ]] || session_fail "no site templates at $templates"

session_start_xserver
session_make_home
session_open_main "$program"

# Blanks inside and around it, and characters a shell or a browser would act on; the "&"
# reaches the site encoded, so that it stays part of the query.
query=' 10179 "UCS" Falcon & co '
sent=' 10179 "UCS" Falcon %26 co '
session_type "$query"
# Twips in the client area: Brickshelf (suffix) and Bricklink (none), both in the frame.
session_click_twips "$main" "$menu" 270 1680
session_click_twips "$main" "$menu" 270 960
session_key Return

session_wait_window "Tessorin - Alert!"
# The dialog opens with the focus on its check box, and has no default button: Enter
# there answers nothing (a wrong answer shows well within the second; a slow machine can
# only hide it, never fail the test). Tab moves on to Yes, where Enter presses it.
session_key Return
sleep 1
session_window_shown "Tessorin - Alert!" || session_fail "Enter on the check box closed the dialog"
(($(session_start_count) == 0)) || session_fail "Enter on the check box started a search"
session_key Tab Return
session_wait_for 20 "the dialog to close" session_window_gone "Tessorin - Alert!"

session_wait_starts 2
first=$(session_start_argument 1) || exit 1
second=$(session_start_argument 2) || exit 1
bricklink=$(session_template "$templates" Bricklink)
brickshelf=$(session_template "$templates" Brickshelf)
brickshelf_end=$(session_template "$templates" "Brickshelf end")
[[ -n $bricklink && -n $brickshelf && -n $brickshelf_end ]] ||
    session_fail "the site templates lack the Bricklink or Brickshelf keys"
[[ $first == "$bricklink$sent" ]] ||
    session_fail "first start got [$first], expected [$bricklink$sent]"
[[ $second == "$brickshelf$sent$brickshelf_end" ]] ||
    session_fail "second start got [$second], expected [$brickshelf$sent$brickshelf_end]"
session_program_running || session_fail "the program ended after the search"
session_pass
