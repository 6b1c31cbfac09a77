# shellcheck shell=bash disable=SC2034  # session.sh reads SESSION_PROGRAM_PID and SESSION_STARTS
# Sourced by the Wayland end-to-end tests, after session.sh: a headless sway of the test's
# own that implements xdg-activation, the program copied into a prefix the compositor's
# user can read, and a stand-in browser that is already running when the search starts.
#
# sway refuses to run as root, so as root everything here runs as "nobody"; the session
# folder is handed to that user. Keys come from wtype, windows and focus from swaymsg.

WAYLAND_USER_ID=$(id -u)
((WAYLAND_USER_ID != 0)) || WAYLAND_USER_ID=65534
WAYLAND_PREFIX=$SESSION_DIR/prefix
WAYLAND_BROWSER_DIR=$SESSION_DIR/browser
SESSION_STARTS=$WAYLAND_BROWSER_DIR/starts
WAYLAND_SWAY_PID=
WAYLAND_BROWSER_PID=
WAYLAND_DISPLAY_X=

wayland_require_tools() {
    session_require_tools sway swaymsg wtype jq grim convert setpriv
    if ! compgen -G "/usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so" >/dev/null; then
        echo "SKIP: Qt's wayland platform (qt6-wayland) is not installed" >&2
        exit 77
    fi
}

# The command that runs what follows it as the compositor's user, with only the session's
# own environment, in WAYLAND_RUN: one process all along (setpriv and env exec what they
# run), so a caller that starts it in the background has its process id in $!.
wayland_user_command() {
    WAYLAND_RUN=()
    if (($(id -u) == 0)); then
        WAYLAND_RUN=(setpriv --reuid="$WAYLAND_USER_ID" --regid="$WAYLAND_USER_ID" --clear-groups)
    fi
    WAYLAND_RUN+=(env -i PATH=/usr/bin:/bin LANG=C.UTF-8 HOME="$HOME"
        XDG_CONFIG_HOME="$XDG_CONFIG_HOME" XDG_DATA_HOME="$XDG_DATA_HOME"
        XDG_CACHE_HOME="$XDG_CACHE_HOME" XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR"
        WAYLAND_DISPLAY=wayland-tessorin SWAYSOCK="$XDG_RUNTIME_DIR/sway.sock"
        TESSORIN_TEST_BROWSER_DIR="$WAYLAND_BROWSER_DIR"
        ASAN_OPTIONS="${ASAN_OPTIONS-}" UBSAN_OPTIONS="${UBSAN_OPTIONS-}"
        LSAN_OPTIONS="${LSAN_OPTIONS-}")
}

wayland_as_user() {
    wayland_user_command
    "${WAYLAND_RUN[@]}" "$@"
}

# The program, its helper, plugin and data, in a prefix of the session's own (the build
# tree may sit in a home the compositor's user cannot enter), and the stand-in browser.
wayland_install() {
    local program=$1 stand_in=$2 build_prefix
    build_prefix=$(dirname "$(dirname "$program")")
    mkdir -p "$WAYLAND_PREFIX/bin" "$WAYLAND_PREFIX/lib" "$WAYLAND_PREFIX/share"
    cp "$program" "$WAYLAND_PREFIX/bin/tessorin"
    cp "$stand_in" "$WAYLAND_PREFIX/bin/stand-in-browser"
    cp -r "$build_prefix/lib/tessorin" "$WAYLAND_PREFIX/lib/"
    cp -r "$build_prefix/share/tessorin" "$WAYLAND_PREFIX/share/"
    # A sanitized run's leak suppressions, where that user can read them too.
    if [[ ${LSAN_OPTIONS-} =~ suppressions=([^:]+) ]]; then
        cp "${BASH_REMATCH[1]}" "$SESSION_DIR/lsan.supp"
        LSAN_OPTIONS=${LSAN_OPTIONS/"${BASH_REMATCH[1]}"/$SESSION_DIR/lsan.supp}
    fi
}

# A home whose default web browser is the stand-in, through an entry that GIO would run
# with an env wrapper: the program then starts its helper, which must pass the launch
# variables on untouched. Settings.ini ticks the given profile keys.
wayland_make_home() {
    export HOME="$SESSION_DIR/home"
    export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share
    export XDG_CACHE_HOME=$HOME/.cache XDG_RUNTIME_DIR=$SESSION_DIR/runtime
    mkdir -p "$XDG_CONFIG_HOME/tessorin" "$XDG_DATA_HOME/applications" "$XDG_CACHE_HOME" \
        "$XDG_RUNTIME_DIR" "$SESSION_STARTS"
    chmod 700 "$XDG_RUNTIME_DIR"
    session_set_default_browser stand-in-browser "Stand-in browser" \
        "env TESSORIN_STAND_IN=1 $WAYLAND_PREFIX/bin/stand-in-browser %u"
    wayland_write_settings "$@"
}

wayland_write_settings() {
    local key
    { echo "[Tessorin]"; for key in "$@"; do echo "$key=True"; done; } \
        >"$XDG_CONFIG_HOME/tessorin/Settings.ini"
}

# sway on a headless output; an activation with a token focuses the window (its default
# only marks it urgent). With "xwayland", X programs run too, on the display it reports.
wayland_start_compositor() {
    local xwayland=${1:-disable} config=$SESSION_DIR/sway.config
    cat >"$config" <<EOF
output HEADLESS-1 resolution 1024x768
focus_on_window_activation focus
xwayland $xwayland
default_border normal
EOF
    chown -R "$WAYLAND_USER_ID:$WAYLAND_USER_ID" "$SESSION_DIR"
    chmod 755 "$SESSION_DIR"
    # sway listens where SWAYSOCK points; WAYLAND_DISPLAY would name a parent compositor.
    wayland_user_command
    "${WAYLAND_RUN[@]}" WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
        WAYLAND_DISPLAY= sway -c "$config" \
        >"$SESSION_DIR/sway.log" 2>&1 &
    WAYLAND_SWAY_PID=$!
    session_wait_for 30 "sway to take clients" wayland_compositor_ready
    if [[ $xwayland != disable ]]; then
        wayland_as_user swaymsg exec "echo \"\$DISPLAY\" > $SESSION_DIR/x-display" >/dev/null
        session_wait_for 30 "Xwayland" grep -q ':' "$SESSION_DIR/x-display"
        WAYLAND_DISPLAY_X=$(cat "$SESSION_DIR/x-display")
    fi
}

wayland_compositor_ready() {
    [[ -S $XDG_RUNTIME_DIR/wayland-tessorin ]] || wayland_link_sockets || return 1
    wayland_as_user swaymsg -t get_version >/dev/null 2>&1
}

# sway picks the name of its display socket itself; the tests use a fixed one.
wayland_link_sockets() {
    local display
    display=$(find "$XDG_RUNTIME_DIR" -maxdepth 1 -type s -name 'wayland-[0-9]*' | head -n 1)
    [[ -n $display ]] && ln -sf "$display" "$XDG_RUNTIME_DIR/wayland-tessorin"
}

# The stand-in's window is open and not focused before the program starts, as a browser
# the user already runs: a window newly mapped is focused anyway and would prove nothing.
wayland_start_browser() {
    wayland_user_command
    "${WAYLAND_RUN[@]}" QT_QPA_PLATFORM=wayland "$WAYLAND_PREFIX/bin/stand-in-browser" --serve \
        >"$SESSION_DIR/browser.log" 2>&1 &
    WAYLAND_BROWSER_PID=$!
    session_wait_for 30 "the stand-in browser" wayland_window_exists "Stand-in browser"
}

# The program on Qt's wayland platform, or with "xcb" through Xwayland.
# wayland_launch_program PLATFORM [VARIABLE=VALUE...]: the program as the session's user,
# on Qt's PLATFORM, with the variables given added to its environment; not waited for.
wayland_launch_program() {
    local platform=$1
    shift
    wayland_user_command
    # Its own process group, so ending it also ends any helper processes it started.
    (cd "$SESSION_CORES" && exec setsid "${WAYLAND_RUN[@]}" QT_QPA_PLATFORM="$platform" \
        DISPLAY="$WAYLAND_DISPLAY_X" "$@" "$WAYLAND_PREFIX/bin/tessorin") >>"$SESSION_PROGRAM_LOG" 2>&1 &
    SESSION_PROGRAM_PID=$!
}

wayland_start_program() {
    wayland_launch_program "${1:-wayland}"
    wayland_wait_focused "Tessorin v1.61"
}

# Ends each process named, in order; an empty name is skipped.
wayland_end_processes() {
    local pid
    for pid in "$@"; do
        if [[ -n $pid ]]; then
            kill "$pid" 2>/dev/null || true
            wait "$pid" 2>/dev/null || true
        fi
    done
}

wayland_end() {
    local status=$?
    session_stop_program
    wayland_end_processes "$WAYLAND_BROWSER_PID" "$WAYLAND_SWAY_PID"
    if ((status != 0)) && [[ -s $SESSION_DIR/sway.log ]]; then
        echo "--- sway output ---" >&2
        grep -v '^\s*$' "$SESSION_DIR/sway.log" | tail -n 15 >&2
    fi
    rm -rf "$SESSION_DIR"
    return "$status"
}

wayland_tree() {
    wayland_as_user swaymsg -t get_tree
}

wayland_window_exists() {
    wayland_tree | jq -e --arg title "$1" 'any(.. | objects; .name? == $title)' >/dev/null
}

wayland_window_gone() {
    ! wayland_window_exists "$1"
}

wayland_focused_title() {
    wayland_tree | jq -r '[.. | objects | select(.focused? == true) | .name] | first // ""'
}

wayland_is_focused() {
    session_program_running || session_fail "the program ended early"
    [[ $(wayland_focused_title) == "$1" ]]
}

wayland_wait_focused() {
    session_wait_for 45 "window \"$1\" focused (now: $(wayland_focused_title))" \
        wayland_is_focused "$1"
}

# Keys to the focused window. Each wtype run is a new virtual keyboard whose first key can
# be lost, so a harmless one goes first.
wayland_keys() {
    wayland_as_user wtype -s 50 -k Shift_L "$@"
}

# Focuses one of the program's windows as the user's click would.
wayland_focus() {
    wayland_as_user swaymsg "[title=\"^$1\$\"] focus" >/dev/null
    wayland_wait_focused "$1"
}

wayland_close() {
    wayland_as_user swaymsg "[title=\"^$1\$\"] kill" >/dev/null
    session_wait_for 20 "window \"$1\" to close" wayland_window_gone "$1"
}

# The launch variable NAME that the nth browser start (1 = oldest) was given, or nothing.
wayland_start_variable() {
    local pid
    pid=$(session_starts | sed -n "${1}p")
    sed -n "s/^$2=//p" "$SESSION_STARTS/$pid.env"
}

# The colour near the top left corner of a window's content, as grim takes it from the
# compositor's output (a tiled window can be larger than its content, which stays there).
wayland_window_colour() {
    local rect shot=$SESSION_DIR/runtime/shot.png
    rect=$(wayland_tree | jq -r --arg title "$1" \
        '[.. | objects | select(.name? == $title) | .rect] | first | "\(.x + 20) \(.y + 20)"')
    wayland_as_user grim "$shot" || return 1
    read -r x y <<<"$rect"
    convert "$shot" -format "%[hex:p{$x,$y}]" info:
}
