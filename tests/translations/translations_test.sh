#!/usr/bin/env bash
# The translations are whole: lupdate, run over the sources into copies of the .ts files, finds
# no string that a .ts file lacks (a new tr() nobody translated), and no entry of either file is
# unfinished, empty, or kept for a string the sources no longer have. A translation keeps the
# places (%1, %2 ...) of its source text.
# Every translation file of translations/ is checked.
#   translations_test.sh <lupdate> <source dir> <folder of the sources>...
set -uo pipefail
lupdate=$1
source=$2
shift 2
folders=()
for folder in "$@"; do
    folders+=("$source/$folder")
done
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

failures=0
files=("$source"/translations/zandrel_*.ts)
[ -e "${files[0]}" ] || { echo "FAIL: no translation files in $source/translations"; exit 1; }
for ts in "${files[@]}"; do
    cp "$ts" "$tmp/"
    copy="$tmp/$(basename "$ts")"
    "$lupdate" -silent -no-obsolete -locations none -I "$source" "${folders[@]}" \
        -ts "$copy" >"$tmp/lupdate.log" 2>&1 || {
        cat "$tmp/lupdate.log"
        echo "FAIL: lupdate failed on $ts"
        failures=$((failures + 1))
        continue
    }
    python3 - "$ts" "$copy" <<'PY' || failures=$((failures + 1))
import re, sys, xml.etree.ElementTree as ET

def entries(path):
    found = {}
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            found[(name, message.findtext("source"))] = message.find("translation")
    return found

kept, gathered = entries(sys.argv[1]), entries(sys.argv[2])
faults = []
for key in gathered.keys() - kept.keys():
    faults.append("not in the file: %s %r" % key)
for key in kept.keys() - gathered.keys():
    faults.append("no longer in the sources: %s %r" % key)
for key, translation in gathered.items():
    text = translation.text or ""
    if translation.get("type") in ("unfinished", "vanished", "obsolete") or not text:
        faults.append("untranslated: %s %r" % key)
    elif sorted(set(re.findall(r"%\d", key[1]))) != sorted(set(re.findall(r"%\d", text))):
        faults.append("places differ: %s %r -> %r" % (key[0], key[1], text))
for fault in sorted(faults):
    print("FAIL: %s: %s" % (sys.argv[1].rsplit("/", 1)[-1], fault))
sys.exit(1 if faults else 0)
PY
done
[ "$failures" -eq 0 ] && echo "translations: ${#files[@]} files whole and up to date"
exit $((failures > 0))
