#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Generate TMusicFont.ttf, the music font of Sorvel.

    /usr/bin/python3 make_tmusicfont.py [-o OUTPUT]

Without -o the font is written to ../TMusicFont.ttf (resources/), the file
the build embeds.  The output depends on nothing but this script, its
sibling modules (tmf_*.py) and the fontTools version: no clock, no
environment, no randomness.  See README.md.

Font properties the program relies on: TrueType outlines,
221 glyphs, 1024 units per em, ascender 900, descender 0, a (3,1) format-4
and a (1,0) format-0 character map covering the codes 32-126 and 160-169
(code N is U+00NN), family and full name "TMusicFont", style "Regular",
version "Version 1.00".
"""

import os
import sys

sys.dont_write_bytecode = True          # keep the source tree clean
HERE = os.path.dirname(os.path.abspath(__file__))
if HERE not in sys.path:
    sys.path.insert(0, HERE)

from fontTools.fontBuilder import FontBuilder          # noqa: E402
from fontTools.cu2qu import curve_to_quadratic         # noqa: E402
from fontTools.pens.ttGlyphPen import TTGlyphPen       # noqa: E402
from fontTools.ttLib.tables._c_m_a_p import CmapSubtable   # noqa: E402
from fontTools.ttLib import newTable                   # noqa: E402

import tmf_glyphs                                      # noqa: E402

FAMILY = "TMusicFont"
STYLE = "Regular"
VERSION = "Version 1.00"
UPEM = 1024
ASCENT = 900
DESCENT = 0
GLYPH_COUNT = 221
# head.created / head.modified: fixed, seconds since 1904-01-01 00:00 UTC
# (2024-01-01 00:00 UTC), so that every run writes the same bytes
FIXED_TIMESTAMP = 3786912000
CURVE_TOLERANCE = 0.5    # font units allowed between a cubic and its quadratics
# the fontTools release the committed font was made with (Debian 12:
# python3-fonttools 4.38.0); check_font.sh compares only with this version
FONTTOOLS_VERSION = "4.38.0"


def codes():
    return list(range(32, 127)) + list(range(160, 170))


def to_truetype_points(contour):
    """One contour (counter-clockwise, cubic) as TrueType points, clockwise."""
    pts = [(contour.start, True)]
    cur = contour.start
    for seg in contour.segs:
        if seg[0] == 'L':
            pts.append((seg[1], True))
        else:
            spline = curve_to_quadratic([cur, seg[1], seg[2], seg[3]], CURVE_TOLERANCE)
            for q in spline[1:-1]:
                pts.append((q, False))
            pts.append((seg[3], True))
        cur = seg[-1]
    # round to the grid and drop points that collapse onto a neighbour
    out = []
    for (p, on) in pts:
        q = (int(round(p[0])), int(round(p[1])))
        if out and out[-1][0] == q:
            if on and not out[-1][1]:
                out[-1] = (q, True)
            continue
        out.append((q, on))
    while len(out) > 1 and out[-1][0] == out[0][0]:
        if out[-1][1] and not out[0][1]:
            out[0] = (out[0][0], True)
        out.pop()
    # drop on-curve points lying on the straight line between two on-curve
    # neighbours (left over from joined straight pieces)
    changed = True
    while changed and len(out) > 3:
        changed = False
        n = len(out)
        for i in range(n):
            a, b, c = out[i - 1], out[i], out[(i + 1) % n]
            if a[1] and b[1] and c[1]:
                cr = (b[0][0] - a[0][0]) * (c[0][1] - a[0][1]) - (b[0][1] - a[0][1]) * (c[0][0] - a[0][0])
                along = ((b[0][0] - a[0][0]) * (c[0][0] - b[0][0]) + (b[0][1] - a[0][1]) * (c[0][1] - b[0][1]))
                if cr == 0 and along >= 0:
                    del out[i]
                    changed = True
                    break
    out.reverse()              # TrueType winds filled contours clockwise
    # start on an on-curve point
    for i, (p, on) in enumerate(out):
        if on:
            out = out[i:] + out[:i]
            break
    return out


def build_glyph(shape):
    pen = TTGlyphPen(None)
    ncont = 0
    for contour in shape:
        pts = to_truetype_points(contour)
        if len(pts) < 3:
            continue
        pen.moveTo(pts[0][0])
        i = 1
        n = len(pts)
        while i < n:
            if pts[i][1]:
                pen.lineTo(pts[i][0])
                i += 1
            else:
                offs = []
                while i < n and not pts[i][1]:
                    offs.append(pts[i][0])
                    i += 1
                end = pts[i][0] if i < n else pts[0][0]
                pen.qCurveTo(*offs, end)
                i += 1
        pen.closePath()
        ncont += 1
    g = pen.glyph()
    if ncont > 1:
        # the contours of a sign may overlap (filled with the non-zero rule)
        g.flags[0] |= 0x40
    return g


def build_font():
    table = tmf_glyphs.build()            # code -> Glyph (name, advance, shape)
    order = [".notdef"]
    by_name = {".notdef": tmf_glyphs.notdef()}
    cmap = {}
    for code in codes():
        gd = table[code]
        assert gd.name not in by_name, gd.name
        order.append(gd.name)
        by_name[gd.name] = gd
        cmap[code] = gd.name
    n_unused = GLYPH_COUNT - len(order)
    assert n_unused >= 0
    for i in range(n_unused):
        name = "unused%03d" % i
        order.append(name)
        by_name[name] = tmf_glyphs.Glyph(name, 0, [])

    fb = FontBuilder(UPEM, isTTF=True)
    fb.setupHead(unitsPerEm=UPEM, created=FIXED_TIMESTAMP, modified=FIXED_TIMESTAMP,
                 fontRevision=1.0, flags=0x000B, lowestRecPPEM=8)
    fb.setupGlyphOrder(order)

    glyf = {}
    metrics = {}
    for name in order:
        gd = by_name[name]
        g = build_glyph(gd.shape)
        glyf[name] = g
    fb.setupGlyf(glyf)
    gt = fb.font["glyf"]
    for name in order:
        g = gt[name]
        lsb = g.xMin if g.numberOfContours else 0
        metrics[name] = (int(by_name[name].advance), lsb)
    fb.setupHorizontalMetrics(metrics)
    fb.setupHorizontalHeader(ascent=ASCENT, descent=-DESCENT, lineGap=0)

    # character map: Windows Unicode BMP (format 4) and Macintosh Roman (format 0)
    cm = newTable("cmap")
    cm.tableVersion = 0
    win = CmapSubtable.newSubtable(4)
    win.platformID, win.platEncID, win.language = 3, 1, 0
    win.cmap = {code: cmap[code] for code in codes()}
    mac = CmapSubtable.newSubtable(0)
    mac.platformID, mac.platEncID, mac.language = 1, 0, 0
    mac.cmap = {code: cmap[code] for code in codes()}
    cm.tables = [mac, win]
    fb.font["cmap"] = cm

    names = {
        "familyName": FAMILY,
        "styleName": STYLE,
        "uniqueFontIdentifier": "%s %s %s" % (FAMILY, STYLE, VERSION),
        "fullName": FAMILY,
        "version": VERSION,
        "psName": FAMILY,
    }
    fb.setupNameTable(names, windows=True, mac=True)

    fb.setupOS2(
        version=4,
        usWeightClass=400,
        usWidthClass=5,
        fsType=0,                      # installable: may be embedded in PDF
        achVendID="SRVL",
        fsSelection=0x0040,            # REGULAR
        usFirstCharIndex=32,
        usLastCharIndex=169,
        sTypoAscender=ASCENT,
        sTypoDescender=-DESCENT,
        sTypoLineGap=0,
        usWinAscent=ASCENT,
        usWinDescent=DESCENT,
        ulUnicodeRange1=0x00000003,    # Basic Latin, Latin-1 Supplement
        ulCodePageRange1=0x00000001,   # Latin 1
        sxHeight=450,
        sCapHeight=870,
        usDefaultChar=0,
        usBreakChar=32,
        usMaxContext=1,
        yStrikeoutSize=60,
        yStrikeoutPosition=450,
        ySubscriptXSize=666, ySubscriptYSize=614, ySubscriptYOffset=77,
        ySuperscriptXSize=666, ySuperscriptYSize=614, ySuperscriptYOffset=358,
    )
    fb.setupPost(keepGlyphNames=True, underlinePosition=-60, underlineThickness=40)
    fb.font["gasp"] = _gasp()
    fb.font.recalcTimestamp = False
    return fb.font


def _gasp():
    t = newTable("gasp")
    t.version = 1
    t.gaspRange = {0xFFFF: 0x000A}     # grey-scale, symmetric smoothing
    return t


def main(argv):
    out = os.path.join(HERE, os.pardir, "TMusicFont.ttf")
    args = list(argv)
    while args:
        a = args.pop(0)
        if a in ("-o", "--output") and args:
            out = args.pop(0)
        else:
            sys.stderr.write("usage: make_tmusicfont.py [-o OUTPUT]\n")
            return 2
    import fontTools
    if fontTools.version != FONTTOOLS_VERSION:
        sys.stderr.write("make_tmusicfont.py: note: fontTools %s, the committed font was made "
                         "with %s; the output may differ in its bytes\n"
                         % (fontTools.version, FONTTOOLS_VERSION))
    font = build_font()
    font.save(out, reorderTables=True)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
