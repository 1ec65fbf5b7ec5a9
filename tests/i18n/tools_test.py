#!/usr/bin/env python3
"""The translation checks themselves: what the source scan takes for an untranslated text and what it lets pass,
and what the .ts check finds wrong in a translation."""
import os
import subprocess
import sys
import tempfile
import textwrap
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))


def scan(source, allowed=""):
    """Runs the scan over one source file; returns the texts it reports."""
    with tempfile.TemporaryDirectory() as root:
        os.makedirs(os.path.join(root, "src", "main"))
        with open(os.path.join(root, "src", "main", "Window.cpp"), "w") as f:
            f.write(textwrap.dedent(source))
        with open(os.path.join(root, "allowed.txt"), "w") as f:
            f.write(allowed)
        run = subprocess.run([sys.executable, os.path.join(HERE, "find_untranslated.py"), os.path.join(root, "src"),
                              os.path.join(root, "allowed.txt")], capture_output=True, text=True)
    reported = [line.split(": ", 1)[1].strip('"') for line in run.stdout.splitlines()]
    assert (run.returncode == 0) == (not reported), run
    return reported


def check(messages):
    """Runs the .ts check over messages given as (source, translation or None, numerus forms or None)."""
    body = ""
    for source, translation, forms in messages:
        numerus = ' numerus="yes"' if forms else ""
        if forms:
            inner = "".join(f"<numerusform>{f}</numerusform>" for f in forms)
            body += f"<message{numerus}><source>{source}</source><translation>{inner}</translation></message>"
        elif translation is None:
            body += f'<message><source>{source}</source><translation type="unfinished"></translation></message>'
        else:
            body += f"<message><source>{source}</source><translation>{translation}</translation></message>"
    with tempfile.NamedTemporaryFile("w", suffix=".ts", delete=False) as f:
        f.write(f'<?xml version="1.0" encoding="utf-8"?><TS version="2.1" language="de"><context><name>W</name>'
                f"{body}</context></TS>")
    try:
        run = subprocess.run([sys.executable, os.path.join(HERE, "check_ts.py"), f.name], capture_output=True, text=True)
    finally:
        os.unlink(f.name)
    return run.returncode, run.stdout


class SourceScan(unittest.TestCase):
    def test_reports_words_outside_the_translation(self):
        cases = [
            ('label->setText(QStringLiteral("Hello world"));', ["Hello world"]),
            ('button->setToolTip(QString::fromLatin1("Delete"));', ["Delete"]),
            ('label->setText(tr("Saved in %1").arg(QStringLiteral("your folder")));', ["your folder"]),
            ('const char* kSentence = "A sentence for a message box.";', ["A sentence for a message box."]),
        ]
        for source, reported in cases:
            with self.subTest(source=source):
                self.assertEqual(scan(source), reported)

    def test_lets_translated_texts_and_inner_names_pass(self):
        cases = [
            'label->setText(tr("Hello world"));',
            'label->setText(tr("Back", "to the previous colour"));',
            'QCoreApplication::translate("Files", "Disk full");',
            'const char* k = QT_TRANSLATE_NOOP("Window", "Triads");',
            'setObjectName(QStringLiteral("mnuFileOpen"));',
            'ArtPixmap(QStringLiteral("tb_open.svg"));',
            'QResource(QStringLiteral(":/baked/x"));',
            'if (c == \'"\') text = QStringLiteral("#");',
            '// "Words in a comment"\n/* "and in another" */',
            'pattern(QStringLiteral("\\\\*\\\\.([A-Za-z0-9]+)"));',
            '#include "main/TfrmMain.h"',
            'static_assert(sizeof(int) == 4, "ints of four bytes");',
        ]
        for source in cases:
            with self.subTest(source=source):
                self.assertEqual(scan(source), [])

    def test_the_allow_list_names_data_by_file_and_text(self):
        source = 'write(QStringLiteral("GIMP Palette")); show(QStringLiteral("Other words"));'
        self.assertEqual(scan(source, "src/main/Window.cpp\tGIMP Palette\n"), ["Other words"])
        self.assertEqual(scan(source, "src/main/Window.cpp\t*\n"), [])


class TranslationCheck(unittest.TestCase):
    def test_finds_what_a_translation_loses_or_leaves_out(self):
        cases = [
            ([("Show %1", "%1 anzeigen", None)], True),
            ([("&amp;File", "&amp;Datei", None)], True),
            ([("Drag &amp; drop", "Hierher ziehen", None)], True),
            ([("%n colors", None, ["%n Farbe", "%n Farben"])], True),
            ([("Show %1", "Anzeigen", None)], False),
            ([("&amp;File", "Datei", None)], False),
            ([("E&amp;xit", "&amp;Be&amp;enden", None)], False),
            ([("Save", None, None)], False),
            ([("%n colors", None, ["%n Farbe", "Farben"])], False),
            ([("one\ntwo", "eins zwei", None)], False),
        ]
        for messages, sound in cases:
            with self.subTest(messages=messages):
                status, out = check(messages)
                self.assertEqual(status == 0, sound, out)


if __name__ == "__main__":
    unittest.main()
