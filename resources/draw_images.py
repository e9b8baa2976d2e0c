#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Draws the style sheet's indicator images and the link LED images.

Plain Python with no imaging library: every shape is a coverage function that
is supersampled per pixel, layers are blended with "over" and the result is
written as an RGBA PNG. Run it from anywhere; it rewrites the PNGs next to it:

    python3 resources/draw_images.py
"""

import math
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
SAMPLES = 6  # per axis

ACCENT = (0x00, 0xBF, 0xFF)
ACCENT_DARK = (0x00, 0x9A, 0xD6)
WHITE = (0xFF, 0xFF, 0xFF)
DISABLED = (0xB8, 0xC6, 0xCE)
DISABLED_FILL = (0xF1, 0xF4, 0xF6)


# ---------------------------------------------------------------- shapes --
# Each shape is a function (x, y) -> bool telling whether the point lies inside.

def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def ring(cx, cy, r, width):
    inner = r - width
    return lambda x, y: inner * inner <= (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def rounded_rect(x0, y0, x1, y1, radius):
    def inside(x, y):
        if x < x0 or x > x1 or y < y0 or y > y1:
            return False
        cx = min(max(x, x0 + radius), x1 - radius)
        cy = min(max(y, y0 + radius), y1 - radius)
        return (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius
    return inside


def rounded_frame(x0, y0, x1, y1, radius, width):
    outer = rounded_rect(x0, y0, x1, y1, radius)
    inner = rounded_rect(x0 + width, y0 + width, x1 - width, y1 - width, max(radius - width, 0))
    return lambda x, y: outer(x, y) and not inner(x, y)


def _segment_distance(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    length = dx * dx + dy * dy
    t = 0.0 if length == 0 else max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / length))
    qx, qy = ax + t * dx, ay + t * dy
    return math.hypot(px - qx, py - qy)


def stroke(points, width):
    """A polyline with round caps and joins."""
    half = width / 2.0
    segments = list(zip(points, points[1:]))

    def inside(x, y):
        return any(_segment_distance(x, y, a[0], a[1], b[0], b[1]) <= half for a, b in segments)
    return inside


def polygon(points):
    def inside(x, y):
        result = False
        j = len(points) - 1
        for i in range(len(points)):
            xi, yi = points[i]
            xj, yj = points[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                result = not result
            j = i
        return result
    return inside


# ---------------------------------------------------------------- canvas --

class Canvas:
    def __init__(self, width, height):
        self.width = width
        self.height = height
        self.pixels = [[(0.0, 0.0, 0.0, 0.0)] * width for _ in range(height)]

    def fill(self, shape, color, alpha=1.0):
        """Paints a shape in a flat colour, or a colour function of (x, y)."""
        step = 1.0 / SAMPLES
        for py in range(self.height):
            for px in range(self.width):
                hits = 0
                for sy in range(SAMPLES):
                    for sx in range(SAMPLES):
                        if shape(px + (sx + 0.5) * step, py + (sy + 0.5) * step):
                            hits += 1
                if hits:
                    c = color(px + 0.5, py + 0.5) if callable(color) else color
                    self._over(px, py, c, alpha * hits / (SAMPLES * SAMPLES))

    def _over(self, px, py, color, alpha):
        r, g, b, a = self.pixels[py][px]
        out = alpha + a * (1 - alpha)
        if out == 0:
            return
        mix = lambda s, d: (s * alpha + d * a * (1 - alpha)) / out
        self.pixels[py][px] = (mix(color[0], r), mix(color[1], g), mix(color[2], b), out)

    def save(self, name):
        raw = bytearray()
        for row in self.pixels:
            raw.append(0)  # filter: none
            for r, g, b, a in row:
                raw += bytes((round(r), round(g), round(b), round(a * 255)))

        def chunk(kind, data):
            body = kind + data
            return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

        png = b"\x89PNG\r\n\x1a\n"
        png += chunk(b"IHDR", struct.pack(">IIBBBBB", self.width, self.height, 8, 6, 0, 0, 0))
        png += chunk(b"IDAT", zlib.compress(bytes(raw), 9))
        png += chunk(b"IEND", b"")
        with open(os.path.join(HERE, name), "wb") as f:
            f.write(png)


def radial(cx, cy, r, inner, outer):
    def color(x, y):
        t = min(1.0, math.hypot(x - cx, y - cy) / r)
        return tuple(i + (o - i) * t for i, o in zip(inner, outer))
    return color


# ------------------------------------------------------------ indicators --

def checkbox(name, checked, partial=False, enabled=True):
    c = Canvas(13, 13)
    border = ACCENT if enabled else DISABLED
    if checked or partial:
        c.fill(rounded_rect(0.5, 0.5, 12.5, 12.5, 2.5), border)
        if partial:
            c.fill(stroke([(3.5, 6.5), (9.5, 6.5)], 1.8), WHITE)
        else:
            c.fill(stroke([(3.2, 6.6), (5.6, 9.0), (9.9, 4.2)], 1.7), WHITE)
    else:
        c.fill(rounded_rect(0.5, 0.5, 12.5, 12.5, 2.5), WHITE if enabled else DISABLED_FILL)
        c.fill(rounded_frame(0.5, 0.5, 12.5, 12.5, 2.5, 1.2), border)
    c.save(os.path.join("qss", "psblack", name))


def radiobutton(name, checked, enabled=True):
    c = Canvas(15, 15)
    border = ACCENT if enabled else DISABLED
    c.fill(circle(7.5, 7.5, 7.0), WHITE if enabled else DISABLED_FILL)
    c.fill(ring(7.5, 7.5, 7.0, 1.3), border)
    if checked:
        c.fill(circle(7.5, 7.5, 3.6), border)
    c.save(os.path.join("qss", "psblack", name))


def arrow(name, direction, size=10, color=ACCENT):
    """A small filled triangle pointing up, down, left or right."""
    c = Canvas(size, size)
    m = size / 2.0
    a, b = size * 0.18, size * 0.82  # extent across the arrow
    near, far = size * 0.28, size * 0.72  # extent along it
    shapes = {
        "up": [(a, far), (b, far), (m, near)],
        "down": [(a, near), (b, near), (m, far)],
        "left": [(far, a), (far, b), (near, m)],
        "right": [(near, a), (near, b), (far, m)],
    }
    c.fill(polygon(shapes[direction]), color)
    c.save(os.path.join("qss", "psblack", name))


def chevron(name, direction, size=16):
    c = Canvas(size, size)
    if direction == "left":
        points = [(10.0, 3.5), (5.5, 8.0), (10.0, 12.5)]
    else:
        points = [(6.0, 3.5), (10.5, 8.0), (6.0, 12.5)]
    c.fill(stroke(points, 2.0), ACCENT)
    c.save(os.path.join("qss", "psblack", name))


# ------------------------------------------------------------------ LEDs --

def led(name, lit):
    size = 24
    c = Canvas(size, size)
    m = size / 2.0
    if lit:
        glow, body_in, body_out, rim = (0x5C, 0xE0, 0x5C), (0xD8, 0xFF, 0xC8), (0x1F, 0xB0, 0x2A), (0x17, 0x80, 0x20)
        c.fill(circle(m, m, 11.8), glow, 0.35)  # soft halo of a lit lamp
    else:
        body_in, body_out, rim = (0xEE, 0xF1, 0xF3), (0x95, 0xA1, 0xAA), (0x78, 0x84, 0x8C)
    c.fill(circle(m, m, 9.5), rim)
    c.fill(circle(m, m, 8.4), radial(m - 2.0, m - 2.5, 11.0, body_in, body_out))
    # specular highlight, upper left
    highlight = lambda x, y: ((x - (m - 2.6)) / 3.4) ** 2 + ((y - (m - 3.4)) / 2.2) ** 2 <= 1
    c.fill(highlight, WHITE, 0.75 if lit else 0.6)
    c.save(os.path.join("image", name))


def main():
    checkbox("checkbox_unchecked.png", False)
    checkbox("checkbox_checked.png", True)
    checkbox("checkbox_parcial.png", False, partial=True)
    checkbox("checkbox_unchecked_disable.png", False, enabled=False)
    checkbox("checkbox_checked_disable.png", True, enabled=False)
    radiobutton("radiobutton_unchecked.png", False)
    radiobutton("radiobutton_checked.png", True)
    radiobutton("radiobutton_unchecked_disable.png", False, enabled=False)
    radiobutton("radiobutton_checked_disable.png", True, enabled=False)
    for direction, name in (("up", "add_top"), ("down", "add_bottom"),
                            ("left", "add_left"), ("right", "add_right")):
        arrow(name + ".png", direction)
        arrow(name + "_disable.png", direction, color=DISABLED)
    arrow("branch_close.png", "right")
    arrow("branch_open.png", "down")
    chevron("calendar_prevmonth.png", "left")
    chevron("calendar_nextmonth.png", "right")
    led("led_on.png", True)
    led("led_off.png", False)


if __name__ == "__main__":
    main()
