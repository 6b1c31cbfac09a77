#!/usr/bin/env bash
# wine-prefix.sh start|stop: makes the test run's throw-away Wine prefix with an X server of
# its own, and keeps one wineserver running for the whole run (a Wine start costs about
# 3 s without it, 0.1 s with it); stop ends both and removes the prefix.
#
# The tests show their windows through Qt's real windows platform. There is no window
# manager, so Wine is told to manage its windows itself: otherwise it waits two seconds for
# a window manager's answer each time a window is hidden or destroyed.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
display_file=$WINEPREFIX/.tessorin-display
xserver_pid_file=$WINEPREFIX/.tessorin-xvfb-pid

start_xserver() {
    : >"$display_file"
    # -displayfd picks a free display number, so parallel runs never clash; detached from
    # CTest's output pipes, or CTest would wait for the server to end.
    setsid Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -dpi 96 -nolisten tcp \
        3>"$display_file" </dev/null >/dev/null 2>&1 &
    echo $! >"$xserver_pid_file"
    local tries=0
    until grep -q '^[0-9]' "$display_file"; do
        ((++tries < 300)) || { echo "the X server did not start" >&2; exit 1; }
        sleep 0.1
    done
}

# Wine hands no QT_ variable of the caller to a Windows program, so the platform is set in
# the prefix's own environment.
configure_prefix() {
    local settings=$WINEPREFIX/tessorin-test.reg
    cat >"$settings" <<'EOF'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"

[HKEY_CURRENT_USER\Environment]
"QT_QPA_PLATFORM"="windows"
EOF
    wine regedit /S "$(winepath -w "$settings")" >/dev/null 2>&1
}

case ${1:-} in
    start)
        rm -rf "$WINEPREFIX"
        mkdir -p "$WINEPREFIX"
        start_xserver
        export DISPLAY=:$(head -n 1 "$display_file")
        wineboot -i >/dev/null 2>&1 || { echo "wineboot failed" >&2; exit 1; }
        setsid wineserver -p </dev/null >/dev/null 2>&1 &
        configure_prefix
        ;;
    stop)
        wineserver -k 2>/dev/null || true
        if [[ -f $xserver_pid_file ]]; then
            kill "$(cat "$xserver_pid_file")" 2>/dev/null || true
        fi
        rm -rf "$WINEPREFIX"
        ;;
    *)
        echo "usage: $0 start|stop" >&2
        exit 2
        ;;
esac
