#!/usr/bin/env bash
# Start-up time and resident memory of Quillex under Xvfb.
# Usage: [QUILLEX_DISPLAY=:NN] [RUNS=5] [SEARCH_BENCH=PROGRAM] bench/startup_memory.sh [QUILLEX]
#   QUILLEX          the program (default: build/release/ui/quillex)
#   QUILLEX_DISPLAY  the display to start Xvfb on (default: the first free one)
#   RUNS             start-ups timed; the best one and the median are printed, as the machine's
#                    load only adds to each run
#   SEARCH_BENCH     window_search_bench (default: beside QUILLEX's build): 200 searches on each
#                    tab under the same display, with the memory and window-thread time they
#                    take; "none" skips it
# Each run: the time from the program's start until its main window is mapped, how far beyond
# the splash's timers (2080 ms in all) that is, and the window thread's processor time by then.
# The last run is then left two seconds, past the licence's load, and its memory printed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
program=$(realpath "${1:-$root/build/release/ui/quillex}")
runs=${RUNS:-5}
search_bench=${SEARCH_BENCH:-$(dirname "$program")/../bench/window_search_bench}
splash_timers_ms=2080
work=$(mktemp -d)
pid=''
xev=''
reader=''
. "$root/scripts/xvfb.sh"
trap '[ -n "$pid" ] && kill $pid 2>/dev/null; [ -n "$xev" ] && kill $xev $reader 2>/dev/null; xvfb_stop; rm -rf "$work"' EXIT
if [ -n "${QUILLEX_DISPLAY:-}" ]; then
    Xvfb "$QUILLEX_DISPLAY" -screen 0 1280x800x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    export DISPLAY=$QUILLEX_DISPLAY
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
else
    xvfb_start "$work" || { echo "no X server could start"; exit 1; }
fi
ticks=$(getconf CLK_TCK)

# The time each window of the display is mapped, in microseconds, as soon as the server reports
# it: the splash is the first window a run maps, the main window the second.
mkfifo "$work/events"
stdbuf -oL xev -root -event substructure >"$work/events" &
xev=$!
while read -r line; do
    [[ $line == MapNotify* ]] && echo "${EPOCHREALTIME/./}" >>"$work/maps"
done <"$work/events" &
reader=$!
sleep 0.5

best=''
all=()
for run in $(seq "$runs"); do
    : >"$work/maps"
    start=${EPOCHREALTIME/./}
    (cd "$work" && XDG_RUNTIME_DIR=$work exec "$program") &
    pid=$!
    for _ in $(seq 2000); do
        [[ $(wc -l <"$work/maps") -ge 2 ]] && break
        sleep 0.005
    done
    if [[ $(wc -l <"$work/maps") -lt 2 ]]; then
        echo "run $run: the main window was not mapped within 10 s"
        exit 1
    fi
    read -r -a stat <"/proc/$pid/task/$pid/stat"
    cpu_ms=$(((stat[13] + stat[14]) * 1000 / ticks))
    splash=$(sed -n 1p "$work/maps")
    shown=$(sed -n 2p "$work/maps")
    ms=$(((shown - start) / 1000))
    echo "run $run: splash mapped after $(((splash - start) / 1000)) ms, main window after $ms ms," \
        "$((ms - splash_timers_ms)) ms beyond the splash timers; window thread CPU ${cpu_ms} ms"
    all+=("$ms")
    if [[ -z $best || $ms -lt $best ]]; then best=$ms; fi
    if [[ $run -lt $runs ]]; then
        kill "$pid"
        wait "$pid" 2>/dev/null || true
        pid=''
    fi
done
median=$(printf '%s\n' "${all[@]}" | sort -n | sed -n "$(((runs + 1) / 2))p")
echo "best: $best ms, $((best - splash_timers_ms)) ms beyond the splash timers;" \
    "median: $median ms, $((median - splash_timers_ms)) ms beyond"

sleep 3  # past the licence's load (0.5 s) and the first memory release (2 s)
echo "program RSS 3 s after its window shows: $(grep VmRSS /proc/$pid/status | tr -s ' \t' ' ' | cut -d' ' -f2-)"
kill "$pid"
wait "$pid" 2>/dev/null || true
pid=''

if [[ $search_bench != none && -x $search_bench ]]; then
    echo "window_search_bench:"
    (cd "$work" && XDG_RUNTIME_DIR=$work "$search_bench")
fi
