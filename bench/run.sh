#!/bin/sh
# Prints every performance figure in one run: start-up against a plain window with the same
# widgets, Search against a bare posix_spawn loop and an xdg-open loop, and the settings profiles. Each runs on an X
# server of its own (a display number Xvfb picks itself), never the user's desktop.
# Usage: bench/run.sh BUILD_DIR [RUNS]
set -eu
build=$(cd "$1" && pwd)
runs=${2:-15}

fifo_dir=$(mktemp -d)
mkfifo "$fifo_dir/display"
# -noreset: a program connecting just as the server resets after its last client left
# would be turned away.
Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo_dir/display" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$fifo_dir"' EXIT INT TERM
read -r number <"$fifo_dir/display"
export DISPLAY=":$number"
# The desktop's own settings must not tilt either side: plain X11, no desktop session.
unset QT_QPA_PLATFORM QT_QPA_PLATFORMTHEME XDG_CURRENT_DESKTOP DESKTOP_SESSION \
      WAYLAND_DISPLAY QT_SCALE_FACTOR QT_FONT_DPI

echo "Machine: $(nproc) cores, $(lscpu | sed -n 's/^Model name: *//p'); load before:" \
     "$(cut -d' ' -f1-3 /proc/loadavg)"
"$build/bench/bench_startup" "$runs" "$build/bench/bench_recorder" \
    "same widgets, no logic" "$build/bench/widgets_window" \
    "Tessorin" "$build/bin/tessorin" \
    "(bare Qt window)" "$build/bench/bare_window" \
    "(bare + menu bar + text)" "$build/bench/bare_window_text"
"$build/bench/bench_search" "$runs" "$build/bin/tessorin" "$build/bench/bench_recorder" \
    "$build/bench/spawn_floor"
kill -0 $xvfb || echo "Xvfb ended during the search figures" >&2
echo "Settings profiles, the File menu commands on the real main window"
# Nothing is drawn while a profile is saved or loaded, so no X server is needed here.
QT_QPA_PLATFORM=offscreen "$build/bench/bench_profiles" --benchmark_min_time=1
echo "Load after: $(cut -d' ' -f1-3 /proc/loadavg)"
