#!/usr/bin/python3
"""Generate Tikora's bitmap resources, icon and review sheets.

    /usr/bin/python3 tools/media/gen_bitmaps.py --out build/media

Writes <resource name>.bmp for every bitmap the program loads by name, MAINICON.ico, two contact
sheets for review, and bitmaps.stamp (last, listing the SHA-256 of every file).
"""
import argparse
import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from bitmaps.build import write_all  # noqa: E402


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", required=True, help="output folder")
    parser.add_argument("--no-sheets", action="store_true", help="skip the review sheets")
    parser.add_argument("--jobs", type=int, default=min(2, os.cpu_count() or 1),
                        help="processes for rendering the frames (default: up to 2)")
    args = parser.parse_args()
    start = time.monotonic()
    written = write_all(args.out, sheets_too=not args.no_sheets, workers=max(1, args.jobs))
    print(f"gen_bitmaps: {len(written)} files in {args.out} ({time.monotonic() - start:.1f} s)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
