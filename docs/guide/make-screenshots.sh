#!/usr/bin/env bash
# Remakes the user guide's screenshots: starts Quillex under Xvfb, runs a real search on each
# tab from the keyboard and mouse with xdotool, and writes one PNG of the window per tab.
#
#   docs/guide/make-screenshots.sh OUTPUT_FOLDER [PROGRAM]
#
# PROGRAM defaults to the release build, else the developer build. The display is one Xvfb
# picks free. Each search must change the window
# and open no message box, or the script fails: the pictures then would not show what the guide
# says. Exit status 77 when Xvfb, xdotool or ImageMagick's import is missing or no X server
# starts.
set -u
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
[ $# -ge 1 ] || { echo "usage: $0 OUTPUT_FOLDER [PROGRAM]" >&2; exit 2; }
out=$1
program=${2:-}
if [ -z "$program" ]; then
    for build in release developer; do
        [ -x "$root/build/$build/ui/quillex" ] && { program=$root/build/$build/ui/quillex; break; }
    done
fi
if [ -z "$program" ] || [ ! -x "$program" ]; then
    echo "no Quillex program to run: build it first" >&2; exit 2
fi
program=$(cd "$(dirname "$program")" && pwd)/$(basename "$program")
for tool in Xvfb xdotool import md5sum; do
    command -v "$tool" >/dev/null || { echo "$tool not installed: skipped"; exit 77; }
done
mkdir -p "$out" || exit 2
out=$(cd "$out" && pwd)

work=$(mktemp -d)
program_pid=''
. "$root/scripts/xvfb.sh"
# The program ends before its server, and the server before the folder goes: the next test
# finds its display free.
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null && wait "$program_pid" 2>/dev/null
    xvfb_stop
    rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }
wait_for() {  # wait_for SECONDS COMMAND...
    local limit=$1; shift
    for _ in $(seq $((limit * 10))); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done
    return 1
}

if ! xvfb_start "$work"; then
    echo "no X server could start: skipped"; tail -3 "$work/xvfb.log"; exit 77
fi
# The program's own lock lives in the runtime folder: a private one lets a Quillex already
# running elsewhere go on undisturbed.
export XDG_RUNTIME_DIR=$work
unset QT_QPA_PLATFORM

(cd "$work" && exec "$program") >"$work/program.log" 2>&1 &
program_pid=$!
named() { xdotool search --onlyvisible --name '^Quillex$'; }
wait_for 30 named || { sed 's/^/  /' "$work/program.log"; fail "no main window titled Quillex"; }
window=$(named | head -1)
xdotool windowfocus --sync "$window" || fail "the window does not take the keyboard"
sleep 1  # the licence text comes half a second after the window

# The window's pixels, to tell whether a step changed anything (PNG files carry dates).
pixels() { import -window "$window" rgb:- | md5sum; }
# Waits until the window is the same one second later: the search has run and painted. One
# second is a whole blink of a text cursor, which then shows the same again.
settle() {
    local before after
    before=$(pixels)
    for _ in $(seq 10); do
        sleep 1
        after=$(pixels)
        [ "$after" = "$before" ] && return 0
        before=$after
    done
}
# Fails when anything but the main window shows: a refusal, an error report, a copy notice.
alone() {
    [ "$(named | wc -l)" = 1 ] || fail "$1: a message box opened"
    kill -0 "$program_pid" 2>/dev/null || fail "$1: the program ended"
}
# search NAME KEYS...: the keys that run the search; the window must change after them.
search() {
    local name=$1 before; shift
    settle
    before=$(pixels)
    xdotool key --clearmodifiers --delay 60 "$@"
    settle
    alone "$name"
    [ "$(pixels)" != "$before" ] || fail "$name: the search changed nothing in the window"
}
shot() {
    import -window "$window" -strip -define png:exclude-chunks=date,time "$out/$1.png" ||
        fail "$1: no picture taken"
    echo "wrote $out/$1.png"
}
typed() { xdotool type --clearmodifiers --delay 60 "$1"; }

# Rechercher: length 9 from the list, E third and S last, then Enter.
xdotool key --clearmodifiers alt+Down
sleep 0.5
xdotool key --clearmodifiers --delay 60 Home Down Down Down Down Down Down Return
sleep 0.3
xdotool key --clearmodifiers --delay 60 Right Right e Right Right Right Right Right s
search rechercher Return
shot rechercher

# clickAt X Y: a click at a point of the window (the tab's page starts 6 pixels right and 30
# down of the window's corner).
clickAt() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.3; }

# Rechercher, the command line's patterns: a motif typed into its field, then Enter.
clickAt 358 224
typed 'CH*[^S]'
search rechercher-motif Return
shot rechercher-motif

# Scrabble: a draw of five letters and the joker.
xdotool key --clearmodifiers ctrl+Tab
sleep 0.3
typed 'CHIEN?'
search scrabble Return
shot scrabble

# Scrabble, the player's options: the shorter words under their header, each word's value and
# hooks, the order by value; then words judged in the field under the options.
clickAt 325 321
settle
clickAt 515 343
clickAt 325 365
clickAt 515 321
xdotool key --clearmodifiers ctrl+a
typed 'KAYAK'
search scrabble-valeurs Return
clickAt 455 394
typed 'kawa wok zzz'
settle
alone scrabble-valeurs
shot scrabble-valeurs

# Scrabble, two jokers on their own: the box ticked, the shorter words off.
clickAt 515 299
clickAt 325 321
clickAt 135 82
xdotool key --clearmodifiers ctrl+a
typed '?KW?'
search scrabble-jokers Return
shot scrabble-jokers

# Synonyme: a word typed, its headwords listed, then its synonyms.
xdotool key --clearmodifiers ctrl+Tab
sleep 0.3
typed 'chat'
search synonyme Return
shot synonyme

# 2,3 lettres: a first letter typed into the filter, which the tab gives the focus to; both
# blocks of words still show, with the header between them.
xdotool key --clearmodifiers ctrl+Tab
settle
search lettres o
shot lettres

# A propos: the licence text and the links.
xdotool key --clearmodifiers ctrl+Tab
settle
alone apropos
shot apropos

# The package carries them: squeezed without loss where optipng is installed.
if command -v optipng >/dev/null; then optipng -quiet -o5 -strip all "$out"/*.png; fi
