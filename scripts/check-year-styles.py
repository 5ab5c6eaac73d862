#!/usr/bin/python3
"""Compares `quindor-cli show --year-start` and `convert --year-start` with an
independent computation of the year-start styles (calendar dates from Debian's
python3-convertdate, Easter from python3-dateutil).

Usage: scripts/check-year-styles.py BUILD_DIR [SAMPLES]
For every style, SAMPLES days (default 2000) spread over AD 101 to 2999, plus
the days around each year's turn and Easter: the Julian and Gregorian years
`show` prints, and the days `convert` reads back from the style date. Prints
the disagreements and a count per style; exits 1 when there is any.
"""
import concurrent.futures
import random
import subprocess
import sys

from convertdate import gregorian, julian
from dateutil import easter

build = sys.argv[1] if len(sys.argv) > 1 else "build"
samples = int(sys.argv[2]) if len(sys.argv) > 2 else 2000
cli = f"{build}/quindor-cli"

MONTHS = ["January", "February", "March", "April", "May", "June", "July", "August",
          "September", "October", "November", "December"]
CALENDARS = {"julian": (julian, easter.EASTER_JULIAN), "gregorian": (gregorian, easter.EASTER_WESTERN)}
# (style, change day): the style alone, and England's preset.
STYLES = [("annunciation", None), ("annunciation", 2360976), ("pisan", None),
          ("nativity", None), ("venetian", None), ("easter", None), ("easter", 2293405)]


def date_of(jd, cal):
    # convertdate counts days from midnight: day N begins at N - 0.5.
    y, m, d = CALENDARS[cal][0].from_jd(jd - 0.5)
    return y, m, d


def jd_of(y, m, d, cal):
    try:
        return int(CALENDARS[cal][0].to_jd(y, m, d) + 0.5)
    except ValueError:
        return None


def easter_of(y, cal):
    e = easter.easter(y, CALENDARS[cal][1])
    return e.month, e.day


def style_year(jd, cal, style, until):
    """The year of the day in the style, from the style's definition."""
    y, m, d = date_of(jd, cal)
    if until is not None and jd >= until:
        return y
    md = (m, d)
    if style == "annunciation":
        return y - 1 if md < (3, 25) else y
    if style == "pisan":
        return y + 1 if md >= (3, 25) else y
    if style == "nativity":
        return y + 1 if md >= (12, 25) else y
    if style == "venetian":
        return y - 1 if md < (3, 1) else y
    if style == "easter":
        return y - 1 if md < easter_of(y, cal) else y
    return y


def dual_text(modern, styled):
    if modern == styled:
        return str(modern)
    earlier, later = sorted((modern, styled))
    if earlier // 100 == later // 100:
        return f"{earlier}/{later % 100:02d}"
    return f"{earlier}/{later}"


def expected_days(d, m, year, cal, style, until):
    """Every day whose date is d/m and whose style year is `year`."""
    days = []
    for modern in (year - 1, year, year + 1):
        if modern < 1:
            continue
        jd = jd_of(modern, m, d, cal)
        if jd is not None and style_year(jd, cal, style, until) == year:
            days.append(jd)
    return sorted(days)


def run(args):
    result = subprocess.run([cli] + args, capture_output=True, text=True)
    return result.returncode, result.stdout


def check(job):
    style, until, jd = job
    extra = ["--year-start", style] + (["--style-until", str(until)] if until else [])
    problems = []
    status, out = run(["show"] + extra + ["--jd", str(jd)])
    lines = dict(line.split("\t", 1) for line in out.splitlines() if "\t" in line)
    for cal in CALENDARS:
        y, m, d = date_of(jd, cal)
        styled = style_year(jd, cal, style, until)
        want = f"{d:02d} {MONTHS[m - 1]} {dual_text(y, styled)}"
        if lines.get(cal) != want:
            problems.append(f"show {style} {until} {jd} {cal}: got {lines.get(cal)!r}, want {want!r}")
        text = f"{d} {MONTHS[m - 1]} {styled}"
        status, out = run(["convert", "--from", cal] + extra + ["--jd", text])
        got = sorted(int(x) for x in out.split()) if status == 0 else []
        want_days = expected_days(d, m, styled, cal, style, until)
        if got != want_days:
            problems.append(f"convert {style} {until} {cal} {text!r}: got {got}, want {want_days}")
    return problems


def jobs():
    rng = random.Random(1648)
    # Three-digit years and more: a pasted "58" is 1958.
    first, last = jd_of(101, 1, 1, "julian"), 2816787
    for style, until in STYLES:
        days = [rng.randint(first, last) for _ in range(samples)]
        # The turn of each style's year, the days around Easter, the change day.
        for year in rng.sample(range(102, 2999), samples // 10):
            for m, d in [(12, 24), (12, 25), (12, 26), (2, 28), (3, 1), (3, 24), (3, 25)]:
                days.append(jd_of(year, m, d, "julian"))
            em, ed = easter_of(year, "julian")
            e = jd_of(year, em, ed, "julian")
            days += [e - 1, e, e + 1]
        if until:
            days += [until - 1, until, until + 1]
        for jd in days:
            if jd is not None and first <= jd <= last:
                yield style, until, jd


def main():
    counts = {}
    problems = []
    with concurrent.futures.ThreadPoolExecutor(max_workers=4) as pool:
        for job, found in zip(list(jobs()), pool.map(check, list(jobs()))):
            key = f"{job[0]}" + (f" until {job[1]}" if job[1] else "")
            counts[key] = counts.get(key, 0) + 1
            problems += found
    for line in problems[:50]:
        print(line)
    for key, count in counts.items():
        print(f"{key}: {count} days checked")
    print(f"{len(problems)} disagreements")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
