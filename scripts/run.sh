#!/usr/bin/env bash
# Installs what building and running need and is missing, builds the program and quillex-cli
# (release, no test and no benchmark: preset "app", in build/app) and starts Quillex.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh run
cmake --preset app >/dev/null
cmake --build --preset app
exec build/app/ui/quillex "$@"
