#!/usr/bin/env bash
# The browser comes forward on GNOME's and KDE's own compositors, which check where an
# activation token came from (sway honours any). Under a headless mutter or KWin of the
# test's own, with keys typed as real input through the compositor, a stand-in browser
# that is already running activates its window with whatever each start hands it, and
# another program's window stands between the two, so only a token (or startup id) the
# compositor honours can bring the browser forward.
#
#   desktops.sh PROGRAM STAND_IN_BROWSER DESKTOP_KEYS mutter|kwin
#
# Natively on Wayland and through Xwayland with an X11 browser: one site, and two sites
# through the bulk-open question, each with and without "Minimize while searching". Each
# case must bring the browser forward; with "Minimize while searching" the main window
# must end minimised, on Wayland only after the browser took the keyboard. First, a
# positive control: a token a focused program obtains brings the browser forward.
# DESKTOPS_REPEAT runs every case that many times (1 unless set).
set -euo pipefail
source "$(dirname "$0")/session.sh"
source "$(dirname "$0")/wayland-session.sh"

program=$(realpath "$1")
stand_in=$(realpath "$2")
desktop_keys=$3
compositor=$4
repeat=${DESKTOPS_REPEAT:-1}
COMPOSITOR_PID=
BUS_ADDRESS=
X_DISPLAY=
X_AUTHORITY=
BROWSER_PID=
OTHER_PID=

desktops_end() {
    local status=$?
    session_stop_program
    wayland_end_processes "$OTHER_PID" "$BROWSER_PID" "${KEYBOARD_PID:-}" "$COMPOSITOR_PID"
    [[ -z $BUS_ADDRESS ]] || pkill -u "$WAYLAND_USER_ID" -f "dbus-daemon.*$SESSION_DIR" || true
    if ((status != 0)) && [[ -s $SESSION_DIR/compositor.log ]]; then
        echo "--- $compositor output ---" >&2
        grep -v '^\s*$' "$SESSION_DIR/compositor.log" | tail -n 25 >&2
        echo "--- stand-ins' output ---" >&2
        tail -n 10 "$SESSION_DIR/stand-ins.log" >&2
    fi
    [[ -n ${DESKTOPS_KEEP:-} ]] || rm -rf "$SESSION_DIR"
    return "$status"
}
trap desktops_end EXIT

case $compositor in
mutter) session_require_tools mutter Xwayland xprop dbus-daemon setpriv ;;
kwin) session_require_tools kwin_wayland Xwayland xprop dbus-daemon setpriv ;;
*) session_fail "no compositor named $compositor" ;;
esac
if [[ ! -x $desktop_keys ]]; then
    echo "SKIP: desktop-keys was not built (plasma-wayland-protocols is not installed)" >&2
    exit 77
fi
wayland_require_tools

wayland_install "$program" "$stand_in"
cp "$desktop_keys" "$WAYLAND_PREFIX/bin/desktop-keys"
wayland_make_home
# KWin offers its fake input only to a program whose desktop entry asks for it. KWin 6
# finds entries through the desktop's menu, which a desktop's own packages would bring: a
# menu of every entry stands in for it.
mkdir -p "$XDG_CONFIG_HOME/menus"
cat >"$XDG_CONFIG_HOME/menus/applications.menu" <<'EOF'
<!DOCTYPE Menu PUBLIC "-//freedesktop//DTD Menu 1.0//EN"
 "http://www.freedesktop.org/standards/menu-spec/1.0/menu.dtd">
<Menu>
  <Name>Applications</Name>
  <DefaultAppDirs/>
  <Include><All/></Include>
</Menu>
EOF
cat >"$XDG_DATA_HOME/applications/desktop-keys.desktop" <<EOF
[Desktop Entry]
Type=Application
Name=Test keys
Exec=$WAYLAND_PREFIX/bin/desktop-keys
X-KDE-Wayland-Interfaces=org_kde_kwin_fake_input
EOF
# Xwayland, run by the compositor's user, makes its socket where every X server does; on a
# fresh /tmp only root can make that folder.
if [[ ! -d /tmp/.X11-unix ]] && (($(id -u) == 0)); then
    mkdir -m 1777 /tmp/.X11-unix
fi
chown -R "$WAYLAND_USER_ID:$WAYLAND_USER_ID" "$SESSION_DIR"
chmod 755 "$SESSION_DIR"

# Everything below runs as the compositor's user, on its session bus.
as_user() {
    wayland_user_command
    "${WAYLAND_RUN[@]}" DBUS_SESSION_BUS_ADDRESS="$BUS_ADDRESS" DISPLAY="$X_DISPLAY" \
        XAUTHORITY="$X_AUTHORITY" "$@"
}

# The same in the background, leaving its process id in $!. Started here, not as
# "as_user … &": that would run in a subshell of its own, and ending the subshell would
# leave the program running after the test.
as_user_in_background() {
    wayland_user_command
    "${WAYLAND_RUN[@]}" DBUS_SESSION_BUS_ADDRESS="$BUS_ADDRESS" DISPLAY="$X_DISPLAY" \
        XAUTHORITY="$X_AUTHORITY" "$@" &
}

start_bus() {
    BUS_ADDRESS=$(as_user dbus-daemon --session --fork --print-address=1 \
        --address="unix:path=$SESSION_DIR/runtime/bus" --nopidfile | head -n 1)
    [[ -n $BUS_ADDRESS ]] || session_fail "no session bus"
}

x_display_known() {
    [[ -s $SESSION_DIR/x-display ]]
}

# mutter says which X display its Xwayland serves; KWin runs a program of ours once
# Xwayland is up, which writes down the display it was given.
start_compositor() {
    local log=$SESSION_DIR/compositor.log
    if [[ $compositor == mutter ]]; then
        as_user_in_background WAYLAND_DISPLAY= mutter --headless --wayland \
            --virtual-monitor 1024x768 --wayland-display wayland-tessorin >"$log" 2>&1
        COMPOSITOR_PID=$!
        session_wait_for 60 "mutter's X display" grep -q "Using public X11 display" "$log"
        sed -n 's/.*Using public X11 display \(:[0-9]*\).*/\1/p' "$log" | head -n 1 \
            >"$SESSION_DIR/x-display"
        find "$XDG_RUNTIME_DIR" -maxdepth 1 -name '.mutter-Xwaylandauth.*' | head -n 1 \
            >"$SESSION_DIR/x-authority"
    else
        printf '#!/bin/sh\necho "$XAUTHORITY" > %s/x-authority\necho "$DISPLAY" > %s/x-display\n' \
            "$SESSION_DIR" "$SESSION_DIR" >"$SESSION_DIR/tell"
        chmod 755 "$SESSION_DIR/tell"
        # Debian's kwin_wayland carries a file capability that this sandbox cannot grant;
        # through the loader it runs without it. It must not take Qt's own platform.
        as_user_in_background WAYLAND_DISPLAY= KWIN_FORCE_OWN_QPA=1 /lib64/ld-linux-x86-64.so.2 \
            "$(command -v kwin_wayland)" --virtual --xwayland --socket wayland-tessorin \
            --width 1024 --height 768 --no-lockscreen --no-global-shortcuts \
            "$SESSION_DIR/tell" >"$log" 2>&1
        COMPOSITOR_PID=$!
    fi
    session_wait_for 60 "$compositor and Xwayland" x_display_known
    X_DISPLAY=$(cat "$SESSION_DIR/x-display")
    X_AUTHORITY=$(cat "$SESSION_DIR/x-authority")
}

activations() {
    local file=$WAYLAND_BROWSER_DIR/$1
    if [[ -f $file ]]; then wc -l <"$file"; else echo 0; fi
}

more_activations() {
    (($(activations "$1") > $2))
}

# A keyboard plugged in for the whole session, as a person's is: the compositor offers
# its clients a keyboard only while there is one.
plug_keyboard() {
    coproc KEYBOARD { as_user "$WAYLAND_PREFIX/bin/desktop-keys" "$compositor" 2>&1; }
    local answer
    read -r -t 30 answer <&"${KEYBOARD[0]}" || true
    [[ $answer == ready ]] || session_fail "no keyboard in $compositor: $answer"
}

keys() {
    local answer
    echo "$*" >&"${KEYBOARD[1]}"
    read -r -t 30 answer <&"${KEYBOARD[0]}" || true
    [[ $answer == typed ]] || session_fail "the keys $* could not be typed: $answer"
}

# A new stand-in window gets the keyboard as it opens; wait for that.
start_stand_in() {
    local platform=$1 record=$2
    shift 2
    local before
    before=$(activations "$record")
    as_user_in_background QT_QPA_PLATFORM="$platform" "$WAYLAND_PREFIX/bin/stand-in-browser" \
        "$@" >>"$SESSION_DIR/stand-ins.log" 2>&1
    STARTED_PID=$!
    session_wait_for 30 "the stand-in ($*) to have the keyboard" more_activations "$record" "$before"
}

start_browser() {
    [[ -z $BROWSER_PID ]] || { kill "$BROWSER_PID"; wait "$BROWSER_PID" 2>/dev/null || true; }
    start_stand_in "$1" activations --serve
    BROWSER_PID=$STARTED_PID
}

# Another program's window, opened over the browser.
start_other() {
    [[ -z $OTHER_PID ]] || { kill "$OTHER_PID"; wait "$OTHER_PID" 2>/dev/null || true; }
    start_stand_in "$1" other-activations --other "Other program"
    OTHER_PID=$STARTED_PID
}

expect_browser_forward() {
    session_wait_for 15 "$1: the browser to come forward" more_activations activations "$2"
}

# A case that fails is told and counted, and the others still run, so one run shows
# every case.
FAILED_CASES=()
case_failed() {
    echo "FAIL: $*" >&2
    FAILED_CASES+=("$*")
}

# The positive control: a focused program obtains a token (or id) for the browser from a
# key pressed in its window and hands it over; the compositor must honour that.
control() {
    local platform=$1 before
    start_stand_in "$platform" vouch-activations --vouch
    local vouch=$STARTED_PID
    before=$(activations activations)
    keys a
    expect_browser_forward "control ($platform)" "$before"
    kill "$vouch"
    wait "$vouch" 2>/dev/null || true
}

# Whether the program's window has the keyboard: on Wayland the last keyboard event of
# its protocol trace, through Xwayland the X server's active window.
program_has_keyboard() {
    session_program_running || session_fail "the program ended early"
    if [[ $1 == wayland ]]; then
        [[ $(grep -oE 'wl_keyboard[@#][0-9]+\.(enter|leave)\(' "$SESSION_PROGRAM_LOG" |
            tail -n 1) == *enter\( ]]
    else
        [[ $(as_user xdotool getactivewindow getwindowname 2>/dev/null) == "$2" ]]
    fi
}

# On Wayland, once a window titled $2 has been made and has the keyboard.
program_shows() {
    local platform=$1 title=$2
    if [[ $platform == wayland ]]; then
        grep -q "set_title(\"$title\")" "$SESSION_PROGRAM_LOG" &&
            [[ $(sed -n "/set_title(\"$title\")/,\$p" "$SESSION_PROGRAM_LOG" |
                grep -cE 'wl_keyboard[@#][0-9]+\.enter\(') -gt 0 ]] &&
            program_has_keyboard "$platform" "$title"
    else
        program_has_keyboard "$platform" "$title"
    fi
}

start_program() {
    local platform=$1
    : >"$SESSION_PROGRAM_LOG"
    # The protocol trace tells when the program has the keyboard and what it asked for.
    wayland_launch_program "$platform" DBUS_SESSION_BUS_ADDRESS="$BUS_ADDRESS" \
        DISPLAY="$X_DISPLAY" XAUTHORITY="$X_AUTHORITY" WAYLAND_DEBUG=client
    session_wait_for 30 "the main window to have the keyboard" \
        program_shows "$platform" "Tessorin v1.61"
}

# With "Minimize while searching": through Xwayland the window manager's state of the
# window; on Wayland, which tells no client of it, the program's own request, which must
# come after it lost the keyboard to the browser.
expect_minimised() {
    local platform=$1 name=$2
    if [[ $platform == wayland ]]; then
        local trace minimised lost
        trace=$(grep -nE 'set_minimized\(|wl_keyboard[@#][0-9]+\.leave\(' "$SESSION_PROGRAM_LOG")
        minimised=$(grep -m 1 'set_minimized' <<<"$trace" | cut -d: -f1)
        lost=$(grep -m 1 'leave' <<<"$trace" | cut -d: -f1)
        if [[ -z $minimised ]]; then
            case_failed "$name: the main window was not minimised"
        elif [[ -z $lost || $lost -gt $minimised ]]; then
            case_failed "$name: minimised before the browser took the keyboard"
        fi
    else
        local id
        id=$(as_user xdotool search --name "^Tessorin v1.61\$" | head -n 1)
        as_user xprop -id "$id" _NET_WM_STATE | grep -q _NET_WM_STATE_HIDDEN ||
            case_failed "$name: the main window is not minimised"
    fi
}

# One search: the query and Return, Yes in the bulk-open question for two sites.
search_case() {
    local platform=$1 sites=$2 minimise=$3 name before starts
    name="$compositor $platform, $sites site(s)"
    [[ $minimise == no ]] || name+=", minimised"
    if [[ $sites == 1 ]]; then
        set -- BrickLink
    else
        set -- BrickLink Brickshelf
    fi
    [[ $minimise == no ]] || set -- "$@" "Minimize While Searching"
    wayland_write_settings "$@"
    chown -R "$WAYLAND_USER_ID" "$XDG_CONFIG_HOME"
    start_other "$platform"
    start_program "$platform"
    starts=$(session_start_count)
    before=$(activations activations)
    keys 6 0 8 0 Return
    if [[ $sites == 2 ]]; then
        session_wait_for 20 "$name: the bulk-open question" \
            program_shows "$platform" "Tessorin - Alert!"
        # As a person would, a moment after the question shows: a key that reaches the
        # dialog as Qt moves its focus inside can be lost, and a Return without the Tab
        # before it answers nothing.
        sleep 0.3
        keys Tab Return
    fi
    session_wait_starts $((starts + sites))
    local failed=${#FAILED_CASES[@]}
    session_poll 15 more_activations activations "$before" ||
        case_failed "$name: the browser did not come forward"
    [[ $minimise == no ]] || expect_minimised "$platform" "$name"
    ((${#FAILED_CASES[@]} > failed)) || echo "ok: $name"
    session_stop_program
}

start_bus
start_compositor
plug_keyboard
for platform in wayland xcb; do
    start_browser "$platform"
    control "$platform"
    for ((run = 1; run <= repeat; run++)); do
        for sites in 1 2; do
            for minimise in no yes; do
                search_case "$platform" "$sites" "$minimise"
            done
        done
    done
done
((${#FAILED_CASES[@]} == 0)) || session_fail "${#FAILED_CASES[@]} case(s) failed"
session_pass
