#!/usr/bin/env python3
"""Draws the 256 x 256 application icon: a blue rounded tile, a white printed page with lines,
and an orange price tag. Run once; the PNG is committed."""
import struct, zlib, math, sys

W = H = 256
img = [[(0, 0, 0, 0) for _ in range(W)] for _ in range(H)]

def blend(x, y, c, a):
    if not (0 <= x < W and 0 <= y < H) or a <= 0:
        return
    r, g, b, da = img[y][x]
    a = min(1.0, a)
    na = a + da / 255 * (1 - a)
    if na == 0:
        return
    mix = lambda s, d: (s * a + d * (da / 255) * (1 - a)) / na
    img[y][x] = (int(mix(c[0], r)), int(mix(c[1], g)), int(mix(c[2], b)), int(na * 255))

def rounded_rect(x0, y0, x1, y1, rad, c):
    for y in range(int(y0) - 1, int(y1) + 2):
        for x in range(int(x0) - 1, int(x1) + 2):
            cx = min(max(x + 0.5, x0 + rad), x1 - rad)
            cy = min(max(y + 0.5, y0 + rad), y1 - rad)
            d = math.hypot(x + 0.5 - cx, y + 0.5 - cy) - rad
            blend(x, y, c, 0.5 - d)

def polygon(points, c):
    xs = [p[0] for p in points]; ys = [p[1] for p in points]
    for y in range(int(min(ys)), int(max(ys)) + 1):
        for x in range(int(min(xs)), int(max(xs)) + 1):
            cover = 0
            for sy in (0.25, 0.75):
                for sx in (0.25, 0.75):
                    px, py = x + sx, y + sy
                    inside = False
                    j = len(points) - 1
                    for i in range(len(points)):
                        xi, yi = points[i]; xj, yj = points[j]
                        if (yi > py) != (yj > py) and px < (xj - xi) * (py - yi) / (yj - yi) + xi:
                            inside = not inside
                        j = i
                    cover += inside
            blend(x, y, c, cover / 4)

def circle(cx, cy, r, c):
    for y in range(int(cy - r) - 1, int(cy + r) + 2):
        for x in range(int(cx - r) - 1, int(cx + r) + 2):
            d = math.hypot(x + 0.5 - cx, y + 0.5 - cy) - r
            blend(x, y, c, 0.5 - d)

rounded_rect(8, 8, 248, 248, 48, (49, 87, 213))
polygon([(64, 40), (160, 40), (196, 76), (196, 216), (64, 216)], (255, 255, 255))
polygon([(160, 40), (196, 76), (160, 76)], (200, 211, 240))
for i, y in enumerate(range(96, 190, 22)):
    rounded_rect(84, y, 176 - (i % 2) * 28, y + 9, 4, (160, 176, 222))
polygon([(128, 150), (196, 150), (228, 182), (196, 214), (128, 214)], (200, 80, 32))
circle(200, 182, 8, (255, 255, 255))

raw = b"".join(b"\x00" + b"".join(struct.pack("BBBB", *p) for p in row) for row in img)
def chunk(t, d):
    return struct.pack(">I", len(d)) + t + d + struct.pack(">I", zlib.crc32(t + d) & 0xffffffff)
png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", W, H, 8, 6, 0, 0, 0)) \
    + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")
open(sys.argv[1] if len(sys.argv) > 1 else "app-icon.png", "wb").write(png)
