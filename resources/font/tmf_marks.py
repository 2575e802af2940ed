# SPDX-License-Identifier: GPL-3.0-or-later
"""The signs of TMusicFont: everything that is not a numeral or a word.

Vertical placement follows the drawing rules of the program (src/view/core):
a sign is drawn with the middle of its 0..900 box on the item's reference
point, so signs are centred on y = 450 and, where the glyph table gives a
height rate below 100 %, kept inside that share of the box (the selection
frame and the hit area are that high).  Bar lines are drawn at 200 %, time
signatures at 150 %, ornaments at 150 %, speed signs at 180 %, repeat and
jump signs at 160 %; the sizes below are chosen so that every sign looks
right next to a note numeral at those scales.
"""

import tmf_digits as DG
import tmf_letters as LT
from tmf_geom import (Pen, spline, stroke, rect, polygon, circle, ellipse, ring, translate,
                      scale, mirror_x, rotate, bounds, swell, taper, negative)

MID = 450.0          # vertical middle of the 0..900 box


def _poly(*pts):
    return spline([(x, y, None) for (x, y) in pts])


def fit(shape, lsb, rsb=None, advance=None):
    """Move a shape so that its ink starts at x = lsb; returns (shape, advance).

    Either rsb (right side bearing) or a fixed advance (ink centred) is given.
    """
    b = bounds(shape)
    if b is None:
        return shape, int(advance or lsb)
    w = b[2] - b[0]
    if advance is not None:
        x = (advance - w) / 2.0
        return translate(shape, x - b[0], 0), int(advance)
    if rsb is None:
        rsb = lsb
    return translate(shape, lsb - b[0], 0), int(round(lsb + w + rsb))


def mirrored(shape_adv):
    """The mirror variant of a sign (left and right exchanged)."""
    shape, adv = shape_adv
    return mirror_x(shape, adv / 2.0), adv


def vcenter(shape, y=MID):
    b = bounds(shape)
    return translate(shape, 0, y - (b[1] + b[3]) / 2.0)


# --------------------------------------------------------------------------
# numerals in other sizes

def digits_row(ds, x0, y0, height, gap, weight=1.0, ratio=0.5):
    """Digits side by side, ink from x0; returns (shape, x_end)."""
    shape = []
    x = x0
    w = height * ratio
    for d in ds:
        F = DG.frame_for(x, y0, height, w, weight)
        shape += DG.digit(d, F)
        x += w + gap
    return shape, x - gap


def time_signature(num, den):
    """Stacked fraction, the way jianpu writes the metre (drawn at 150 %)."""
    h = 352.0
    ratio = 0.56
    gap = 26.0
    bar_t = 32.0
    top_y0 = MID + bar_t / 2 + 40
    bot_y0 = MID - bar_t / 2 - 40 - h
    nd = [int(c) for c in str(num)]
    dd = [int(c) for c in str(den)]
    wn = len(nd) * h * ratio + (len(nd) - 1) * gap
    wd = len(dd) * h * ratio + (len(dd) - 1) * gap
    wide = max(wn, wd)
    bar_w = wide + 70
    cx = bar_w / 2
    shape = []
    s, _ = digits_row(nd, cx - wn / 2, top_y0, h, gap, 1.0, ratio)
    shape += s
    s, _ = digits_row(dd, cx - wd / 2, bot_y0, h, gap, 1.0, ratio)
    shape += s
    shape += rect(0, MID - bar_t / 2, bar_w, MID + bar_t / 2)
    return fit(shape, 44)


def ending_number(n):
    """"1." to "4.": the number of a volta bracket (drawn at 80 %, its top
    on the bracket's line, so the ink sits a little below the top)."""
    h = 540.0
    y0 = 190.0
    F = DG.frame_for(0, y0, h, h * 0.5)
    shape = DG.digit(n, F)
    r = F.thick * 0.5
    shape += circle(F.x1 + 34 + r, y0 + r, r)
    return fit(shape, 40, 50)


# the bar-number digits: ink from SMALL_Y0 to SMALL_Y1, just above the bar
# of a THorizBar; strokes heavier, relatively, than the note numerals' (at
# 18 pt on the screen the thin strokes are a pixel wide), the same flat top
# and bottom for every figure, and a small overshoot for the round ones
SMALL_Y0 = 150.0
SMALL_Y1 = 510.0
SMALL_FRAME = DG.Frame(0, SMALL_Y0, 196, SMALL_Y1, 64, 46, 4, plain=True)


def small_digit(d):
    """Digits of the bar numbers (codes 160-169), tabular so that numbers
    line up."""
    return fit(DG.digit(d, SMALL_FRAME), 0, advance=240)


# --------------------------------------------------------------------------
# time-related signs

def fermata():
    """Arch with a dot (')' is drawn as a TBeat, at 150 %)."""
    w = 560.0
    base = 300.0
    top = 650.0
    pen = Pen(96, 96, 0, swell(0.15, 1.0))
    arch = spline([(0, base, 90), (w / 2, top - 48, 0), (w, base, 270)], tension=1.1)
    shape = stroke(arch, pen, 'round')
    shape += circle(w / 2, base + 50, 52)
    return fit(shape, 60)


def sustain_dash():
    """'8': the dash that holds the preceding note, as wide as a numeral."""
    t = 68.0
    return rect(52, MID - t / 2 - 14, 460, MID + t / 2 - 14), 512


def dot_tool():
    """'9': the augmentation dot, where the program draws it beside a note."""
    return fit(circle(0, 290, 58), 70)


def quarter_note():
    """'N': the quarter-note sign of tempo marks."""
    head = ellipse(0, 0, 150, 104, rot=24)
    head = translate(head, 178, 150)
    b = bounds(head)
    sw = 40.0
    x1 = b[2]
    shape = head + rect(x1 - sw, 180, x1, 880)
    return fit(shape, 40, 40)


def _comma(y):
    """A comma: a ball with a tapering tail curling down to the left."""
    r = 60.0
    sh = circle(0, y, r)
    tail = spline([(r * 0.62, y, 272), (r * 0.25, y - 1.9 * r, 238), (-r * 0.95, y - 2.9 * r, 205)])
    sh += stroke(tail, Pen(r * 1.24, r * 1.24, 0, taper(1.0, 0.16, 0.0, 1.0, False)), 'flat', 'round')
    return sh


def tempo_tool():
    """'/': small comma-like mark at the foot of the line."""
    return fit(_comma(190), 70)


# --------------------------------------------------------------------------
# bar lines (drawn at 200 %)

BAR_Y0 = 120.0
BAR_Y1 = 780.0
THIN = 30.0
THICK = 88.0
GAP = 56.0
DOT_R = 36.0
DOT_DY = 96.0


def _v(x, w):
    return rect(x, BAR_Y0, x + w, BAR_Y1)


def _dots(x):
    return circle(x + DOT_R, MID + DOT_DY, DOT_R) + circle(x + DOT_R, MID - DOT_DY, DOT_R)


def bar_lines():
    out = {}
    out['single'] = fit(_v(0, THIN), 0, advance=170)
    out['double'] = fit(_v(0, THIN) + _v(THIN + GAP, THIN), 0, advance=250)
    out['final'] = fit(_v(0, THIN) + _v(THIN + GAP, THICK), 0, advance=310)
    x = 0.0
    s = _v(x, THICK)
    x += THICK + GAP
    s += _v(x, THIN)
    x += THIN + GAP * 0.85
    s += _dots(x)
    x += 2 * DOT_R
    out['repeatStart'] = fit(s, 0, advance=int(x + 130))
    out['repeatEnd'] = fit(mirror_x(s, 0), 0, advance=int(x + 130))
    x = 0.0
    s = _dots(x)
    x += 2 * DOT_R + GAP * 0.85
    s += _v(x, THIN)
    x += THIN + GAP
    s += _v(x, THICK)
    x += THICK + GAP
    s += _v(x, THIN)
    x += THIN + GAP * 0.85
    s += _dots(x)
    x += 2 * DOT_R
    out['repeatBoth'] = fit(s, 0, advance=int(x + 130))
    return out


# --------------------------------------------------------------------------
# accidentals (drawn top-left of the numeral, upper part of the box)
#
# The program places an accidental by the top-left corner of its cell, so
# the ink of each one stays inside its advance (sharp 224, flat 233,
# natural 172), ends at least 6 units before the advance (a clear gap before
# the numeral at the default offsets), and uses the box from ACC_BOT to
# ACC_TOP: about three quarters of a numeral's height, its top a little
# above the numeral's.  No stroke is thinner than 40 units, about a pixel at
# 18 pt on the screen and a quarter of a millimetre in print.

ACC_TOP = 862.0
ACC_BOT = 306.0
ACC_STEM = 46.0          # verticals
ACC_BEAM = 80.0          # beams of the sharp and the natural, measured vertically


def _accidental(shape, lsb, advance, rsb_min=6.0):
    b = bounds(shape)
    assert lsb + (b[2] - b[0]) <= advance - rsb_min, "accidental wider than its cell"
    return translate(shape, lsb - b[0], 0), advance


def _beam(x0, x1, yc, rise, t):
    """A slanted beam of vertical thickness t, rising by 'rise' from x0 to x1."""
    return polygon([(x0, yc - rise / 2 - t / 2), (x1, yc + rise / 2 - t / 2),
                    (x1, yc + rise / 2 + t / 2), (x0, yc - rise / 2 + t / 2)])


def sharp():
    h = ACC_TOP - ACC_BOT
    w = 206.0
    vx0, vx1 = 66.0, 146.0          # centres of the two verticals
    sh = []
    # the verticals are offset like the beams: the left one lower
    sh += rect(vx0 - ACC_STEM / 2, ACC_BOT, vx0 + ACC_STEM / 2, ACC_TOP - 34)
    sh += rect(vx1 - ACC_STEM / 2, ACC_BOT + 34, vx1 + ACC_STEM / 2, ACC_TOP)
    rise = 60.0
    for v in (0.31, 0.69):
        sh += _beam(0, w, ACC_BOT + v * h, rise, ACC_BEAM)
    return _accidental(sh, 8, 224)


def flat():
    h = ACC_TOP - ACC_BOT
    sw = ACC_STEM + 4
    sh = rect(0, ACC_BOT, sw, ACC_TOP)
    # the bowl leaves the stem a little below the middle, swells round to
    # the right (the heavy side) and comes back to a point at the foot
    x = sw * 0.5
    bowl = spline([(x, ACC_BOT + 0.44 * h, 48), (sw + 50, ACC_BOT + 0.54 * h, 0),
                   (sw + 102, ACC_BOT + 0.34 * h, 266), (x, ACC_BOT + 14, 206)])
    sh += stroke(bowl, Pen(80, 40, 8), ('cut', 90), ('cut', 90))
    return _accidental(sh, 22, 233)


def natural():
    h = ACC_TOP - ACC_BOT
    x0, x1 = 0.0, 148.0
    sh = []
    sh += rect(x0, ACC_BOT + 0.28 * h, x0 + ACC_STEM, ACC_TOP)
    sh += rect(x1 - ACC_STEM, ACC_BOT, x1, ACC_TOP - 0.28 * h)
    rise = 40.0
    for v in (0.36, 0.64):
        sh += _beam(x0, x1, ACC_BOT + v * h, rise, ACC_BEAM - 6)
    return _accidental(sh, 12, 172)


# --------------------------------------------------------------------------
# dynamics, hairpins

def dynamic(text):
    sh, w = LT.placed(text, LT.DYNAMIC, 760, 0, 0)
    # the baseline where a word without ascender or descender would be centred
    sh = translate(sh, 0, MID - 0.76 * 200 - 10)
    return fit(sh, 40)


def hairpin(opening):
    """'I' crescendo (opening to the right), 'J' decrescendo."""
    w = 800.0
    half = 160.0
    if opening:
        p = _poly((w, MID + half), (0, MID), (w, MID - half))
    else:
        p = _poly((0, MID + half), (w, MID), (0, MID - half))
    return fit(stroke(p, 34, 'flat', miter_limit=12.0), 50)


# --------------------------------------------------------------------------
# grace notes (daon), tool glyphs

def daon(left):
    """'K' / 'L': small numerals with their line and the hook that joins
    them to the main note (to the right for a left daon, and vice versa)."""
    h = 300.0
    sh, x_end = digits_row([5, 6], 0, 500, h, 44, 1.05)
    w = x_end
    line_y = 440.0
    lt = 28.0
    sh += rect(-10, line_y - lt / 2, w + 10, line_y + lt / 2)
    cx = w / 2
    hook_y = 250.0
    d = 1 if left else -1
    far = cx + d * (w / 2 + 150)
    sh += stroke(_poly((cx, line_y), (cx, hook_y), (far, hook_y)), 28, 'flat')
    return fit(sh, 50)


def bracket_tool(n):
    """'<' to '?': a volta bracket with its number, as the palette shows it."""
    t = 34.0
    top = 800.0
    w = 640.0
    sh = rect(0, 190, t, top) + rect(0, top - t, w, top)
    h = 420.0
    F = DG.frame_for(110, 260, h, h * 0.5)
    sh += DG.digit(n, F)
    r = F.thick * 0.5
    sh += circle(F.x1 + 30 + r, 260 + r, r)
    return fit(sh, 50)


def horiz_bar_tool():
    """'M': the horizontal bar (a bar with end posts) as the palette shows it."""
    w = 760.0
    sh = rect(0, MID - 88, w, MID + 88)
    sh += rect(0, MID - 200, 64, MID + 200)
    sh += rect(w - 64, MID - 200, w, MID + 200)
    return fit(sh, 60)


def text_box_tool():
    """'O': a framed letter A."""
    w, h = 620.0, 560.0
    y0 = MID - h / 2
    t = 30.0
    sh = rect(0, y0, w, y0 + t) + rect(0, y0 + h - t, w, y0 + h)
    sh += rect(0, y0, t, y0 + h) + rect(w - t, y0, w, y0 + h)
    # sans-serif A
    ah = 330.0
    aw = 300.0
    ax = (w - aw) / 2
    ay = MID - ah / 2
    sh += stroke(_poly((ax, ay), (ax + aw / 2, ay + ah), (ax + aw, ay)), 52, ('cut', 0), miter_limit=6)
    sh += rect(ax + aw * 0.24, ay + ah * 0.30, ax + aw * 0.76, ay + ah * 0.30 + 40)
    return fit(sh, 50)


def slur_arch(w, h, thick=64.0, base=0.0):
    p = spline([(0, base, 62), (w / 2, base + h, 0), (w, base, -62)])
    return stroke(p, Pen(thick, thick, 0, swell(0.22, 1.0)), 'round')


def slur_tool():
    sh = slur_arch(700, 230, 62, MID - 110)
    return fit(sh, 50)


def triplet_tool():
    """'Z': a "3" under an arch."""
    sh = slur_arch(520, 150, 50, 640)
    h = 380.0
    F = DG.frame_for(260 - h * 0.26, 170, h, h * 0.52)
    sh += DG.digit(3, F)
    return fit(sh, 50)


def renton_tool():
    """'}': the peaked arch the ren-ton mark draws."""
    w = 640.0
    p = _poly((0, MID - 120), (w / 2, MID + 130), (w, MID - 120))
    return fit(stroke(p, 38, 'round', miter_limit=8), 50)


# --------------------------------------------------------------------------
# bowing and strings

def down_bow():
    w, h = 420.0, 360.0
    y0 = MID - h / 2
    bt = 104.0
    lw = 42.0
    sh = rect(0, y0 + h - bt, w, y0 + h)
    sh += rect(0, y0, lw, y0 + h - bt / 2)
    sh += rect(w - lw, y0, w, y0 + h - bt / 2)
    return fit(sh, 60)


def up_bow():
    w, h = 320.0, 430.0
    y0 = MID - h / 2
    sh = stroke(_poly((0, y0 + h), (w / 2, y0), (w, y0 + h)), Pen(58, 32, 0), ('cut', 0),
                miter_limit=10)
    return fit(sh, 50)


# Finger and string marks share one stroke weight (font units): horizontal
# strokes FINGER_H, vertical ones FINGER_V, about one and a half pixels at
# 18 pt on the screen, so that none of them prints as a hairline.
FINGER_H = 56.0
FINGER_V = 62.0


def _cjk(strokes, size, advance, y_mid=MID):
    """CJK characters in a plain gothic style, from centre lines drawn in a
    1000 x 1000 box scaled to 'size'; each stroke is a path and its caps.
    The ink is centred in the given advance."""
    k = size / 1000.0
    sh = []
    for st in strokes:
        path, c0, c1 = st[:3]
        w = st[3] if len(st) > 3 else 1.0       # this stroke's weight, relative to the others
        sh += stroke(path, Pen(FINGER_V * w / k, FINGER_H * w / k, 0), c0, c1, miter_limit=3.0)
    sh = vcenter(scale(sh, k), y_mid)
    b = bounds(sh)
    assert b[2] - b[0] <= advance - 20, "mark wider than its cell"
    return fit(sh, 0, advance=advance)


def inner_string():
    """内: the frame 冂 and 人 rising through its top, with room between the
    legs of 人 and the sides of the frame."""
    s = [
        (_poly((120, -20), (120, 740), (880, 740), (880, 60), (800, 0)), 'flat', 'flat'),
        (spline([(500, 1020, 270), (497, 700, 266), (300, 330, 220)]), 'flat', 'flat'),
        (spline([(540, 500, 315), (720, 330, 315)]), 'flat', 'flat'),
    ]
    return _cjk(s, 470, 453)


def outer_string():
    """外: 夕 on the left, 卜 on the right."""
    s = [
        (spline([(290, 1020, 242), (80, 700, 220)]), 'flat', 'flat'),
        (_poly((215, 840), (480, 840)), 'flat', 'flat'),
        (spline([(480, 840, 256), (360, 380, 236), (40, -20, 212)]), 'flat', 'flat'),
        (spline([(175, 610, 320), (300, 510, 320)]), 'flat', 'flat'),
        (_poly((700, 1020), (700, -20)), 'flat', 'flat'),
        (spline([(745, 640, 328), (950, 470, 322)]), 'flat', 'flat'),
    ]
    return _cjk(s, 470, 502)


def finger(n):
    """Finger numbers as erhu players write them: 一 二 三 四."""
    if n == 1:
        # a lone stroke looks lighter than the strokes of 二 and 三; the legs
        # of 四, inside its frame, are drawn a little lighter
        s = [(_poly((40, 500), (960, 500)), 'flat', 'flat', 1.2)]
    elif n == 2:
        s = [(_poly((170, 800), (830, 800)), 'flat', 'flat'),
             (_poly((40, 200), (960, 200)), 'flat', 'flat')]
    elif n == 3:
        s = [(_poly((150, 900), (850, 900)), 'flat', 'flat'),
             (_poly((210, 500), (790, 500)), 'flat', 'flat'),
             (_poly((40, 100), (960, 100)), 'flat', 'flat')]
    else:
        s = [(_poly((70, 20), (70, 880), (930, 880), (930, 20)), 'flat', 'flat'),
             (_poly((70, 80), (930, 80)), 'flat', 'flat'),
             (spline([(385, 880, 270), (380, 640, 262), (245, 420, 215)]), 'flat', 'flat', 0.8),
             (_poly((615, 880), (615, 460), (800, 460)), 'flat', 'flat', 0.8)]
    return _cjk(s, 410, 453 if n == 4 else 448)


def open_string():
    """'T': open string, a small 0 in the weight of the finger numbers."""
    rx, ry = 92.0, 150.0
    p = spline([(rx, 0, 90), (0, ry, 180), (-rx, 0, 270), (0, -ry, 0)], closed=True, tension=1.05)
    sh = stroke(p, Pen(FINGER_V, FINGER_H * 0.8, 0))
    return fit(translate(sh, 0, MID), 0, advance=346)


def finger_ring():
    """'.': the small ring."""
    return fit(ring(0, MID, 118, 118, 118 - FINGER_H * 0.85, 118 - FINGER_H * 0.85), 0, advance=336)


# --------------------------------------------------------------------------
# ornaments (drawn at 150 %, a third of the box high)

def trill():
    sh, w = LT.placed("tr", LT.DYNAMIC, 640, 0, 0)
    return fit(vcenter(sh), 40)


def wave(n, length, amp, pen, y=MID, x0=0.0, phase_up=True):
    """A smooth wavy line of n full periods."""
    per = length / n
    # through the middle points with alternating slopes, and round tops
    pts = []
    for i in range(2 * n):
        xa = x0 + i * per / 2
        up = (i % 2 == 0) == phase_up
        pts.append((xa, y, 50 if up else -50))
        pts.append((xa + per / 4, y + (amp if up else -amp), 0))
    pts.append((x0 + n * per, y, 50 if (2 * n % 2 == 0) == phase_up else -50))
    return stroke(spline(pts), pen, 'round')


def trill_wavy():
    sh, w = LT.placed("tr", LT.DYNAMIC, 640, 0, 0)
    b = bounds(sh)
    sh = translate(sh, -b[0], MID - (b[1] + b[3]) / 2)
    sh += wave(4, 520, 34, Pen(50, 18, 30), MID + 10, b[2] - b[0] + 40)
    return fit(sh, 40)


def mordent(lower):
    """Short trill (upper mordent); with a stroke through it, the lower one.
    Thin rising strokes, heavy falling ones, tips slightly rounded."""
    pen = Pen(80, 14, 60)
    a = 70.0
    step = 66.0
    k = 0.25
    nodes = [(0, MID - a * 0.45, 62),
             (step * 0.75, MID + a, 0, k), (step * 1.75, MID - a, 0, k),
             (step * 2.75, MID + a, 0, k), (step * 3.75, MID - a, 0, k),
             (step * 4.4, MID - a * 0.1, 62)]
    sh = stroke(spline(nodes), pen, 'flat')
    if lower:
        cx = step * 2.25
        sh += rect(cx - 12, MID - 160, cx + 12, MID + 160)
    return fit(sh, 40)


def turn(inverted):
    """The turn: a lying S whose ends curl back into two loops, thick on the
    stroke through the middle, with ball ends."""
    pen = Pen(72, 20, 35)
    p = spline([(-92, -24, 235), (-140, -70, 180), (-200, 0, 90), (-122, 86, 0),
                (0, 0, 318), (122, -86, 0), (200, 0, 90), (140, 70, 180), (92, 24, 235)])
    sh = stroke(p, pen, 'flat')
    r = 33.0
    sh += circle(-88, -18, r) + circle(88, 18, r)
    sh = translate(sh, 0, MID)
    if inverted:
        sh += rect(-12, MID - 160, 12, MID + 160)
    return fit(sh, 40)


def vibrato():
    """揉弦: a long even wave."""
    sh = wave(3, 600, 54, Pen(62, 22, 35), MID)
    return fit(sh, 40)


def accent():
    sh = stroke(_poly((0, MID + 110), (300, MID), (0, MID - 110)), 40, 'flat', miter_limit=12)
    return fit(sh, 50)


def staccatissimo():
    sh = polygon([(0, MID + 140), (130, MID + 140), (65, MID - 140)])
    return fit(sh, 60)


def tremolo():
    """碎弓: three short slanted beams."""
    sh = []
    for i in range(3):
        y = MID - 120 + i * 100
        sh += polygon([(0, y - 30), (200, y + 30), (200, y + 80), (0, y + 20)])
    return fit(vcenter(sh), 50)


def harmonic():
    return fit(ring(0, MID, 84, 84, 58, 58), 50)


def pizzicato():
    t = 44.0
    a = 110.0
    sh = rect(-a, MID - t / 2, a, MID + t / 2) + rect(-t / 2, MID - a, t / 2, MID + a)
    return fit(sh, 50)


def staccato():
    return fit(circle(0, MID, 46), 60)


def breath_mark():
    """'t': a comma above the line (drawn centred on its point)."""
    return fit(vcenter(_comma(0)), 60)


# --------------------------------------------------------------------------
# slides (placed before the note)

def slide_up():
    """'^': a short slide up into the note."""
    p = spline([(0, MID - 220, 8), (250, MID + 200, 74)])
    sh = stroke(p, Pen(52, 52, 0, taper(0.3, 1.0, 0.7, 0.0)), 'round')
    return fit(sh, 50)


def gliss_up():
    """'{': a long slide, a wavy rising line."""
    n = 3
    sh = wave(n, 560, 42, Pen(44, 20, 30), 0)
    sh = rotate(sh, 42, 0, 0)
    sh = vcenter(sh)
    return fit(sh, 40)


# --------------------------------------------------------------------------
# repeat and jump signs (drawn at 160 %), speed signs (180 %)

def word_sign(text):
    sh, w = LT.placed(text, LT.TEXT, 500, 0, 0)
    return fit(vcenter(sh), 40)


def speed_sign(text):
    sh, w = LT.placed(text, LT.TEXT, 450, 0, 0)
    return fit(vcenter(sh, MID - 20), 40)


def segno():
    """𝄋: an S crossed by a slanted stroke, with a dot in each bay."""
    S = LT.Style(92.0, 22.0, 35.0)
    p = spline([(262, 405, 95), (150, 500, 180), (42, 395, 270), (150, 262, 340),
                (258, 125, 270), (150, 18, 180), (38, 115, 95)])
    pen = S.pen()
    sh = stroke(p, pen, 'flat')
    r = 40.0
    half = pen.half((0.0, 1.0), 0.0)
    sh += circle(262 - half + r, 400, r) + circle(38 + half - r, 120, r)
    sh += stroke(_poly((-20, -20), (320, 540)), 28, 'flat')
    sh += circle(-22, 230, 36) + circle(322, 290, 36)
    return fit(vcenter(sh), 40)


def coda():
    """𝄌: a ring with a cross."""
    ry, rx = 170.0, 140.0
    p = spline([(rx, 0, 90), (0, ry, 180), (-rx, 0, 270), (0, -ry, 0)], closed=True)
    sh = stroke(p, Pen(58, 26, 0))
    t = 26.0
    sh += rect(-rx - 80, -t / 2, rx + 80, t / 2)
    sh += rect(-t / 2, -ry - 80, t / 2, ry + 80)
    return fit(translate(sh, 0, MID), 40)


# --------------------------------------------------------------------------

def notdef():
    sh = rect(60, 0, 452, 700)
    sh += [negative(c) for c in rect(100, 40, 412, 660)]
    return sh, 512
