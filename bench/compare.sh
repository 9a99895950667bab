#!/usr/bin/env bash
# Side by side, in one run: quillex-cli against what a user would otherwise reach for, over a
# fixed set of queries. Patterns: grep -E over the main list exported as text. Anagrams: a
# brute-force letter-count search in Python over the Scrabble list, and, for one draw, the
# plain grep -x of the word over that list. Synonyms: grep of the headword's line over the
# synonym list exported as text. The whole main list, words and count, against grep and
# grep -c. Each command is timed as a whole process (start-up included; bench/time_pair.py
# runs the two commands in turn, 30 times each, and takes the medians), its output read to the
# end through a pipe as a script reads it, and checked against the other's.
# Writes docs/performance.md (the table) and docs/performance.png (time by word length).
# Usage: bench/compare.sh [QUILLEX_CLI]   (default: build/release/cli/quillex-cli)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cli=${1:-$root/build/release/cli/quillex-cli}
for tool in gnuplot python3 iconv; do
    command -v "$tool" >/dev/null || { echo "needs $tool (apt-get install gnuplot-nox)"; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
iconv -f cp1252 -t utf-8 "$root/data/LISTEDESMOTS" | tr -d '\r' > "$work/main.txt"
echo >> "$work/main.txt"
iconv -f cp1252 -t utf-8 "$root/data/LISTESCRAB" | tr -d '\r' > "$work/scrabble.txt"
echo >> "$work/scrabble.txt"
iconv -f cp1252 -t utf-8 "$root/data/LISTESYNONYMES" | tr -d '\r' > "$work/synonyms.txt"
echo >> "$work/synonyms.txt"

# One pattern per length: an E second and an S last (from 11 letters on, an E before the S too,
# as the joker limit asks), jokers elsewhere: a crossword entry with its crossing letters.
patterns=()
for length in $(seq 3 15); do
    ending=S; [ "$length" -ge 11 ] && ending=ES
    p="?E"; while [ $(( ${#p} + ${#ending} )) -lt "$length" ]; do p+="?"; done; p+=$ending
    patterns+=("$p")
done
draws=(ES AIS RIEN CHIEN ORANGE ARTISTE MARIONET ESARINT?E)

# Both commands run alternately and the medians are kept: on a shared machine the other work
# comes and goes, and timing one tool's runs after the other's would charge it to one of them.
time_pair() {  # time_pair COMMAND-A COMMAND-B -> "median-A median-B" in seconds
    python3 "$root/bench/time_pair.py" 30 "$1" "$2"
}

table=$root/docs/performance.md
{
    echo "| query | kind | length | results | quillex-cli (ms) | other tool (ms) | ratio |"
    echo "|---|---|---|---|---|---|---|"
} > "$table"
# compare KIND QUERY OTHER-NAME PLOT-FILE OTHER-COMMAND...: both outputs must be the same words
# (or, with CHECK set, pass that shell test of files a and b); appends a table row and a plot
# point (length, quillex-cli seconds, other seconds). OPTS: options given to quillex-cli after
# the query.
compare() {
    local kind=$1 query=$2 other=$3 plot=$4 options=${OPTS:-}
    shift 4
    # shellcheck disable=SC2086
    "$cli" "$kind" "$query" $options > "$work/a" || true
    "$@" > "$work/b" || true
    if [ -n "${CHECK:-}" ]; then
        (cd "$work" && eval "$CHECK") || { echo "$kind $query: outputs disagree"; exit 1; }
    else
        cmp -s "$work/a" "$work/b" || { echo "$kind $query: outputs differ"; exit 1; }
    fi
    local q o n
    read -r q o < <(time_pair "$cli $kind $query${options:+ $options}" "$*")
    n=$(wc -l < "$work/a")
    [ -n "$options" ] && n=$(cut -d' ' -f1 "$work/a")  # "N mots trouvés"
    local length=${#query}
    case $query in *'*'*) length=3-15 ;; esac
    python3 -c "import sys; q, o = float(sys.argv[1]), float(sys.argv[2]); \
print(f'| \`$query${options:+ $options}\` | $kind | $length | $n | {q*1000:.1f} | {o*1000:.1f} ($other) | {o/q:.1f}x |')" \
        "$q" "$o" >> "$table"
    echo "${#query} $q $o" >> "$plot"
}

: > "$work/plot.dat"
: > "$work/plot2.dat"
for p in "${patterns[@]}"; do
    compare pattern "$p" "grep -E" "$work/plot.dat" grep -E "^$(echo "$p" | tr '?' '.')\$" "$work/main.txt"
done
for d in "${draws[@]}"; do
    compare anagram "$d" "Python letter counts" "$work/plot2.dat" \
        python3 "$root/bench/brute_force_anagrams.py" "$work/scrabble.txt" "$d"
done
# The whole main list: every word of 3 to 15 letters, then their count.
compare pattern '*' "grep -E" /dev/null grep -E '^.{3,15}$' "$work/main.txt"
OPTS=--count CHECK='[ "$(cut -d" " -f1 a)" = "$(cat b)" ]' \
    compare pattern '*' "grep -cE" /dev/null grep -cE '^.{3,15}$' "$work/main.txt"
# The same questions put to grep, which can only tell whether the draw itself is a word, and
# print a headword's whole line: the floor any search over the exported lists starts from.
CHECK='grep -qx -f b a' compare anagram CHIEN "grep -x" /dev/null grep -x CHIEN "$work/scrabble.txt"
for w in chat maison trouble; do
    CHECK='cut -d@ -f2 b | tr "\\\\" "\\n" | cmp -s - a' \
        compare synonyms "$w" "grep ^$w@" /dev/null grep "^$w@" "$work/synonyms.txt"
done

gnuplot <<GP
set terminal pngcairo size 900,420 font "Carlito,11"
set output "$root/docs/performance.png"
set multiplot layout 1,2
set logscale y
set xlabel "word length"
set ylabel "time per query, ms (whole process)"
set key top left
set title "Pattern search"
plot "$work/plot.dat" using 1:(\$2*1000) with linespoints title "quillex-cli pattern", \
     "$work/plot.dat" using 1:(\$3*1000) with linespoints title "grep -E"
set title "Anagram search"
plot "$work/plot2.dat" using 1:(\$2*1000) with linespoints title "quillex-cli anagram", \
     "$work/plot2.dat" using 1:(\$3*1000) with linespoints title "Python letter counts"
unset multiplot
GP
cat "$table"
