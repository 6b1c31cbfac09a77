#!/bin/sh
# Prints every performance figure in one run: start-up against a plain window with the same
# widgets, Search against a bare posix_spawn loop and an xdg-open loop, PeekShot against
# a bare web view (as documented, and drawing in software as Tessorin does) with its first
# use taken apart, and the settings profiles. Each runs on an X
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
# PeekShot reads its prefix from Websites.ini beside the program: a prefix of our own whose
# PeekShot entry is a local page, green all over. The program is copied, as a link would
# lead it back to the build tree.
if [ -x "$build/bench/bench_peekshot" ]; then
    prefix=$fifo_dir/prefix
    mkdir -p "$prefix/bin" "$prefix/lib/tessorin" "$prefix/share/tessorin"
    cp "$build/bin/tessorin" "$prefix/bin/"
    ln -s "$build/lib/tessorin/plugins" "$prefix/lib/tessorin/plugins"
    cp "$build/share/tessorin/Default.ini" "$prefix/share/tessorin/"
    page=$fifo_dir/set.html
    echo '<!DOCTYPE html><html><body style="margin:0;background:#00ff00"></body></html>' >"$page"
    sed "s|^PeekShot (Lugnet Popup)=.*|PeekShot (Lugnet Popup)=file://$page?set=|" \
        "$build/share/tessorin/Websites.ini" >"$prefix/share/tessorin/Websites.ini"
    "$build/bench/bench_peekshot" "$runs" "$prefix/bin/tessorin" "$build/bench/bare_webview" \
        "file://$page?set=6080" "$build/bench/bench_recorder"
    "$build/bench/bench_peekshot_parts" "$runs" "$build/lib/tessorin/plugins" \
        "file://$page?set=6080"
fi
echo "Settings profiles, the File menu commands on the real main window"
# Nothing is drawn while a profile is saved or loaded, so no X server is needed here.
QT_QPA_PLATFORM=offscreen "$build/bench/bench_profiles" --benchmark_min_time=1
echo "Load after: $(cut -d' ' -f1-3 /proc/loadavg)"
