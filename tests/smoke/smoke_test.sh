#!/usr/bin/env bash
# Starts Quillex under Xvfb: the splash shows, then the window titled "Quillex"; a second start
# is refused with its message and a failure status; the quit button's question answered Yes
# ends the program. Then a start whose synonym list cannot be read and whose lock cannot be made:
# it says why on stderr, shows the report (code 101) in a real box and, once the box is closed,
# goes on to its main window.
# Usage: smoke_test.sh QUILLEX QUILLEX_WITHOUT_SYNONYMS
set -u
program=$1
without_synonyms=$2
for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "$tool not installed: skipped"; exit 77; }
done
work=$(mktemp -d)
program_pid=
. "$(dirname "$0")/../../scripts/xvfb.sh"
# The programs end before their server, and the server before the folder goes: the next test
# finds its display free.
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null && wait "$program_pid" 2>/dev/null
    xvfb_stop
    rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "FAIL: $*"; exit 1; }
wait_for() {  # wait_for SECONDS COMMAND...
    local limit=$1; shift
    for _ in $(seq $((limit * 10))); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done
    return 1
}
xvfb_start "$work" || { echo "no X server could start: skipped"; tail -3 "$work/xvfb.log"; exit 77; }
export XDG_RUNTIME_DIR=$work
unset QT_QPA_PLATFORM
visible_named() { xdotool search --onlyvisible --name "^$1\$"; }
# The visible windows titled Quillex at least (or, with "-", less than) the given width.
titled_wider() {
    local least=$1 id
    for id in $(visible_named Quillex); do
        eval "$(xdotool getwindowgeometry --shell "$id")"
        if [ "${least#-}" = "$least" ]; then [ "$WIDTH" -ge "$least" ] && echo "$id"
        else [ "$WIDTH" -lt "${least#-}" ] && echo "$id"; fi
    done
    return 0
}
main_window() { [ -n "$(titled_wider 600)" ]; }
message_box() { [ -n "$(titled_wider -600)" ]; }

(cd "$work" && exec "$program") &
program_pid=$!

wait_for 10 xdotool search --onlyvisible --class quillex || fail "no splash"
wait_for 20 main_window || fail "no main window titled Quillex"
main=$(titled_wider 600 | head -1)

# A second start while the first runs: refused with a message box, and ends when it is closed,
# with a failure status.
(cd "$work" && exec "$program") &
second=$!
wait_for 10 message_box || fail "second start showed no message"
xdotool key --clearmodifiers Return
wait_for 10 bash -c "! kill -0 $second" || fail "second start did not end"
wait "$second"; status=$?
[ "$status" != 0 ] || fail "the refused start ended with status 0"
kill -0 "$program_pid" || fail "first instance was affected"

# Quit: the quit button asks; Enter answers the default, Yes; the program ends half a second later.
quit() {
    xdotool mousemove --window "$1" 634 444 click 1
    wait_for 5 message_box || fail "quitting asked nothing"
    xdotool key --clearmodifiers Return
    wait_for 10 bash -c "! kill -0 $2" || fail "the program did not end after Yes"
    wait "$2"; status=$?
    [ "$status" = 0 ] || fail "exit status $status"
}
quit "$main" "$program_pid"

# The synonym list fails; a folder stands where the lock file goes. The licence is in the start
# folder, so that no other report follows.
cp "$(dirname "$0")/../../Licence.rtf" "$work/"
rm -f "$work/quillex.lock" && mkdir "$work/quillex.lock"
(cd "$work" && exec "$without_synonyms" 2>"$work/stderr") &
program_pid=$!
wait_for 20 message_box || fail "no report of the synonym list"
main_window && fail "the main window showed before the report"
xdotool key --clearmodifiers Return
wait_for 20 main_window || fail "no main window after the report (running: $(kill -0 $program_pid 2>&1 && echo yes || echo no))"
grep -q "le programme démarre sans vérifier" "$work/stderr" || fail "nothing said of the lock: $(cat "$work/stderr")"
sleep 1  # the licence loads half a second after the window shows
message_box && fail "a message box followed the main window"
quit "$(titled_wider 600 | head -1)" "$program_pid"
echo "1 passed, 0 failed"
