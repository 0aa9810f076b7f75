#!/usr/bin/python3
"""Compares every day of Zandrel's lunar calendar with python3-lunardate.

Usage: lunar_reference_test.py LUNAR_DAYS_PROGRAM

The program prints "YYYY-MM-DD year month leap day" for each day from 1998-01-01 to
2099-12-31. Every day must agree with lunardate, except the days listed in DELIBERATE, and
each of those must still differ: a listed day that agrees again means the list is stale.
"""

import datetime
import subprocess
import sys

from lunardate import LunarDate

# Months where lunardate places a new moon that falls within two minutes of Beijing midnight
# on the day before; the instants are those of JPL's DE431 ephemeris, as recorded in
# tools/make_lunar_table.cpp.
DELIBERATE = [
    # The new moon is at 2057-09-29 00:00:41. It would fall on the 28th only if TT - UT
    # exceeded 113 s in 2057 (69 s today). Month 8 thus has 30 days and month 9 begins on
    # the 29th, one day later than lunardate has it, up to the next new moon.
    (datetime.date(2057, 9, 28), datetime.date(2057, 10, 27)),
    # The new moon is at 2097-08-08 00:01:32; it would fall on the 7th only if TT - UT
    # exceeded 178 s in 2097. Month 6 has 30 days, month 7 begins on the 8th.
    (datetime.date(2097, 8, 7), datetime.date(2097, 9, 5)),
]


def deliberate(day):
    return any(first <= day <= last for first, last in DELIBERATE)


def main():
    out = subprocess.run([sys.argv[1]], check=True, capture_output=True, text=True).stdout
    lines = out.splitlines()
    unexpected = []
    stale = []
    listed = 0
    for line in lines:
        iso, year, month, leap, day = line.split()
        civil = datetime.date.fromisoformat(iso)
        ours = (int(year), int(month), leap == "1", int(day))
        ref = LunarDate.fromSolarDate(civil.year, civil.month, civil.day)
        theirs = (ref.year, ref.month, bool(ref.isLeapMonth), ref.day)
        listed += deliberate(civil)
        if (ours != theirs) != deliberate(civil):
            (stale if ours == theirs else unexpected).append(f"{iso}: ours {ours}, lunardate {theirs}")

    expected_days = (datetime.date(2099, 12, 31) - datetime.date(1998, 1, 1)).days + 1
    ok = len(lines) == expected_days and not unexpected and not stale
    if len(lines) != expected_days:
        print(f"{len(lines)} days printed, {expected_days} expected")
    for text in unexpected[:20]:
        print("differs:", text)
    for text in stale[:20]:
        print("listed as different but agrees:", text)
    wrong = len(unexpected) + len(stale)
    print(f"{len(lines)} days compared, {listed} listed as deliberately different, {wrong} wrong")
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
