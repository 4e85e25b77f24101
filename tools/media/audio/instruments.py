"""Synthetic instruments for the chimes and alerts.

Each instrument turns (frequency, length) into a float signal that starts at
exactly zero. Struck instruments are sums of decaying sine partials whose
frequency ratios follow the physics of the thing struck: bars and tubes have
inharmonic partials, bells a minor-third "tierce" and a hum note below the
strike tone, a plucked string nearly harmonic ones.
"""

import math

import numpy as np

from . import dsp


def midi_hz(note):
    """Equal-tempered frequency of a MIDI note number (A4 = 69 = 440 Hz)."""
    return 440.0 * 2.0 ** ((note - 69) / 12.0)


NOTE_NAMES = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}


def hz(name):
    """Frequency of a note written like "C5", "F#4" or "Bb3"."""
    pitch = NOTE_NAMES[name[0]]
    rest = name[1:]
    while rest and rest[0] in "#b":
        pitch += 1 if rest[0] == "#" else -1
        rest = rest[1:]
    return midi_hz(12 * (int(rest) + 1) + pitch)


def attack_ramp(length_seconds, total, rate):
    n = min(total, max(1, int(round(length_seconds * rate))))
    ramp = np.ones(total)
    ramp[:n] = dsp.raised_cosine(n)
    return ramp


def struck(freq, partials, seconds, rate, attack=0.002):
    """Sum of sine partials, each (ratio, amplitude, decay time in seconds
    for a fall of 1/e, beat in Hz). A partial with a beat is split into two
    sines that far apart, which gives the slow shimmer of a real bell.
    Partials above 90 % of the Nyquist frequency are left out."""
    t = dsp.timeline(seconds, rate)
    y = np.zeros(len(t))
    for ratio, amplitude, decay, *beat in partials:
        f = freq * ratio
        if f >= 0.45 * rate:
            continue
        envelope = amplitude * np.exp(-t / decay)
        if beat and beat[0]:
            half = beat[0] / 2.0
            tone = 0.5 * (np.sin(2 * np.pi * (f - half) * t) + np.sin(2 * np.pi * (f + half) * t))
        else:
            tone = np.sin(2 * np.pi * f * t)
        y += envelope * tone
    return y * attack_ramp(attack, len(t), rate)


def church_bell(freq, seconds, rate):
    """Tuned church bell; `freq` is the strike note (the "prime")."""
    return struck(freq, (
        (0.5, 0.55, 1.60, 0.7),     # hum
        (1.0, 0.80, 1.00, 1.1),     # prime
        (1.183, 0.45, 0.75, 0.9),   # tierce, the minor third
        (1.506, 0.25, 0.55),        # quint
        (2.0, 0.70, 0.50, 1.5),     # nominal
        (2.514, 0.22, 0.30),
        (2.662, 0.18, 0.26),
        (3.011, 0.14, 0.20),
        (4.166, 0.08, 0.12),
        (5.433, 0.05, 0.08),
    ), seconds, rate, attack=0.003)


def tubular_bell(freq, seconds, rate):
    """Orchestral tubular bell: bright strike with a long, clean ring."""
    return struck(freq, (
        (1.0, 1.00, 0.90, 0.6),
        (2.0, 0.45, 0.60),
        (2.756, 0.35, 0.45),
        (3.0, 0.25, 0.40),
        (4.07, 0.18, 0.25),
        (5.404, 0.10, 0.15),
        (6.9, 0.05, 0.08),
    ), seconds, rate, attack=0.002)


def marimba(freq, seconds, rate):
    """Wooden bar tuned so its overtones sit two octaves and a bit above."""
    return struck(freq, (
        (1.0, 1.00, 0.38),
        (3.93, 0.30, 0.09),
        (9.2, 0.08, 0.03),
    ), seconds, rate, attack=0.0015)


def glockenspiel(freq, seconds, rate, damping=1.0):
    """Steel bar: bright, glassy, inharmonic partials of a free bar.
    `damping` above 1 shortens the ring (a bar muted by a soft pad)."""
    return struck(freq, (
        (1.0, 1.00, 1.10 / damping),
        (2.76, 0.40, 0.30 / damping),
        (5.40, 0.18, 0.12 / damping),
        (8.93, 0.07, 0.05 / damping),
    ), seconds, rate, attack=0.001)


def vibraphone(freq, seconds, rate, tremolo_hz=0.0):
    """Metal bar with resonator; optional motor tremolo."""
    y = struck(freq, (
        (1.0, 1.00, 1.20),
        (4.0, 0.22, 0.25),
        (10.0, 0.04, 0.06),
    ), seconds, rate, attack=0.002)
    if tremolo_hz:
        t = dsp.timeline(seconds, rate)
        y *= 1.0 - 0.28 * (0.5 - 0.5 * np.cos(2 * np.pi * tremolo_hz * t))
    return y


def music_box(freq, seconds, rate):
    """Steel comb tooth plucked by a pin (cantilever partials)."""
    return struck(freq, (
        (1.0, 1.00, 0.80),
        (2.0, 0.10, 0.25),
        (6.27, 0.12, 0.10),
        (17.55, 0.03, 0.03),
    ), seconds, rate, attack=0.0008)


def wind_chime_tube(freq, seconds, rate):
    """Aluminium tube hung free: free-free bar partials, long ring."""
    return struck(freq, (
        (1.0, 1.00, 1.30, 0.5),
        (2.756, 0.50, 0.60),
        (5.404, 0.20, 0.25),
        (8.933, 0.06, 0.10),
    ), seconds, rate, attack=0.001)


def singing_bowl(freq, seconds, rate):
    """Struck bowl: few partials, each a beating pair, soft felt attack."""
    return struck(freq, (
        (1.0, 1.00, 1.80, 1.3),
        (2.71, 0.45, 1.10, 2.1),
        (5.15, 0.16, 0.50, 3.0),
        (8.43, 0.05, 0.25),
    ), seconds, rate, attack=0.012)


def gong(freq, seconds, rate):
    """Soft tam-tam stroke: many close inharmonic partials; the upper ones
    bloom a little after the stroke, as on a real gong."""
    ratios = (1.0, 1.47, 2.09, 2.56, 2.83, 3.14, 3.76, 4.42, 5.06, 5.71)
    t = dsp.timeline(seconds, rate)
    y = np.zeros(len(t))
    for index, ratio in enumerate(ratios):
        amplitude = 1.0 / (1.0 + 0.55 * index)
        decay = 1.9 / (1.0 + 0.25 * index)
        bloom = 1.0 - np.exp(-t / (0.015 + 0.02 * index))
        beat = 0.4 + 0.23 * index
        f = freq * ratio
        tone = 0.5 * (np.sin(2 * np.pi * (f - beat / 2) * t) + np.sin(2 * np.pi * (f + beat / 2) * t))
        y += amplitude * np.exp(-t / decay) * bloom * tone
    return y * attack_ramp(0.02, len(t), rate)


def harp(freq, seconds, rate, pluck_point=0.28):
    """Plucked string: harmonics weighted by the pluck point, the higher
    ones dying sooner, with a touch of stiffness (inharmonicity)."""
    t = dsp.timeline(seconds, rate)
    y = np.zeros(len(t))
    for k in range(1, 14):
        f = k * freq * math.sqrt(1.0 + 0.0003 * k * k)
        if f >= 0.45 * rate:
            break
        amplitude = abs(math.sin(k * math.pi * pluck_point)) / k ** 1.4
        decay = 1.2 / (1.0 + 0.5 * (k - 1))
        y += amplitude * np.exp(-t / decay) * np.sin(2 * np.pi * f * t)
    return y * attack_ramp(0.003, len(t), rate)


def fm_bell(freq, seconds, rate, ratio=3.5, index=3.0):
    """Two-operator FM: a modulator at a non-integer ratio gives a bell
    timbre that mellows as the modulation index decays."""
    t = dsp.timeline(seconds, rate)
    depth = index * np.exp(-t / 0.35)
    y = np.sin(2 * np.pi * freq * t + depth * np.sin(2 * np.pi * freq * ratio * t))
    return y * np.exp(-t / 0.9) * attack_ramp(0.002, len(t), rate)


def pipe(freq, seconds, rate, attack=0.03, release=0.06):
    """Soft wooden pipe (as in a cuckoo clock): a nearly pure tone with a
    little second harmonic and breath-like onset."""
    t = dsp.timeline(seconds, rate)
    y = np.sin(2 * np.pi * freq * t) + 0.12 * np.sin(4 * np.pi * freq * t) \
        + 0.04 * np.sin(6 * np.pi * freq * t)
    envelope = attack_ramp(attack, len(t), rate)
    n_release = min(len(t), int(round(release * rate)))
    envelope[len(t) - n_release:] *= dsp.raised_cosine(n_release)[::-1]
    return y * envelope


class Track:
    """A fixed-length buffer that notes are mixed into."""

    def __init__(self, seconds, rate):
        self.rate = rate
        self.samples = np.zeros(int(round(seconds * rate)))

    def add(self, start_seconds, signal, gain=1.0):
        """Mixes `signal` in at `start_seconds`. Its last 60 ms (or last
        quarter, if shorter) are faded, so a note cut off while it still
        rings does not end in a click."""
        release = min(len(signal) // 4, int(round(0.06 * self.rate)))
        signal = signal.copy()
        if release > 0:
            signal[len(signal) - release:] *= dsp.raised_cosine(release)[::-1]
        start = int(round(start_seconds * self.rate))
        if start >= len(self.samples):
            return
        end = min(len(self.samples), start + len(signal))
        self.samples[start:end] += gain * signal[: end - start]

    def play(self, instrument, note, start_seconds, ring_seconds, gain=1.0, **options):
        freq = hz(note) if isinstance(note, str) else note
        self.add(start_seconds, instrument(freq, ring_seconds, self.rate, **options), gain)
