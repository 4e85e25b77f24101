"""Spoken words for the time announcement, made with the flite speech engine.

The announcement plays these words back to back ("it's" "twenty" "five"
"past" "ten" "pm"), so every word is cut to the same short padding, faded at
both ends and brought to the same loudness. Two voices: a male one under the
plain names and a female one under the names ending in "_f".
"""

import concurrent.futures
import os
import shutil
import subprocess
import tempfile
import wave

import numpy as np

from . import dsp

NUMBER_WORDS = (
    "one", "two", "three", "four", "five", "six", "seven", "eight", "nine",
    "ten", "eleven", "twelve", "thirteen", "fourteen", "fifteen", "sixteen",
    "seventeen", "eighteen", "nineteen", "twenty",
)

# Resource name (without the voice suffix) -> text given to the engine and
# a tempo factor on top of the voice's own. "too" rather than "to": on its
# own "to" is read as a reduced "tuh"; spoken a little quicker than "two",
# as the unstressed word it is in "ten to three". "A M" / "P M" make the
# engine spell the letters out.
WORDS = (
    ("its", "it's", 1.0),
    *((f"ang_{n}", word, 1.0) for n, word in enumerate(NUMBER_WORDS, start=1)),
    ("half", "half", 1.0),
    ("past", "past", 1.0),
    ("to", "too", 0.8),
    ("am", "A M", 1.0),
    ("pm", "P M", 1.0),
)


class Voice:
    def __init__(self, suffix, flite_voice, duration_stretch, highpass_hz, loudness_db):
        self.suffix = suffix
        self.flite_voice = flite_voice
        self.duration_stretch = duration_stretch
        self.highpass_hz = highpass_hz
        self.loudness_db = loudness_db  # weighted level of the spoken part


# rms: a clear, neutral American male voice with a clean noise floor.
# slt: the American female voice. Both are slightly quickened: words spoken
# on their own come out drawn-out, and the phrase should flow. The female
# voice has a smaller peak-to-average ratio, so it takes a little more level
# before its peaks reach the same height as the male voice's.
VOICES = (
    Voice("", "rms", 0.88, 70.0, -14.0),
    Voice("_f", "slt", 0.90, 100.0, -12.5),
)

PADDING_SECONDS = 0.025       # kept before and after the spoken part
EDGE_FADE_SECONDS = 0.008     # raised-cosine fade at both ends
PEAK_LIMIT_DB = -1.5          # no word peaks above this ...
MAX_LIMITING_DB = 4.0         # ... and the limiter takes at most this much off
GATE_BELOW_PEAK_DB = -42.0    # frames this far below the loudest are "quiet"
GATE_ABOVE_NOISE_DB = 10.0    # ... unless the engine's own noise is higher


def require_flite():
    if shutil.which("flite") is None:
        raise RuntimeError("the 'flite' speech engine is not installed (Debian package flite)")


def synthesise(text, voice, work_dir, name, tempo=1.0):
    """Runs flite once and returns its samples as floats."""
    path = os.path.join(work_dir, name + ".raw.wav")
    stretch = round(voice.duration_stretch * tempo, 4)
    result = subprocess.run(
        ["flite", "-voice", voice.flite_voice,
         "--setf", f"duration_stretch={stretch}",
         "-t", text, "-o", path],
        check=False, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    if result.returncode != 0 or not os.path.exists(path):
        detail = result.stderr.decode(errors="replace").strip()
        raise RuntimeError(f"flite failed on {name!r} (voice {voice.flite_voice}): {detail}")
    with wave.open(path, "rb") as source:
        if source.getnchannels() != 1 or source.getsampwidth() != 2:
            raise RuntimeError(f"unexpected flite output format for {name}")
        rate = source.getframerate()
        samples = np.frombuffer(source.readframes(source.getnframes()), dtype="<i2")
    return samples.astype(np.float64) / 32768.0, rate


def spoken_span(x, rate):
    """First and one-past-last sample of the spoken part, found from 5 ms
    frame levels against a gate set by the loudest frame and by the engine's
    background noise (measured in its leading and trailing pauses)."""
    levels, size = dsp.frame_rms(x, rate)
    edge = max(1, int(0.04 * rate) // size)
    noise = float(np.median(np.concatenate([levels[:edge], levels[-edge:]])))
    gate = max(levels.max() * dsp.db_to_gain(GATE_BELOW_PEAK_DB),
               noise * dsp.db_to_gain(GATE_ABOVE_NOISE_DB))
    loud = np.nonzero(levels > gate)[0]
    if len(loud) == 0:
        raise RuntimeError("flite produced no audible speech")
    return loud[0] * size, (loud[-1] + 1) * size, gate


def finish_word(x, rate, voice):
    """Trims, fades and levels one raw word."""
    x = dsp.highpass(x, rate, voice.highpass_hz)
    start, end, gate = spoken_span(x, rate)
    pad = int(round(PADDING_SECONDS * rate))
    x = x[max(0, start - pad): min(len(x), end + pad)]
    # Loudness: weighted level of the frames that carry speech.
    levels, _ = dsp.frame_rms(x, rate)
    weighted, _ = dsp.frame_rms(dsp.loudness_weighted(x, rate), rate)
    active = weighted[levels > gate]
    active_rms = float(np.sqrt(np.mean(active ** 2)))
    gain = min(dsp.db_to_gain(voice.loudness_db) / active_rms,
               dsp.db_to_gain(PEAK_LIMIT_DB + MAX_LIMITING_DB) / dsp.peak(x))
    x = dsp.limit_peaks(x * gain, rate, PEAK_LIMIT_DB)
    return dsp.fade_edges(x, rate, EDGE_FADE_SECONDS, EDGE_FADE_SECONDS)


def generate(out_dir, jobs=2):
    """Writes every word in both voices; returns the names written."""
    require_flite()
    tasks = [(name + voice.suffix, text, tempo, voice)
             for voice in VOICES for name, text, tempo in WORDS]
    with tempfile.TemporaryDirectory(prefix="tikora-voice-") as work_dir:
        def make(task):
            name, text, tempo, voice = task
            raw, rate = synthesise(text, voice, work_dir, name, tempo)
            dsp.write_wav(os.path.join(out_dir, name + ".wav"),
                          finish_word(raw, rate, voice), rate)
            return name
        with concurrent.futures.ThreadPoolExecutor(max_workers=jobs) as pool:
            return list(pool.map(make, tasks))
