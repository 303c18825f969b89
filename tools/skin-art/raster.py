"""Anti-aliased painting of shapes described by signed distance functions.

A distance function takes a point in design units and returns its distance from the shape's
outline: negative inside, positive outside.
"""

import math
from dataclasses import dataclass
from typing import Callable, Optional, Tuple, Union

Rgb = Tuple[int, int, int]
Paint = Union[Rgb, Callable[[float, float], Rgb]]


@dataclass(frozen=True)
class Layer:
    distance: Callable[[float, float], float]
    fill: Paint
    stroke: Optional[Rgb] = None  # one pixel wide, inside the outline so edges stay put


def circle(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) - r


def rounded_box(left, top, right, bottom, r):
    cx, cy = (left + right) / 2, (top + bottom) / 2
    hw, hh = (right - left) / 2 - r, (bottom - top) / 2 - r

    def distance(x, y):
        qx, qy = abs(x - cx) - hw, abs(y - cy) - hh
        return math.hypot(max(qx, 0), max(qy, 0)) + min(max(qx, qy), 0) - r

    return distance


def ellipse(cx, cy, a, b, degrees=0.0):
    """Semi-axes a along the turned x axis, b across it."""
    cos, sin = math.cos(math.radians(degrees)), math.sin(math.radians(degrees))

    def distance(x, y):
        u = (x - cx) * cos + (y - cy) * sin
        v = (y - cy) * cos - (x - cx) * sin
        k = math.hypot(u / a, v / b)
        gradient = math.hypot(u / (a * a), v / (b * b))
        if gradient == 0:
            return -min(a, b)
        return k * (k - 1) / gradient

    return distance


def vertical_gradient(top, top_colour, bottom, bottom_colour):
    def paint(_x, y):
        t = max(0.0, min(1.0, (y - top) / (bottom - top)))
        return mix(top_colour, bottom_colour, t)

    return paint


def mix(a, b, t):
    return tuple(p + (q - p) * t for p, q in zip(a, b))


def render(layers, size, units_per_pixel, samples=8):
    """Rows of (r, g, b, alpha) pixels, 0..255, not premultiplied; later layers on top."""
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            total = [0.0, 0.0, 0.0, 0.0]
            for sy in range(samples):
                for sx in range(samples):
                    x = (px + (sx + 0.5) / samples) * units_per_pixel
                    y = (py + (sy + 0.5) / samples) * units_per_pixel
                    colour = _sample(layers, x, y, units_per_pixel)
                    if colour is not None:
                        for i in range(3):
                            total[i] += colour[i]
                        total[3] += 1
            row.append(_average(total, samples * samples))
        rows.append(row)
    return rows


def _sample(layers, x, y, units_per_pixel):
    for layer in reversed(layers):
        d = layer.distance(x, y)
        if d < 0:
            if layer.stroke is not None and d > -units_per_pixel:
                return layer.stroke
            return layer.fill(x, y) if callable(layer.fill) else layer.fill
    return None


def _average(total, count):
    covered = total[3]
    if covered == 0:
        return (0, 0, 0, 0)
    r, g, b = (round(c / covered) for c in total[:3])
    return (r, g, b, round(255 * covered / count))
