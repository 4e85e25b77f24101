#!/usr/bin/env python3
"""Replays every fuzz target's committed corpus once, without fuzzing, so that a finding once
fixed stays fixed: each input of fuzz/corpus/<target> runs through build/fuzz/<target>_fuzz.

Writes one JUnit test case per target (failed with the end of the target's output when any
input crashes, hangs or breaks a promise) for the test run's count, and exits 1 on a failure.

  fuzz/replay.py BUILD_DIR --junit FILE
"""
import argparse
import subprocess
import sys
import time
from pathlib import Path
from xml.sax.saxutils import escape, quoteattr

ROOT = Path(__file__).resolve().parent.parent
# More than any input needs; a hang is a finding like any other.
OPTIONS = ["-timeout=10", "-rss_limit_mb=2048"]


def replay(program, inputs):
    """(passed, seconds, output tail) of one target over its inputs."""
    start = time.monotonic()
    try:
        run = subprocess.run([str(program), *OPTIONS, *map(str, inputs)], stdout=subprocess.PIPE,
                             stderr=subprocess.STDOUT, text=True, errors="replace", timeout=600)
        passed, output = run.returncode == 0, run.stdout
    except subprocess.TimeoutExpired as expired:
        passed, output = False, f"no end after {expired.timeout} s"
    return passed, time.monotonic() - start, "\n".join(output.splitlines()[-40:])


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build", type=Path)
    parser.add_argument("--junit", type=Path, required=True)
    args = parser.parse_args()
    cases = []
    for source in sorted((ROOT / "fuzz").glob("*_fuzz.cpp")):
        target = source.stem[: -len("_fuzz")]
        program = args.build / source.stem
        inputs = sorted(p for p in (ROOT / "fuzz" / "corpus" / target).glob("*") if p.is_file())
        if not program.exists():
            passed, seconds, tail = False, 0.0, f"{program} was not built"
        elif not inputs:
            passed, seconds, tail = False, 0.0, f"fuzz/corpus/{target} holds no input"
        else:
            passed, seconds, tail = replay(program, inputs)
        print(f"{target}: {len(inputs)} inputs, {'passed' if passed else 'FAILED'} ({seconds:.1f} s)")
        if not passed:
            print(tail)
        failure = "" if passed else f'<failure message="an input of the corpus fails">{escape(tail)}</failure>'
        cases.append(f'<testcase classname="FuzzCorpus" name={quoteattr(target)} time="{seconds:.3f}">'
                     f"{failure}</testcase>")
    failures = sum("<failure" in case for case in cases)
    args.junit.parent.mkdir(parents=True, exist_ok=True)
    args.junit.write_text('<?xml version="1.0" encoding="UTF-8"?>\n<testsuites><testsuite name="fuzz_corpora" '
                          f'tests="{len(cases)}" failures="{failures}">{"".join(cases)}</testsuite></testsuites>\n',
                          encoding="utf-8")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
