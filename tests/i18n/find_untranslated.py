#!/usr/bin/env python3
"""Lists the string literals in the sources that read like words for a person but reach the screen without
passing through the translation: every literal outside tr(), QCoreApplication::translate() and the QT_TR*_NOOP
markers that holds words, and is not a name the program uses inside (objects, files, keys, D-Bus) or a text
the allow list names as data. Prints each as path:line: "text" and ends with status 1 when there is any.

usage: find_untranslated.py SOURCE_FOLDER ALLOW_LIST
"""
import os
import re
import sys

TRANSLATING = re.compile(r"\b(?:tr|translate|QT_TR_NOOP|QT_TR_N_NOOP|QT_TRANSLATE_NOOP3?|QT_TRANSLATE_N_NOOP3?)\s*\(")
# Texts for the program's developers, never shown: what a failed compile-time or run-time check says.
FOR_DEVELOPERS = re.compile(r"\b(?:static_assert|Q_ASSERT|Q_ASSERT_X|Q_STATIC_ASSERT_X)\s*\(")
LITERAL = re.compile(r'(?:u8|u|U|L)?"((?:[^"\\\n]|\\.)*)"')

# Names a program uses inside: they never reach a person.
INTERNAL = [
    re.compile(r"^[a-z_][A-Za-z0-9_]*$"),                      # identifiers, keys, object names
    re.compile(r"^[A-Za-z]+[A-Z0-9][A-Za-z0-9]*$"),            # CamelCase class, engine and object names
    re.compile(r"^[A-Z0-9_]+$"),                               # CONSTANTS, atoms
    re.compile(r"^[\w@%./:-]*\.(?:svg|png|tw|ini|tmp|html?|qm|ttf|css|scss|json|gpl|soc|ase|1)$"),  # files
    re.compile(r"^(?::/|/|\.\./|org\.|file:)"),                # resources, paths, D-Bus names, addresses
    re.compile(r"^[^A-Za-z]*$"),                               # no letters: patterns, separators, digits
    re.compile(r"\\[xS\\]"),                                    # byte escapes and regular expressions
]
WORDS = re.compile(r"[A-Za-z]{2,}")


def strip_comments(text):
    """Blanks out comments and character literals, keeping line numbers and string literals as they are."""
    out = []
    i = 0
    n = len(text)
    while i < n:
        c = text[i]
        if c == '"' or c == "'":
            j = i + 1
            while j < n and text[j] != c:
                j += 2 if text[j] == "\\" else 1
            # A character literal ('"') holds no text; a digit separator (1'000) is no literal at all.
            if c == "'" and j - i <= 3:
                out.append(" " * (j + 1 - i))
            else:
                out.append(text[i:j + 1])
            i = j + 1
        elif text.startswith("//", i):
            j = text.find("\n", i)
            j = n if j < 0 else j
            out.append(" " * (j - i))
            i = j
        elif text.startswith("/*", i):
            j = text.find("*/", i + 2)
            j = n if j < 0 else j + 2
            out.append(re.sub(r"[^\n]", " ", text[i:j]))
            i = j
        else:
            out.append(c)
            i += 1
    return "".join(out)


def translated_spans(text):
    """The argument lists of every translating call, and of every check whose text only developers read, as (start,
    end) offsets."""
    spans = []
    for match in list(TRANSLATING.finditer(text)) + list(FOR_DEVELOPERS.finditer(text)):
        depth = 1
        i = match.end()
        while i < len(text) and depth:
            c = text[i]
            if c == '"':
                i += 1
                while i < len(text) and text[i] != '"':
                    i += 2 if text[i] == "\\" else 1
            elif c == "(":
                depth += 1
            elif c == ")":
                depth -= 1
            i += 1
        spans.append((match.end(), i))
    return spans


def reads_as_words(literal):
    if any(pattern.search(literal) for pattern in INTERNAL):
        return False
    return bool(WORDS.search(literal))


def load_allowed(path):
    allowed = set()
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            file, _, literal = line.partition("\t")
            allowed.add((file, literal))
    return allowed


def main():
    root, allow_list = sys.argv[1], sys.argv[2]
    allowed = load_allowed(allow_list)
    base = os.path.dirname(os.path.abspath(root))
    found = []
    for folder, _, files in sorted(os.walk(root)):
        for name in sorted(files):
            if not name.endswith((".cpp", ".h")):
                continue
            path = os.path.join(folder, name)
            relative = os.path.relpath(path, base)
            if (relative, "*") in allowed:
                continue
            with open(path, encoding="utf-8") as f:
                text = strip_comments(f.read())
            spans = translated_spans(text)
            for match in LITERAL.finditer(text):
                if text[:match.start()].rstrip().endswith("#include"):
                    continue
                if any(start <= match.start() < end for start, end in spans):
                    continue
                literal = match.group(1)
                if reads_as_words(literal) and (relative, literal) not in allowed:
                    line = text.count("\n", 0, match.start()) + 1
                    found.append(f'{relative}:{line}: "{literal}"')
    for entry in found:
        print(entry)
    if found:
        print(f"{len(found)} text(s) reach the screen untranslated: wrap them in tr(), or name them as data in "
              f"{allow_list}", file=sys.stderr)
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
