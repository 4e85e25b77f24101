"""Warning sounds of the power-off timer and the looping reminder sound.

The three warnings ("shutdown", "shutdown1", "shutdown2") repeat every
third second during the last minute before the computer is shut down, so
they are short, sustained electronic tones, unlike the ringing instruments
of the chimes: a triple beep, a two-tone "dee-dah" and a rising sweep.

The reminder sound ("powiadomienie") is played looped until the reminder is
closed. The file holds two identical cycles of a bright three-note call;
each note dies away inside its cycle and the file starts and ends on exact
silence, so the loop point joins without a click.
"""

import os

import numpy as np

from . import dsp
from . import instruments as ins

RATE = dsp.MUSIC_RATE
WARNING_LOUDNESS_DB = -13.0
REMINDER_LOUDNESS_DB = -17.0


def soft_square(phase, harmonics):
    """Band-limited square-like wave from its odd harmonics (1, 1/3, 1/5,
    ...) rolled off a little, so it is penetrating but not harsh."""
    y = np.zeros(len(phase))
    for index in range(harmonics):
        k = 2 * index + 1
        y += np.sin(k * phase) / (k ** 1.3)
    return y


def tone(freq, seconds, harmonics=4, edge=0.008):
    """Steady tone with short raised-cosine edges."""
    t = dsp.timeline(seconds, RATE)
    return dsp.fade_edges(soft_square(2 * np.pi * freq * t, harmonics), RATE, edge, edge)


def sweep(start_hz, end_hz, seconds, harmonics=4, edge=0.012):
    """Tone gliding exponentially from `start_hz` to `end_hz`."""
    t = dsp.timeline(seconds, RATE)
    freq = start_hz * (end_hz / start_hz) ** (t / seconds)
    phase = 2 * np.pi * np.cumsum(freq) / RATE
    top = max(start_hz, end_hz)
    usable = max(1, min(harmonics, int((0.45 * RATE / top + 1) // 2)))
    return dsp.fade_edges(soft_square(phase, usable), RATE, edge, edge)


def triple_beep():
    """shutdown: beep-beep-beep at 1 kHz."""
    track = ins.Track(0.62, RATE)
    for index in range(3):
        track.add(0.02 + 0.19 * index, tone(1000.0, 0.12))
    return track.samples


def two_tone():
    """shutdown1: high-low "dee-dah", twice."""
    track = ins.Track(1.02, RATE)
    for repeat in range(2):
        base = 0.02 + 0.5 * repeat
        track.add(base, tone(960.0, 0.22, harmonics=3, edge=0.012))
        track.add(base + 0.24, tone(720.0, 0.22, harmonics=3, edge=0.012))
    return track.samples


def rising_sweep():
    """shutdown2: two quick rising "whoop" sweeps."""
    track = ins.Track(1.12, RATE)
    for repeat in range(2):
        track.add(0.02 + 0.55 * repeat, sweep(420.0, 1250.0, 0.5))
    return track.samples


WARNINGS = (
    ("shutdown", triple_beep),
    ("shutdown1", two_tone),
    ("shutdown2", rising_sweep),
)

REMINDER_CYCLES = 2
REMINDER_CYCLE_SECONDS = 1.2


def reminder_cycle():
    """One cycle: three bright notes climbing a major triad (with a soft
    octave below for body), then a rest. Every note has faded far below
    hearing by the end of the cycle."""
    track = ins.Track(REMINDER_CYCLE_SECONDS, RATE)
    ring = REMINDER_CYCLE_SECONDS - 0.01
    for index, note in enumerate(("E6", "G#6", "B6")):
        start = 0.003 + 0.14 * index
        track.play(ins.glockenspiel, note, start, ring, damping=4.5)
        track.play(ins.marimba, ins.hz(note) / 2, start, ring, gain=0.5)
    track.play(ins.glockenspiel, "E7", 0.423, ring - 0.42, gain=0.6, damping=4.5)
    return track.samples


def reminder():
    cycle = reminder_cycle()
    return np.tile(cycle, REMINDER_CYCLES)


def generate(out_dir):
    names = []
    for name, recipe in WARNINGS:
        x = dsp.master(recipe(), RATE, WARNING_LOUDNESS_DB, fade_out=0.01)
        dsp.write_wav(os.path.join(out_dir, name + ".wav"), x, RATE)
        names.append(name)
    loop = dsp.master(reminder(), RATE, REMINDER_LOUDNESS_DB, fade_in=0.001, fade_out=0.02)
    dsp.write_wav(os.path.join(out_dir, "powiadomienie.wav"), loop, RATE)
    names.append("powiadomienie")
    return names

