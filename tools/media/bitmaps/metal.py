"""Polished-gold rendering of ring-shaped height fields.

A frame is described as a height field (in pixels) on a supersampled grid around the face centre,
plus an outer outline that may depend on the angle.  `render` shades it with a light from the
top-left, maps the shade onto a ramp of gold tones and reduces it to a hard-edged ring: every pixel
is either pure white (see-through on the desktop) or a gold tone, never a blend of the two.

The gold tones are chosen for the colour rules that recolour the frames bit by bit.  Red never
drops below 128, so doubling it wraps the same way for every tone.  Blue takes one of sixteen levels
0..63 that rise with the tone and whose low four bits and low six bits both rise too, so the rules
that shift or multiply the blue byte turn a bevel into a clean gradient instead of speckle.  Nothing
comes near white.
"""
import numpy as np

SUPERSAMPLE = 2
CENTRE = 120.0
TWO_PI = 2.0 * np.pi

# Shade value -> gold tone.  Base gold (212, 175, 55) sits near the shade of a flat, level surface.
_RAMP_T = np.array([0.00, 0.14, 0.30, 0.46, 0.58, 0.72, 0.86, 1.00])
_RAMP_RG = np.array([
    (128, 64),
    (140, 88),
    (166, 120),
    (194, 152),
    (212, 175),
    (232, 200),
    (244, 222),
    (250, 234),
], dtype=float)
# Blue level k (0..15) of a tone: k plus 16 for every four levels.
BLUE_LEVELS = np.array([k + 16 * (k // 4) for k in range(16)], dtype=float)


def blue_for(t):
    k = np.clip(np.round(np.asarray(t, dtype=float) * 15.0), 0, 15).astype(int)
    return BLUE_LEVELS[k]


DARKEST = (128, 64, 0)
OUTLINE_T = 0.0


def gold(t):
    """Map shade values (any shape) to gold RGB floats, shape + (3,)."""
    t = np.clip(t, 0.0, 1.0)
    r = np.interp(t, _RAMP_T, _RAMP_RG[:, 0])
    g = np.interp(t, _RAMP_T, _RAMP_RG[:, 1])
    return np.stack([r, g, blue_for(t)], axis=-1)


def box_blur(a, radius):
    """Separable box blur by cumulative sums, edges clamped."""
    if radius < 1:
        return a
    out = a
    for axis in (0, 1):
        pad = [(0, 0), (0, 0)]
        pad[axis] = (radius + 1, radius)
        p = np.pad(out, pad, mode="edge")
        cs = np.cumsum(p, axis=axis)
        n = out.shape[axis]
        hi = np.take(cs, np.arange(2 * radius + 1, 2 * radius + 1 + n), axis=axis)
        lo = np.take(cs, np.arange(0, n), axis=axis)
        out = (hi - lo) / (2 * radius + 1)
    return out


class Ring:
    """Supersampled polar grid of one frame picture plus the layers a recipe fills in."""

    def __init__(self, width=240, height=240, inner=97.0, outer=117.0):
        s = SUPERSAMPLE
        self.width, self.height = width, height
        ys = (np.arange(height * s) + 0.5) / s - 0.5
        xs = (np.arange(width * s) + 0.5) / s - 0.5
        self.x, self.y = np.meshgrid(xs - CENTRE, ys - CENTRE)
        self.r = np.hypot(self.x, self.y)
        # Angle clockwise from twelve o'clock, 0 .. 2 pi.
        self.a = np.mod(np.arctan2(self.x, -self.y), TWO_PI)
        self.h = np.zeros_like(self.r)      # height in pixels
        self.tone = np.zeros_like(self.r)   # shade offset: negative = darker metal (recesses)
        self.gloss = np.ones_like(self.r)   # specular strength, 0 = satin
        self.inner = inner
        self.outer = np.full_like(self.r, outer)
        self.max_outer = outer

    # ---- coordinates -------------------------------------------------------------------------
    def u(self, r0, r1):
        """Position across the band r0..r1 as 0..1 (clipped)."""
        return np.clip((self.r - r0) / (r1 - r0), 0.0, 1.0)

    def inside(self, r0, r1):
        return (self.r >= r0) & (self.r < r1)

    def cell(self, n, phase=0.0):
        """Offset from the nearest of n features evenly spaced around the ring, in cell units
        (-0.5 .. 0.5), and the feature index.  Feature 0 is at twelve o'clock."""
        p = self.a * n / TWO_PI - phase
        k = np.floor(p + 0.5)
        return p - k, np.mod(k, n).astype(int)

    def arc(self, n, phase=0.0, radius=None):
        """Arc distance in pixels from the nearest of n features, measured at `radius`."""
        s, k = self.cell(n, phase)
        rr = self.r if radius is None else radius
        return s * TWO_PI * rr / n, k

    # ---- outline -----------------------------------------------------------------------------
    def polygon_outer(self, sides, inradius, phase=0.5):
        s, _ = self.cell(sides, phase)
        self.outer = inradius / np.cos(s * TWO_PI / sides)
        self.max_outer = inradius / np.cos(np.pi / sides)


def dome(u):
    """Round profile over 0..1, 0 at both ends, 1 in the middle."""
    v = 2.0 * np.clip(u, 0.0, 1.0) - 1.0
    return np.sqrt(np.clip(1.0 - v * v, 0.0, 1.0))


def soft_dome(u):
    """Cosine hump over 0..1: gentler than `dome`, no vertical walls."""
    return 0.5 - 0.5 * np.cos(TWO_PI * np.clip(u, 0.0, 1.0))


def smooth(u):
    u = np.clip(u, 0.0, 1.0)
    return u * u * (3.0 - 2.0 * u)


def spheres(dist, radius, height=None):
    """Height of round beads at distance `dist` from their centres."""
    height = radius if height is None else height
    return height * np.sqrt(np.clip(1.0 - (dist / radius) ** 2, 0.0, 1.0))


def shade(ring, light=(-0.62, -0.78, 0.95), shininess=36.0):
    """Shade value per sample from the height field: diffuse + specular + cavity darkening."""
    step = 1.0 / SUPERSAMPLE
    hy, hx = np.gradient(ring.h, step)
    nz = 1.0 / np.sqrt(hx * hx + hy * hy + 1.0)
    nx, ny = -hx * nz, -hy * nz
    lx, ly, lz = np.array(light) / np.linalg.norm(light)
    diffuse = np.clip(nx * lx + ny * ly + nz * lz, 0.0, 1.0)
    hx_, hy_, hz_ = lx, ly, lz + 1.0
    hn = np.sqrt(hx_ * hx_ + hy_ * hy_ + hz_ * hz_)
    shine = np.clip((nx * hx_ + ny * hy_ + nz * hz_) / hn, 0.0, 1.0) ** shininess
    # A second, broad reflection of the room below-right keeps shadowed slopes from going flat.
    bounce = np.clip(nx * 0.55 + ny * 0.65 + nz * 0.5, 0.0, 1.0) ** 2
    cavity = ring.h - box_blur(ring.h, 2 * SUPERSAMPLE)
    t = 0.06 + 0.62 * diffuse + 0.42 * shine * ring.gloss + 0.10 * bounce
    t += np.clip(0.10 * cavity, -0.18, 0.10) + ring.tone
    return t


def render(ring, light=(-0.62, -0.78, 0.95)):
    """Shade, reduce and mask the ring; returns an (h, w, 3) uint8 picture."""
    s = SUPERSAMPLE
    t = np.clip(shade(ring, light), 0.0, 1.0)
    colour = gold(t)
    covered = (ring.r >= ring.inner) & (ring.r <= ring.outer)
    h, w = ring.height, ring.width
    m = covered.reshape(h, s, w, s).astype(float)
    coverage = m.mean(axis=(1, 3))
    csum = (colour * covered[..., None]).reshape(h, s, w, s, 3).sum(axis=(1, 3))
    msum = m.sum(axis=(1, 3))
    inside = coverage >= 0.5
    # A pixel kept by the coverage test but with no covered sample of its own takes the plain mean.
    plain = colour.reshape(h, s, w, s, 3).mean(axis=(1, 3))
    pix = np.where(msum[..., None] > 0, csum / np.maximum(msum, 1)[..., None], plain)
    tsum = (t * covered).reshape(h, s, w, s).sum(axis=(1, 3))
    tpix = np.where(msum > 0, tsum / np.maximum(msum, 1), t.reshape(h, s, w, s).mean(axis=(1, 3)))
    # Outer edge: a darker gold contour instead of a blend with white.
    padded = np.pad(inside, 1, constant_values=False)
    neighbours_out = np.zeros_like(inside)
    for dy in (-1, 0, 1):
        for dx in (-1, 0, 1):
            if dx or dy:
                neighbours_out |= ~padded[1 + dy:1 + dy + h, 1 + dx:1 + dx + w]
    rc = ring.r.reshape(h, s, w, s).mean(axis=(1, 3))
    edge = inside & neighbours_out & (rc > ring.inner + 2)
    pix[edge] = 0.35 * pix[edge] + 0.65 * gold(OUTLINE_T)
    tpix[edge] = 0.35 * tpix[edge] + 0.65 * OUTLINE_T
    # Blue is not averaged: it is the level of the pixel's own mean tone (see the module note).
    pix[..., 2] = blue_for(tpix)
    out = np.full((h, w, 3), 255, dtype=np.uint8)
    out[inside] = np.clip(np.round(pix[inside]), 0, 254).astype(np.uint8)
    return out
