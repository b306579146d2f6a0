#!/usr/bin/env python3
"""Writes the five hand cursors of the link controls as monochrome 32 x 32 .cur files.

The pictures below are the source of the cursors: '.' is transparent, 'X' black, 'o' white.
Each is drawn at its place in the 32 x 32 cell; the hot spot is given beside it.
Run: python3 tools/cursors/make_cursors.py [output folder]   (default: resources/)
"""
import os
import struct
import sys

SIZE = 32

HANDPOINT = """
.....XX
....XooX
....XooX
....XooX
....XooX
....XooXXX
....XooXooXXX
....XooXooXooXX
.XX.XooXooXooXoX
XooXXooooooooXoX
XoooXooooooooooX
.XooXooooooooooX
..XoXooooooooooX
..XooooooooooooX
...XoooooooooooX
...XooooooooooX
....XoooooooooX
....XooooooooX
.....XoooooooX
.....XoooooooX
.....XXXXXXXXX
"""

# Smaller pointing hand, drawn with its fingertip on the hot spot (13, 9).
SMALLHANDPOINT = """
.XX
XooX
XooX
XooXXX
XooXooXX
XXooooooX
XoXoooooX
XoooooooX
.XooooooX
..XooooX
..XXXXXX
"""

GRABHAND = """
...XX.XX.XX
..XooXooXooXX
..XooXooXooXoX
XXXooXooXooXoX
XooXooooooooooX
XoooooooooooooX
.XoooooooooooX
..XooooooooooX
...XooooooooX
....XooooooX
....XXXXXXXX
"""

ARROW = [
    "X", "XX", "XoX", "XooX", "XoooX", "XooooX", "XoooooX", "XooooooX", "XoooooooX",
    "XooooXXXXX", "XoXooX", "XX.XooX", "X...XooX", ".....XooX", ".....XooX", "......XX",
]

FIST = [
    "...XX.XX.XX", "..XooXooXooXX", ".XXooooooooXoX", "XooXoooooooooX", "XoooooooooooX",
    ".XoooooooooX", "..XooooooooX", "...XXXXXXXX",
]


def overlay(rows, picture, left, top):
    for y, line in enumerate(picture):
        for x, c in enumerate(line):
            if c != ".":
                rows[top + y][left + x] = c


def grid(text):
    lines = text.split("\n")[1:] if text.startswith("\n") else text.split("\n")
    rows = [["."] * SIZE for _ in range(SIZE)]
    for y, line in enumerate(lines[:SIZE]):
        for x, c in enumerate(line[:SIZE]):
            rows[y][x] = c
    return rows


def small_hand_point():
    rows = [["."] * SIZE for _ in range(SIZE)]
    overlay(rows, SMALLHANDPOINT.strip("\n").split("\n"), 12, 9)
    return rows


def grab_hand_arrow():
    rows = [["."] * SIZE for _ in range(SIZE)]
    overlay(rows, ARROW, 0, 0)
    overlay(rows, FIST, 11, 12)
    return rows


def drag_hand():
    rows = [["."] * SIZE for _ in range(SIZE)]
    overlay(rows, FIST, 0, 0)
    return rows


def cursor_file(rows, hot_x, hot_y):
    def plane(bit_of):
        out = bytearray()
        for y in reversed(range(SIZE)):  # bottom-up rows
            value = 0
            for x in range(SIZE):
                value = (value << 1) | bit_of(rows[y][x])
            out += value.to_bytes(4, "big")
        return bytes(out)

    xor = plane(lambda c: 1 if c == "o" else 0)
    and_mask = plane(lambda c: 1 if c == "." else 0)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 1, 0, len(xor) + len(and_mask), 0, 0, 2, 0)
    palette = bytes([0, 0, 0, 0, 255, 255, 255, 0])
    image = header + palette + xor + and_mask
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 2, 0, hot_x, hot_y, len(image), 6 + 16)
    return directory + entry + image


CURSORS = [
    ("PRO_HANDPOINT", grid(HANDPOINT), 6, 0),
    ("PRO_SMALLHANDPOINT", small_hand_point(), 13, 9),
    ("PRO_GRABHAND", grid(GRABHAND), 4, 2),
    ("PRO_GRABHANDARROW", grab_hand_arrow(), 0, 0),
    ("PRO_DRAGHAND", drag_hand(), 0, 0),
]


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "..", "resources")
    for name, rows, hot_x, hot_y in CURSORS:
        path = os.path.join(folder, name + ".cur")
        with open(path, "wb") as out:
            out.write(cursor_file(rows, hot_x, hot_y))
        print(path)


if __name__ == "__main__":
    main()
