"""The clock window's 16 x 16 image list (tray and menu pictures) and the application icon."""
import numpy as np

from .canvas import Canvas

MAGENTA = (255, 0, 255)
INK = (34, 30, 28)
RIM_DARK = (104, 70, 14)
RIM_GOLD = (214, 178, 62)
RIM_LIGHT = (246, 224, 128)
FACE = (252, 248, 236)


def _clock(c, cx, cy, r, detail):
    """A gold clock at 10:10: dark outer line, bevelled rim, ivory face, hour marks and hands."""
    ang = c.angle(cx, cy)
    lit = 0.5 + 0.5 * np.cos(ang - 1.75 * np.pi)  # brighter towards the top-left
    rim = np.asarray(RIM_GOLD, float) * (1 - lit[..., None] * 0.6) + \
        np.asarray(RIM_LIGHT, float) * (lit[..., None] * 0.6)
    shade = np.asarray(RIM_DARK, float) * 0.5 + np.asarray(RIM_GOLD, float) * 0.5
    rim = rim * lit[..., None] + shade * (1 - lit[..., None])
    c.paint(c.circle(cx, cy, r), RIM_DARK)
    c.paint(c.circle(cx, cy, r - max(0.8, r * 0.06)), rim)
    face_r = r * (0.70 if detail else 0.66)
    if detail:
        bevel = np.asarray(RIM_GOLD, float) * lit[..., None] + np.asarray(RIM_LIGHT, float) * (1 - lit[..., None])
        bevel = bevel * (0.75 + 0.25 * (1 - lit[..., None]))
        c.paint(c.circle(cx, cy, face_r + r * 0.10), bevel)
    c.paint(c.circle(cx, cy, face_r + max(0.5, r * 0.03)), RIM_DARK)
    c.paint(c.circle(cx, cy, face_r), c.vertical((236, 230, 214), FACE, cy - face_r, cy + face_r * 0.2))
    if detail:
        for k in range(12):
            a = k * np.pi / 6
            ln = 0.16 if k % 3 == 0 else 0.09
            r0, r1 = face_r * 0.90, face_r * (0.90 - ln)
            w = face_r * (0.07 if k % 3 == 0 else 0.04)
            c.paint(c.segment(cx + r0 * np.sin(a), cy - r0 * np.cos(a),
                              cx + r1 * np.sin(a), cy - r1 * np.cos(a), w), (90, 80, 70))
    hw = max(1.1, r * 0.09)
    for a, ln in ((-60.0, 0.50), (60.0, 0.74)):
        t = np.radians(a)
        c.paint(c.segment(cx, cy, cx + face_r * ln * np.sin(t), cy - face_r * ln * np.cos(t), hw), INK)
    if detail:
        t = np.radians(200.0)
        c.paint(c.segment(cx - face_r * 0.2 * np.sin(t), cy + face_r * 0.2 * np.cos(t),
                          cx + face_r * 0.82 * np.sin(t), cy - face_r * 0.82 * np.cos(t),
                          max(0.6, r * 0.03)), (200, 30, 30))
    c.paint(c.circle(cx, cy, max(0.9, r * 0.08)), INK)


def _greyed(rgb):
    g = rgb.astype(float) @ np.array([0.30, 0.59, 0.11])
    g = 120 + (g - 120) * 0.55
    out = np.repeat(np.clip(np.round(g), 0, 254)[..., None], 3, axis=-1).astype(np.uint8)
    return out


def _icon_clock():
    c = Canvas(16, 16)
    _clock(c, 8, 8, 7.8, False)
    return c.keyed(MAGENTA)


def _icon_exit():
    """A red power symbol."""
    c = Canvas(16, 16)
    red, dark = (214, 40, 36), (130, 16, 14)
    ang = c.angle(8, 8.6)
    gap = np.minimum(ang, 2 * np.pi - ang)
    c.paint(c.ring(8, 8.6, 7.2, 3.8) & (gap > 0.52), dark)
    c.paint(c.ring(8, 8.6, 6.5, 4.5) & (gap > 0.64), c.vertical((244, 96, 84), red, 2, 15))
    c.paint(c.round_rect(6.3, 0.4, 9.7, 9.6, 1.5), dark)
    c.paint(c.round_rect(7.1, 1.2, 8.9, 8.8, 0.8), c.vertical((244, 96, 84), red, 1, 9))
    return c.keyed(MAGENTA)


def _icon_panel():
    """A steel gear."""
    c = Canvas(16, 16)
    ang = c.angle(8, 8)
    teeth = (np.mod(ang * 8 / (2 * np.pi) + 0.5, 1.0) < 0.5)
    d = np.hypot(c.x - 8, c.y - 8)
    gear = (d < 5.6) | ((d < 7.6) & teeth)
    c.paint(gear, (52, 62, 84))
    inner = (d < 4.9) | ((d < 6.9) & (np.mod(ang * 8 / (2 * np.pi) + 0.5, 1.0) < 0.40)
                         & (np.mod(ang * 8 / (2 * np.pi) + 0.5, 1.0) > 0.10))
    c.paint(inner, c.vertical((170, 186, 214), (92, 110, 146), 1, 15))
    c.paint(c.circle(8, 8, 2.6), (52, 62, 84))
    c.paint(c.circle(8, 8, 1.8), (236, 240, 246))
    return c.keyed(MAGENTA)


def _icon_planner():
    """A spiral-bound notebook with ruled lines."""
    c = Canvas(16, 16)
    c.paint(c.round_rect(2, 2, 14.5, 15.5, 1.2), (40, 70, 130))
    c.paint(c.rect(3, 3, 13.5, 14.5), (252, 252, 246))
    for y in (6.5, 8.5, 10.5, 12.5):
        c.paint(c.rect(4, y, 12.5, y + 0.7), (120, 150, 210))
    c.paint(c.rect(5.2, 5, 5.9, 14.5), (220, 80, 70))
    for x in (4.5, 7.5, 10.5):
        c.paint(c.round_rect(x, 0.5, x + 1.6, 4.5, 0.8), (70, 74, 82))
        c.paint(c.round_rect(x + 0.4, 0.9, x + 1.1, 4.0, 0.4), (190, 194, 204))
    return c.keyed(MAGENTA)


def _eye(c, open_eye):
    def lens(a, b):
        rr = (a * a + b * b) / (2 * b)
        return c.circle(8, 8 + rr - b, rr) & c.circle(8, 8 - rr + b, rr)
    c.paint(lens(7.6, 5.2), (40, 44, 52))
    c.paint(lens(6.4, 4.2), (250, 250, 250))
    c.paint(c.circle(8, 8, 3.1), (40, 100, 180))
    c.paint(c.circle(8, 8, 1.5), (16, 20, 28))
    c.paint(c.circle(7, 7, 0.8), (255, 255, 255))
    if not open_eye:
        c.paint(c.segment(2.5, 13.5, 13.5, 2.5, 3.0), (255, 255, 255))
        c.paint(c.segment(2.5, 13.5, 13.5, 2.5, 1.8), (210, 36, 32))


def _icon_hide():
    c = Canvas(16, 16)
    _eye(c, False)
    return c.keyed(MAGENTA)


def _icon_show():
    c = Canvas(16, 16)
    _eye(c, True)
    return c.keyed(MAGENTA)


def _icon_date():
    """A calendar page with a red header and today's square marked."""
    c = Canvas(16, 16)
    c.paint(c.round_rect(1, 2, 15, 15.5, 1.4), (90, 40, 36))
    c.paint(c.rect(2, 6, 14, 14.5), (252, 252, 248))
    c.paint(c.rect(2, 3, 14, 6), c.vertical((236, 80, 70), (190, 40, 34), 3, 6))
    for x in (4.5, 10.5):
        c.paint(c.round_rect(x, 0.5, x + 1.2, 4.2, 0.6), (80, 84, 92))
    for row in range(3):
        for col in range(4):
            x, y = 3 + col * 2.75, 7.2 + row * 2.4
            colour = (220, 50, 40) if (row, col) == (1, 2) else (150, 156, 168)
            c.paint(c.rect(x, y, x + 1.8, y + 1.6), colour)
    return c.keyed(MAGENTA)


def clock_images():
    """128 x 16: tray (shown), tray (hidden), Exit, Control Panel, Daily Planner, Hide Clock,
    Show Clock, Today's Date."""
    shown = _icon_clock()
    hidden = shown.copy()
    opaque = ~np.all(shown == MAGENTA, axis=-1)
    hidden[opaque] = _greyed(shown)[opaque]
    icons = [shown, hidden, _icon_exit(), _icon_panel(), _icon_planner(), _icon_hide(),
             _icon_show(), _icon_date()]
    return np.concatenate(icons, axis=1)


def _icon_palette():
    """A painter's palette with four dabs of colour."""
    c = Canvas(16, 16)
    c.paint(c.circle(8, 8.5, 7.4), (120, 84, 40))
    c.paint(c.circle(8, 8.5, 6.7), c.vertical((236, 206, 150), (204, 166, 104), 2, 15))
    c.paint(c.circle(10.6, 11.4, 1.9), MAGENTA)  # the thumb hole
    for (x, y), colour in zip(((4.6, 6.6), (7.6, 4.4), (11.2, 5.4), (5.0, 10.6)),
                              ((214, 40, 36), (236, 196, 40), (40, 150, 60), (40, 90, 200))):
        c.paint(c.circle(x, y, 1.5), colour)
    return c.keyed(MAGENTA)


def _icon_rss():
    """The feed sign: white dot and two quarter rings on an orange rounded square."""
    c = Canvas(16, 16)
    c.paint(c.round_rect(0.5, 0.5, 15.5, 15.5, 3.0), (170, 74, 8))
    c.paint(c.round_rect(1.2, 1.2, 14.8, 14.8, 2.5), c.vertical((252, 160, 60), (232, 104, 16), 1, 15))
    cx, cy = 4.2, 11.8
    quarter = (c.x >= cx - 0.9) & (c.y <= cy + 0.9)
    c.paint(c.ring(cx, cy, 6.0, 4.1) & quarter, (255, 255, 255))
    c.paint(c.ring(cx, cy, 9.9, 8.0) & quarter, (255, 255, 255))
    c.paint(c.circle(cx, cy, 1.5), (255, 255, 255))
    return c.keyed(MAGENTA)


def panel_images():
    """48 x 16: the control panel's image list: its three pages, Main Settings (the clock), Clock
    Color Settings (a palette) and RSS Reader (the feed sign, index 2, on every channel row)."""
    return np.concatenate([_icon_clock(), _icon_palette(), _icon_rss()], axis=1)


def app_icon(size):
    """RGBA application icon of the given size: the gold clock, with more detail when larger."""
    c = Canvas(size, size, 8 if size <= 48 else 2)
    r = size / 2.0 - (0.3 if size <= 24 else size * 0.02)
    _clock(c, size / 2.0, size / 2.0, r, size >= 32)
    return c.rgba()


ICON_SIZES = (16, 24, 32, 48, 256)
