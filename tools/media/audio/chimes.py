"""The twelve full-hour chimes, "dzwiek1" to "dzwiek12".

Each is a short phrase (1 to 3 seconds) for a different instrument, so the
user can tell them apart in the preview: tubular bells playing the opening
of the Westminster quarters, church bells, marimba, glockenspiel, a soft
gong, a two-tone doorbell, a music box, wind chimes, an FM electric bell,
a harp, a singing bowl and a cuckoo clock. All are mixed in a small
synthetic room and faded to silence at the end.
"""

import os

import numpy as np

from . import dsp
from . import instruments as ins

RATE = dsp.MUSIC_RATE
LOUDNESS_DB = -17.0


def westminster():
    """Tubular bells: the four-note opening of the Westminster quarters."""
    track = ins.Track(2.9, RATE)
    for index, note in enumerate(("G#5", "F#5", "E5", "B4")):
        track.play(ins.tubular_bell, note, 0.42 * index, 2.9, gain=1.0 if index < 3 else 1.15)
    return track, dict(fade_out=0.6, room_seconds=1.2, wet=0.22)


def church_bells():
    """Two church bells, the higher answered by the lower a fourth below."""
    track = ins.Track(2.9, RATE)
    track.play(ins.church_bell, "A4", 0.0, 2.9)
    track.play(ins.church_bell, "E4", 0.85, 2.9, gain=1.1)
    return track, dict(fade_out=0.7, room_seconds=1.4, wet=0.25)


def marimba_arpeggio():
    """Marimba: a rising C major arpeggio and a closing chord."""
    track = ins.Track(1.9, RATE)
    for index, note in enumerate(("C5", "E5", "G5", "C6", "E6")):
        track.play(ins.marimba, note, 0.11 * index, 1.8, gain=0.9)
    for note in ("C5", "G5", "E6"):
        track.play(ins.marimba, note, 0.72, 1.18, gain=0.75)
    return track, dict(fade_out=0.35, room_seconds=0.7, wet=0.15)


def glockenspiel_call():
    """Glockenspiel: three bright notes climbing to the top C."""
    track = ins.Track(2.3, RATE)
    for index, note in enumerate(("E6", "G6", "C7")):
        track.play(ins.glockenspiel, note, 0.18 * index, 2.3)
    track.play(ins.glockenspiel, "G6", 0.72, 2.3, gain=0.55)
    track.play(ins.glockenspiel, "C7", 0.72, 2.3, gain=0.7)
    return track, dict(fade_out=0.5, room_seconds=0.9, wet=0.18)


def soft_gong():
    """A single soft gong stroke that blooms and dies away."""
    track = ins.Track(3.0, RATE)
    track.play(ins.gong, "E3", 0.0, 3.0)
    return track, dict(fade_out=1.0, room_seconds=1.3, wet=0.2)


def doorbell():
    """Two-tone doorbell: ding (E5) - dong (C5)."""
    track = ins.Track(2.2, RATE)
    track.play(ins.vibraphone, "E5", 0.0, 2.2)
    track.play(ins.vibraphone, "C5", 0.55, 2.2, gain=1.05)
    return track, dict(fade_out=0.5, room_seconds=0.8, wet=0.15)


def music_box_tune():
    """Music box: a small tune over a low C, the comb ringing on."""
    track = ins.Track(2.5, RATE)
    track.play(ins.music_box, "C5", 0.0, 2.5, gain=0.55)
    tune = (("E6", 0.0), ("G6", 0.16), ("C7", 0.32), ("B6", 0.48), ("G6", 0.64), ("C7", 0.96))
    for note, start in tune:
        track.play(ins.music_box, note, start, 2.5, gain=0.8)
    track.play(ins.music_box, "E6", 0.96, 2.5, gain=0.5)
    return track, dict(fade_out=0.5, room_seconds=0.9, wet=0.2)


def wind_chimes():
    """Wind chimes: a seeded, pentatonic flurry of tube strikes."""
    track = ins.Track(2.9, RATE)
    rng = np.random.default_rng(20240607)
    notes = ("D6", "E6", "G6", "A6", "B6", "D7")
    start = 0.0
    for _ in range(8):
        note = notes[int(rng.integers(len(notes)))]
        track.play(ins.wind_chime_tube, note, start, 2.9, gain=0.55 + 0.45 * float(rng.random()))
        start += 0.10 + 0.16 * float(rng.random())
    return track, dict(fade_out=0.8, room_seconds=1.2, wet=0.22)


def electric_bell_chord():
    """FM electric bell: a rolled G major chord."""
    track = ins.Track(2.5, RATE)
    for index, note in enumerate(("G4", "B4", "D5", "G5")):
        track.play(ins.fm_bell, note, 0.07 * index, 2.5, gain=0.8)
    return track, dict(fade_out=0.6, room_seconds=1.0, wet=0.18)


def harp_arpeggio():
    """Harp: a sweeping arpeggio over two octaves."""
    track = ins.Track(2.3, RATE)
    for index, note in enumerate(("C4", "E4", "G4", "C5", "E5", "G5", "C6")):
        track.play(ins.harp, note, 0.075 * index, 2.3, gain=0.8 if index < 6 else 1.0)
    return track, dict(fade_out=0.6, room_seconds=1.0, wet=0.2)


def singing_bowl_strike():
    """A struck singing bowl with its slow shimmering beats."""
    track = ins.Track(3.0, RATE)
    track.play(ins.singing_bowl, "G4", 0.0, 3.0)
    return track, dict(fade_out=1.0, room_seconds=1.2, wet=0.18)


def cuckoo():
    """Cuckoo clock: two calls on a pair of pipes a major third apart."""
    track = ins.Track(2.0, RATE)
    for call in (0.0, 0.75):
        track.play(ins.pipe, "A5", call, 0.17)
        track.play(ins.pipe, "F5", call + 0.21, 0.34, gain=0.95)
    return track, dict(fade_out=0.25, room_seconds=0.8, wet=0.2)


CHIMES = (
    westminster, church_bells, marimba_arpeggio, glockenspiel_call,
    soft_gong, doorbell, music_box_tune, wind_chimes,
    electric_bell_chord, harp_arpeggio, singing_bowl_strike, cuckoo,
)


def render(recipe, seed):
    track, finish = recipe()
    dry = track.samples
    wet = dsp.room(dry, RATE, finish["room_seconds"], finish["wet"], seed=seed)[: len(dry)]
    return dsp.master(wet, RATE, LOUDNESS_DB, fade_out=finish["fade_out"])


def generate(out_dir):
    names = []
    for number, recipe in enumerate(CHIMES, start=1):
        name = f"dzwiek{number}"
        dsp.write_wav(os.path.join(out_dir, name + ".wav"), render(recipe, seed=number), RATE)
        names.append(name)
    return names
