#!/usr/bin/python3
"""Compares `quindor-cli span`, `add` and `born` with an independent
computation: python3-dateutil's relativedelta for the Gregorian calendar
(AD 1 to 2999), and a small month arithmetic of its own over
python3-convertdate for the Julian calendar and the calendar in civil use.

Usage: scripts/check-spans.py BUILD_DIR [SAMPLES]
Prints the disagreements and a count per command and calendar; exits 1 when
there is any.
"""
import concurrent.futures
import datetime
import random
import subprocess
import sys

from convertdate import gregorian, julian
from dateutil.relativedelta import relativedelta

build = sys.argv[1] if len(sys.argv) > 1 else "build"
samples = int(sys.argv[2]) if len(sys.argv) > 2 else 1000
cli = f"{build}/quindor-cli"
MONTHS = ["January", "February", "March", "April", "May", "June", "July", "August",
          "September", "October", "November", "December"]
REFORMS = {"france": 2299227, "england": 2361222, "russia": 2421639}


def run(*args):
    done = subprocess.run([cli, *map(str, args)], capture_output=True, text=True)
    return done.returncode, done.stdout


def lines(out):
    return {k: v for k, _, v in (line.partition("\t") for line in out.splitlines())}


# Dates of a reckoning: (calendar module of a day, name), the Julian one
# before the reform day and the Gregorian one from it.
def date_of(jd, reform):
    module = julian if jd < reform else gregorian
    return module.from_jd(jd - 0.5)


def label_jd(y, m, d, reform):
    """The day a civil date names; a date the reform skipped is the reform day."""
    last_julian = julian.from_jd(reform - 1.5)
    first_gregorian = gregorian.from_jd(reform - 0.5)
    if (y, m, d) <= last_julian:
        return int(julian.to_jd(y, m, d) + 0.5)
    if (y, m, d) < first_gregorian:
        return reform
    return int(gregorian.to_jd(y, m, d) + 0.5)


def month_end(y, m, reform):
    last_julian = julian.from_jd(reform - 1.5)
    first_gregorian = gregorian.from_jd(reform - 0.5)
    if (y, m) < last_julian[:2]:
        return julian.month_length(y, m)
    if (y, m) == last_julian[:2] and last_julian[:2] < first_gregorian[:2]:
        return last_julian[2]
    return gregorian.month_length(y, m)


def add_months(date, months, reform):
    y, m, d = date  # convertdate's years are astronomical: 0 is 1 BC
    y, m = divmod(y * 12 + (m - 1) + months, 12)
    return y, m + 1, min(d, month_end(y, m + 1, reform))


def written(date):
    """A date as quindor reads it: no year 0, 1 BC is -1."""
    y, m, d = date
    return f"{d} {MONTHS[m - 1]} {y if y > 0 else y - 1}"


def ymd(first, last, reform):
    """Most whole months from first not past last, then days."""
    a, b = date_of(first, reform), date_of(last, reform)
    k = (b[0] - a[0]) * 12 + (b[1] - a[1]) + 1
    while k > 0 and label_jd(*add_months(a, k, reform), reform) > last:
        k -= 1
    return k // 12, k % 12, last - label_jd(*add_months(a, k, reform), reform)


BIG = 10 ** 9  # "Julian" is a reform after every day, "Gregorian" one before


def check_case(rng_seed):
    rng = random.Random(rng_seed)
    bad = []
    name = rng.choice(["gregorian", "julian", "civil"])
    country = rng.choice(list(REFORMS))
    reform = {"gregorian": -BIG, "julian": BIG}.get(name, REFORMS[country])
    low = 1721426 if name == "gregorian" else 1100000
    first = rng.randint(low, 2816000)
    last = first + rng.choice([rng.randint(0, 800), rng.randint(0, 40000)])
    last = min(last, 2816787)
    if name == "civil" and rng.random() < 0.5:
        # Around the reform itself.
        first = REFORMS[country] - rng.randint(0, 400)
        last = REFORMS[country] + rng.randint(-10, 400)
        first, last = min(first, last), max(first, last)
    options = ["--calendar", name] + (["--reform", REFORMS[country]] if name == "civil" else [])
    if name == "gregorian":
        a = datetime.date(*gregorian.from_jd(first - 0.5))
        b = datetime.date(*gregorian.from_jd(last - 0.5))
        delta = relativedelta(b, a)
        want = (delta.years, delta.months, delta.days)
    else:
        want = ymd(first, last, reform)
    status, out = run("span", *options, first, last)
    got = lines(out).get("ymd", "")
    if status != 0 or got != "\t".join(map(str, want)):
        bad.append(f"span {name} {first} {last}: got {got!r}, want {want}")
    backwards = "\t".join(str(-x) for x in want)
    status, out = run("span", *options, last, first)
    if lines(out).get("ymd", "") != backwards:
        bad.append(f"span {name} {last} {first}: got {lines(out).get('ymd')!r}, want -{want}")

    # add: the span added to the first day is the last day. Years 1 to 99
    # would be read as two-digit years, as a paste reads them: skipped.
    if 0 < date_of(first, reform)[0] < 100 or 0 < date_of(last, reform)[0] < 100:
        return name, bad
    y, m, d = want
    span = f"{y}y{m}m{d}d"
    from_row = "gregorian" if first >= reform else "julian"
    typed = written(date_of(first, reform))
    status, out = run("add", "--from", from_row, *options, typed, span)
    got = out.splitlines()[0] if out else ""
    if status != 0 or got != str(last):
        bad.append(f"add {name} {typed} {span}: got {got!r}, want {last}")

    # born: every birth in the range has the age, the days beside it have not.
    if y < 150:
        typed = written(date_of(last, reform))
        died_row = "gregorian" if last >= reform else "julian"
        for age in (f"{y}y", f"{y}y{m}m", f"{y}y{m}m{d}d"):
            status, out = run("born", "--died", typed, "--from", died_row, "--age", age, *options)
            got = lines(out)
            if status != 0:
                bad.append(f"born {name} {typed} {age}: status {status}")
                continue
            lo, hi = int(got["first"]), int(got["last"])
            parts = age.count("y") + age.count("m") + age.count("d")
            def fits(birth):
                if birth > last:
                    return False
                if name == "gregorian":
                    if birth < 1721426:
                        return False
                    r = relativedelta(datetime.date(*gregorian.from_jd(last - 0.5)),
                                      datetime.date(*gregorian.from_jd(birth - 0.5)))
                    g = (r.years, r.months, r.days)
                else:
                    g = ymd(birth, last, reform)
                return g[:parts] == want[:parts]
            if not (lo <= first <= hi and fits(lo) and fits(hi) and not fits(lo - 1)
                    and not fits(hi + 1)):
                bad.append(f"born {name} {typed} {age}: got {lo}..{hi}, first day {first}")
    return name, bad


def main():
    counts = {}
    disagreements = []
    with concurrent.futures.ThreadPoolExecutor(max_workers=4) as pool:
        for name, bad in pool.map(check_case, range(samples)):
            counts[name] = counts.get(name, 0) + 1
            disagreements += bad
    for line in disagreements[:50]:
        print(line)
    print(f"{samples} cases ({counts}): {len(disagreements)} disagreements")
    return 1 if disagreements else 0


if __name__ == "__main__":
    sys.exit(main())
