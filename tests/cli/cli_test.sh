#!/usr/bin/env bash
# Runs quillex-cli as a script would and checks stdout, stderr and the exit status.
cli=$1
failures=0
passes=0

# expect NAME STATUS STDOUT-PATTERN STDERR-PATTERN -- ARGS...
expect() {
    local name=$1 status=$2 out_pattern=$3 err_pattern=$4
    shift 5
    local out err rc
    out=$("$cli" "$@" 2>/tmp/quillex-cli-err.$$); rc=$?
    err=$(cat /tmp/quillex-cli-err.$$); rm -f /tmp/quillex-cli-err.$$
    if [ "$rc" != "$status" ] || ! grep -qE -- "$out_pattern" <<<"$out" || ! grep -qE -- "$err_pattern" <<<"$err"; then
        echo "FAIL $name: status $rc (wanted $status)"; echo "  stdout: ${out:0:400}"; echo "  stderr: $err"
        failures=$((failures + 1))
    else
        passes=$((passes + 1))
    fi
}

expect help 0 '^Usage: quillex-cli' '^$' -- --help
expect version 0 '^quillex-cli 1\.00$' '^$' -- --version
expect no_command 2 '^$' 'missing command' --
expect unknown_command 2 '^$' "unknown command 'frobnicate'" -- frobnicate
expect lists_counts 0 '^LISTEDESMOTS [0-9]+$' '^$' -- lists
expect lists_main_table 0 '^15 [0-9]+ [0-9]+ [0-9]+$' '^$' -- lists
expect lists_groups 0 '^z [0-9]+$' '^$' -- lists
expect lists_extra_argument 2 '^$' 'lists takes no argument' -- lists extra

# Each search command adds its cases in its own file beside this one.
for extra in "$(dirname "$0")"/cases_*.sh; do
    [ -f "$extra" ] && . "$extra"
done

echo "$passes passed, $failures failed"
[ "$failures" = 0 ]
