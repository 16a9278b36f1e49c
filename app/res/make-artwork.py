#!/usr/bin/env python3
"""Draws Quillon's pictures and writes them next to this script:

  Quillon.ico     the program icon, 32 x 32 and 16 x 16, 24-bit with a transparency mask
  ilTreeView.bmp  16 x 16 strip: closed folder, open folder
  ilSmall.bmp     16 x 16 strip: generic file
  ilLarge.bmp     32 x 32 strip: generic file
  ilIcons.bmp     32 x 32 strip: the action pictures of the menus and the button bar
  ilToolBar.bmp   16 x 16 strip: the text editor's buttons, then the same greyed out

The strips are 24-bit bitmaps whose lower-left pixel (magenta) is the transparent colour, which
is how the image lists load them. Shapes are signed distance functions, sampled 4 x 4 per pixel
so that edges inside a picture are smoothed while the outer edge stays hard against the
transparent colour (a blend with magenta would show as a pink fringe). Most 16 x 16 pictures are
sampled once per pixel instead, which keeps them sharp. Standard library only; run
`python3 make-artwork.py` after a change and commit the files it writes.
"""
import math
import os
import struct

OUT = os.path.dirname(os.path.abspath(__file__))
MAGENTA = (255, 0, 255)
SAMPLES = 4  # per pixel side

# --- shapes: functions (x, y) -> signed distance in design units, negative inside -------------


def circle(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) - r


def box(x0, y0, x1, y1, radius=0.0):
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    hw, hh = (x1 - x0) / 2 - radius, (y1 - y0) / 2 - radius

    def distance(x, y):
        qx, qy = abs(x - cx) - hw, abs(y - cy) - hh
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - radius
    return distance


def polygon(points):
    """Exact distance to a simple polygon, convex or not."""
    pts = list(points)

    def distance(x, y):
        best, sign = float("inf"), 1.0
        j = len(pts) - 1
        for i in range(len(pts)):
            (ax, ay), (bx, by) = pts[i], pts[j]
            ex, ey = bx - ax, by - ay
            wx, wy = x - ax, y - ay
            length2 = ex * ex + ey * ey
            t = 0.0 if length2 == 0 else max(0.0, min(1.0, (wx * ex + wy * ey) / length2))
            dx, dy = wx - ex * t, wy - ey * t
            best = min(best, dx * dx + dy * dy)
            above, below, left = y >= ay, y < by, ex * wy > ey * wx
            if (above and below and left) or not (above or below or left):
                sign = -sign
            j = i
        return sign * math.sqrt(best)
    return distance


def stroke(points, r):
    """A polyline of half-width r with round joins and caps."""
    segments = list(zip(points, points[1:]))

    def distance(x, y):
        best = float("inf")
        for (ax, ay), (bx, by) in segments:
            ex, ey = bx - ax, by - ay
            wx, wy = x - ax, y - ay
            length2 = ex * ex + ey * ey
            t = 0.0 if length2 == 0 else max(0.0, min(1.0, (wx * ex + wy * ey) / length2))
            best = min(best, math.hypot(wx - ex * t, wy - ey * t))
        return best - r
    return distance


def union(*shapes):
    return lambda x, y: min(s(x, y) for s in shapes)


def subtract(shape, hole):
    return lambda x, y: max(shape(x, y), -hole(x, y))


def turned(points, cx, cy, degrees):
    a = math.radians(degrees)
    c, s = math.cos(a), math.sin(a)
    return [(cx + (x - cx) * c - (y - cy) * s, cy + (x - cx) * s + (y - cy) * c) for x, y in points]


def arc_points(cx, cy, r, start, end, steps=24):
    """Points on a circle, angles in degrees counter-clockwise on screen (y grows downwards)."""
    return [(cx + r * math.cos(math.radians(a)), cy - r * math.sin(math.radians(a)))
            for a in (start + (end - start) * i / steps for i in range(steps + 1))]

# --- fills ----------------------------------------------------------------------------------


def mix(c0, c1, t):
    t = max(0.0, min(1.0, t))
    return tuple(a + (b - a) * t for a, b in zip(c0, c1))


def vertical(y0, c0, y1, c1):
    return lambda x, y: mix(c0, c1, (y - y0) / (y1 - y0))


def diagonal(x0, y0, c0, x1, y1, c1):
    """Gradient along the line from (x0, y0) to (x1, y1)."""
    ex, ey = x1 - x0, y1 - y0
    length2 = ex * ex + ey * ey
    return lambda x, y: mix(c0, c1, ((x - x0) * ex + (y - y0) * ey) / length2)

# --- canvas ---------------------------------------------------------------------------------


class Canvas:
    """Square picture; None marks a transparent pixel. Coordinates are design units, 32 per side
    unless the canvas is drawn at its own pixel scale (design=size)."""

    def __init__(self, size, design=32, crisp=False):
        self.size = size
        self.scale = size / design
        self.samples = 1 if crisp else SAMPLES  # crisp: one sample per pixel, no smoothing
        self.pixels = [[None] * size for _ in range(size)]

    def paint(self, shape, fill, outline=None, width=1.0):
        """Fills a shape; width is the outline's width in pixels."""
        n, s = self.samples, self.scale
        colour_at = fill if callable(fill) else (lambda x, y: fill)
        for py in range(self.size):
            for px in range(self.size):
                if shape((px + 0.5) / s, (py + 0.5) / s) * s > 0.75:
                    continue  # the pixel lies wholly outside
                inside, total = 0, [0.0, 0.0, 0.0]
                for sy in range(n):
                    for sx in range(n):
                        x, y = (px + (sx + 0.5) / n) / s, (py + (sy + 0.5) / n) / s
                        d = shape(x, y) * s
                        if d > 0:
                            continue
                        c = outline if outline is not None and d > -width else colour_at(x, y)
                        inside += 1
                        total = [t + v for t, v in zip(total, c)]
                if inside:
                    self._cover(px, py, [t / inside for t in total], inside / (n * n))

    def _cover(self, px, py, colour, coverage):
        old = self.pixels[py][px]
        if old is None:
            if coverage >= 0.5:  # the outer edge stays hard: no blending with the mask colour
                self.pixels[py][px] = tuple(colour)
        else:
            self.pixels[py][px] = mix(old, colour, coverage)

    def rgb(self, px, py):
        c = self.pixels[py][px]
        if c is None:
            return MAGENTA
        c = tuple(int(round(v)) for v in c)
        return (254, 0, 254) if c == MAGENTA else c  # keep drawn pixels opaque

    def greyed(self):
        """The disabled look: a light, flat grey version of the picture."""
        grey = Canvas(self.size, self.size)
        for py, row in enumerate(self.pixels):
            for px, c in enumerate(row):
                if c is not None:
                    lum = 0.299 * c[0] + 0.587 * c[1] + 0.114 * c[2]
                    v = 112 + lum * 0.5
                    grey.pixels[py][px] = (v, v, v)
        return grey

# --- palette --------------------------------------------------------------------------------


INK = (44, 46, 56)
WHITE = (255, 255, 255)
PAPER_EDGE = (96, 102, 118)
PAPER_LOW = (226, 232, 242)
TEXT_LINE = (150, 162, 186)
FOLD = (204, 212, 228)
FOLDER_EDGE = (146, 98, 16)
FOLDER_LIGHT = (255, 226, 122)
FOLDER_MID = (246, 196, 70)
FOLDER_DARK = (214, 156, 40)
CARD_EDGE = (98, 58, 22)
CARD_FRONT = (206, 148, 86)
CARD_FRONT_LOW = (182, 124, 64)
CARD_TOP = (234, 188, 128)
CARD_SIDE = (160, 106, 52)
CARD_INSIDE = (112, 70, 32)
TAPE = (244, 226, 178)
GREEN = (64, 184, 64)
GREEN_LIGHT = (140, 226, 120)
GREEN_EDGE = (20, 104, 24)
RED = (226, 44, 40)
RED_LIGHT = (255, 120, 100)
RED_EDGE = (130, 8, 8)
BLUE = (46, 112, 214)
BLUE_LIGHT = (124, 184, 250)
BLUE_EDGE = (20, 52, 120)
STEEL = (176, 184, 198)
STEEL_LIGHT = (236, 240, 246)
STEEL_EDGE = (62, 68, 84)
GOLD = (255, 214, 40)
GOLD_LIGHT = (255, 246, 170)
GOLD_EDGE = (176, 112, 0)
WOOD = (178, 112, 52)
WOOD_EDGE = (92, 50, 16)

# --- parts ----------------------------------------------------------------------------------


def page(c, x0, y0, x1, y1, f):
    """A sheet of paper with a dog-ear of size f at the top right and lines of text."""
    c.paint(polygon([(x0, y0), (x1 - f, y0), (x1, y0 + f), (x1, y1), (x0, y1)]),
            diagonal(x0, y0, WHITE, x1, y1, PAPER_LOW), PAPER_EDGE)
    c.paint(polygon([(x1 - f, y0), (x1 - f, y0 + f), (x1, y0 + f)]), FOLD, PAPER_EDGE)
    px = 1 / c.scale  # one pixel in design units
    pitch = (2 if c.size <= 16 else 3) * px
    y = y0 + 2 * px + (pitch - px)
    while y + px <= y1 - 2 * px:
        right = x1 - f - px if y < y0 + f else x1 - 2 * px  # lines beside the dog-ear are shorter
        c.paint(box(x0 + 2 * px, y, right, y + px), TEXT_LINE)
        y += pitch


def folder_back(c, x0, y0, x1, y1, tab_w, tab_h, fill):
    c.paint(union(box(x0, y0 + tab_h, x1, y1, 0.5),
                  polygon([(x0, y0 + tab_h + 1), (x0, y0 + 0.5), (x0 + 0.5, y0),
                           (x0 + tab_w, y0), (x0 + tab_w + tab_h, y0 + tab_h),
                           (x0 + tab_w + tab_h, y0 + tab_h + 1)])),
            fill, FOLDER_EDGE)


def folder_closed(c, x0, y0, x1, y1):
    tab_h = max(2, round((y1 - y0) * 0.16))
    tab_w = round((x1 - x0) * 0.36)
    folder_back(c, x0, y0, x1, y1, tab_w, tab_h, FOLDER_DARK)
    c.paint(box(x0, y0 + tab_h + 2 / c.scale, x1, y1, 0.5),
            vertical(y0 + tab_h, FOLDER_LIGHT, y1, FOLDER_MID), FOLDER_EDGE)


def folder_open(c, x0, y0, x1, y1):
    """An open folder: the back with its tab, a sheet showing, the front flap tipped forward."""
    tab_h = max(2, round((y1 - y0) * 0.16))
    tab_w = round((x1 - x0) * 0.32)
    slant = round((x1 - x0) * 0.2)
    folder_back(c, x0, y0, x1 - slant, y1, tab_w, tab_h, FOLDER_DARK)
    inset = 2 / c.scale
    c.paint(box(x0 + inset, y0 + tab_h + inset, x1 - slant - inset, y1 - inset), WHITE, PAPER_EDGE)
    flap_top = y0 + tab_h + (y1 - y0 - tab_h) * 0.42
    c.paint(polygon([(x0, y1), (x0 + slant, flap_top), (x1, flap_top), (x1 - slant, y1)]),
            vertical(flap_top, FOLDER_LIGHT, y1, FOLDER_MID), FOLDER_EDGE)


def archive_box(c, x0, y0, x1, y1, depth, label=True, tape=True):
    """A closed cardboard box seen from the front left: its front, its lid and its right side."""
    fx1, fy0 = x1 - depth, y0 + depth
    c.paint(polygon([(fx1, fy0), (x1, y0), (x1, y1 - depth), (fx1, y1)]), CARD_SIDE, CARD_EDGE)
    c.paint(polygon([(x0, fy0), (x0 + depth, y0), (x1, y0), (fx1, fy0)]), CARD_TOP, CARD_EDGE)
    if tape:
        mid, half = (x0 + fx1) / 2, (fx1 - x0) * 0.12
        c.paint(polygon([(mid - half, fy0), (mid - half + depth, y0), (mid + half + depth, y0),
                         (mid + half, fy0)]), TAPE)
    c.paint(box(x0, fy0, fx1, y1), vertical(fy0, CARD_FRONT, y1, CARD_FRONT_LOW), CARD_EDGE)
    if label:
        w, h = (fx1 - x0) * 0.5, (y1 - fy0) * 0.3
        cx, cy = (x0 + fx1) / 2, fy0 + (y1 - fy0) * 0.5
        c.paint(box(cx - w / 2, cy - h / 2, cx + w / 2, cy + h / 2, 0.5), WHITE, CARD_EDGE)


def open_box(c, x0, y0, x1, y1, depth):
    """An empty box with its lid open: the back and left flaps fold outwards, the inside shows."""
    fx1, fy0 = x1 - depth, y0 + depth
    inner_side = vertical(y0 - 7, (246, 206, 150), y0, CARD_FRONT)
    c.paint(polygon([(x0 + depth, y0), (x1, y0), (x1 + 2, y0 - 7), (x0 + depth + 2, y0 - 7)]),
            inner_side, CARD_EDGE)
    c.paint(polygon([(fx1, fy0), (x1, y0), (x1, y1 - depth), (fx1, y1)]), CARD_SIDE, CARD_EDGE)
    c.paint(polygon([(x0, fy0), (x0 + depth, y0), (x1, y0), (fx1, fy0)]),
            vertical(y0, (64, 36, 12), fy0, CARD_INSIDE), CARD_EDGE)
    c.paint(polygon([(x0, fy0), (x0 + depth, y0), (x0 + depth - 5, y0 - 3), (x0 - 5, fy0 - 3)]),
            inner_side, CARD_EDGE)
    c.paint(box(x0, fy0, fx1, y1), vertical(fy0, CARD_FRONT, y1, CARD_FRONT_LOW), CARD_EDGE)


def arrow_right(c, x0, cy, x1, shaft=3.0, head=7.0, head_len=7.0):
    hx = x1 - head_len
    c.paint(polygon([(x0, cy - shaft), (hx, cy - shaft), (hx, cy - head), (x1, cy),
                     (hx, cy + head), (hx, cy + shaft), (x0, cy + shaft)]),
            vertical(cy - head, GREEN_LIGHT, cy + head, GREEN), GREEN_EDGE, 1.2)


def plus(c, cx, cy, r, arm):
    c.paint(union(box(cx - r, cy - arm, cx + r, cy + arm, 0.5),
                  box(cx - arm, cy - r, cx + arm, cy + r, 0.5)),
            vertical(cy - r, GREEN_LIGHT, cy + r, GREEN), GREEN_EDGE, 1.2)


def cross(c, cx, cy, r, arm):
    c.paint(union(stroke([(cx - r, cy - r), (cx + r, cy + r)], arm),
                  stroke([(cx - r, cy + r), (cx + r, cy - r)], arm)),
            vertical(cy - r, RED_LIGHT, cy + r, RED), RED_EDGE, 1.2)


def star(c, cx, cy, outer, inner):
    points = []
    for i in range(10):
        r = outer if i % 2 == 0 else inner
        a = math.radians(-90 + 36 * i)
        points.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    c.paint(polygon(points), vertical(cy - outer, GOLD_LIGHT, cy + outer, GOLD), GOLD_EDGE, 1.0)


def speaker(c):
    c.paint(union(box(3, 11, 10, 21, 0.5), polygon([(8, 11), (17, 4), (17, 28), (8, 21)])),
            vertical(4, (150, 160, 184), 28, (70, 78, 100)), INK, 1.2)
    c.paint(box(3, 11, 10, 21, 0.5), (108, 118, 140), INK, 1.2)


def gear(c, cx, cy, outer, inner, hole, teeth, tooth_w):
    shapes = [circle(cx, cy, inner)]
    for i in range(teeth):
        tooth = [(cx - tooth_w / 2, cy - outer), (cx + tooth_w / 2, cy - outer),
                 (cx + tooth_w / 2 + 1, cy - inner + 1), (cx - tooth_w / 2 - 1, cy - inner + 1)]
        shapes.append(polygon(turned(tooth, cx, cy, 360 * i / teeth + 360 / teeth / 2)))
    c.paint(subtract(union(*shapes), circle(cx, cy, hole)),
            diagonal(cx - outer, cy - outer, STEEL_LIGHT, cx + outer, cy + outer, (120, 128, 146)),
            STEEL_EDGE, 1.2)

# --- the pictures ---------------------------------------------------------------------------


def quill(c, nib, tip, wide, narrow, edge=1.0):
    """A feather pen from its nib to the tip of its vane; wide and narrow are the vane's half-widths
    on either side of the shaft, which bows slightly."""
    ax, ay = tip[0] - nib[0], tip[1] - nib[1]
    length = math.hypot(ax, ay)
    ux, uy = ax / length, ay / length

    def at(u, v):
        v += 0.06 * length * math.sin(math.pi * u / length)
        return (nib[0] + ux * u - uy * v, nib[1] + uy * u + ux * v)
    vane_start = 0.28 * length
    left, right = [], []
    for i in range(25):
        t = i / 24
        w = min(1.0, t / 0.18) ** 0.6 * max(0.0, 1 - max(0.0, (t - 0.55) / 0.45) ** 2) ** 0.5
        u = vane_start + (length - vane_start) * t
        notch = 0.55 if i in (11, 17) else 1.0  # the split barbs that make it read as a feather
        left.append(at(u, wide * w * notch))
        right.append(at(u, -narrow * w))
    shaft = [at(length * i / 10, 0) for i in range(10)]
    if c.size >= 32:
        c.paint(stroke(shaft[:4], 1.4), (250, 246, 232), INK, 0.8)
    else:
        c.paint(stroke(shaft[:4], 0.8), (250, 246, 232), INK, 0.5)
    c.paint(polygon(left + right[::-1]), diagonal(*at(0, wide), BLUE_LIGHT, *at(0, -narrow), BLUE),
            BLUE_EDGE, edge)
    c.paint(stroke(shaft[3:], 0.45 / c.scale), (236, 244, 255))
    nib_len, nib_half = 0.15 * length, 0.055 * length
    c.paint(polygon([at(-0.5, 0), at(nib_len, nib_half), at(nib_len, -nib_half)]), INK)


def program_icon(size):
    """An archive box with a quill pen standing in its lid."""
    if size >= 32:
        c = Canvas(32)
        archive_box(c, 1, 14, 27, 31, 6, tape=False)
        c.paint(polygon([(7.5, 19), (10.5, 16), (16, 16), (13, 19)]), CARD_INSIDE)
        quill(c, (11.5, 17.5), (30.5, 0.5), 5.4, 3.8)
    else:
        c = Canvas(16, 16)
        archive_box(c, 0, 7, 14, 16, 3, tape=False)
        quill(c, (5.8, 8.8), (15.8, 0), 3.2, 2.2, 1.0)
    return c


def small_canvas():
    """16 x 16 pictures are drawn pixel by pixel in their own units: smoothing only blurs them."""
    return Canvas(16, 16, crisp=True)


def tree_images():
    closed = small_canvas()
    folder_closed(closed, 1, 2, 15, 14)
    opened = small_canvas()
    folder_open(opened, 1, 2, 15, 14)
    return [closed, opened]


def generic_file_small():
    c = small_canvas()
    page(c, 2, 1, 14, 15, 4)
    return c


def generic_file_large():
    c = Canvas(32)
    page(c, 5, 2, 27, 30, 8)
    return c


def icon_options():
    c = Canvas(32)
    gear(c, 16, 16, 15, 10.5, 4.5, 8, 6)
    return c


def icon_open_archive():
    c = Canvas(32)
    tab_h, slant = 3, 6
    folder_back(c, 1, 8, 25, 29, 9, tab_h, FOLDER_DARK)
    archive_box(c, 5, 4, 26, 22, 5, label=False)
    flap_top = 18
    c.paint(polygon([(1, 29), (1 + slant, flap_top), (31, flap_top), (31 - slant, 29)]),
            vertical(flap_top, FOLDER_LIGHT, 29, FOLDER_MID), FOLDER_EDGE)
    return c


def icon_extract_files():
    c = Canvas(32)
    page(c, 3, 2, 21, 29, 6)
    arrow_right(c, 12, 20, 31, shaft=3, head=7.5, head_len=8)
    return c


def icon_search():
    c = Canvas(32)
    c.paint(stroke([(19.5, 19.5), (28.5, 28.5)], 3.2),
            diagonal(19, 19, (160, 100, 50), 29, 29, WOOD_EDGE), INK, 1.2)
    c.paint(circle(12.5, 12.5, 10.5), STEEL, INK, 1.2)
    c.paint(circle(12.5, 12.5, 7.5), diagonal(6, 6, WHITE, 19, 19, BLUE_LIGHT), INK, 1.2)
    c.paint(stroke(arc_points(12.5, 12.5, 4.8, 110, 170, 8), 0.9), WHITE)
    return c


def icon_play():
    c = Canvas(32)
    speaker(c)
    c.paint(polygon([(19.5, 8.5), (31, 16.5), (19.5, 24.5)]),
            vertical(8, GREEN_LIGHT, 25, GREEN), GREEN_EDGE, 1.2)
    return c


def icon_stop():
    c = Canvas(32)
    speaker(c)
    c.paint(box(20, 10.5, 30.5, 21.5, 1), vertical(10, RED_LIGHT, 22, RED), RED_EDGE, 1.2)
    return c


def icon_extract_folder():
    c = Canvas(32)
    folder_closed(c, 1, 4, 24, 25)
    arrow_right(c, 11, 23, 31, shaft=3, head=7.5, head_len=8)
    return c


def icon_help():
    c = Canvas(32)
    c.paint(circle(16, 16, 14.5), diagonal(5, 5, BLUE_LIGHT, 27, 27, BLUE), BLUE_EDGE, 1.2)
    hook = arc_points(16, 11.5, 4.6, 160, -60, 24)
    c.paint(stroke(hook + [(16, 17.5), (16, 19)], 2.1), WHITE)
    c.paint(circle(16, 24, 2.1), WHITE)
    return c


def icon_build_archive():
    c = Canvas(32)
    archive_box(c, 1, 13, 23, 31, 5)
    handle_from, handle_to = (12, 29), (23.5, 9)
    c.paint(stroke([handle_from, handle_to], 2.1), diagonal(10, 20, (222, 160, 90), 14, 22, WOOD),
            WOOD_EDGE, 1.0)
    head = [(-8.5, -3.4), (5, -3.4), (8.5, -2.2), (8.5, 2.2), (5, 3.4), (-8.5, 3.4)]
    angle = math.degrees(math.atan2(handle_to[1] - handle_from[1], handle_to[0] - handle_from[0]))
    cx, cy = 24.2, 7.8
    c.paint(polygon(turned([(cx + x, cy + y) for x, y in head], cx, cy, angle + 90)),
            diagonal(cx - 4, cy - 4, STEEL_LIGHT, cx + 4, cy + 4, (110, 118, 136)), STEEL_EDGE, 1.2)
    return c


def page_with(mark):
    def draw():
        c = Canvas(32)
        page(c, 3, 1, 23, 28, 7)
        mark(c, 23, 23, 7)
        return c
    return draw


def folder_with(mark):
    def draw():
        c = Canvas(32)
        folder_closed(c, 1, 4, 28, 26)
        mark(c, 23, 23, 7)
        return c
    return draw


def red_cross(c, cx, cy, r):
    cross(c, cx, cy, r - 1.5, 2.6)


def green_plus(c, cx, cy, r):
    plus(c, cx, cy, r, 2.6)


def icon_new_archive():
    c = Canvas(32)
    open_box(c, 6, 16, 29, 31, 7)
    star(c, 7.5, 7.5, 7, 3)
    return c


ACTION_ICONS = [icon_options, icon_open_archive, icon_extract_files, icon_search, icon_play,
                icon_stop, icon_extract_folder, icon_help, icon_build_archive,
                page_with(green_plus), page_with(red_cross), folder_with(red_cross),
                folder_with(green_plus), icon_new_archive]


def tool_open():
    c = small_canvas()
    folder_open(c, 0, 2, 16, 14)
    return c


def tool_save():
    c = small_canvas()
    c.paint(polygon([(1, 1), (13, 1), (15, 3), (15, 15), (1, 15)]),
            vertical(1, BLUE_LIGHT, 15, BLUE), BLUE_EDGE)
    c.paint(box(4, 1, 12, 6), STEEL_LIGHT, STEEL_EDGE)
    c.paint(box(9, 2, 11, 5), STEEL_EDGE)
    c.paint(box(3, 9, 13, 15), WHITE, BLUE_EDGE)
    c.paint(box(5, 11, 11, 12), TEXT_LINE)
    return c


def tool_cut():
    c = Canvas(16, 16)  # smoothed: the rings and blades are curves and slants
    c.paint(stroke([(5.2, 10), (11.2, 1)], 1.1), STEEL_LIGHT, STEEL_EDGE, 0.6)
    c.paint(stroke([(10.8, 10), (4.8, 1)], 1.1), STEEL_LIGHT, STEEL_EDGE, 0.6)
    for cx in (4, 12):
        c.paint(subtract(circle(cx, 12.5, 3.0), circle(cx, 12.5, 1.2)), RED, RED_EDGE, 0.6)
    c.paint(circle(8, 7.3, 0.9), STEEL_EDGE)
    return c


def tool_copy():
    c = small_canvas()
    page(c, 1, 1, 10, 12, 3)
    page(c, 6, 4, 15, 15, 3)
    return c


def tool_paste():
    c = small_canvas()
    c.paint(box(1, 2, 12, 15, 1), vertical(2, (214, 150, 80), 15, WOOD), WOOD_EDGE)
    c.paint(box(4, 1, 9, 4, 0.5), STEEL_LIGHT, STEEL_EDGE)
    page(c, 7, 6, 15, 15, 3)
    return c

# --- files ----------------------------------------------------------------------------------


def bitmap_rows(canvases):
    """24-bit rows of a horizontal strip, bottom row first, each padded to four bytes."""
    size = canvases[0].size
    stride = (size * len(canvases) * 3 + 3) & ~3
    rows = []
    for py in reversed(range(size)):
        row = bytearray()
        for c in canvases:
            for px in range(size):
                r, g, b = c.rgb(px, py)
                row += bytes((b, g, r))
        rows.append(bytes(row.ljust(stride, b"\0")))
    return b"".join(rows)


def write_strip(name, canvases):
    assert canvases[0].pixels[-1][0] is None, name + ": the lower-left pixel must stay transparent"
    size = canvases[0].size
    bits = bitmap_rows(canvases)
    info = struct.pack("<IiiHHIIiiII", 40, size * len(canvases), size, 1, 24, 0, len(bits),
                       2835, 2835, 0, 0)
    offset = 14 + len(info)
    header = struct.pack("<2sIHHI", b"BM", offset + len(bits), 0, 0, offset)
    with open(os.path.join(OUT, name), "wb") as f:
        f.write(header + info + bits)


def icon_image(c):
    """A 24-bit icon image: header with doubled height, colour rows, then the AND mask rows."""
    size = c.size
    colour = bytearray()
    mask = bytearray()
    mask_stride = ((size + 31) // 32) * 4
    for py in reversed(range(size)):
        row = bytearray()
        bits = bytearray(mask_stride)
        for px in range(size):
            if c.pixels[py][px] is None:
                row += b"\0\0\0"
                bits[px // 8] |= 0x80 >> (px % 8)
            else:
                r, g, b = c.rgb(px, py)
                row += bytes((b, g, r))
        colour += row.ljust((size * 3 + 3) & ~3, b"\0")
        mask += bits
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 24, 0, len(colour) + len(mask),
                       0, 0, 0, 0)
    return info + colour + mask


def write_icon(name, canvases):
    images = [icon_image(c) for c in canvases]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    entries = b""
    for c, image in zip(canvases, images):
        entries += struct.pack("<BBBBHHII", c.size, c.size, 0, 0, 1, 24, len(image), offset)
        offset += len(image)
    with open(os.path.join(OUT, name), "wb") as f:
        f.write(directory + entries + b"".join(images))


def main():
    write_icon("Quillon.ico", [program_icon(32), program_icon(16)])
    write_strip("ilTreeView.bmp", tree_images())
    write_strip("ilSmall.bmp", [generic_file_small()])
    write_strip("ilLarge.bmp", [generic_file_large()])
    write_strip("ilIcons.bmp", [draw() for draw in ACTION_ICONS])
    tools = [tool_open(), tool_save(), tool_cut(), tool_copy(), tool_paste()]
    write_strip("ilToolBar.bmp", tools + [t.greyed() for t in tools])


if __name__ == "__main__":
    main()
