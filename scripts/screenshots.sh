#!/usr/bin/env bash
# Saves screenshots of the picker dialog as the viewer opens it, on a private
# X display, into build/screenshots/: each of the six field modes in full
# size, compact mode, with alpha, and each background mode. Each case sets
# the picker's settings in a private Wine prefix before the viewer starts.
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"

"$repo/scripts/setup.sh"
mkdir -p "$repo/build"
build_preset win64

export WINEPREFIX="$repo/build/win64/screenshot-prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree=;mshtml="
viewer="$repo/build/win64/bin/PlexaViewer.exe"
out="$repo/build/screenshots"
key='HKCU\Software\Plexa\{F4A55FD1-ED46-498A-9906-ED1E254B238F}'
mkdir -p "$out"
start_xvfb

setting() {
    wine reg add "$key" /v "$1" /t REG_DWORD /d "$2" /f >/dev/null 2>&1
}

# shot NAME SIZEMODE MODE BGMODE [viewer options]
shot() {
    local name=$1 size_mode=$2 mode=$3 bg_mode=$4
    shift 4
    setting SizeMode "$size_mode"
    setting mode "$mode"
    setting BGmode "$bg_mode"
    setting BGcolor $((0x00F0E0C8))
    wineserver -w
    # The pointer rests in a corner, away from every tooltip.
    xdotool mousemove 0 0
    wine "$viewer" --pick "$@" &
    local pid=$! window=""
    for _ in $(seq 60); do
        window=$(xdotool search --name '^Color$' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
        sleep 0.5
    done
    if [ -z "$window" ]; then
        kill $pid 2>/dev/null || true
        wineserver -k 2>/dev/null || true
        echo "The picker did not open for $name." >&2
        exit 1
    fi
    sleep 1
    import -window "$window" "$out/$name.png"
    kill $pid 2>/dev/null || true
    wineserver -k 2>/dev/null || true
    echo "$out/$name.png"
}

modes=(red green blue hue saturation value)
for mode in 0 1 2 3 4 5; do
    shot "mode-$mode-${modes[$mode]}" 0 "$mode" 1
done
shot compact 1 3 1
shot alpha 0 3 1 --alpha
shot background-system 0 3 0
shot background-white 0 3 1
shot background-color 0 3 2
