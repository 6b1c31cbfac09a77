#!/usr/bin/env bash
# installed.sh <setup.exe> <recorder.exe>: Tessorin as a Windows user gets it. The installer
# runs silently into a fresh Wine prefix; Tessorin.exe is started from Program Files and
# driven with real keys and clicks: a search on two sites, a saved profile, a SetSweep page
# and a PeekShot search, the browser starts reaching a recording program registered as the
# web browser.
set -euo pipefail
source "$(dirname "$(realpath "$0")")/wine-session.sh"
session_require_tools iconv

recorder=$(realpath "$2")
install_tessorin "$1"
program_files=$(dirname "$install_dir")
for file in Tessorin.exe Websites.ini Default.ini Uninstall.exe Qt6Core.dll Qt6Widgets.dll \
    platforms/qwindows.dll styles/qmodernwindowsstyle.dll libstdc++-6.dll; do
    [[ -f $install_dir/$file ]] || session_fail "the installer left out $file"
done
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tessorin'
registered=$(wine reg query "$uninstall_key" 2>/dev/null | tr -d '\r')
grep -q 'DisplayName *REG_SZ *Tessorin$' <<<"$registered" ||
    session_fail "no Tessorin in Add/Remove Programs: $registered"
grep -q 'UninstallString *REG_SZ *"C:\\Program Files\\Tessorin\\Uninstall.exe"$' \
    <<<"$registered" || session_fail "the uninstaller is not registered: $registered"
start_menu=$(unix_path "$(windows_variable ProgramData)")/Microsoft/Windows/Start\ Menu
[[ -f "$start_menu/Programs/Tessorin/Tessorin.lnk" ]] || session_fail "no Start-menu entry"

# --- The recording browser -------------------------------------------------------------
# Registered for http as a browser installer does; each start leaves one record in starts/.
mkdir -p "$SESSION_DIR/browser" "$SESSION_STARTS"
cp "$recorder" "$SESSION_DIR/browser/browser.exe"
wine reg add 'HKCR\http\shell\open\command' /ve /f \
    /d "\"$(windows_path "$SESSION_DIR/browser/browser.exe")\" \"%1\"" >/dev/null 2>&1
TESSORIN_RECORD_STARTS=$(windows_path "$SESSION_STARTS")
export TESSORIN_RECORD_STARTS
# Wine's Internet Explorer has no HTML engine here; without it SetSweep's page goes to the
# registered browser, which records it.
rm -f "$program_files/Internet Explorer/iexplore.exe"

windows_records() {
    local record
    for record in "$SESSION_STARTS"/*.arguments; do
        if [[ -e $record ]]; then printf '%s\n' "$record"; fi
    done | sort
}
has_records() { (($(windows_records | wc -l) >= $1)); }

# The one argument after the program's own path in the nth record (1 = oldest start).
record_argument() {
    local record arguments
    record=$(windows_records | sed -n "${1}p")
    mapfile -d '' arguments < <(iconv -f UTF-16LE -t UTF-8 "$record")
    ((${#arguments[@]} == 2)) ||
        session_fail "start $1 got ${#arguments[@]} arguments: ${arguments[*]}"
    printf '%s' "${arguments[1]}"
}

wait_records() {
    session_wait_for 30 "$1 browser start(s)" has_records "$1"
    sleep 2
    (($(windows_records | wc -l) == $1)) ||
        session_fail "expected $1 browser start(s), got $(windows_records | wc -l)"
}

# Clicks a point given in twips from the top-left corner of a window's client area. Wine
# draws the frame inside the X window here: the client area sits one border in from the
# sides and the bottom, below the caption and the menu bar.
click_client_twips() {
    local id=$1 client_width=$2 client_height=$3 left=$4 top=$5 WIDTH= HEIGHT=
    eval "$(xdotool getwindowgeometry --shell "$id" | grep -E '^(WIDTH|HEIGHT)=')"
    local border=$(((WIDTH - client_width / 15) / 2))
    local above=$((HEIGHT - client_height / 15 - border))
    xdotool mousemove --window "$id" $((border + left / 15)) $((above + top / 15)) click 1
}

# --- A search on two sites -------------------------------------------------------------
setsid wine "$install_dir/Tessorin.exe" >>"$SESSION_PROGRAM_LOG" 2>&1 &
SESSION_PROGRAM_PID=$!
activate "Tessorin v1.61"
query=' 10179 "UCS" Falcon & co é\x '
# The "&" reaches the site encoded, so that it stays part of the query.
sent=' 10179 "UCS" Falcon %26 co é\x '
session_type "$query"
# From the query box past Search, AuctionBrick and BI Portal to Bricklink, then three on to
# Brickshelf; Enter on a check box runs the search.
session_key Tab Tab Tab Tab space Tab Tab Tab space Return
activate "Tessorin - Alert!"
# The dialog opens on its check box; Tab moves on to Yes.
session_key Tab Return
wait_records 2
templates=$install_dir/Websites.ini
bricklink=$(session_template "$templates" Bricklink)
brickshelf=$(session_template "$templates" Brickshelf)
brickshelf_end=$(session_template "$templates" "Brickshelf end")
[[ -n $bricklink && -n $brickshelf ]] || session_fail "Websites.ini lacks the sites' keys"
first=$(record_argument 1)
second=$(record_argument 2)
[[ $first == "$bricklink$sent" ]] ||
    session_fail "first start got [$first], expected [$bricklink$sent]"
[[ $second == "$brickshelf$sent$brickshelf_end" ]] ||
    session_fail "second start got [$second], expected [$brickshelf$sent$brickshelf_end]"
rm -f "$SESSION_STARTS"/*

# --- The profile, saved per user -------------------------------------------------------
settings=$(unix_path "$(windows_variable APPDATA)")/Tessorin/Settings.ini
[[ ! -e $settings ]] || session_fail "Settings.ini was there before the save"
activate "Tessorin v1.61"
session_key ctrl+s
saved() { [[ -f $settings ]] && grep -q $'^Brickshelf=True\r$' "$settings"; }
session_wait_for 20 "the profile in $settings" saved
grep -q $'^BrickLink=True\r$' "$settings" || session_fail "the save lost BrickLink"
[[ ! -e $install_dir/Settings.ini ]] || session_fail "the save wrote into Program Files"

# --- SetSweep's page, per user ---------------------------------------------------------
page_on_windows="$(windows_variable LOCALAPPDATA)\\Tessorin\\script.html"
page=$(unix_path "$page_on_windows")
session_key ctrl+m
activate "SetSweep"
session_type "6080"
session_key Tab
session_type "5"
session_key Return
wait_records 1
[[ $(record_argument 1) == "$page_on_windows" ]] ||
    session_fail "the browser got [$(record_argument 1)], expected [$page_on_windows]"
grep -q $'^start=6080;\r$' "$page" || session_fail "the page does not start at 6080"
rm -f "$SESSION_STARTS"/*

activate "SetSweep"
session_key ctrl+e
page_gone() { [[ ! -e $page ]]; }
session_wait_for 20 "SetSweep to delete its page" page_gone
session_program_running || session_fail "the program ended with SetSweep"

# --- PeekShot: the set's page in the program's own window ------------------------------
activate "Tessorin v1.61"
# The search unticked the sites; the PeekShot box, below them in the frame, is the only one
# now, and Enter on it opens the set's page in the popup and no browser.
click_client_twips "$(session_find_window "Tessorin v1.61")" 4245 3135 720 2040
session_key Return
session_wait_for 45 "the PeekShot window" session_program_shows "Tessorin - Lugnet Set Popup"
sleep 2
(($(windows_records | wc -l) == 0)) || session_fail "PeekShot started a browser"
session_window_gone "Tessorin" || session_fail "a message box came with the PeekShot window"
# The control was made: the program listed itself for the newest page engine, as it does
# just before its first web browser control.
emulation='HKCU\Software\Microsoft\Internet Explorer\Main\FeatureControl'
emulation+='\FEATURE_BROWSER_EMULATION'
wine reg query "$emulation" /v Tessorin.exe 2>/dev/null | grep -q 'REG_DWORD *0x2af9' ||
    session_fail "Tessorin.exe is not listed for Internet Explorer 11's mode"
session_program_running || session_fail "the program ended with PeekShot"
# Its close box (Alt+F4 from the keyboard) destroys it, control and all.
session_key alt+F4
session_wait_for 20 "the PeekShot window to close" \
    session_window_gone "Tessorin - Lugnet Set Popup"
session_program_running || session_fail "the program ended with the PeekShot window"

activate "Tessorin v1.61"
session_key ctrl+x
session_wait_for 20 "the program to end" session_program_ended

# --- And the uninstaller ---------------------------------------------------------------
# It copies itself away and works from there, so the removal is waited for.
timeout 120 wine "$install_dir/Uninstall.exe" /S || session_fail "the silent uninstall failed"
uninstalled() { [[ ! -e $install_dir/Tessorin.exe ]]; }
session_wait_for 60 "the uninstaller to remove Tessorin.exe" uninstalled
! wine reg query "$uninstall_key" >/dev/null 2>&1 ||
    session_fail "Add/Remove Programs still lists Tessorin"
session_pass
