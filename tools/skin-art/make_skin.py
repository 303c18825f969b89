#!/usr/bin/env python3
"""Writes the window skin bitmaps and the program icon into src/ui/res."""

from pathlib import Path

from bmp import encode_bmp
from buttons import buttons
from frame import pieces
from ico import encode_ico
from icon import icon_images

RESOURCES = Path(__file__).resolve().parents[2] / "src" / "ui" / "res"


def main():
    for stem, rows in {**pieces(), **buttons()}.items():
        (RESOURCES / f"{stem}.bmp").write_bytes(encode_bmp(rows))
    (RESOURCES / "kesto.ico").write_bytes(encode_ico(icon_images()))


if __name__ == "__main__":
    main()
