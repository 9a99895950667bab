#!/usr/bin/env bash
# Runs quillex-cli as a script would and checks stdout, stderr and the exit status.
# Usage: cli_test.sh QUILLEX_CLI ALLOCATION_LIMIT_LIBRARY
cli=$1
allocation_limit=$2
dynamic_cli=${3:-$1}
failures=0
passes=0

# expect NAME STATUS STDOUT-PATTERN STDERR-PATTERN -- ARGS...
# Whatever the arguments hold, stderr never carries a raw control character a terminal obeys.
expect() {
    local name=$1 status=$2 out_pattern=$3 err_pattern=$4
    shift 5
    local out err rc
    out=$("$cli" "$@" 2>/tmp/quillex-cli-err.$$); rc=$?
    err=$(cat /tmp/quillex-cli-err.$$); rm -f /tmp/quillex-cli-err.$$
    if [ "$rc" != "$status" ] || ! grep -qE -- "$out_pattern" <<<"$out" || ! grep -qE -- "$err_pattern" <<<"$err" ||
        LC_ALL=C grep -q $'[\x01-\x09\x0b-\x1f\x7f]' <<<"$err"; then
        echo "FAIL $name: status $rc (wanted $status)"; echo "  stdout: ${out:0:400}"; echo "  stderr: $err"
        failures=$((failures + 1))
    else
        passes=$((passes + 1))
    fi
}

expect help 0 '^Utilisation : quillex-cli COMMANDE' '^$' -- --help
expect help_exit_statuses 0 '3 sortie impossible à écrire' '^$' -- --help
expect help_short 0 '^Utilisation : ' '^$' -- -h
expect version 0 '^quillex-cli 1\.00$' '^$' -- --version
expect version_extra_argument 2 '^$' '^quillex-cli : --version ne prend pas d.argument' -- --version x
expect help_extra_argument 2 '^$' '^quillex-cli : --help ne prend pas d.argument' -- --help lists
expect no_command 2 '^$' '^quillex-cli : commande manquante \(voir quillex-cli --help\)$' --
expect only_end_of_options 2 '^$' 'commande manquante' -- --
expect unknown_command 2 '^$' '^quillex-cli : commande inconnue « frobnicate »' -- frobnicate
expect unknown_top_option 2 '^$' '^quillex-cli : option inconnue « --verbose »' -- --verbose
expect end_of_options_before_command 0 '^QUA$' '^$' -- -- pattern 'QU?'
expect unknown_command_escaped 2 '^$' 'commande inconnue « a\\x1B\[2Jb\\x07 »' -- $'a\e[2Jb\a'
expect unknown_command_c1_and_bidi_escaped 2 '^$' '« \\u009B\\u202Ex »' -- $'\u009b\u202ex'
expect lists_counts 0 '^LISTEDESMOTS [0-9]+$' '^$' -- lists
expect lists_main_table 0 '^15 [0-9]+ [0-9]+ [0-9]+$' '^$' -- lists
expect lists_groups 0 '^z [0-9]+$' '^$' -- lists
expect lists_extra_argument 2 '^$' '^quillex-cli lists : aucun argument attendu$' -- lists extra
expect lists_headers_in_french 0 '^liste principale : longueur' '^$' -- lists

# Each search command adds its cases in its own file beside this one.
for extra in "$(dirname "$0")"/cases_*.sh; do
    [ -f "$extra" ] && . "$extra"
done

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
