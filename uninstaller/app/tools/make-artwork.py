#!/usr/bin/env python3
"""Draws the uninstaller's pictures and writes them into res/:

  program.ico     icon 101, 32 x 32 and 16 x 16: a package with a red removal mark
  bin.ico         icon 107, 32 x 32: the waste bin of the progress animation
  sheetNN.ico     icons 108 to 130, 32 x 32: a sheet of paper turning on its way to the bin
  banner.bmp      bitmap 106, 500 x 63: the wizard's banner

Icons use the 16 standard colours; the banner has 256 colours. Run it again after a change
and commit the files it writes.
"""
import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "..", "res")

# The 16 standard colours, as (red, green, blue).
VGA = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
       (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
       (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
BLACK, MAROON, NAVY, SILVER, GREY, RED, BLUE, WHITE, TEAL = 0, 1, 4, 7, 8, 9, 12, 15, 6
CLEAR = None


class Canvas:
    def __init__(self, size):
        self.size = size
        self.pixels = [[CLEAR] * size for _ in range(size)]

    def put(self, x, y, colour):
        if 0 <= x < self.size and 0 <= y < self.size:
            self.pixels[y][x] = colour

    def rect(self, x0, y0, x1, y1, fill, outline=None):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                edge = x in (x0, x1) or y in (y0, y1)
                self.put(x, y, outline if edge and outline is not None else fill)

    def disc(self, cx, cy, radius, fill, outline=None):
        for y in range(self.size):
            for x in range(self.size):
                d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
                if d <= radius:
                    self.put(x, y, outline if outline is not None and d > radius - 1.2 else fill)

    def polygon(self, points, fill, outline):
        """Fills a convex polygon; pixels near its edge get the outline colour."""
        for y in range(self.size):
            for x in range(self.size):
                px, py = x + 0.5, y + 0.5
                inside, nearest = True, 1e9
                for (ax, ay), (bx, by) in zip(points, points[1:] + points[:1]):
                    ex, ey = bx - ax, by - ay
                    cross = ex * (py - ay) - ey * (px - ax)
                    length = math.hypot(ex, ey)
                    if cross < 0:
                        inside = False
                        break
                    nearest = min(nearest, cross / length)
                if inside:
                    self.put(x, y, outline if nearest < 1.1 else fill)


def icon_image(canvas):
    """One icon image: header, palette, colour bits (4 per pixel) and the transparency mask."""
    size = canvas.size
    colour_row = ((size * 4 + 31) // 32) * 4
    mask_row = ((size + 31) // 32) * 4
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0,
                         (colour_row + mask_row) * size, 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in VGA)
    colour_bits, mask_bits = b"", b""
    for y in reversed(range(size)):
        row = [canvas.pixels[y][x] for x in range(size)]
        nibbles = [0 if c is CLEAR else c for c in row]
        packed = bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, size, 2))
        colour_bits += packed.ljust(colour_row, b"\0")
        mask = bytearray(mask_row)
        for x, c in enumerate(row):
            if c is CLEAR:
                mask[x // 8] |= 0x80 >> (x % 8)
        mask_bits += bytes(mask)
    return header + palette + colour_bits + mask_bits


def write_icon(name, canvases):
    images = [icon_image(c) for c in canvases]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for canvas, image in zip(canvases, images):
        directory += struct.pack("<BBBBHHII", canvas.size, canvas.size, 16, 0, 1, 4, len(image), offset)
        offset += len(image)
    with open(os.path.join(OUT, name), "wb") as f:
        f.write(directory + b"".join(images))


def program_icon(size):
    s = size / 32
    c = Canvas(size)
    # The package: front face, top face and side.
    c.rect(int(3 * s), int(11 * s), int(21 * s), int(28 * s), BLUE, NAVY)
    c.polygon([(3 * s, 11 * s), (9 * s, 5 * s), (27 * s, 5 * s), (21 * s, 11 * s)], TEAL, NAVY)
    c.polygon([(21 * s, 11 * s), (27 * s, 5 * s), (27 * s, 22 * s), (21 * s, 28 * s)], NAVY, BLACK)
    # The removal mark.
    c.disc(23 * s, 23 * s, 8 * s, RED, MAROON)
    c.rect(int(19 * s), int(22 * s), int(27 * s) - 1, int(24 * s) - 1, WHITE)
    return c


def bin_icon():
    c = Canvas(32)
    c.polygon([(6, 9), (26, 9), (23, 30), (9, 30)], SILVER, BLACK)
    for x in (12, 16, 20):
        for y in range(12, 28):
            c.put(x, y, GREY)
    c.rect(4, 6, 27, 8, GREY, BLACK)
    c.rect(13, 3, 18, 5, GREY, BLACK)
    return c


def sheet_icon(frame):
    """Frame 1 to 23: the sheet turns once around as it flies."""
    c = Canvas(32)
    angle = math.radians(frame * 360 / 24)
    cos, sin = math.cos(angle), math.sin(angle)
    half_w, half_h = 8, 11

    def turned(x, y):
        return (16 + x * cos - y * sin, 16 + x * sin + y * cos)

    corners = [turned(-half_w, -half_h), turned(half_w, -half_h), turned(half_w, half_h), turned(-half_w, half_h)]
    c.polygon(corners, WHITE, BLACK)
    for line in range(-6, 8, 3):
        for step in range(-5, 6):
            x, y = turned(step, line)
            c.put(int(x), int(y), BLUE)
    return c


def write_banner(width=500, height=63):
    # Palette: 0..191 a ramp from white to light blue, 192..255 a ramp of deeper blues.
    palette = []
    for i in range(192):
        t = i / 191
        palette.append((int(255 - 70 * t), int(255 - 45 * t), 255))
    for i in range(64):
        t = i / 63
        palette.append((int(185 - 160 * t), int(210 - 150 * t), int(255 - 90 * t)))
    rows = []
    for y in range(height):
        row = bytearray(width)
        for x in range(width):
            index = min(191, x * 192 // width)
            # Arcs round a centre beyond the right edge.
            d = math.hypot(x - 560, y - 90)
            band = int(d) // 14
            if d < 260 and band % 2 == 0:
                index = 192 + min(63, max(0, int((260 - d) / 4)))
            row[x] = index
        rows.append(bytes(row))
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, width * height, 2835, 2835, 256, 0)
    colours = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    bits = b"".join(reversed(rows))
    offset = 14 + len(info) + len(colours)
    header = struct.pack("<2sIHHI", b"BM", offset + len(bits), 0, 0, offset)
    with open(os.path.join(OUT, "banner.bmp"), "wb") as f:
        f.write(header + info + colours + bits)


def main():
    os.makedirs(OUT, exist_ok=True)
    write_icon("program.ico", [program_icon(32), program_icon(16)])
    write_icon("bin.ico", [bin_icon()])
    for frame in range(1, 24):
        write_icon("sheet%02d.ico" % frame, [sheet_icon(frame)])
    write_banner()


if __name__ == "__main__":
    main()
