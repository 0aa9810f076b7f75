#!/usr/bin/env bash
# Every symbol the program draws for a control character (U+2400 to U+241F, and U+2421 for
# DEL) is in some installed font, so that none shows as an empty box.
set -uo pipefail
missing=()
for code in $(seq $((0x2400)) $((0x241F))) $((0x2421)); do
    hex=$(printf '%04x' "$code")
    [ -n "$(fc-list ":charset=$hex" family)" ] || missing+=("U+${hex^^}")
done
if [ ${#missing[@]} -ne 0 ]; then
    echo "FAIL: no installed font has ${missing[*]}"
    exit 1
fi
echo "fonts: every control character's symbol is in an installed font"

# The Chinese interfaces draw in the face of their script's glyph forms.
for family in "Noto Sans CJK SC" "Noto Sans CJK TC"; do
    if ! fc-list ":family=$family" family | grep -q .; then
        echo "FAIL: the Chinese face '$family' is not installed"
        exit 1
    fi
done
echo "fonts: the simplified and the traditional Chinese faces are installed"

# Every character of each script's names and classical texts is in that script's face, so none
# of them falls back to another face's glyph forms or to an empty box.
languages=$(cd "$(dirname "$0")/../../res/languages" && pwd)
for pair in "zh_CN:Noto Sans CJK SC" "zh_TW:Noto Sans CJK TC"; do
    folder=${pair%%:*}
    family=${pair#*:}
    charset=$(fc-match -f '%{charset}' "$family:style=Regular")
    python3 - "$charset" "$languages/$folder" "$family" <<'PY' || exit 1
import pathlib, sys
covered = set()
for span in sys.argv[1].split():
    first, _, last = span.partition("-")
    covered.update(range(int(first, 16), int(last or first, 16) + 1))
missing = {}
for path in sorted(pathlib.Path(sys.argv[2]).glob("*.txt")):
    for line in path.read_text(encoding="utf-8").splitlines():
        if line.startswith("#"):
            continue
        for c in line:
            if ord(c) > 0x2E7F and ord(c) not in covered:
                missing.setdefault(c, path.name)
if missing:
    print("FAIL: %s lacks %s" % (sys.argv[3], ", ".join(
        "%s U+%04X (%s)" % (c, ord(c), where) for c, where in sorted(missing.items()))))
    sys.exit(1)
PY
done
echo "fonts: each script's face has every character of its names and classical texts"
