#!/usr/bin/env bash
# Starts Quillex under Xvfb: the splash shows, then the window titled "Quillex"; a second start
# is refused with its message; the quit button's question answered Yes ends the program.
set -u
program=$1
for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "$tool not installed: skipped"; exit 77; }
done
work=$(mktemp -d)
display=:$((90 + RANDOM % 9))
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display XDG_RUNTIME_DIR=$work
unset QT_QPA_PLATFORM
cleanup() { kill "$program_pid" "$xvfb" 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT
sleep 1

fail() { echo "FAIL: $*"; exit 1; }
wait_for() {  # wait_for SECONDS COMMAND...
    local limit=$1; shift
    for _ in $(seq $((limit * 10))); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done
    return 1
}
visible_named() { xdotool search --onlyvisible --name "^$1\$"; }

(cd "$work" && exec "$program") &
program_pid=$!

wait_for 10 xdotool search --onlyvisible --class quillex || fail "no splash"
wait_for 20 visible_named Quillex || fail "no main window titled Quillex"
main=$(visible_named Quillex | head -1)

# A second start while the first runs: refused with a message box, and ends when it is closed.
(cd "$work" && exec "$program") &
second=$!
wait_for 10 bash -c "[ \$(xdotool search --onlyvisible --name '^Quillex\$' | wc -l) -ge 2 ]" ||
    fail "second start showed no message"
xdotool key --clearmodifiers Return
wait_for 10 bash -c "! kill -0 $second" || fail "second start did not end"
kill -0 "$program_pid" || fail "first instance was affected"

# Quit: the quit button asks; Enter answers the default, Yes; the program ends half a second later.
xdotool mousemove --window "$main" 634 444 click 1
wait_for 5 bash -c "[ \$(xdotool search --onlyvisible --name '^Quillex\$' | wc -l) -ge 2 ]" ||
    fail "quitting asked nothing"
xdotool key --clearmodifiers Return
wait_for 10 bash -c "! kill -0 $program_pid" || fail "the program did not end after Yes"
wait "$program_pid"; status=$?
[ "$status" = 0 ] || fail "exit status $status"
echo "1 passed, 0 failed"
