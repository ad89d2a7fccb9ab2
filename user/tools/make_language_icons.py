#!/usr/bin/env python3
"""Draws the flags beside the languages of the user page's language selector.

Writes user/images/EN02.png, CN02.png, eryu.png and belang.png (36 x 24
pixels each); run it after changing a flag and commit the images:

    python3 user/tools/make_language_icons.py
"""

import math
import os
import struct
import zlib

W, H = 36, 24

RED = (218, 41, 28)
YELLOW = (255, 222, 0)
WHITE = (255, 255, 255)
BLUE = (0, 57, 166)
NAVY = (1, 33, 105)
UK_RED = (200, 16, 46)


def star(cx, cy, r, angle=0.0):
    """The five-pointed star around (cx, cy) of outer radius r, as a polygon."""
    points = []
    for i in range(10):
        radius = r if i % 2 == 0 else r * 0.382
        a = angle + math.pi * i / 5 - math.pi / 2
        points.append((cx + radius * math.cos(a), cy + radius * math.sin(a)))
    return points


def inside(poly, x, y):
    hit = False
    for i in range(len(poly)):
        (x1, y1), (x2, y2) = poly[i], poly[i - 1]
        if (y1 > y) != (y2 > y) and x < (x2 - x1) * (y - y1) / (y2 - y1) + x1:
            hit = not hit
    return hit


def english(x, y):
    # Diagonals, then the upright cross over them.
    u, v = x / W, y / H
    d1, d2 = abs(v - u), abs(v - (1 - u))
    if abs(x - W / 2) < 2.2 or abs(y - H / 2) < 2.2:
        return UK_RED
    if abs(x - W / 2) < 4 or abs(y - H / 2) < 4:
        return WHITE
    if min(d1, d2) < 0.04:
        return UK_RED
    if min(d1, d2) < 0.1:
        return WHITE
    return NAVY


CN_STARS = [star(6, 6, 4.2)] + [star(cx, cy, 1.4, 0.4) for cx, cy in ((12, 2.4), (14.4, 4.8), (14.4, 8.4), (12, 10.8))]
VN_STAR = star(W / 2, H / 2 + 0.5, 8.5)


def chinese(x, y):
    return YELLOW if any(inside(s, x, y) for s in CN_STARS) else RED


def russian(x, y):
    return (WHITE, BLUE, RED)[min(2, int(y * 3 // H))]


def vietnamese(x, y):
    return YELLOW if inside(VN_STAR, x, y) else RED


def png(path, colour):
    rows = b''
    for y in range(H):
        rows += b'\x00'
        for x in range(W):
            # Four samples per pixel smooth the edges.
            samples = [colour(x + dx, y + dy) for dx in (0.25, 0.75) for dy in (0.25, 0.75)]
            rows += bytes(sum(s[i] for s in samples) // 4 for i in range(3))

    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))

    with open(path, 'wb') as f:
        f.write(b'\x89PNG\r\n\x1a\n')
        f.write(chunk(b'IHDR', struct.pack('>IIBBBBB', W, H, 8, 2, 0, 0, 0)))
        f.write(chunk(b'IDAT', zlib.compress(rows, 9)))
        f.write(chunk(b'IEND', b''))


if __name__ == '__main__':
    folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'images')
    os.makedirs(folder, exist_ok=True)
    for name, colour in (('EN02', english), ('CN02', chinese), ('eryu', russian), ('belang', vietnamese)):
        png(os.path.join(folder, name + '.png'), colour)
