#!/usr/bin/env bash
# The program as a screen reader sees it: a private session bus and the accessibility bus
# (at-spi2-core) of the test's own, the program under its X server with Qt's accessibility
# bridge on, and accessibility.py reading its tree with pyatspi as Orca reads it.
set -euo pipefail
source "$(dirname "$0")/session.sh"
trap accessibility_end EXIT
session_require_tools dbus-daemon

program=$(realpath "$1")
version=$2
bus_launcher=/usr/libexec/at-spi-bus-launcher
# Debian's own Python, which has the bindings; another one may come first on PATH.
python=/usr/bin/python3
if [[ ! -x $bus_launcher ]] || ! "$python" -c 'import pyatspi' 2>/dev/null; then
    echo "SKIP: at-spi2-core or python3-pyatspi is not installed" >&2
    exit 77
fi

BUS_PIDS=()
accessibility_end() {
    local status=$? pid
    session_stop_program
    for pid in "${BUS_PIDS[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    session_end
    return "$status"
}

session_start_xserver
session_make_home
dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$SESSION_DIR/bus" \
    >"$SESSION_DIR/dbus.log" 2>&1 &
BUS_PIDS+=($!)
session_wait_for 10 "the session bus" grep -q '^unix:' "$SESSION_DIR/bus"
DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$SESSION_DIR/bus")
export DBUS_SESSION_BUS_ADDRESS
"$bus_launcher" --launch-immediately >"$SESSION_DIR/at-spi.log" 2>&1 &
BUS_PIDS+=($!)

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
session_open_main "$program"
"$python" "$(dirname "$0")/accessibility.py" "$version" ||
    session_fail "the accessibility tree is not as a reader needs it"
session_pass
