#!/usr/bin/env bash
# Installs, from Debian's packages, what this machine lacks, with sudo when not root; installs
# nothing when everything is there.
#   install-deps.sh run    what building and running the program and quillex-cli need
#   install-deps.sh test   that, and what the tests, benchmarks, fuzzing and package checks need
set -euo pipefail

run=(
  # build the program and quillex-cli
  g++ cmake ninja-build pkgconf qt6-base-dev libgl-dev
  # run: French translations of Qt's own texts, the platform plugins, the faces the windows name
  qt6-translations-l10n qt6-qpa-plugins fonts-crosextra-carlito fonts-liberation2 fonts-urw-base35
)
test=(
  # the tests and benchmarks; the fuzz targets (clang, libFuzzer)
  libgtest-dev libbenchmark-dev clang libclang-rt-14-dev libfuzzer-14-dev
  # the layout check of the C++ files
  clang-format
  # the sources of data/, so that the tests check it is reproducible
  python3 python3-grammalecte mythes-fr
  # window tests under a real X server and the guide's screenshots; checks of the installed
  # files and of the package
  xvfb xauth xdotool imagemagick desktop-file-utils appstream dpkg-dev lintian
)

case "${1:-}" in
  run) packages=("${run[@]}") ;;
  test) packages=("${run[@]}" "${test[@]}") ;;
  *) echo "usage: $0 run|test" >&2; exit 2 ;;
esac

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing${sudo:+ with sudo}: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
