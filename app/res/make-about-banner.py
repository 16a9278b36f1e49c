#!/usr/bin/env python3
"""Draws the about box's banner and puts it into the about box's form resource:

  AboutBanner.jpg   500 x 125, baseline JPEG with 4:2:0 chroma, encoded by ImageMagick's convert
                    from a 24-bit BMP drawn here with Python 3's standard library
  ../frmAbout.form  its Picture.Data: a length byte, "TJPEGImage", then the JPEG file, in hex

Run `python3 app/res/make-about-banner.py` after changing it and commit both files; the build
uses the committed form and needs neither Python nor ImageMagick.
"""
import math
import os
import re
import struct
import subprocess
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
WIDTH, HEIGHT = 500, 125
SAMPLES = 3  # per pixel side, for smooth edges

# A 5 x 7 block font for the letters the banner uses.
GLYPHS = {
    "A": ["01110", "10001", "10001", "11111", "10001", "10001", "10001"],
    "C": ["01110", "10001", "10000", "10000", "10000", "10001", "01110"],
    "E": ["11111", "10000", "10000", "11110", "10000", "10000", "11111"],
    "F": ["11111", "10000", "10000", "11110", "10000", "10000", "10000"],
    "H": ["10001", "10001", "10001", "11111", "10001", "10001", "10001"],
    "I": ["01110", "00100", "00100", "00100", "00100", "00100", "01110"],
    "L": ["10000", "10000", "10000", "10000", "10000", "10000", "11111"],
    "N": ["10001", "11001", "10101", "10011", "10001", "10001", "10001"],
    "O": ["01110", "10001", "10001", "10001", "10001", "10001", "01110"],
    "P": ["11110", "10001", "10001", "11110", "10000", "10000", "10000"],
    "Q": ["01110", "10001", "10001", "10001", "10101", "10010", "01101"],
    "R": ["11110", "10001", "10001", "11110", "10100", "10010", "10001"],
    "U": ["10001", "10001", "10001", "10001", "10001", "10001", "01110"],
    "V": ["10001", "10001", "10001", "10001", "10001", "01010", "00100"],
    "X": ["10001", "10001", "01010", "00100", "01010", "10001", "10001"],
    " ": ["00000"] * 7,
}


def text_mask(text, left, top, scale, spacing):
    """Inside-test for block text whose cells are scale x scale pixels."""
    cells = set()
    x = 0
    for ch in text:
        for row, bits in enumerate(GLYPHS[ch]):
            for col, bit in enumerate(bits):
                if bit == "1":
                    cells.add((x + col, row))
        x += 5 + spacing

    def inside(px, py):
        cx, cy = math.floor((px - left) / scale), math.floor((py - top) / scale)
        return (cx, cy) in cells

    return inside


def sword():
    """A sword standing upright: blade, crossguard (the quillons), grip and pommel."""
    def blade(x, y):
        if not 18 <= y <= 86:
            return False
        half = 5.5 if y > 28 else 5.5 * (y - 18) / 10
        return abs(x - 62) <= half

    def guard(x, y):
        # A bar with rounded, slightly raised ends.
        lift = ((x - 62) / 34) ** 2 * 4
        return abs(x - 62) <= 34 and abs(y - (90 - lift)) <= 3.5 or math.hypot(x - 28, y - 86) <= 4.5 or math.hypot(x - 96, y - 86) <= 4.5

    def grip(x, y):
        return abs(x - 62) <= 3.5 and 93 <= y <= 108

    def pommel(x, y):
        return math.hypot(x - 62, y - 112) <= 5.5

    return [(blade, (222, 228, 236)), (guard, (214, 170, 62)), (grip, (110, 66, 36)), (pommel, (214, 170, 62))]


def background(x, y):
    t = y / HEIGHT
    base = [int(16 + 54 * t), int(30 + 80 * t), int(78 + 92 * t)]
    # Soft diagonal bands of light.
    band = max(0.0, math.sin((x + y * 1.6) / 38.0)) ** 8 * 22
    return tuple(min(255, int(c + band)) for c in base)


def draw():
    title = text_mask("QUILLON", 140, 22, 6, 1)
    shadow = text_mask("QUILLON", 143, 25, 6, 1)
    subtitle = text_mask("RFA ARCHIVE EXPLORER", 142, 80, 2, 1)
    shapes = sword()
    pixels = []
    for y in range(HEIGHT):
        row = []
        for x in range(WIDTH):
            acc = [0, 0, 0]
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    px, py = x + (sx + 0.5) / SAMPLES, y + (sy + 0.5) / SAMPLES
                    colour = background(px, py)
                    if shadow(px, py):
                        colour = (10, 18, 44)
                    if title(px, py):
                        colour = (250, 250, 255)
                    if subtitle(px, py):
                        colour = (176, 206, 240)
                    for inside, shape_colour in shapes:
                        if inside(px, py):
                            colour = shape_colour
                    for i in range(3):
                        acc[i] += colour[i]
            row.append(tuple(round(c / SAMPLES ** 2) for c in acc))
        pixels.append(row)
    return pixels


def write_bmp(path, pixels):
    rows = b""
    for row in reversed(pixels):
        line = bytes(c for (r, g, b) in row for c in (b, g, r))
        rows += line + b"\0" * ((-len(line)) % 4)
    header = struct.pack("<2sIHHIIiiHHIIiiII", b"BM", 54 + len(rows), 0, 0, 54, 40, WIDTH, HEIGHT, 1, 24, 0,
                         len(rows), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + rows)


def embed(jpeg):
    form = os.path.join(HERE, "..", "frmAbout.form")
    data = bytes([len(b"TJPEGImage")]) + b"TJPEGImage" + jpeg
    hexed = data.hex().upper()
    lines = [hexed[i:i + 64] for i in range(0, len(hexed), 64)]
    block = "Picture.Data = {\n" + "\n".join("      " + line for line in lines) + "}"
    with open(form) as f:
        text = f.read()
    text, count = re.subn(r"Picture\.Data = \{[0-9A-F\s]*\}", lambda _: block, text)
    if count != 1:
        raise SystemExit("frmAbout.form: no single Picture.Data block")
    with open(form, "w") as f:
        f.write(text)


def main():
    jpeg_path = os.path.join(HERE, "AboutBanner.jpg")
    with tempfile.TemporaryDirectory() as work:
        bmp = os.path.join(work, "banner.bmp")
        write_bmp(bmp, draw())
        subprocess.run(["convert", bmp, "-strip", "-interlace", "none", "-quality", "90", "-sampling-factor", "2x2",
                        jpeg_path], check=True)
    with open(jpeg_path, "rb") as f:
        embed(f.read())


if __name__ == "__main__":
    main()
