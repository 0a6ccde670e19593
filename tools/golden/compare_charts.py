#!/usr/bin/env python3
"""Compares two files of charts, one JSON value a line: texts, integers, booleans, nulls and
the order of keys exactly, other numbers within a tolerance (another system's sin and cos may
differ from glibc's in the last bits). Usage: compare_charts.py EXPECTED ACTUAL [TOLERANCE]"""
import json
import sys


def differences(expected, actual, where, found):
    if isinstance(expected, float) or isinstance(actual, float):
        if not isinstance(expected, (int, float)) or not isinstance(actual, (int, float)) \
                or isinstance(expected, bool) or isinstance(actual, bool) \
                or abs(expected - actual) > TOLERANCE * max(1.0, abs(expected)):
            found.append(f"{where}: {expected!r} != {actual!r}")
        return
    if type(expected) is not type(actual):
        found.append(f"{where}: {expected!r} != {actual!r}")
    elif isinstance(expected, list):
        if len(expected) != len(actual):
            found.append(f"{where}: {len(expected)} items != {len(actual)}")
            return
        for i, (e, a) in enumerate(zip(expected, actual)):
            differences(e, a, f"{where}[{i}]", found)
    elif isinstance(expected, tuple):  # an object, as its (key, value) pairs in order
        keys = [k for k, _ in expected], [k for k, _ in actual]
        if keys[0] != keys[1]:
            found.append(f"{where}: keys {keys[0]} != {keys[1]}")
            return
        for (k, e), (_, a) in zip(expected, actual):
            differences(e, a, f"{where}.{k}", found)
    elif expected != actual:
        found.append(f"{where}: {expected!r} != {actual!r}")


def read(path):
    with open(path, "rb") as f:
        return f.read().split(b"\n")


TOLERANCE = float(sys.argv[3]) if len(sys.argv) > 3 else 1e-9
expected_lines, actual_lines = read(sys.argv[1]), read(sys.argv[2])
found = []
if len(expected_lines) != len(actual_lines):
    found.append(f"{len(expected_lines)} lines != {len(actual_lines)}")
exact = 0
for number, (e, a) in enumerate(zip(expected_lines, actual_lines), 1):
    if e == a:
        exact += 1
        continue
    pairs = lambda text: json.loads(text, object_pairs_hook=tuple)
    try:
        differences(pairs(e), pairs(a), f"line {number}", found)
    except ValueError as error:
        found.append(f"line {number}: not JSON ({error})")
if found:
    print("\n".join(found[:40]))
    print(f"charts: {len(found)} differences")
    sys.exit(1)
lines = len([line for line in expected_lines if line])
print(f"charts: {lines} equal ({exact - (len(expected_lines) - lines)} byte for byte, the rest "
      f"within {TOLERANCE:g})")
