#!/usr/bin/env bash
# PeekShot from the mouse and keyboard: the PeekShot box ticked, a query typed, Enter.
# The popup window appears and shows the page at the PeekShot prefix + query, and no
# browser is started.
#
# The prefix comes from Websites.ini beside the program, so the program runs from a
# prefix of our own whose Websites.ini points PeekShot at a local page. The page turns
# green only when it was reached with exactly the typed query after the prefix.
set -euo pipefail
source "$(dirname "$0")/session.sh"
trap session_end EXIT
session_require_tools import

program=$(realpath "$1")
build_prefix=$(dirname "$(dirname "$program")")
plugins=$build_prefix/lib/tessorin/plugins
[[ -d $plugins ]] || session_fail "no web view plugin folder at $plugins"

# The program finds its data and its plugin from its own location, so it is copied, not
# linked: a link would lead it back to the build tree.
prefix=$SESSION_DIR/prefix
mkdir -p "$prefix/bin" "$prefix/lib/tessorin" "$prefix/share/tessorin" "$SESSION_DIR/pages"
cp "$program" "$prefix/bin/tessorin"
ln -s "$plugins" "$prefix/lib/tessorin/plugins"
cp "$build_prefix/share/tessorin/Default.ini" "$prefix/share/tessorin/"
page=$SESSION_DIR/pages/set.html
sed "s|^PeekShot (Lugnet Popup)=.*|PeekShot (Lugnet Popup)=file://$page?set=|" \
    "$build_prefix/share/tessorin/Websites.ini" >"$prefix/share/tessorin/Websites.ini"
grep -q "^PeekShot (Lugnet Popup)=file://" "$prefix/share/tessorin/Websites.ini" ||
    session_fail "Websites.ini has no PeekShot entry to point at the test page"
cat >"$page" <<'EOF'
<!DOCTYPE html>
<html><body style="margin:0; background:#ff0000">
<script>
if (location.search === "?set=6080-1") document.body.style.background = "#00ff00";
</script>
</body></html>
EOF

session_start_xserver
session_make_home
# The web engine refuses to start as root inside its sandbox; tests may run as root.
export QTWEBENGINE_CHROMIUM_FLAGS="--no-sandbox"

session_open_main "$prefix/bin/tessorin"
session_type "6080-1"
session_click_twips "$main" "$menu" 270 2040
session_key Return

session_wait_window "Tessorin - Lugnet Set Popup"
popup=$SESSION_WINDOW
pixel() {
    import -window "$popup" -crop 1x1+110+140 -depth 8 txt:- 2>/dev/null | tail -n 1
}
page_shown() { pixel | grep -qi '#00FF00'; }
session_poll 45 page_shown ||
    session_fail "the popup shows $(pixel), not the test page reached with the query"
session_wait_starts 0
session_program_running || session_fail "the program ended with the popup"
session_expect_no_opengl "showing the page"
session_pass
