#!/usr/bin/env bash
# The program on a Wayland desktop, from the keyboard: a message, a two-site search through
# the bulk-open dialog, About, SetSweep and PeekShot, under a headless sway whose browser is
# already running with its window open and not focused.
#
#   wayland.sh PROGRAM STAND_IN_BROWSER [xwayland]
#
# Natively (Qt's wayland platform) each browser start is handed its own xdg-activation
# token, with which the running browser brings its window forward: after the search and
# after SetSweep the browser's window has the focus. Through Xwayland (Qt's xcb platform)
# each start is handed its own X11 startup id instead; sway honours no such id, so where
# the focus then goes is the compositor's affair and is not checked.
set -euo pipefail
source "$(dirname "$0")/session.sh"
source "$(dirname "$0")/wayland-session.sh"
trap wayland_end EXIT
wayland_require_tools

program=$(realpath "$1")
stand_in=$(realpath "$2")
mode=${3:-wayland}

wayland_install "$program" "$stand_in"
# PeekShot's prefix points at a local page, which turns green only when it was reached
# with exactly the typed query after the prefix.
page=$WAYLAND_PREFIX/set.html
websites=$WAYLAND_PREFIX/share/tessorin/Websites.ini
sed -i "s|^PeekShot (Lugnet Popup)=.*|PeekShot (Lugnet Popup)=file://$page?set=|" "$websites"
cat >"$page" <<'EOF'
<!DOCTYPE html>
<html><body style="margin:0; background:#ff0000">
<script>
if (location.search === "?set=6080") document.body.style.background = "#00ff00";
</script>
</body></html>
EOF
wayland_make_home BrickLink Brickshelf
if [[ $mode == xwayland ]]; then
    wayland_start_compositor force
    platform=xcb
else
    wayland_start_compositor
    platform=wayland
fi
wayland_start_browser
wayland_start_program "$platform"

# Each start is handed a launch variable of its own: tokens and ids are good for one
# window only.
check_launch() {
    local start=$1 token id earlier
    token=$(wayland_start_variable "$start" XDG_ACTIVATION_TOKEN)
    id=$(wayland_start_variable "$start" DESKTOP_STARTUP_ID)
    if [[ $platform == wayland ]]; then
        [[ -n $token ]] || session_fail "start $start was handed no activation token"
        [[ $id == "$token" ]] || session_fail "start $start: DESKTOP_STARTUP_ID [$id], token [$token]"
    else
        [[ -z $token ]] || session_fail "start $start through X was handed a Wayland token"
        [[ $id =~ _TIME[1-9][0-9]*$ ]] || session_fail "start $start: startup id [$id]"
    fi
    # The program leaves OpenGL out of its own windows only: no browser inherits the switch.
    [[ -z $(wayland_start_variable "$start" QT_XCB_GL_INTEGRATION) &&
        -z $(wayland_start_variable "$start" QT_WAYLAND_CLIENT_BUFFER_INTEGRATION) ]] ||
        session_fail "start $start inherited Qt's OpenGL switch"
    for ((earlier = 1; earlier < start; earlier++)); do
        [[ $(wayland_start_variable "$earlier" DESKTOP_STARTUP_ID) != "$id" ]] ||
            session_fail "starts $earlier and $start were handed the same [$id]"
    done
}

# A message: Search with the query box still empty.
wayland_keys -k Return
wayland_wait_focused "Tessorin"
wayland_keys -k Return
wayland_wait_focused "Tessorin v1.61"

# The search: Yes in the bulk-open dialog with Tab and Enter.
wayland_keys 6080 -k Return
wayland_wait_focused "Tessorin - Alert!"
wayland_keys -k Tab -k Return
session_wait_starts 2
[[ $(session_start_argument 1) == *6080* && $(session_start_argument 2) == *6080* ]] ||
    session_fail "the browser was not given the query: $(session_start_argument 1)"
check_launch 1
check_launch 2
if [[ $platform == wayland ]]; then
    wayland_wait_focused "Stand-in browser"
fi

# About, from its shortcut; it closes only from its title bar.
wayland_focus "Tessorin v1.61"
wayland_keys -M ctrl a -m ctrl
wayland_wait_focused "About Tessorin"
wayland_close "About Tessorin"

# SetSweep's page goes to the same browser, with a launch of its own.
wayland_focus "Tessorin v1.61"
wayland_keys -M ctrl m -m ctrl
wayland_wait_focused "SetSweep"
wayland_keys 6080 -k Tab 5 -k Return
session_wait_starts 3
[[ $(session_start_argument 3) == "$XDG_DATA_HOME/tessorin/script.html" ]] ||
    session_fail "SetSweep's browser got [$(session_start_argument 3)]"
check_launch 3
if [[ $platform == wayland ]]; then
    wayland_wait_focused "Stand-in browser"
fi
wayland_close "SetSweep"

# PeekShot, ticked in the profile the program starts with.
session_stop_program
wayland_write_settings "Lugnet Popup"
wayland_start_program "$platform"
wayland_keys 6080 -k Return
wayland_wait_focused "Tessorin - Lugnet Set Popup"
peekshot_green() {
    [[ $(wayland_window_colour "Tessorin - Lugnet Set Popup") == 00FF00* ]]
}
session_wait_for 60 "the PeekShot page to show green" peekshot_green
session_expect_no_opengl "the program with its PeekShot page"
(($(session_start_count) == 3)) || session_fail "PeekShot started a browser"
session_pass
