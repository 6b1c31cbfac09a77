# shellcheck shell=bash disable=SC2034  # the sourcing scripts read the REAL_ variables
# Sourced after tests/e2e/session.sh by the real-browser test and its benchmark, with
# $browser set to firefox or chromium: a session of a real browser from Debian as the
# desktop's default, its user, its homes, the program installed where that user can read
# it, and sixteen local sites that record what they are asked for.
#
# Browsers refuse to run as root, so as root everything here runs as "nobody", in a fresh
# home with a fresh browser profile per case, under Xvfb with a small window manager and a
# session bus of its own.

REAL_FILES=$(dirname "${BASH_SOURCE[0]}")

case ${browser:?} in
firefox)
    entry=firefox-esr.desktop
    binary=/usr/lib/firefox-esr/firefox-esr
    first_tab_key=alt+1
    ;;
chromium)
    entry=chromium.desktop
    binary=/usr/bin/chromium
    first_tab_key=ctrl+1
    ;;
*)
    echo "the browser is firefox or chromium, not $browser" >&2
    exit 2
    ;;
esac

REAL_USER_ID=$(id -u)
((REAL_USER_ID != 0)) || REAL_USER_ID=65534
REAL_PREFIX=$SESSION_DIR/prefix
REAL_WM_PID=
REAL_SITES_PID=
REAL_BUS_PID=
REAL_HOME=

real_end() {
    local status=$?
    real_end_case
    for pid in "$REAL_SITES_PID" "$REAL_WM_PID"; do
        [[ -z $pid ]] || kill "$pid" 2>/dev/null || true
    done
    session_end
    return "$status"
}

# Everything a case started: what carries the case's HOME (the program, a browser started
# before it), what descends from that, and, as root, whatever else runs as the user.
# Chromium writes its process titles over its environment, so parentage is needed too.
real_case_processes() {
    local process roots=()
    for process in /proc/[0-9]*; do
        if tr '\0' '\n' 2>/dev/null <"$process/environ" | grep -qxF "HOME=$REAL_HOME"; then
            roots+=("${process#/proc/}")
        fi
    done
    if (($(id -u) == 0)); then
        mapfile -t -O "${#roots[@]}" roots < <(pgrep -u "$REAL_USER_ID" || true)
    fi
    ((${#roots[@]} > 0)) || return 0
    ps -e -o pid=,ppid= | awk -v roots="${roots[*]}" '
        BEGIN { n = split(roots, r, " "); for (i = 1; i <= n; i++) found[r[i]] = 1 }
        { parent[$1] = $2 }
        END {
            do { grew = 0; for (p in parent) if (!(p in found) && (parent[p] in found)) { found[p] = 1; grew = 1 } } while (grew)
            for (p in found) if (p in parent) print p
        }'
}

real_end_case() {
    [[ -n $REAL_HOME ]] || return 0
    session_stop_program
    local pids
    mapfile -t pids < <(real_case_processes)
    ((${#pids[@]} == 0)) || kill -TERM "${pids[@]}" 2>/dev/null || true
    if ! session_poll 10 real_no_case_processes; then
        mapfile -t pids < <(real_case_processes)
        ((${#pids[@]} == 0)) || kill -KILL "${pids[@]}" 2>/dev/null || true
        session_poll 10 real_no_case_processes || true
    fi
    [[ -z $REAL_BUS_PID ]] || kill "$REAL_BUS_PID" 2>/dev/null || true
    REAL_BUS_PID=
    REAL_HOME=
}

real_no_case_processes() {
    [[ -z $(real_case_processes) ]]
}

# Runs what follows as the session's user, with the case's environment alone.
real_as_user() {
    local run=()
    if (($(id -u) == 0)); then
        run=(setpriv --reuid="$REAL_USER_ID" --regid="$REAL_USER_ID" --clear-groups)
    fi
    "${run[@]}" env -i PATH=/usr/bin:/bin LANG=C.UTF-8 HOME="$REAL_HOME" DISPLAY="$DISPLAY" \
        XDG_CONFIG_HOME="$REAL_HOME/.config" XDG_DATA_HOME="$REAL_HOME/.local/share" \
        XDG_CACHE_HOME="$REAL_HOME/.cache" XDG_RUNTIME_DIR="$REAL_HOME/runtime" \
        DBUS_SESSION_BUS_ADDRESS="${REAL_BUS_ADDRESS-}" MOZ_LEGACY_PROFILES=1 \
        MOZ_CRASHREPORTER_DISABLE=1 ASAN_OPTIONS="${ASAN_OPTIONS-}" \
        UBSAN_OPTIONS="${UBSAN_OPTIONS-}" LSAN_OPTIONS="${LSAN_OPTIONS-}" "$@"
}

# The program with its helper, plugin and data in a prefix the user can read; its site
# templates point at the local sites, numbered 01 to 16 in the order of the check boxes.
real_install() {
    local program=$1 build_prefix port
    build_prefix=$(dirname "$(dirname "$program")")
    mkdir -p "$REAL_PREFIX/bin" "$REAL_PREFIX/lib" "$REAL_PREFIX/share"
    cp "$program" "$REAL_PREFIX/bin/tessorin"
    cp -r "$build_prefix/lib/tessorin" "$REAL_PREFIX/lib/"
    cp -r "$build_prefix/share/tessorin" "$REAL_PREFIX/share/"
    if [[ ${LSAN_OPTIONS-} =~ suppressions=([^:]+) ]]; then
        cp "${BASH_REMATCH[1]}" "$SESSION_DIR/lsan.supp"
        LSAN_OPTIONS=${LSAN_OPTIONS/"${BASH_REMATCH[1]}"/$SESSION_DIR/lsan.supp}
    fi
    python3 "$REAL_FILES/sites.py" "$SESSION_DIR/port" "$SESSION_DIR/requests" &
    REAL_SITES_PID=$!
    session_wait_for 30 "the local sites" test -s "$SESSION_DIR/port"
    port=$(cat "$SESSION_DIR/port")
    local caption number=0 websites=$REAL_PREFIX/share/tessorin/Websites.ini
    {
        echo "[Tessorin]"
        for caption in AuctionBrick "BI Portal" Bricklink "BL Catalog" Brickset Brickshelf \
            ebay.co.uk ebay.com ebay.com/au ebay.de ebay.fr LEGO Lugnet "Lugnet News" MISBI \
            Peeron; do
            number=$(printf '%02d' $((10#$number + 1)))
            echo "$caption=http://127.0.0.1:$port/$number?q="
            echo "$caption end=&end=$number"
        done
    } >"$websites"
}

# The sites whose suffix the program reads: their " end" key carries their number back.
REAL_SUFFIXED=01,06,07,08,09,10,11

# A fresh home: the browser's own menu entry as the default for web addresses, a profile
# that opens nothing of its own, every site ticked and the bulk-open question off.
real_make_home() {
    REAL_HOME=$SESSION_DIR/home-$1
    local config=$REAL_HOME/.config
    mkdir -p "$config/tessorin" "$REAL_HOME/.local/share" "$REAL_HOME/.cache" \
        "$REAL_HOME/runtime"
    chmod 700 "$REAL_HOME/runtime"
    printf '[Default Applications]\nx-scheme-handler/http=%s\nx-scheme-handler/https=%s\n' \
        "$entry" "$entry" >"$config/mimeapps.list"
    {
        echo "[Tessorin]"
        local key
        for key in AuctionBrick BIPortal Bricklink "Bricklink Catalog" Brickset Brickshelf \
            "Ebay United Kingdom" Ebay "Ebay Australia" "Ebay Germany" "Ebay France" Lego \
            Lugnet "Lugnet News" MISBI Peeron "Don't Show Alert"; do
            echo "$key=True"
        done
    } >"$config/tessorin/Settings.ini"
    if [[ $browser == firefox ]]; then
        local profiles=$REAL_HOME/.mozilla/firefox
        mkdir -p "$profiles/test.profile"
        cp "$REAL_FILES/firefox-user.js" "$profiles/test.profile/user.js"
        printf '[Profile0]\nName=test\nIsRelative=1\nPath=test.profile\nDefault=1\n\n[General]\nStartWithLastProfile=1\nVersion=2\n' \
            >"$profiles/profiles.ini"
    else
        # The sentinel of a profile that has had its first run.
        mkdir -p "$config/chromium"
        : >"$config/chromium/First Run"
    fi
    : >"$SESSION_DIR/requests"
    chown -R "$REAL_USER_ID:$REAL_USER_ID" "$SESSION_DIR"
    chmod 755 "$SESSION_DIR"
    local address
    address=$(REAL_BUS_ADDRESS='' real_as_user dbus-daemon --session --fork \
        --print-address=1 --print-pid=1)
    REAL_BUS_ADDRESS=$(head -n 1 <<<"$address")
    REAL_BUS_PID=$(tail -n 1 <<<"$address")
}

# The visible windows that have a title, other than the program's own.
real_other_windows() {
    local id
    for id in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
        local name
        name=$(xdotool getwindowname "$id" 2>/dev/null) || continue
        [[ -z $name || $name == "Tessorin v"* ]] || printf '%s\t%s\n' "$id" "$name"
    done
}

real_browser_window_shown() {
    [[ -n $(real_other_windows) ]]
}

real_requests() {
    grep -c . "$SESSION_DIR/requests" || true
}

real_sixteen_requested() {
    (($(real_requests) >= 16))
}


# Xvfb, the window manager, the program and the sites; ended by real_end.
real_start_session() {
    local program=$1 frame_wm=$2
    session_require_tools setpriv python3 dbus-daemon
    if [[ ! -f /usr/share/applications/$entry || ! -x $binary ]]; then
        echo "SKIP: $browser is not installed" >&2
        exit 77
    fi
    session_start_xserver
    "$frame_wm" 0 0 0 0 >"$SESSION_DIR/wm.log" 2>&1 &
    REAL_WM_PID=$!
    session_wait_for 10 "the window manager" grep -q ready "$SESSION_DIR/wm.log"
    real_install "$program"
}

# The browser already running, as a person has it open: its window shown, nothing else.
real_start_browser() {
    real_as_user "$binary" about:blank >>"$SESSION_DIR/browser.log" 2>&1 &
    REAL_BROWSER_PID=$!
    session_wait_for 60 "$browser to show its window" real_browser_window_shown
    sleep 2
}

# The program's main window, as the case's user.
real_start_program() {
    setsid bash -c "$(declare -f real_as_user); $(declare -p REAL_USER_ID REAL_HOME \
        REAL_BUS_ADDRESS DISPLAY); real_as_user QT_QPA_PLATFORM=xcb '$REAL_PREFIX/bin/tessorin'" \
        >>"$SESSION_PROGRAM_LOG" 2>&1 &
    SESSION_PROGRAM_PID=$!
    session_wait_window "Tessorin v1.61"
}

# Types the query into the query box and presses Enter; the time of the key press, in
# seconds since the epoch, in REAL_KEY_TIME.
real_search() {
    session_type "$1"
    sleep 0.3
    REAL_KEY_TIME=$(date +%s.%N)
    session_key Return
}
