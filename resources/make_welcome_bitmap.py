#!/usr/bin/env python3
"""Draws the welcome page picture: a disc above an open box, on an evening sky.

Writes a 100 x 200 pixel, 24-bit, uncompressed BMP (the welcome page copies it
1:1 to its client area). Only the standard library is used, and every colour
comes from integer arithmetic, so the output is the same byte for byte on
every machine; `--check FILE` compares a committed file against it.

Usage: make_welcome_bitmap.py OUTPUT.bmp
       make_welcome_bitmap.py --check resources/welcome.bmp
"""
import math
import struct
import sys

WIDTH, HEIGHT = 100, 200

DISC_CENTRE = (50, 66)
DISC_RADIUS = 36
HOLE_RADIUS = 6
HUB_RADIUS = 13

BOX_LEFT, BOX_RIGHT = 18, 72      # front face
BOX_TOP, BOX_BOTTOM = 138, 186
BOX_DEPTH = 12                    # the side face leans up and to the right

STARS = [(9, 12), (83, 9), (71, 27), (15, 41), (90, 52), (6, 96), (93, 104), (27, 112)]


def mix(a, b, t_num, t_den):
    return tuple(a[i] + (b[i] - a[i]) * t_num // t_den for i in range(3))


def sky(x, y):
    top, bottom = (22, 34, 92), (44, 132, 150)
    return mix(top, bottom, y, HEIGHT - 1)


def disc(x, y):
    """Colour of the disc at (x, y), or None outside it or in its hole."""
    dx, dy = x - DISC_CENTRE[0], y - DISC_CENTRE[1]
    d2 = dx * dx + dy * dy
    if d2 > DISC_RADIUS * DISC_RADIUS or d2 < HOLE_RADIUS * HOLE_RADIUS:
        return None
    if d2 <= HUB_RADIUS * HUB_RADIUS:
        return (214, 218, 226) if d2 > (HUB_RADIUS - 2) ** 2 else (186, 192, 204)
    if d2 > (DISC_RADIUS - 1) ** 2:
        return (120, 126, 140)           # rim
    # Rainbow sheen by octant (integer tests only, so every machine agrees).
    octant = (4 if dy < 0 else 0) + (2 if (dx < 0) != (dy < 0) else 0) + (1 if abs(dx) > abs(dy) else 0)
    sheen = [(236, 180, 190), (240, 214, 170), (236, 236, 168), (190, 232, 176),
             (170, 226, 222), (176, 196, 240), (208, 184, 240), (240, 200, 214)][octant]
    ring = math.isqrt(d2)
    return mix(sheen, (250, 250, 252), ring % 5, 8)


def box(x, y):
    """Colour of the box at (x, y), or None outside it."""
    if BOX_LEFT <= x <= BOX_RIGHT and BOX_TOP <= y <= BOX_BOTTOM:
        if x in (BOX_LEFT, BOX_RIGHT) or y in (BOX_TOP, BOX_BOTTOM):
            return (92, 56, 24)
        if abs(x - (BOX_LEFT + BOX_RIGHT) // 2) <= 3 and y < BOX_TOP + 18:
            return (222, 198, 140)       # tape
        return mix((196, 138, 74), (160, 104, 50), y - BOX_TOP, BOX_BOTTOM - BOX_TOP)
    # Side face: a parallelogram leaning up-right from the front's right edge.
    shift = x - BOX_RIGHT
    if 0 < shift <= BOX_DEPTH and BOX_TOP - shift <= y <= BOX_BOTTOM - shift:
        edge = shift == BOX_DEPTH or y in (BOX_TOP - shift, BOX_BOTTOM - shift)
        return (92, 56, 24) if edge else (138, 88, 40)
    # Top face: the opening, seen from slightly above.
    rise = BOX_TOP - y
    if 0 < rise <= BOX_DEPTH and BOX_LEFT + rise <= x <= BOX_RIGHT + rise:
        edge = rise == BOX_DEPTH or x in (BOX_LEFT + rise, BOX_RIGHT + rise)
        return (92, 56, 24) if edge else (70, 40, 16)
    return None


def pixel(x, y):
    if x in (0, WIDTH - 1) or y in (0, HEIGHT - 1):
        return (12, 18, 44)              # frame, so the picture's edges show
    for layer in (box, disc):
        colour = layer(x, y)
        if colour is not None:
            return colour
    if (x, y) in STARS:
        return (255, 255, 236)
    return sky(x, y)


def bitmap_bytes():
    rows = []
    for y in range(HEIGHT - 1, -1, -1):  # BMP rows run bottom-up
        row = bytearray()
        for x in range(WIDTH):
            red, green, blue = pixel(x, y)
            row += bytes((blue, green, red))
        row += b"\0" * (-len(row) % 4)
        rows.append(bytes(row))
    pixels = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    header = b"BM" + struct.pack("<IHHI", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    return header + info + pixels


def main(argv):
    if len(argv) == 3 and argv[1] == "--check":
        with open(argv[2], "rb") as committed:
            if committed.read() != bitmap_bytes():
                print(f"{argv[2]} differs from the generator's output", file=sys.stderr)
                return 1
        return 0
    if len(argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    with open(argv[1], "wb") as out:
        out.write(bitmap_bytes())
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
