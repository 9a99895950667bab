#!/usr/bin/env bash
# Installs what is missing, then: checks the C++ files' layout; builds with warnings as errors and runs every test; builds and
# runs the whole suite again under the address and undefined-behaviour sanitizers; builds the
# fuzz targets and runs each briefly from its seed corpus.
# FUZZ_SECONDS (default 20) sets the time of each fuzz run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
export QT_QPA_PLATFORM=offscreen

echo "== every C++ file as .clang-format lays it out"
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

echo "== build and test (warnings as errors)"
cmake --preset ci >/dev/null
cmake --build --preset ci
ctest --preset ci --parallel 2

echo "== build and test under the address and undefined sanitizers"
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize
ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp \
    ctest --preset sanitize --parallel 2 --label-exclude install

echo "== fuzz targets, ${FUZZ_SECONDS:-20} s each"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
tests/fuzz/run_fuzzers.sh build/fuzz "${FUZZ_SECONDS:-20}"
