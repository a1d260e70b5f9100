#!/usr/bin/env bash
# Saves screenshots of the picker dialog as the viewer opens it, on a private
# X display, into build/screenshots/: each of the six field modes in full
# size, compact mode, with alpha, each background mode, the smallest and a
# 1920 x 1080 window in both size modes, a swatch's tooltip (also with the
# contrast shown), the keyboard's focus on a slider and on a shelf cell, the shelf's
# marks, the shelf scrolled, a gradient drag on it, a pick from the screen,
# the loupe over a board of colored squares (also with Wine's DPI at 144,
# 150 %), the palette menu open and the load dialog. Each case sets the picker's
# settings in a private Wine prefix before the viewer starts, and starts with
# the built-in palette. With a NAME, only that picture is taken; with --32,
# the pictures are of the 32-bit build, in build/screenshots-32/.
#   scripts/screenshots.sh [--32] [NAME]
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"

bits=64
if [ "${1:-}" = --32 ]; then
    bits=32
    shift
fi
"$repo/scripts/setup.sh"
use_windows_build "$bits" screenshot-prefix
mkdir -p "$repo/build"
build_preset "$preset"
viewer="$bin/PlexaViewer.exe"
out="$repo/build/screenshots"
[ "$bits" = 32 ] && out="$repo/build/screenshots-32"
key='HKCU\Software\Plexa\{F4A55FD1-ED46-498A-9906-ED1E254B238F}'
only=${1:-}
mkdir -p "$out"
start_xvfb

setting() {
    wine reg add "$key" /v "$1" /t REG_DWORD /d "$2" /f >/dev/null 2>&1
}

# shot NAME SIZEMODE MODE BGMODE WIDTH HEIGHT HOVER [viewer options]
# WIDTH and HEIGHT are the stored full size (0: the template's); with HOVER
# "swatch" the pointer rests on the current swatch until its tooltip shows.
shot() {
    local name=$1 size_mode=$2 mode=$3 bg_mode=$4 width=$5 height=$6 hover=$7
    shift 7
    if [ -n "$only" ] && [ "$name" != "$only" ]; then
        return
    fi
    setting SizeMode "$size_mode"
    setting mode "$mode"
    setting BGmode "$bg_mode"
    setting BGcolor $((0x00F0E0C8))
    setting DlgWidth "$width"
    setting DlgHeight "$height"
    wine reg add "$key" /v DlgX /t REG_SZ /d 0.5 /f >/dev/null 2>&1
    wine reg add "$key" /v DlgY /t REG_SZ /d 0.5 /f >/dev/null 2>&1
    wineserver -w
    rm -f "$WINEPREFIX"/drive_c/users/*/AppData/Roaming/Plexa/Palettes/"Default palette.gpl"
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
    # Wine starts with the pointer where X had it; moving it now leaves no
    # tooltip of whatever lay under it.
    xdotool mousemove 1 1 sleep 0.2 mousemove 0 0
    sleep 1
    eval "$(xdotool getwindowgeometry --shell "$window")"
    # Places in the dialog at its default full size (627 pixels wide at 96
    # DPI), from its top-left corner, scaled with it at other DPIs.
    local scale=$((WIDTH * 100 / 627))
    local slot0_x=$((X + 316)) slot_y=$((Y + 210)) cell=24
    local icon_x=$((X + 408 * scale / 100)) icon_y=$((Y + 164 * scale / 100))
    if [ "$hover" = gradient ]; then
        # A middle-button drag from the first slot to the fifth, held.
        xdotool mousemove "$slot0_x" "$slot_y" mousedown 2 sleep 0.3 mousemove $((slot0_x + 4 * cell)) "$slot_y"
        sleep 2.5
        # From the screen: the shelf's tip is a window of its own over the
        # dialog, which a picture of the dialog's window shows black.
        import -window root -crop "${WIDTH}x${HEIGHT}+$X+$Y" "$out/$name.png"
        xdotool mouseup 2
    elif [ "$hover" = store ]; then
        # The slot toolbar's store button, forty times: the palette grows
        # and the shelf scrolls to each stored cell.
        xdotool mousemove $((X + 318)) "$icon_y" click --repeat 40 --delay 60 1 mousemove 0 0
        sleep 1
        import -window "$window" "$out/$name.png"
    elif [ "$hover" = pick ]; then
        # The eyedropper lifted and dragged over the viewer's sphere.
        xdotool mousemove "$icon_x" "$icon_y" mousedown 1 sleep 0.3 mousemove $((X + 100)) $((Y - 80))
        sleep 1
        import -window root -crop "$((WIDTH + 100))x$((HEIGHT + 200))+$((X - 50))+$((Y - 150))" "$out/$name.png"
        xdotool mouseup 1
    elif [ "$hover" = loupe ]; then
        # The eyedropper dragged over the board, raised over the viewer; the
        # loupe beside the pointer.
        xdotool search --name 'board.png' windowraise
        xdotool mousemove "$icon_x" "$icon_y" mousedown 1 sleep 0.3 mousemove 120 220 sleep 0.3 mousemove 124 224
        sleep 1
        import -window root -crop 360x360+0+100 "$out/$name.png"
        xdotool mouseup 1
    elif [ "$hover" = menu ]; then
        # The palette menu's arrow, then "My palettes" for its submenu.
        xdotool mousemove $((X + 530)) "$icon_y" click 1
        sleep 1
        xdotool mousemove $((X + 540)) $((icon_y + 78)) sleep 0.3 mousemove $((X + 545)) $((icon_y + 82))
        sleep 1.5
        import -window root -crop "$((WIDTH + 300))x$((HEIGHT + 40))+$X+$Y" "$out/$name.png"
        xdotool key Escape key Escape
    elif [ "$hover" = load ]; then
        # The load button: the host's file dialog over the picker.
        xdotool mousemove $((X + 553)) "$icon_y" click 1
        sleep 2.5
        import -window root -crop "$((WIDTH + 200))x$((HEIGHT + 200))+$((X - 100))+$((Y - 100))" "$out/$name.png"
    elif [ "$hover" = keys ]; then
        # Keys typed into the dialog ($keys, in xdotool's names); X sends
        # them to the focused window, not to the one under the pointer.
        xdotool windowfocus "$window" sleep 0.3 key --delay 100 $keys
        sleep 1
        import -window "$window" "$out/$name.png"
    elif [ "$hover" = swatch ]; then
        # The current swatch: left of the middle, above the original one.
        xdotool mousemove $((X + 120)) $((Y + HEIGHT - 106)) sleep 0.2 mousemove $((X + 122)) $((Y + HEIGHT - 104))
        sleep 2.5
        import -window root -crop "$((WIDTH + 200))x$((HEIGHT + 60))+$X+$Y" "$out/$name.png"
    else
        import -window "$window" "$out/$name.png"
    fi
    kill $pid 2>/dev/null || true
    wineserver -k 2>/dev/null || true
    echo "$out/$name.png"
}

modes=(red green blue hue saturation value)
for mode in 0 1 2 3 4 5; do
    shot "mode-$mode-${modes[$mode]}" 0 "$mode" 1 0 0 none
done
shot compact 1 3 1 0 0 none
shot alpha 0 3 1 0 0 none --alpha
shot background-system 0 3 0 0 0 none
shot background-white 0 3 1 0 0 none
shot background-color 0 3 2 0 0 none
# A stored size below the minimum opens at the minimum.
shot minimum-full 0 3 1 1 1 none
shot minimum-compact 1 3 1 1 1 none
shot large-full 0 3 1 1920 1080 none --alpha
shot large-compact 1 0 1 1920 1080 none
shot swatch-tooltip 0 3 1 0 0 swatch
# "Show contrast" on: the tip tells the contrast of current and original.
setting showContrast 1
shot contrast-tooltip 0 3 1 0 0 swatch
setting showContrast 0
# The viewer's color is the palette's red: its cell is framed by the marks.
wine reg add 'HKCU\Software\Plexa\{6B2F7C31-4D0E-4A8B-9C55-2E7D91A4F0C3}' /v color /t REG_DWORD /d 255 /f >/dev/null 2>&1
shot shelf-marks 0 3 1 0 0 none
shot shelf-scrolled 0 3 1 0 0 store
shot shelf-gradient-drag 0 3 1 0 0 gradient
# The keyboard focus on a windowless control: from OK, five Tabs reach the
# hexadecimal field and the next ones the field, the strip and the sliders,
# then the swatches, the eyedropper and the shelf.
keys="$(printf 'Tab %.0s' $(seq 9))" shot focus-slider 0 3 1 0 0 keys
keys="$(printf 'Tab %.0s' $(seq 17)) Right Right Down" shot focus-shelf 0 3 1 0 0 keys
shot pick 0 3 1 0 0 pick
# A board of 3-pixel squares, each of its own color, to pick from.
board="$out/board.png"
convert -size 100x100 xc: -channel R -fx 'i/99' -channel G -fx 'j/99' -channel B -fx '(i+j)%2' +channel \
    -scale 300% "$board"
display -geometry +20+120 "$board" &
board_pid=$!
shot loupe 0 3 1 0 0 loupe
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
dpi=144 shot loupe-dpi144 0 3 1 0 0 loupe
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 96 /f >/dev/null 2>&1
kill $board_pid 2>/dev/null || true
rm -f "$board"
shot palette-menu 0 3 1 0 0 menu
shot load-dialog 0 3 1 0 0 load
