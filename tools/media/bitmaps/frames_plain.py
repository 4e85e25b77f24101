"""Frame recipes 1 to 20: turned, beaded, twisted and cut bezels.

Each recipe fills a `Ring`: its height field (pixels), optional shade offsets for darkened
recesses, a satin/gloss map and the outer outline.  The face disk covers everything inside a
radius of about 101, so the visible part of a bezel lies between 101 and the outer edge.
"""
import numpy as np

from .metal import TWO_PI, dome, smooth, soft_dome, spheres


def tri(s):
    """Triangle wave over a cell offset -0.5 .. 0.5: 1 at the centre, 0 at the cell edges."""
    return 1.0 - 2.0 * np.abs(s)


def rim(c, r0, r1, height):
    return height * dome(c.u(r0, r1))


def frame1(c):
    """Broad polished dome with a cove and a fine outer rim."""
    c.h = 5.0 * dome(c.u(99, 113)) + 1.6 * dome(c.u(113, 117))


def frame2(c):
    """Knife-edge: two flat facets meeting in a sharp ridge."""
    u = c.u(99, 117)
    c.h = 7.0 * np.minimum(u / 0.55, (1.0 - u) / 0.45)


def frame3(c):
    """A row of sixty pearls between a low inner lip and a fine outer rim."""
    d, _ = c.arc(60, 0.5, 108.5)
    c.h = np.maximum(spheres(np.hypot(d, c.r - 108.5), 3.6), rim(c, 98, 103, 1.0))
    c.h += rim(c, 113.5, 117, 1.2)
    c.tone -= 0.10 * c.inside(104, 113.5) * (c.h < 0.6)


def frame4(c):
    """Twisted rope between two thin rims."""
    p = np.mod(c.a * 72 / TWO_PI + (c.r - 101) / 5.0, 1.0)
    c.h = 4.0 * dome(c.u(101, 115)) * dome(p) ** 0.7
    c.h += rim(c, 115, 117.5, 1.2) + rim(c, 98, 101, 1.2)
    c.outer[:] = 117.5


def frame5(c):
    """Coin edge: a domed band cut by 120 fine reeds."""
    s, _ = c.cell(120)
    reeds = np.abs(np.sin(np.pi * (s + 0.5)))
    band = dome(c.u(100, 114))
    c.h = band * (3.0 + 1.0 * reeds) + rim(c, 114, 117, 1.4)
    c.tone -= 0.08 * (1 - reeds) * band


def frame6(c):
    """Smooth dome with V-notches at the hours and engraved minute lines."""
    d12, _ = c.arc(12, 0.0, 117)
    notch = np.clip(1.0 - np.abs(d12) / 4.0, 0.0, 1.0)
    c.outer = 117.0 - 5.0 * notch
    c.h = 5.0 * dome(c.u(99, 117.5)) * (0.45 + 0.55 * smooth((c.outer - c.r) / 2.0))
    d60, k = c.arc(60, 0.0)
    line = (np.abs(d60) < 0.45) & c.inside(103, 108.5) & (k % 5 != 0)
    c.h -= 0.8 * line
    c.tone -= 0.12 * line


def frame7(c):
    """Three stepped terraces descending outwards."""
    c.h = 6.0 - 1.8 * smooth((c.r - 104.5) / 1.2) - 1.8 * smooth((c.r - 109.5) / 1.2)
    c.h -= 2.2 * smooth((c.r - 114.0) / 3.0)
    c.h *= smooth((c.r - 97.0) / 4.0)


def frame8(c):
    """Clous de Paris: rows of small pyramids between polished rims."""
    v = (c.r - 103.0) / 5.0
    row = np.floor(v)
    b = v - row - 0.5
    s, _ = c.cell(68, 0.5 * (row % 2))
    pyr = np.clip(1.0 - 2.0 * np.maximum(np.abs(s), np.abs(b)), 0.0, 1.0)
    field = c.inside(103, 113)
    c.h = 2.6 * pyr * field + rim(c, 98, 103, 2.0) + rim(c, 113, 117, 2.0)


def frame9(c):
    """Fluted bezel: 48 sharp flutes rising towards the face."""
    s, _ = c.cell(48)
    slope = 1.0 - c.u(101, 116)
    c.h = (2.0 + 3.2 * slope) * (0.55 + 0.45 * tri(s)) * smooth(c.u(98, 102) * 2)
    c.h += rim(c, 115, 117, 0.6)


def frame10(c):
    """Guilloché: a flat band with engraved waves between polished beads."""
    w1 = np.sin(c.a * 36 + (c.r - 108) * 0.9)
    w2 = np.sin(c.a * 36 - (c.r - 108) * 0.9)
    engr = np.clip(1.0 - np.minimum(np.abs(w1), np.abs(w2)) / 0.35, 0.0, 1.0)
    field = c.inside(104, 113)
    c.h = 2.0 * field - 0.5 * engr * field
    c.tone -= 0.14 * engr * field
    c.h = np.maximum(c.h, rim(c, 99, 104, 2.8)) + rim(c, 113, 117, 2.6)


def frame11(c):
    """Octagonal bezel with a bevelled edge and eight screws in the corners."""
    c.polygon_outer(8, 109.5, 0.0)
    s, _ = c.cell(8, 0.0)
    dist = c.outer * np.cos(s * TWO_PI / 8) - c.r * np.cos(s * TWO_PI / 8)
    c.h = 3.0 * smooth(dist / 3.0) + rim(c, 98, 103, 1.0)
    d, _ = c.arc(8, 0.5, 111.5)
    dd = np.hypot(d, c.r - 111.5)
    head = spheres(dd, 3.4, 1.6)
    slot_dir = np.abs(d * np.cos(0.6) + (c.r - 111.5) * np.sin(0.6))
    slot = (dd < 3.0) & (slot_dir < 0.55)
    c.h = np.where(dd < 3.4, 3.0 + head - 1.0 * slot, c.h)
    c.tone -= 0.2 * slot
    c.gloss *= np.where(dd < 3.4, 1.0, 0.6)


def frame12(c):
    """Twelve scalloped lobes with a domed profile."""
    s, _ = c.cell(12, 0.0)
    c.outer = 110.5 + 6.5 * np.sqrt(np.clip(1.0 - (2.0 * s) ** 2, 0.0, 1.0))
    c.h = 5.0 * dome(np.clip((c.r - 99) / (c.outer - 99), 0, 1))
    c.h += rim(c, 100, 104, 1.0)


def frame13(c):
    """Cog wheel with forty teeth around a grooved band."""
    s, _ = c.cell(40, 0.0)
    tooth = smooth((0.32 - np.abs(s)) / 0.12)
    c.outer = 113.0 + 4.0 * tooth
    edge = np.clip((c.outer - c.r) / 2.0, 0.0, 1.0)
    c.h = 3.5 * smooth(edge) - 1.2 * dome(c.u(106, 109.5)) + rim(c, 98, 103, 1.2)
    c.tone -= 0.12 * dome(c.u(106, 109.5))


def frame14(c):
    """Diver's bezel: engraved minute track, a triangle at twelve and a knurled edge."""
    d, k = c.arc(60, 0.0)
    five = (k % 5 == 0)
    width = np.where(five, 0.9, 0.45)
    inner_end = np.where(five, 104.0, 107.0)
    tick = (np.abs(d) < width) & (c.r > inner_end) & (c.r < 111.5)
    d12, k12 = c.arc(1, 0.0)
    tri_mark = (c.r > 103) & (c.r < 111.5) & (np.abs(d12) < (c.r - 103) * 0.55)
    engr = (tick & ~((k == 0) & (c.r > 103))) | tri_mark
    c.h = 3.0 * smooth(c.u(97.5, 101)) - 0.7 * engr
    c.tone -= 0.30 * engr
    c.gloss *= 0.55
    s, _ = c.cell(180)
    knurl = c.inside(112.5, 117)
    c.h -= 0.5 * knurl * (1.0 - tri(s)) + 1.5 * smooth(c.u(114.5, 117))


def frame15(c):
    """Laurel wreath: pairs of leaves in relief along a stem."""
    n = 36
    s, _ = c.cell(n)
    cell_len = TWO_PI * c.r / n
    along = s * cell_len
    rad = c.r - 108.5
    h = np.zeros_like(c.r)
    for side in (-1.0, 1.0):
        ang = 0.55 * side
        px = along + 1.6
        py = rad - side * 1.5
        lx = px * np.cos(ang) + py * np.sin(ang)
        ly = -px * np.sin(ang) + py * np.cos(ang)
        leaf = np.clip(1.0 - (lx / 5.0) ** 2 - (ly / 2.0) ** 2, 0.0, 1.0)
        h = np.maximum(h, 2.2 * np.sqrt(leaf) + 0.4 * (np.abs(ly) < 0.3) * (leaf > 0))
    stem = 1.0 * dome(np.clip((rad + 0.8) / 1.6, 0, 1))
    c.h = np.maximum(h, stem) + rim(c, 98, 102.5, 1.4) + rim(c, 115, 117, 1.2)
    c.tone -= 0.12 * (h < 0.2) * c.inside(102.5, 115)


def frame16(c):
    """Two fine ropes of opposite twist around a polished band."""
    p1 = np.mod(c.a * 60 / TWO_PI + (c.r - 101) / 3.0, 1.0)
    p2 = np.mod(c.a * 60 / TWO_PI - (c.r - 112) / 3.0, 1.0)
    rope1 = 2.2 * dome(c.u(100.5, 106)) * dome(p1) ** 0.6
    rope2 = 2.2 * dome(c.u(111.5, 117)) * dome(p2) ** 0.6
    band = 1.6 * soft_dome(c.u(105.5, 112))
    c.h = rope1 + rope2 + band


def frame17(c):
    """Twelve oval cabochons in a cove, with small beads between them."""
    d, _ = c.arc(12, 0.0, 109)
    gem = np.clip(1.0 - (d / 5.5) ** 2 - ((c.r - 109) / 4.2) ** 2, 0.0, 1.0)
    d2, _ = c.arc(12, 0.5, 109)
    bead = spheres(np.hypot(d2, c.r - 109), 2.2, 1.6)
    cove = 2.0 - 1.6 * dome(c.u(102, 116))
    c.h = np.maximum(cove, 1.5 + 2.4 * np.sqrt(gem)) + np.maximum(bead, 0)
    c.h *= smooth(c.u(97, 101))
    c.gloss += 0.5 * (gem > 0)
    c.h += rim(c, 115, 117, 0.8)


def frame18(c):
    """Fine diamond knurling on a dome, between polished rims."""
    p1 = np.mod(c.a * 80 / TWO_PI + (c.r - 100) / 2.6, 1.0)
    p2 = np.mod(c.a * 80 / TWO_PI - (c.r - 100) / 2.6, 1.0)
    knurl = np.minimum(tri(p1 - 0.5), tri(p2 - 0.5))
    field = c.inside(103.5, 113.5)
    c.h = 3.0 * dome(c.u(100, 117)) + 1.0 * knurl * field
    c.h += rim(c, 101, 103.5, 0.8) + rim(c, 113.5, 116, 0.8)


def frame19(c):
    """Satin band with a conical sheen between raised polished beads."""
    sheen = np.cos(2.0 * (c.a - 1.75 * np.pi))
    fine = np.sin(c.a * 360) * 0.04
    field = c.inside(104, 113)
    c.tone += field * (0.20 * sheen + fine)
    c.gloss = np.where(field, 0.15, 1.0)
    c.h = 1.5 * field + rim(c, 99, 104, 2.8) + rim(c, 113, 117, 2.6)


def frame20(c):
    """Ribbon wound around a round cord in twelve broad turns."""
    cord = 3.0 * dome(c.u(100, 116))
    p = np.mod(c.a * 12 / TWO_PI + (c.r - 108) / 32.0, 1.0) * 2.0
    ribbon = np.clip(np.minimum(p, 1.0 - p) / 0.06, 0.0, 1.0) * (p < 1.0)
    c.h = cord + 0.9 * ribbon * dome(c.u(101, 115)) + rim(c, 115.5, 117.5, 0.6)
    c.tone -= 0.10 * (1 - ribbon) * c.inside(101, 115)
    c.outer[:] = 117.5


RECIPES = [frame1, frame2, frame3, frame4, frame5, frame6, frame7, frame8, frame9, frame10,
           frame11, frame12, frame13, frame14, frame15, frame16, frame17, frame18, frame19, frame20]
