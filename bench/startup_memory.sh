#!/usr/bin/env bash
# Resident memory of Quillex with its main window shown, under Xvfb.
# Usage: bench/startup_memory.sh [QUILLEX]   (default: build/release/ui/quillex)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
program=${1:-$root/build/release/ui/quillex}
work=$(mktemp -d)
pid=''
. "$root/scripts/xvfb.sh"
trap '[ -n "$pid" ] && kill $pid 2>/dev/null; xvfb_stop; rm -rf "$work"' EXIT
xvfb_start "$work" || { echo "no X server could start"; exit 1; }
start=$(date +%s%N)
(cd "$work" && XDG_RUNTIME_DIR=$work exec "$program") &
pid=$!
for _ in $(seq 200); do
    xdotool search --onlyvisible --name '^Quillex$' >/dev/null 2>&1 && break
    sleep 0.05
done
shown=$(date +%s%N)
sleep 2  # the licence text loads half a second after the window shows
echo "main window shown after $(( (shown - start) / 1000000 )) ms (splash waits included)"
grep -E 'VmRSS|VmHWM' /proc/$pid/status
