#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Orvanta developers
# SPDX-License-Identifier: MIT
#
# Builds the Debian package, checks what it holds, installs it, starts the installed program on
# a virtual display, closes its window with Escape, checks the exit code and removes the
# package again. Usage: PackageTest.sh BUILD_DIR APPLICATION_ID
set -euo pipefail
build="$1"
id="$2"
fail() { echo "FAIL: $*" >&2; exit 1; }

if [ "$(id -u)" -ne 0 ]; then
    echo "Installing a package needs root; skipped."
    exit 77
fi
if dpkg-query -W -f='${Status}' orvanta 2>/dev/null | grep -q 'install ok installed'; then
    echo "An orvanta package is installed already; skipped so as not to replace it."
    exit 77
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
(cd "$build" && cpack -G DEB -B "$work" >/dev/null)
deb="$(ls "$work"/orvanta_*.deb)"

info="$(dpkg-deb --info "$deb")"
contents="$(dpkg-deb --contents "$deb" | awk '{print $6}')"
grep -q '^ Package: orvanta$' <<<"$info" || fail "package name"
grep -q '^ Depends:.*fonts-noto-cjk | fonts-wqy-microhei' <<<"$info" || fail "no CJK font dependency"
grep -q '^ Depends:.*libqt6widgets6' <<<"$info" || fail "no Qt dependency from the shared libraries"
for path in \
    ./usr/bin/orvanta \
    "./usr/share/applications/$id.desktop" \
    "./usr/share/metainfo/$id.metainfo.xml" \
    "./usr/share/icons/hicolor/128x128/apps/$id.png" \
    "./usr/share/icons/hicolor/256x256/apps/$id.png" \
    "./usr/share/icons/hicolor/scalable/apps/$id.svg" \
    ./usr/share/doc/orvanta/copyright; do
    grep -qxF "$path" <<<"$contents" || fail "the package lacks $path"
done
echo "The package holds:"
grep -v '/$' <<<"$contents" | sed 's/^/  /'

DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >/dev/null
trap 'DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq orvanta >/dev/null; rm -rf "$work"' EXIT
[ -x /usr/bin/orvanta ] || fail "the installed program is missing"

# Starts the installed program, waits for its window, presses Escape in it and reports the
# program's exit code.
xvfb-run -a bash -c '
    unset QT_QPA_PLATFORM
    /usr/bin/orvanta >/dev/null 2>&1 &
    pid=$!
    for _ in $(seq 100); do
        window=$(xdotool search --name "^Orvanta V2.0$" 2>/dev/null | head -n 1 || true)
        [ -n "$window" ] && break
        sleep 0.1
    done
    [ -n "$window" ] || { echo "the window did not appear" >&2; kill $pid; exit 90; }
    echo "The window appeared."
    sleep 0.5
    xdotool windowfocus --sync "$window" key Escape
    wait $pid
' >"$work/run.log" 2>&1 && code=0 || code=$?
cat "$work/run.log"
[ "$code" -eq 0 ] || fail "the installed program ended with exit code $code"
grep -q 'The window appeared.' "$work/run.log" || fail "the window did not appear"

DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq orvanta >/dev/null
trap 'rm -rf "$work"' EXIT
[ ! -e /usr/bin/orvanta ] || fail "removing the package left /usr/bin/orvanta behind"
echo "Installed, started, closed with exit code 0 and removed."
