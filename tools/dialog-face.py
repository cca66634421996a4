#!/usr/bin/python3
# dialog-face.py OUTPUT_DIR
# Derives the Wine prefix's stand-in for "MS Sans Serif", the dialogs' face,
# from Liberation Sans Narrow (regular and bold): "Ravlen Dialog Sans".
#
# The pages draw their texts in 9- and 11-point fonts made from the 8-point
# dialog font. Windows draws "MS Sans Serif" from bitmap strikes, so a 9-point
# text is as wide as an 8-point one there; a scalable face that fits the
# 8-point layout is too wide at 9 points, and a narrow face gives the dialogs
# other base units (5 x 15 pixels instead of 6 x 13, so other page sizes).
# The derived face keeps both: its letters are 5 % (capitals 12 %) wider than
# the narrow face's, so that the alphabet gives 6 pixels a base unit at 8
# points (measured: 299 px for the 52 letters; the English Welcome line is
# 180 px at 9 points where Windows' bitmap face needs 181); its line is 13
# pixels at 8 points with 2 of internal leading, like Windows' face; and its
# average width is the letters' own, so that a font asked for a width (the
# 24-point heading, 17 pixels) is not stretched further than that.
# Hinting is dropped, since it was written for the narrow outlines.
import os
import sys

from fontTools.ttLib import TTFont

SOURCE = "/usr/share/fonts/truetype/liberation"
FAMILY = "Ravlen Dialog Sans"
WIDEN = 1.05
# Capitals a little more: the dialog manager takes its base unit from the
# alphabet, capitals and small letters alike, while running text is mostly
# small letters.
WIDEN_CAPITALS = 1.12
# 13 pixels of line at 11 pixels a em (8 points at 96 dots an inch).
WIN_ASCENT = 1960


def derive(source, target, style):
    font = TTFont(source)
    glyf = font["glyf"]
    hmtx = font["hmtx"]
    cmap = font.getBestCmap()
    capitals = {cmap[c] for c in range(ord("A"), ord("Z") + 1) if c in cmap}
    for name in font.getGlyphOrder():
        glyph = glyf[name]
        widen = WIDEN_CAPITALS if name in capitals else WIDEN
        if glyph.isComposite():
            for component in glyph.components:
                component.x = round(component.x * widen)
        elif glyph.numberOfContours > 0:
            glyph.coordinates.scale((widen, 1))
            glyph.coordinates.toInt()
        if hasattr(glyph, "program"):
            glyph.program.fromBytecode(b"")
        glyph.recalcBounds(glyf)
        advance, left = hmtx[name]
        hmtx[name] = (round(advance * widen), round(left * widen))
    for table in ("fpgm", "prep", "cvt ", "hdmx", "LTSH", "VDMX", "kern", "GPOS"):
        if table in font:
            del font[table]

    os2 = font["OS/2"]
    os2.usWinAscent = WIN_ASCENT
    font["hhea"].ascent = WIN_ASCENT
    letters = [chr(c) for c in range(ord("A"), ord("Z") + 1)] + [chr(c) for c in range(ord("a"), ord("z") + 1)]
    widths = [hmtx[cmap[ord(c)]][0] for c in letters if ord(c) in cmap]
    os2.xAvgCharWidth = round(sum(widths) / len(widths))

    full = FAMILY if style == "Regular" else FAMILY + " " + style
    names = font["name"]
    for record in list(names.names):
        if record.nameID in (16, 17, 18, 21, 22):
            names.removeNames(nameID=record.nameID)
    for platform, encoding, language in ((3, 1, 0x409), (1, 0, 0)):
        names.setName(FAMILY, 1, platform, encoding, language)
        names.setName(style, 2, platform, encoding, language)
        names.setName(FAMILY + " " + style + " (derived from Liberation Sans Narrow)", 3, platform, encoding, language)
        names.setName(full, 4, platform, encoding, language)
        names.setName(full.replace(" ", ""), 6, platform, encoding, language)
    font.save(target)


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    derive(os.path.join(SOURCE, "LiberationSansNarrow-Regular.ttf"), os.path.join(out, "ravlen-dialog-sans.ttf"), "Regular")
    derive(os.path.join(SOURCE, "LiberationSansNarrow-Bold.ttf"), os.path.join(out, "ravlen-dialog-sans-bold.ttf"), "Bold")


main()
