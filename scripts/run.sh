#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Orvanta developers
# SPDX-License-Identifier: MIT
#
# Installs what is missing, builds, and starts Orvanta.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/setup.sh"

if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "error: there is no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
    echo "To run it on a virtual display instead:  xvfb-run -a bash scripts/run.sh" >&2
    exit 1
fi
exec "${ORVANTA_BUILD_DIR:-$root/build}/shell/orvanta"
