#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the build, the program and the tests need and this
# machine lacks. Installs nothing when everything is there.
set -euo pipefail

packages=(
  # build
  g++ clang libclang-rt-14-dev libfuzzer-14-dev cmake ninja-build pkgconf
  qt6-base-dev libgl-dev libgtest-dev libbenchmark-dev
  # run: French translations of Qt's own texts, and the faces the windows name
  qt6-translations-l10n qt6-qpa-plugins fonts-crosextra-carlito fonts-liberation2 fonts-urw-base35
  # the sources of data/, so that the tests check it is reproducible
  python3 python3-grammalecte mythes-fr
  # window tests under a real X server and the guide's screenshots; checks of the installed
  # files and of the package
  xvfb xauth xdotool imagemagick desktop-file-utils appstream dpkg-dev
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
