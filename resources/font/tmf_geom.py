# SPDX-License-Identifier: GPL-3.0-or-later
"""Outline geometry for the TMusicFont generator.

A glyph is drawn as a list of closed contours made of straight lines and
cubic Bezier curves (converted to TrueType quadratics only when the font is
written).  Most shapes are built by stroking a centre line ("skeleton") with
a pen whose thickness may depend on the direction of travel, the way an
engraver's burin or a broad pen does: thick on vertical strokes, thin on
horizontal ones.  The stroke outline is sampled densely and then fitted with
a few smooth cubic curves (Schneider's algorithm), so the outlines stay
small and clean.

Conventions: y grows upwards; a filled region is wound counter-clockwise
(positive area) and a hole clockwise.  Overlapping filled contours are
allowed (the font is filled with the non-zero rule), so complex signs are
built by simply laying strokes on top of each other.

Everything here is plain floating-point arithmetic with no randomness, so
the same input always gives the same outlines.
"""

import math

# --------------------------------------------------------------------------
# small vector helpers

def add(a, b):
    return (a[0] + b[0], a[1] + b[1])


def sub(a, b):
    return (a[0] - b[0], a[1] - b[1])


def mul(a, k):
    return (a[0] * k, a[1] * k)


def dot(a, b):
    return a[0] * b[0] + a[1] * b[1]


def cross(a, b):
    return a[0] * b[1] - a[1] * b[0]


def norm(a):
    return math.hypot(a[0], a[1])


def unit(a):
    n = math.hypot(a[0], a[1])
    if n < 1e-12:
        return (0.0, 0.0)
    return (a[0] / n, a[1] / n)


def lerp(a, b, t):
    return (a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t)


def polar(angle_deg, r=1.0):
    a = math.radians(angle_deg)
    return (r * math.cos(a), r * math.sin(a))


def line_intersection(p, d, q, e):
    """Intersection of the lines p + s*d and q + t*e (None if parallel)."""
    den = cross(d, e)
    if abs(den) < 1e-12:
        return None
    s = cross(sub(q, p), e) / den
    return add(p, mul(d, s))


# --------------------------------------------------------------------------
# Bezier helpers

def bez_point(p0, p1, p2, p3, t):
    mt = 1.0 - t
    a = mt * mt * mt
    b = 3.0 * mt * mt * t
    c = 3.0 * mt * t * t
    d = t * t * t
    return (a * p0[0] + b * p1[0] + c * p2[0] + d * p3[0],
            a * p0[1] + b * p1[1] + c * p2[1] + d * p3[1])


def bez_deriv(p0, p1, p2, p3, t):
    mt = 1.0 - t
    a = 3.0 * mt * mt
    b = 6.0 * mt * t
    c = 3.0 * t * t
    return (a * (p1[0] - p0[0]) + b * (p2[0] - p1[0]) + c * (p3[0] - p2[0]),
            a * (p1[1] - p0[1]) + b * (p2[1] - p1[1]) + c * (p3[1] - p2[1]))


def bez_deriv2(p0, p1, p2, p3, t):
    mt = 1.0 - t
    return (6.0 * mt * (p2[0] - 2 * p1[0] + p0[0]) + 6.0 * t * (p3[0] - 2 * p2[0] + p1[0]),
            6.0 * mt * (p2[1] - 2 * p1[1] + p0[1]) + 6.0 * t * (p3[1] - 2 * p2[1] + p1[1]))


def bez_tangent(seg, t):
    """Unit tangent of a cubic (p0, p1, p2, p3) at t, robust at degenerate ends."""
    d = bez_deriv(*seg, t)
    if norm(d) > 1e-7:
        return unit(d)
    # a control point coincides with its end point: use the next one
    p0, p1, p2, p3 = seg
    if t < 0.5:
        for q in (p2, p3):
            if norm(sub(q, p0)) > 1e-9:
                return unit(sub(q, p0))
    else:
        for q in (p1, p0):
            if norm(sub(p3, q)) > 1e-9:
                return unit(sub(p3, q))
    return (1.0, 0.0)


# --------------------------------------------------------------------------
# contours and shapes

class Contour:
    """A closed contour: a start point and segments ('L', p) / ('C', c1, c2, p)."""

    def __init__(self, start, segs):
        self.start = start
        self.segs = segs

    def points(self):
        yield self.start
        for s in self.segs:
            for p in s[1:]:
                yield p

    def transformed(self, f):
        return Contour(f(self.start), [(s[0],) + tuple(f(p) for p in s[1:]) for s in self.segs])

    def reversed(self):
        # walk the segments backwards
        nodes = [self.start]
        for s in self.segs:
            nodes.append(s[-1])
        out = []
        pts = nodes
        for i in range(len(self.segs) - 1, -1, -1):
            s = self.segs[i]
            target = pts[i]
            if s[0] == 'L':
                out.append(('L', target))
            else:
                out.append(('C', s[2], s[1], target))
        return Contour(pts[-1], out)

    def flatten(self, steps=12):
        pts = [self.start]
        cur = self.start
        for s in self.segs:
            if s[0] == 'L':
                pts.append(s[1])
            else:
                for i in range(1, steps + 1):
                    pts.append(bez_point(cur, s[1], s[2], s[3], i / steps))
            cur = s[-1]
        return pts

    def area(self):
        pts = self.flatten()
        a = 0.0
        for i in range(len(pts) - 1):
            a += cross(pts[i], pts[i + 1])
        a += cross(pts[-1], pts[0])
        return a / 2.0


def positive(c):
    return c if c.area() >= 0 else c.reversed()


def negative(c):
    return c if c.area() <= 0 else c.reversed()


def polygon(pts):
    """A filled polygon (any orientation given; stored counter-clockwise)."""
    return [positive(Contour(pts[0], [('L', p) for p in pts[1:]]))]


def rect(x0, y0, x1, y1):
    return polygon([(x0, y0), (x1, y0), (x1, y1), (x0, y1)])


KAPPA = 0.5522847498


def ellipse_contour(cx, cy, rx, ry, k=KAPPA, rot=0.0):
    """Ellipse (or, with k > KAPPA, a squarer superellipse), counter-clockwise."""
    pts = [(rx, 0), (0, ry), (-rx, 0), (0, -ry)]
    segs = []
    for i in range(4):
        b = pts[(i + 1) % 4]
        # tangent handles: along the axes
        if i == 0:
            c1, c2 = (rx, ry * k), (rx * k, ry)
        elif i == 1:
            c1, c2 = (-rx * k, ry), (-rx, ry * k)
        elif i == 2:
            c1, c2 = (-rx, -ry * k), (-rx * k, -ry)
        else:
            c1, c2 = (rx * k, -ry), (rx, -ry * k)
        segs.append(('C', c1, c2, b))
    cr, sr = math.cos(math.radians(rot)), math.sin(math.radians(rot))

    def f(p):
        return (cx + p[0] * cr - p[1] * sr, cy + p[0] * sr + p[1] * cr)
    return Contour(pts[0], segs).transformed(f)


def ellipse(cx, cy, rx, ry, k=KAPPA, rot=0.0):
    return [ellipse_contour(cx, cy, rx, ry, k, rot)]


def circle(cx, cy, r):
    return ellipse(cx, cy, r, r)


def ring(cx, cy, rxo, ryo, rxi, ryi, k=KAPPA):
    return [ellipse_contour(cx, cy, rxo, ryo, k), negative(ellipse_contour(cx, cy, rxi, ryi, k))]


def transform(shape, a=1.0, b=0.0, c=0.0, d=1.0, e=0.0, f=0.0):
    """Apply x' = a*x + c*y + e, y' = b*x + d*y + f to every contour."""
    def fn(p):
        return (a * p[0] + c * p[1] + e, b * p[0] + d * p[1] + f)
    out = [ct.transformed(fn) for ct in shape]
    if a * d - b * c < 0:
        out = [ct.reversed() for ct in out]
    return out


def translate(shape, dx, dy):
    return transform(shape, e=dx, f=dy)


def scale(shape, sx, sy=None, ox=0.0, oy=0.0):
    if sy is None:
        sy = sx
    return transform(shape, a=sx, d=sy, e=ox - sx * ox, f=oy - sy * oy)


def shear(shape, angle_deg, oy=0.0):
    k = math.tan(math.radians(angle_deg))
    return transform(shape, c=k, e=-k * oy)


def mirror_x(shape, axis):
    """Mirror left-right about the vertical line x = axis."""
    return transform(shape, a=-1.0, e=2 * axis)


def mirror_y(shape, axis):
    return transform(shape, d=-1.0, f=2 * axis)


def rotate(shape, angle_deg, cx, cy):
    r = math.radians(angle_deg)
    co, si = math.cos(r), math.sin(r)
    return transform(shape, a=co, b=si, c=-si, d=co,
                     e=cx - co * cx + si * cy, f=cy - si * cx - co * cy)


def bounds(shape):
    xs, ys = [], []
    for ct in shape:
        for p in ct.flatten(16):
            xs.append(p[0])
            ys.append(p[1])
    if not xs:
        return None
    return (min(xs), min(ys), max(xs), max(ys))


# --------------------------------------------------------------------------
# paths (skeletons)

class Path:
    """A centre line: moveto, then lines and cubic curves; optionally closed.

    Every segment is kept as a cubic (lines as straight cubics) and remembers
    whether it was a line, so that the stroker can keep straight edges
    straight.
    """

    def __init__(self, x, y):
        self.start = (float(x), float(y))
        self.cur = self.start
        self.segs = []      # (p0, p1, p2, p3, is_line)
        self.closed = False

    def L(self, x, y):
        p = (float(x), float(y))
        p0 = self.cur
        self.segs.append((p0, lerp(p0, p, 1 / 3), lerp(p0, p, 2 / 3), p, True))
        self.cur = p
        return self

    def C(self, x1, y1, x2, y2, x3, y3):
        p = (float(x3), float(y3))
        self.segs.append((self.cur, (float(x1), float(y1)), (float(x2), float(y2)), p, False))
        self.cur = p
        return self

    def close(self):
        if norm(sub(self.cur, self.start)) > 1e-6:
            self.L(*self.start)
        self.closed = True
        return self

    def transformed(self, fn):
        p = Path(*fn(self.start))
        p.segs = [(fn(a), fn(b), fn(c), fn(d), ln) for (a, b, c, d, ln) in self.segs]
        p.cur = fn(self.cur)
        p.closed = self.closed
        return p

    def sheared(self, angle_deg, oy=0.0):
        k = math.tan(math.radians(angle_deg))
        return self.transformed(lambda q: (q[0] + k * (q[1] - oy), q[1]))

    def moved(self, dx, dy):
        return self.transformed(lambda q: (q[0] + dx, q[1] + dy))

    def scaled(self, sx, sy=None, ox=0.0, oy=0.0):
        if sy is None:
            sy = sx
        return self.transformed(lambda q: (ox + (q[0] - ox) * sx, oy + (q[1] - oy) * sy))


# --------------------------------------------------------------------------
# pens (thickness models)

class Pen:
    """An elliptical nib, as an engraver's or a calligrapher's pen.

    thick: width of the stroke when travelling across the hairline
    direction; thin: width when travelling along it (angle in degrees,
    0 = horizontal hairlines, the vertical stress of upright engraving).
    The outline of a stroke is the envelope of the nib swept along the
    centre line, which gives the smooth swelling of a well-cut curve.
    profile(s), s in 0..1 along the stroke, scales the nib (tapers, swells).
    """

    def __init__(self, thick, thin=None, angle=0.0, profile=None):
        self.thick = float(thick)
        self.thin = float(thick if thin is None else thin)
        self.angle = math.radians(angle)
        self.profile = profile
        self.e1 = (math.cos(self.angle), math.sin(self.angle))
        self.e2 = (-self.e1[1], self.e1[0])

    def _k(self, s):
        return 1.0 if self.profile is None else self.profile(s)

    def offset(self, tangent, s):
        """Vector from the centre line to the left edge of the stroke."""
        n = (-tangent[1], tangent[0])
        k = self._k(s)
        A = self.thick * k / 2.0
        B = self.thin * k / 2.0
        nx = dot(n, self.e1)
        ny = dot(n, self.e2)
        vx, vy = A * nx, B * ny
        ln = math.hypot(vx, vy)
        if ln < 1e-12:
            return (0.0, 0.0)
        px, py = A * vx / ln, B * vy / ln
        return add(mul(self.e1, px), mul(self.e2, py))

    def half(self, tangent, s):
        """Half the width of the stroke, measured across the direction of travel."""
        return dot(self.offset(tangent, s), (-tangent[1], tangent[0]))


def taper(start=1.0, end=1.0, length0=0.25, length1=0.25, ease=True):
    """Profile: thickness factor 'start' at s=0 growing to 1, and down to 'end'."""
    def f(s):
        k = 1.0
        if s < length0 and length0 > 0:
            u = s / length0
            if ease:
                u = u * (2 - u)
            k *= start + (1.0 - start) * u
        if s > 1 - length1 and length1 > 0:
            u = (1 - s) / length1
            if ease:
                u = u * (2 - u)
            k *= end + (1.0 - end) * u
        return k
    return f


def swell(ends=0.3, mid=1.0):
    """Profile: thin at both ends, full in the middle (slurs, arches)."""
    def f(s):
        return ends + (mid - ends) * math.sin(math.pi * s)
    return f


# --------------------------------------------------------------------------
# stroking

def _sample_path(path, step, dense_lines=False):
    """Dense samples along the path, split into runs at corners.

    Returns (runs, total, closed_corner): runs is a list of lists of
    (point, tangent, s), s the arc length so far (normalised by the total
    length later); closed_corner tells whether a closed path has a corner
    where it closes.
    """
    runs = [[]]
    total = 0.0
    for si, (p0, p1, p2, p3, is_line) in enumerate(path.segs):
        seg = (p0, p1, p2, p3)
        approx = norm(sub(p1, p0)) + norm(sub(p2, p1)) + norm(sub(p3, p2))
        n = max(6, int(math.ceil(approx / step)))
        if is_line and not dense_lines:
            # a line of constant thickness needs its ends only (and a middle)
            n = 2
        t_start = bez_tangent(seg, 0.0)
        if si > 0:
            t_prev_end = runs[-1][-1][1]
            if abs(cross(t_prev_end, t_start)) > 0.02 or dot(t_prev_end, t_start) < 0:
                # a corner: start a new run at the same point
                runs.append([(p0, t_start, total)])
        else:
            runs[-1].append((p0, t_start, 0.0))
        for i in range(1, n + 1):
            t = i / n
            pt = bez_point(*seg, t)
            total += norm(sub(pt, runs[-1][-1][0]))
            runs[-1].append((pt, bez_tangent(seg, t), total))
    closed_corner = False
    if path.closed:
        t_end = runs[-1][-1][1]
        t_first = runs[0][0][1]
        closed_corner = abs(cross(t_end, t_first)) > 0.02 or dot(t_end, t_first) < 0
    return runs, total, closed_corner


def _offset(run, pen, total, side):
    out = []
    for (p, t, s) in run:
        o = pen.offset(t, s / total if total > 0 else 0.0)
        out.append(add(p, mul(o, side)))
    return _remove_loops(out, [t for (_, t, _) in run])


def _remove_loops(pts, tans):
    """On the inner side of a turn tighter than the pen, the offset line runs
    backwards and forms a small loop; cut such loops out."""
    n = len(pts)
    if n < 4:
        return pts
    back = [i for i in range(n - 1) if dot(sub(pts[i + 1], pts[i]), tans[i]) < 0]
    if not back:
        return pts
    # group the backward stretches and cut each out at a crossing around it
    out = list(pts)
    groups = []
    for i in back:
        if groups and i - groups[-1][1] <= 2:
            groups[-1][1] = i
        else:
            groups.append([i, i])
    removed = 0
    for (a, b) in groups:
        a -= removed
        b -= removed
        found = None
        span = 12 + (b - a) * 3
        for i in range(max(0, a - span), a + 1):
            for j in range(max(b + 1, i + 2), min(len(out) - 1, b + span + 1)):
                r = _seg_intersect(out[i], out[i + 1], out[j], out[j + 1])
                if r is not None:
                    if found is None or (j - i) > (found[1] - found[0]):
                        found = (i, j, r[2])
        if found is None:
            # no crossing (the loop reaches an end): drop the backward points
            cut = out[:a + 1] + out[b + 2:]
            removed += len(out) - len(cut)
            out = cut
            continue
        i, j, x = found
        cut = out[:i + 1] + [x] + out[j + 1:]
        removed += len(out) - len(cut)
        out = cut
    return out


def _seg_intersect(a, b, c, d):
    """Intersection point of segments ab and cd, or None."""
    r = sub(b, a)
    s = sub(d, c)
    den = cross(r, s)
    if abs(den) < 1e-12:
        return None
    t = cross(sub(c, a), s) / den
    u = cross(sub(c, a), r) / den
    if -1e-9 <= t <= 1 + 1e-9 and -1e-9 <= u <= 1 + 1e-9:
        return (t, u, add(a, mul(r, t)))
    return None


def _join_inner(A, B):
    """Trim polyline A (ending near a corner) and B (starting there) at their
    first crossing; returns (A', B') with the crossing point shared."""
    na, nb = len(A), len(B)
    best = None
    for i in range(na - 2, -1, -1):
        for j in range(0, nb - 1):
            r = _seg_intersect(A[i], A[i + 1], B[j], B[j + 1])
            if r is not None:
                key = (na - 2 - i) + j
                if best is None or key < best[0]:
                    best = (key, i, j, r[2])
        if best is not None and (na - 2 - i) > best[0]:
            break
    if best is None:
        return None
    _, i, j, x = best
    return A[:i + 1] + [x], [x] + B[j + 1:]


def _miter(A, ta, B, tb, limit):
    """Outer join: the miter point of the two offset edges (or a bevel)."""
    m = line_intersection(A[-1], ta, B[0], tb)
    if m is None:
        return A, B
    if norm(sub(m, A[-1])) > limit or norm(sub(m, B[0])) > limit:
        return A, B
    return A + [m], [m] + B[1:]


def stroke(path, pen, cap0='flat', cap1=None, miter_limit=4.0, step=4.0):
    """Outline of a stroked path, as a list of contours.

    pen: a Pen, or a number for a uniform thickness.
    caps: 'flat' (square to the stroke), 'round', or ('cut', angle) to cut
    the end along a line at the given angle (degrees) through the end point.
    """
    if not isinstance(pen, Pen):
        pen = Pen(pen)
    if cap1 is None:
        cap1 = cap0
    runs, total, closed_corner = _sample_path(path, step, pen.profile is not None)
    lefts, rights, tans = [], [], []
    for run in runs:
        lefts.append(_offset(run, pen, total, +1))
        rights.append(_offset(run, pen, total, -1))
        tans.append((run[0][1], run[-1][1]))

    pairs = [(k, k + 1) for k in range(len(runs) - 1)]
    if path.closed and closed_corner:
        pairs.append((len(runs) - 1, 0))
    for (k, m) in pairs:
        ta = tans[k][1]
        tb = tans[m][0]
        limit = miter_limit * max(pen.half(ta, 0.5) * 2, 1.0)
        if cross(ta, tb) > 0:   # left turn: the left side is the inner side
            r = _join_inner(lefts[k], lefts[m])
            if r:
                lefts[k], lefts[m] = r
            rights[k], rights[m] = _miter(rights[k], ta, rights[m], tb, limit)
        else:
            r = _join_inner(rights[k], rights[m])
            if r:
                rights[k], rights[m] = r
            lefts[k], lefts[m] = _miter(lefts[k], ta, lefts[m], tb, limit)

    if not path.closed:
        t_begin = runs[0][0][1]
        t_end = runs[-1][-1][1]
        p_begin = runs[0][0][0]
        p_end = runs[-1][-1][0]
        # cut caps trim or extend the two sides
        if isinstance(cap1, tuple) and cap1[0] == 'cut':
            lefts[-1] = _cut_end(lefts[-1], p_end, t_end, cap1[1])
            rights[-1] = _cut_end(rights[-1], p_end, t_end, cap1[1])
        if isinstance(cap0, tuple) and cap0[0] == 'cut':
            back = mul(t_begin, -1)
            lefts[0] = list(reversed(_cut_end(list(reversed(lefts[0])), p_begin, back, cap0[1])))
            rights[0] = list(reversed(_cut_end(list(reversed(rights[0])), p_begin, back, cap0[1])))

    def chain(sides):
        """Concatenate runs into one polyline, marking the corner points."""
        pts, corners = [], []
        for k, s in enumerate(sides):
            if k > 0:
                if norm(sub(pts[-1], s[0])) < 1e-6:
                    s = s[1:]
                    corners.append(len(pts) - 1)
                else:           # a bevel: both ends are corners
                    corners.append(len(pts) - 1)
                    corners.append(len(pts))
            pts.extend(s)
        return pts, corners

    if path.closed:
        contours = []
        for side in (lefts, rights):
            pts, corners = chain(side)
            if norm(sub(pts[-1], pts[0])) < 1e-6:
                pts = pts[:-1]
            elif closed_corner:
                corners.append(len(pts) - 1)
            if closed_corner:
                corners = [0] + corners
            contours.append(_fit_closed(pts, corners))
        a0 = abs(contours[0].area())
        a1 = abs(contours[1].area())
        if a0 >= a1:
            return [positive(contours[0]), negative(contours[1])]
        return [positive(contours[1]), negative(contours[0])]

    L, cl = chain(lefts)
    R, cr = chain(rights)
    # contour: left side forward, end cap, right side backward, start cap
    pieces = [('fit', L, cl)]
    if cap1 == 'round':
        pieces.append(('arc', L[-1], R[-1], p_end, t_end))
    pieces.append(('fit', list(reversed(R)), [len(R) - 1 - c for c in reversed(cr)]))
    if cap0 == 'round':
        pieces.append(('arc', R[0], L[0], p_begin, mul(t_begin, -1)))
    return [positive(_assemble(pieces))]


def _cut_end(S, p, t, angle):
    """Trim or extend polyline S (ending at the stroke end p, direction t) to
    the line through p at the given angle."""
    d = polar(angle)
    nd = (-d[1], d[0])
    if dot(nd, t) < 0:
        nd = mul(nd, -1)
    # drop points beyond the cut line
    while len(S) > 2 and dot(sub(S[-1], p), nd) > 1e-9 and dot(sub(S[-2], p), nd) > 0:
        S = S[:-1]
    a, b = S[-2], S[-1]
    x = line_intersection(a, sub(b, a), p, d)
    if x is None:
        return S
    return S[:-1] + [x]


def _assemble(pieces):
    """Fit each piece and join them into one closed contour."""
    segs = []
    start = None
    for piece in pieces:
        if piece[0] == 'fit':
            pts, corners = piece[1], piece[2]
            if start is None:
                start = pts[0]
            elif norm(sub(pts[0], _last(segs, start))) > 1e-6:
                segs.append(('L', pts[0]))
            segs.extend(_fit_open(pts, corners))
        else:
            _, a, b, centre, t = piece
            if start is None:
                start = a
            segs.extend(_round_cap(a, b, centre, t))
    if norm(sub(_last(segs, start), start)) > 1e-6:
        segs.append(('L', start))
    return Contour(start, segs)


def _last(segs, start):
    return segs[-1][-1] if segs else start


def _round_cap(a, b, centre, t):
    """Half-circle-like cap from a to b around centre bulging along t."""
    r1 = norm(sub(a, centre))
    r2 = norm(sub(b, centre))
    tip = add(centre, mul(t, (r1 + r2) / 2))
    ua = unit(sub(a, centre))
    ub = unit(sub(b, centre))
    k = KAPPA
    s1 = ('C', add(a, mul(t, r1 * k)), add(tip, mul(ua, (r1 + r2) / 2 * k)), tip)
    s2 = ('C', add(tip, mul(ub, (r1 + r2) / 2 * k)), add(b, mul(t, r2 * k)), b)
    return [s1, s2]


# --------------------------------------------------------------------------
# curve fitting (after P. J. Schneider, "An algorithm for automatically
# fitting digitized curves", Graphics Gems, 1990)

FIT_TOLERANCE = 0.6


def _tan_start(pts):
    """Tangent at the first point: derivative of the parabola through the
    first three points (parametrised by chord length)."""
    if len(pts) >= 3:
        d1 = norm(sub(pts[1], pts[0]))
        d2 = norm(sub(pts[2], pts[1]))
        if d1 > 1e-9 and d2 > 1e-9:
            s1, s2 = d1, d1 + d2
            k0 = -(s1 + s2) / (s1 * s2)
            k1 = s2 / (s1 * d2)
            k2 = -s1 / (s2 * d2)
            t = add(add(mul(pts[0], k0), mul(pts[1], k1)), mul(pts[2], k2))
            if norm(t) > 1e-9:
                return unit(t)
    return unit(sub(pts[1], pts[0]))


def _tan_end(pts):
    return _tan_start(list(reversed(pts)))


def _fit_open(pts, corners):
    """Fit a polyline with corners at the given indices; returns segments."""
    idx = [0] + [c for c in corners if 0 < c < len(pts) - 1] + [len(pts) - 1]
    segs = []
    for a, b in zip(idx, idx[1:]):
        piece = _dedup(pts[a:b + 1])
        if len(piece) < 2:
            continue
        if _is_straight(piece):
            segs.append(('L', piece[-1]))
            continue
        t1 = _tan_start(piece)
        t2 = _tan_end(piece)
        for bz in _fit_cubic(piece, t1, t2, FIT_TOLERANCE):
            segs.append(('C', bz[1], bz[2], bz[3]))
    return segs


def _fit_closed(pts, corners):
    pts = _dedup(pts)
    if corners:
        c0 = corners[0]
        rot = pts[c0:] + pts[:c0]
        cs = [(c - c0) % len(pts) for c in corners]
        rot = rot + [rot[0]]
        segs = _fit_open(rot, sorted(set(cs)))
        return Contour(rot[0], segs)
    n = len(pts)
    half = n // 2
    loop = pts + [pts[0]]
    # split in two halves, with matching tangents at the splits
    ta = unit(sub(pts[1], pts[-1]))
    tb = unit(sub(pts[half + 1], pts[half - 1]))
    segs = []
    for (a, b, t1, t2) in ((0, half, ta, mul(tb, -1)), (half, n, tb, mul(ta, -1))):
        piece = loop[a:b + 1]
        for bz in _fit_cubic(piece, t1, t2, FIT_TOLERANCE):
            segs.append(('C', bz[1], bz[2], bz[3]))
    return Contour(pts[0], segs)


def _dedup(pts):
    out = [pts[0]]
    for p in pts[1:]:
        if norm(sub(p, out[-1])) > 1e-6:
            out.append(p)
    return out


def _is_straight(pts):
    if len(pts) == 2:
        return True
    a, b = pts[0], pts[-1]
    d = unit(sub(b, a))
    if d == (0.0, 0.0):
        return False
    return all(abs(cross(sub(p, a), d)) < 0.05 for p in pts[1:-1])


def _chord_params(pts):
    u = [0.0]
    for i in range(1, len(pts)):
        u.append(u[-1] + norm(sub(pts[i], pts[i - 1])))
    tot = u[-1]
    return [x / tot for x in u]


def _gen_bezier(pts, u, t1, t2):
    p0, p3 = pts[0], pts[-1]
    c00 = c01 = c11 = x0 = x1 = 0.0
    for i, ui in enumerate(u):
        mt = 1 - ui
        b0 = mt * mt * mt
        b1 = 3 * ui * mt * mt
        b2 = 3 * ui * ui * mt
        b3 = ui * ui * ui
        a1 = mul(t1, b1)
        a2 = mul(t2, b2)
        c00 += dot(a1, a1)
        c01 += dot(a1, a2)
        c11 += dot(a2, a2)
        tmp = sub(pts[i], add(add(mul(p0, b0 + b1), mul(p3, b2 + b3)), (0.0, 0.0)))
        x0 += dot(a1, tmp)
        x1 += dot(a2, tmp)
    det = c00 * c11 - c01 * c01
    seg_len = norm(sub(p3, p0))
    eps = 1e-6 * seg_len
    if abs(det) > 1e-12:
        al = (x0 * c11 - x1 * c01) / det
        ar = (c00 * x1 - c01 * x0) / det
    else:
        al = ar = seg_len / 3
    if al < eps or ar < eps:
        al = ar = seg_len / 3
    return (p0, add(p0, mul(t1, al)), add(p3, mul(t2, ar)), p3)


def _max_error(pts, bz, u):
    worst, at = 0.0, len(pts) // 2
    for i in range(1, len(pts) - 1):
        d = norm(sub(bez_point(*bz, u[i]), pts[i]))
        if d > worst:
            worst, at = d, i
    return worst, at


def _newton(bz, p, u):
    q = bez_point(*bz, u)
    q1 = bez_deriv(*bz, u)
    q2 = bez_deriv2(*bz, u)
    d = sub(q, p)
    num = dot(d, q1)
    den = dot(q1, q1) + dot(d, q2)
    if abs(den) < 1e-12:
        return u
    return u - num / den


def _fit_cubic(pts, t1, t2, tol, depth=0):
    if len(pts) == 2:
        d = norm(sub(pts[1], pts[0])) / 3
        return [(pts[0], add(pts[0], mul(t1, d)), add(pts[1], mul(t2, d)), pts[1])]
    u = _chord_params(pts)
    bz = _gen_bezier(pts, u, t1, t2)
    err, split = _max_error(pts, bz, u)
    if err < tol:
        return [bz]
    if err < tol * 6:
        for _ in range(12):
            u2 = [_newton(bz, pts[i], u[i]) for i in range(len(pts))]
            if any(u2[i + 1] <= u2[i] for i in range(len(u2) - 1)):
                break
            u = u2
            bz = _gen_bezier(pts, u, t1, t2)
            err, split = _max_error(pts, bz, u)
            if err < tol:
                return [bz]
    if depth > 24 or len(pts) < 4:
        return [bz]
    split = max(1, min(len(pts) - 2, split))
    tc = unit(sub(pts[split - 1], pts[split + 1]))
    if tc == (0.0, 0.0):
        tc = unit(sub(pts[split - 1], pts[split]))
    left = _fit_cubic(pts[:split + 1], t1, tc, tol, depth + 1)
    right = _fit_cubic(pts[split:], mul(tc, -1), t2, tol, depth + 1)
    return left + right


# --------------------------------------------------------------------------
# smooth skeletons

def arc_handle(delta_deg):
    """Handle length / chord for a cubic imitating a circular arc that turns
    by delta degrees (1/3 for a straight line, 0.39 for a quarter circle)."""
    d = abs(math.radians(delta_deg))
    if d < 1e-6:
        return 1.0 / 3.0
    return (2.0 / 3.0) * math.tan(d / 4) / math.sin(d / 2)


def spline(nodes, closed=False, tension=1.0):
    """A smooth path through nodes (x, y, direction in degrees[, tension]).

    Consecutive nodes are joined by a cubic leaving the first along its
    direction and arriving at the second along its direction; the handle
    lengths imitate circular arcs, scaled by the tension (> 1 squarer,
    < 1 rounder).  Tangents are continuous at every node by construction.
    A node given as (x, y, None) is a corner: the curve arrives along the
    chord and leaves along the next chord (a straight line).
    """
    pts = list(nodes)
    if closed:
        pts = pts + [pts[0]]
    p = Path(pts[0][0], pts[0][1])
    for a, b in zip(pts, pts[1:]):
        ax, ay, at = a[0], a[1], a[2]
        bx, by, bt = b[0], b[1], b[2]
        if at is None and bt is None:
            p.L(bx, by)
            continue
        chord_dir = math.degrees(math.atan2(by - ay, bx - ax))
        if at is None:
            at = chord_dir
        if bt is None:
            bt = chord_dir
        ta = a[3] if len(a) > 3 else tension
        tb = b[3] if len(b) > 3 else tension
        turn = (bt - at + 180.0) % 360.0 - 180.0
        h = arc_handle(turn)
        ch = math.hypot(bx - ax, by - ay)
        c1 = add((ax, ay), polar(at, ch * h * ta))
        c2 = sub((bx, by), polar(bt, ch * h * tb))
        p.C(c1[0], c1[1], c2[0], c2[1], bx, by)
    if closed:
        p.closed = True
    return p
