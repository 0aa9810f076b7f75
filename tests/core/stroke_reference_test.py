#!/usr/bin/python3
"""Compares every stroke count of Zandrel's table with Unihan, as Debian's unicode-data has it.

Usage: stroke_reference_test.py STROKE_DUMP_PROGRAM UNICODE_DIR EXCEPTIONS_FILE

The program prints "XXXX modern kangxi modern-radical kangxi-radical" for every code point
the table holds. The table must
hold exactly the characters that have a kTotalStrokes, with its first value as the modern
count. The Kangxi count is worked out here from the rule, on its own terms: a character with
exactly one traditional variant besides itself (another character, with strokes) counts as
that variant, unless Unihan lists the character itself too and Taiwan's first level holds it;
otherwise its Kangxi radical in full form plus its residual strokes (kRSKangXi, else the first
kRSUnicode), except that a simplified radical (primed) keeps the modern count. A radical's
full form is taken from the Kangxi dictionary's own order of radicals by strokes, not from
the table's source. The characters listed in EXCEPTIONS_FILE must have the listed count, and
the rule must still give them another (a listed character that agrees is a stale row). The
radical parts are the modern count less the residual strokes of kRSUnicode, and the full form
of the radical the Kangxi count takes, 0 where the residual strokes are not above 0 or the
part would leave no rest.

Exits 77 (skipped) where the Unihan files are missing.
"""

import bz2
import os
import re
import subprocess
import sys

# The first radical of each stroke count in the Kangxi dictionary: radicals 1-6 have one
# stroke, 7-29 two, ... and 214 (龠) seventeen.
FIRST_RADICAL_OF_STROKES = [1, 7, 30, 61, 95, 118, 147, 167, 176, 187, 195, 201, 205, 209, 211,
                            212, 214]
FILES = ["Unihan_IRGSources.txt.bz2", "Unihan_RadicalStrokeCounts.txt.bz2",
         "Unihan_Variants.txt.bz2"]
FIELD = re.compile(
    r"U\+([0-9A-F]+)\t(kTotalStrokes|kRSUnicode|kRSKangXi|kTraditionalVariant|kIRG_TSource)\t(.*)")


def radical_strokes(radical):
    return sum(1 for first in FIRST_RADICAL_OF_STROKES if first <= radical)


def unihan(directory):
    fields = {"kTotalStrokes": {}, "kRSUnicode": {}, "kRSKangXi": {}, "kTraditionalVariant": {},
              "kIRG_TSource": {}}
    for name in FILES:
        with bz2.open(os.path.join(directory, name), "rt", encoding="utf-8") as text:
            for match in map(FIELD.fullmatch, text.read().splitlines()):
                if match:
                    fields[match.group(2)][int(match.group(1), 16)] = match.group(3).split()
    return fields


def listed_counts(path):
    listed = {}
    with open(path, encoding="utf-8") as text:
        for line in text:
            match = re.match(r"U\+([0-9A-F]+)\s+\S+\s+(\d+)\s+#", line)
            if match:
                listed[int(match.group(1), 16)] = int(match.group(2))
    return listed


def main():
    program, directory, exceptions = sys.argv[1:4]
    if not all(os.path.exists(os.path.join(directory, name)) for name in FILES):
        print(f"Unihan is not in {directory} (Debian's unicode-data): skipped")
        return 77
    data = unihan(directory)
    total = data["kTotalStrokes"]
    listed = listed_counts(exceptions)

    def own_rule(code):
        value = (data["kRSKangXi"].get(code) or data["kRSUnicode"][code])[0]
        radical, rest = value.split(".")
        if radical.endswith("'"):
            return int(total[code][0])
        return radical_strokes(int(radical)) + int(rest)

    def form(code):
        variants = [int(v[2:], 16) for v in data["kTraditionalVariant"].get(code, [])]
        others = [v for v in variants if v != code]
        common = data["kIRG_TSource"].get(code, [""])[0].startswith("T1-")
        if len(others) == 1 and others[0] in total and not (code in variants and common):
            return others[0]
        return code

    def rule(code):
        variant = form(code)
        if variant != code:
            return listed.get(variant) or own_rule(variant)
        return own_rule(code)

    def residue(value):
        return int(value.split(".")[1])

    def radical_parts(code):
        modern_part, kangxi_part = unchecked_parts(code)
        kangxi = listed.get(code, rule(code))
        return (modern_part if 0 < modern_part < int(total[code][0]) else 0,
                kangxi_part if 0 < kangxi_part < kangxi else 0)

    def unchecked_parts(code):
        modern = int(total[code][0])
        own = residue(data["kRSUnicode"][code][0])
        modern_part = modern - own if own > 0 else 0
        variant = form(code)
        value = (data["kRSKangXi"].get(variant) or data["kRSUnicode"][variant])[0]
        if residue(value) <= 0:
            return modern_part, 0
        if value.split(".")[0].endswith("'"):
            variant_own = residue(data["kRSUnicode"][variant][0])
            return modern_part, int(total[variant][0]) - variant_own if variant_own > 0 else 0
        return modern_part, radical_strokes(int(value.split(".")[0]))

    table = {}
    out = subprocess.run([program], check=True, capture_output=True, text=True).stdout
    for line in out.splitlines():
        code, *values = line.split()
        table[int(code, 16)] = tuple(int(value) for value in values)

    problems = []
    for code in sorted(set(table) | set(total)):
        if code not in table or code not in total:
            where = "table" if code in table else "Unihan"
            problems.append(f"U+{code:04X} {chr(code)} is only in {where}")
            continue
        modern, kangxi, modern_part, kangxi_part = table[code]
        if modern != int(total[code][0]):
            problems.append(f"U+{code:04X} {chr(code)}: modern {modern}, Unihan {total[code]}")
        expected = listed.get(code, rule(code))
        if kangxi != expected:
            problems.append(f"U+{code:04X} {chr(code)}: kangxi {kangxi}, the rule {expected}")
        if (modern_part, kangxi_part) != radical_parts(code):
            problems.append(f"U+{code:04X} {chr(code)}: radical parts {modern_part} {kangxi_part}, "
                            f"the rule {radical_parts(code)}")
        if code in listed and rule(code) == listed[code]:
            problems.append(f"U+{code:04X} {chr(code)} is listed as {listed[code]}, "
                            "which the rule gives anyway")
    for text in problems[:20]:
        print(text)
    print(f"{len(table)} characters compared, {len(listed)} listed, {len(problems)} wrong")
    return 1 if problems or not table else 0


if __name__ == "__main__":
    sys.exit(main())
