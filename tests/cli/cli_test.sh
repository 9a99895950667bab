#!/usr/bin/env bash
# Runs quillex-cli as a script would and checks stdout, stderr and the exit status.
# Usage: cli_test.sh QUILLEX_CLI ALLOCATION_LIMIT_LIBRARY
cli=$1
allocation_limit=$2
dynamic_cli=${3:-$1}
failures=0
passes=0

# expect NAME STATUS STDOUT STDERR -- ARGS...: STDOUT and STDERR are extended regular expressions
# one line of the stream must match; a STDOUT written =WORD WORD... is the whole output instead,
# those words one a line. Whatever the arguments hold, stderr never carries a raw control
# character a terminal obeys.
expect() {
    local name=$1 status=$2 out_pattern=$3 err_pattern=$4
    shift 5
    local out err rc out_fits
    out=$("$cli" "$@" 2>/tmp/quillex-cli-err.$$); rc=$?
    err=$(cat /tmp/quillex-cli-err.$$); rm -f /tmp/quillex-cli-err.$$
    if [[ $out_pattern == =* ]]; then
        [ "$out" = "$(tr ' ' '\n' <<<"${out_pattern#=}")" ]
    else
        grep -qE -- "$out_pattern" <<<"$out"
    fi
    out_fits=$?
    if [ "$rc" != "$status" ] || [ "$out_fits" != 0 ] || ! grep -qE -- "$err_pattern" <<<"$err" ||
        LC_ALL=C grep -q $'[\x01-\x09\x0b-\x1f\x7f]' <<<"$err"; then
        echo "FAIL $name: status $rc (wanted $status)"; echo "  stdout: ${out:0:400}"; echo "  stderr: $err"
        failures=$((failures + 1))
    else
        passes=$((passes + 1))
    fi
}

# The cases are tables beside this file, one per command, a case a line: NAME, STATUS, STDOUT,
# STDERR and the ARGUMENTS, separated by tabs, as expect takes them. The last three are written as
# shell words ('...', or $'...' for a tab or a control character); # starts a comment line.
for table in "$(dirname "$0")"/cases_*.tsv; do
    while IFS=$'\t' read -r -u 3 name status out err args; do
        [[ -z $name || $name == '#'* ]] && continue
        eval "out=$out; err=$err; words=($args)"
        expect "$name" "$status" "$out" "$err" -- "${words[@]}"
    done 3<"$table"
done

# Values, order by value, hooks and the judge against a reference worked out from the list.
if reference=$(python3 "$(dirname "$0")/scrabble_reference.py" "$cli" "$(dirname "$0")/../../data/LISTESCRAB"); then
    passes=$((passes + 1))
else
    echo "$reference"
    failures=$((failures + 1))
fi

# Output that cannot be written is an error of its own, with its cause, never a success.
# check_lost NAME CAUSE-PATTERN COMMAND...: runs COMMAND, which loses quillex-cli's output.
check_lost() {
    local name=$1 cause=$2 err rc
    shift 2
    err=$("$@" 2>&1 >/dev/null); rc=$?
    if [ "$rc" = 3 ] && grep -qE "^quillex-cli : la sortie n'a pas pu être écrite \($cause\)\.$" <<<"$err"; then
        passes=$((passes + 1))
    else
        echo "FAIL $name: status $rc (wanted 3)"; echo "  stderr: $err"
        failures=$((failures + 1))
    fi
}
many=(pattern '????????ES')  # 140 KB of output, more than a pipe holds
full() { "$cli" "$@" >/dev/full; }
closed() { "$cli" "$@" >&-; }
into_closed_pipe() { (trap '' PIPE; "$cli" "$@" | true; exit "${PIPESTATUS[0]}"); }
check_lost output_full_disk 'disque plein' full "${many[@]}"
check_lost output_full_disk_short 'disque plein' full --version
check_lost output_closed 'sortie standard fermée' closed "${many[@]}"
check_lost output_pipe_closed_sigpipe_ignored "le programme qui lisait la sortie l'a fermée" \
    into_closed_pipe "${many[@]}"
fifo=$(mktemp -u); mkfifo "$fifo"
( exec 3<"$fifo"; exec 3<&- ) &   # a reader that opens the FIFO and leaves at once
check_lost output_fifo_reader_gone "le programme qui lisait la sortie l'a fermée" \
    bash -c 'trap "" PIPE; exec "$0" "$@" >"'"$fifo"'"' "$cli" "${many[@]}"
rm -f "$fifo"

# Out of memory: a message and a status of its own, not an abort. The limit library makes every
# large allocation fail; it cannot be preloaded beside the address sanitizer's allocator.
if ldd "$dynamic_cli" | grep -q libasan; then
    echo "out-of-memory cases skipped under the address sanitizer"
else
    real_cli=$cli
    limited_cli() { LD_PRELOAD=$allocation_limit QUILLEX_TEST_ALLOCATION_LIMIT=16384 "$dynamic_cli" "$@"; }
    cli=limited_cli
    expect out_of_memory 4 '^$' '^quillex-cli : mémoire insuffisante\.$' -- "${many[@]}"
    expect out_of_memory_small_run_unaffected 0 '^quillex-cli 1' '^$' -- --version
    cli=$real_cli
fi

echo "$passes passed, $failures failed"
[ "$failures" = 0 ]
