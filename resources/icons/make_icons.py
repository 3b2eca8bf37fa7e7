#!/usr/bin/python3
"""Draws Ponderival's icons and writes every file made from them.

    python3 -B make_icons.py [OUTPUT_DIR]

With no OUTPUT_DIR the files are written beside this script, where they are
committed; the build never runs this. Running it twice gives the same bytes.
"""

import os
import sys

import houses
import iconfiles
from houses import (CLEAR, GROUND, LIT_NUMBER, LIT_ROOF, LIT_WALL, NUMBER,
                    OUTLINE, ROOF, WALL)

APP_ID = "org.ponderival.Ponderival"
HICOLOR_SIZES = (16, 24, 32, 48, 64, 128, 256)
# An installed web page wants these two sizes at least (its manifest names them).
WEB_SIZES = (192, 512)

INK = (38, 48, 61, 255)
COLOURS = {
    CLEAR: (0, 0, 0, 0), OUTLINE: INK, NUMBER: INK, LIT_NUMBER: INK,
    WALL: (232, 238, 245, 255), LIT_WALL: (255, 201, 74, 255),
    ROOF: (163, 74, 60, 255), LIT_ROOF: (224, 70, 58, 255),
    GROUND: (63, 143, 90, 255),
}

# Two colours only: the lit house turns black with a white number, its
# neighbours stay white, so the middle one still stands out.
BLACK, WHITE = 0, 1
MONOCHROME = {
    OUTLINE: BLACK, NUMBER: BLACK, LIT_NUMBER: WHITE,
    WALL: WHITE, LIT_WALL: BLACK, ROOF: WHITE, LIT_ROOF: BLACK, GROUND: BLACK,
}


def rgba_rows(size):
    return [[COLOURS[what] for what in row] for row in houses.draw(size)]


def palette_image(size, mapping, palette, bits):
    """An image for the icon group, as palette indices with None where it is clear."""
    rows = [[None if what == CLEAR else mapping[what] for what in row]
            for row in houses.draw(size)]
    return rows, palette, bits


def sixteen_colours():
    """Palette entry 0 is black for the clear pixels; then each colour once."""
    palette = [(0, 0, 0)]
    mapping = {}
    for what, colour in sorted(COLOURS.items()):
        if what != CLEAR:
            if colour[:3] not in palette:
                palette.append(colour[:3])
            mapping[what] = palette.index(colour[:3])
    return mapping, palette


def program_icon():
    """The icon group of the program file: 32 pixels in 2 and in 16 colours, 16 in 16."""
    mapping, palette = sixteen_colours()
    return iconfiles.ico([
        palette_image(32, MONOCHROME, [(0, 0, 0), (255, 255, 255)], 1),
        palette_image(32, mapping, palette, 4),
        palette_image(16, mapping, palette, 4),
    ])


def outputs():
    """Every file this script makes, as (path relative to the output folder, bytes)."""
    files = [("ponderival.ico", program_icon())]
    for size in HICOLOR_SIZES:
        path = f"hicolor/{size}x{size}/apps/{APP_ID}.png"
        files.append((path, iconfiles.png(rgba_rows(size))))
    for size in WEB_SIZES:
        files.append((f"web/ponderival-{size}.png", iconfiles.png(rgba_rows(size))))
    svg = iconfiles.svg(256, houses.shapes(256), COLOURS)
    files.append((f"hicolor/scalable/apps/{APP_ID}.svg", svg))
    return files


def main(argv):
    folder = argv[1] if len(argv) > 1 else os.path.dirname(os.path.abspath(argv[0]))
    for path, data in outputs():
        target = os.path.join(folder, path)
        os.makedirs(os.path.dirname(target), exist_ok=True)
        with open(target, "wb") as out:
            out.write(data)
    return 0


sys.exit(main(sys.argv))
