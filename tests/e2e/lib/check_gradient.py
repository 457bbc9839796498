#!/usr/bin/env python3
"""Compares the rows of a screenshot with the gradient bands that robot.exe
computed ("band index=I top=T bottom=B rgb=RRGGBB" lines of its output).

Usage: check_gradient.py SCREENSHOT ROBOT_OUTPUT [--skip-rows FIRST-LAST ...]
Samples the columns near the left and right screen edges, away from the
centred message box; rows in a skipped range (a caption) are not sampled.
Prints each mismatch (the first few) and exits 1 when there is one.
"""
import re
import subprocess
import sys

BAND = re.compile(r"^band index=(\d+) top=(\d+) bottom=(\d+) rgb=([0-9A-F]{6})$")


def read_ppm(path):
    """The image as (width, height, bytes) through ImageMagick's binary PPM."""
    data = subprocess.run(["convert", path, "-depth", "8", "ppm:-"], check=True,
                          stdout=subprocess.PIPE).stdout
    fields = []
    position = 0
    while len(fields) < 4:  # magic, width, height, maximum value
        while data[position:position + 1].isspace():
            position += 1
        start = position
        while not data[position:position + 1].isspace():
            position += 1
        fields.append(data[start:position])
    assert fields[0] == b"P6", "not a binary PPM"
    width, height = int(fields[1]), int(fields[2])
    return width, height, data[position + 1:]


def read_bands(path):
    bands = []
    with open(path, encoding="ascii", errors="replace") as output:
        for line in output:
            match = BAND.match(line.strip())
            if match:
                index, top, bottom, rgb = match.groups()
                bands.append((int(top), int(bottom), rgb))
    return bands


def parse_skips(arguments):
    skips = []
    for argument in arguments:
        first, last = argument.split("-")
        skips.append((int(first), int(last)))
    return skips


def main():
    screenshot, robot_output = sys.argv[1], sys.argv[2]
    skips = parse_skips(a for a in sys.argv[3:] if a != "--skip-rows")
    width, height, pixels = read_ppm(screenshot)
    bands = read_bands(robot_output)
    if len(bands) != 256:
        print(f"expected 256 bands in {robot_output}, found {len(bands)}")
        return 1
    columns = (2, width - 3)
    mismatches = []
    checked = 0
    for top, bottom, rgb in bands:
        for row in range(top, min(bottom, height)):
            if any(first <= row <= last for first, last in skips):
                continue
            for column in columns:
                offset = (row * width + column) * 3
                actual = pixels[offset:offset + 3].hex().upper()
                checked += 1
                if actual != rgb:
                    mismatches.append(f"row {row} column {column}: {actual}, expected {rgb}")
    for mismatch in mismatches[:10]:
        print(mismatch)
    if checked == 0:
        print("no pixel checked")
        return 1
    return 1 if mismatches else 0


if __name__ == "__main__":
    sys.exit(main())
