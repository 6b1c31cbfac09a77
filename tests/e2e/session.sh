# shellcheck shell=bash disable=SC2034  # SESSION_WINDOW is read by the sourcing scripts
# Sourced by the end-to-end tests and by tools/screenshots.sh: a private X server, a private
# home whose default web browser only records how it was started, and the real program
# driven with real key and mouse events through xdotool.
#
# Everything started here is ended by session_end, which the caller traps on EXIT.

SESSION_DIR=$(mktemp -d "${TMPDIR:-/tmp}/tessorin-e2e.XXXXXX")
SESSION_XVFB_PID=
SESSION_PROGRAM_PID=
# The window that session_wait_window found last, for the scripts that source this.
SESSION_WINDOW=
SESSION_PROGRAM_LOG=$SESSION_DIR/program.log
# Each start of the recording browser leaves one file here, named by its process id.
SESSION_STARTS=$SESSION_DIR/starts
# The program runs in this folder, so a crash leaves its core here, and the test's log shows
# the stack when the program is stopped (session_stop_program).
SESSION_CORES=$SESSION_DIR/cores
mkdir -m 1777 "$SESSION_CORES"
touch "$SESSION_DIR/.begun"
ulimit -c unlimited 2>/dev/null || ulimit -c "$(ulimit -H -c)"

session_fail() {
    echo "FAIL: $*" >&2
    if [[ -s $SESSION_PROGRAM_LOG ]]; then
        echo "--- program output ---" >&2
        tail -n 40 "$SESSION_PROGRAM_LOG" >&2
    fi
    if [[ -s $SESSION_DIR/xvfb.log ]]; then
        echo "--- X server output ---" >&2
        tail -n 20 "$SESSION_DIR/xvfb.log" >&2
    fi
    exit 1
}

session_end() {
    local status=$?
    session_stop_program
    if [[ -n $SESSION_XVFB_PID ]]; then
        kill "$SESSION_XVFB_PID" 2>/dev/null || true
        wait "$SESSION_XVFB_PID" 2>/dev/null || true
    fi
    rm -rf "$SESSION_DIR"
    return "$status"
}

# Missing tools are a set-up problem, not a fault of the program: CTest reports a skip.
session_require_tools() {
    local tool
    for tool in Xvfb xdotool "$@"; do
        if ! command -v "$tool" >/dev/null; then
            echo "SKIP: $tool is not installed" >&2
            exit 77
        fi
    done
}

# Polls a command until it succeeds, false when it never does; slow machines only make
# it take longer.
session_poll() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        if ((SECONDS >= deadline)); then
            return 1
        fi
        sleep 0.2
    done
}

session_wait_for() {
    local seconds=$1 what=$2
    shift 2
    session_poll "$seconds" "$@" || session_fail "gave up after ${seconds}s waiting for $what"
}

session_start_xserver() {
    local displayfile=$SESSION_DIR/display
    : >"$displayfile"
    # -displayfd picks a free display number itself, so parallel runs never clash.
    # -noreset: by default the server resets whenever its last client leaves, and a
    # program (or xdotool) connecting during that reset is turned away; the restart in
    # the profile test and every xdotool call would race it.
    Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -dpi 96 -nolisten tcp \
        3>"$displayfile" >"$SESSION_DIR/xvfb.log" 2>&1 &
    SESSION_XVFB_PID=$!
    session_wait_for 30 "the X server" grep -q '^[0-9]' "$displayfile"
    DISPLAY=:$(head -n 1 "$displayfile")
    export DISPLAY
    unset XAUTHORITY
    # The number is written once the server listens; it may still be starting up.
    session_wait_for 30 "the X server to take clients" session_xserver_ready
}

session_xserver_ready() {
    xdotool getdisplaygeometry >/dev/null 2>&1
}

# A home of our own: Settings.ini, the SetSweep page and the default-browser choice all
# live under it, and its default web browser is a script that records its arguments.
session_make_home() {
    # A blank in the path: every path the program hands on must still arrive as one piece.
    export HOME="$SESSION_DIR/home dir"
    export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share
    export XDG_CACHE_HOME=$HOME/.cache XDG_RUNTIME_DIR=$SESSION_DIR/runtime
    mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME/applications" "$XDG_CACHE_HOME" \
        "$XDG_RUNTIME_DIR" "$SESSION_STARTS"
    chmod 700 "$XDG_RUNTIME_DIR"
    unset DBUS_SESSION_BUS_ADDRESS

    local browser=$SESSION_DIR/recbrowser
    # One file per start: the argument count, then each argument on its own line. A page
    # handed over is copied as it was at that moment, and the launch variables the desktop
    # reads are kept beside it. Written aside and renamed, so a reader never sees half a
    # record.
    cat >"$browser" <<EOF
#!/bin/bash
record=$SESSION_STARTS/\$\$
{ echo "\$#"; printf '%s\n' "\$@"; } >"\$record.part"
if [[ \$# -eq 1 && -f \$1 ]]; then cp "\$1" "\$record.page"; fi
env | grep -E '^(XDG_ACTIVATION_TOKEN|DESKTOP_STARTUP_ID)=' >"\$record.env" || true
mv "\$record.part" "\$record.start"
EOF
    chmod +x "$browser"
    session_set_default_browser tessorin-recorder "Recording browser" "$browser %u"
}

# Makes a desktop entry of the home's own, running the Exec line given, its default web
# browser.
session_set_default_browser() {
    local id=$1 name=$2 exec=$3
    cat >"$XDG_DATA_HOME/applications/$id.desktop" <<EOF
[Desktop Entry]
Type=Application
Name=$name
Exec=$exec
MimeType=x-scheme-handler/http;x-scheme-handler/https;
EOF
    cat >"$XDG_CONFIG_HOME/mimeapps.list" <<EOF
[Default Applications]
x-scheme-handler/http=$id.desktop
x-scheme-handler/https=$id.desktop
EOF
}

session_start_program() {
    local program=$1
    # Its own process group, so ending it also ends any helper processes it started.
    (cd "$SESSION_CORES" && QT_QPA_PLATFORM=xcb exec setsid "$program") >>"$SESSION_PROGRAM_LOG" 2>&1 &
    SESSION_PROGRAM_PID=$!
}

# Starts the program and waits for its main window; leaves the window in $main and its
# menu bar's height in $menu, for clicks given in the window's own twips.
session_open_main() {
    session_start_program "$1"
    session_wait_window "Tessorin v1.61"
    main=$SESSION_WINDOW
    menu=$(session_menu_height "$main" 3135)
}

# Fails unless the program has no OpenGL driver and no Qt OpenGL integration loaded (Qt's
# own dispatch libraries are always there and are not counted): it draws without OpenGL.
session_expect_no_opengl() {
    local loaded
    loaded=$(grep -oE '[^/ ]*(libGLX_|libEGL_|_dri\.so|(glx|egl)-integration|wayland-egl)[^/ ]*$' \
        "/proc/$SESSION_PROGRAM_PID/maps" | sort -u | tr '\n' ' ' || true)
    [[ -z $loaded ]] || session_fail "$1 loaded OpenGL: $loaded"
}

session_program_running() {
    local state
    [[ -r /proc/$SESSION_PROGRAM_PID/stat ]] || return 1
    state=$(sed 's/.*) //' "/proc/$SESSION_PROGRAM_PID/stat" 2>/dev/null | cut -d' ' -f1)
    [[ -n $state && $state != Z ]]
}

session_program_ended() {
    ! session_program_running
}

session_stop_program() {
    [[ -n $SESSION_PROGRAM_PID ]] || return 0
    kill -TERM -- "-$SESSION_PROGRAM_PID" 2>/dev/null || true
    if ! session_poll 10 session_program_ended; then
        kill -KILL -- "-$SESSION_PROGRAM_PID" 2>/dev/null || true
    fi
    wait "$SESSION_PROGRAM_PID" 2>/dev/null || true
    SESSION_PROGRAM_PID=
    "$(dirname "${BASH_SOURCE[0]}")/../../tools/ci/crash-stacks.sh" "$SESSION_DIR/.begun" \
        "$SESSION_CORES" >&2
}

# The id of the visible window with exactly this title, or nothing.
session_find_window() {
    local title=$1 pattern
    pattern="^$(printf '%s' "$title" | sed 's/[][\.*^$()+?{}|]/\\&/g')\$"
    xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -n 1
}

session_window_shown() {
    [[ -n $(session_find_window "$1") ]]
}

session_window_gone() {
    ! session_window_shown "$1"
}

session_program_shows() {
    session_program_running || session_fail "the program ended early"
    session_window_shown "$1"
}

# Waits for the window, gives it the keyboard and leaves its id in SESSION_WINDOW.
session_wait_window() {
    local title=$1 id
    session_wait_for 45 "window \"$title\"" session_program_shows "$title"
    id=$(session_find_window "$title")
    session_focus "$id"
    SESSION_WINDOW=$id
}

# No window manager: the focus is given directly, and Qt activates the window on it.
session_focus() {
    timeout 10 xdotool windowfocus --sync "$1" >/dev/null 2>&1 || xdotool windowfocus "$1"
}

# Clicks a point given in twips from the top-left corner of the window's client area,
# the unit the window definitions use (15 twips to a pixel at 96 dpi). menu_height is
# how far the client area sits below the window's top edge.
session_click_twips() {
    local id=$1 menu_height=$2 left=$3 top=$4
    xdotool mousemove --window "$id" $((left / 15)) $((menu_height + top / 15)) click 1
}

# A window's height less its client area's designed height: the menu bar above it.
session_menu_height() {
    local id=$1 client_twips=$2 HEIGHT=
    eval "$(xdotool getwindowgeometry --shell "$id" | grep '^HEIGHT=')"
    printf '%s\n' $((HEIGHT - client_twips / 15))
}

session_type() {
    xdotool type --delay 40 -- "$1"
}

session_key() {
    xdotool key --delay 40 "$@"
}

# The recorded browser starts, oldest first, as process ids. Each start returns to the
# program only once the new process runs, so the ids grow in the order of the starts.
session_starts() {
    local record
    for record in "$SESSION_STARTS"/*.start; do
        if [[ -e $record ]]; then basename "$record" .start; fi
    done | sort -n
}

session_start_count() {
    session_starts | wc -l
}

session_has_starts() {
    (($(session_start_count) >= $1))
}

# Waits for the expected number of starts, then a little longer so that a start too many
# would be seen too.
session_wait_starts() {
    local expected=$1
    session_wait_for 30 "$expected browser start(s)" session_has_starts "$expected"
    sleep 2
    local count
    count=$(session_start_count)
    ((count == expected)) || session_fail "expected $expected browser start(s), got $count"
}

# The one argument of the nth start (1 = oldest), after checking it was the only one.
session_start_argument() {
    local pid record
    pid=$(session_starts | sed -n "${1}p")
    record=$SESSION_STARTS/$pid.start
    [[ $(head -n 1 "$record") == 1 ]] || session_fail "start $1 got $(head -n 1 "$record")" \
        "arguments: $(tail -n +2 "$record" | tr '\n' '|')"
    sed -n 2p "$record"
}

# A value of the program's site template file, as the program will read it.
session_template() {
    local file=$1 key=$2
    awk -v key="$key" 'index($0, key "=") == 1 {
        sub(/\r$/, ""); print substr($0, length(key) + 2); exit
    }' "$file"
}

# A sanitized build reports what it finds in the program's output, and a leak only when
# the program ends by itself; either is a failure of the test that ran it.
session_pass() {
    if grep -q -E 'ERROR: (Address|Leak)Sanitizer|runtime error:' "$SESSION_PROGRAM_LOG"; then
        session_fail "the sanitizers reported a fault"
    fi
    echo "PASS"
}
