#!/usr/bin/env python3
"""Each translated help page (help/<language>/index.html) against the English one: the same anchors, links and
pictures in the same order, its own lang, no heading, paragraph or list item left as it reads in English, and key
caps as that language's keyboards print them. Prints every fault; exits non-zero on any."""
import os
import re
import sys
from html.parser import HTMLParser

# What a translation keeps: the program's names.
NAMES = re.compile(r"Tintwell|QuickPreview|v3|\d+\.?")
# Words a language writes as English does, as the program's own translation of them.
SAME_WORDS = {"es": {"General", "Hexadecimal"}}
# Texts compared with the English, element by element.
COMPARED = {"title", "h1", "h2", "h3", "p", "li", "th", "figcaption"}
ENGLISH_KEYS = {"Shift", "Enter", "Delete", "Space", "Home", "End", "Page Up", "Page Down", "Up", "Down"}
# Caps some languages print as English does (Ctrl, Menu) and these do not.
MORE_KEYS = {"de": {"Ctrl", "Menu"}, "es": {"Menu"}}


class Page(HTMLParser):
    def __init__(self, path):
        super().__init__(convert_charrefs=True)
        self.lang, self.anchors, self.pictures, self.keys = None, [], [], []
        self.texts = {tag: [] for tag in COMPARED}
        self.open = []  # [tag, text so far] of every compared element not yet closed
        with open(path, encoding="utf-8") as f:
            self.feed(f.read())

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        if tag == "html":
            self.lang = attrs.get("lang")
        if "id" in attrs:
            self.anchors.append("id=" + attrs["id"])
        if tag == "a":
            self.anchors.append("href=" + attrs.get("href", ""))
        if tag == "img":
            self.pictures.append((attrs.get("src"), attrs.get("width"), attrs.get("height")))
        if tag == "link" and attrs.get("rel") == "stylesheet":  # shared like the pictures, found the same way
            self.pictures.append((attrs.get("href"), None, None))
        if tag == "kbd":
            self.keys.append("")
        if tag in COMPARED:
            self.open.append([tag, ""])

    def handle_endtag(self, tag):
        if self.open and self.open[-1][0] == tag:
            done = self.open.pop()
            self.texts[tag].append(" ".join(done[1].split()))

    def handle_data(self, data):
        for element in self.open:
            element[1] += data
        if self.lasttag == "kbd" and self.keys and not self.keys[-1]:
            self.keys[-1] = data


def faults(help_folder, language):
    english = Page(os.path.join(help_folder, "index.html"))
    page = Page(os.path.join(help_folder, language, "index.html"))
    found = []
    # As the English page has them (in order): its language, the anchors and links, the shared pictures beside it.
    for what, mine, wanted in (("lang", [page.lang], [language]), ("anchors", page.anchors, english.anchors),
                               ("pictures", page.pictures, [("../" + src, w, h) for src, w, h in english.pictures])):
        if mine != wanted:
            found.append(f"{what} differ (only in one of them: {sorted(set(mine) ^ set(wanted), key=str)})")
    found += [f"no picture {src}" for src, _, _ in page.pictures
              if not os.path.isfile(os.path.join(help_folder, language, src))]
    for tag in sorted(COMPARED):
        if len(page.texts[tag]) != len(english.texts[tag]):
            found.append(f"{len(page.texts[tag])} <{tag}> where English has {len(english.texts[tag])}")
            continue
        for mine, theirs in zip(page.texts[tag], english.texts[tag]):
            if mine == theirs and mine not in SAME_WORDS.get(language, ()) \
                    and re.search(r"[A-Za-z]", NAMES.sub("", mine)):
                found.append(f"<{tag}> left in English: {mine[:70]}")
    for key in sorted(set(page.keys) & (ENGLISH_KEYS | MORE_KEYS.get(language, set()))):
        found.append(f"key cap in English: {key}")
    return found


def main(help_folder):
    languages = sorted(d for d in os.listdir(help_folder) if os.path.isdir(os.path.join(help_folder, d)))
    failed = False
    for language in languages:
        for fault in faults(help_folder, language):
            print(f"help/{language}: {fault}")
            failed = True
    print(f"checked {', '.join(languages) or 'no translated page'}")
    return 1 if failed or not languages else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
