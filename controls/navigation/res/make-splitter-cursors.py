#!/usr/bin/env python3
"""Draws the splitter's cursors and writes them next to this script:

  mwsplit_horz.cur         MWSPLIT_HORZ: over a vertical bar, moving it left and right
  mwsplit_horzhotspot.cur  MWSPLIT_HORZHOTSPOT: over the hot spot of a vertical bar
  mwsplit_vert.cur         MWSPLIT_VERT: over a horizontal bar, moving it up and down
  mwsplit_verthotspot.cur  MWSPLIT_VERTHOTSPOT: over the hot spot of a horizontal bar

Each is a 32 x 32 monochrome cursor with its hot spot in the middle: black shapes with a
one-pixel white outline on a transparent ground. The moving cursors are a double bar with an
arrow out of each side; the hot-spot cursors a single bar with an arrow pointing at each side
of it, for "collapse here". The vertical forms are the horizontal ones turned by a quarter.
Standard library only; run `python3 make-splitter-cursors.py` after a change and commit the
files it writes; the build uses the committed files.
"""
import os
import struct

OUT = os.path.dirname(os.path.abspath(__file__))
SIZE = 32
HOT = (15, 15)


def rect(x0, y0, x1, y1):
    """Pixels with x0 <= x <= x1 and y0 <= y <= y1."""
    return {(x, y) for x in range(x0, x1 + 1) for y in range(y0, y1 + 1)}


def arrow_head(tip_x, tip_y, direction, length):
    """A filled triangle pointing left (-1) or right (+1) with its tip at (tip_x, tip_y)."""
    pixels = set()
    for step in range(length):
        x = tip_x - direction * step
        pixels |= {(x, tip_y + dy) for dy in range(-step, step + 1)}
    return pixels


def two_rows_arrow(tip_x, tip_y, direction):
    """An arrow head two pixels thick at the tip, matching a shaft of rows tip_y and tip_y - 1."""
    head = arrow_head(tip_x, tip_y, direction, 5)
    return head | {(x, y - 1) for (x, y) in head}


def moving_shape():
    cy = HOT[1]
    shape = rect(13, 7, 14, 23) | rect(16, 7, 17, 23)          # the double bar
    shape |= rect(7, cy - 1, 12, cy) | rect(18, cy - 1, 23, cy)  # the shafts
    return shape | two_rows_arrow(4, cy, -1) | two_rows_arrow(26, cy, 1)


def hot_spot_shape():
    cy = HOT[1]
    shape = rect(15, 6, 16, 25)                                  # the bar
    shape |= rect(4, cy - 1, 8, cy) | rect(23, cy - 1, 27, cy)   # the shafts
    return shape | two_rows_arrow(13, cy, 1) | two_rows_arrow(18, cy, -1)


def turned(shape):
    """The shape turned by a quarter about the hot spot's pixel cell."""
    return {(y, x) for (x, y) in shape}


def outline(shape):
    ring = set()
    for (x, y) in shape:
        for dx in (-1, 0, 1):
            for dy in (-1, 0, 1):
                p = (x + dx, y + dy)
                if p not in shape and 0 <= p[0] < SIZE and 0 <= p[1] < SIZE:
                    ring.add(p)
    return ring


def cursor_file(shape):
    white = outline(shape)
    xor_rows, and_rows = [], []
    for y in reversed(range(SIZE)):  # bottom-up rows
        xor_bits = and_bits = 0
        for x in range(SIZE):
            bit = 1 << (31 - x)
            if (x, y) in white:
                xor_bits |= bit
            elif (x, y) not in shape:
                and_bits |= bit  # transparent
        xor_rows.append(struct.pack(">I", xor_bits))
        and_rows.append(struct.pack(">I", and_bits))
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 1, 0, 0, 0, 0, 2, 0)
    palette = bytes([0, 0, 0, 0, 255, 255, 255, 0])
    image = header + palette + b"".join(xor_rows) + b"".join(and_rows)
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, HOT[0], HOT[1], len(image), 6 + 16)
    return directory + entry + image


def main():
    cursors = {
        "mwsplit_horz.cur": moving_shape(),
        "mwsplit_horzhotspot.cur": hot_spot_shape(),
        "mwsplit_vert.cur": turned(moving_shape()),
        "mwsplit_verthotspot.cur": turned(hot_spot_shape()),
    }
    for name, shape in cursors.items():
        with open(os.path.join(OUT, name), "wb") as f:
            f.write(cursor_file(shape))


if __name__ == "__main__":
    main()
