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
