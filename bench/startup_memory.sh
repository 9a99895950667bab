#!/usr/bin/env bash
# Resident memory of Quillex with its main window shown, under Xvfb.
# Usage: [QUILLEX_DISPLAY=:NN] bench/startup_memory.sh [QUILLEX]   (default: build/release/ui/quillex)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
program=${1:-$root/build/release/ui/quillex}
work=$(mktemp -d)
display=${QUILLEX_DISPLAY:-:$((80 + RANDOM % 9))}  # QUILLEX_DISPLAY=:NN picks the display
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $pid $xvfb 2>/dev/null; rm -rf "$work"' EXIT
sleep 1
start=$(date +%s%N)
(cd "$work" && DISPLAY=$display XDG_RUNTIME_DIR=$work exec "$program") &
pid=$!
for _ in $(seq 200); do
    DISPLAY=$display xdotool search --onlyvisible --name '^Quillex$' >/dev/null 2>&1 && break
    sleep 0.05
done
shown=$(date +%s%N)
sleep 2  # the licence text loads half a second after the window shows
echo "main window shown after $(( (shown - start) / 1000000 )) ms (splash waits included)"
grep -E 'VmRSS|VmHWM' /proc/$pid/status
