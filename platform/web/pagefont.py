#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
# SPDX-License-Identifier: GPL-3.0-or-later

"""The font a page carries, made from a system font:

    pagefont.py FONT.ttf NAME OUTPUT.woff2

cut to the letters of Western European languages, without its hinting, and renamed
NAME: a font changed so may not keep a name its licence reserves, such as Liberation.
Its copyright notice and its licence stay in it.
"""

import sys

from fontTools import subset
from fontTools.ttLib import TTFont

LETTERS = [*range(0x20, 0x7F), *range(0xA0, 0x100), 0x2013, 0x2014, *range(0x2018, 0x201F), 0x2026, 0x20AC]


def main():
    source, family, output = sys.argv[1:]
    font = TTFont(source)
    options = subset.Options()
    options.layout_features = ['*']
    options.hinting = False
    options.name_IDs = ['*']
    options.flavor = 'woff2'
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=LETTERS)
    subsetter.subset(font)

    names = font['name']
    style = names.getDebugName(2) or 'Regular'
    # The family, the style's full name and the PostScript name in every record; the
    # trademark and the unique identifier named the original font.
    renamed = {1: family, 3: family + ' ' + style, 4: family + ' ' + style,
               6: family.replace(' ', '') + '-' + style.replace(' ', ''), 16: family}
    for record in names.names:
        if record.nameID in renamed:
            record.string = renamed[record.nameID]
    names.names = [record for record in names.names if record.nameID not in (7, 17, 18, 21, 22)]
    if 'CFF ' in font:
        raise SystemExit('pagefont.py renames TrueType fonts only')
    subset.save_font(font, output, options)


if __name__ == '__main__':
    main()
