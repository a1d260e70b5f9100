#!/usr/bin/env bash
# Sets up the machine, builds the 64-bit Windows build (with --32, the 32-bit
# one) and starts the viewer with the color picker under Wine. Without a
# display it runs on a private one, opens the picker and saves a screenshot.
#   scripts/run.sh [--32]
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"

bits=64
[ "${1:-}" = --32 ] && bits=32
"$repo/scripts/setup.sh"
use_windows_build "$bits" viewer-prefix
mkdir -p "$repo/build"
build_preset "$preset"
viewer="$bin/PlexaViewer.exe"

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    echo "Starting the viewer: Color > Pick color... (Ctrl+K) opens the picker."
    exec wine "$viewer"
fi

echo "No display: running the viewer on a private X display."
start_xvfb
wine "$viewer" --pick &
viewer_pid=$!
picker_open=no
for _ in $(seq 120); do
    if xdotool search --name '^Color$' >/dev/null 2>&1; then
        picker_open=yes
        break
    fi
    sleep 0.5
done
screenshot="$repo/build/viewer-screenshot.png"
[ "$bits" = 32 ] && screenshot="$repo/build/viewer-screenshot-32.png"
if [ $picker_open = yes ]; then
    sleep 1
    import -window root "$screenshot"
fi
kill $viewer_pid 2>/dev/null || true
wineserver -k 2>/dev/null || true
if [ $picker_open = no ]; then
    echo "The picker did not open within 60 seconds; no screenshot was taken." >&2
    exit 1
fi
echo "Screenshot of the viewer with the picker open: $screenshot"
