#!/usr/bin/env python3
"""Checks a translation that lupdate has just brought up to date with the sources: every text the sources hold is
translated (none unfinished), none is left over from texts the sources no longer hold (obsolete or vanished), and
each translation keeps what the program fills in or acts on: the same %1, %2 ... and %n, a single accelerator
where the source has one and none where it has none, and as many line breaks. Prints each fault and ends with
status 1 when there is any.

usage: check_ts.py FILE.ts
"""
import re
import sys
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%(?:\d+|n|Ln)")


def accelerators(text):
    """The accelerator marks: an "&" before a character (a doubled "&&" shows as one, "& " is a plain "&")."""
    return len(re.findall(r"&[^&\s]", text.replace("&&", "")))


def faults_of(source, translation):
    faults = []
    if sorted(PLACEHOLDER.findall(source)) != sorted(PLACEHOLDER.findall(translation)):
        faults.append("fills in %s, the source %s" % (sorted(set(PLACEHOLDER.findall(translation))),
                                                      sorted(set(PLACEHOLDER.findall(source)))))
    if accelerators(source) != accelerators(translation):
        faults.append("has %d accelerator(s), the source %d" % (accelerators(translation), accelerators(source)))
    if source.count("\n") > 0 and translation.count("\n") == 0:
        faults.append("has no line breaks, the source has")
    return faults


def main():
    path = sys.argv[1]
    found = []
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            translation = message.find("translation")
            where = "%s: %r" % (name, source)
            kind = translation.get("type") if translation is not None else "missing"
            if kind in ("unfinished", "obsolete", "vanished", "missing"):
                found.append("%s is %s" % (where, kind))
                continue
            forms = [f.text or "" for f in translation.iter("numerusform")] or [translation.text or ""]
            for form in forms:
                if not form.strip():
                    found.append("%s has an empty translation" % where)
                for fault in faults_of(source, form):
                    found.append("%s: %r %s" % (where, form, fault))
    for fault in found:
        print("%s: %s" % (path, fault))
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
