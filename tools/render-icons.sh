#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Orvanta developers
# SPDX-License-Identifier: MIT
#
# Renders the application icon resources/orvanta.svg to the PNG sizes the
# program ships (128x128 and 256x256, 32-bit RGBA with transparency).
set -euo pipefail

repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
src="${repo_root}/resources/orvanta.svg"

if ! command -v rsvg-convert >/dev/null 2>&1; then
    echo "rsvg-convert not found; installing librsvg2-bin" >&2
    if [[ "$(id -u)" -eq 0 ]]; then
        apt-get install -y librsvg2-bin
    else
        sudo apt-get install -y librsvg2-bin
    fi
fi

if [[ ! -f "${src}" ]]; then
    echo "error: ${src} not found" >&2
    exit 1
fi

for size in 128 256; do
    out="${repo_root}/resources/orvanta-${size}.png"
    # Write to a temporary file first so a failed render never leaves a
    # truncated PNG behind.
    tmp="$(mktemp "${out}.XXXXXX")"
    if ! rsvg-convert --format=png --width="${size}" --height="${size}" \
            --output="${tmp}" "${src}"; then
        rm -f "${tmp}"
        exit 1
    fi
    chmod 644 "${tmp}"
    mv -f "${tmp}" "${out}"
    echo "wrote ${out}"
done
