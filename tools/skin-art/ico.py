"""Windows icon files holding DIB images at several sizes and colour depths."""

import struct

from palette import VGA, WEB, nearest

PALETTES = {4: VGA, 8: WEB}
OPAQUE = 128  # palette images keep a pixel at least this opaque


def encode_ico(images):
    """images: (rows of (r, g, b, alpha) pixels, bits per pixel) pairs, in directory order."""
    entries = [(len(rows), bpp, _dib(rows, bpp)) for rows, bpp in images]
    directory = struct.pack("<HHH", 0, 1, len(entries))
    offset = len(directory) + 16 * len(entries)
    data = b""
    for size, bpp, dib in entries:
        colours = 16 if bpp == 4 else 0
        directory += struct.pack("<BBBBHHII", size, size, colours, 0, 1, bpp,
                                 len(dib), offset + len(data))
        data += dib
    return directory + data


def _dib(rows, bpp):
    size = len(rows)
    if bpp == 32:
        colour_table = b""
        pixels = _pack_rows([b"".join(bytes((b, g, r, a)) for r, g, b, a in row) for row in rows])
    else:
        palette = PALETTES[bpp]
        colour_table = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
        indices = [[nearest(palette, (r, g, b)) if a >= OPAQUE else 0 for r, g, b, a in row]
                   for row in rows]
        pixels = _pack_bits(indices, bpp)
    mask = _pack_bits([[int(a < OPAQUE) for *_, a in row] for row in rows], 1)
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, bpp, 0, len(pixels) + len(mask),
                         0, 0, len(colour_table) // 4, 0)
    return header + colour_table + pixels + mask


def _pack_bits(rows, bpp):
    """Bottom-up rows of small values packed high bits first."""
    per_byte = 8 // bpp
    packed = []
    for row in rows:
        line = bytearray()
        for start in range(0, len(row), per_byte):
            byte = 0
            for i, value in enumerate(row[start:start + per_byte]):
                byte |= value << (8 - bpp * (i + 1))
            line.append(byte)
        packed.append(bytes(line))
    return _pack_rows(packed)


def _pack_rows(rows):
    """Bottom-up, each row padded to four bytes."""
    out = bytearray()
    for row in reversed(rows):
        out += row + bytes(-len(row) % 4)
    return bytes(out)
