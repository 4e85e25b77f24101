"""The eighteen hand families: hour ("mala"), minute ("srednia") and second ("duza") pictures.

Every picture is 240 x 240, the pivot at (120, 120), the hand pointing straight up, drawn with hard
edges in a handful of exact colours: pure black (painted in the user's hand colour by the program),
pure red and grey accents, and near-black shades for hub details.  The program reads only the
window x 110..130, y 20..140, so every hand stays inside it, symmetric about x = 120.

STYLES lists, per style, the tip rows of the hour, minute and second hand and the widest row of the
three; `build_style` checks the drawn pictures against it.
"""
import numpy as np

WHITE, BLACK, RED, GREY, SHADE16, SHADE32, SHADE48 = range(7)
PALETTE = np.array([
    (255, 255, 255),
    (0, 0, 0),
    (255, 0, 0),
    (160, 160, 160),
    (16, 16, 16),
    (32, 32, 32),
    (48, 48, 48),
], dtype=np.uint8)

PIVOT = 120
WINDOW_X = (110, 130)
WINDOW_Y = (20, 140)

# style: (hour tip row, minute tip row, second tip row, widest hand)
STYLES = [
    (59, 47, 33, 11), (63, 47, 33, 21), (63, 47, 33, 9), (56, 44, 33, 19), (59, 47, 33, 11),
    (60, 48, 33, 11), (59, 48, 33, 21), (59, 48, 32, 19), (59, 46, 37, 19), (59, 47, 33, 21),
    (59, 48, 33, 17), (59, 47, 33, 21), (61, 50, 33, 19), (59, 47, 33, 19), (59, 48, 32, 17),
    (59, 46, 32, 21), (61, 47, 32, 21), (66, 47, 39, 13),
]

_Y, _X = np.mgrid[0:240, 0:240]
_DX = np.abs(_X - PIVOT).astype(float)
_YF = _Y.astype(float)


class Hand:
    """One hand picture as a grid of colour codes."""

    def __init__(self):
        self.code = np.zeros((240, 240), dtype=np.uint8)

    def put(self, mask, colour=BLACK):
        self.code[mask] = colour
        return self

    def cut(self, mask):
        self.code[mask] = WHITE
        return self

    def rgb(self):
        return PALETTE[self.code]


def outline(knots):
    """Symmetric outline from (row, half width) knots, rows ascending: pixel x belongs when
    |x - 120| <= the half width interpolated at its row."""
    rows = np.array([k[0] for k in knots], dtype=float)
    half = np.array([k[1] for k in knots], dtype=float)
    w = np.interp(_YF, rows, half)
    return (_YF >= rows[0]) & (_YF <= rows[-1]) & (_DX <= w + 1e-6)


def disk(cy, r, off=0.0):
    """A disk centred on row cy (a mirrored pair when off > 0)."""
    return (_DX - off) ** 2 + (_YF - cy) ** 2 <= (r + 0.45) ** 2


def ellipse(cy, rx, ry):
    return (_DX / (rx + 0.45)) ** 2 + ((_YF - cy) / (ry + 0.45)) ** 2 <= 1.0


def ring(cy, r_out, r_in):
    return disk(cy, r_out) & ~disk(cy, r_in)


def rows(y0, y1, half):
    """Straight bar from row y0 to y1 inclusive."""
    return (_YF >= y0) & (_YF <= y1) & (_DX <= half)


def hub(h, r, cap=None, cap_r=1):
    h.put(disk(PIVOT, r))
    if cap is not None:
        h.put(disk(PIVOT, cap_r), cap)
    return h


# ---- styles ----------------------------------------------------------------------------------
def style0(t):
    """Classic tapered batons; slender second hand with a round counterweight."""
    hr, mn, sc = Hand(), Hand(), Hand()
    hr.put(outline([(t[0], 0), (t[0] + 3, 2.2), (t[0] + 8, 3), (122, 3)]))
    hub(hr, 5)
    mn.put(outline([(t[1], 0), (t[1] + 3, 1.6), (t[1] + 8, 2), (122, 2)]))
    hub(mn, 4)
    sc.put(outline([(t[2], 0), (t[2] + 2, 1), (136, 1)]))
    sc.put(disk(131, 3.5))
    hub(sc, 3, SHADE32, 1)
    return hr, mn, sc


def style1(t):
    """Louis XV spades: heart-shaped heads on slim stems."""
    hr, mn, sc = Hand(), Hand(), Hand()
    y = t[0]
    hr.put(outline([(y, 0), (y + 5, 1.5), (y + 10, 3.5), (y + 15, 7), (y + 18, 9.5), (y + 21, 7), (y + 23, 2)]))
    hr.put(disk(y + 19, 3.5, 6.5))
    hr.cut(disk(y + 25, 2.5, 4.0) & (_YF > y + 21))
    hr.put(outline([(y + 21, 2), (122, 2)]))
    hub(hr, 6)
    hr.put(outline([(y + 7, 0), (y + 15, 2.5), (y + 18, 0)]), GREY)
    y = t[1]
    mn.put(outline([(y, 0), (y + 6, 1.2), (y + 10, 1.5), (y + 14, 5), (y + 18, 5.5), (y + 21, 3), (y + 23, 1.2), (122, 1.2)]))
    hub(mn, 5)
    sc.put(outline([(t[2], 0), (t[2] + 2, 1), (138, 1)]))
    sc.put(outline([(127, 1), (131, 3), (136, 3), (139, 1.5)]))
    hub(sc, 3, SHADE32, 1)
    return hr, mn, sc


def style2(t):
    """Slim sticks for a minimal dial."""
    hr, mn, sc = Hand(), Hand(), Hand()
    hr.put(rows(t[0] + 1, 122, 2.5)).put(rows(t[0], t[0], 1.5))
    hub(hr, 4)
    mn.put(rows(t[1] + 1, 122, 1.5)).put(rows(t[1], t[1], 0.5))
    hub(mn, 3)
    sc.put(rows(t[2], 134, 0.5))
    sc.put(rows(t[2], t[2] + 9, 0.5), RED)
    hub(sc, 2, RED, 0)
    return hr, mn, sc


def style3(t):
    """Breguet moon tips: a hollow ring below a fine point."""
    hr, mn, sc = Hand(), Hand(), Hand()
    y = t[0]
    hr.put(outline([(y, 0), (y + 4, 1), (y + 8, 1.5)]))
    c = y + 17
    hr.put(ring(c, 9, 5.6))
    hr.put(outline([(c + 8, 1.5), (c + 12, 2.5), (122, 2.5)]))
    hub(hr, 5)
    y = t[1]
    mn.put(outline([(y, 0), (y + 4, 1), (y + 8, 1.2)]))
    c = y + 15
    mn.put(ring(c, 7, 4.2))
    mn.put(outline([(c + 6, 1.2), (c + 10, 1.8), (122, 1.8)]))
    hub(mn, 4)
    sc.put(outline([(t[2], 0), (t[2] + 3, 0.8), (124, 0.8)]))
    sc.put(ring(132, 4, 2) | rows(124, 128, 0.5))
    hub(sc, 3, SHADE32, 1)
    return hr, mn, sc


def style4(t):
    """Swords with a grey inlay along the blade."""
    hr, mn, sc = Hand(), Hand(), Hand()
    y = t[0]
    hr.put(outline([(y, 0), (y + 14, 5), (110, 3), (122, 2)]))
    hr.put(outline([(y + 7, 0), (y + 16, 2), (104, 1)]), GREY)
    hub(hr, 5)
    y = t[1]
    mn.put(outline([(y, 0), (y + 16, 4), (112, 2), (122, 1.5)]))
    mn.put(outline([(y + 8, 0), (y + 18, 1.3), (106, 0.6)]), GREY)
    hub(mn, 4)
    sc.put(outline([(t[2], 0), (t[2] + 14, 1.6), (120, 1), (137, 1)]))
    hub(sc, 3, SHADE32, 1)
    return hr, mn, sc


def style5(t):
    """Arrows: barbed heads on straight shafts, a feathered second hand."""
    hr, mn, sc = Hand(), Hand(), Hand()
    y = t[0]
    hr.put(outline([(y, 0), (y + 8, 5), (y + 9, 1.5), (122, 1.5)]))
    hr.put(outline([(y + 8, 2), (y + 12, 2), (y + 12.5, 1.5)]))
    hub(hr, 4)
    y = t[1]
    mn.put(outline([(y, 0), (y + 7, 4), (y + 8, 1.2), (122, 1.2)]))
    mn.put(outline([(y + 7, 1.6), (y + 10, 1.6), (y + 10.5, 1.2)]))
    hub(mn, 4)
    y = t[2]
    sc.put(outline([(y, 0), (y + 5, 3), (y + 6, 0.6), (139, 0.6)]))
    for k in range(3):
        sc.put(outline([(128 + 3 * k, 0.6), (131 + 3 * k, 3.2), (132 + 3 * k, 3.2), (133 + 3 * k, 0.6)]))
    sc.put(outline([(y, 0), (y + 5, 3)]), RED)
    hub(sc, 3, SHADE32, 1)
    return hr, mn, sc


def style6(t):
    """Leaves (feuille) with a ring counterweight on the second hand."""
    hr, mn, sc = Hand(), Hand(), Hand()
    y = t[0]
    n = np.linspace(0.0, 1.0, 25)
    hr.put(outline([(y + 44 * v, 6.5 * np.sin(np.pi * v) ** 0.8) for v in n]))
    hr.put(outline([(y + 40, 2), (122, 2)]))
    hr.put(outline([(y + 6, 0), (y + 30, 0.5), (y + 38, 0)]), SHADE48)
    hub(hr, 5)
    y = t[1]
    mn.put(outline([(y + 52 * v, 5 * np.sin(np.pi * v) ** 0.8) for v in n]))
    mn.put(outline([(y + 48, 1.5), (122, 1.5)]))
    mn.put(outline([(y + 6, 0), (y + 36, 0.5), (y + 46, 0)]), SHADE48)
    hub(mn, 4)
    sc.put(outline([(t[2], 0), (t[2] + 3, 0.7), (121, 0.7)]))
    sc.put(ring(130, 10, 8.2) | rows(120, 121, 0.7))
    hub(sc, 3, SHADE32, 1)
    return hr, mn, sc


def style7(t):
    """Dauphine: long faceted triangles with a polished ridge, on a broad hub."""
    hr, mn, sc = Hand(), Hand(), Hand()
    y = t[0]
    hr.put(outline([(y, 0), (112, 5.5), (122, 5.5)]))
    hr.put(outline([(y + 4, 0), (110, 0.5)]), GREY)
    hub(hr, 9)
    hr.put(ring(PIVOT, 9, 7.6), SHADE32)
    y = t[1]
    mn.put(outline([(y, 0), (114, 4.5), (122, 4.5)]))
    mn.put(outline([(y + 4, 0), (112, 0.5)]), GREY)
    hub(mn, 5)
    sc.put(outline([(t[2], 0), (t[2] + 3, 0.6), (139, 0.6)]))
    sc.put(outline([(128, 0.6), (132, 2.5), (139, 2.5)]))
    hub(sc, 3, RED, 1)
    return hr, mn, sc


def style8(t):
    """Skeleton lozenges: open outlines, a short red-tipped second hand."""
    hr, mn, sc = Hand(), Hand(), Hand()
    y = t[0]
    body = [(y, 0), (y + 28, 9), (114, 2.5), (118, 2.5)]
    hr.put(outline(body))
    hr.cut(outline([(y + 5, 0), (y + 28, 6.5), (110, 0.5), (111, 0)]))
    hub(hr, 5)
    y = t[1]
    mn.put(outline([(y, 0), (y + 30, 6), (114, 2), (118, 2)]))
    mn.cut(outline([(y + 6, 0), (y + 30, 4), (111, 0.4), (112, 0)]))
    hub(mn, 4)
    y = t[2]
    sc.put(outline([(y, 0), (y + 7, 3), (y + 8, 0.8), (136, 0.8)]))
    sc.put(outline([(y, 0), (y + 7, 3)]), RED)
    sc.put(outline([(130, 0.8), (133, 2.5), (138, 2.5), (139, 1)]))
    hub(sc, 3, SHADE32, 1)
    return hr, mn, sc


def style9(t):
    """Cathedral: pierced gothic heads above a tapering stem."""
    hr, mn, sc = Hand(), Hand(), Hand()
    y = t[0]
    hr.put(outline([(y, 0), (y + 4, 2), (y + 7, 3)]))
    hr.put(outline([(y + 6, 3), (y + 10, 10), (y + 22, 10), (y + 30, 4), (y + 34, 2.5), (122, 2.5)]))
    hr.cut(disk(y + 13, 2.2, 5.5) | disk(y + 20, 2.2, 5.5) | ellipse(y + 13.5, 1.3, 3.2) | disk(y + 25, 1.5))
    hub(hr, 5)
    y = t[1]
    mn.put(outline([(y, 0), (y + 4, 1.5), (y + 8, 2)]))
    mn.put(outline([(y + 8, 2), (y + 12, 6), (y + 22, 6), (y + 28, 2), (122, 1.5)]))
    mn.cut(ellipse(y + 17, 1.3, 3.6) | disk(y + 15, 1.3, 3.6))
    hub(mn, 4)
    sc.put(outline([(t[2], 0), (t[2] + 3, 0.7), (138, 0.7)]))
    sc.put(ring(129, 3.5, 1.5))
    hub(sc, 3, SHADE32, 1)
    return hr, mn, sc


def style10(t):
    """Syringes: slim barrels ending in a needle, on a grey-ringed hub."""
    hr, mn, sc = Hand(), Hand(), Hand()
    y = t[0]
    hr.put(outline([(y, 0), (y + 9, 0.5), (y + 10, 0.5), (y + 12, 3.5), (y + 36, 3.5), (y + 40, 1.5), (122, 1.5)]))
    hub(hr, 8)
    hr.put(ring(PIVOT, 8, 6), GREY)
    y = t[1]
    mn.put(outline([(y, 0), (y + 12, 0.5), (y + 14, 2.5), (y + 44, 2.5), (y + 48, 1), (122, 1)]))
    hub(mn, 5)
    sc.put(outline([(t[2], 0), (t[2] + 2, 0.5), (137, 0.5)]))
    sc.put(outline([(t[2] + 20, 0.5), (t[2] + 22, 1.6), (t[2] + 40, 1.6), (t[2] + 42, 0.5)]))
    hub(sc, 3, RED, 1)
    return hr, mn, sc


def style11(t):
    """A star cut into a ring on the hour hand, swords and a lollipop second hand."""
    hr, mn, sc = Hand(), Hand(), Hand()
    y = t[0]
    hr.put(outline([(y, 0), (y + 6, 3)]))
    c = y + 16
    hr.put(disk(c, 10))
    hole = disk(c, 8.3)
    ang = np.arctan2(_X - PIVOT, -(_YF - c))
    rr = np.hypot(_X - PIVOT, _YF - c)
    spoke = np.zeros_like(hole)
    for a in (0.0, 2.0944, -2.0944):
        d = np.abs(np.sin(ang - a)) * rr
        spoke |= (d <= 1.0) & (np.cos(ang - a) > 0)
    hr.cut(hole & ~spoke & ~disk(c, 1.5))
    hr.put(outline([(c + 9, 3), (122, 2)]))
    hub(hr, 5)
    y = t[1]
    mn.put(outline([(y, 0), (y + 12, 4), (114, 2), (122, 1.5)]))
    hub(mn, 4)
    sc.put(outline([(t[2], 0), (t[2] + 2, 0.7), (137, 0.7)]))
    sc.put(disk(t[2] + 14, 3))
    sc.put(disk(t[2] + 14, 1.5), GREY)
    hub(sc, 3, SHADE32, 1)
    return hr, mn, sc


def style12(t):
    """Broad arrows with grey inlays and a slim arrow-tailed second hand."""
    hr, mn, sc = Hand(), Hand(), Hand()
    y = t[0]
    hr.put(outline([(y, 0), (y + 16, 9), (y + 18, 9), (y + 19, 3), (122, 3)]))
    hr.put(outline([(y + 6, 0), (y + 14, 4), (y + 15, 4), (y + 16, 1)]), GREY)
    hub(hr, 5)
    y = t[1]
    mn.put(outline([(y, 0), (y + 4, 2.5), (y + 8, 3), (122, 3)]))
    mn.put(rows(y + 8, 108, 1), GREY)
    hub(mn, 4)
    sc.put(outline([(t[2], 0), (t[2] + 4, 1.5), (t[2] + 5, 0.7), (134, 0.7)]))
    sc.put(outline([(130, 0.7), (136, 3.5), (137, 3.5), (138, 0.7)]))
    hub(sc, 3, RED, 1)
    return hr, mn, sc


def style13(t):
    """Pommes: solid apples pierced with a grey eye, on fine stems."""
    hr, mn, sc = Hand(), Hand(), Hand()
    y = t[0]
    hr.put(outline([(y, 0), (y + 5, 1), (y + 8, 1.5)]))
    c = y + 17
    hr.put(disk(c, 9))
    hr.put(disk(c, 2.5), GREY)
    hr.put(outline([(c + 8, 2.5), (122, 2)]))
    hub(hr, 5)
    y = t[1]
    mn.put(outline([(y, 0), (y + 5, 1), (y + 8, 1.2)]))
    c = y + 14
    mn.put(disk(c, 6))
    mn.put(disk(c, 1.5), GREY)
    mn.put(outline([(c + 5, 1.5), (122, 1.5)]))
    hub(mn, 4)
    sc.put(outline([(t[2], 0), (t[2] + 2, 0.6), (137, 0.6)]))
    sc.put(disk(133, 3))
    hub(sc, 3, SHADE32, 1)
    return hr, mn, sc


def style14(t):
    """Diver's hands: bold luminous batons and a lollipop second hand."""
    hr, mn, sc = Hand(), Hand(), Hand()
    y = t[0]
    hr.put(outline([(y, 0), (y + 5, 5), (112, 5), (114, 2.5), (122, 2.5)]))
    hr.put(outline([(y + 4, 0), (y + 7, 3), (108, 3)]), GREY)
    hub(hr, 8)
    y = t[1]
    mn.put(outline([(y, 0), (y + 4, 3.5), (112, 3.5), (114, 2), (122, 2)]))
    mn.put(outline([(y + 4, 0), (y + 6, 1.5), (108, 1.5)]), GREY)
    hub(mn, 5)
    y = t[2]
    sc.put(outline([(y, 0), (y + 3, 0.7), (138, 0.7)]))
    sc.put(disk(y + 20, 4))
    sc.put(disk(y + 20, 2.5), GREY)
    hub(sc, 3, SHADE32, 1)
    return hr, mn, sc


def style15(t):
    """Snowflakes: a luminous square head on the hour hand."""
    hr, mn, sc = Hand(), Hand(), Hand()
    y = t[0]
    hr.put(outline([(y, 0), (y + 6, 3.5)]))
    hr.put(outline([(y + 5, 3.5), (y + 6, 10), (y + 20, 10), (y + 21, 3.5), (122, 3)]))
    hr.put(rows(y + 8, y + 18, 7.5), GREY)
    hub(hr, 5)
    y = t[1]
    mn.put(outline([(y, 0), (y + 6, 3.5), (112, 3.5), (114, 2), (122, 2)]))
    mn.put(rows(y + 7, 108, 1.5), GREY)
    hub(mn, 4)
    y = t[2]
    sc.put(outline([(y, 0), (y + 3, 0.7), (138, 0.7)]))
    sc.put(outline([(y + 14, 0.7), (y + 18, 4), (y + 22, 0.7)]))
    sc.put(outline([(y + 16, 0), (y + 18, 2), (y + 20, 0)]), GREY)
    hub(sc, 3, SHADE32, 1)
    return hr, mn, sc


def style16(t):
    """Fleur-de-lis heads: three petals over a collar."""
    hr, mn, sc = Hand(), Hand(), Hand()
    y = t[0]
    hr.put(outline([(y, 0), (y + 4, 2.5), (y + 10, 3.2), (y + 16, 1.5)]))
    side = disk(y + 13, 4, 6) & ~disk(y + 9, 4, 9.5) & (_YF <= y + 16)
    hr.put(side | rows(y + 16, y + 18, 10) | rows(y + 18, y + 20, 4))
    hr.put(outline([(y + 20, 2.5), (122, 2.5)]))
    hub(hr, 5)
    y = t[1]
    mn.put(outline([(y, 0), (y + 3, 1.8), (y + 8, 2.4), (y + 12, 1)]))
    side = disk(y + 10, 3, 4.2) & ~disk(y + 7, 3, 7) & (_YF <= y + 12)
    mn.put(side | rows(y + 12, y + 13, 6.5) | outline([(y + 13, 1.5), (122, 1.5)]))
    hub(mn, 4)
    sc.put(outline([(t[2], 0), (t[2] + 3, 0.7), (138, 0.7)]))
    sc.put(outline([(131, 0.7), (133, 2.5), (136, 2.5), (138, 0.7)]))
    hub(sc, 3, RED, 1)
    return hr, mn, sc


def style17(t):
    """Station clock: square bars and a red second hand ending in a disc."""
    hr, mn, sc = Hand(), Hand(), Hand()
    hr.put(outline([(t[0], 4.5), (132, 5.5)]))
    mn.put(outline([(t[1], 3.5), (134, 4.5)]))
    y = t[2]
    sc.put(disk(y + 6, 6), RED)
    sc.put(rows(y + 10, 140, 1), RED)
    sc.put(disk(PIVOT, 2.5), RED)
    sc.put(disk(PIVOT, 0.5), SHADE16)
    return hr, mn, sc


BUILDERS = [style0, style1, style2, style3, style4, style5, style6, style7, style8, style9,
            style10, style11, style12, style13, style14, style15, style16, style17]


def measure(code):
    """(tip row, widest row) of one hand inside the window the program reads."""
    x0, x1 = WINDOW_X
    y0, y1 = WINDOW_Y
    win = code[y0:y1 + 1, x0:x1 + 1] != WHITE
    used = np.flatnonzero(win.any(axis=1))
    tip = y0 + int(used[0])
    widest = 0
    for r in used:
        xs = np.flatnonzero(win[r])
        widest = max(widest, int(xs[-1] - xs[0] + 1))
    return tip, widest


def build_style(n):
    """The hour, minute and second pictures of style n, checked against STYLES."""
    tips = STYLES[n]
    hands = BUILDERS[n](tips)
    widest = 0
    for hand, want, name in zip(hands, tips[:3], ("hour", "minute", "second")):
        code = hand.code
        if not np.array_equal(code[:, 1:PIVOT][:, ::-1], code[:, PIVOT + 1:]):
            raise AssertionError(f"style {n} {name} hand is not symmetric")
        outside = code.copy()
        outside[WINDOW_Y[0]:WINDOW_Y[1] + 1, WINDOW_X[0]:WINDOW_X[1] + 1] = WHITE
        if outside.any():
            raise AssertionError(f"style {n} {name} hand leaves the read window")
        if code[PIVOT, PIVOT] == WHITE:
            raise AssertionError(f"style {n} {name} hand misses the pivot")
        tip, w = measure(code)
        if tip != want:
            raise AssertionError(f"style {n} {name} tip row {tip}, want {want}")
        widest = max(widest, w)
    if widest != tips[3]:
        raise AssertionError(f"style {n} widest {widest}, want {tips[3]}")
    return hands


def resource_names(n):
    suffix = "" if n == 0 else str(n)
    return ("mala" + suffix, "srednia" + suffix, "duza" + suffix)
