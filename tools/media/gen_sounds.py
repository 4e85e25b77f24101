#!/usr/bin/python3
"""Generates every WAVE recording the program carries as a resource.

    /usr/bin/python3 tools/media/gen_sounds.py --out DIR

Writes into DIR the spoken words of the time announcement in a male and a
female voice (flite), the twelve full-hour chimes, the three power-off
warnings and the looping reminder sound as 16-bit PCM, the same recordings
in IMA ADPCM at twice their rate under DIR/packed (the form the program
carries), then
"sounds.stamp" last, listing each file with its SHA-256, so a build can
depend on the stamp alone. The output is the same, byte for byte, on every
run with the same flite.
Files in DIR that are not ours are left alone.
"""

import sys

sys.dont_write_bytecode = True  # keep the source tree free of __pycache__

import argparse  # noqa: E402
import hashlib  # noqa: E402
import os  # noqa: E402
import time  # noqa: E402

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from audio import adpcm, alerts, chimes, voice  # noqa: E402

STAMP_NAME = "sounds.stamp"
PACKED = "packed"


def write_stamp(out_dir, files):
    lines = []
    for file in sorted(files):
        with open(os.path.join(out_dir, file), "rb") as source:
            digest = hashlib.sha256(source.read()).hexdigest()
        lines.append(f"{digest}  {file}\n")
    temporary = os.path.join(out_dir, STAMP_NAME + ".part")
    with open(temporary, "w", encoding="ascii", newline="\n") as stamp:
        stamp.writelines(lines)
    os.replace(temporary, os.path.join(out_dir, STAMP_NAME))


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", required=True, help="output folder (created if missing)")
    parser.add_argument("--quiet", action="store_true", help="print nothing on success")
    args = parser.parse_args(argv)

    started = time.monotonic()
    os.makedirs(args.out, exist_ok=True)
    stamp = os.path.join(args.out, STAMP_NAME)
    if os.path.exists(stamp):
        os.remove(stamp)  # a failed run must not leave an old stamp looking current
    try:
        names = voice.generate(args.out)
        names += chimes.generate(args.out)
        names += alerts.generate(args.out)
        os.makedirs(os.path.join(args.out, PACKED), exist_ok=True)
        for name in names:
            adpcm.pack_wav(os.path.join(args.out, name + ".wav"),
                           os.path.join(args.out, PACKED, name + ".wav"))
    except (OSError, RuntimeError, ValueError) as error:
        print(f"gen_sounds: {error}", file=sys.stderr)
        return 1
    plain = [name + ".wav" for name in names]
    packed = [f"{PACKED}/{name}.wav" for name in names]
    write_stamp(args.out, plain + packed)
    if not args.quiet:
        def megabytes(files):
            return sum(os.path.getsize(os.path.join(args.out, f)) for f in files) / 1e6
        print(f"gen_sounds: {len(names)} recordings, {megabytes(plain):.2f} MB, "
              f"{megabytes(packed):.2f} MB packed, "
              f"{time.monotonic() - started:.1f} s -> {args.out}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
