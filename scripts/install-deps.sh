#!/usr/bin/env bash
# Installs what building and testing need on Debian 12 (run as root).
# Safe to run again: installs only what is missing.
set -euo pipefail

packages=(
    cmake make g++ clang clang-format libclang-rt-14-dev python3
    libgtest-dev libgmock-dev googletest libbenchmark-dev
    g++-mingw-w64-i686-posix binutils-mingw-w64-i686
    llvm-14
    wine wine32:i386
    xvfb xauth imagemagick x11-utils unzip fonts-liberation openbox
    chromium
)

if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
    need_update=1
fi

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing+=("$package")
done

if [ "${#missing[@]}" -eq 0 ] && [ -z "${need_update:-}" ]; then
    echo "install-deps: everything is installed"
    exit 0
fi

export DEBIAN_FRONTEND=noninteractive
apt-get update -q
if [ "${#missing[@]}" -gt 0 ]; then
    echo "install-deps: installing ${missing[*]}"
    apt-get install -y -q "${missing[@]}"
fi
