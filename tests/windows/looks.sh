#!/usr/bin/env bash
# looks.sh <setup.exe> <set-colour-scheme.exe>: the installed program as Windows 10 and
# Windows 11 show it, in the person's light and dark choice. For each, Wine is set to that
# Windows version and the choice is in the registry where Settings keeps it; the running
# program says which style and colour scheme it took (its "tessorin.look" debug messages,
# on its standard error), and the main window's pixels must be dark in dark mode and light
# in light mode. In one case of each version the choice then changes under the
# running program, as Settings changes it.
#
# With LOOKS_SCREENSHOTS=<folder>, each case's main window is kept there as
# main-window-<version>-<choice>.png.
set -euo pipefail
source "$(dirname "$(realpath "$0")")/wine-session.sh"
session_require_tools import convert

set_colour_scheme=$(realpath "$2")
install_tessorin "$1"
main_window="Tessorin v1.61"

# A Windows program of the GUI kind has no console, so Qt would send its messages to the
# debugger; told to, it writes them to standard error, which Wine hands on here.
wine reg add 'HKCU\Environment' /v QT_LOGGING_RULES /d 'tessorin.look.debug=true' /f \
    >/dev/null 2>&1
wine reg add 'HKCU\Environment' /v QT_FORCE_STDERR_LOGGING /d 1 /f >/dev/null 2>&1

choose() {
    local version=$1 choice=$2
    wine reg add 'HKCU\Software\Wine' /v Version /d "$version" /f >/dev/null 2>&1
    wine "$set_colour_scheme" "$choice" || session_fail "set-colour-scheme $choice failed"
}

# The newest "style …, colour scheme …" the program has said.
reported_look() {
    grep -o 'tessorin\.look: style [a-z0-9]*, colour scheme [a-z]*' "$SESSION_PROGRAM_LOG" |
        tail -n 1 | sed 's/^tessorin\.look: //'
}
reports() { [[ $(reported_look) == "$1" ]]; }

# The mean brightness (0 to 1) of the main window's client area, from the X server's
# picture of it; the caption and frame, which Wine draws itself, are left out.
brightness() {
    local shot=$SESSION_DIR/shot.png X= Y= WIDTH= HEIGHT=
    eval "$(xdotool getwindowgeometry --shell "$(session_find_window "$main_window")" |
        grep -E '^(X|Y|WIDTH|HEIGHT)=')"
    import -window root -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage "$shot"
    convert "$shot" -crop "$((WIDTH - 16))x$((HEIGHT - 60))+8+52" -colorspace Gray \
        -format '%[fx:mean]' info:
}

expect_look() {
    local style=$1 choice=$2 name=$3 mean
    session_wait_for 30 "the program to report style $style, colour scheme $choice" \
        reports "style $style, colour scheme $choice"
    sleep 1
    mean=$(brightness)
    case $choice in
        dark) awk -v m="$mean" 'BEGIN { exit !(m < 0.35) }' ||
            session_fail "$name: dark mode, but the window is light (brightness $mean)" ;;
        light) awk -v m="$mean" 'BEGIN { exit !(m > 0.65) }' ||
            session_fail "$name: light mode, but the window is dark (brightness $mean)" ;;
    esac
    echo "$name: style $style, colour scheme $choice, brightness $mean"
    if [[ -n ${LOOKS_SCREENSHOTS:-} ]]; then
        mkdir -p "$LOOKS_SCREENSHOTS"
        cp "$SESSION_DIR/shot.png" "$LOOKS_SCREENSHOTS/main-window-$name.png"
    fi
}

start_tessorin() {
    : >"$SESSION_PROGRAM_LOG"
    setsid wine "$install_dir/Tessorin.exe" >>"$SESSION_PROGRAM_LOG" 2>&1 &
    SESSION_PROGRAM_PID=$!
    activate "$main_window"
}

end_tessorin() {
    activate "$main_window"
    session_key ctrl+x
    session_wait_for 20 "the program to end" session_program_ended
}

# version, the person's choice at start-up, the style Qt picks with it; then, for the cases
# with a change, the new choice and the style it brings.
while read -r version choice style new_choice new_style; do
    choose "$version" "$choice"
    start_tessorin
    expect_look "$style" "$choice" "$version-$choice"
    if [[ $new_choice != - ]]; then
        wine "$set_colour_scheme" "$new_choice"
        expect_look "$new_style" "$new_choice" "$version-$choice-then-$new_choice"
    fi
    end_tessorin
done <<'CASES'
win11 dark windows11 - -
win11 light windows11 dark windows11
win10 light windowsvista - -
win10 dark fusion light windowsvista
CASES
session_pass
