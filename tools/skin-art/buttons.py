"""The round title-bar buttons: help, minimise and close."""

from frame import title_colour
from raster import Layer, circle, mix, render, vertical_gradient

SIZE = 13
TOP = 8  # the title-bar row the buttons' top edge sits on
BLACK = (0, 0, 0)

# Glyphs drawn pixel by pixel; they read better crisp than smoothed at this size.
GLYPHS = {
    "title_help": (
        ".###.",
        "##.##",
        "...##",
        "..##.",
        "..#..",
        ".....",
        "..#..",
    ),
    "title_minimize": (  # the bar sits low, where a minimised window goes
        ".....",
        ".....",
        ".....",
        ".....",
        ".....",
        ".....",
        "#####",
        "#####",
    ),
    "title_close": (
        "##.##",
        ".###.",
        "..#..",
        ".###.",
        "##.##",
    ),
}

FACE = Layer(
    distance=circle(SIZE / 2, SIZE / 2, SIZE / 2),
    fill=vertical_gradient(1, (222, 238, 252), SIZE - 1, (150, 196, 240)),
    stroke=(22, 64, 112),
)


def buttons():
    """File stem -> rows of (r, g, b) pixels."""
    face = render([FACE], SIZE, 1.0)
    return {name: _button(face, glyph) for name, glyph in GLYPHS.items()}


def _button(face, glyph):
    rows = []
    for y, face_row in enumerate(face):
        background = title_colour(TOP + y)
        rows.append([tuple(round(c) for c in mix(background, (r, g, b), a / 255))
                     for r, g, b, a in face_row])
    left = (SIZE - len(glyph[0])) // 2
    top = (SIZE - len(glyph)) // 2
    for y, line in enumerate(glyph):
        for x, mark in enumerate(line):
            if mark == "#":
                rows[top + y][left + x] = BLACK
    return rows
