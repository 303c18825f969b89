"""The program icon: a silver hard-disk case tied up like a present, its green light on."""

from raster import Layer, circle, ellipse, render, rounded_box, vertical_gradient

UNITS = 48  # design grid; multiples of 3 fall on pixel edges at every size
SIZES = (48, 32, 16)

OUTLINE = (52, 56, 62)
SILVER = ((242, 244, 247), (168, 174, 182))
BEZEL = ((150, 156, 164), (112, 118, 126))
SEAM = (90, 96, 104)
RED = (226, 44, 50)
RED_SHADE = (196, 30, 36)
RED_EDGE = (118, 14, 20)
LOOP_INSIDE = (128, 16, 22)
GREEN = (70, 232, 80)
GREEN_EDGE = (18, 96, 30)

CASE = rounded_box(3, 21, 45, 45, 3)


def icon_images():
    """(rows of (r, g, b, alpha) pixels, bits per pixel) for every image of the icon."""
    rendered = {size: render(_scene(size), size, UNITS / size) for size in SIZES}
    return [(rendered[size], bpp) for bpp in (32, 8, 4) for size in SIZES]


def _scene(size):
    pixel = UNITS / size
    small = size < 32
    return _case(pixel, small) + _ribbon(pixel, small) + _bow(small) + [_light(size)]


def _case(pixel, small):
    layers = [Layer(CASE, vertical_gradient(21, SILVER[0], 45, SILVER[1]), OUTLINE)]
    if not small:  # too little room at 16 pixels for the bezel under the ribbon
        layers += [
            Layer(_inside_case(lambda x, y: 39 - y, pixel),
                  vertical_gradient(39, BEZEL[0], 45, BEZEL[1])),
            Layer(_inside_case(rounded_box(0, 39, UNITS, 39 + pixel, 0), pixel), SEAM),
        ]
    return layers


def _ribbon(pixel, small):
    # Outlines would eat a two-pixel ribbon.
    edge = None if small else RED_EDGE
    return [
        Layer(_inside_case(rounded_box(21, 0, 27, UNITS, 0), pixel),
              vertical_gradient(21, RED, 45, RED_SHADE), edge),
        Layer(_inside_case(rounded_box(0, 27, UNITS, 33, 0), pixel),
              vertical_gradient(27, RED, 33, RED_SHADE), edge),
    ]


def _bow(small):
    if small:  # flat loops stay legible where tilted ones blur
        return [
            Layer(ellipse(13.5, 10.5, 10.5, 7.5), RED, RED_EDGE),
            Layer(ellipse(34.5, 10.5, 10.5, 7.5), RED, RED_EDGE),
            Layer(rounded_box(21, 15, 27, 21, 0), RED),
        ]
    return [
        Layer(ellipse(14, 12, 9.5, 6, 22), RED, RED_EDGE),
        Layer(ellipse(34, 12, 9.5, 6, -22), RED, RED_EDGE),
        Layer(ellipse(14, 12.5, 4.5, 2, 22), LOOP_INSIDE),
        Layer(ellipse(34, 12.5, 4.5, 2, -22), LOOP_INSIDE),
        Layer(rounded_box(20, 14, 28, 23, 2), RED, RED_EDGE),
    ]


def _light(size):
    # Whole pixels below 48: a blended dot fades into the silver.
    if size < 32:
        return Layer(rounded_box(33, 36, 39, 39, 0), GREEN)
    if size < 48:
        return Layer(rounded_box(37.5, 40.5, 40.5, 43.5, 0), GREEN)
    return Layer(circle(39, 42, 2.4), GREEN, GREEN_EDGE)


def _inside_case(distance, inset):
    """The part of a shape within the case, kept clear of its outline by inset."""
    return lambda x, y: max(distance(x, y), CASE(x, y) + inset)
