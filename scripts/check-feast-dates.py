#!/usr/bin/python3
"""Compares `quindor-cli feastdate` with an independent computation of dates
told by the church year (calendar dates from Debian's python3-convertdate,
Easter from python3-dateutil).

Usage: scripts/check-feast-dates.py BUILD_DIR [COUNT] [SEED]
COUNT random expressions (default 1000) in each of English, French and Latin:
feasts, weekdays after or before them, vigils, octaves, days after or before
and numbered Sundays, in years 1 to 2999, by the Julian and the Gregorian
computus forced. Prints the disagreements and a count per language; exits 1
when there is any.
"""
import concurrent.futures
import random
import subprocess
import sys

from convertdate import gregorian, julian
from dateutil import easter

build = sys.argv[1] if len(sys.argv) > 1 else "build"
count = int(sys.argv[2]) if len(sys.argv) > 2 else 1000
rng = random.Random(int(sys.argv[3]) if len(sys.argv) > 3 else 1)
cli = f"{build}/quindor-cli"
LAST_DAY = 2816787

# Movable feasts: (days from Easter, English, French, Latin).
MOVABLE = [(-63, "Septuagesima", "Septuagésime", "Septuagesima"),
           (-49, "Quinquagesima Sunday", "Quinquagésime", "Estomihi"),
           (-46, "Ash Wednesday", "Mercredi des Cendres", "Dies Cinerum"),
           (-42, "First Sunday in Lent", "premier dimanche de Carême", "Invocavit"),
           (-21, "Laetare", "Laetare", "Laetare"),
           (-7, "Palm Sunday", "Rameaux", "Palmarum"),
           (-2, "Good Friday", "Vendredi saint", "Parasceve"),
           (0, "Easter", "Pâques", "Pascha"),
           (7, "Low Sunday", "Quasimodo", "Quasimodogeniti"),
           (21, "Jubilate", "Jubilate", "Jubilate"),
           (39, "Ascension Day", "Ascension", "Ascensio Domini"),
           (49, "Whitsunday", "Pentecôte", "Pentecoste"),
           (56, "Trinity Sunday", "Trinité", "Trinitas"),
           (60, "Corpus Christi", "Fête-Dieu", "Corpus Christi")]
# Fixed feasts: (day, month, English, French, Latin).
FIXED = [(1, 1, "Circumcision", "Circoncision", "Circumcisio Domini"),
         (6, 1, "Epiphany", "Épiphanie", "Epiphania Domini"),
         (2, 2, "Candlemas", "Chandeleur", "Purificatio Mariae"),
         (25, 3, "Lady Day", "Annonciation", "Annuntiatio Mariae"),
         (24, 6, "Midsummer Day", "Saint-Jean-Baptiste", "Nativitas Johannis Baptistae"),
         (29, 6, "St Peter and Paul", "Saints Pierre et Paul", "Petri et Pauli"),
         (15, 8, "Assumption", "Assomption", "Assumptio Mariae"),
         (29, 9, "Michaelmas", "Saint-Michel", "Michaelis"),
         (1, 11, "All Saints", "Toussaint", "Omnium Sanctorum"),
         (11, 11, "Martinmas", "Saint-Martin", "Martini"),
         (30, 11, "St Andrew", "Saint-André", "Andreae apostoli"),
         (21, 12, "St Thomas the Apostle", "Saint-Thomas", "Thomae apostoli"),
         (25, 12, "Christmas", "Noël", "Nativitas Domini")]
WEEKDAYS = {  # Monday = 0, as Python counts
    "en": ["Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"],
    "fr": ["lundi", "mardi", "mercredi", "jeudi", "vendredi", "samedi", "dimanche"],
    "la": ["feria secunda", "feria tertia", "feria quarta", "feria quinta", "feria sexta",
           "sabbato", "dominica"]}
AFTER = {"en": ("after", "before"), "fr": ("après", "avant"), "la": ("post", "ante")}
VIGIL = {"en": "eve of", "fr": "veille de la", "la": "in vigilia"}
OCTAVE = {"en": "octave of", "fr": "octave de", "la": "in octava"}
DAYS = {"en": "days", "fr": "jours", "la": "dies"}
ORDINAL = {"en": ["1st", "2nd", "3rd", "4th"], "fr": ["premier", "deuxième", "troisième", "quatrième"],
           "la": ["I", "II", "III", "IV"]}
NAME = {"en": 1, "fr": 2, "la": 3}


def jd_of(y, m, d, greg):
    return int((gregorian if greg else julian).to_jd(y, m, d) + 0.5)


def easter_jd(year, greg):
    e = easter.easter(year, easter.EASTER_WESTERN if greg else easter.EASTER_JULIAN)
    return jd_of(e.year, e.month, e.day, greg)


def weekday(jd):
    return jd % 7  # JD 0 was a Monday


def expression(lang):
    """A random text and its expected day, or None where the day is out of range."""
    year = rng.randint(1, 2999)
    greg = rng.random() < 0.5
    if rng.random() < 0.5:
        offset, *names = rng.choice(MOVABLE)
        base = easter_jd(year, greg) + offset
        name = names[NAME[lang] - 1]
    else:
        d, m, *names = rng.choice(FIXED)
        base = jd_of(year, m, d, greg)
        name = names[NAME[lang] - 1]
    form = rng.choice(["feast", "weekday", "vigil", "octave", "days", "nth"])
    if form == "feast":
        text, day = name, base
    elif form == "weekday":
        w = rng.randrange(7)
        after = rng.random() < 0.5
        day = base
        while True:
            day += 1 if after else -1
            if weekday(day) == w:
                break
        text = f"{WEEKDAYS[lang][w]} {AFTER[lang][0 if after else 1]} {name}"
    elif form == "vigil":
        text, day = f"{VIGIL[lang]} {name}", base - 1
    elif form == "octave":
        text, day = f"{OCTAVE[lang]} {name}", base + 7
    elif form == "days":
        n = rng.randint(1, 40)
        after = rng.random() < 0.5
        text = f"{n} {DAYS[lang]} {AFTER[lang][0 if after else 1]} {name}"
        day = base + (n if after else -n)
    else:
        n = rng.randint(1, 4)
        day = base
        for _ in range(n):
            day += 1
            while weekday(day) != 6:
                day += 1
        sunday = WEEKDAYS[lang][6]
        text = (f"{sunday} {ORDINAL[lang][n - 1]} post {name}" if lang == "la"
                else f"{ORDINAL[lang][n - 1]} {sunday} {AFTER[lang][0]} {name}")
    if rng.random() < 0.3:
        text = text.upper()
    if not 1 <= day <= LAST_DAY or not 1 <= base <= LAST_DAY:
        return None
    return f"{text} {year}", greg, day


def run(case):
    text, greg, want = case
    out = subprocess.run([cli, "feastdate", "--gregorian" if greg else "--julian", text],
                         capture_output=True, text=True)
    got = out.stdout.split("\n", 1)[0] if out.returncode == 0 else out.stderr.strip()
    return case, got


def main():
    bad = 0
    with concurrent.futures.ThreadPoolExecutor(2) as pool:
        for lang in ("en", "fr", "la"):
            cases = []
            while len(cases) < count:
                case = expression(lang)
                if case:
                    cases.append(case)
            wrong = [(c, got) for c, got in pool.map(run, cases) if got != str(c[2])]
            for (text, greg, want), got in wrong[:20]:
                print(f"{lang}: {text!r} {'--gregorian' if greg else '--julian'}: want {want}, got {got}")
            print(f"{lang}: {len(cases)} expressions, {len(wrong)} disagreements")
            bad += len(wrong)
    sys.exit(1 if bad else 0)


main()
