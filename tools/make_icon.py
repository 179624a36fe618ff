#!/usr/bin/env python3
"""Draws Vellorin's icon: a 32 x 32 red square with a thin black border, crossed from top
left to bottom right by a white diagonal band. Writes data/vellorin.png (indexed colour)
and data/vellorin.ico (the same PNG inside an icon container, for the Windows build)."""
import pathlib
import struct
import zlib

SIZE = 32
BAND_HALF_WIDTH = 3  # pixels each side of the diagonal
RED, BLACK, WHITE = 0, 1, 2
PALETTE = bytes([0xCC, 0x11, 0x11, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF])


def pixel(x, y):
    if x in (0, SIZE - 1) or y in (0, SIZE - 1):
        return BLACK
    if abs(x - y) <= BAND_HALF_WIDTH:
        return WHITE
    return RED


def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))


def png():
    rows = b"".join(b"\x00" + bytes(pixel(x, y) for x in range(SIZE)) for y in range(SIZE))
    header = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 3, 0, 0, 0)  # 8-bit indexed colour
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"PLTE", PALETTE)
            + chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))


def ico(image):
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32, len(image), 6 + 16)
    return directory + entry + image


def main():
    out = pathlib.Path(__file__).resolve().parent.parent / "data"
    out.mkdir(exist_ok=True)
    image = png()
    (out / "vellorin.png").write_bytes(image)
    (out / "vellorin.ico").write_bytes(ico(image))


if __name__ == "__main__":
    main()
