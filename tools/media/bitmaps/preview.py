"""A small model of how the clock shows the pictures, for the contact sheets and the hand samples.

Hands go through the clock's own steps: the pixels of the read window are painted on a picture
filled with the background colour (black parts in the hand colour), rotated about the pivot with
the clock's nearest-pixel rotation, smoothed with a light 5-point filter, and laid on the face
with the background colour as the transparent key.
"""
import numpy as np

from .hands import PIVOT, WINDOW_X, WINDOW_Y

SEE_THROUGH = np.array((255, 255, 255), dtype=np.uint8)


def paint_hand(hand_rgb, fill, hand_colour):
    """Copy the read window of a hand picture onto a picture filled with `fill`."""
    out = np.empty((240, 240, 3), dtype=np.uint8)
    out[:] = fill
    x0, x1 = WINDOW_X
    y0, y1 = WINDOW_Y
    win = hand_rgb[y0:y1 + 1, x0:x1 + 1]
    used = ~np.all(win == 255, axis=2)
    black = np.all(win == 0, axis=2)
    part = out[y0:y1 + 1, x0:x1 + 1]
    part[used] = win[used]
    part[black] = hand_colour
    return out


def rotate(src, angle, fill):
    """Nearest-pixel rotation about the pivot, clockwise on screen, as the clock does it."""
    if angle == 270:
        angle = 269.8
    t = -angle * np.pi / 180.0
    s, c = np.sin(t), np.cos(t)
    h, w = src.shape[:2]
    y, x = np.mgrid[0:h, 0:w]
    dy = 2 * (y - PIVOT) + 1
    dx = 2 * (x - PIVOT) + 1
    u = np.round(dx * c - dy * s).astype(int)
    v = np.round(dx * s + dy * c).astype(int)
    sx = PIVOT + np.trunc((u - 1) / 2).astype(int)
    sy = PIVOT + np.trunc((v - 1) / 2).astype(int)
    ok = (sx >= 0) & (sx < w) & (sy >= 0) & (sy < h)
    out = np.empty_like(src)
    out[:] = fill
    out[ok] = src[sy[ok], sx[ok]]
    return out


def smooth(src, weight=5):
    """Centre pixel weighted 100 against its four neighbours weighted `weight` each."""
    a = src.astype(float)
    acc = a * 100.0
    tot = np.full(a.shape[:2], 100.0)
    for axis, shift in ((0, 1), (0, -1), (1, 1), (1, -1)):
        rolled = np.roll(a, shift, axis=axis)
        valid = np.ones(a.shape[:2], dtype=bool)
        idx = [slice(None), slice(None)]
        idx[axis] = 0 if shift == 1 else -1
        valid[tuple(idx)] = False
        acc += weight * rolled * valid[..., None]
        tot += weight * valid
    return np.round(acc / tot[..., None]).astype(np.uint8)


def hand_layer(hand_rgb, angle, fill, hand_colour, smooth_first):
    painted = paint_hand(hand_rgb, fill, hand_colour)
    if smooth_first:
        return rotate(smooth(painted), angle, fill)
    return smooth(rotate(painted, angle, fill))


def face(frame_rgb, hands, when, background=(0, 0, 0), hand_colour=(222, 196, 120)):
    """The clock face at `when` = (h, m, s): frame, face disk and the three hands.
    Returns the picture and the mask of see-through pixels."""
    pic = np.full((240, 240, 3), 255, dtype=np.uint8)
    fh, fw = frame_rgb.shape[:2]
    pic[:fh, :fw] = frame_rgb
    y, x = np.mgrid[0:240, 0:240]
    disk = ((x + 0.5 - 120) / 101.0) ** 2 + ((y + 0.5 - 120) / 101.0) ** 2 <= 1.0
    pic[disk] = background
    h, m, s = when
    hh = h - 12 if h > 12 else h
    a_hour = m // 2 if h == 0 else 30 * hh + m // 2
    a_min = 6 * m + s // 10
    fill = np.array(background, dtype=np.uint8)
    for rgb, angle, first in ((hands[0], a_hour, False), (hands[1], a_min, False),
                              (hands[2], 6 * s, True)):
        layer = hand_layer(rgb, angle, fill, hand_colour, first)
        keep = ~np.all(layer == fill, axis=2)
        pic[keep] = layer[keep]
    return pic, np.all(pic == 255, axis=2)
