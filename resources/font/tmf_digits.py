# SPDX-License-Identifier: GPL-3.0-or-later
"""The numerals of TMusicFont.

One parametric design serves every size: the note numerals 0-7 (and the
numerals 8 and 9 at ':' and ';'), the time-signature digits, the ending
numbers, the small bar-number digits and the digits inside the tool glyphs.
A Frame gives the box the ink must fill and the two stroke weights; smaller
frames are given relatively heavier strokes so that the small digits stay
as dark as the large ones.

The style is that of engraved music numerals: vertical stress (thick sides,
thin tops and bottoms), ball terminals on 2, 3, 5, 6 and 9, a flag and a foot
on the 1.  A plain frame (the small bar-number digits) leaves the feet off
the 1 and the 4 and gives the 1 a flat top at the height of the others.
"""

from tmf_geom import (polar, sub, line_intersection, Path, Pen, Contour, stroke, rect, polygon, circle, spline,
                      positive, rotate, taper)


class Frame:
    """The ink box of one digit and its stroke weights.

    x0, x1: left and right ink edges; y0, y1: flat bottom and top (round
    shapes overshoot by ov); thick: weight of vertical curves and stems;
    thin: weight of horizontal hairlines.
    """

    def __init__(self, x0, y0, x1, y1, thick, thin, ov=None, plain=False):
        self.x0, self.y0, self.x1, self.y1 = float(x0), float(y0), float(x1), float(y1)
        self.plain = plain          # small sizes: figures without serifs
        self.thick = float(thick)
        self.thin = float(thin)
        self.ov = float(ov if ov is not None else round((y1 - y0) * 0.014))
        self.w = self.x1 - self.x0
        self.h = self.y1 - self.y0
        self.cx = (self.x0 + self.x1) / 2

    def X(self, u):
        return self.x0 + u * self.w

    def Y(self, v):
        return self.y0 + v * self.h

    def pen(self, profile=None, k=1.0):
        return Pen(self.thick * k, self.thin * k, 0.0, profile)

    def ball_r(self):
        return self.thick * 0.56


def _ball(F, x, y, r=None):
    return circle(x, y, r if r is not None else F.ball_r())


def _terminal(F, end, outer, width=None):
    """Ball terminal on a stroke that ends at 'end' travelling vertically.

    outer = -1 when the stroke's outer edge is on its left, +1 on its right;
    the ball is tangent to the outer edge and swells into the counter.
    """
    w = F.thick if width is None else width
    r = F.ball_r()
    return circle(end[0] + outer * (w / 2 - r), end[1], r)


# -- the digits -------------------------------------------------------------

def zero(F):
    # a slightly squared oval
    rx = F.w / 2 - F.thick / 2
    ry = F.h / 2 + F.ov - F.thin / 2
    cy = (F.y0 + F.y1) / 2
    p = _oval_path(F.cx, cy, rx, ry, 0.60)
    return stroke(p, F.pen())


def _oval_path(cx, cy, rx, ry, k):
    p = Path(cx + rx, cy)
    p.C(cx + rx, cy + ry * k, cx + rx * k, cy + ry, cx, cy + ry)
    p.C(cx - rx * k, cy + ry, cx - rx, cy + ry * k, cx - rx, cy)
    p.C(cx - rx, cy - ry * k, cx - rx * k, cy - ry, cx, cy - ry)
    p.C(cx + rx * k, cy - ry, cx + rx, cy - ry * k, cx + rx, cy)
    return p.close()


def one(F):
    if F.plain:
        return _plain_one(F)
    sw = F.thick * 1.04
    sx = F.X(0.56)
    top = F.y1 + F.ov * 0.5
    shape = []
    # stem
    shape += rect(sx - sw / 2, F.y0 + F.thin, sx + sw / 2, top)
    # flag: a wedge from the top of the stem down to the left, its lower
    # edge curving back into the stem
    tip_top = (F.X(0.10), F.Y(0.785))
    tip_bot = (F.X(0.13), F.Y(0.745))
    join = (sx - sw / 2, F.Y(0.81))
    flag = Contour((sx + sw / 2, top), [
        ('L', (sx - sw / 2, top)),
        ('L', tip_top),
        ('L', tip_bot),
        ('C', (F.X(0.26), F.Y(0.80)), (join[0] - F.w * 0.08, join[1]), join),
        ('L', (sx + sw / 2, join[1]))])
    shape += [positive(flag)]
    # foot serif, with small brackets into the stem
    fw = F.w * 0.74
    ft = F.thin * 1.15
    shape += rect(sx - fw / 2, F.y0, sx + fw / 2, F.y0 + ft)
    br = F.thick * 0.5
    for side in (-1, 1):
        x_stem = sx + side * sw / 2
        c = Contour((x_stem, F.y0 + ft + br), [
            ('C', (x_stem, F.y0 + ft + br * 0.4), (x_stem + side * br * 0.3, F.y0 + ft),
             (x_stem + side * br * 1.3, F.y0 + ft)),
            ('L', (x_stem, F.y0 + ft * 0.5))])
        shape += [positive(c)]
    return shape


def _plain_one(F):
    """The 1 of small digits: a stem as heavy as the other digits' sides and
    a flag, flat on top at the height of the other digits, and no foot, which
    at a small size would darken the bottom of the figure."""
    sw = F.thick
    sx = F.X(0.62)
    shape = rect(sx - sw / 2, F.y0, sx + sw / 2, F.y1)
    flag = Contour((sx + sw / 2, F.y1), [
        ('L', (sx - sw / 2 - F.w * 0.06, F.y1)),
        ('L', (F.X(0.04), F.Y(0.74))),
        ('L', (F.X(0.10), F.Y(0.66))),
        ('L', (sx - sw / 2, F.Y(0.80))),
        ('L', (sx + sw / 2, F.Y(0.80)))])
    return shape + [positive(flag)]


def _contour_of(path):
    from tmf_geom import Contour
    segs = []
    for (p0, p1, p2, p3, is_line) in path.segs:
        segs.append(('L', p3) if is_line else ('C', p1, p2, p3))
    return Contour(path.start, segs)


def two(F):
    shape = []
    top = F.y1 + F.ov - F.thin / 2
    rx = F.x1 - F.thick * 0.5
    a = (F.x0 + F.thick * 0.5 + F.w * 0.06, F.Y(0.73))
    e = (F.x0 + F.thick * 0.74, F.y0 + F.thin * 0.7)
    p = spline([(a[0], a[1], 90), (F.X(0.52), top, 0), (rx, F.Y(0.70), 270),
                (F.X(0.50), F.Y(0.31), 236), (e[0], e[1], 243)])
    shape += stroke(p, F.pen(taper(0.9, 1.0, 0.1, 0.2)), 'flat', ('cut', 0))
    # the ball terminal hangs on the inner side of the hook
    shape += _terminal(F, a, -1, F.thick * 0.9)
    # the base, a little heavier than a hairline, with a small spur at the right
    bt = F.thin * 1.3
    shape += rect(F.x0, F.y0, F.x1, F.y0 + bt)
    shape += polygon([(F.x1 - F.thin * 1.05, F.y0), (F.x1, F.y0), (F.x1, F.Y(0.15)),
                      (F.x1 - F.thin * 0.3, F.Y(0.15))])
    return shape


def three(F):
    shape = []
    top = F.y1 + F.ov - F.thin / 2
    bot = F.y0 - F.ov + F.thin / 2
    mid_y = F.Y(0.535)
    a = (F.x0 + F.thick * 0.5 + F.w * 0.05, F.Y(0.765))
    rx_up = F.x1 - F.w * 0.075 - F.thick * 0.5
    p = spline([(a[0], a[1], 90), (F.X(0.50), top, 0), (rx_up, F.Y(0.775), 270),
                (F.X(0.40), mid_y, 180)])
    shape += stroke(p, F.pen(taper(1.0, 0.9, 0.1, 0.2)), 'flat', ('cut', 90))
    shape += _terminal(F, a, -1)
    rx_lo = F.x1 - F.thick * 0.5
    b = (F.x0 + F.thick * 0.5 + F.w * 0.03, F.Y(0.215))
    q = spline([(F.X(0.40), mid_y, 0), (rx_lo, F.Y(0.275), 270), (F.X(0.48), bot, 180),
                (b[0], b[1], 90)])
    shape += stroke(q, F.pen(taper(0.9, 1.0, 0.2, 0.1)), ('cut', 90), 'flat')
    shape += _terminal(F, b, -1)
    return shape


def four(F):
    shape = []
    sw = F.thick * 1.02
    sx = F.X(0.70)
    yb = F.Y(0.235)
    bt = F.thin * 1.25
    top = F.y1 + F.ov * 0.5
    # stem
    shape += rect(sx - sw / 2, F.y0 + F.thin, sx + sw / 2, top)
    # cross bar
    shape += rect(F.x0, yb, F.x1, yb + bt)
    # diagonal hairline from the stem's top down to the bar's left end
    dw = F.thin * 1.45
    shape += polygon([(F.x0, yb + bt * 0.5), (F.x0 + dw * 1.25, yb + bt),
                      (sx + sw / 2, top), (sx - sw / 2 - dw * 0.2, top)])
    if F.plain:
        shape += rect(sx - sw / 2, F.y0, sx + sw / 2, F.y0 + F.thin)
        return shape
    # foot serif under the stem
    fw = sw + F.w * 0.36
    shape += rect(sx - fw / 2, F.y0, sx + fw / 2, F.y0 + F.thin * 1.15)
    return shape


def five(F):
    shape = []
    top = F.y1
    bot = F.y0 - F.ov + F.thin / 2
    sx0 = F.X(0.16)
    sl = F.thick * 0.46
    # flag: the top bar, rising a little to the right
    ft = F.thin * 1.35
    shape += polygon([(sx0 - sl, top - ft), (F.X(0.93), top - ft + F.h * 0.012),
                      (F.X(0.95), top), (sx0 - sl, top)])
    # stem, narrowing a little downwards; its foot is cut away along the
    # hairline that starts the bowl
    sb = F.Y(0.50)
    s0 = (sx0 - sl * 0.98, sb)
    pen = F.pen(taper(0.75, 1.0, 0.12, 0.1))
    t0 = polar(48)
    edge = sub(s0, pen.offset(t0, 0.0))       # right edge at the start
    low = line_intersection(edge, t0, s0, (0.0, 1.0))
    shape += polygon([(sx0 - sl, top), (sx0 + sl, top), (sx0 + sl * 0.8, sb + F.thick * 0.6), low])
    # the bowl: a hairline leaves the stem's foot and swells round the right
    rx = F.x1 - F.thick * 0.5
    b = (F.x0 + F.thick * 0.5 + F.w * 0.02, F.Y(0.20))
    p = spline([(s0[0], s0[1], 48), (F.X(0.50), F.Y(0.615), 0), (rx, F.Y(0.305), 270),
                (F.X(0.47), bot, 180), (b[0], b[1], 90)])
    shape += stroke(p, pen, ('cut', 90), 'flat')
    shape += _terminal(F, b, -1)
    return shape


def six(F):
    shape = []
    top = F.y1 + F.ov - F.thin / 2
    bot = F.y0 - F.ov + F.thin / 2
    lx = F.x0 + F.thick * 0.5
    rx = F.x1 - F.thick * 0.5
    bowl_top = F.Y(0.63) - F.thin / 2
    cy = (bot + bowl_top) / 2
    ry = (bowl_top - bot) / 2
    shape += stroke(_oval_path(F.cx, cy, (rx - lx) / 2, ry, 0.60), F.pen())
    # the stem of the 6 rises from the bowl's left side to the top terminal
    a = (F.x1 - F.thick * 0.5 - F.w * 0.08, F.Y(0.79))
    p = spline([(lx, cy, 90), (F.X(0.24), F.Y(0.86), 58), (F.X(0.57), top, 0), (a[0], a[1], 270)])
    shape += stroke(p, F.pen(taper(1.0, 0.85, 0.1, 0.15)), 'flat', 'flat')
    shape += _terminal(F, a, +1, F.thick * 0.85)
    return shape


def seven(F):
    shape = []
    bt = F.thin * 1.35
    top = F.y1
    # top bar with a small downward spur at the left
    shape += rect(F.x0, top - bt, F.x1, top)
    shape += polygon([(F.x0, top), (F.x0, F.Y(0.855)), (F.x0 + F.thin * 0.95, F.Y(0.865)),
                      (F.x0 + F.thin * 1.0, top)])
    # the long stroke leaves the bar's right end and falls, thickening, in a
    # gentle curve to a flat foot
    p = spline([(F.x1 - F.thick * 0.42, top, 242), (F.X(0.43), F.y0, 266)])
    shape += stroke(p, Pen(F.thick * 1.04, F.thin * 1.3, 0.0, taper(0.6, 1.0, 0.5, 0.0)),
                    ('cut', 0), ('cut', 0))
    return shape


def eight(F):
    shape = []
    top = F.y1 + F.ov - F.thin / 2
    bot = F.y0 - F.ov + F.thin / 2
    waist = F.Y(0.545)
    d = F.thin * 0.12
    # upper loop, narrower
    ux0 = F.X(0.07) + F.thick * 0.47
    ux1 = F.X(0.93) - F.thick * 0.47
    uy0 = waist + d
    shape += stroke(_oval_path((ux0 + ux1) / 2, (uy0 + top) / 2, (ux1 - ux0) / 2, (top - uy0) / 2, 0.58),
                    Pen(F.thick * 0.93, F.thin))
    # lower loop, full width
    lx0 = F.x0 + F.thick * 0.5
    lx1 = F.x1 - F.thick * 0.5
    ly1 = waist - d
    shape += stroke(_oval_path((lx0 + lx1) / 2, (bot + ly1) / 2, (lx1 - lx0) / 2, (ly1 - bot) / 2, 0.58),
                    F.pen())
    return shape


def nine(F):
    # a six turned about the centre of its box
    s = six(F)
    return rotate(s, 180, F.cx, (F.y0 + F.y1) / 2)


DIGITS = [zero, one, two, three, four, five, six, seven, eight, nine]


def digit(d, F):
    return DIGITS[d](F)


def frame_for(x0, y0, height, width=None, weight=1.0):
    """A frame of the given height with the house proportions and weights.

    The weights grow a little, relatively, as the digits get smaller.
    """
    h = float(height)
    if width is None:
        width = h * 0.475
    # reference: height 840 -> thick 96, thin 58
    k = (840.0 / h) ** 0.22
    thick = 96.0 * h / 840.0 * k * weight
    thin = 58.0 * h / 840.0 * k * weight
    return Frame(x0, y0, x0 + width, y0 + h, thick, thin)
