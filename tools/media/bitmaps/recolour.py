"""The nineteen frame colour rules, applied to colours 0x00BBGGRR (red in the low byte).

Results that carry bits above the low 24 are reduced to their low 24 bits, the fixed mapping the
samples use.
"""
import numpy as np

RULES = [
    lambda c: c & 0x00FFFF,
    lambda c: c | 0x800000,
    lambda c: c & 0x0000FF,
    lambda c: c & 0x00FF00,
    lambda c: (c & 0x00FF00) << 8,
    lambda c: (c & 0xFF0000) * 2,
    lambda c: (c & 0xFF00FF) * 2,
    lambda c: (c & 0x00FFFF) << 8,
    lambda c: (c & 0xFF0000) >> 8,
    lambda c: (c | 0x808080) >> 16,
    lambda c: (c & 0x00FF00) | 0x0000FF,
    lambda c: c | 0xFF0000,
    lambda c: (c & 0xFF0000) << 4,
    lambda c: (c & 0xFF0000) * 4,
    lambda c: (c & 0xFF0000) >> 14,
    lambda c: (c & 0xFF0000) >> 6,
    lambda c: (c & 0xFF0000) >> 12,
    lambda c: (c & 0xFF0000) >> 4,
    lambda c: (c & 0xC0DCC0) >> 4,
]


def to_colour(rgb):
    rgb = np.asarray(rgb).astype(np.int64)
    return rgb[..., 0] | (rgb[..., 1] << 8) | (rgb[..., 2] << 16)


def to_rgb(colour):
    colour = np.asarray(colour, dtype=np.int64) & 0xFFFFFF
    return np.stack([colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF], axis=-1).astype(np.uint8)


def apply_rule(rgb, rule, keep_white=True):
    """Recolour a picture by rule 0..18; pure white stays white when keep_white is set, as the
    clock's pixel lists leave white frame and strip pixels out."""
    rgb = np.asarray(rgb, dtype=np.uint8)
    out = to_rgb(RULES[rule](to_colour(rgb)))
    if keep_white:
        white = np.all(rgb == 255, axis=-1)
        out[white] = 255
    return out
