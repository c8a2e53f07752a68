#!/usr/bin/env python3
"""Draws the About window's logo, CreatorLogo.png: an open book on a petrol
tile, a sound wave running across its pages. 64 x 64, transparent corners.

Plain Python (zlib for the PNG), drawn at four times the size and averaged
down, so the edges come out smooth. Run it from anywhere:
    python3 about/draw_creator_logo.py
"""

import os
import struct
import zlib

SIZE = 64
SCALE = 4
N = SIZE * SCALE

TILE = (31, 95, 122)
PAGE = (250, 247, 238)
SPINE = (196, 188, 168)
WAVE = (226, 120, 48)


def in_rounded_square(x, y, inset, radius):
    lo, hi = inset, SIZE - inset
    if not (lo <= x <= hi and lo <= y <= hi):
        return False
    cx = min(max(x, lo + radius), hi - radius)
    cy = min(max(y, lo + radius), hi - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def page_top(x):
    # The pages rise a little towards the outer edges, as an opened book does.
    return 18 - abs(x - 32) * 0.14


def page_bottom(x):
    return 48 - abs(x - 32) * 0.14 + 2.5


def in_book(x, y):
    return 9 <= x <= 55 and page_top(x) <= y <= page_bottom(x) - 2.5


def in_spine(x, y):
    return 31.2 <= x <= 32.8 and page_top(x) <= y <= page_bottom(x) - 2.5


# Bar heights of the wave, left page then right page; the gap is the spine.
BARS = [3, 6, 10, 15, 9, 5, 8, 12, 18, 11, 6, 9, 14, 7, 4]


def in_wave(x, y):
    left, step, width = 12.0, 2.8, 1.6
    for i, h in enumerate(BARS):
        bx = left + i * step + (1.5 if i >= 7 else 0.0)
        if bx <= x <= bx + width and abs(y - 33) <= h / 2:
            return True
    return False


def colour_at(x, y):
    if not in_rounded_square(x, y, 1, 11):
        return None
    if in_spine(x, y):
        return SPINE
    if in_book(x, y):
        return WAVE if in_wave(x, y) else PAGE
    return TILE


def render():
    rows = []
    for py in range(SIZE):
        row = bytearray()
        for px in range(SIZE):
            r = g = b = a = 0
            for sy in range(SCALE):
                for sx in range(SCALE):
                    c = colour_at(px + (sx + 0.5) / SCALE, py + (sy + 0.5) / SCALE)
                    if c:
                        r, g, b, a = r + c[0], g + c[1], b + c[2], a + 1
            if a:
                row += bytes((r // a, g // a, b // a, a * 255 // (SCALE * SCALE)))
            else:
                row += bytes(4)
        rows.append(bytes(row))
    return rows


def png(rows):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    raw = b"".join(b"\0" + row for row in rows)
    header = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


if __name__ == "__main__":
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)), "CreatorLogo.png")
    with open(out, "wb") as f:
        f.write(png(render()))
