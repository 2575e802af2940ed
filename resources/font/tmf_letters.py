# SPDX-License-Identifier: GPL-3.0-or-later
"""Bold italic letters of TMusicFont: dynamics (p, m, f, s), the words of the
repeat and jump signs (Fine, D.S., D.C.), the speed signs (rit., accel.)
and the trill (tr).

Letters are drawn upright as centre lines in design units (x-height 400,
cap height 680, ascender 700, descender -280), slanted, and then stroked
with a broad pen held at an angle: hairlines on the up-strokes, full weight
on the down-strokes, as in the dynamics of engraved music.  A word is set
by placing letters at their advances (with pair adjustments) and is then
scaled into the glyph box by the caller.
"""

import math

from tmf_geom import Pen, spline, stroke, circle, translate, scale

SLANT = 14.0          # degrees of italic slant


class Style:
    def __init__(self, thick, thin, angle=32.0):
        self.thick = thick
        self.thin = thin
        self.angle = angle

    def pen(self, k=1.0, profile=None):
        return Pen(self.thick * k, self.thin * k, self.angle, profile)


DYNAMIC = Style(118.0, 30.0)      # heavy: p m f s
TEXT = Style(92.0, 26.0)          # words: Fine, D.S., rit. ...


def _st(path, pen, cap0='flat', cap1=None):
    return stroke(path.sheared(SLANT), pen, cap0, cap1)


def _ball(x, y, r):
    k = math.tan(math.radians(SLANT))
    return circle(x + k * y, y, r)


def _poly(*pts):
    return spline([(x, y, None) for (x, y) in pts])


# each letter: function(style) -> (shape, advance)

def p_(S):
    sh = []
    # lead-in hairline and the long stem
    sh += _st(_poly((-40, 315), (78, 410), (52, -262)), S.pen(), 'flat', ('cut', 0))
    # foot serif of the descender
    sh += _st(_poly((-25, -270), (135, -270)), S.pen(0.62), 'round')
    # the bowl, leaving the stem as a hairline and returning into it
    sh += _st(spline([(72, 285, 58), (215, 408, 0), (335, 230, 270), (205, -6, 180), (70, 95, 125)]),
              S.pen())
    return sh, 370


def m_(S):
    sh = []
    sh += _st(_poly((-40, 320), (60, 410), (48, 0)), S.pen(), 'flat', ('cut', 0))
    sh += _st(spline([(56, 285, 62), (165, 408, 0), (215, 320, 272), (205, 0, 268)]), S.pen(),
              'flat', ('cut', 0))
    sh += _st(spline([(212, 285, 62), (322, 408, 0), (372, 320, 272), (360, 85, 268), (420, 0, 15)]),
              S.pen(), 'flat', 'flat')
    return sh, 455


def f_(S):
    sh = []
    sh += _st(spline([(360, 612, 75), (285, 705, 180), (188, 560, 255), (120, 10, 265),
                      (48, -262, 220), (-55, -220, 115)]), S.pen(profile=_f_profile), 'flat', 'flat')
    r = S.thick * 0.42
    sh += _ball(349, 606, r)
    sh += _ball(-44, -214, r)
    sh += _st(_poly((40, 405), (300, 405)), S.pen(0.66), 'flat')
    return sh, 300


def _f_profile(s):
    # slim at the hooks, full in the long stroke
    return 0.55 + 0.45 * math.sin(math.pi * min(1.0, max(0.0, (s - 0.05) / 0.9)))


def s_(S):
    sh = []
    sh += _st(spline([(285, 318, 95), (190, 410, 180), (88, 318, 272), (180, 215, 340),
                      (292, 110, 270), (175, -8, 180), (40, 85, 95)]), S.pen(0.9), 'flat', 'flat')
    r = S.thick * 0.38
    sh += _ball(276, 312, r)
    sh += _ball(49, 90, r)
    return sh, 340


def z_(S):
    sh = []
    sh += _st(_poly((50, 400), (320, 400), (20, 0), (300, 0)), S.pen(0.95), 'flat')
    return sh, 340


def r_(S):
    sh = []
    sh += _st(_poly((-35, 320), (66, 410), (50, 0)), S.pen(), 'flat', ('cut', 0))
    sh += _st(spline([(60, 280, 60), (175, 405, 0), (270, 365, 320)]), S.pen(0.95), 'flat')
    sh += _ball(262, 350, S.thick * 0.42)
    return sh, 290


def i_(S):
    sh = []
    sh += _st(spline([(-30, 320, None), (70, 410, None)]), S.pen(), 'flat')
    sh += _st(spline([(70, 410, 270), (55, 70, 268), (120, 0, 5), (175, 60, 50)]), S.pen(), 'flat')
    sh += _ball(98, 585, S.thick * 0.46)
    return sh, 215


def n_(S):
    sh = []
    sh += _st(_poly((-40, 320), (60, 410), (48, 0)), S.pen(), 'flat', ('cut', 0))
    sh += _st(spline([(56, 285, 62), (170, 408, 0), (220, 320, 272), (208, 85, 268), (270, 0, 15)]),
              S.pen(), 'flat', 'flat')
    return sh, 310


def e_(S):
    sh = []
    # the eye's hairline, then the bowl (two strokes, so that the outline
    # never crosses itself)
    sh += _st(spline([(45, 165, 28), (285, 300, 80)]), S.pen(), 'flat', 'flat')
    sh += _st(spline([(285, 300, 80), (190, 410, 180), (45, 205, 270), (170, -8, 0), (300, 85, 45)]),
              S.pen(), 'flat', 'flat')
    return sh, 305


def c_(S):
    sh = []
    sh += _st(spline([(285, 320, 95), (180, 410, 180), (40, 205, 270), (165, -8, 0), (295, 85, 45)]),
              S.pen(), 'flat', 'flat')
    sh += _ball(280, 318, S.thick * 0.44)
    return sh, 300


def a_(S):
    sh = []
    sh += _st(spline([(275, 330, 120), (170, 408, 180), (40, 200, 270), (125, -8, 0), (260, 170, 70)]),
              S.pen(), 'flat', 'flat')
    sh += _st(spline([(285, 410, 268), (262, 70, 268), (320, 0, 5), (375, 60, 50)]), S.pen(), 'flat')
    return sh, 360


def l_(S):
    sh = []
    sh += _st(spline([(60, 660, None), (165, 710, None)]), S.pen(), 'flat')
    sh += _st(spline([(165, 710, 268), (110, 70, 266), (170, 0, 5), (225, 60, 50)]), S.pen(), 'flat')
    return sh, 230


def t_(S):
    sh = []
    sh += _st(spline([(125, 590, 268), (105, 70, 266), (165, 0, 5), (225, 60, 50)]), S.pen(), 'flat')
    sh += _st(_poly((35, 400), (245, 400)), S.pen(0.62), 'flat')
    return sh, 230


def period_(S):
    return circle(40, 48, S.thick * 0.50), 110


# capitals

def F_(S):
    sh = []
    sh += _st(_poly((110, 680), (75, 0)), S.pen(1.05), 'flat', ('cut', 0))
    sh += _st(_poly((75, 680), (430, 680)), S.pen(0.7), ('cut', 90), 'flat')
    sh += _st(_poly((425, 680), (420, 560)), S.pen(0.55), 'round')
    sh += _st(_poly((88, 370), (330, 370)), S.pen(0.6), ('cut', 90), 'flat')
    sh += _st(_poly((330, 430), (330, 310)), S.pen(0.45), 'round')
    sh += _st(_poly((-20, 0), (190, 0)), S.pen(0.55), 'round')
    sh += _st(_poly((20, 680), (190, 680)), S.pen(0.55), 'round')
    return sh, 420


def D_(S):
    sh = []
    sh += _st(_poly((115, 680), (80, 0)), S.pen(1.05), 'flat', 'flat')
    sh += _st(spline([(40, 680, 0), (250, 680, 0), (470, 360, 270), (230, 0, 180), (0, 0, 180)]),
              S.pen(), 'round', 'round')
    return sh, 520


def S_(S):
    sh = []
    sh += _st(spline([(385, 560, 95), (250, 690, 180), (95, 530, 272), (235, 360, 340),
                      (385, 165, 270), (215, -8, 180), (40, 130, 95)]), S.pen(), 'flat', 'flat')
    r = S.thick * 0.48
    sh += _ball(380, 556, r)
    sh += _ball(44, 134, r)
    return sh, 450


def C_(S):
    sh = []
    sh += _st(spline([(455, 560, 95), (300, 690, 180), (55, 340, 270), (240, -10, 0), (430, 120, 50)]),
              S.pen(), 'flat', 'flat')
    sh += _ball(450, 556, S.thick * 0.48)
    return sh, 480


LETTERS = {
    'p': p_, 'm': m_, 'f': f_, 's': s_, 'z': z_, 'r': r_, 'i': i_, 'n': n_, 'e': e_,
    'c': c_, 'a': a_, 'l': l_, 't': t_, '.': period_, 'F': F_, 'D': D_, 'S': S_, 'C': C_,
}

# pair adjustments (design units), added to the advance of the first letter
KERN = {
    ('f', 'f'): -50, ('m', 'f'): -30, ('m', 'p'): -10, ('s', 'f'): -40, ('p', 'p'): 10,
    ('f', 'z'): -40, ('D', '.'): -30, ('S', '.'): -35, ('C', '.'): -40, ('.', 'S'): 5,
    ('.', 'C'): 5, ('F', 'i'): -25, ('t', '.'): -10, ('l', '.'): -5, ('r', 'i'): -20,
    ('t', 'r'): 15,
}


def word(text, style, tracking=0.0):
    """Set a word at the origin (baseline y = 0); returns (shape, width)."""
    shape = []
    x = 0.0
    for i, ch in enumerate(text):
        sh, adv = LETTERS[ch](style)
        shape += translate(sh, x, 0)
        if i + 1 < len(text):
            x += adv + tracking + KERN.get((ch, text[i + 1]), 0)
        else:
            x += adv
    return shape, x


def placed(text, style, size, baseline, x_left, tracking=0.0):
    """A word scaled so that 1000 design units = size, set at (x_left, baseline)."""
    sh, w = word(text, style, tracking)
    k = size / 1000.0
    return translate(scale(sh, k), x_left, baseline), w * k
