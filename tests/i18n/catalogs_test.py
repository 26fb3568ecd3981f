#!/usr/bin/env python3
"""The translation catalogs: the template made from the sources is the one committed, every
catalog compiles with msgfmt --check, translates every text but the names, and keeps each
text's placeholders (%1, %2...) and command-line words (--help, --calculate...).
Usage: catalogs_test.py
"""
import pathlib
import re
import subprocess
import sys
import unittest

ROOT = pathlib.Path(__file__).resolve().parents[2]
PO = ROOT / "po"
# Left as written: names, and the store description's paragraphs, which translators may take up.
UNTRANSLATED = {"Ondavi"}
DESCRIPTION = ("Ondavi adds, subtracts", "Show Work lists the steps")


def entries(path):
    """(context, English, translation) of each entry but the header."""
    text = path.read_text(encoding="utf-8")
    found = []
    for block in text.split("\n\n"):
        fields, current = {}, None
        for line in block.splitlines():
            match = re.match(r'(msgctxt|msgid|msgstr) "(.*)"$', line)
            if match:
                current = match.group(1)
                fields[current] = match.group(2)
            elif line.startswith('"') and current:
                fields[current] += line[1:-1]
        if fields.get("msgid"):
            found.append((fields.get("msgctxt"), fields["msgid"], fields.get("msgstr", "")))
    return found


class CatalogsTest(unittest.TestCase):
    def test_the_template_is_made_from_the_sources(self):
        done = subprocess.run(["bash", str(ROOT / "scripts" / "update-pot.sh"), "--check"],
                              capture_output=True, text=True)
        self.assertEqual(done.returncode, 0, done.stdout + done.stderr)

    def test_every_catalog_compiles_translates_and_keeps_placeholders(self):
        languages = [line.strip() for line in (PO / "LINGUAS").read_text().splitlines()
                     if line.strip() and not line.startswith("#")]
        self.assertGreaterEqual(len(languages), 12)
        template = {(c, m) for c, m, _ in entries(PO / "ondavi.pot")}
        for language in languages:
            path = PO / f"{language}.po"
            with self.subTest(language=language):
                done = subprocess.run(["msgfmt", "--check", "-o", "/dev/null", str(path)],
                                      capture_output=True, text=True)
                self.assertEqual(done.returncode, 0, done.stderr)
                catalog = entries(path)
                self.assertEqual({(c, m) for c, m, _ in catalog}, template)
                for context, english, translated in catalog:
                    if english in UNTRANSLATED or english.startswith(DESCRIPTION):
                        continue
                    self.assertTrue(translated, english)
                    self.assertEqual(sorted(re.findall(r"%\d", english)),
                                     sorted(re.findall(r"%\d", translated)), english)
                    for word in re.findall(r"--?[a-z]+(?=[ ,:\]'\"]|$)", english):
                        self.assertIn(word, translated, english)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
