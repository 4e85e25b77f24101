"""Contact sheets for reviewing the artwork: every frame, every hand style on a face, the small
pictures, and one frame under all nineteen colour rules."""
import numpy as np
from PIL import Image, ImageDraw, ImageFont

from .preview import face
from .recolour import apply_rule

GREY = (128, 128, 128)
LABEL = (250, 250, 250)
TILE = 240
GAP = 12
LABEL_H = 16
HAND_COLOUR = (236, 226, 200)
FACE_BG = (0, 0, 0)


_FONT_FILE = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"


def _font():
    try:
        return ImageFont.truetype(_FONT_FILE, 12)
    except OSError:
        return ImageFont.load_default()


def _zoom(rgb, k):
    return np.repeat(np.repeat(rgb, k, axis=0), k, axis=1)


def _on_grey(rgb):
    """White is see-through on the desktop: show it as the sheet's grey."""
    out = rgb.copy()
    out[np.all(rgb == 255, axis=-1)] = GREY
    return out


def _face_tile(frame, hands=None, when=(10, 8, 36), rule=None):
    pic = frame if rule is None else apply_rule(frame, rule)
    if hands is None:
        hands = [np.full((240, 240, 3), 255, np.uint8)] * 3
    shown, see = face(pic, hands, when, background=FACE_BG, hand_colour=HAND_COLOUR)
    shown[see] = GREY
    return shown


class Sheet:
    def __init__(self, width):
        self.width = width
        self.parts = []  # (image, x, y)
        self.texts = []
        self.y = GAP

    def heading(self, text):
        self.texts.append((GAP, self.y, text))
        self.y += LABEL_H + 4

    def grid(self, tiles, labels, per_row):
        h = max(t.shape[0] for t in tiles)
        w = max(t.shape[1] for t in tiles)
        for i, (tile, label) in enumerate(zip(tiles, labels)):
            x = GAP + (i % per_row) * (w + GAP)
            y = self.y + (i // per_row) * (h + LABEL_H + GAP)
            self.parts.append((tile, x, y))
            self.texts.append((x, y + h + 2, label))
        rows = (len(tiles) + per_row - 1) // per_row
        self.y += rows * (h + LABEL_H + GAP) + GAP

    def row(self, items):
        """Items (picture, label) side by side, each labelled underneath."""
        x = GAP
        h = max(p.shape[0] for p, _ in items)
        for pic, label in items:
            self.parts.append((pic, x, self.y))
            self.texts.append((x, self.y + pic.shape[0] + 2, label))
            x += max(pic.shape[1], 7 * len(label)) + 3 * GAP
        self.y += h + LABEL_H + 2 * GAP

    def image(self):
        img = np.zeros((self.y, self.width, 3), dtype=np.uint8)
        img[:] = GREY
        for pic, x, y in self.parts:
            img[y:y + pic.shape[0], x:x + pic.shape[1]] = pic[..., :3]
        im = Image.fromarray(img)
        draw = ImageDraw.Draw(im)
        font = _font()
        for x, y, text in self.texts:
            draw.text((x, y), text, fill=LABEL, font=font)
        return im


def _icon_on_grey(rgba):
    a = rgba[..., 3:].astype(float) / 255.0
    return np.round(rgba[..., :3] * a + np.array(GREY) * (1 - a)).astype(np.uint8)


def contact_sheet(frames, hands, pics, icons):
    """frames: 40 pictures; hands: 18 (hour, minute, second); pics: dict of the small pictures;
    icons: list of RGBA application icon sizes."""
    per_row = 8
    sheet = Sheet(GAP + per_row * (TILE + GAP))
    sheet.heading("Frames 1-40 (gold originals; the face disk drawn in the default black)")
    sheet.grid([_face_tile(f) for f in frames],
               [f"frame{i + 1}  {f.shape[1]}x{f.shape[0]}" for i, f in enumerate(frames)], per_row)
    sheet.heading("Hand styles 0-17 at 10:08:36 on frame1")
    names = ["mala/srednia/duza"] + [f"mala{i}/srednia{i}/duza{i}" for i in range(1, 18)]
    sheet.grid([_face_tile(frames[0], h) for h in hands],
               [f"style {i}: {n}" for i, n in enumerate(names)], per_row)
    sheet.heading("Small pictures (zoomed)")
    sheet.row([
        (_on_grey(_zoom(pics["strip"], 4)), "strip x4"),
        (_zoom(pics["stripe"], 4), "stripe x4"),
        (_zoom(pics["black_close"], 6), "black_close x6"),
        (_zoom(pics["red_close"], 6), "red_close x6"),
        (_zoom(pics["screen_mini"], 4), "screen_mini x4"),
        (_zoom(pics["screen_marker"], 6), "screen_marker x6"),
    ])
    sheet.row([(_zoom(pics["clock_images"], 4), "clock_images x4 (magenta = mask)"),
               (_zoom(pics["panel_images"], 4), "panel_images x4")]
              + [(_icon_on_grey(i), f"MAINICON {i.shape[0]}") for i in icons])
    sheet.row([(_zoom(pics["frame_samples"][:, :640], 2), "frame_samples 0-9 x2")])
    sheet.row([(_zoom(pics["frame_samples"][:, 640:], 2), "frame_samples 10-18 x2")])
    sheet.row([(_zoom(pics["hand_samples"][:, :360], 2), "hand_samples 0-8 x2")])
    sheet.row([(_zoom(pics["hand_samples"][:, 360:], 2), "hand_samples 9-17 x2")])
    sheet.row([(pics["banner"], "banner 729x34")])
    return sheet.image()


def recolour_sheet(frame, strip, stripe, frame_name):
    per_row = 5
    sheet = Sheet(GAP + per_row * (TILE + GAP))
    sheet.heading(f"{frame_name} under the 19 frame colour rules (with strip and stripe)")
    tiles = []
    for rule in range(19):
        tile = _face_tile(frame, rule=rule)
        s = _on_grey(apply_rule(strip, rule))
        tile[240 - 19:240 - 2, 240 - 53:240 - 2] = s
        st = apply_rule(stripe, rule, keep_white=False)
        tile[2:8, 2:122] = st
        tiles.append(tile)
    sheet.grid(tiles, [f"rule {r}" for r in range(19)], per_row)
    return sheet.image()
