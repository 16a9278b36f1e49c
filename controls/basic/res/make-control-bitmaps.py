#!/usr/bin/env python3
"""Draws the bitmaps that the controls load by name from a program's resources and writes
them next to this script:

  mwcommon_<kind>.bmp  the glyphs of the bit-button kinds (MWCOMMON_OK, MWCOMMON_CANCEL, ...):
                       32 x 16, the picture and then its greyed-out form for a disabled button

They are 24-bit bitmaps whose lower-left pixel (olive) is the transparent colour. Shapes are
sampled once per pixel so that their edges stay hard against the transparent colour. The
greyed-out form is the picture's silhouette embossed: shadow grey, with a white copy one pixel
down and to the right. Standard library only; run `python3 make-control-bitmaps.py` after a
change and commit the files it writes; the build uses the committed files.
"""
import math
import os

from bitmap24 import OLIVE, SHADOW, WHITE, greyed, write_bmp

OUT = os.path.dirname(os.path.abspath(__file__))
SIZE = 16
BLACK = (0, 0, 0)
GREEN = (0, 128, 0)
RED = (192, 0, 0)
BLUE = (0, 0, 160)
BROWN = (128, 64, 0)
YELLOW = (255, 255, 0)


# --- shapes: functions (x, y) -> True inside, at pixel centres ---------------------------------

def segment(x0, y0, x1, y1, width):
    def inside(x, y):
        dx, dy = x1 - x0, y1 - y0
        t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / (dx * dx + dy * dy)))
        return math.hypot(x - (x0 + t * dx), y - (y0 + t * dy)) <= width / 2
    return inside


def polyline(points, width):
    parts = [segment(*a, *b, width) for a, b in zip(points, points[1:])]
    return lambda x, y: any(part(x, y) for part in parts)


def ring(cx, cy, inner, outer, gap_from=None, gap_to=None):
    """A ring; with a gap, the angles (degrees, counter-clockwise from the right, y up) between
    gap_from and gap_to are left out."""
    def inside(x, y):
        if not inner <= math.hypot(x - cx, y - cy) <= outer:
            return False
        if gap_from is None:
            return True
        angle = math.degrees(math.atan2(cy - y, x - cx)) % 360
        return not gap_from <= angle <= gap_to
    return inside


def polygon(points):
    def inside(x, y):
        crossings = 0
        for (x0, y0), (x1, y1) in zip(points, points[1:] + points[:1]):
            if (y0 > y) != (y1 > y) and x < x0 + (y - y0) * (x1 - x0) / (y1 - y0):
                crossings += 1
        return crossings % 2 == 1
    return inside


def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x <= x1 and y0 <= y <= y1


def art(rows, colours):
    """A picture given as text, one character a pixel; '.' is transparent."""
    return [[colours.get(ch) for ch in row] for row in rows]


def paint(layers):
    """layers: (shape, colour) pairs, later ones on top."""
    image = [[None] * SIZE for _ in range(SIZE)]
    for shape, colour in layers:
        for y in range(SIZE):
            for x in range(SIZE):
                if shape(x + 0.5, y + 0.5):
                    image[y][x] = colour
    return image


# --- the pictures ------------------------------------------------------------------------------

def check(offset=0.0):
    return polyline([(3 + offset, 8.5), (6.5 + offset, 12), (13 + offset, 4.5)], 2.4)


def octagon(cx, cy, r):
    return polygon([(cx + r * math.cos(math.radians(22.5 + 45 * i)), cy + r * math.sin(math.radians(22.5 + 45 * i)))
                    for i in range(8)])


QUESTION = [
    "................",
    ".....BBBBBB.....",
    "....BBB..BBB....",
    "....BB....BB....",
    "..........BB....",
    ".........BBB....",
    "........BBB.....",
    ".......BBB......",
    ".......BB.......",
    ".......BB.......",
    "................",
    ".......BB.......",
    ".......BB.......",
    "................",
    "................",
    "................",
]

DOOR = [
    "................",
    "....KKKKKKKK....",
    "....KOOOOOOK....",
    "....KOKKKKOK....",
    "....KOK..KOK....",
    "....KOKKKKOK....",
    "....KOOOOOOK....",
    "....KOOOOYYK....",
    "....KOOOOYYK....",
    "....KOOOOOOK....",
    "....KOKKKKOK....",
    "....KOK..KOK....",
    "....KOKKKKOK....",
    "....KOOOOOOK....",
    "...KKKKKKKKKK...",
    "................",
]

PICTURES = {
    "ok": paint([(check(), GREEN)]),
    "cancel": paint([(segment(4, 4, 12, 12, 2.6), RED), (segment(12, 4, 4, 12, 2.6), RED)]),
    "help": art(QUESTION, {"B": BLUE}),
    "yes": paint([(check(), GREEN)]),
    "no": paint([(ring(8, 8, 4.6, 7), RED), (segment(4, 4, 12, 12, 2.2), RED)]),
    "close": art(DOOR, {"K": BLACK, "O": BROWN, "Y": YELLOW}),
    "abort": paint([(octagon(8, 8, 7.2), RED), (rect(3.5, 6.5, 12.5, 9.5), WHITE)]),
    "retry": paint([(ring(8, 8, 3.8, 6.2, 20, 80), GREEN), (polygon([(9.5, 0.5), (15, 4.5), (9.5, 8)]), GREEN)]),
    "ignore": paint([(rect(7, 2, 9, 14), SHADOW), (polyline([(1.5, 8), (14, 8)], 2.2), BLUE),
                     (polygon([(10, 3.5), (15.5, 8), (10, 12.5)]), BLUE)]),
    "all": paint([(check(-1.5), GREEN), (check(2.5), GREEN)]),
}


def main():
    for name, image in PICTURES.items():
        disabled = greyed(image)
        rows = [image[y] + disabled[y] for y in range(SIZE)]
        # The lower-left pixel names the transparent colour: it must stay olive.
        assert rows[-1][0] is None, name
        write_bmp(os.path.join(OUT, "mwcommon_%s.bmp" % name), rows)


if __name__ == "__main__":
    main()
