#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Orvanta developers
# SPDX-License-Identifier: MIT
#
# Installs what the build and the tests need from Debian's packages, and only what is missing,
# then configures and builds into build/. Run by run.sh and test.sh; safe to run again.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${ORVANTA_BUILD_DIR:-$root/build}"

as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    elif command -v sudo >/dev/null; then
        sudo "$@"
    else
        echo "error: installing what is missing needs root or sudo: $*" >&2
        exit 1
    fi
}

# Packages the program, its build and its tests need: the compiler and Qt, GoogleTest, the
# Unicode readings the pinyin table is made from, a virtual display with tools to drive it, the
# desktop-file, metainfo and Debian packaging tools, and the locale data for a German locale.
packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev
    libgtest-dev libgmock-dev
    python3 unicode-data
    xvfb xauth xdotool x11-utils imagemagick
    desktop-file-utils appstream dpkg-dev
    locales
    # clang with its sanitizer and libFuzzer runtimes, for the fuzz targets
    clang libclang-rt-dev
)
# The interface is Chinese: without a CJK font every character would show as a box.
if ! command -v fc-list >/dev/null || [ -z "$(fc-list :lang=zh 2>/dev/null)" ]; then
    packages+=(fonts-wqy-microhei)
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
else
    echo "All packages are installed."
fi

# The number conversion is tested under a German locale too, whose decimal separator is a comma.
if ! locale -a 2>/dev/null | grep -qix 'de_DE.utf8'; then
    echo "Generating the de_DE.UTF-8 locale"
    as_root localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="${ORVANTA_BUILD_TYPE:-RelWithDebInfo}" "$@" >/dev/null
cmake --build "$build" -j"$(nproc)"
