#!/usr/bin/python3
"""Compares every solar term of Zandrel's table with python3-ephem.

Usage: solar_term_reference_test.py SOLAR_TERMS_PROGRAM

The program prints "YYYY-MM-DD HH:MM:SS term deltaT" in Beijing time (UTC+8) for each term
from 大雪 of 1997 to 小寒 of 2100, term 0 being 立春 (the sun at 315 degrees) and each next term
15 degrees further, with the TT - UT in seconds that the table was computed with. ephem
(libastro, VSOP87 in its own truncation) finds the instant the sun's apparent geocentric
longitude, of the equinox of date, reaches the same degree.

The sun's position is computed in Terrestrial Time; the clock instant follows from TT - UT,
which is measured to 2025 and only forecast after it. ephem's forecast grows much faster than
ours (129 s against 73 s in 2060, 223 s against 87 s in 2099), so from about 2040 the two
clock instants differ by the two forecasts' difference, up to two and a half minutes, although
the sun is the same. Nobody can tell which forecast is right; that is the reference's own limit
and ours. So each instant of ephem is moved onto our TT - UT before it is compared: what is
compared is the sun. Every instant must then agree within LIMIT seconds, except those listed
in EXPLAINED, each of which must still differ by more: a listed term that agrees again means
the list is stale. The largest difference on the clock, before the move, is printed too.
"""

import datetime
import math
import subprocess
import sys

import ephem

LIMIT = 60.0

# Terms whose sun differs by more than LIMIT, keyed "YYYY-MM-DD term", each with its reason.
EXPLAINED = {}

BEIJING = datetime.timedelta(hours=8)


def apparent_longitude(date):
    sun = ephem.Sun()
    sun.compute(date, epoch=date)
    position = ephem.Equatorial(sun.ra, sun.dec, epoch=date)
    return math.degrees(ephem.Ecliptic(position, epoch=date).lon)


def reaches(degrees, near):
    """The ephem.Date near `near` at which the sun's apparent longitude is `degrees`."""
    date = ephem.Date(near)
    for _ in range(30):
        off = (degrees - apparent_longitude(date) + 180.0) % 360.0 - 180.0
        date = ephem.Date(date + off / 0.9856)  # about a degree a day
        if abs(off) < 1e-7:
            break
    return date


def main():
    out = subprocess.run([sys.argv[1]], check=True, capture_output=True, text=True).stdout
    lines = out.splitlines()
    unexpected = []
    stale = []
    largest = 0.0
    largest_on_clock = 0.0
    for line in lines:
        day, clock, term, our_delta_t = line.split()
        ours = datetime.datetime.fromisoformat(f"{day}T{clock}") - BEIJING
        degrees = (315 + 15 * int(term)) % 360
        found = reaches(degrees, ours)
        theirs = found.datetime()
        on_clock = (ours - theirs).total_seconds()
        largest_on_clock = max(largest_on_clock, abs(on_clock))
        seconds = on_clock - (ephem.delta_t(found) - float(our_delta_t))
        largest = max(largest, abs(seconds))
        key = f"{day} {term}"
        far = abs(seconds) > LIMIT
        if far != (key in EXPLAINED):
            (unexpected if far else stale).append(f"{key}: ours {ours} UT, ephem {theirs} UT")

    ok = len(lines) == 2 + 24 * 102 + 1 and not unexpected and not stale
    if not ok and len(lines) != 2 + 24 * 102 + 1:
        print(f"{len(lines)} terms printed, {2 + 24 * 102 + 1} expected")
    for text in unexpected[:20]:
        print("differs by more than a minute:", text)
    for text in stale[:20]:
        print("listed as different but agrees:", text)
    print(f"{len(lines)} terms compared, largest difference {largest:.0f} s "
          f"({largest_on_clock:.0f} s on the clock, with each one's TT - UT), "
          f"{len(unexpected) + len(stale)} wrong")
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
