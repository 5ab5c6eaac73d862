#!/usr/bin/python3
"""Compares `quindor-cli table` and `quindor-cli easter` with independent
implementations (Debian's python3-convertdate and python3-dateutil).

Usage: scripts/check-references.py BUILD_DIR [STRIDE]
Every STRIDE-th day of the supported range is checked (default 1: all).
Prints the number of disagreements per calendar; the Republican and Muslim
calendars follow different rules from the references and are reported as a
distribution of differences, not as failures.
"""
import collections
import subprocess
import sys

from convertdate import french_republican, gregorian, hebrew, islamic, julian
from dateutil import easter

build = sys.argv[1] if len(sys.argv) > 1 else "build"
stride = int(sys.argv[2]) if len(sys.argv) > 2 else 1
cli = f"{build}/quindor-cli"

HEBREW_MONTH = {7: 1, 8: 2, 9: 3, 10: 4, 11: 5, 12: 6, 13: 7, 1: 8, 2: 9, 3: 10, 4: 11, 5: 12, 6: 13}


def historic(year):
    return year - 1 if year <= 0 else year


def roman(d, m, y):
    """Roman count from a Julian date, written from the textbook rule."""
    ides = 15 if m in (3, 5, 7, 10) else 13
    nones = ides - 8
    if d == 1:
        return (1, 1, m, y)
    if d <= nones:
        return (nones - d + 1, 2, m, y)
    if d <= ides:
        return (ides - d + 1, 3, m, y)
    ay = y + 1 if y < 0 else y
    length = [31, 29 if ay % 4 == 0 else 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31][m - 1]
    if m == 12:
        return (length - d + 2, 1, 1, 1 if y == -1 else y + 1)
    return (length - d + 2, 1, m + 1, y)


bad = collections.Counter()
rep_diff = collections.Counter()
muslim_diff = collections.Counter()
checked = 0
proc = subprocess.Popen([cli, "table", "1", "2816787"], stdout=subprocess.PIPE, text=True)
for line in proc.stdout:
    f = list(map(int, line.split("\t")))
    jd = f[0]
    if (jd - 1) % stride:
        continue
    checked += 1
    x = jd - 0.5
    y, m, d = gregorian.from_jd(x)
    if (d, m, historic(y)) != tuple(f[1:4]):
        bad["gregorian"] += 1
    y, m, d = julian.from_jd(x)
    if (d, m, historic(y)) != tuple(f[4:7]):
        bad["julian"] += 1
    if roman(d, m, historic(y)) != tuple(f[7:11]):
        bad["roman"] += 1
    if jd >= 347998:
        y, m, d = hebrew.from_jd(x)
        if (d, HEBREW_MONTH[m], y) != tuple(f[14:17]):
            bad["jewish"] += 1
    elif f[14:17] != [0, 0, 0]:
        bad["jewish"] += 1
    if (jd + 1) % 7 != f[20]:
        bad["weekday"] += 1
    if jd >= 2375840:
        # Day offset from the reference's equinox rule, in days.
        ry, rm, rd = french_republican.from_jd(x)
        ours = f[11:14]
        if (rd, rm, ry) != tuple(ours):
            rep_diff["differ"] += 1
            if jd <= 2380687:
                bad["republican (historical span)"] += 1
        else:
            rep_diff["same"] += 1
    if jd >= 1721426:
        y, m, d = islamic.from_jd(x)
        ours = f[17:20]
        if (d, m, historic(y) if y <= 0 else y) == tuple(ours):
            muslim_diff[0] += 1
        else:
            back = islamic.to_jd(ours[2] + 1 if ours[2] < 0 else ours[2], ours[1], ours[0])
            muslim_diff[int(round(back - x))] += 1

proc.wait()
print(f"days checked: {checked}")
for name in ("gregorian", "julian", "roman", "jewish", "weekday", "republican (historical span)"):
    print(f"{name}: {bad[name]} disagreements")
print(f"republican vs the reference's equinox rule over the whole range: {dict(rep_diff)}")
print(f"muslim (astronomical) minus tabular reference, in days: {dict(sorted(muslim_diff.items()))}")

easter_bad = 0
out = subprocess.run([cli, "easter", "1", "2999"], capture_output=True, text=True, check=True).stdout
for line in out.splitlines():
    year, greg, jul = map(int, line.split("\t"))
    jy, jm, jdd = julian.from_jd(jul - 0.5)
    ref = easter.easter(year, easter.EASTER_JULIAN)
    if (jdd, jm) != (ref.day, ref.month):
        easter_bad += 1
    if year >= 1583:
        gy, gm, gd = gregorian.from_jd(greg - 0.5)
        ref = easter.easter(year, easter.EASTER_WESTERN)
        if (gd, gm) != (ref.day, ref.month):
            easter_bad += 1
print(f"easter: {easter_bad} disagreements (Julian 1..2999, Gregorian 1583..2999)")
sys.exit(1 if sum(bad.values()) or easter_bad else 0)
