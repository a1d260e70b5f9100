#!/usr/bin/env python3
"""Writes host/plexa/Plexa.ico, the icon of the stand-in host (the viewer's
window and program, and icon 1 of the host's core library): a lit sphere
whose color runs around the hue circle, with a white highlight and a dark
rim, on a transparent ground. 16, 24, 32 and 48 pixels, 32-bit images with
alpha. Run it again after changing the drawing; the icon is committed."""
import colorsys
import math
import pathlib
import struct

SIZES = (16, 24, 32, 48)
SUPERSAMPLE = 4
LIGHT = (-0.45, -0.55, 0.70)


def normalized(v):
    length = math.sqrt(sum(c * c for c in v))
    return tuple(c / length for c in v)


LIGHT = normalized(LIGHT)


def sample(size, px, py):
    """Color and coverage of one subpixel; the sphere fills the icon less a margin."""
    radius = size / 2 - max(0.5, size / 32)
    nx = (px - size / 2) / radius
    ny = (py - size / 2) / radius
    rr = nx * nx + ny * ny
    if rr > 1.0:
        return (0.0, 0.0, 0.0, 0.0)
    nz = math.sqrt(1.0 - rr)
    hue = (math.atan2(ny, nx) / (2 * math.pi)) % 1.0
    r, g, b = colorsys.hsv_to_rgb(hue, 0.85, 1.0)
    diffuse = max(0.0, nx * LIGHT[0] + ny * LIGHT[1] + nz * LIGHT[2])
    reflected = 2 * diffuse * nz - LIGHT[2]
    specular = 0.9 * max(0.0, reflected) ** 18
    shade = 0.25 + 0.75 * diffuse
    # A dark rim keeps the outline legible on light and dark task bars.
    rim = 1.0 - 0.55 * max(0.0, (math.sqrt(rr) - 0.86) / 0.14)
    channel = lambda c: min(1.0, (c * shade + specular) * rim)
    return (channel(r), channel(g), channel(b), 1.0)


def image(size):
    """Bottom-up BGRA rows and the AND mask of one icon image."""
    pixels = []
    for y in range(size):
        row = []
        for x in range(size):
            acc = [0.0, 0.0, 0.0, 0.0]
            for sy in range(SUPERSAMPLE):
                for sx in range(SUPERSAMPLE):
                    r, g, b, a = sample(size, x + (sx + 0.5) / SUPERSAMPLE, y + (sy + 0.5) / SUPERSAMPLE)
                    acc = [acc[0] + r * a, acc[1] + g * a, acc[2] + b * a, acc[3] + a]
            n = SUPERSAMPLE * SUPERSAMPLE
            alpha = acc[3] / n
            if alpha == 0:
                row.append((0, 0, 0, 0))
            else:
                # Straight (not premultiplied) color, as icons store it.
                row.append(tuple(round(255 * c / acc[3]) for c in acc[:3]) + (round(255 * alpha),))
        pixels.append(row)
    xor = b"".join(bytes((b, g, r, a)) for row in reversed(pixels) for (r, g, b, a) in row)
    mask_stride = (size + 31) // 32 * 4
    mask = b""
    for row in reversed(pixels):
        bits = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(bits)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    return header + xor + mask


images = [image(size) for size in SIZES]
directory = struct.pack("<HHH", 0, 1, len(SIZES))
offset = len(directory) + 16 * len(SIZES)
entries = b""
for size, data in zip(SIZES, images):
    entries += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(data), offset)
    offset += len(data)
target = pathlib.Path(__file__).resolve().parent.parent / "host" / "plexa" / "Plexa.ico"
target.write_bytes(directory + entries + b"".join(images))
