#!/usr/bin/env bash
# Runs every fuzz target for SECONDS each from the seed corpus (copied, so the repository is
# left as it is). Fails at the first crash, leak or sanitizer report, or at an input that takes
# longer than the target's timeout: the rich-text reader's seeds are the shapes that once held a
# window up (up to 23 KB), each to be read in well under its 2 s.
# Usage: tests/fuzz/run_fuzzers.sh BUILD_DIR SECONDS
set -euo pipefail
build=$1 seconds=$2
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for target in rich_text word_list pattern anagram browser; do
    mkdir -p "$work/$target"
    cp "$here/corpus/$target"/* "$work/$target"/ 2>/dev/null || true
    max_len=4096 timeout=10
    [ "$target" = rich_text ] && max_len=32768 timeout=2
    echo "== $target: $seconds s"
    "$build/tests/fuzz/${target}_fuzzer" -max_total_time="$seconds" -max_len=$max_len \
        -timeout=$timeout \
        -print_final_stats=1 -artifact_prefix="$work/$target-" "$work/$target" 2>"$work/$target.log" ||
        { tail -40 "$work/$target.log"; echo "FAIL $target"; exit 1; }
    grep -E 'stat::number_of_executed_units|Done' "$work/$target.log" | tail -2
done
echo "5 passed, 0 failed"
