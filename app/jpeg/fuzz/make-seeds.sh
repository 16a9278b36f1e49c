#!/usr/bin/env bash
# Writes the fuzzer's seeds: small pictures drawn here as BMP files and encoded by ImageMagick's
# convert as the kinds of JPEG the decoder reads (grey, 4:4:4, 4:2:0, 4:2:2).
set -euo pipefail
cd "$(dirname "$0")/seeds"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 - "$work/seed.bmp" <<'PY'
import struct, sys
width, height = 20, 12
rows = b""
for y in reversed(range(height)):
    row = bytes(v for x in range(width) for v in ((x * 12) % 256, (y * 20) % 256, ((x ^ y) * 16) % 256))
    rows += row + b"\0" * ((-len(row)) % 4)
header = struct.pack("<2sIHHIIiiHHIIiiII", b"BM", 54 + len(rows), 0, 0, 54, 40, width, height, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
open(sys.argv[1], "wb").write(header + rows)
PY
convert "$work/seed.bmp" -strip -quality 80 -colorspace Gray grey.jpg
convert "$work/seed.bmp" -strip -quality 90 -sampling-factor 1x1 colour444.jpg
convert "$work/seed.bmp" -strip -quality 60 -sampling-factor 2x2 colour420.jpg
convert "$work/seed.bmp" -strip -quality 70 -sampling-factor 2x1 -define jpeg:optimize-coding=true colour422.jpg
