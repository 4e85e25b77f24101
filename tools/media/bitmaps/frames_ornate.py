"""Frame recipes 21 to 40: braids, facets, petals, chains and shaped outlines.

Frames 27, 28, 29, 36, 37 and 39 are 238 x 237 pixels and frames 31, 32 and 35 are 238 x 236, so
their outer edge stays at least one pixel inside the bottom row.
"""
import numpy as np

from .frames_plain import rim, tri
from .metal import TWO_PI, dome, smooth, spheres


def frame21(c):
    """Three-strand braid: strands cross over and under along the band."""
    n = 40
    mid, half = 108.5, 6.5
    v = np.clip((c.r - mid) / half, -1.0, 1.0)
    p = c.a * n / TWO_PI
    h = np.zeros_like(c.r)
    for k in range(3):
        centre = np.sin(TWO_PI * (p + k / 3.0)) * 0.62
        slope = np.cos(TWO_PI * (p + k / 3.0))
        dist = np.abs(v - centre) / 0.42
        over = 1.0 + 0.45 * slope
        h = np.maximum(h, over * 2.4 * np.sqrt(np.clip(1.0 - dist * dist, 0.0, 1.0)))
    c.h = h * c.inside(mid - half - 0.5, mid + half + 0.5) + rim(c, 115, 117.5, 1.0)
    c.tone -= 0.12 * (h < 0.3) * c.inside(102, 115)
    c.outer[:] = 117.5


def frame22(c):
    """Dodecagon with flat facets cut like a gem."""
    c.polygon_outer(12, 113.5, 0.0)
    s, _ = c.cell(12, 0.0)
    cosang = np.cos(s * TWO_PI / 12)
    dist = c.outer * cosang - c.r * cosang
    corner = np.abs(s) * 2.0
    c.h = 1.3 * np.minimum(dist, 5.5) + 1.2 * (1.0 - corner) * np.clip(dist / 6.0, 0, 1)
    c.h *= smooth(c.u(97, 102))


def frame23(c):
    """Large and small pearls alternating in a concave groove."""
    d1, _ = c.arc(36, 0.0, 108.5)
    d2, _ = c.arc(36, 0.5, 108.5)
    big = spheres(np.hypot(d1, c.r - 108.5), 3.9)
    small = spheres(np.hypot(d2, c.r - 108.5), 2.0)
    groove = 2.2 - 2.2 * dome(c.u(103, 114))
    c.h = np.maximum(np.maximum(big, small), groove) + rim(c, 98, 103.5, 1.6) + rim(c, 114, 117, 1.4)
    c.tone -= 0.12 * (np.maximum(big, small) < 0.05) * c.inside(104, 113.5)


def frame24(c):
    """Lotus: 24 petals opening outwards, their tips shaping the edge."""
    s, _ = c.cell(24, 0.0)
    tip = np.sqrt(np.clip(1.0 - (2.0 * s) ** 2, 0.0, 1.0))
    c.outer = 111.5 + 5.5 * tip
    u = np.clip((c.r - 101) / (c.outer - 101), 0.0, 1.0)
    width = 0.5 * np.sqrt(np.clip(1.0 - u ** 4, 0.0, 1.0))
    across = np.clip(1.0 - (s / np.maximum(width, 1e-3)) ** 2, 0.0, 1.0)
    c.h = 3.2 * np.sqrt(across) * np.sin(np.pi * np.clip(u * 0.9 + 0.1, 0, 1)) + 0.6
    vein = (np.abs(s) * TWO_PI * c.r / 24 < 0.5) & (u > 0.2) & (u < 0.8)
    c.h -= 0.5 * vein
    c.h *= smooth(c.u(97, 101))


def frame25(c):
    """Hand-hammered dome: overlapping dimples placed from a fixed seed."""
    rng = np.random.default_rng(25)
    c.h = 4.5 * dome(c.u(99, 117))
    count = 230
    angles = np.sort(rng.uniform(0.0, TWO_PI, count))
    radii = rng.uniform(103.0, 114.0, count)
    sizes = rng.uniform(2.6, 4.2, count)
    dent = np.zeros_like(c.r)
    for ang, rad, size in zip(angles, radii, sizes):
        dx = c.x - rad * np.sin(ang)
        dy = c.y + rad * np.cos(ang)
        box = (np.abs(dx) < size) & (np.abs(dy) < size)
        d2 = (dx[box] ** 2 + dy[box] ** 2) / size ** 2
        dent[box] = np.maximum(dent[box], np.clip(1.0 - d2, 0.0, 1.0))
    c.h -= 1.2 * dent
    c.h += rim(c, 115.5, 117.5, 0.5)
    c.outer[:] = 117.5


def frame26(c):
    """Ribbed dome with four diamond cartouches at the quarters."""
    s, _ = c.cell(144)
    ribs = np.clip(1.0 - np.abs(s) / 0.22, 0.0, 1.0) * c.inside(103, 115)
    c.h = 4.0 * dome(c.u(99, 117)) - 0.7 * ribs
    c.tone -= 0.08 * ribs
    d, _ = c.arc(4, 0.0, 109)
    diamond = 1.0 - (np.abs(d) / 9.0 + np.abs(c.r - 109) / 7.0)
    c.h = np.maximum(c.h, 4.0 * dome(c.u(99, 117)) + 2.4 * smooth(diamond / 0.45))
    c.gloss += 0.6 * (diamond > 0)


def frame27(c):
    """Slim polished ring edged with a line of fine beads (238 x 237)."""
    d, _ = c.arc(100, 0.5, 112.5)
    beads = spheres(np.hypot(d, c.r - 112.5), 1.9)
    c.h = 4.0 * dome(c.u(98, 111)) + beads
    c.tone -= 0.1 * (beads < 0.05) * c.inside(111, 115)


def frame28(c):
    """Chain of oval links, alternately flat and edge-on (238 x 237)."""
    n = 36
    s, k = c.cell(n, 0.0)
    along = s * TWO_PI * 108 / n
    rad = c.r - 108
    flat = (k % 2 == 0)
    ax, ay = 7.0, 4.2
    e = np.sqrt((along / ax) ** 2 + (rad / ay) ** 2)
    ring_d = np.abs(e - 0.72) * 4.2
    link_flat = spheres(ring_d, 1.25, 1.8)
    bar = spheres(np.hypot(np.clip(np.abs(along) - 5.0, 0, None), rad), 1.6, 2.2)
    c.h = np.where(flat, link_flat, bar)
    c.h += rim(c, 98, 101.5, 1.0) + rim(c, 112.5, 115, 1.0)
    c.tone -= 0.18 * (c.h < 0.1) * c.inside(101.5, 112.5)
    c.outer[:] = 115.0


def frame29(c):
    """Running waves in relief on a sunken band (238 x 237)."""
    n = 24
    p = c.a * n / TWO_PI
    crest = 107.5 + 3.3 * np.sin(TWO_PI * p) + 1.2 * np.sin(2 * TWO_PI * p + 1.0)
    wave = smooth((crest - c.r) / 1.6)
    band = c.inside(102, 112.5)
    c.h = 1.8 * wave * band + 0.4 * band + rim(c, 98, 102.5, 2.2) + rim(c, 112, 115, 2.0)
    c.tone -= 0.14 * (1.0 - wave) * band
    c.outer[:] = 115.0


def frame30(c):
    """Sunburst: 36 pointed rays with a ridge along each."""
    s, _ = c.cell(36, 0.0)
    c.outer = 110.0 + 7.5 * tri(s)
    c.h = 3.0 * tri(s) * np.clip((c.outer - c.r) / 3.0, 0.0, 1.0) + 2.0 * dome(c.u(98, 110))
    c.h += 1.0 * smooth((c.outer - c.r) / 1.5)


def frame31(c):
    """Art-deco steps with twelve chevrons (238 x 236)."""
    c.h = 5.0 - 1.6 * smooth((c.r - 105.0) / 1.0) - 1.6 * smooth((c.r - 109.5) / 1.0)
    c.h -= 1.4 * smooth((c.r - 112.0) / 2.0)
    d, _ = c.arc(12, 0.0, 108)
    chevron = np.abs(np.abs(d) * 0.9 - (c.r - 103.0)) < 1.4
    chevron &= c.inside(103, 113) & (np.abs(d) < 7.0)
    c.h += 1.6 * chevron
    c.gloss += 0.4 * chevron
    c.tone -= 0.10 * ~chevron * c.inside(103, 113) * (np.abs(d) < 8.5)
    c.h *= smooth(c.u(97, 101))
    c.outer[:] = 114.0


def frame32(c):
    """Honeycomb engraving between polished rims (238 x 236)."""
    col = c.a * 110 / TWO_PI
    row = (c.r - 103.0) / 2.6
    hx = col - 0.5 * (np.floor(row) % 2)
    fx = hx - np.floor(hx) - 0.5
    fy = row - np.floor(row) - 0.5
    q = np.abs(fx) * 1.15 + np.abs(fy) * 0.55
    line = np.clip((np.maximum(np.abs(fx), q) - 0.38) / 0.12, 0.0, 1.0)
    field = c.inside(103, 111)
    c.h = 2.0 * field - 0.6 * line * field + rim(c, 98, 103.5, 2.6) + rim(c, 110.5, 114, 2.4)
    c.tone -= 0.2 * line * field
    c.outer[:] = 114.0


def frame33(c):
    """Satin band with 24 polished rivets."""
    d, _ = c.arc(24, 0.5, 108.5)
    rivet = spheres(np.hypot(d, c.r - 108.5), 2.6, 1.8)
    band = c.inside(102.5, 114)
    c.h = 1.4 * band + rivet + rim(c, 98, 102.5, 2.4) + rim(c, 114, 117.5, 2.2)
    c.gloss = np.where(band & (rivet == 0), 0.1, 1.0)
    c.tone += band * 0.04 * np.sin(c.a * 900) * (rivet == 0)
    c.outer[:] = 117.5


def frame34(c):
    """Torsade: eighteen broad spiral ridges twisted round a cord."""
    p = np.mod(c.a * 18 / TWO_PI + (c.r - 100) / 9.0, 1.0)
    ridge = tri(p - 0.5) ** 1.5
    c.h = 4.0 * dome(c.u(99, 117)) * (0.55 + 0.45 * ridge)
    c.tone -= 0.08 * (1 - ridge) * dome(c.u(99, 117))


def frame35(c):
    """Two rows of fine beads around a central groove (238 x 236)."""
    d1, _ = c.arc(96, 0.0, 103.5)
    d2, _ = c.arc(96, 0.5, 110.0)
    b1 = spheres(np.hypot(d1, c.r - 103.5), 1.8)
    b2 = spheres(np.hypot(d2, c.r - 110.0), 1.8)
    groove = 1.2 - 1.0 * dome(c.u(105.6, 107.9))
    c.h = np.maximum(np.maximum(b1, b2), groove * c.inside(101, 112)) + rim(c, 112, 114, 1.0)
    c.h *= smooth(c.u(97, 100))
    c.tone -= 0.08 * (np.maximum(b1, b2) < 0.05) * c.inside(101, 112)
    c.outer[:] = 114.0


def frame36(c):
    """Bamboo: 24 swelling segments parted by raised nodes (238 x 237)."""
    s, _ = c.cell(24, 0.5)
    swell = 0.8 * (1.0 - (2.0 * s) ** 2)
    gap = (0.5 - np.abs(s)) * TWO_PI * c.r / 24
    node = spheres(gap - 1.2, 1.2, 1.0) - 0.8 * (gap < 0.5)
    body = dome(c.u(99, 115))
    c.h = body * (3.0 + 1.5 * swell + node)
    c.tone -= 0.15 * (gap < 0.5) * body
    c.outer[:] = 115.0


def frame37(c):
    """Chequerboard of raised polished and sunken engraved squares (238 x 237)."""
    s, k = c.cell(60, 0.0)
    row = np.floor((c.r - 102.5) / 5.0)
    raised = ((k + row.astype(int)) % 2 == 0) & c.inside(102.5, 112.5)
    fy = (c.r - 102.5) / 5.0 - row - 0.5
    inset = np.clip(1.0 - 2.0 * np.maximum(np.abs(s), np.abs(fy)), 0.0, 1.0)
    c.h = np.where(raised, 1.4 + 1.2 * smooth(inset / 0.25), 1.0) * c.inside(102.5, 112.5)
    c.tone -= 0.16 * (~raised) * c.inside(102.5, 112.5)
    c.h += rim(c, 98, 102.8, 2.2) + rim(c, 112.2, 115, 2.0)
    c.outer[:] = 115.0


def frame38(c):
    """Bezel with twelve raised hour batons and minute dots."""
    c.h = 2.0 * smooth(c.u(97, 101)) + rim(c, 113.5, 117, 1.8) - 0.6 * dome(c.u(102, 113.5))
    c.gloss *= 0.6
    d, k = c.arc(60, 0.0)
    five = (k % 5 == 0)
    baton = five & (np.abs(d) < 1.5) & c.inside(103, 112)
    dot = (~five) & (np.hypot(d, c.r - 108) < 1.2)
    c.h += 2.4 * baton * smooth(np.minimum((1.5 - np.abs(d)) / 0.6, np.minimum(c.r - 103, 112 - c.r)))
    c.h += spheres(np.hypot(d, c.r - 108), 1.5, 1.4) * ~five
    c.tone -= 0.16 * c.inside(102, 113.5) * ~(baton | dot)
    c.gloss = np.where(baton | dot, 1.4, c.gloss)


def frame39(c):
    """Cushion case: a rounded square with rosettes in the corners (238 x 237)."""
    a, p = 114.5, 4.0
    ax, ay = np.abs(c.x), np.abs(c.y)
    ang = np.arctan2(ay, ax)
    ca, sa = np.cos(ang), np.sin(ang)
    c.outer = a / (ca ** p + sa ** p) ** (1.0 / p)
    c.max_outer = a * 2 ** (0.5 - 1 / p)
    u = np.clip((c.r - 100) / (c.outer - 100), 0.0, 1.0)
    c.h = 2.2 * smooth(np.minimum(u / 0.25, (1.0 - u) / 0.12)) + 2.2 * dome(u) + rim(c, 99, 104, 1.4)
    cdist = 123.0
    cx = cdist / np.sqrt(2.0)
    dx, dy = ax - cx, ay - cx
    ros = np.zeros_like(c.r)
    for i in range(6):
        t = i * TWO_PI / 6
        ros = np.maximum(ros, spheres(np.hypot(dx - 3.6 * np.cos(t), dy - 3.6 * np.sin(t)), 2.3, 1.6))
    ros = np.maximum(ros, spheres(np.hypot(dx, dy), 2.4, 2.4))
    c.h += ros
    line = np.abs(c.outer - c.r - 4.5) < 0.6
    c.h -= 0.5 * line
    c.tone -= 0.15 * line
    d, _ = c.arc(64, 0.5, 107)
    c.h = np.maximum(c.h, c.h + spheres(np.hypot(d, c.r - 107), 1.6) * (c.outer > 110))


def frame40(c):
    """Baroque: alternating large and small lobes, each large lobe set with a pearl."""
    s, k = c.cell(24, 0.0)
    big = (k % 2 == 0)
    lobe = np.sqrt(np.clip(1.0 - (2.0 * s) ** 2, 0.0, 1.0))
    c.outer = np.where(big, 111.0 + 6.0 * lobe, 111.0 + 3.0 * lobe)
    u = np.clip((c.r - 99) / (c.outer - 99), 0.0, 1.0)
    c.h = 3.4 * dome(u)
    d, kk = c.arc(24, 0.0, 112.5)
    pearl = spheres(np.hypot(d, c.r - 112.5), 2.0, 1.8) * (kk % 2 == 0)
    c.h += pearl
    c.h += rim(c, 99, 103, 0.8)


RECIPES = [frame21, frame22, frame23, frame24, frame25, frame26, frame27, frame28, frame29, frame30,
           frame31, frame32, frame33, frame34, frame35, frame36, frame37, frame38, frame39, frame40]
