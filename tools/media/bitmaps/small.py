"""Small pictures: close glyphs, the clock's button strip and stripe, the position miniature and
its marker, and the control panel's header banner."""
import numpy as np

from .canvas import Canvas, text_mask
from .metal import DARKEST, gold

DARK_GOLD = DARKEST
TEXT_BROWN = DARKEST


CLOSE_PATTERN = [
    "##...##",
    "###.###",
    ".#####.",
    "..###..",
    ".#####.",
    "###.###",
    "##...##",
]


def close_glyph(colour):
    """7 x 7 bold 'x' on white."""
    out = np.full((7, 7, 3), 255, dtype=np.uint8)
    mask = np.array([[c == "#" for c in row] for row in CLOSE_PATTERN])
    out[mask] = colour
    return out


def _button(width, height, label):
    """A bevelled gold button with engraved text."""
    y = np.arange(height)[:, None] + np.zeros((1, width))
    t = 0.80 - 0.30 * y / (height - 1)
    face = gold(t)
    face[1, 1:-1] = gold(0.97)
    face[1:-1, 1] = gold(0.92)
    face[-2, 1:-1] = gold(0.36)
    face[1:-1, -2] = gold(0.40)
    face[0, :] = face[-1, :] = DARK_GOLD
    face[:, 0] = face[:, -1] = DARK_GOLD
    m = text_mask(label)
    th, tw = m.shape
    ox = (width - tw) // 2
    oy = (height - th) // 2
    highlight = np.zeros((height, width), bool)
    highlight[oy + 1:oy + 1 + th, ox + 1:ox + 1 + tw] = m
    ink = np.zeros((height, width), bool)
    ink[oy:oy + th, ox:ox + tw] = m
    face[highlight & ~ink] = gold(0.95)
    face[ink] = TEXT_BROWN
    return np.clip(np.round(face), 0, 254).astype(np.uint8)


def strip():
    """51 x 17: "Panel" in columns 0..33, a see-through column 34, "C" in columns 35..50."""
    out = np.full((17, 51, 3), 255, dtype=np.uint8)
    out[:, 0:34] = _button(34, 17, "Panel")
    out[:, 35:51] = _button(16, 17, "C")
    return out


def stripe():
    """120 x 6 gold moulding, the same in every column so it can be stretched freely."""
    shades = [0.22, 0.95, 0.80, 0.62, 0.45, 0.18]
    col = gold(np.array(shades))
    col[0] = DARK_GOLD
    col[-1] = DARK_GOLD
    return np.repeat(np.round(col)[:, None, :], 120, axis=1).astype(np.uint8)


SCREEN_TOP = (70, 120, 190)
SCREEN_BOTTOM = (30, 70, 140)


def screen_mini():
    """33 x 27 miniature monitor: a dark bezel round a desktop-blue screen with a task bar."""
    c = Canvas(33, 27, 4)
    c.paint(c.round_rect(0, 0, 33, 27, 2.0), (46, 48, 54))
    c.paint(c.round_rect(0.5, 0.5, 32.5, 26.5, 1.6), (92, 96, 106))
    c.paint(c.rect(2, 2, 31, 25), c.vertical(SCREEN_TOP, SCREEN_BOTTOM, 2, 25))
    c.paint(c.rect(2, 23, 31, 25), (40, 52, 80))
    c.paint(c.rect(3, 23.5, 6, 24.5), (90, 170, 90))
    return c.over((255, 255, 255))


def screen_marker():
    """9 x 9 clock marker: a gold ring round a light face with two hands."""
    c = Canvas(9, 9, 8)
    c.paint(c.rect(0, 0, 9, 9), SCREEN_TOP)
    c.paint(c.circle(4.5, 4.5, 4.5), (120, 84, 18))
    c.paint(c.circle(4.5, 4.5, 3.9), (226, 192, 78))
    c.paint(c.circle(4.5, 4.5, 2.9), (250, 246, 232))
    c.paint(c.segment(4.5, 4.5, 4.5, 2.0, 0.9), (30, 30, 30))
    c.paint(c.segment(4.5, 4.5, 6.5, 4.5, 0.9), (30, 30, 30))
    return c.over(SCREEN_TOP)


def banner():
    """729 x 34 header: calm cream on the left (the title is drawn there), deepening to blue on the
    right where a gold graduated dial arc sweeps across."""
    w, h = 729, 34
    c = Canvas(w, h, 2)
    t = np.clip((c.x - 230) / (w - 230), 0.0, 1.0)
    t = t * t * (3 - 2 * t)
    left = np.array((250, 247, 236), float)
    mid = np.array((214, 224, 240), float)
    right = np.array((40, 70, 128), float)
    k = np.clip(t * 2, 0, 1)[..., None]
    k2 = np.clip(t * 2 - 1, 0, 1)[..., None]
    base = left * (1 - k) + mid * k
    base = base * (1 - k2) + right * k2
    base = base * (1.0 - 0.06 * (c.y / h))[..., None]
    c.paint(np.ones_like(c.a, dtype=bool), base)
    # A large dial whose rim crosses the banner: rim lines and minute ticks in soft gold.
    cx, cy, r = 600.0, 250.0, 236.0
    d = np.hypot(c.x - cx, c.y - cy)
    ang = np.arctan2(c.x - cx, -(c.y - cy))
    fade = np.clip((c.x - 330) / 200, 0, 1)
    goldish = np.array((236, 204, 110), float)
    c.paint((np.abs(d - r) < 0.7) & (fade > 0), goldish, 0.75 * fade)
    c.paint((np.abs(d - (r - 12)) < 0.5) & (fade > 0), goldish, 0.5 * fade)
    step = 2 * np.pi / 240
    tick = np.abs(((ang / step) + 0.5) % 1 - 0.5) * step * d
    idx = np.round(ang / step).astype(int)
    long = (idx % 5 == 0)
    in_band = (d < r) & (d > r - np.where(long, 10, 5))
    c.paint(in_band & (tick < np.where(long, 0.9, 0.5)) & (fade > 0), goldish, 0.7 * fade)
    # Gold rules along the top and bottom edges.
    c.paint(c.rect(0, 32, w, 33), (212, 175, 55))
    c.paint(c.rect(0, 33, w, 34), (140, 100, 26))
    c.paint(c.rect(0, 0, w, 1), (226, 196, 96))
    return c.over((255, 255, 255))
