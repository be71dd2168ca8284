#!/usr/bin/env python3
"""Draws logo.png of the bank sample: a ring around an old-style coin (a disc
with a square hole), black on white, smoothed by 4x4 supersampling. Written
with zlib alone so the logo can be redrawn anywhere the samples are built."""
import os
import struct
import zlib

SIZE = 144
SUB = 4


def ink(x, y):
    """True where the mark is black; x and y in -1..1 from the centre."""
    r2 = x * x + y * y
    ring = 0.84 ** 2 <= r2 <= 0.96 ** 2
    disc = r2 <= 0.70 ** 2
    hole = abs(x) <= 0.24 and abs(y) <= 0.24
    return ring or (disc and not hole)


def pixels():
    rows = []
    for py in range(SIZE):
        row = bytearray()
        for px in range(SIZE):
            covered = 0
            for sy in range(SUB):
                for sx in range(SUB):
                    x = ((px + (sx + 0.5) / SUB) / SIZE) * 2 - 1
                    y = ((py + (sy + 0.5) / SUB) / SIZE) * 2 - 1
                    covered += ink(x, y)
            row.append(255 - round(255 * covered / (SUB * SUB)))
        rows.append(bytes(row))
    return rows


def png(rows):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    header = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 0, 0, 0, 0)  # 8-bit greyscale
    raw = b"".join(b"\x00" + row for row in rows)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


if __name__ == "__main__":
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "logo.png")
    with open(path, "wb") as f:
        f.write(png(pixels()))
