"""The skinned window's frame, shaded as one picture and cut into the pieces the window shows.

Shading the whole outline at once keeps the corner pieces continuous with the stretched slices
next to them: every slice is taken from where the edges run straight.
"""

import math

from raster import mix

WIDTH, HEIGHT = 356, 408
TITLE_HEIGHT = 30
PIECE_WIDTH, PIECE_HEIGHT = 19, 30
RADIUS = 12  # the window region's corner ellipse is 24 x 24
MAGENTA = (255, 0, 255)  # outside the region; never shown

GREY = {"base": (207, 207, 207), "light": (220, 220, 220), "dark": (144, 144, 144)}
BLUE = {"base": (21, 98, 175), "light": (112, 168, 224), "dark": (15, 68, 121)}

# Share of the light or dark tint by pixel, outermost first. Light falls from the top left.
LIGHT_EDGE = (1.0, 0.69, 0.38, 0.15)
DARK_EDGE = (1.0, 0.62, 0.33, 0.16, 0.06)
LIT_SIDES = ("left", "top")
SHADED_SIDES = ("right", "bottom")
# The title bar's lowest rows darken so the bar stands off the grey client area.
TITLE_FOOT = (1.0, 0.8, 0.6, 0.42, 0.27, 0.15, 0.06)
# A faint sheen over the title bar's upper half, fading downwards.
TITLE_SHEEN, SHEEN_ROWS = 0.22, 15


def pieces():
    """File stem -> rows of (r, g, b) pixels."""
    middle_x, middle_y = WIDTH // 2, HEIGHT // 2
    right, bottom = WIDTH - PIECE_WIDTH, HEIGHT - PIECE_HEIGHT
    return {
        "title_left": _crop(0, 0),
        "title_main": _column_slice(middle_x, 0),
        "title_right": _crop(right, 0),
        "window_left": _row_slice(0, middle_y),
        "window_right": _row_slice(right, middle_y),
        "window_bottom": _column_slice(middle_x, bottom),
        "window_bottom_left": _crop(0, bottom),
        "window_bottom_right": _crop(right, bottom),
    }


def title_colour(y):
    """The title bar's colour at row y away from its ends."""
    return frame_pixel(WIDTH // 2, y)


def frame_pixel(x, y):
    """The window's colour at pixel (x, y), magenta outside its rounded outline."""
    px, py = x + 0.5, y + 0.5
    sides = _edge_weights(px, py)
    if sides is None:
        return MAGENTA
    light = sum(weight * _edge_share(LIGHT_EDGE, distance)
                for weight, distance in (sides[side] for side in LIT_SIDES))
    dark = sum(weight * _edge_share(DARK_EDGE, distance)
               for weight, distance in (sides[side] for side in SHADED_SIDES))
    tint = GREY
    if py < TITLE_HEIGHT:
        tint = BLUE
        light = max(light, TITLE_SHEEN * max(0.0, 1 - py / SHEEN_ROWS))
        dark = max(dark, _edge_share(TITLE_FOOT, TITLE_HEIGHT - py))
    colour = mix(mix(tint["base"], tint["light"], min(light, 1.0)), tint["dark"], min(dark, 1.0))
    return tuple(round(c) for c in colour)


def _edge_weights(px, py):
    """Side -> (weight, distance from the outline); None outside the rounded outline.

    Around a corner both sides share the radial distance, weighted by where the outline faces.
    """
    sides = {
        "left": (1.0, px),
        "top": (1.0, py),
        "right": (1.0, WIDTH - px),
        "bottom": (1.0, HEIGHT - py),
    }
    horizontal = "left" if px < RADIUS else "right" if px > WIDTH - RADIUS else None
    vertical = "top" if py < RADIUS else "bottom" if py > HEIGHT - RADIUS else None
    if horizontal and vertical:
        cx = RADIUS if horizontal == "left" else WIDTH - RADIUS
        cy = RADIUS if vertical == "top" else HEIGHT - RADIUS
        r = math.hypot(px - cx, py - cy)
        if r > RADIUS:
            return None
        if r > 0:
            sides[horizontal] = (((px - cx) / r) ** 2, RADIUS - r)
            sides[vertical] = (((py - cy) / r) ** 2, RADIUS - r)
    return sides


def _edge_share(table, distance):
    """Interpolated table value at a pixel centre this far in from the edge."""
    i = max(distance - 0.5, 0.0)
    lower = int(i)
    if lower >= len(table):
        return 0.0
    upper = table[lower + 1] if lower + 1 < len(table) else 0.0
    return table[lower] + (upper - table[lower]) * (i - lower)


def _crop(left, top):
    return [[frame_pixel(left + x, top + y) for x in range(PIECE_WIDTH)]
            for y in range(PIECE_HEIGHT)]


def _column_slice(x, top):
    """Uniform across, for pieces stretched sideways."""
    return [[frame_pixel(x, top + y)] * PIECE_WIDTH for y in range(PIECE_HEIGHT)]


def _row_slice(left, y):
    """Uniform down, for pieces stretched downwards."""
    row = [frame_pixel(left + x, y) for x in range(PIECE_WIDTH)]
    return [list(row) for _ in range(PIECE_HEIGHT)]
