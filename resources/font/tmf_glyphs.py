# SPDX-License-Identifier: GPL-3.0-or-later
"""The code table of TMusicFont: for every character code, the glyph's name,
its advance width and its outline.

The kinds are those of the program's glyph table (src/model/glyphinfotable.cpp); they
are repeated here to document which role each drawing serves.  Codes whose
role is given only by their kind are drawn as listed in README.md.
"""

import tmf_digits as DG
import tmf_marks as MK


class Glyph:
    def __init__(self, name, advance, shape, kind=None, role=""):
        self.name = name
        self.advance = int(advance)
        self.shape = shape
        self.kind = kind
        self.role = role


def notdef():
    sh, adv = MK.notdef()
    return Glyph(".notdef", adv, sh)


# the frame of the note numerals: 512 units wide (the digit "8" measures
# 12 x 21 pixels at 18 pt, 96 dpi).  The ink is kept well inside the cell,
# because the program draws marks at fixed distances from the cell: at
# 18 pt and the default offsets the augmentation dot starts 469 units from
# the cell's left edge (so the ink ends at 424, a clear gap before the dot),
# and the first upper octave dot of a daon reaches half a page unit into the
# cell of its small numerals (so the tops stay at 802, well below the
# ascender 900; round tops overshoot by 8).
NOTE_FRAME = DG.Frame(88, 43, 424, 802, 84, 50, 8)

TIME_SIGNATURES = {33: (2, 2), 34: (2, 4), 35: (3, 4), 36: (4, 4),
                   37: (3, 8), 38: (6, 8), 39: (9, 8), 40: (12, 8)}

DYNAMICS = ["ppp", "pp", "p", "mp", "mf", "f", "ff", "fff", "sf"]


def build():
    t = {}

    def put(code, name, shape_adv, kind, role):
        shape, adv = shape_adv
        assert code not in t, code
        t[code] = Glyph(name, adv, shape, kind, role)

    put(32, "space", ([], 256), 0, "blank")
    for code, (n, d) in TIME_SIGNATURES.items():
        put(code, "timeSig%dover%d" % (n, d), MK.time_signature(n, d), 3,
            "time signature %d over %d" % (n, d))
    put(41, "fermata", MK.fermata(), 3, "an arch with a dot")
    for i in range(4):
        put(42 + i, "ending%d" % (i + 1), MK.ending_number(i + 1), 0,
            "ending number %d." % (i + 1))
    put(46, "fingerRing", MK.finger_ring(), 6, "small ring (finger number)")
    put(47, "tempoTool", MK.tempo_tool(), 25, "comma-like mark at the foot; tempo tool")
    for d in range(8):
        put(48 + d, "note%d" % d, (DG.digit(d, NOTE_FRAME), 512), 1,
            "rest" if d == 0 else "note numeral %d" % d)
    put(56, "sustainDash", MK.sustain_dash(), 1, "dash prolonging the preceding note")
    put(57, "dotTool", MK.dot_tool(), 22, "small dot; augmentation-dot tool")
    put(58, "numeral8", (DG.digit(8, NOTE_FRAME), 512), 0, "numeral 8")
    put(59, "numeral9", (DG.digit(9, NOTE_FRAME), 512), 0, "numeral 9")
    for i in range(4):
        put(60 + i, "bracket%d" % (i + 1), MK.bracket_tool(i + 1), 20,
            "volta bracket %d (tool glyph)" % (i + 1))
    for i, w in enumerate(DYNAMICS):
        put(64 + i, "dyn" + w.upper(), MK.dynamic(w), 7, "dynamic " + w)
    put(73, "crescendo", MK.hairpin(True), 16, "crescendo hairpin")
    put(74, "decrescendo", MK.hairpin(False), 16, "decrescendo hairpin")
    put(75, "daonLeft", MK.daon(True), 23, "left daon sign")
    put(76, "daonRight", MK.daon(False), 24, "right daon sign")
    put(77, "horizBarTool", MK.horiz_bar_tool(), 4, "horizontal bar tool")
    put(78, "quarterNote", MK.quarter_note(), 0, "quarter-note sign")
    put(79, "textBoxTool", MK.text_box_tool(), 5, "text box tool")
    put(80, "downBow", MK.down_bow(), 13, "down-bow")
    put(81, "upBow", MK.up_bow(), 13, "up-bow")
    put(82, "stringInner", MK.inner_string(), 14, "inner string 内")
    put(83, "stringOuter", MK.outer_string(), 14, "outer string 外")
    put(84, "fingerOpen", MK.open_string(), 6, "open string 0")
    for i in range(4):
        put(85 + i, "finger%d" % (i + 1), MK.finger(i + 1), 6,
            "finger " + "一二三四"[i])
    put(89, "slurTool", MK.slur_tool(), 17, "slur tool")
    put(90, "tripletTool", MK.triplet_tool(), 19, "triplet tool: 3 under an arch")
    put(91, "trill", MK.trill(), 8, "trill tr")
    put(92, "trillWavy", MK.trill_wavy(), 8, "trill with wavy line")
    put(93, "mordentUpper", MK.mordent(False), 8, "upper mordent")
    up = MK.slide_up()
    put(94, "slideUp", up, 10, "slide up into the note")
    put(95, "slideDown", MK.mirrored(up), 10, "slide down into the note")
    put(96, "sharp", MK.sharp(), 21, "sharp")
    put(97, "flat", MK.flat(), 21, "flat")
    put(98, "natural", MK.natural(), 21, "natural")
    bars = MK.bar_lines()
    put(99, "barSingle", bars["single"], 2, "single bar line")
    put(100, "barDouble", bars["double"], 2, "double bar line")
    put(101, "barFinal", bars["final"], 2, "final bar line")
    put(102, "repeatStart", bars["repeatStart"], 2, "start-repeat bar line")
    put(103, "repeatEnd", bars["repeatEnd"], 2, "end-repeat bar line")
    put(104, "repeatBoth", bars["repeatBoth"], 2, "repeat on both sides")
    put(105, "fine", MK.word_sign("Fine"), 12, "Fine")
    put(106, "segno", MK.segno(), 12, "segno")
    put(107, "dalSegno", MK.word_sign("D.S."), 12, "D.S.")
    put(108, "coda", MK.coda(), 12, "coda")
    put(109, "daCapo", MK.word_sign("D.C."), 12, "D.C.")
    put(110, "ritardando", MK.speed_sign("rit."), 11, "rit.")
    put(111, "harmonic", MK.harmonic(), 9, "harmonic (small circle)")
    put(112, "mordentLower", MK.mordent(True), 8, "lower mordent")
    put(113, "pizzicato", MK.pizzicato(), 9, "left-hand pizzicato +")
    put(114, "staccato", MK.staccato(), 9, "staccato dot")
    put(115, "turn", MK.turn(False), 8, "turn")
    put(116, "breathMark", MK.breath_mark(), 15, "breath mark")
    put(117, "accelerando", MK.speed_sign("accel."), 11, "accel.")
    put(118, "turnInverted", MK.turn(True), 8, "inverted turn")
    put(119, "vibrato", MK.vibrato(), 8, "vibrato wave")
    put(120, "accent", MK.accent(), 8, "accent")
    put(121, "staccatissimo", MK.staccatissimo(), 8, "staccatissimo wedge")
    put(122, "tremolo", MK.tremolo(), 8, "tremolo")
    gl = MK.gliss_up()
    put(123, "glissUp", gl, 10, "long slide up")
    put(124, "glissDown", MK.mirrored(gl), 10, "long slide down")
    put(125, "renTonTool", MK.renton_tool(), 18, "ren-ton tool: an arch")
    put(126, "unassigned", ([], 512), 0, "no role")
    for d in range(10):
        put(160 + d, "barNumber%d" % d, MK.small_digit(d), None, "small digit %d" % d)
    return t
