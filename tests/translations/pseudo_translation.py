#!/usr/bin/env python3
"""Makes a pseudo translation for the tests out of the .ts file lupdate gathered from the
sources: every message is translated into its own source text with each piece between its
places (%1, %n ...) wrapped in the markers, so that a test can remove exactly the translated
pieces of a composed text and see whatever reached the user without translation. An argument
filled into a place stays outside the markers, so a word that bypasses translation shows even
inside a translated sentence. A message with plural forms gets each form so.
    pseudo_translation.py <gathered .ts> <pseudo .ts>"""
import re
import sys
import xml.etree.ElementTree as ET

START, END = "\u27e6", "\u27e7"  # ⟦ ⟧, which no source text holds
PLACE = re.compile(r"(%L?\d|%n)")


def pseudo(source):
    return "".join(piece if PLACE.fullmatch(piece) else START + piece + END
                   for piece in PLACE.split(source) if piece)


def main(gathered, written):
    tree = ET.parse(gathered)
    root = tree.getroot()
    root.set("language", "en")  # two plural forms
    for message in root.iter("message"):
        source = message.findtext("source") or ""
        if START in source or END in source:
            sys.exit("a source text holds a marker: %r" % source)
        translation = message.find("translation")
        if translation is None:
            translation = ET.SubElement(message, "translation")
        translation.clear()
        if message.get("numerus") == "yes":
            for _ in range(2):
                ET.SubElement(translation, "numerusform").text = pseudo(source)
        else:
            translation.text = pseudo(source)
    tree.write(written, encoding="utf-8", xml_declaration=True)


if __name__ == "__main__":
    main(*sys.argv[1:])
