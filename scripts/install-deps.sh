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

# A mirror in the middle of a sync serves an index whose size its Release
# file does not give, for some minutes: apt-get update then exits 100.
# Try again a few times, a minute at most in all, then go on with what was
# fetched.  With an index missing (say the security suite's for i386), the
# two halves of a multi-arch library may be offered at different versions;
# taking the release's own suite first keeps them from one index.
update_index() {
    local try waits=(10 20 30)
    for try in 0 1 2 3; do
        apt-get update -q && return 0
        [ "$try" -lt 3 ] || break
        echo "install-deps: apt-get update failed; trying again in ${waits[$try]} s" >&2
        sleep "${waits[$try]}"
    done
    echo "install-deps: the package index is not wholly fresh (4 tries failed); installing from what was fetched" >&2
    . /etc/os-release
    install_options+=(-o "APT::Default-Release=${VERSION_CODENAME:-bookworm}")
}

export DEBIAN_FRONTEND=noninteractive
install_options=(-y -q)
update_index
if [ "${#missing[@]}" -gt 0 ]; then
    echo "install-deps: installing ${missing[*]}"
    if ! apt-get install "${install_options[@]}" "${missing[@]}"; then
        echo "install-deps: could not install ${missing[*]}: apt-get install failed (see above; a mirror in the middle of a sync clears within some minutes)" >&2
        exit 1
    fi
fi
