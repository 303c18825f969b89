"""24-bit Windows bitmap files."""

import struct

PIXELS_PER_METRE = 3780  # 96 dots per inch


def encode_bmp(rows):
    """Rows top to bottom of (r, g, b) pixels; the file stores them bottom-up."""
    height, width = len(rows), len(rows[0])
    stride = (width * 3 + 3) & ~3
    body = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        body += line + bytes(stride - len(line))
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(body),
                       PIXELS_PER_METRE, PIXELS_PER_METRE, 0, 0)
    offset = 14 + len(info)
    header = struct.pack("<2sIHHI", b"BM", offset + len(body), 0, 0, offset)
    return header + info + bytes(body)
