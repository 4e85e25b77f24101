"""Pictures for the control panel's owner-drawn lists: the 19 frame colour samples and the 18
hand style miniatures."""
import numpy as np
from PIL import Image

from .hands import PIVOT, WINDOW_X, WINDOW_Y
from .metal import DARKEST, gold
from .recolour import apply_rule

SAMPLE_W, SAMPLE_H = 64, 16
HAND_SAMPLE = 40
MAROON = (128, 0, 0)


def gold_bar():
    """64 x 16 polished gold bar: rounded profile across, a row of small beads along it."""
    rows = np.arange(SAMPLE_H)[:, None] + 0.5
    cols = np.arange(SAMPLE_W)[None, :] + 0.5
    v = rows / SAMPLE_H
    t = 0.30 + 0.62 * np.sin(np.pi * v) ** 0.6 - 0.25 * v + 0.0 * cols
    t[:2, :] += 0.18
    d = np.hypot((cols % 8) - 4.0, rows - 8.0)
    bead = (d < 2.4) & (cols > 4) & (cols < SAMPLE_W - 4)
    t += np.where(bead, 0.30 - 0.16 * (rows - 8.0 + 2.4), 0.0) * bead
    out = np.round(gold(t)).astype(np.uint8)
    out[0, :] = out[-1, :] = DARKEST
    out[:, 0] = out[:, -1] = DARKEST
    return out


def frame_samples():
    bar = gold_bar()
    return np.concatenate([apply_rule(bar, n) for n in range(19)], axis=1)


def _hand_rgba(hand_rgb, colour_for_black):
    """RGBA of the read window of one hand (everything else transparent)."""
    rgba = np.zeros((240, 240, 4), dtype=np.uint8)
    x0, x1 = WINDOW_X
    y0, y1 = WINDOW_Y
    win = hand_rgb[y0:y1 + 1, x0:x1 + 1]
    used = ~np.all(win == 255, axis=2)
    part = rgba[y0:y1 + 1, x0:x1 + 1]
    part[used, :3] = win[used]
    part[used & np.all(win == 0, axis=2), :3] = colour_for_black
    part[used, 3] = 255
    return rgba


def _thicken(rgba):
    """Grow a hand by one pixel on every side (taking a neighbour's colour), so that thin parts
    survive the reduction to a miniature."""
    out = rgba.copy()
    for dy, dx in ((0, 1), (0, -1), (1, 0), (-1, 0)):
        src = np.roll(np.roll(rgba, dy, axis=0), dx, axis=1)
        take = (out[..., 3] == 0) & (src[..., 3] > 0)
        out[take] = src[take]
    return out


def hand_miniature(hands, size=HAND_SAMPLE, angles=(305, 63, 216), colour=MAROON):
    """The three hands of a style at about 10:10:36 on white, scaled to `size`."""
    up, half = 2, 92
    box = (PIVOT - half, PIVOT - half, PIVOT + half + 1, PIVOT + half + 1)
    span = (2 * half + 1) * up
    canvas = Image.new("RGBA", (span, span), (255, 255, 255, 255))
    centre = (half * up + up / 2, half * up + up / 2)
    for hand, angle in zip(hands, angles):
        im = Image.fromarray(_thicken(_hand_rgba(hand, colour)), "RGBA").crop(box)
        im = im.resize((span, span), Image.NEAREST)
        im = im.rotate(-angle, resample=Image.BICUBIC, center=centre)
        canvas = Image.alpha_composite(canvas, im)
    out = np.asarray(canvas.convert("RGB").resize((size, size), Image.BOX), dtype=float)
    # A faint dial ring so the miniature reads as a clock.
    yy, xx = np.mgrid[0:size, 0:size]
    d = np.hypot(xx + 0.5 - size / 2, yy + 0.5 - size / 2)
    ring = np.clip(1.0 - np.abs(d - (size / 2 - 1.2)) / 0.8, 0, 1)[..., None]
    out = out * (1 - 0.45 * ring) + np.array((150, 130, 90)) * 0.45 * ring
    return np.clip(np.round(out), 0, 255).astype(np.uint8)


def hand_samples(all_hands):
    return np.concatenate([hand_miniature(h) for h in all_hands], axis=1)
