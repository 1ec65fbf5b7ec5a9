#!/usr/bin/env python3
"""Fills every message of a .ts file with a pseudo-translation: the English text lengthened by a third and set
between the marks "[!" and "!]", so that a window shown with it reveals any text that skipped the translation (no
marks) and any control too small for a longer language (the text does not fit). What the program fills in (%1,
%n) and acts on (the accelerator, line breaks) is kept; the added third repeats the words of the text itself, so it
is as wide, and breaks as well, as the language it imitates.

usage: pseudo_translate.py IN.ts OUT.ts
"""
import math
import re
import sys
import xml.etree.ElementTree as ET

OPEN, CLOSE = "[!", "!]"


def lengthened(text):
    def line(part):
        letters = re.sub(r"%(?:\d+|n|Ln)|&&|&(?=\S)|[^A-Za-z ]", "", part).strip()
        extra = math.ceil(len(part) / 3)
        if not letters:
            return part + "~" * extra
        return part + " " + ((letters + " ") * (extra // len(letters) + 1))[:max(extra - 1, 1)].rstrip()
    return OPEN + "\n".join(line(part) for part in text.split("\n")) + CLOSE


def main():
    tree = ET.parse(sys.argv[1])
    root = tree.getroot()
    root.set("language", "en_XA")
    for message in root.iter("message"):
        source = message.findtext("source") or ""
        translation = message.find("translation")
        translation.attrib.pop("type", None)
        for child in list(translation):
            translation.remove(child)
        if message.get("numerus") == "yes":
            translation.text = None
            for _ in range(2):
                ET.SubElement(translation, "numerusform").text = lengthened(source)
        else:
            translation.text = lengthened(source)
    tree.write(sys.argv[2], encoding="utf-8", xml_declaration=True)


if __name__ == "__main__":
    main()
