#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Orvanta developers
# SPDX-License-Identifier: MIT
#
# Installs what is missing, builds, and runs every test. The tests need no display: they run
# on Qt's offscreen platform.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/setup.sh"

export QT_QPA_PLATFORM=offscreen
ctest --test-dir "${ORVANTA_BUILD_DIR:-$root/build}" --output-on-failure -j"$(nproc)"
