"""Adds up the JUnit-style XML results of one test run and prints "N passed, N failed".

Each expected suite (build:name or name) must have left its XML file; a missing file counts as one
failure, so a test program that crashed before writing its report cannot pass unnoticed.
"""
import sys
import xml.etree.ElementTree as ET
from pathlib import Path


def count(path):
    passed = failed = skipped = 0
    for case in ET.parse(path).getroot().iter("testcase"):
        if case.find("failure") is not None or case.find("error") is not None:
            failed += 1
        elif case.get("result") == "skipped" or case.find("skipped") is not None or case.get("status") == "notrun":
            skipped += 1
        else:
            passed += 1
    return passed, failed, skipped


def main():
    folder = Path(sys.argv[1])
    passed = failed = skipped = 0
    for suite in sys.argv[2:]:
        name = suite.split(":")[-1]
        path = folder / f"{name}.xml"
        if not path.exists():
            print(f"missing results of {name}", file=sys.stderr)
            failed += 1
            continue
        p, f, s = count(path)
        print(f"{name}: {p} passed, {f} failed, {s} skipped", file=sys.stderr)
        passed, failed, skipped = passed + p, failed + f, skipped + s
    line = f"{passed} passed, {failed} failed"
    if skipped:
        line += f", {skipped} skipped"
    print(line)


if __name__ == "__main__":
    main()
