#!/usr/bin/env python3
"""Writes resources/EmptySlot.bmp, the picture of an empty palette slot: a
20 x 20, 24-bit bottom-up DIB without a color table, a small gray ring on
black. Run it again after changing the ring; the bitmap is committed."""
import math
import pathlib
import struct

SIZE = 20
RADIUS = 5.0
HALF_WIDTH = 0.75
GRAY = 0x80

def pixel(x, y):
    distance = math.hypot(x + 0.5 - SIZE / 2, y + 0.5 - SIZE / 2)
    return GRAY if abs(distance - RADIUS) <= HALF_WIDTH else 0

stride = (SIZE * 3 + 3) // 4 * 4
rows = b""
for y in reversed(range(SIZE)):  # bottom-up
    row = b"".join(bytes([pixel(x, y)] * 3) for x in range(SIZE))
    rows += row + b"\0" * (stride - len(row))
info = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(rows), 0, 0, 14 + len(info))
target = pathlib.Path(__file__).resolve().parent.parent / "resources" / "EmptySlot.bmp"
target.write_bytes(header + info + rows)
