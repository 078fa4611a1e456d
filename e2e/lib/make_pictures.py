#!/usr/bin/env python3
"""Pictures and sprite files for the end-to-end tests of Plyk2.

    make_pictures.py cutting OUT_DIR   picture.pcx (200 x 150) and expected.plk
    make_pictures.py animation OUT     an FLC of 5 frames, 64 x 48
    make_pictures.py text OUT          a text file that is no sprite file
    make_pictures.py large OUT         a 1600 x 1200 PCX of stripes (for timing)

picture.pcx, on background index 15 (its top-left pixel, so the transparent colour):
    A  (10, 10)-(29, 25)   index 40, with a 4 x 4 hole of background at (18, 16)
    B  (50, 10)-(61, 21)   a plus sign of index 80: its corners are background
    D  (100, 60)-(159, 99) a pattern 100 + (x + y) % 8, no background in it
expected.plk holds the sprites the cutting rules give for the clicks of
tests/plyk2_cutting.sh, in the order that test leaves them (see CUTS below).
"""
import struct
import sys

WIDTH, HEIGHT, BACKGROUND = 200, 150, 15


def cutting_picture():
    px = [[BACKGROUND] * WIDTH for _ in range(HEIGHT)]
    for y in range(10, 26):
        for x in range(10, 30):
            px[y][x] = 40
    for y in range(16, 20):
        for x in range(18, 22):
            px[y][x] = BACKGROUND
    for y in range(10, 22):
        for x in range(50, 62):
            if 54 <= x <= 57 or 14 <= y <= 17:
                px[y][x] = 80
    for y in range(60, 100):
        for x in range(100, 160):
            px[y][x] = 100 + (x + y) % 8
    return px


def palette():
    # A ramp that gives every index its own colour.
    out = bytearray()
    for i in range(256):
        out += bytes(((i * 7) % 256, (i * 3 + 40) % 256, (255 - i) % 256))
    return bytes(out)


def pcx(px, pal):
    h, w = len(px), len(px[0])
    bpl = (w + 1) & ~1
    head = bytearray(128)
    head[0:4] = bytes((10, 5, 1, 8))
    struct.pack_into("<6H", head, 4, 0, 0, w - 1, h - 1, 72, 72)
    head[65] = 1
    struct.pack_into("<HH", head, 66, bpl, 1)
    body = bytearray()
    encoded = {}  # equal rows (the large picture's) are encoded once
    for row in px:
        key = id(row)
        if key not in encoded:
            encoded[key] = pcx_row(row, bpl)
        body += encoded[key]
    return bytes(head) + bytes(body) + b"\x0c" + pal


def pcx_row(row, bpl):
    body = bytearray()
    line = list(row) + [0] * (bpl - len(row))
    i = 0
    while i < bpl:
        run = 1
        while i + run < bpl and run < 63 and line[i + run] == line[i]:
            run += 1
        if run > 1 or line[i] >= 0xC0:
            body.append(0xC0 | run)
        body.append(line[i])
        i += run
    return bytes(body)


def chunk(kind, data):
    return struct.pack("<IH", 6 + len(data), kind) + data


def byte_run(px):
    # Every line as literal packets of at most 127 bytes.
    data = bytearray()
    for row in px:
        packets = [row[i:i + 127] for i in range(0, len(row), 127)]
        data.append(len(packets) & 0xFF)
        for p in packets:
            data.append((256 - len(p)) & 0xFF)
            data += bytes(p)
    return chunk(15, bytes(data))


def flc(frames, pal):
    h, w = len(frames[0]), len(frames[0][0])
    body = bytearray()
    for i, px in enumerate(frames):
        subs = [chunk(4, struct.pack("<HBB", 1, 0, 0) + pal)] if i == 0 else []
        subs.append(byte_run(px))
        data = b"".join(subs)
        body += struct.pack("<IHH8x", 16 + len(data), 0xF1FA, len(subs)) + data
    head = bytearray(128)
    struct.pack_into("<IHHHHH", head, 0, 128 + len(body), 0xAF12, len(frames), w, h, 8)
    return bytes(head) + bytes(body)


def sprite_file(sprites):
    # "PLYK", version 100, five zero words, count, total length, offsets, then per
    # sprite its pixel count, width, height and pixels.
    blocks = [struct.pack("<3i", w * h, w, h) + bytes(p) for (w, h, p) in sprites]
    # The offset table as the cutter writes it: 0, then each earlier sprite's pixel
    # count plus 24 added on.
    offsets, at = [], 0
    for (w, h, _) in sprites:
        offsets.append(at)
        at += w * h + 24
    head = b"PLYK" + struct.pack("<6i", 100, 0, 0, 0, 0, 0)
    total = 36 + 4 * len(sprites) + sum(len(b) for b in blocks)
    head += struct.pack("<2i", len(sprites), total) + struct.pack("<%di" % len(sprites), *offsets)
    return head + b"".join(blocks)


def cut(px, x0, y0, x1, y1):
    pixels = []
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            v = px[y][x]
            pixels.append(0 if v == BACKGROUND else v)
    return (x1 - x0 + 1, y1 - y0 + 1, pixels)


# The rectangles each tool cuts for the test's clicks (cut size 24 x 16):
#   outward click at (15, 12)         -> A
#   inward drag (44, 4)-(70, 30)      -> B's box
#   free drag (110, 70)-(129, 79)     -> that rectangle
#   fixed click at (130, 80)          -> (130, 80)-(153, 95)
#   grid click at (125, 70)           -> the cell (120, 64)-(143, 79)
OUTWARD, INWARD, FREE, FIXED, GRID = ((10, 10, 29, 25), (50, 10, 61, 21), (110, 70, 129, 79),
                                      (130, 80, 153, 95), (120, 64, 143, 79))
# The sprite window then copies A before the free cut, moves the fixed cut to the end
# and deletes B.
CUTS = (OUTWARD, OUTWARD, FREE, GRID, FIXED)


def animation():
    frames = []
    for i in range(5):
        px = [[3] * 64 for _ in range(48)]
        for y in range(10, 20):
            for x in range(5 + 8 * i, 15 + 8 * i):
                px[y][x] = 50 + i
        frames.append(px)
    return frames


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    kind, out = sys.argv[1], sys.argv[2]
    if kind == "cutting":
        px = cutting_picture()
        with open(out + "/picture.pcx", "wb") as f:
            f.write(pcx(px, palette()))
        with open(out + "/expected.plk", "wb") as f:
            f.write(sprite_file([cut(px, *r) for r in CUTS]))
    elif kind == "animation":
        with open(out, "wb") as f:
            f.write(flc(animation(), palette()))
    elif kind == "large":
        rows = [[16 + (x // 8 + y) % 200 for x in range(1600)] for y in range(8)]
        with open(out, "wb") as f:
            f.write(pcx([rows[y % 8] for y in range(1200)], palette()))
    elif kind == "text":
        with open(out, "w") as f:
            f.write("This is a text file, not a sprite file.\n")
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main()
