"""Writers for the picture formats of the program: 24-bit BMP (the generated pictures the tests
read), PNG (the same pictures as the program carries them) and multi-size ICO.

Pictures are handled as numpy arrays of shape (height, width, 3), dtype uint8, in R, G, B order.
"""
import io
import struct

import numpy as np
from PIL import Image


def bmp_bytes(rgb):
    """Return a 24 bpp, bottom-up BMP with a BITMAPINFOHEADER, as LoadImage/LoadBitmap expect."""
    rgb = np.asarray(rgb, dtype=np.uint8)
    if rgb.ndim != 3 or rgb.shape[2] != 3:
        raise ValueError("expected an (h, w, 3) array")
    height, width = rgb.shape[:2]
    stride = (width * 3 + 3) & ~3
    rows = np.zeros((height, stride), dtype=np.uint8)
    rows[:, : width * 3] = rgb[::-1, :, ::-1].reshape(height, width * 3)  # bottom-up, BGR
    pixels = rows.tobytes()
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    offset = 14 + len(info)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return header + info + pixels


def png_bytes(rgb):
    """Return the picture as the smaller of a true-colour PNG and, where it has at most 256
    colours, a palette PNG; either decodes to exactly the same pixels. No gamma or colour-space
    chunk is written, so no decoder has a reason to change a pixel."""
    rgb = np.asarray(rgb, dtype=np.uint8)
    forms = [Image.fromarray(rgb, "RGB")]
    packed = (rgb[..., 0].astype(np.uint32) << 16) | (rgb[..., 1].astype(np.uint32) << 8) | rgb[..., 2]
    colours, indices = np.unique(packed, return_inverse=True)
    if len(colours) <= 256:
        paletted = Image.fromarray(indices.reshape(packed.shape).astype(np.uint8), "P")
        palette = np.stack([colours >> 16, (colours >> 8) & 255, colours & 255], axis=1)
        paletted.putpalette(palette.astype(np.uint8).reshape(-1).tolist())
        forms.append(paletted)
    encoded = []
    for form in forms:
        buf = io.BytesIO()
        form.save(buf, format="PNG", optimize=True)
        encoded.append(buf.getvalue())
    return min(encoded, key=len)


def write_bmp(path, rgb):
    with open(path, "wb") as f:
        f.write(bmp_bytes(rgb))


def read_bmp(path):
    """Read back a picture written by write_bmp (24 bpp, bottom-up)."""
    data = open(path, "rb").read()
    offset = struct.unpack_from("<I", data, 10)[0]
    width, height = struct.unpack_from("<ii", data, 18)
    bpp = struct.unpack_from("<H", data, 28)[0]
    if bpp != 24 or height <= 0:
        raise ValueError(f"{path}: unsupported BMP")
    stride = (width * 3 + 3) & ~3
    rows = np.frombuffer(data, dtype=np.uint8, count=stride * height, offset=offset)
    rows = rows.reshape(height, stride)[:, : width * 3].reshape(height, width, 3)
    return rows[::-1, :, ::-1].copy()


def _icon_dib(rgba):
    """One icon image as a DIB: BITMAPINFOHEADER (double height), BGRA rows, 1 bpp AND mask."""
    size = rgba.shape[0]
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    bgra = rgba[::-1, :, [2, 1, 0, 3]].tobytes()
    mask_stride = ((size + 31) // 32) * 4
    mask = np.zeros((size, mask_stride * 8), dtype=np.uint8)
    mask[:, :size] = rgba[::-1, :, 3] == 0
    mask_bytes = np.packbits(mask, axis=1).tobytes()
    return info + bgra + mask_bytes


def ico_bytes(images):
    """Build an .ico from square RGBA arrays; sizes of 256 are stored as PNG."""
    entries = []
    blobs = []
    for rgba in images:
        rgba = np.asarray(rgba, dtype=np.uint8)
        size = rgba.shape[0]
        if size >= 256:
            buf = io.BytesIO()
            Image.fromarray(rgba, "RGBA").save(buf, format="PNG", optimize=False, compress_level=9)
            blob = buf.getvalue()
        else:
            blob = _icon_dib(rgba)
        entries.append(size)
        blobs.append(blob)
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, blob in zip(entries, blobs):
        dim = 0 if size >= 256 else size
        out += struct.pack("<BBBBHHII", dim, dim, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
    return out + b"".join(blobs)
