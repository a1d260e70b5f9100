#!/usr/bin/env python3
"""Writes the small pictures of the toolbars and the dialog, as 24-bit BMPs:

  host/plexa/HostToolbar.bmp    the host's standard toolbar set (18 images)
  resources/SlotToolbar.bmp     the picker's palette-slot toolbar set (17 images)
  resources/Eyedropper.bmp      the picker's screen-sampling icon at rest
                                (bitmap 109, 21 x 21, on its own button face)
  resources/EyedropperLifted.bmp  the same face with the pipette lifted out
                                (bitmap 108): a faint outline where it lay
  resources/Eyedropper.cur      the sampling cursor (32 x 32, hot spot at the
                                pipette's tip, 9, 22), black with a white rim

The toolbar strips hold 16 x 16 images side by side; magenta (255, 0, 255) is
their transparent color.

Each image is drawn from a few shapes, four by four samples per pixel, and a
pixel takes the color of the topmost shape that covers most of it. Run it
again after changing a drawing; the bitmaps are committed."""
import math
import pathlib
import struct

SIZE = 16
SAMPLES = 4
KEY = (255, 0, 255)

INK = (40, 40, 48)
PAPER = (250, 250, 246)
BLUE = (40, 110, 210)
LIGHT_BLUE = (140, 185, 240)
GREEN = (40, 150, 70)
RED = (205, 50, 45)
YELLOW = (240, 200, 60)
FOLDER = (230, 180, 70)
GRAY = (150, 150, 155)
DARK_GRAY = (95, 95, 100)


# Shapes: each answers whether a point (in pixel units, 0..16) is inside.
def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x < x1 and y0 <= y < y1


def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def ring(cx, cy, r, w):
    return lambda x, y: abs(math.hypot(x - cx, y - cy) - r) <= w / 2


def line(x0, y0, x1, y1, w):
    def inside(x, y):
        dx, dy = x1 - x0, y1 - y0
        t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / (dx * dx + dy * dy)))
        return math.hypot(x - (x0 + t * dx), y - (y0 + t * dy)) <= w / 2
    return inside


def polygon(*points):
    def inside(x, y):
        result = False
        for (ax, ay), (bx, by) in zip(points, points[1:] + points[:1]):
            if (ay > y) != (by > y) and x < (bx - ax) * (y - ay) / (by - ay) + ax:
                result = not result
        return result
    return inside


def arc(cx, cy, r, w, start, end):
    """Part of a ring from angle start to end (degrees, counterclockwise, 0 = right, y down)."""
    def inside(x, y):
        if abs(math.hypot(x - cx, y - cy) - r) > w / 2:
            return False
        angle = math.degrees(math.atan2(cy - y, x - cx)) % 360
        return (angle - start) % 360 <= (end - start) % 360
    return inside


def framed(x0, y0, x1, y1, fill):
    return [(rect(x0, y0, x1, y1), INK), (rect(x0 + 1, y0 + 1, x1 - 1, y1 - 1), fill)]


def render(layers, size=SIZE):
    pixels = []
    for py in range(size):
        row = []
        for px in range(size):
            counts = {}
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x = px + (sx + 0.5) / SAMPLES
                    y = py + (sy + 0.5) / SAMPLES
                    color = KEY
                    for shape, paint in layers:
                        if shape(x, y):
                            color = paint
                    counts[color] = counts.get(color, 0) + 1
            row.append(max(counts, key=counts.get))
        pixels.append(row)
    return pixels


def document(fold=True):
    layers = [(polygon((3, 1), (10, 1), (13, 4), (13, 15), (3, 15)), INK),
              (polygon((4, 2), (9.5, 2), (12, 4.5), (12, 14), (4, 14)), PAPER)]
    if fold:
        layers.append((polygon((9, 1.5), (9, 5), (12.5, 5)), GRAY))
    return layers


def undo_arrow(mirror):
    def m(x):
        return SIZE - x if mirror else x
    shapes = [(arc(8, 9, 5, 2.2, 300, 150) if not mirror else arc(8, 9, 5, 2.2, 30, 240), BLUE),
              (polygon((m(0.5), 5.5), (m(6.5), 1.5), (m(6.5), 9.5)), BLUE)]
    return shapes


def gear():
    layers = []
    for k in range(8):
        a = math.radians(k * 45)
        layers.append((line(8, 8, 8 + 6.5 * math.cos(a), 8 + 6.5 * math.sin(a), 2.6), DARK_GRAY))
    layers += [(circle(8, 8, 4.8), DARK_GRAY), (circle(8, 8, 2), KEY)]
    return layers


def palette_board():
    return [(circle(8, 8.5, 7), INK), (circle(8, 8.5, 6), (225, 190, 140)),
            (circle(10.5, 11.5, 1.6), KEY),
            (circle(5, 6, 1.4), RED), (circle(8.5, 4.5, 1.4), YELLOW), (circle(12, 7, 1.4), BLUE),
            (circle(4.5, 10, 1.4), GREEN)]


HOST = [
    document(),                                                           # 0 new
    [(polygon((1, 4), (6, 4), (7, 5), (14, 5), (14, 14), (1, 14)), INK),  # 1 open
     (polygon((2, 5), (5.5, 5), (6.5, 6), (13, 6), (13, 13), (2, 13)), FOLDER),
     (polygon((3, 8), (15.5, 8), (13, 14), (1, 14)), INK),
     (polygon((3.7, 9), (14, 9), (12.3, 13), (2.4, 13)), YELLOW)],
    framed(1, 1, 15, 15, BLUE) + [(rect(4, 2, 12, 7), PAPER),            # 2 save
                                  (rect(4, 10, 12, 15), DARK_GRAY), (rect(9, 11, 11, 14), PAPER)],
    [(ring(4.5, 12, 2.2, 1.4), INK), (ring(11.5, 12, 2.2, 1.4), INK),    # 3 cut
     (line(6, 10, 11, 1, 1.4), GRAY), (line(10, 10, 5, 1, 1.4), GRAY)],
    framed(1, 1, 10, 11, PAPER) + framed(6, 5, 15, 15, PAPER),           # 4 copy
    framed(2, 2, 13, 15, FOLDER) + [(rect(5, 1, 10, 4), DARK_GRAY)] + framed(6, 6, 15, 15, PAPER),  # 5 paste
    [(line(3, 3, 13, 13, 2.4), RED), (line(13, 3, 3, 13, 2.4), RED)],     # 6 delete
    framed(1, 6, 15, 12, GRAY) + framed(4, 1, 12, 6, PAPER) + framed(4, 10, 12, 15, PAPER),  # 7 print
    [(ring(6.5, 6.5, 4, 1.6), INK), (circle(6.5, 6.5, 3.2), LIGHT_BLUE),  # 8 find
     (line(9.5, 9.5, 14, 14, 2.4), INK)],
    [(ring(6.5, 6.5, 4.5, 1.4), INK), (line(9.7, 9.7, 14, 14, 2.4), INK),  # 9 zoom in
     (rect(4, 6, 9, 7), INK), (rect(6, 4, 7, 9), INK)],
    [(ring(6.5, 6.5, 4.5, 1.4), INK), (line(9.7, 9.7, 14, 14, 2.4), INK),  # 10 zoom out
     (rect(4, 6, 9, 7), INK)],
    [(circle(8, 8, 7), BLUE), (arc(8, 6, 2.5, 1.8, 300, 180), PAPER),      # 11 help
     (line(9.5, 8, 8, 9.5, 1.8), PAPER), (line(8, 9.5, 8, 10.5, 1.8), PAPER), (circle(8, 13, 1), PAPER)],
    framed(1, 1, 15, 15, PAPER) + [(rect(3, 4, 13, 5), BLUE), (rect(3, 7, 11, 8), GRAY),  # 12 properties
                                   (rect(3, 10, 12, 11), GRAY)],
    [(arc(8, 8, 5.5, 2.2, 60, 330), GREEN), (polygon((13, 1), (13.5, 7.5), (7.5, 5)), GREEN)],  # 13 refresh
    undo_arrow(False),                                                    # 14 undo
    undo_arrow(True),                                                     # 15 redo
    gear(),                                                               # 16 settings
    palette_board(),                                                      # 17 palette
]


def cell(x0, y0, x1, y1, fill):
    return [(rect(x0, y0, x1, y1), INK), (rect(x0 + 1, y0 + 1, x1 - 1, y1 - 1), fill)]


EMPTY_CELL = cell(3, 3, 13, 13, (20, 20, 20)) + [(ring(8, 8, 2.6, 1.1), GRAY)]

SLOT = [
    EMPTY_CELL,                                                           # 0 an empty slot
    EMPTY_CELL[:2] + [(ring(8, 5.5, 2.2, 1.0), GRAY), (polygon((4, 9), (12, 9), (8, 14.5)), BLUE)],  # 1 scroll to empty
    cell(1, 4, 15, 12, RED) + [(rect(2, 5, 5, 11), RED), (rect(5, 5, 8, 11), (200, 110, 60)),  # 2 gradient
                               (rect(8, 5, 11, 11), (190, 170, 70)), (rect(11, 5, 14, 11), (170, 200, 80))],
    cell(2, 6, 14, 15, (20, 20, 20)) + [(rect(3, 7, 13, 14), (20, 20, 20)), (circle(8, 10.5, 2.4), YELLOW),  # 3 store
                                        (polygon((5, 0.5), (11, 0.5), (11, 3), (13, 3), (8, 7.5), (3, 3), (5, 3)), BLUE)],
    cell(3, 3, 13, 13, BLUE) + [(line(1, 15, 15, 1, 1.6), RED)],          # 4 clear a slot
    cell(1, 1, 8, 8, RED) + cell(8, 1, 15, 8, GREEN) + cell(1, 8, 8, 15, BLUE) + cell(8, 8, 15, 15, YELLOW),  # 5 palette grid
    [(line(3, 13, 10, 6, 2.2), DARK_GRAY), (polygon((9, 3), (13, 7), (11, 9), (7, 5)), INK),  # 6 eyedropper
     (circle(3, 13, 1.6), BLUE)],
    cell(3, 3, 13, 13, GREEN) + [(rect(7, 0, 9, 3), INK), (rect(7, 13, 9, 16), INK)],  # 7 a filled slot
    [(polygon((8, 1), (14, 8), (10, 8), (10, 15), (6, 15), (6, 8), (2, 8)), BLUE)],  # 8 up
    [(polygon((8, 15), (14, 8), (10, 8), (10, 1), (6, 1), (6, 8), (2, 8)), BLUE)],  # 9 down
    cell(1, 1, 15, 15, PAPER) + [(rect(3, 3, 13, 5), RED), (rect(3, 7, 13, 9), GREEN), (rect(3, 11, 13, 13), BLUE)],  # 10 list
    [(circle(8, 8, 7), INK), (circle(8, 8, 6), PAPER), (rect(7, 4, 9, 12), GREEN), (rect(4, 7, 12, 9), GREEN)],  # 11 add
    [(circle(8, 8, 7), INK), (circle(8, 8, 6), PAPER), (rect(4, 7, 12, 9), RED)],  # 12 remove
    cell(1, 5, 8, 11, RED) + cell(8, 5, 15, 11, BLUE) + [(line(5, 3, 11, 3, 1.2), INK), (polygon((11, 1), (13.5, 3), (11, 5)), INK)],  # 13 swap
    [(circle(8, 8, 7), INK)] + [(polygon((8, 8), (8 + 7 * math.cos(math.radians(a)), 8 - 7 * math.sin(math.radians(a))),
                                          (8 + 7 * math.cos(math.radians(a + 60)), 8 - 7 * math.sin(math.radians(a + 60)))), c)
                                 for a, c in zip(range(0, 360, 60), [RED, YELLOW, GREEN, (60, 200, 200), BLUE, (200, 60, 200)])],  # 14 hue wheel
    [(rect(1, 1, 15, 15), INK)] + [(rect(2 + 3 * i, 2, 5 + 3 * i, 14), (40 + 50 * i,) * 3) for i in range(4)],  # 15 grays
    framed(1, 1, 15, 15, PAPER) + [(polygon((3, 13), (13, 13), (13, 3)), DARK_GRAY)],  # 16 value ramp
]


FACE = (236, 236, 232)
SHADOW = (150, 150, 146)
EYEDROPPER_SIZE = 21
EYEDROPPER = [
    (rect(0, 0, 21, 21), SHADOW), (rect(0, 0, 20, 20), PAPER), (rect(1, 1, 20, 20), FACE),
    # The pipette, tip at the lower left: glass tube, collar and rubber bulb.
    (line(4.5, 16.5, 12, 9, 2.6), INK), (line(4.8, 16.2, 11.5, 9.5, 1.2), LIGHT_BLUE),
    (polygon((10, 8.5), (12.5, 11), (14, 9.5), (11.5, 7)), DARK_GRAY),
    (line(12.5, 8, 15.5, 5, 3.6), INK), (line(12.6, 7.9, 15.4, 5.1, 2.2), RED),
    (circle(16, 4.5, 2.6), INK), (circle(16, 4.5, 1.7), RED),
    (circle(3.6, 17.4, 1.1), BLUE),
]


PALE = (200, 200, 196)
EYEDROPPER_LIFTED = EYEDROPPER[:3] + [
    (line(4.5, 16.5, 12, 9, 2.6), PALE), (line(12.5, 8, 15.5, 5, 3.6), PALE), (circle(16, 4.5, 2.6), PALE),
    (line(4.8, 16.2, 11.5, 9.5, 1.2), FACE), (line(12.6, 7.9, 15.4, 5.1, 2.2), FACE), (circle(16, 4.5, 1.7), FACE),
]

CURSOR_SIZE = 32
WHITE = (255, 255, 255)
BLACK = (0, 0, 0)
# The pipette from its tip at the hot spot (9, 22) up to the right; a white
# rim keeps it visible on dark screens.
CURSOR = [
    (line(9, 22, 20, 11, 4.6), WHITE), (line(19, 12, 25, 6, 6.6), WHITE), (circle(26, 5, 4.2), WHITE),
    (line(9.5, 21.5, 20, 11, 2.4), BLACK), (line(19, 12, 25, 6, 4.4), BLACK), (circle(26, 5, 3.0), BLACK),
    (polygon((17.5, 11.5), (21.5, 15.5), (23, 14), (19, 10)), BLACK),
    (line(10.5, 20.5, 18, 13, 0.9), WHITE),
]


def write_cursor(pixels, hot_x, hot_y, target):
    size = len(pixels)
    xor = b"".join(bytes((b, g, r, 0 if (r, g, b) == KEY else 255)) for row in reversed(pixels) for (r, g, b) in row)
    mask_stride = (size + 31) // 32 * 4
    mask = b""
    for row in reversed(pixels):
        bits = bytearray(mask_stride)
        for x, color in enumerate(row):
            if color == KEY:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(bits)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    image = header + xor + mask
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", size, size, 0, 0, hot_x, hot_y, len(image), len(directory) + 16)
    target.write_bytes(directory + entry + image)


def write_bitmap(strips, size, target):
    width = size * len(strips)
    stride = (width * 3 + 3) // 4 * 4
    rows = b""
    for y in reversed(range(size)):  # bottom-up
        row = b"".join(bytes((b, g, r)) for image in strips for (r, g, b) in image[y])
        rows += row + b"\0" * (stride - len(row))
    info = struct.pack("<IiiHHIIiiII", 40, width, size, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(rows), 0, 0, 14 + len(info))
    target.write_bytes(header + info + rows)


root = pathlib.Path(__file__).resolve().parent.parent
assert len(HOST) == 18 and len(SLOT) == 17
write_bitmap([render(layers) for layers in HOST], SIZE, root / "host" / "plexa" / "HostToolbar.bmp")
write_bitmap([render(layers) for layers in SLOT], SIZE, root / "resources" / "SlotToolbar.bmp")
write_bitmap([render(EYEDROPPER, EYEDROPPER_SIZE)], EYEDROPPER_SIZE, root / "resources" / "Eyedropper.bmp")
write_bitmap([render(EYEDROPPER_LIFTED, EYEDROPPER_SIZE)], EYEDROPPER_SIZE, root / "resources" / "EyedropperLifted.bmp")
write_cursor(render(CURSOR, CURSOR_SIZE), 9, 22, root / "resources" / "Eyedropper.cur")
