#!/usr/bin/env python3
"""Draws Option's own icons and list bitmaps (small enough to keep in the repository):
icon 128 (the program), icon 145 (submenu arrow), bitmaps 135 clock, 137 arrow up,
138 arrow down, 146 mouse. Run it from anywhere; it writes next to itself."""
import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
ORANGE = (250, 158, 57)
MAGENTA = (255, 0, 255)


def coverage(inside, x, y, samples=4):
    """Anti-aliased coverage of pixel (x, y) by the shape inside(px, py)."""
    hits = 0
    for i in range(samples):
        for j in range(samples):
            if inside(x + (i + 0.5) / samples, y + (j + 0.5) / samples):
                hits += 1
    return hits / (samples * samples)


def in_polygon(points, px, py):
    inside = False
    n = len(points)
    for i in range(n):
        (x1, y1), (x2, y2) = points[i], points[(i + 1) % n]
        if (y1 > py) != (y2 > py) and px < x1 + (py - y1) * (x2 - x1) / (y2 - y1):
            inside = not inside
    return inside


def write_bmp24(name, size, pixel):
    """A bottom-up 24-bit BMP; pixel(x, y) gives (r, g, b)."""
    w, h = size
    stride = (w * 3 + 3) & ~3
    rows = b""
    for y in range(h - 1, -1, -1):
        row = b"".join(bytes((b, g, r)) for r, g, b in (pixel(x, y) for x in range(w)))
        rows += row + b"\0" * (stride - len(row))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(rows), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(header + info + rows)


def icon_image(size, pixel):
    """One 32-bit icon image (BITMAPINFOHEADER, BGRA rows, AND mask); pixel gives RGBA."""
    xor = b""
    mask = b""
    mask_stride = ((size + 31) // 32) * 4
    for y in range(size - 1, -1, -1):
        row_mask = bytearray(mask_stride)
        for x in range(size):
            r, g, b, a = pixel(x, y, size)
            xor += bytes((b, g, r, a))
            if a == 0:
                row_mask[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(row_mask)
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    return info + xor + mask


def write_ico(name, sizes, pixel):
    images = [icon_image(s, pixel) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for s, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", s % 256, s % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(out + b"".join(images))


def blend(c, a, base):
    return tuple(round(base[i] + (c[i] - base[i]) * a) for i in range(3))


def program_icon(x, y, size):
    s = size / 32
    # A dark rounded tile with an orange mouse seen from above.
    def tile(px, py):
        r = 6 * s
        cx = min(max(px, r), size - r)
        cy = min(max(py, r), size - r)
        return (px - cx) ** 2 + (py - cy) ** 2 <= r * r

    def body(px, py):
        return ((px - 16 * s) / (8 * s)) ** 2 + ((py - 17 * s) / (11 * s)) ** 2 <= 1

    def seam(px, py):
        return abs(px - 16 * s) < 0.8 * s and py < 15 * s or abs(py - 14 * s) < 0.8 * s

    t = coverage(tile, x, y)
    if t == 0:
        return (0, 0, 0, 0)
    colour = (30, 32, 36)
    colour = blend(ORANGE, coverage(body, x, y), colour)
    colour = blend((30, 32, 36), coverage(lambda px, py: body(px, py) and seam(px, py), x, y), colour)
    return colour + (round(255 * t),)


def submenu_arrow(x, y, size):
    # A small white right-pointing arrow; the menu draws the icon at (right - 19, top - 9).
    tri = [(12, 13), (18, 16), (12, 19)]
    a = coverage(lambda px, py: in_polygon(tri, px, py), x, y)
    return (255, 255, 255, round(255 * a))


def list_bitmap(shape, colour):
    def pixel(x, y):
        # Magenta is the list's transparent colour, so edges are hard: no pink fringe.
        return colour if coverage(shape, x, y) > 0.5 else MAGENTA
    return pixel


def clock(px, py):
    d = math.hypot(px - 8, py - 8)
    hand = (abs(px - 8) < 0.9 and 3.5 < py < 8.5) or (abs(py - 8) < 0.9 and 7.5 < px < 11.5)
    return (5.2 < d < 6.8) or hand


def arrow(up):
    def shape(px, py):
        y = py if up else 16 - py
        return in_polygon([(8, 2), (14, 8), (10, 8), (10, 14), (6, 14), (6, 8), (2, 8)], px, y)
    return shape


def mouse(px, py):
    body = ((px - 8) / 5) ** 2 + ((py - 8.5) / 6.5) ** 2 <= 1
    seam = (abs(px - 8) < 0.6 and py < 7) or abs(py - 6.5) < 0.6
    return body and not seam


write_ico("option.ico", [16, 32, 48], program_icon)
write_ico("submenu_arrow.ico", [32], submenu_arrow)
write_bmp24("clock.bmp", (16, 16), list_bitmap(clock, (235, 235, 235)))
write_bmp24("arrow_up.bmp", (16, 16), list_bitmap(arrow(True), (120, 220, 120)))
write_bmp24("arrow_down.bmp", (16, 16), list_bitmap(arrow(False), ORANGE))
write_bmp24("mouse.bmp", (16, 16), list_bitmap(mouse, (200, 210, 255)))
