#!/usr/bin/env python3
"""Checks that a screenshot shows the welcome picture 1:1 with its top left
corner at client pixel (40, 30) of the page.

Usage: check_welcome_picture.py SCREENSHOT.bmp PICTURE.bmp ROBOT_OUTPUT
The robot output holds the page's "client left=L top=T ..." line. Both
images are uncompressed 24-bit BMPs (the robot's screenshot and the
resource's picture). Prints the first differences and exits 1 on any.
"""
import re
import struct
import sys

CLIENT = re.compile(r"^client left=(-?\d+) top=(-?\d+) width=(\d+) height=(\d+)$")
PICTURE_LEFT, PICTURE_TOP = 40, 30


def read_bmp(path):
    """(width, height, pixel(x, y) -> (r, g, b)) of an uncompressed 24-bit BMP."""
    with open(path, "rb") as image:
        data = image.read()
    offset, = struct.unpack_from("<I", data, 10)
    width, height, _, bits, compression = struct.unpack_from("<iiHHI", data, 18)
    if bits != 24 or compression != 0:
        raise ValueError(f"{path}: not an uncompressed 24-bit bitmap")
    stride = (width * 3 + 3) & ~3
    bottom_up = height > 0
    height = abs(height)

    def pixel(x, y):
        row = height - 1 - y if bottom_up else y
        at = offset + row * stride + x * 3
        blue, green, red = data[at:at + 3]
        return red, green, blue

    return width, height, pixel


def client_origin(robot_output):
    with open(robot_output, encoding="ascii", errors="replace") as lines:
        for line in lines:
            match = CLIENT.match(line.strip())
            if match:
                return int(match.group(1)), int(match.group(2))
    raise ValueError("no client line in the robot's output")


def main(argv):
    if len(argv) != 4:
        print(__doc__, file=sys.stderr)
        return 2
    _, screen_height, screen = read_bmp(argv[1])
    width, height, picture = read_bmp(argv[2])
    left, top = client_origin(argv[3])
    left += PICTURE_LEFT
    top += PICTURE_TOP
    differences = [(x, y) for y in range(height) for x in range(width) if screen(left + x, top + y) != picture(x, y)]
    for x, y in differences[:5]:
        print(f"picture pixel {x},{y}: screen {screen(left + x, top + y)}, picture {picture(x, y)}")
    # Shifted by one pixel it must not match: the picture has a frame.
    if not differences and all(screen(left - 1 + x, top + y) == picture(x, y) for x in range(width) for y in (0, 1)):
        print("the picture also matches one pixel further left")
        return 1
    return 1 if differences else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
