#!/usr/bin/env python3
"""Draws the state glyphs of the radio button and check box and the library's hand cursor, and
writes them next to this script:

  mwcommon_radiobutton_checked.bmp, mwcommon_radiobutton_unchecked.bmp,
  mwcommon_checkbox_unchecked.bmp, mwcommon_checkbox_checked.bmp, mwcommon_checkbox_grayed.bmp
      13 x 13, 24-bit, drawn in key colours that the controls replace by their own colours:
      radio buttons: black ring, gray and purple soft edge (upper left, lower right), red and
      fuchsia inner rim, yellow face edge, white face, navy dot with a blue edge; check boxes:
      gray frame, red and fuchsia inner rim, white face, black (grayed: gray) mark. Olive is
      outside the glyph.
  mwcommon_handcursor.bin
      32 x 32 monochrome pointing hand, hot spot at the finger tip, as a cursor resource's
      image (hot spot, then the bitmap). The program carries it as data and makes the cursor
      from it: the linker cannot merge the cursor resources of several scripts.

Standard library only; run `python3 make-glyph-bitmaps.py` after a change and commit the files
it writes; the build uses the committed files.
"""
import math
import os
import struct

from bitmap24 import OLIVE, WHITE, write_bmp

OUT = os.path.dirname(os.path.abspath(__file__))
SIZE = 13
BLACK = (0, 0, 0)
GRAY = (128, 128, 128)
PURPLE = (128, 0, 128)
RED = (255, 0, 0)
FUCHSIA = (255, 0, 255)
YELLOW = (255, 255, 0)
NAVY = (0, 0, 128)
BLUE = (0, 0, 255)


def radio(checked):
    centre = (SIZE - 1) / 2
    rows = []
    for y in range(SIZE):
        row = []
        for x in range(SIZE):
            d = math.hypot(x - centre, y - centre)
            upper_left = (x - centre) + (y - centre) < 0
            if d > 6.6:
                colour = OLIVE
            elif d > 6.0:
                colour = GRAY if upper_left else PURPLE
            elif d > 5.0:
                colour = BLACK
            elif d > 4.0:
                colour = RED if upper_left else FUCHSIA
            elif d > 3.2:
                colour = YELLOW
            else:
                colour = WHITE
            if checked and d <= 2.6:
                colour = NAVY if d <= 1.8 else BLUE
            row.append(colour)
        rows.append(row)
    return rows


def check_box(mark):
    rows = []
    tick = {(3, 6), (3, 7), (4, 7), (4, 8), (5, 8), (5, 9), (6, 7), (6, 8), (7, 6), (7, 7), (8, 5), (8, 6),
            (9, 4), (9, 5)}
    for y in range(SIZE):
        row = []
        for x in range(SIZE):
            if x in (0, SIZE - 1) or y in (0, SIZE - 1):
                colour = GRAY
            elif x == 1 or y == 1:
                colour = RED
            elif x == SIZE - 2 or y == SIZE - 2:
                colour = FUCHSIA
            else:
                colour = WHITE
            if mark and (x, y) in tick:
                colour = mark
            row.append(colour)
        rows.append(row)
    return rows


HAND = [
    "......XX........",
    ".....X..X.......",
    ".....X..X.......",
    ".....X..X.......",
    ".....X..XXX.....",
    ".....X..X..XXX..",
    ".....X..X..X..XX",
    "..XX.X..X..X..X.X",
    ".X..XX........X.X",
    ".X...X..........X",
    "..X.............X",
    "..X.............X",
    "...X...........X.",
    "...X...........X.",
    "....X.........X..",
    "....X.........X..",
    ".....XXXXXXXXXX..",
]


def write_cursor(path, art, hot_x, hot_y):
    """A 32 x 32 monochrome cursor as the image of a cursor resource: the hot spot, then the
    bitmap with its two masks (X is black outline, the inside of the outline white)."""
    size = 32
    black = set()
    for y, line in enumerate(art):
        for x, ch in enumerate(line):
            if ch == "X":
                black.add((x, y))
    # The inside: points between outline pixels on their row, below the top of the finger.
    white = set()
    for y in range(len(art)):
        xs = sorted(x for x, yy in black if yy == y)
        if len(xs) >= 2:
            for x in range(xs[0] + 1, xs[-1]):
                if (x, y) not in black:
                    white.add((x, y))

    def mask_rows(inside):
        data = bytearray()
        for y in reversed(range(size)):
            for byte in range(size // 8):
                bits = 0
                for bit in range(8):
                    if inside(byte * 8 + bit, y):
                        bits |= 0x80 >> bit
                data.append(bits)
        return data

    xor = mask_rows(lambda x, y: (x, y) in white)
    and_mask = mask_rows(lambda x, y: (x, y) not in black and (x, y) not in white)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 1, 0, len(xor) + len(and_mask), 0, 0, 2, 0)
    palette = bytes((0, 0, 0, 0, 255, 255, 255, 0))
    image = struct.pack("<HH", hot_x, hot_y) + header + palette + xor + and_mask
    with open(path, "wb") as f:
        f.write(image)


def main():
    write_bmp(os.path.join(OUT, "mwcommon_radiobutton_checked.bmp"), radio(True))
    write_bmp(os.path.join(OUT, "mwcommon_radiobutton_unchecked.bmp"), radio(False))
    write_bmp(os.path.join(OUT, "mwcommon_checkbox_unchecked.bmp"), check_box(None))
    write_bmp(os.path.join(OUT, "mwcommon_checkbox_checked.bmp"), check_box(BLACK))
    write_bmp(os.path.join(OUT, "mwcommon_checkbox_grayed.bmp"), check_box(GRAY))
    write_cursor(os.path.join(OUT, "mwcommon_handcursor.bin"), HAND, 6, 0)


if __name__ == "__main__":
    main()
