#!/usr/bin/env python3
"""Draws the program's two mouse cursors and writes them as Windows .cur files.

    scripts/make_cursors.py [FOLDER]     (default: data/Icon of the project)

Icon/H_point.cur  a pointing hand, hot spot at the tip of the index finger
Icon/Wait04.cur   an hourglass, hot spot in its middle

Each picture is 32 x 32 pixels, described by signed distance functions and
sampled 4 x 4 times per pixel, so its edges are smooth.  The file is one
cursor entry: a 32-bit BGRA bitmap (bottom-up, height doubled as the format
wants) followed by its 1-bit AND mask.  Python's standard library only.
"""

import math
import os
import struct
import sys

SIZE = 32
SAMPLES = 4


# --- shapes: negative inside, positive outside, in pixels ------------------


def capsule(ax, ay, bx, by, r):
    def d(x, y):
        px, py, vx, vy = x - ax, y - ay, bx - ax, by - ay
        t = max(0.0, min(1.0, (px * vx + py * vy) / (vx * vx + vy * vy)))
        return math.hypot(px - vx * t, py - vy * t) - r

    return d


def rounded_box(x0, y0, x1, y1, r):
    cx, cy, hx, hy = (x0 + x1) / 2, (y0 + y1) / 2, (x1 - x0) / 2 - r, (y1 - y0) / 2 - r

    def d(x, y):
        qx, qy = abs(x - cx) - hx, abs(y - cy) - hy
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - r

    return d


def polygon(points):
    def d(x, y):
        best, inside = float("inf"), False
        for (ax, ay), (bx, by) in zip(points, points[1:] + points[:1]):
            vx, vy = bx - ax, by - ay
            t = max(0.0, min(1.0, ((x - ax) * vx + (y - ay) * vy) / (vx * vx + vy * vy)))
            best = min(best, math.hypot(x - ax - vx * t, y - ay - vy * t))
            if (ay > y) != (by > y) and x < ax + (y - ay) * vx / vy:
                inside = not inside
        return -best if inside else best

    return d


def union(*shapes):
    return lambda x, y: min(s(x, y) for s in shapes)


def intersection(*shapes):
    return lambda x, y: max(s(x, y) for s in shapes)


# --- painting ---------------------------------------------------------------


def render(layers):
    """layers: (shape, fill, outline colour, outline width); later ones on top.
    Returns SIZE*SIZE (r, g, b, a) tuples, top row first."""
    pixels = []
    for py in range(SIZE):
        for px in range(SIZE):
            acc = [0.0, 0.0, 0.0, 0.0]  # premultiplied
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x = px + (sx + 0.5) / SAMPLES
                    y = py + (sy + 0.5) / SAMPLES
                    colour = None
                    for shape, fill, line, width in layers:
                        d = shape(x, y)
                        if d <= 0:
                            colour = line if d > -width else fill
                            colour = colour or fill
                    if colour:
                        a = colour[3] / 255
                        for i in range(3):
                            acc[i] += colour[i] * a
                        acc[3] += a
            n = SAMPLES * SAMPLES
            a = acc[3] / n
            if a == 0:
                pixels.append((0, 0, 0, 0))
            else:
                rgb = tuple(round(acc[i] / acc[3]) for i in range(3))
                pixels.append(rgb + (round(a * 255),))
    return pixels


def cur_file(pixels, hot_x, hot_y):
    header = struct.pack("<HHH", 0, 2, 1)
    xor = bytearray()
    mask = bytearray()
    for row in range(SIZE - 1, -1, -1):  # the bitmap is stored bottom-up
        bits = 0
        for col in range(SIZE):
            r, g, b, a = pixels[row * SIZE + col]
            xor += bytes((b, g, r, a))
            bits = (bits << 1) | (1 if a == 0 else 0)
        mask += struct.pack(">I", bits)  # 32 pixels: one 32-bit row, first pixel in the top bit
    info = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    image = info + bytes(xor) + bytes(mask)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, hot_x, hot_y, len(image), 6 + 16)
    return header + entry + image


BLACK = (0, 0, 0, 255)
WHITE = (255, 255, 255, 255)


def pointing_hand():
    index = capsule(11, 3.2, 11, 16, 2.6)
    middle = capsule(15.6, 12.2, 15.6, 18, 2.3)
    ring = capsule(19.8, 13.4, 19.8, 19, 2.2)
    little = capsule(23.6, 15.2, 23.6, 20, 2.0)
    palm = rounded_box(8.4, 15.5, 25.6, 29.5, 4.5)
    thumb = capsule(4.6, 17.2, 9.5, 23, 2.4)
    hand = union(index, middle, ring, little, palm, thumb)
    # Short creases where the fingers meet, and where the thumb folds in.
    creases = union(
        capsule(13.4, 13.8, 13.4, 17.4, 0.5),
        capsule(17.8, 14.6, 17.8, 18.4, 0.5),
        capsule(21.8, 16.2, 21.8, 19.6, 0.5),
        capsule(8.9, 21.5, 10.6, 24.2, 0.5),
    )
    cuff = rounded_box(9.6, 27.6, 24.4, 31.6, 1.2)
    return render(
        [
            (hand, WHITE, BLACK, 1.3),
            (creases, BLACK, None, 0),
            (cuff, (70, 110, 200, 255), BLACK, 1.2),
        ]
    )


def hourglass():
    wood, glass, sand = (120, 72, 30, 255), (215, 235, 250, 255), (235, 180, 40, 255)
    bulbs = polygon(
        [(9, 5), (23, 5), (22.5, 9), (17.2, 15.2), (17.2, 16.8), (22.5, 23), (23, 27),
         (9, 27), (9.5, 23), (14.8, 16.8), (14.8, 15.2), (9.5, 9)]
    )
    inside = polygon(
        [(10.4, 6), (21.6, 6), (21.2, 9.2), (16.4, 15.4), (16.4, 16.6), (21.2, 22.8), (21.6, 26),
         (10.4, 26), (10.8, 22.8), (15.6, 16.6), (15.6, 15.4), (10.8, 9.2)]
    )
    top_sand = intersection(inside, lambda x, y: 11 - y, lambda x, y: y - 16)
    stream = rounded_box(15.5, 15, 16.5, 24, 0.5)
    pile = intersection(inside, polygon([(8, 27), (16, 19.5), (24, 27)]))
    frame = union(rounded_box(5.5, 1.5, 26.5, 5.5, 1.5), rounded_box(5.5, 26.5, 26.5, 30.5, 1.5))
    posts = union(rounded_box(6.6, 4, 8.4, 28, 0.6), rounded_box(23.6, 4, 25.4, 28, 0.6))
    return render(
        [
            (posts, wood, BLACK, 1.0),
            (bulbs, glass, BLACK, 1.2),
            (top_sand, sand, None, 0),
            (stream, sand, None, 0),
            (pile, sand, None, 0),
            (frame, wood, BLACK, 1.2),
        ]
    )


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "data", "Icon")
    os.makedirs(folder, exist_ok=True)
    for name, pixels, hot in (("H_point.cur", pointing_hand(), (11, 1)), ("Wait04.cur", hourglass(), (16, 16))):
        with open(os.path.join(folder, name), "wb") as out:
            out.write(cur_file(pixels, *hot))


if __name__ == "__main__":
    main()
