#!/usr/bin/env bash
# usage: bench/real_browsers.sh BUILD_DIR [RUNS [BROWSER]]
#
# What a search of all sixteen sites costs in the real browsers from Debian, the desktop's
# default through its own menu entry, not running and running, beside the two ways of
# handing a browser sixteen addresses that need no Tessorin: one start with all sixteen,
# and sixteen starts, each begun once the last has ended or shown its window. For each:
# the time from the key press (or the first start) to the sixteenth page requested, the
# CPU time of the browser's processes, and their peak memory (PSS). Medians of RUNS, the
# three sides interleaved, each run in a fresh home and browser profile.
set -euo pipefail
build=$(cd "$1" && pwd)
runs=${2:-3}
here=$(cd "$(dirname "$0")" && pwd)
e2e=$here/../tests/e2e
query='10179 falcon'

# Each browser in a session of its own: this script again, for one browser.
if [[ -z ${3-} ]]; then
    echo "Real browsers: a search of sixteen sites, from the key press (or the first start)"
    echo "to the 16th page requested; the browser's CPU time and peak PSS. Medians of $runs runs."
    printf '%-9s %-12s %-28s %9s %8s %9s\n' browser state side seconds "CPU s" "PSS MiB"
    for browser in firefox chromium; do
        "$0" "$build" "$runs" "$browser" || echo "$browser: no figures (exit $?)"
    done
    exit 0
fi
browser=$3

source "$e2e/session.sh"
real_case_end_all() {
    real_stop_sampler
    real_end
}
trap real_case_end_all EXIT

REAL_SAMPLER_PID=
real_stop_sampler() {
    [[ -z $REAL_SAMPLER_PID ]] || kill "$REAL_SAMPLER_PID" 2>/dev/null || true
    REAL_SAMPLER_PID=
}

# The sixteen addresses of the local sites, as the program composes them.
site_addresses() {
    local port n
    port=$(cat "$SESSION_DIR/port")
    for n in $(seq -w 1 16); do
        case $n in
        01 | 06 | 07 | 08 | 09 | 10 | 11) echo "http://127.0.0.1:$port/$n?q=10179%20falcon&end=$n" ;;
        *) echo "http://127.0.0.1:$port/$n?q=10179%20falcon" ;;
        esac
    done
}

# A start that hands its address on ends; the first of a browser not yet running stays, and
# has its page requested once it is up. Waited for no longer than the program waits (five
# seconds), and watched with the shell's own means: a child process of the watch would be
# counted as the browser's CPU time.
each_waited_for() {
    local address pid started=0 requests nap
    exec {nap}<> <(:)  # read -t on it is a sleep without a process
    while read -r address; do
        "$binary" "$address" >/dev/null 2>&1 &
        pid=$!
        started=$((started + 1))
        for ((i = 0; i < 500; i++)); do
            [[ $(2>/dev/null </proc/$pid/stat) == *") "[^Z]* ]] || break
            mapfile -t requests <"$REQUESTS"
            ((${#requests[@]} < started)) || break
            read -r -t 0.01 -u "$nap" || true
        done
    done
}

# One measured search; prints "seconds cpu_seconds peak_mib".
measure() {
    local state=$1 side=$2 starter start last
    real_make_home "$state-$side"
    REAL_BROWSER_PID=
    [[ $state != running ]] || real_start_browser
    case $side in
    tessorin)
        real_start_program
        starter=$(pgrep -f -n "$REAL_PREFIX/bin/tessorin")
        ;;
    *)
        # The yardsticks' starts come from one shell of the case's own, kept until the end,
        # so what it reaped is counted as the program's reaped starts are.
        rm -f "$SESSION_DIR/go-$state-$side"
        mkfifo "$SESSION_DIR/go-$state-$side"
        real_as_user bash -c "$(declare -f each_waited_for); $(declare -p binary); \
            REQUESTS='$SESSION_DIR/requests'; \
            read -r < '$SESSION_DIR/go-$state-$side'; date +%s.%N > '$SESSION_DIR/start'; \
            if [[ $side == one-start ]]; then mapfile -t a < '$SESSION_DIR/addresses'; \
            \"\$binary\" \"\${a[@]}\" >/dev/null 2>&1 & else \
            each_waited_for < '$SESSION_DIR/addresses'; fi; sleep 600" &
        sleep 0.5
        starter=$(pgrep -n -f "$SESSION_DIR/go-$state-$side")
        ;;
    esac
    local cpu_before
    cpu_before=$(python3 "$here/browser_usage.py" cpu "$starter" ${REAL_BROWSER_PID:+"$REAL_BROWSER_PID"})
    python3 "$here/browser_usage.py" peak "$SESSION_DIR/peak" "$starter" \
        ${REAL_BROWSER_PID:+"$REAL_BROWSER_PID"} &
    REAL_SAMPLER_PID=$!
    disown "$REAL_SAMPLER_PID"
    if [[ $side == tessorin ]]; then
        real_search "$query"
        start=$REAL_KEY_TIME
    else
        echo go >"$SESSION_DIR/go-$state-$side"
        session_wait_for 10 "the first start" test -s "$SESSION_DIR/start"
        start=$(cat "$SESSION_DIR/start")
        rm -f "$SESSION_DIR/start"
    fi
    session_poll 90 real_sixteen_requested || echo "only $(real_requests) of 16 sites" >&2
    sleep 2
    last=$(python3 -c 'import json,sys; print(max(json.loads(l)["time"] for l in open(sys.argv[1])))' \
        "$SESSION_DIR/requests")
    local cpu_after
    cpu_after=$(python3 "$here/browser_usage.py" cpu "$starter" ${REAL_BROWSER_PID:+"$REAL_BROWSER_PID"})
    real_stop_sampler
    echo "$(echo "$last - $start" | bc) $(echo "$cpu_after - $cpu_before" | bc) $(cat "$SESSION_DIR/peak")"
    real_end_case
}

median() {
    sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'
}

source "$e2e/realbrowser/real-session.sh"
frame_wm=$build/bench/bench_frame_wm
[[ -x $frame_wm ]] || frame_wm=$build/tests/frame-wm
real_start_session "$build/bin/tessorin" "$frame_wm"
site_addresses >"$SESSION_DIR/addresses"
chmod 644 "$SESSION_DIR/addresses"
for state in not-running running; do
    results=$SESSION_DIR/results-$state
    : >"$results"
    for _ in $(seq "$runs"); do
        for side in tessorin one-start each-waited-for; do
            echo "$side $(measure "$state" "$side")" >>"$results"
        done
    done
    declare -A time=() cpu=() pss=()
    for side in tessorin one-start each-waited-for; do
        time[$side]=$(awk -v s="$side" '$1 == s {print $2}' "$results" | median)
        cpu[$side]=$(awk -v s="$side" '$1 == s {print $3}' "$results" | median)
        pss[$side]=$(awk -v s="$side" '$1 == s {print $4}' "$results" | median)
        printf '%-9s %-12s %-28s %9.2f %8.2f %9.0f\n' "$browser" "$state" "$side" \
            "${time[$side]}" "${cpu[$side]}" "${pss[$side]}"
    done
    # The yardstick each kind of browser is held to: for one that takes a list, one start;
    # for one that takes one address a start, sixteen starts each waited for.
    yardstick=each-waited-for
    [[ $browser == firefox ]] || yardstick=one-start
    printf '%-9s %-12s %-28s %9s %8s %9s\n' "$browser" "$state" "Tessorin / $yardstick" \
        "x$(echo "scale=2; ${time[tessorin]} / ${time[$yardstick]}" | bc)" \
        "x$(echo "scale=2; ${cpu[tessorin]} / ${cpu[$yardstick]}" | bc)" \
        "x$(echo "scale=2; ${pss[tessorin]} / ${pss[$yardstick]}" | bc)"
done
