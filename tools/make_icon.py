#!/usr/bin/env python3
"""Draws Vellorin's icon: a 32 x 32 red square with a thin black border, crossed from top
left to bottom right by a white diagonal band. Writes data/vellorin.png (indexed colour)
and data/vellorin.ico (the same PNG and the larger and smaller icons, for the Windows build), the
icon at the desktop's sizes from 16 to 256 pixels and as SVG in data/icons/apps/, and the
icon of a session file (a page carrying the same square) in data/icons/mimetypes/."""
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


def ico(images):
    """PNG images by size in one icon container; Windows picks the size it shows."""
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries, data = b"", b""
    for size, image in images:
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(image),
                               offset + len(data))
        data += image
    return directory + entries + data


SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
COLOURS = {RED: (0xCC, 0x11, 0x11, 255), BLACK: (0, 0, 0, 255), WHITE: (255, 255, 255, 255)}
PAGE, EDGE, CLEAR = (250, 250, 250, 255), (110, 110, 110, 255), (0, 0, 0, 0)


def emblem(u, v):
    """The icon's colour at a point of the unit square (0 to 1 across and down)."""
    border = 1.0 / SIZE
    if min(u, v, 1 - u, 1 - v) < border:
        return COLOURS[BLACK]
    if abs(u - v) <= (BAND_HALF_WIDTH + 0.5) / SIZE:
        return COLOURS[WHITE]
    return COLOURS[RED]


def page(u, v):
    """A session file: a page with a folded corner, the icon's square on its lower part."""
    left, right, top, bottom, fold = 0.16, 0.84, 0.04, 0.96, 0.2
    if not (left <= u <= right and top <= v <= bottom) or u - left > (right - left) - fold + (v - top):
        return CLEAR
    if u - left > (right - left) - fold + (v - top) - 0.03 or min(u - left, right - u, v - top, bottom - v) < 0.03:
        return EDGE
    box = (0.28, 0.42, 0.72, 0.86)  # the emblem's square
    if box[0] <= u <= box[2] and box[1] <= v <= box[3]:
        return emblem((u - box[0]) / (box[2] - box[0]), (v - box[1]) / (box[3] - box[1]))
    return PAGE


def rgba_png(size, paint, samples=4):
    """A size x size RGBA PNG of paint, each pixel the mean of samples x samples points."""
    rows = []
    for y in range(size):
        row = bytearray(b"\x00")
        for x in range(size):
            points = [paint((x + (i + 0.5) / samples) / size, (y + (j + 0.5) / samples) / size)
                      for i in range(samples) for j in range(samples)]
            alpha = sum(p[3] for p in points)
            for c in range(3):
                row.append(round(sum(p[c] * p[3] for p in points) / alpha) if alpha else 0)
            row.append(round(alpha / len(points)))
        rows.append(bytes(row))
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(b"".join(rows), 9)) + chunk(b"IEND", b""))


SVG_EMBLEM = """<rect x="{x}" y="{y}" width="{w}" height="{w}" fill="#cc1111" stroke="#000" stroke-width="{b}"/>
<clipPath id="c"><rect x="{x}" y="{y}" width="{w}" height="{w}"/></clipPath>
<line x1="{x}" y1="{y}" x2="{x2}" y2="{y2}" stroke="#fff" stroke-width="{band}" clip-path="url(#c)"/>"""


def svg(body):
    return ('<?xml version="1.0" encoding="UTF-8"?>\n<svg xmlns="http://www.w3.org/2000/svg" '
            'width="256" height="256" viewBox="0 0 256 256">\n' + body + "\n</svg>\n")


def emblem_svg(x, y, w):
    return SVG_EMBLEM.format(x=x, y=y, w=w, x2=x + w, y2=y + w, b=w / SIZE * 2,
                             band=w / SIZE * (2 * BAND_HALF_WIDTH + 1) * 2 ** 0.5)


def main():
    out = pathlib.Path(__file__).resolve().parent.parent / "data"
    out.mkdir(exist_ok=True)
    image = png()
    (out / "vellorin.png").write_bytes(image)
    for kind, paint in (("apps", emblem), ("mimetypes", page)):
        folder = out / "icons" / kind
        folder.mkdir(parents=True, exist_ok=True)
        for size in SIZES:
            (folder / f"{size}.png").write_bytes(rgba_png(size, paint))
    (out / "vellorin.ico").write_bytes(ico([(SIZE, image)] + [
        (size, rgba_png(size, emblem)) for size in (16, 24, 48, 64, 128, 256)]))
    (out / "icons/apps/scalable.svg").write_text(svg(emblem_svg(0, 0, 256)))
    (out / "icons/mimetypes/scalable.svg").write_text(svg(
        '<path d="M41 10 H164 L215 61 V246 H41 Z" fill="#fafafa" stroke="#6e6e6e" stroke-width="8"/>\n'
        '<path d="M164 10 V61 H215" fill="none" stroke="#6e6e6e" stroke-width="8"/>\n'
        + emblem_svg(72, 108, 112)))


if __name__ == "__main__":
    main()
