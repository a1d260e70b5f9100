#!/usr/bin/env bash
# Installs what building and testing need on Debian 12. Safe to run again:
# only missing packages are installed. 32-bit Wine, which runs the 32-bit
# build, is installed when this machine and its package registry allow; when
# they do not, the 32-bit build is only compiled, and setup says why.
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"

packages=(
    cmake ninja-build g++ clang libclang-rt-14-dev
    googletest libgtest-dev libbenchmark-dev
    g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64-x86-64 binutils-mingw-w64-i686
    wine wine64 xvfb xauth x11-utils xdotool imagemagick
)

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive

install_packages() {
    local missing=()
    for package in "${packages[@]}"; do
        package_installed "$package" || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return
    echo "Installing: ${missing[*]}"
    if ! $sudo apt-get update -qq; then
        echo "setup: 'apt-get update' failed; check the network and the package sources." >&2
        exit 1
    fi
    if ! $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/tmp/plexa-apt.log 2>&1; then
        tail -n 20 /tmp/plexa-apt.log >&2
        echo "setup: installing ${missing[*]} failed (full log: /tmp/plexa-apt.log)." >&2
        exit 1
    fi
}

# The i386 package lists can be out of step with the 64-bit ones for a while,
# which fails `apt-get update` and leaves wine32 uninstallable: then the i386
# architecture goes again, so that later updates and installs still work.
install_wine32() {
    package_installed wine32:i386 && return
    if ! kernel_runs_32_bit; then
        echo "setup: this machine's kernel does not run 32-bit programs; the 32-bit build will only be compiled."
        return
    fi
    local added=no
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        $sudo dpkg --add-architecture i386
        added=yes
    fi
    echo "Installing: wine32:i386"
    if $sudo apt-get update -qq >/tmp/plexa-apt-i386.log 2>&1 &&
        $sudo apt-get install -y -qq --no-install-recommends wine32:i386 >>/tmp/plexa-apt-i386.log 2>&1; then
        return
    fi
    [ $added = yes ] && $sudo dpkg --remove-architecture i386 2>/dev/null || true
    local reason
    reason=$(grep -m1 -E '^(E|W): ' /tmp/plexa-apt-i386.log | cut -c1-160 || true)
    echo "setup: the package registry does not serve wine32:i386 now (${reason:-see /tmp/plexa-apt-i386.log}); the 32-bit build will only be compiled."
}

install_packages
install_wine32
