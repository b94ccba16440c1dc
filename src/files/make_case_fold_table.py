#!/usr/bin/env python3
"""Makes case_fold_table.inc, the table behind fold_case, from Unicode's
CaseFolding.txt (Debian's unicode-data package has it):

    python3 src/files/make_case_fold_table.py /usr/share/unicode/CaseFolding.txt

Simple case folding is the mappings of status C and S. They come in runs
that a few numbers describe: a block of capitals a fixed distance from its
small letters (A-Z, Cyrillic, Deseret), or capitals and small letters taking
turns (Latin Extended-A). One line per run keeps the table about a seventh
of the size of one line per letter.
"""
import bisect
import os
import re
import sys


def read_mappings(path):
    """The simple case folding, code point to code point, and the file's
    Unicode version."""
    version = None
    mappings = {}
    with open(path, encoding="utf-8") as lines:
        for line in lines:
            found = re.match(r"# CaseFolding-(\d+\.\d+\.\d+)\.txt", line)
            if found:
                version = found.group(1)
            fields = [field.strip() for field in line.split("#")[0].split(";")]
            if len(fields) >= 3 and fields[1] in ("C", "S"):
                mappings[int(fields[0], 16)] = int(fields[2], 16)
    if not version or not mappings:
        sys.exit(f"{path}: not a CaseFolding.txt")
    return mappings, version


def make_runs(mappings):
    """Runs [first, delta, count, step]: `count` code points from `first`,
    `step` (1 or 2) apart, each folding to itself plus `delta`. Taken in
    order, so that no run starts inside another: the lookup finds a code
    point's run as the last one that starts at or before it."""
    runs = []
    for code_point in sorted(mappings):
        delta = mappings[code_point] - code_point
        if runs:
            first, run_delta, count, step = runs[-1]
            gap = code_point - (first + (count - 1) * step)
            if run_delta == delta and (gap == step or (count == 1 and gap == 2)):
                runs[-1] = [first, delta, count + 1, gap]
                continue
        runs.append([code_point, delta, 1, 1])
    return runs


def fold(runs, starts, code_point):
    """What the C++ lookup does, to check the table against the file."""
    at = bisect.bisect_right(starts, code_point) - 1
    if at >= 0:
        first, delta, count, step = runs[at]
        offset = code_point - first
        if offset % step == 0 and offset // step < count:
            return code_point + delta
    return code_point


def check(runs, mappings):
    starts = [run[0] for run in runs]
    for first, delta, count, step in runs:
        if not (1 <= count <= 255 and step in (1, 2)):
            sys.exit(f"run at U+{first:04X} does not fit the table's fields")
    for code_point in range(0x110000):
        if fold(runs, starts, code_point) != mappings.get(code_point, code_point):
            sys.exit(f"the runs fold U+{code_point:04X} wrongly")


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make_case_fold_table.py CaseFolding.txt")
    mappings, version = read_mappings(sys.argv[1])
    runs = make_runs(mappings)
    check(runs, mappings)
    output = os.path.join(os.path.dirname(os.path.abspath(__file__)),
                          "case_fold_table.inc")
    with open(output, "w", encoding="ascii", newline="\n") as table:
        table.write(
            f"// Unicode {version} simple case folding (CaseFolding.txt, status C and S):\n"
            f"// {len(mappings)} code points in {len(runs)} runs of\n"
            "// {first, delta, count, step}. Made by make_case_fold_table.py; run it\n"
            "// again for a new Unicode version instead of editing this file.\n")
        for first, delta, count, step in runs:
            table.write(f"{{0x{first:04X}, {delta}, {count}, {step}}},\n")


if __name__ == "__main__":
    main()
