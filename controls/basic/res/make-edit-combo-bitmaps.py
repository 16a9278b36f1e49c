#!/usr/bin/env python3
"""Draws the stock glyphs of the button edit's buttons and the font combo box's font-type
marks, and writes them next to this script:

  mwbtnedt_<kind>.bmp (lookup, dropdown, calendar, accept, reject, folder, find, search)
      20 x 10, 8 bits per pixel: two 10 x 10 pictures side by side, the normal one and the
      greyed one for a disabled button. Olive is the transparent colour (the lower-left pixel).
  mwcmbobx_<type>.bmp (truetype, fixedpitch, truetypefixed, printer, device)
      12 x 12, 8 bits per pixel, olive around the mark.

Standard library only; run `python3 make-edit-combo-bitmaps.py` after a change and commit the
files it writes; the build uses the committed files.
"""
import os
import struct

OUT = os.path.dirname(os.path.abspath(__file__))
PALETTE = {
    ".": (128, 128, 0),   # olive: transparent
    "X": (0, 0, 0),
    "G": (128, 128, 128),
    "W": (255, 255, 255),
    "N": (0, 0, 128),
    "R": (192, 0, 0),
    "E": (0, 128, 0),
    "Y": (255, 255, 0),
    "B": (0, 128, 128),
}
KEYS = list(PALETTE)


def write_bmp8(path, art):
    height, width = len(art), len(art[0])
    stride = (width + 3) & ~3
    pixels = bytearray()
    for line in reversed(art):
        row = bytes(KEYS.index(ch) for ch in line)
        pixels += row + bytes(stride - len(row))
    colours = bytearray()
    for key in KEYS:
        r, g, b = PALETTE[key]
        colours += bytes((b, g, r, 0))
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, len(pixels), 2835, 2835, len(KEYS), 0)
    offset = 14 + len(header) + len(colours)
    with open(path, "wb") as f:
        f.write(struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset))
        f.write(header)
        f.write(colours)
        f.write(pixels)


def greyed(art):
    return ["".join("." if ch == "." else ("W" if ch == "W" else "G") for ch in line) for line in art]


BUTTON_GLYPHS = {
    "lookup": ["..........", "..........", "..........", "..........", "..........",
               "..........", "..........", "X..X..X...", "X..X..X...", ".........."],
    "dropdown": ["..........", "..........", "..........", "XXXXXXX...", ".XXXXX....",
                 "..XXX.....", "...X......", "..........", "..........", ".........."],
    "calendar": ["XXXXXXXXX.", "XRRRRRRRX.", "XXXXXXXXX.", "XWXWXWXWX.", "XXXXXXXXX.",
                 "XWXWXWXWX.", "XXXXXXXXX.", "XWXWXWXWX.", "XXXXXXXXX.", ".........."],
    "accept": ["..........", "........E.", ".......EE.", "......EE..", "E....EE...",
               "EE..EE....", ".EEEE.....", "..EE......", "..........", ".........."],
    "reject": ["..........", ".R.....R..", ".RR...RR..", "..RR.RR...", "...RRR....",
               "..RR.RR...", ".RR...RR..", ".R.....R..", "..........", ".........."],
    "folder": ["..........", ".XXX......", "XYYYX.....", "XXXXXXXXX.", "XYYYYYYYX.",
               "XYYYYYYYX.", "XYYYYYYYX.", "XYYYYYYYX.", "XXXXXXXXX.", ".........."],
    "find": ["..XXXX....", ".XWWWWX...", "XWWWWWWX..", "XWWWWWWX..", "XWWWWWWX..",
             ".XWWWWX...", "..XXXXXX..", "......XXX.", ".......XXX", "........XX"],
    "search": ["XXXXXX....", "XWWWWXX...", "XWNNWWXX..", "XWWWWWWX..", "XWNNNNWX..",
               "XWWWWWWX..", "XWNNNNWX..", "XWWWWWWX..", "XXXXXXXX..", ".........."],
}

TRUETYPE_MARK = ["............", ".GGGGGG.....", ".G..G.G.....", "....G.......", "....GXXXXXX.",
                 "....G.X.X.X.", "....G...X...", "...GGG..X...", "........X...", "........X...",
                 ".......XXX..", "............"]

FONT_MARKS = {
    "truetype": TRUETYPE_MARK,
    # The same mark with its grey T in teal.
    "truetypefixed": [line.replace("G", "B") for line in TRUETYPE_MARK],
    "fixedpitch": ["............", "............", ".XXXXXXXXX..", ".X.......X..", ".X.XXXXX.X..",
                   ".X.......X..", ".X.XXXXX.X..", ".X.......X..", ".X.XXXXX.X..", ".X.......X..",
                   ".XXXXXXXXX..", "............"],
    "printer": ["............", "...XXXXXX...", "...XWWWWX...", "...XWWWWX...", ".XXXXXXXXXX.",
                ".XGGGGGGGGX.", ".XGGGGGGEGX.", ".XXXXXXXXXX.", "...XWWWWX...", "...XWWWWX...",
                "...XXXXXX...", "............"],
    "device": ["............", "............", "...XXXXXX...", "..XX....XX..", "..XX........",
               "..XX........", "..XX..XXXX..", "..XX....XX..", "..XX....XX..", "...XXXXXX...",
               "............", "............"],
}


def main():
    for kind, art in BUTTON_GLYPHS.items():
        rows = [normal + grey for normal, grey in zip(art, greyed(art))]
        rows[-1] = "." + rows[-1][1:]  # the lower-left pixel names the transparent colour
        write_bmp8(os.path.join(OUT, "mwbtnedt_%s.bmp" % kind), rows)
    for kind, art in FONT_MARKS.items():
        write_bmp8(os.path.join(OUT, "mwcmbobx_%s.bmp" % kind), art)


if __name__ == "__main__":
    main()
