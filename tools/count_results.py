"""Adds up the JUnit-style XML results of one test run and prints "N passed, N failed".

Each expected suite (build:name or name) must have left its XML file; a missing file counts as one
failure, so a test program that crashed before writing its report cannot pass unnoticed. With
--slowest N, the N slowest tests of all the suites are listed first (on stderr, as the counts).
"""
import argparse
import sys
import xml.etree.ElementTree as ET
from pathlib import Path


def cases(path):
    for case in ET.parse(path).getroot().iter("testcase"):
        if case.find("failure") is not None or case.find("error") is not None:
            outcome = "failed"
        elif case.get("result") == "skipped" or case.find("skipped") is not None or case.get("status") == "notrun":
            outcome = "skipped"
        else:
            outcome = "passed"
        yield outcome, float(case.get("time") or 0), f"{case.get('classname')}.{case.get('name')}"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--slowest", type=int, default=0)
    parser.add_argument("folder", type=Path)
    parser.add_argument("suites", nargs="+")
    args = parser.parse_args()
    totals = {"passed": 0, "failed": 0, "skipped": 0}
    timed = []
    for suite in args.suites:
        name = suite.split(":")[-1]
        path = args.folder / f"{name}.xml"
        if not path.exists():
            print(f"missing results of {name}", file=sys.stderr)
            totals["failed"] += 1
            continue
        counts = {"passed": 0, "failed": 0, "skipped": 0}
        for outcome, seconds, test in cases(path):
            counts[outcome] += 1
            timed.append((seconds, f"{name}: {test}"))
        print(f"{name}: {counts['passed']} passed, {counts['failed']} failed, {counts['skipped']} skipped",
              file=sys.stderr)
        for key in totals:
            totals[key] += counts[key]
    if args.slowest:
        print(f"the {args.slowest} slowest tests:", file=sys.stderr)
        for seconds, test in sorted(timed, reverse=True)[:args.slowest]:
            print(f"  {seconds:7.2f} s  {test}", file=sys.stderr)
    line = f"{totals['passed']} passed, {totals['failed']} failed"
    if totals["skipped"]:
        line += f", {totals['skipped']} skipped"
    print(line)


if __name__ == "__main__":
    main()
