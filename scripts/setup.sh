#!/usr/bin/env bash
# Installs what building and testing need on Debian 12. Safe to run again:
# only missing packages are installed.
set -euo pipefail

packages=(
    cmake ninja-build g++ clang libclang-rt-14-dev
    googletest libgtest-dev libbenchmark-dev
    g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64-x86-64 binutils-mingw-w64-i686
    wine wine64 xvfb xauth x11-utils xdotool imagemagick
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
if ! $sudo apt-get update -qq; then
    echo "setup: 'apt-get update' failed; check the network and the package sources." >&2
    exit 1
fi
if ! $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/tmp/plexa-apt.log 2>&1; then
    tail -n 20 /tmp/plexa-apt.log >&2
    echo "setup: installing ${missing[*]} failed (full log: /tmp/plexa-apt.log)." >&2
    exit 1
fi
