"""A supersampled RGBA canvas for the small vector pictures (icons, markers, banner motif), and
a tiny pixel font for the few words drawn at button size.

Coordinates are in output pixels, y downwards; pixel (x, y) covers x..x+1, y..y+1.
"""
import numpy as np
from PIL import Image, ImageDraw


class Canvas:
    def __init__(self, width, height, ss=8):
        self.w, self.h, self.ss = width, height, ss
        ys = (np.arange(height * ss) + 0.5) / ss
        xs = (np.arange(width * ss) + 0.5) / ss
        self.x, self.y = np.meshgrid(xs, ys)
        self.rgb = np.zeros((height * ss, width * ss, 3))
        self.a = np.zeros((height * ss, width * ss))

    # ---- shapes (boolean masks on the sample grid) -------------------------------------------
    def circle(self, cx, cy, r):
        return (self.x - cx) ** 2 + (self.y - cy) ** 2 <= r * r

    def ring(self, cx, cy, r_out, r_in):
        d2 = (self.x - cx) ** 2 + (self.y - cy) ** 2
        return (d2 <= r_out * r_out) & (d2 > r_in * r_in)

    def rect(self, x0, y0, x1, y1):
        return (self.x >= x0) & (self.x < x1) & (self.y >= y0) & (self.y < y1)

    def round_rect(self, x0, y0, x1, y1, r):
        cx = np.clip(self.x, x0 + r, x1 - r)
        cy = np.clip(self.y, y0 + r, y1 - r)
        return self.rect(x0, y0, x1, y1) & ((self.x - cx) ** 2 + (self.y - cy) ** 2 <= r * r)

    def segment(self, x0, y0, x1, y1, width):
        """Capsule of the given width along a segment."""
        dx, dy = x1 - x0, y1 - y0
        ln = dx * dx + dy * dy
        t = np.clip(((self.x - x0) * dx + (self.y - y0) * dy) / ln, 0.0, 1.0) if ln else 0.0
        px, py = x0 + t * dx, y0 + t * dy
        return (self.x - px) ** 2 + (self.y - py) ** 2 <= (width / 2.0) ** 2

    def polygon(self, points):
        img = Image.new("L", (self.w * self.ss, self.h * self.ss), 0)
        ImageDraw.Draw(img).polygon([(x * self.ss, y * self.ss) for x, y in points], fill=255)
        return np.asarray(img) > 127

    def angle(self, cx, cy):
        """Angle clockwise from twelve o'clock, 0 .. 2 pi."""
        return np.mod(np.arctan2(self.x - cx, -(self.y - cy)), 2 * np.pi)

    # ---- painting ----------------------------------------------------------------------------
    def paint(self, mask, colour, alpha=1.0):
        """Paint `colour` (an RGB triple or an (h, w, 3) array of samples) over the mask."""
        colour = np.asarray(colour, dtype=float)
        if colour.ndim == 1:
            colour = np.broadcast_to(colour, self.rgb.shape)
        a = mask * alpha
        if np.ndim(a) == 0:
            a = np.full(self.a.shape, float(a))
        self.rgb = self.rgb * (1 - a[..., None]) * self.a[..., None] + colour * a[..., None]
        new_a = self.a * (1 - a) + a
        self.rgb = np.where(new_a[..., None] > 0, self.rgb / np.maximum(new_a, 1e-9)[..., None], 0)
        self.a = new_a

    def vertical(self, top, bottom, y0, y1):
        """Vertical gradient samples from `top` at y0 to `bottom` at y1."""
        t = np.clip((self.y - y0) / max(y1 - y0, 1e-9), 0.0, 1.0)[..., None]
        return np.asarray(top, float) * (1 - t) + np.asarray(bottom, float) * t

    # ---- results -----------------------------------------------------------------------------
    def _reduce(self):
        s = self.ss
        a = self.a.reshape(self.h, s, self.w, s).mean(axis=(1, 3))
        pre = (self.rgb * self.a[..., None]).reshape(self.h, s, self.w, s, 3).sum(axis=(1, 3))
        cnt = self.a.reshape(self.h, s, self.w, s).sum(axis=(1, 3))
        rgb = pre / np.maximum(cnt, 1e-9)[..., None]
        return rgb, a

    def rgba(self):
        rgb, a = self._reduce()
        out = np.zeros((self.h, self.w, 4), dtype=np.uint8)
        out[..., :3] = np.clip(np.round(rgb), 0, 255)
        out[..., 3] = np.clip(np.round(a * 255), 0, 255)
        out[out[..., 3] == 0, :3] = 0
        return out

    def keyed(self, key, threshold=0.5):
        """Hard-edged picture: pixels at least `threshold` covered keep their own colour (never
        blended with the key), the rest take the key colour."""
        rgb, a = self._reduce()
        out = np.empty((self.h, self.w, 3), dtype=np.uint8)
        out[:] = key
        keep = a >= threshold
        out[keep] = np.clip(np.round(rgb[keep]), 0, 255)
        return out

    def over(self, background):
        rgb, a = self._reduce()
        bg = np.asarray(background, float)
        return np.clip(np.round(rgb * a[..., None] + bg * (1 - a[..., None])), 0, 255).astype(np.uint8)


# A small proportional pixel font: each glyph is a list of rows, '#' set.
GLYPHS = {
    "P": ["###.", "#..#", "#..#", "###.", "#...", "#...", "#..."],
    "C": [".###", "#...", "#...", "#...", "#...", "#...", ".###"],
    "a": ["....", "....", ".##.", "...#", ".###", "#..#", ".###"],
    "n": ["....", "....", "###.", "#..#", "#..#", "#..#", "#..#"],
    "e": ["....", "....", ".##.", "#..#", "####", "#...", ".###"],
    "l": ["#", "#", "#", "#", "#", "#", "#"],
}


def text_mask(text, bold=True, spacing=1):
    """Boolean mask of `text` in the pixel font (7 rows), one column wider per glyph when bold."""
    cols = []
    for i, ch in enumerate(text):
        g = np.array([[c == "#" for c in row] for row in GLYPHS[ch]], dtype=bool)
        if g.shape[0] < 7:
            g = np.vstack([g, np.zeros((7 - g.shape[0], g.shape[1]), bool)])
        if bold:
            g = np.hstack([g, np.zeros((7, 1), bool)]) | np.hstack([np.zeros((7, 1), bool), g])
        if i:
            cols.append(np.zeros((7, spacing), bool))
        cols.append(g)
    return np.hstack(cols)
