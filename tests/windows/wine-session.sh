# shellcheck shell=bash disable=SC2034  # install_dir and uninstall_key are the caller's
# Sourced by the tests of the installed program: a fresh Wine prefix with an X server of its
# own (tools/windows/wine-prefix.sh), ended with everything in it when the test exits, and
# Tessorin installed there by its installer, silently, as a Windows user would.
tests_dir=$(dirname "$(realpath "${BASH_SOURCE[0]}")")
tools=$tests_dir/../../tools/windows
source "$tests_dir/../e2e/session.sh"
session_require_tools wine wineserver

export TESSORIN_WINEPREFIX=$SESSION_DIR/prefix
source "$tools/wine-env.sh"

end_windows_session() {
    local status=$?
    session_stop_program
    "$tools/wine-prefix.sh" stop
    rm -rf "$SESSION_DIR"
    exit "$status"
}
trap end_windows_session EXIT

windows_path() { winepath -w "$1" 2>/dev/null; }
unix_path() { winepath -u "$1" 2>/dev/null; }
windows_variable() { wine cmd /c echo "%$1%" 2>/dev/null | tr -d '\r'; }

"$tools/wine-prefix.sh" start
DISPLAY=:$(head -n 1 "$TESSORIN_WINEPREFIX/.tessorin-display")
export DISPLAY

# Runs the installer silently; install_dir is where Tessorin went.
install_tessorin() {
    local installer
    installer=$(realpath "$1")
    [[ -f $installer ]] || session_fail "no installer at $installer: run make windows first"
    timeout 120 wine "$installer" /S || session_fail "the silent install failed"
    install_dir=$(unix_path "$(windows_variable ProgramW6432)")/Tessorin
    [[ -f $install_dir/Tessorin.exe ]] || session_fail "the installer left out Tessorin.exe"
}

# Wine manages the windows itself here (wine-prefix.sh), so a window becomes active as on
# Windows: by a click, here on its caption.
activate() {
    session_wait_for 45 "window \"$1\"" session_program_shows "$1"
    local id
    id=$(session_find_window "$1")
    xdotool mousemove --window "$id" 60 8 click 1
    sleep 0.5
}
