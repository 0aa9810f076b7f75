#!/usr/bin/env python3
"""Compiles the stroke counts of every CJK ideograph in Unihan into core's stroke table.

Usage: make_stroke_table.py UNICODE_DIR EXCEPTIONS OUTPUT

UNICODE_DIR holds Unicode's data as Debian's unicode-data package installs it
(/usr/share/unicode): Unihan_IRGSources.txt.bz2 (kTotalStrokes, kRSUnicode),
Unihan_RadicalStrokeCounts.txt.bz2 (kRSKangXi), Unihan_Variants.txt.bz2 (kTraditionalVariant)
and CJKRadicals.txt. EXCEPTIONS is res/kangxi_exceptions.txt. OUTPUT is the C++ source of
the table that core/stroke_table.h declares.

Each character gets two counts:

- modern: the first value of kTotalStrokes, the count of the character as the mainland
  writes it (a second value, on three characters, is the Taiwan count).
- kangxi: as the Kangxi dictionary counts it, its radical in full form (氵 as 水, 4): the
  full-form strokes of its Kangxi radical plus its residual strokes, taken from kRSKangXi
  where Unihan has it and from the first value of kRSUnicode otherwise. A character with
  exactly one traditional variant other than itself (and in the table) counts as that
  variant does: 语 as 語. Where Unihan lists the character itself beside that variant (这
  beside 這), it still counts as the variant, unless it is a common traditional character in
  its own right (Taiwan's first level, kIRG_TSource T1: 后 and 丑 keep their own counts). One
  that is counted under a simplified radical (a primed radical number, 212' for 龙) and has no
  such variant keeps its modern count. The full-form strokes of a radical are the
  kTotalStrokes of its ideograph in CJKRadicals.txt, and the exceptions file corrects that and
  single characters.

And two radical parts, for casting a single character by its parts: the strokes of its radical
as written (its modern count less the residual strokes of kRSUnicode) and in full form (as
the Kangxi count takes it), each 0 for a character that is its own radical or whose part
would leave no rest.

Python and not C++ like the other generators: the Unihan files are bzip2-compressed, which
Python's standard library reads, and python3 is a dependency of the build already.
"""

import bz2
import os
import re
import sys

PACKAGE_HINT = "install Debian's unicode-data package (scripts/install-deps does)"


def fail(message):
    sys.exit(f"make_stroke_table: {message}")


def unicode_file(directory, name):
    path = os.path.join(directory, name)
    if not os.path.isfile(path):
        fail(f"{path} is missing: {PACKAGE_HINT}")
    return path


def read_unihan(path, fields):
    """Returns {field: {code point: value}} for the given fields, and the Unicode version."""
    values = {field: {} for field in fields}
    version = None
    with bz2.open(path, "rt", encoding="utf-8") as lines:
        for line in lines:
            if line.startswith("# Unicode version:"):
                version = line.split(":", 1)[1].strip()
            if not line.startswith("U+"):
                continue
            code, field, value = line.rstrip("\n").split("\t")
            if field in values:
                values[field][int(code[2:], 16)] = value
    return values, version


def parse_radical_strokes(value):
    """'212'.0' -> (212, True, 0): the radical, whether it is a simplified form, the residue."""
    match = re.fullmatch(r"(\d+)('*)\.(-?\d+)", value)
    if not match:
        fail(f"unreadable radical and strokes {value!r}")
    return int(match.group(1)), bool(match.group(2)), int(match.group(3))


def read_exceptions(path):
    radicals = {}
    characters = {}
    with open(path, encoding="utf-8") as lines:
        for number, line in enumerate(lines, 1):
            text, _, reason = line.partition("#")
            words = text.split()
            if not words:
                continue
            where = f"{path}:{number}"
            if not reason.strip():
                fail(f"{where}: every row needs a '# reason'")
            if words[0] == "radical" and len(words) == 4:
                radicals[int(words[1])] = (words[2], int(words[3]))
            elif re.fullmatch(r"U\+[0-9A-F]{4,6}", words[0]) and len(words) == 3:
                code = int(words[0][2:], 16)
                if chr(code) != words[1]:
                    fail(f"{where}: {words[0]} is {chr(code)}, not {words[1]}")
                characters[code] = int(words[2])
            else:
                fail(f"{where}: expected 'radical N IDEOGRAPH STROKES' or 'U+XXXX CHAR STROKES'")
    return radicals, characters


def full_form_strokes(cjk_radicals_path, total_strokes, corrections):
    strokes = {}
    with open(cjk_radicals_path, encoding="utf-8") as lines:
        for line in lines:
            if line.startswith("#") or not line.strip():
                continue
            radical, _, ideograph = (part.strip() for part in line.split(";"))
            if radical.endswith("'"):
                continue
            code = int(ideograph, 16)
            strokes[int(radical)] = (chr(code), int(total_strokes[code].split()[0]))
    if sorted(strokes) != list(range(1, 215)):
        fail(f"{cjk_radicals_path} does not list the 214 Kangxi radicals")
    for radical, (ideograph, count) in corrections.items():
        if strokes[radical][0] != ideograph:
            fail(f"radical {radical} is {strokes[radical][0]}, not {ideograph}")
        if strokes[radical][1] == count:
            fail(f"radical {radical} {ideograph} has {count} strokes already: drop its exception")
        strokes[radical] = (ideograph, count)
    return {radical: count for radical, (_, count) in strokes.items()}


def counts(unicode_dir, exceptions_path):
    sources, version = read_unihan(
        unicode_file(unicode_dir, "Unihan_IRGSources.txt.bz2"),
        ["kTotalStrokes", "kRSUnicode", "kIRG_TSource"])
    kangxi_sources, _ = read_unihan(
        unicode_file(unicode_dir, "Unihan_RadicalStrokeCounts.txt.bz2"), ["kRSKangXi"])
    variants, _ = read_unihan(
        unicode_file(unicode_dir, "Unihan_Variants.txt.bz2"), ["kTraditionalVariant"])
    total = sources["kTotalStrokes"]
    rs_unicode = sources["kRSUnicode"]
    rs_kangxi = kangxi_sources["kRSKangXi"]
    traditional = variants["kTraditionalVariant"]
    taiwan = sources["kIRG_TSource"]

    radical_corrections, character_corrections = read_exceptions(exceptions_path)
    radical_strokes = full_form_strokes(
        unicode_file(unicode_dir, "CJKRadicals.txt"), total, radical_corrections)
    modern = {code: int(value.split()[0]) for code, value in total.items()}

    def by_radical(code, corrected=True):
        if corrected and code in character_corrections:
            return character_corrections[code]
        radical, simplified, residue = parse_radical_strokes(
            rs_kangxi.get(code) or rs_unicode[code].split()[0])
        return modern[code] if simplified else radical_strokes[radical] + residue

    def counted_as(code):
        """The character whose Kangxi count `code` takes: its traditional form, or itself."""
        listed = [int(value[2:], 16) for value in traditional.get(code, "").split()]
        others = [other for other in listed if other != code]
        if len(others) != 1 or others[0] not in modern:
            return code
        if len(listed) > 1 and taiwan.get(code, "").startswith("T1-"):
            return code
        return others[0]

    def kangxi(code):
        if code in character_corrections:
            return character_corrections[code]
        return by_radical(counted_as(code))

    def modern_radical(code):
        _, _, residue = parse_radical_strokes(rs_unicode[code].split()[0])
        return modern[code] - residue if residue > 0 else 0

    def kangxi_radical(code):
        form = counted_as(code)
        radical, simplified, residue = parse_radical_strokes(
            rs_kangxi.get(form) or rs_unicode[form].split()[0])
        if residue <= 0:
            return 0
        return modern_radical(form) if simplified else radical_strokes[radical]

    def part(radical, count):
        """A radical part that leaves a rest, else 0: Unihan's residual strokes are not always
        below the character's count."""
        return radical if 0 < radical < count else 0

    table = {}
    for code in modern:
        kangxi_count = kangxi(code)
        table[code] = (modern[code], kangxi_count, part(modern_radical(code), modern[code]),
                       part(kangxi_radical(code), kangxi_count))
    for code, count in character_corrections.items():
        if code not in table:
            fail(f"U+{code:04X} has an exception but no stroke count in Unihan")
        if by_radical(code, corrected=False) == count:
            fail(f"U+{code:04X} has {count} strokes already: drop its exception")
    for code, (modern_count, kangxi_count, modern_part, kangxi_part) in table.items():
        if not (1 <= modern_count <= 255 and 1 <= kangxi_count <= 255):
            fail(f"U+{code:04X} has stroke counts {modern_count} {kangxi_count}, outside 1..255")
        if not (0 <= modern_part < modern_count and 0 <= kangxi_part < kangxi_count):
            fail(f"U+{code:04X} has radical parts {modern_part} {kangxi_part} outside its counts")
    return table, version


def ranges_of(codes):
    """Splits ascending code points into runs of consecutive ones: [(first, size)]."""
    runs = []
    for code in codes:
        if runs and runs[-1][0] + runs[-1][1] == code:
            runs[-1][1] += 1
        else:
            runs.append([code, 1])
    return runs


def byte_rows(values):
    for start in range(0, len(values), 32):
        yield "    " + ",".join(str(value) for value in values[start:start + 32]) + ","


def write_table(path, table, version):
    codes = sorted(table)
    runs = ranges_of(codes)
    lines = [
        f"// Generated by tools/make_stroke_table.py from Unihan {version} "
        "and res/kangxi_exceptions.txt; do not edit.",
        '#include "core/stroke_table.h"',
        "",
        "namespace zandrel {",
        "namespace {",
        "",
        f"// {len(codes)} characters in {len(runs)} runs of consecutive code points.",
        "constexpr StrokeRange kRanges[] = {",
    ]
    offset = 0
    for first, size in runs:
        lines.append(f"    {{0x{first:04X}, {size}, {offset}}},")
        offset += size
    for name, index in (("kModern", 0), ("kKangxi", 1), ("kModernRadical", 2),
                        ("kKangxiRadical", 3)):
        lines += ["};", "", f"constexpr std::uint8_t {name}[] = {{"]
        lines += byte_rows([table[code][index] for code in codes])
    lines += [
        "};",
        "",
        "} // namespace",
        "",
        "StrokeTable CompiledStrokeTable() {",
        "    return {kRanges, kModern, kKangxi, kModernRadical, kKangxiRadical};",
        "}",
        "",
        "} // namespace zandrel",
        "",
    ]
    # Written whole and renamed, so that an interrupted build leaves no truncated table behind.
    temporary = path + ".tmp"
    with open(temporary, "w", encoding="utf-8") as out:
        out.write("\n".join(lines))
    os.replace(temporary, path)


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__.split("\n\n")[1])
    table, version = counts(sys.argv[1], sys.argv[2])
    write_table(sys.argv[3], table, version)


if __name__ == "__main__":
    main()
