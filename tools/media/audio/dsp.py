"""Small signal-processing helpers shared by the sound generators.

Everything works on float64 numpy arrays in the range -1..1. Nothing here is
random unless a seed is passed in, so the same call always gives the same
samples and the written files are byte-identical from run to run.
"""

import math
import os
import wave

import numpy as np

SPEECH_RATE = 16000
MUSIC_RATE = 22050
FULL_SCALE = 32767


def db_to_gain(db):
    return 10.0 ** (db / 20.0)


def gain_to_db(gain):
    return 20.0 * math.log10(max(gain, 1e-12))


def timeline(seconds, rate):
    """Sample times 0, 1/rate, ... covering `seconds`."""
    return np.arange(int(round(seconds * rate)), dtype=np.float64) / rate


def silence(seconds, rate):
    return np.zeros(int(round(seconds * rate)))


def raised_cosine(length):
    """Rising half-cosine of `length` samples, exactly 0 at the first sample
    and approaching 1 at the last, used for click-free fades."""
    if length <= 0:
        return np.zeros(0)
    return 0.5 - 0.5 * np.cos(np.pi * np.arange(length) / length)


def fade_edges(x, rate, fade_in=0.005, fade_out=0.005):
    """Fades both ends so the first and the last sample are exactly zero."""
    y = x.copy()
    n_in = min(len(y), max(1, int(round(fade_in * rate))))
    n_out = min(len(y), max(1, int(round(fade_out * rate))))
    y[:n_in] *= raised_cosine(n_in)
    y[len(y) - n_out:] *= raised_cosine(n_out)[::-1]
    return y


def highpass(x, rate, corner_hz):
    """Zero-phase high-pass done in the frequency domain: removes DC offset
    and rumble below `corner_hz` with a smooth one-octave transition."""
    n = len(x)
    size = 1 << (n + n // 2 - 1).bit_length()
    spectrum = np.fft.rfft(x, size)
    freqs = np.fft.rfftfreq(size, 1.0 / rate)
    low = corner_hz / 2.0
    ramp = np.clip((freqs - low) / (corner_hz - low), 0.0, 1.0)
    response = 0.5 - 0.5 * np.cos(np.pi * ramp)
    return np.fft.irfft(spectrum * response, size)[:n]


def loudness_weighted(x, rate):
    """The signal as the ear weighs it for loudness, roughly: the lowest
    bass taken out and the presence range above about 1.5 kHz lifted by
    4 dB (the shape of the usual broadcast loudness weighting)."""
    n = len(x)
    size = 1 << (n + n // 2 - 1).bit_length()
    freqs = np.fft.rfftfreq(size, 1.0 / rate)
    lift = db_to_gain(4.0)
    ratio = (freqs / 1500.0) ** 2
    shelf = np.sqrt((1.0 + ratio * lift * lift) / (1.0 + ratio))
    bass = (freqs / 60.0) ** 2
    cut = bass / np.sqrt(1.0 + bass * bass)
    return np.fft.irfft(np.fft.rfft(x, size) * shelf * cut, size)[:n]


def convolve(x, kernel):
    """Linear convolution through the FFT; output is len(x) + len(kernel) - 1."""
    n = len(x) + len(kernel) - 1
    size = 1 << (n - 1).bit_length()
    return np.fft.irfft(np.fft.rfft(x, size) * np.fft.rfft(kernel, size), size)[:n]


def room(x, rate, seconds=0.9, wet=0.18, seed=1):
    """Adds a soft, seeded synthetic room tail (exponentially decaying
    filtered noise) behind a dry signal. The result is longer by `seconds`."""
    rng = np.random.default_rng(seed)
    t = timeline(seconds, rate)
    noise = rng.standard_normal(len(t))
    # Darken the tail: a short moving average takes the hiss off the top.
    noise = np.convolve(noise, np.ones(4) / 4.0, mode="same")
    kernel = noise * np.exp(-6.9 * t / seconds)
    kernel[: int(0.012 * rate)] = 0.0  # pre-delay keeps the attack clear
    kernel *= wet / math.sqrt(np.sum(kernel ** 2))
    out = np.concatenate([x, np.zeros(len(t))])
    tail = convolve(x, kernel)
    out[: len(tail)] += tail
    return out


def frame_rms(x, rate, frame_seconds=0.005):
    """RMS of consecutive frames (the tail shorter than a frame is dropped)."""
    size = max(1, int(round(frame_seconds * rate)))
    count = len(x) // size
    frames = x[: count * size].reshape(count, size)
    return np.sqrt(np.mean(frames ** 2, axis=1)), size


def peak(x):
    return float(np.max(np.abs(x))) if len(x) else 0.0


def normalise_peak(x, peak_db):
    p = peak(x)
    return x if p == 0.0 else x * (db_to_gain(peak_db) / p)


def limit_peaks(x, rate, ceiling_db, window_seconds=0.004):
    """Look-ahead peak limiter: no sample ends above `ceiling_db`. The gain
    follows the largest sample within `window_seconds` either side and is
    smoothed over the same span, so it moves in a few milliseconds with no
    distortion on quiet passages."""
    ceiling = db_to_gain(ceiling_db)
    half = max(1, int(round(window_seconds * rate)))
    padded = np.pad(np.abs(x), half)
    envelope = np.lib.stride_tricks.sliding_window_view(padded, 2 * half + 1).max(axis=1)
    wanted = np.minimum(1.0, ceiling / np.maximum(envelope, 1e-12))
    # Every sample within `half` of a peak already carries that peak's gain,
    # so averaging over +-half/2 keeps the gain at the peak low enough.
    smooth = max(1, half // 2)
    kernel = np.ones(2 * smooth + 1) / (2 * smooth + 1)
    gain = np.convolve(np.pad(wanted, smooth, mode="edge"), kernel, mode="valid")
    return x * gain


def fade_out_tail(x, rate, seconds):
    """Fades the last `seconds` to exact silence with a raised cosine."""
    y = x.copy()
    n = min(len(y), int(round(seconds * rate)))
    y[len(y) - n:] *= raised_cosine(n)[::-1]
    return y


def to_pcm16(x):
    """Float samples to little-endian 16-bit PCM bytes, rounding to nearest
    (no dither, so the result is reproducible)."""
    scaled = np.rint(np.asarray(x, dtype=np.float64) * FULL_SCALE)
    if np.any(np.abs(scaled) > FULL_SCALE - 1):
        raise ValueError("samples reach full scale; normalise before writing")
    return scaled.astype("<i2").tobytes()


def write_wav(path, x, rate):
    """Writes a mono 16-bit PCM WAVE file. The file appears under its final
    name only once complete, so an interrupted run never leaves half a file."""
    data = to_pcm16(x)
    temporary = path + ".part"
    try:
        with wave.open(temporary, "wb") as out:
            out.setnchannels(1)
            out.setsampwidth(2)
            out.setframerate(rate)
            out.writeframes(data)
        os.replace(temporary, path)
    finally:
        if os.path.exists(temporary):
            os.remove(temporary)


def master(x, rate, loudness_db, peak_db=-1.0, max_limiting_db=3.0,
           fade_in=0.002, fade_out=0.3):
    """Finishes a synthesised sound: fades it in and out to exact silence,
    sets its loudness (weighted level of the frames within 30 dB of the
    loudest) and keeps every sample below `peak_db`, taking at most
    `max_limiting_db` off the highest peaks with the limiter."""
    y = fade_out_tail(x, rate, fade_out)
    levels, _ = frame_rms(y, rate)
    weighted, _ = frame_rms(loudness_weighted(y, rate), rate)
    active = weighted[levels > levels.max() * db_to_gain(-30.0)]
    loudness = float(np.sqrt(np.mean(active ** 2)))
    gain = min(db_to_gain(loudness_db) / loudness,
               db_to_gain(peak_db + max_limiting_db) / peak(y))
    y = limit_peaks(y * gain, rate, peak_db)
    return fade_edges(y, rate, fade_in, 0.002)
