#!/usr/bin/env bash
# Shared by ./run and ./test: installs the missing Debian packages of packages.txt, then
# configures (once) and builds the project incrementally in build/.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

missing_packages() {
    local pkg
    grep -v -E '^\s*(#|$)' "$root/packages.txt" | while read -r pkg; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || echo "$pkg"
    done
}

install_packages() {
    local missing
    missing=$(missing_packages | tr '\n' ' ')
    [ -z "${missing// /}" ] && return 0
    local sudo=""
    if [ "$(id -u)" != 0 ]; then
        if command -v sudo >/dev/null 2>&1; then
            sudo="sudo"
        else
            echo "Please install these Debian packages as root, then run again:" >&2
            echo "  apt-get install $missing" >&2
            exit 1
        fi
    fi
    echo "Installing: $missing"
    $sudo apt-get update
    # shellcheck disable=SC2086
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y $missing
}

build_project() {
    local build="$root/build"
    local werror=OFF
    [ "${CI:-}" = true ] && werror=ON
    if [ ! -f "$build/build.ninja" ]; then
        cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
            -DWARNINGS_AS_ERRORS=$werror
    fi
    cmake --build "$build" -j "$(nproc)"
}

install_packages
build_project
