#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Orvanta developers
# SPDX-License-Identifier: MIT
#
# Starts the real program on a virtual display with a window manager, so that the window has
# its title bar and frame as on a desktop, and saves a picture of the window with its frame.
# Usage: tools/take-screenshot.sh [output.png]   (default: docs/screenshot.png)
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
output="$(realpath -m "${1:-$root/docs/screenshot.png}")"
program="${ORVANTA_BUILD_DIR:-$root/build}/shell/orvanta"

missing=()
for tool in Xvfb:xvfb openbox:openbox xdotool:xdotool import:imagemagick xwininfo:x11-utils; do
    command -v "${tool%%:*}" >/dev/null || missing+=("${tool##*:}")
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
[ -x "$program" ] || "$root/scripts/setup.sh"

display=":$((90 + RANDOM % 9))"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$program_pid" "$wm" "$xvfb" 2>/dev/null || true' EXIT
export DISPLAY="$display"
for _ in $(seq 50); do xwininfo -root >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
wm=$!
sleep 1
"$program" >/dev/null 2>&1 &
program_pid=$!

window=""
for _ in $(seq 100); do
    window="$(xdotool search --name '^Orvanta V2.0$' 2>/dev/null | head -n 1 || true)"
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "error: the window did not appear" >&2; exit 1; }
sleep 1

# The frame belongs to the window manager's parent window; capture that one.
frame="$(xwininfo -id "$window" -tree | awk '/Parent window id:/ {print $4}')"
[ "$frame" != "$(xwininfo -root | awk '/Window id:/ {print $4}')" ] || frame="$window"
import -window "$frame" "$output"
echo "Saved $output ($(identify -format '%wx%h' "$output"))"
