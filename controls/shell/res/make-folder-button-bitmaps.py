#!/usr/bin/env python3
"""Draws the glyphs of the select-folder window's two buttons and writes them next to this
script as one strip:

  mwselectfolder_buttons.bmp  64 x 16, four 16 x 16 images in this order: create folder,
                              create folder greyed, delete folder, delete folder greyed

A 24-bit bitmap whose lower-left pixel (olive) is the transparent colour. The greyed forms are
the pictures' silhouettes embossed: shadow grey, with a white copy one pixel down and to the
right. Standard library only; run `python3 make-folder-button-bitmaps.py` after a change and
commit the file it writes; the build uses the committed file.
"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "basic", "res"))
from bitmap24 import greyed, write_bmp  # noqa: E402

OUT = os.path.dirname(os.path.abspath(__file__))
SIZE = 16
COLOURS = {
    "K": (0, 0, 0),        # outline
    "Y": (255, 224, 96),   # folder face
    "D": (192, 160, 48),   # folder back
    "S": (255, 255, 0),    # spark of a new folder
    "R": (192, 0, 0),      # cross of a deletion
}

NEW_FOLDER = [
    "..........S.....",
    "......S...S...S.",
    ".......S..S..S..",
    "........S...S...",
    ".KKKK.......SSS.",
    "KDDDDK..S.S.....",
    "KDDDDDKKKK...S..",
    "KDKKKKKKKKKK..S.",
    "KDKYYYYYYYYYK...",
    "KDKYYYYYYYYYK...",
    "KKYYYYYYYYYK....",
    "KKYYYYYYYYYK....",
    "KYYYYYYYYYK.....",
    "KKKKKKKKKKK.....",
    "................",
    "................",
]

DELETE_FOLDER = [
    "................",
    "................",
    "................",
    ".KKKK...........",
    "KDDDDK..........",
    "KDDDDDKKKKK.....",
    "KDKKKKKKKKKK....",
    "KDKYYYYYYYYYK...",
    "KDKYYYYRR.YYRR..",
    "KKYYYYYYRRYRR...",
    "KKYYYYYYYRRR....",
    "KYYYYYYYYRRR....",
    "KKKKKKKKRRKRR...",
    ".......RR...RR..",
    "................",
    "................",
]


def art(rows):
    return [[COLOURS.get(ch) for ch in row] for row in rows]


def main():
    pictures = [art(NEW_FOLDER), art(DELETE_FOLDER)]
    images = []
    for picture in pictures:
        assert all(len(row) == SIZE for row in picture) and len(picture) == SIZE
        images += [picture, greyed(picture)]
    rows = [sum((image[y] for image in images), []) for y in range(SIZE)]
    # The lower-left pixel names the transparent colour: it must stay olive.
    assert rows[-1][0] is None
    write_bmp(os.path.join(OUT, "mwselectfolder_buttons.bmp"), rows)


if __name__ == "__main__":
    main()
