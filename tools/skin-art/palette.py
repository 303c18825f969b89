"""Colour tables for the icon's 4- and 8-bit images, and nearest-colour mapping."""

VGA = (
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
)

_CUBE_LEVELS = (0, 51, 102, 153, 204, 255)
# A 6 x 6 x 6 colour cube, then 40 greys between its steps for the silver gradients.
WEB = tuple((r, g, b) for r in _CUBE_LEVELS for g in _CUBE_LEVELS for b in _CUBE_LEVELS) + tuple(
    (v, v, v) for v in (round(k * 255 / 41) for k in range(1, 41)))


def nearest(palette, colour):
    """Index of the closest entry, green weighed most as the eye sees it; first one on a tie."""
    r, g, b = colour
    return min(range(len(palette)),
               key=lambda i: 2 * (palette[i][0] - r) ** 2 + 4 * (palette[i][1] - g) ** 2
               + 3 * (palette[i][2] - b) ** 2)
