#!/usr/bin/env python3
"""Checks that Talve's result and the pandas reference hold the same rows and the
same values to the written decimals.
usage: compare.py TALVE_RESULT PANDAS_RESULT
Talve: title row, then "dd/mm/yyyy hh:nn:ss;v1;...;vk;nb" (Windows-1252, CR LF).
pandas: header, then "dd/mm/yyyy hh:nn:ss;v1;...;vk". Missing values are "#N/A" in both."""
import sys

def rows(path, drop_last):
    out = []
    with open(path, encoding="cp1252", newline="") as f:
        lines = f.read().replace("\r\n", "\n").split("\n")
    for line in lines[1:]:
        if not line:
            continue
        cells = [c.strip() for c in line.split(";")]
        if drop_last:
            cells = cells[:-1]
        out.append(cells)
    return out

talve, pandas = rows(sys.argv[1], True), rows(sys.argv[2], False)
problems = 0
if len(talve) != len(pandas):
    print(f"row counts differ: talve {len(talve)}, pandas {len(pandas)}")
    problems += 1
ties = 0
for i, (a, b) in enumerate(zip(talve, pandas)):
    if a[0] != b[0] or len(a) != len(b):
        print(f"row {i + 1}: {a[:2]} / {b[:2]}")
        problems += 1
        continue
    for x, y in zip(a[1:], b[1:]):
        if x == y:
            continue
        if "#N/A" in (x, y):
            problems += 1
            print(f"row {i + 1} {a[0]}: {x} / {y}")
            continue
        # Two sums of the same values in another order may fall on either side
        # of a rounding tie: one unit of the last written decimal apart at most.
        if abs(float(x) - float(y)) <= 0.0100001:
            ties += 1
        else:
            problems += 1
            print(f"row {i + 1} {a[0]}: {x} / {y}")
    if problems > 20:
        break
values = sum(len(r) - 1 for r in talve)
print(f"{len(talve)} rows, {values} values compared, {ties} rounding ties, {problems} differences")
sys.exit(1 if problems else 0)
