#!/usr/bin/env python3
"""Turns the text drawing of the program icon into a 16-colour .ico file.

Usage: make_icon.py program-icon.txt out.ico
The drawing holds one or more images, each opened by a line 'size N' and
followed by N rows of N characters: '.' transparent, 'W' white, 'K' black.
"""
import struct
import sys

# The standard 16-colour palette; the drawing uses black (0) and white (15).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
    (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
    (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
COLOURS = {".": 0, "K": 0, "W": 15}


def read_images(path):
    images, rows, size = [], None, 0
    for number, line in enumerate(open(path, encoding="ascii"), 1):
        line = line.rstrip("\n")
        if not line or line.startswith("#"):
            continue
        if line.startswith("size "):
            size = int(line.split()[1])
            rows = []
            images.append((size, rows))
            continue
        if rows is None or len(line) != size or any(c not in COLOURS for c in line):
            sys.exit(f"{path}:{number}: expected {size} of '.', 'W', 'K'")
        rows.append(line)
    for size, rows in images:
        if len(rows) != size:
            sys.exit(f"{path}: the {size}x{size} image has {len(rows)} rows")
    return images


def padded(row_bytes):
    return row_bytes + b"\0" * (-len(row_bytes) % 4)


def image_bytes(size, rows):
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    colour, mask = b"", b""
    for row in reversed(rows):  # bitmaps are stored bottom-up
        nibbles = [COLOURS[c] for c in row]
        colour += padded(bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, size, 2)))
        bits = [1 if c == "." else 0 for c in row]
        mask += padded(bytes(sum(bit << (7 - j) for j, bit in enumerate(bits[i:i + 8])) for i in range(0, size, 8)))
    return header + palette + colour + mask


def main(source, target):
    images = read_images(source)
    blobs = [image_bytes(size, rows) for size, rows in images]
    out = struct.pack("<HHH", 0, 1, len(blobs))
    offset = 6 + 16 * len(blobs)
    for (size, _), blob in zip(images, blobs):
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 16, 0, 1, 4, len(blob), offset)
        offset += len(blob)
    with open(target, "wb") as f:
        f.write(out + b"".join(blobs))


if __name__ == "__main__":
    main(*sys.argv[1:3])
