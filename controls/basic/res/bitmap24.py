"""The drawing helpers that the resource generator scripts share: 24-bit bitmap files whose
transparent colour is olive, and the embossed greyed-out form of a picture. Standard library only.
"""
import struct

OLIVE = (128, 128, 0)
SHADOW = (128, 128, 128)
WHITE = (255, 255, 255)


def greyed(image):
    """The picture's silhouette embossed: shadow grey, with a white copy one pixel down and to the
    right. image: rows of (r, g, b) or None for the transparent colour."""
    height, width = len(image), len(image[0])
    out = [[None] * width for _ in range(height)]
    for y in range(height - 1):
        for x in range(width - 1):
            if image[y][x] is not None:
                out[y + 1][x + 1] = WHITE
    for y in range(height):
        for x in range(width):
            if image[y][x] is not None:
                out[y][x] = SHADOW
    return out


def write_bmp(path, rows):
    """rows: top to bottom, each a list of (r, g, b) or None for the transparent colour."""
    height, width = len(rows), len(rows[0])
    stride = (width * 3 + 3) & ~3
    pixels = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for pixel in row:
            r, g, b = pixel or OLIVE
            line += bytes((b, g, r))
        pixels += line + bytes(stride - len(line))
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    offset = 14 + len(header)
    with open(path, "wb") as f:
        f.write(struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset))
        f.write(header)
        f.write(pixels)
