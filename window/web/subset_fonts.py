#!/usr/bin/python3
"""Cuts the page's web fonts down to the characters the page draws in them.

    subset_fonts.py DESCRIPTION_JSON SOURCE_FOLDER LICENCE SITE_FOLDER

DESCRIPTION_JSON, written by writepage, lists each face and weight the page
uses with its text; the fonts come from SOURCE_FOLDER (Debian's
fonts-liberation2). Each is written to SITE_FOLDER as WOFF2 under the file
name the style sheet gives, and LICENCE goes beside them. The Open Font
Licence asks that a modified font not carry its reserved names, so the cut
fonts are renamed. Running it twice gives the same bytes.
"""

import json
import os
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

RESERVED = "Liberation"
RENAMED = "Ponderival"
# Family, unique id, full name, PostScript name, typographic family.
RENAMED_IDS = (1, 3, 4, 6, 16)


def rename(font):
    for record in font["name"].names:
        if record.nameID in RENAMED_IDS:
            record.string = record.toUnicode().replace(RESERVED, RENAMED)


def cut(source, text, target):
    options = subset.Options()
    options.flavor = "woff2"
    # Browsers hint outlines themselves, or not at all, at the sizes the page draws; the fonts'
    # own hinting programs would be two thirds of their bytes. FontForge's time stamps go too.
    options.hinting = False
    options.drop_tables += ["FFTM"]
    font = TTFont(source, recalcTimestamp=False)
    subsetter = subset.Subsetter(options)
    subsetter.populate(text=text)
    subsetter.subset(font)
    rename(font)
    font.flavor = "woff2"
    font.save(target)


def main(argv):
    description, sources, licence, site = argv[1:5]
    with open(description, encoding="utf-8") as file:
        fonts = json.load(file)["web"]["fonts"]
    for font in fonts:
        target = os.path.join(site, font["file"])
        os.makedirs(os.path.dirname(target), exist_ok=True)
        cut(os.path.join(sources, font["source"]), font["text"], target)
    with open(licence, encoding="utf-8") as file:
        terms = file.read()
    note = ("The fonts in this folder are the Liberation fonts 2 cut down to the characters "
            "Ponderival's page draws, and renamed from Liberation to Ponderival as the licence "
            "below asks of modified versions.\n\n")
    folder = os.path.dirname(os.path.join(site, fonts[0]["file"]))
    with open(os.path.join(folder, "LICENSE.txt"), "w", encoding="utf-8") as file:
        file.write(note + terms)
    return 0


sys.exit(main(sys.argv))
