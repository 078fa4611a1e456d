#!/usr/bin/env python3
"""Writes examples/shapes.plk: a few small figures in the built-in palette.

The sprite file layout: "PLYK", version 100, five zero words, count, total length,
an offset table, then per sprite: pixel count, width, height, pixels (0 transparent).
"""
import math
import struct
import sys


def ball(r, body, shade, light):
    size = 2 * r + 1
    px = []
    for y in range(size):
        for x in range(size):
            dx, dy = x - r, y - r
            d = math.hypot(dx, dy)
            if d > r:
                px.append(0)
            elif math.hypot(dx + r / 3, dy + r / 3) < r / 3:
                px.append(light)
            elif d > r - 2:
                px.append(shade)
            else:
                px.append(body)
    return size, size, px


def star(r, body, edge):
    size = 2 * r + 1
    pts = []
    for i in range(10):
        a = -math.pi / 2 + i * math.pi / 5
        rr = r if i % 2 == 0 else r * 0.45
        pts.append((r + rr * math.cos(a), r + rr * math.sin(a)))

    def inside(x, y):
        c = False
        for i in range(10):
            (x1, y1), (x2, y2) = pts[i], pts[(i + 1) % 10]
            if (y1 > y) != (y2 > y) and x < (x2 - x1) * (y - y1) / (y2 - y1) + x1:
                c = not c
        return c

    px = []
    for y in range(size):
        for x in range(size):
            if inside(x + 0.5, y + 0.5):
                edge_px = not all(inside(x + 0.5 + dx, y + 0.5 + dy) for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
                px.append(edge if edge_px else body)
            else:
                px.append(0)
    return size, size, px


def block(w, h, body, edge):
    px = []
    for y in range(h):
        for x in range(w):
            px.append(edge if x in (0, w - 1) or y in (0, h - 1) else body)
    return w, h, px


def main(out):
    sprites = [ball(9, 52, 60, 48), ball(6, 68, 75, 64), star(12, 52, 59), block(16, 10, 104, 110), block(5, 20, 132, 140)]
    count = len(sprites)
    body = b""
    offsets = []
    offset = 0
    for w, h, px in sprites:
        offsets.append(offset)
        offset += w * h + 24
        body += struct.pack("<3i", w * h, w, h) + bytes(px)
    total = 36 + 4 * count + sum(12 + w * h for w, h, _ in sprites)
    header = b"PLYK" + struct.pack("<8i", 100, 0, 0, 0, 0, 0, count, total)
    with open(out, "wb") as f:
        f.write(header + struct.pack("<%di" % count, *offsets) + body)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "shapes.plk")
