"""Builds every generated picture into one folder and checks the properties the program relies on.

Nothing here is random except the hammered frame, whose dimples come from a fixed seed, so two
runs write byte-identical files.
"""
import hashlib
import multiprocessing
import os

import numpy as np

from . import frames_ornate, frames_plain, hands, icons, samples, sheets, small
from .bmpio import bmp_bytes, ico_bytes, png_bytes
from .metal import BLUE_LEVELS, Ring, render

FRAME_RECIPES = frames_plain.RECIPES + frames_ornate.RECIPES
SIZE_237 = {27, 28, 29, 36, 37, 39}
SIZE_236 = {31, 32, 35}
# The subfolder of the compressed forms the program carries (the .rc embeds them from there).
PACKED = "packed"


def frame_size(n):
    if n in SIZE_237:
        return 238, 237
    if n in SIZE_236:
        return 238, 236
    return 240, 240


def frame_picture(n):
    """Frame n (1..40) as an RGB array of its own size."""
    w, h = frame_size(n)
    outer = 117.0 if (w, h) == (240, 240) else (115.0 if h == 237 else 114.0)
    ring = Ring(w, h, outer=outer)
    FRAME_RECIPES[n - 1](ring)
    pic = render(ring)
    check_frame(n, pic)
    return pic


def check_frame(n, pic):
    h, w = pic.shape[:2]
    white = np.all(pic == 255, axis=-1)
    if (w, h) != frame_size(n):
        raise AssertionError(f"frame{n}: size {w}x{h}")
    if not (white[0].all() and white[-1].all() and white[:, 0].all() and white[:, -1].all()):
        raise AssertionError(f"frame{n}: ring touches the picture edge")
    if not white[120, 120]:
        raise AssertionError(f"frame{n}: centre not white")
    check_gold(f"frame{n}", pic[~white])
    # Every direction from the centre crosses the ring from about radius 97 to the edge.
    for ang in np.linspace(0, 2 * np.pi, 72, endpoint=False):
        for rad in (99.0, 103.0):
            x = int(round(120 + rad * np.sin(ang)))
            y = int(round(120 - rad * np.cos(ang)))
            if white[y, x]:
                raise AssertionError(f"frame{n}: hole in the ring at ({x}, {y})")


def check_gold(name, metal):
    """The tones every colour rule is designed for: red 128 and up, blue on the level ladder."""
    if metal.size == 0 or metal[:, 0].min() < 128:
        raise AssertionError(f"{name}: red below 128")
    if not np.isin(metal[:, 2], BLUE_LEVELS.astype(np.uint8)).all():
        raise AssertionError(f"{name}: blue off the level ladder")


def check_strip(pic):
    white = np.all(pic == 255, axis=-1)
    if pic.shape[:2] != (17, 51) or not white[:, 34].all():
        raise AssertionError("strip: column 34 must be white")
    if white[:, :34].any() or white[:, 35:].any():
        raise AssertionError("strip: buttons must have no white pixel")


def all_frames(workers):
    """The forty frames, rendered on up to `workers` processes (each frame on its own, so the
    result does not depend on the split)."""
    if workers > 1:
        with multiprocessing.get_context("fork").Pool(workers) as pool:
            return pool.map(frame_picture, range(1, 41), chunksize=1)
    return [frame_picture(n) for n in range(1, 41)]


def build_pictures(workers=1):
    """All bitmap resources by name, plus the inputs of the sheets."""
    pics = {"plotno": np.full((240, 240, 3), 255, dtype=np.uint8)}
    frames = all_frames(workers)
    for n, pic in enumerate(frames, 1):
        pics[f"frame{n}"] = pic
    styles = []
    for n in range(18):
        trio = [h.rgb() for h in hands.build_style(n)]
        styles.append(trio)
        for name, rgb in zip(hands.resource_names(n), trio):
            pics[name] = rgb
    pics["black_close"] = small.close_glyph((0, 0, 0))
    pics["red_close"] = small.close_glyph((255, 0, 0))
    pics["strip"] = small.strip()
    check_strip(pics["strip"])
    check_gold("strip", pics["strip"][~np.all(pics["strip"] == 255, axis=-1)])
    pics["stripe"] = small.stripe()
    check_gold("stripe", pics["stripe"].reshape(-1, 3))
    pics["clock_images"] = icons.clock_images()
    pics["panel_images"] = icons.panel_images()
    pics["frame_samples"] = samples.frame_samples()
    pics["hand_samples"] = samples.hand_samples(styles)
    pics["banner"] = small.banner()
    pics["screen_mini"] = small.screen_mini()
    pics["screen_marker"] = small.screen_marker()
    return pics, frames, styles


def write_all(out_dir, sheets_too=True, workers=2):
    os.makedirs(out_dir, exist_ok=True)
    pics, frames, styles = build_pictures(workers)
    written = []

    def put(name, data):
        with open(os.path.join(out_dir, name), "wb") as f:
            f.write(data)
        written.append((name, hashlib.sha256(data).hexdigest()))

    os.makedirs(os.path.join(out_dir, PACKED), exist_ok=True)
    for name in sorted(pics):
        put(name + ".bmp", bmp_bytes(pics[name]))
        put(f"{PACKED}/{name}.png", png_bytes(pics[name]))
    app = [icons.app_icon(s) for s in icons.ICON_SIZES]
    put("MAINICON.ico", ico_bytes(app))
    if sheets_too:
        import io
        for name, im in (
            ("contact-sheet.png", sheets.contact_sheet(frames, styles, pics, app)),
            ("contact-sheet-recolour.png",
             sheets.recolour_sheet(frames[14], pics["strip"], pics["stripe"], "frame15")),
        ):
            buf = io.BytesIO()
            im.save(buf, format="PNG", optimize=False, compress_level=6)
            put(name, buf.getvalue())
    stamp = "".join(f"{digest}  {name}\n" for name, digest in written)
    with open(os.path.join(out_dir, "bitmaps.stamp"), "w") as f:
        f.write(stamp)
    return written
