#!/usr/bin/env python3
"""Draws the pictures of the DemoVemmix form and writes them as PNG files.

Standard library only, deterministic: running it again writes the same bytes.

  demo/pictures/make-pictures.py [OUTPUT_DIR]   (default: beside this script)

Icons (RGBA) have transparent backgrounds; bitmaps (RGB) stand on the mask
colour magenta (255, 0, 255), which the buttons leave out. Both have hard
edges: a button composes an icon over its mask colour before it leaves that
colour out, so a partly transparent pixel would keep a pink tint.
"""
import math
import os
import struct
import sys
import zlib

MAGENTA = (255, 0, 255)
SUPERSAMPLE = 4


def write_png(path, width, height, pixels, alpha):
    """pixels: rows of (r, g, b, a) tuples; alpha False writes RGB."""
    raw = bytearray()
    for row in pixels:
        raw.append(0)
        for r, g, b, a in row:
            raw += bytes((r, g, b, a) if alpha else (r, g, b))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", width, height, 8, 6 if alpha else 2, 0, 0, 0)
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n")
        out.write(chunk(b"IHDR", header))
        out.write(chunk(b"IDAT", zlib.compress(bytes(raw), 9)))
        out.write(chunk(b"IEND", b""))


def render(width, height, shade, alpha=True, background=MAGENTA):
    """shade(x, y) -> (r, g, b, coverage 0..1) or None, sampled SUPERSAMPLE^2
    times per pixel. A pixel belongs to the motif where at least half of it
    is covered: opaque in an icon, else transparent; the mask colour in a
    bitmap."""
    rows = []
    n = SUPERSAMPLE
    for py in range(height):
        row = []
        for px in range(width):
            acc = [0.0, 0.0, 0.0, 0.0]
            for sy in range(n):
                for sx in range(n):
                    sample = shade(px + (sx + 0.5) / n, py + (sy + 0.5) / n)
                    if sample is None:
                        continue
                    r, g, b, a = sample
                    acc[0] += r * a
                    acc[1] += g * a
                    acc[2] += b * a
                    acc[3] += a
            cover = acc[3] / (n * n)
            if cover < 0.5:
                row.append((0, 0, 0, 0) if alpha else background + (255,))
                continue
            colour = tuple(min(255, round(c / acc[3])) for c in acc[:3])
            row.append(colour + (255,))
        rows.append(row)
    return rows


def mix(c1, c2, t):
    t = max(0.0, min(1.0, t))
    return tuple(a + (b - a) * t for a, b in zip(c1, c2))


def inside_polygon(x, y, points):
    inside = False
    j = len(points) - 1
    for i, (xi, yi) in enumerate(points):
        xj, yj = points[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            inside = not inside
        j = i
    return inside


def star_points(cx, cy, outer, inner, tips=5):
    points = []
    for k in range(tips * 2):
        radius = outer if k % 2 == 0 else inner
        angle = -math.pi / 2 + k * math.pi / tips
        points.append((cx + radius * math.cos(angle), cy + radius * math.sin(angle)))
    return points


def star(size):
    """A gold star with a brown shadow: an icon."""
    c = size / 2
    body = star_points(c - size * 0.03, c - size * 0.02, size * 0.46, size * 0.19)
    shadow = [(x + size * 0.06, y + size * 0.06) for x, y in body]

    def shade(x, y):
        if inside_polygon(x, y, body):
            t = (y - size * 0.1) / (size * 0.8)
            return mix((255, 236, 120), (226, 140, 10), t) + (1.0,)
        if inside_polygon(x, y, shadow):
            return (150, 110, 60, 1.0)
        return None
    return shade


def globe(size):
    """A blue globe with a green land mass and a lighter rim: an icon."""
    c, r = size / 2, size * 0.45

    def shade(x, y):
        dx, dy = x - c, y - c
        d = math.hypot(dx, dy)
        if d > r:
            return None
        light = max(0.0, 1 - math.hypot(dx + r * 0.4, dy + r * 0.4) / (r * 1.6))
        land = (math.sin(dx * 0.45) + math.cos(dy * 0.38 + 1.2)) > 0.45
        base = (60, 150, 70) if land else (40, 110, 210)
        colour = mix(base, (230, 245, 255), light * 0.7)
        if d > r - size * 0.05:
            colour = mix(colour, (20, 50, 120), 0.6)
        return colour + (1.0,)
    return shade


def disc(size):
    """A red ball with a highlight on the mask colour: a bitmap."""
    c, r = size / 2, size * 0.44

    def shade(x, y):
        dx, dy = x - c, y - c
        if math.hypot(dx, dy) > r:
            return None
        light = max(0.0, 1 - math.hypot(dx + r * 0.35, dy + r * 0.35) / (r * 1.2))
        return mix((150, 20, 20), (255, 210, 200), light) + (1.0,)
    return shade


def arrow(width, height):
    """A right-pointing arrow in a green gradient with a dark outline, on
    the mask colour: the outline of a Shaped button."""
    m = 2
    head = width * 0.62
    points = [(m, height * 0.28), (head, height * 0.28), (head, m),
              (width - m, height / 2), (head, height - m), (head, height * 0.72),
              (m, height * 0.72)]
    inner = [(m + 3, height * 0.28 + 3), (head + 3, height * 0.28 + 3), (head + 3, m + 6),
             (width - m - 6, height / 2), (head + 3, height - m - 6),
             (head + 3, height * 0.72 - 3), (m + 3, height * 0.72 - 3)]

    def shade(x, y):
        if not inside_polygon(x, y, points):
            return None
        if not inside_polygon(x, y, inner):
            return (20, 80, 30, 1.0)
        return mix((150, 230, 120), (40, 150, 60), y / height) + (1.0,)
    return shade


def badge(size):
    """A round orange badge with a darker ring, on the mask colour: a second
    Shaped outline."""
    c, r = size / 2, size / 2 - 1

    def shade(x, y):
        d = math.hypot(x - c, y - c)
        if d > r:
            return None
        if d > r - 3:
            return (150, 60, 0, 1.0)
        return mix((255, 220, 120), (240, 120, 20), (y - c + r) / (2 * r)) + (1.0,)
    return shade


def triangle(size):
    """A small down-pointing triangle: the drop-down zone's own picture."""
    points = [(1, size * 0.3), (size - 1, size * 0.3), (size / 2, size * 0.8)]

    def shade(x, y):
        if inside_polygon(x, y, points):
            return mix((200, 60, 20), (120, 20, 0), y / size) + (1.0,)
        return None
    return shade


def landscape(width, height):
    """Sky, sun and hills, full frame: a bitmap to stretch over a button."""
    def shade(x, y):
        hill = height * (0.62 + 0.12 * math.sin(x / width * 5.0))
        if y > hill:
            return mix((90, 170, 60), (30, 100, 30), (y - hill) / (height - hill + 1)) + (1.0,)
        if math.hypot(x - width * 0.75, y - height * 0.3) < height * 0.16:
            return (255, 220, 60, 1.0)
        return mix((120, 180, 250), (220, 240, 255), y / height) + (1.0,)
    return shade


PICTURES = [
    # name, width, height, shade, alpha
    ("star.png", 32, 32, star(32), True),
    ("star-16.png", 16, 16, star(16), True),
    ("globe.png", 32, 32, globe(32), True),
    ("disc.png", 32, 32, disc(32), False),
    ("arrow.png", 120, 48, arrow(120, 48), False),
    ("badge.png", 64, 64, badge(64), False),
    ("triangle.png", 12, 12, triangle(12), True),
    ("landscape.png", 64, 32, landscape(64, 32), False),
]


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    os.makedirs(out, exist_ok=True)
    for name, width, height, shade, alpha in PICTURES:
        write_png(os.path.join(out, name), width, height,
                  render(width, height, shade, alpha), alpha)
        print(os.path.join(out, name))


if __name__ == "__main__":
    main()
