#!/usr/bin/env python3
"""The translation catalogs: the template made from the sources is the one committed, every
catalog compiles with msgfmt --check, translates every text but the names, and keeps each
text's placeholders (%1, %2...) and command-line words (--help, --calculate...); the help fits
a terminal of 80 columns in its two columns; the words a teacher of each country corrected stay
corrected; and the store description comes out of the build in every language.
Usage: catalogs_test.py
"""
import pathlib
import re
import subprocess
import sys
import tempfile
import unicodedata
import unittest

ROOT = pathlib.Path(__file__).resolve().parents[2]
PO = ROOT / "po"
# Left as written: names.
UNTRANSLATED = {"Ondavi"}
LANGUAGES = [line.strip() for line in (PO / "LINGUAS").read_text().splitlines()
             if line.strip() and not line.startswith("#")]
NO_BREAK = "\u00a0\u202f"
# Words a teacher corrected, per language and text: the translation says each word of the first
# tuple and none of the second (what students misread: a sum's "addend" for any operand, "not a
# problem" as "never mind", a common denominator where nothing is brought to one, a step number
# that reads as a fraction, a button word cut short).
WORDS = [
    ("ja", "Becomes", ("書きなおすと",), ("通分",)),
    ("fr", "not a problem", ("calcul",), ("problème",)),
    ("es", "not a problem", ("operación",), ("problema",)),
    ("pt_BR", "not a problem", ("conta",), ("problema",)),
    ("it", "not a problem", ("calcolo",), ("problema",)),
    ("tr", "not a problem", ("işlem",), ("problem ",)),
    ("ja", "not a problem", ("計算式",), ("問題",)),
    ("ja", "Step %1 of %2: %3", ("ステップ %1（全 %2）",), ("%1/%2",)),
    ("tr", "Step %1 of %2: %3", ("Adım %1 (toplam %2)",), ("%1 / %2",)),
    ("fr", "Step %1 of %2: %3", ("Étape %1 (sur %2)",), ("%1 sur %2",)),
    ("fr", "clear", ("vider",), ("RAZ",)),
    ("es", "clear", ("anula",), ("borra",)),
    ("pt_BR", "clear", ("limpa",), ("zerar",)),
    ("it", "clear", ("reset",), ("canc",)),
    ("uk", "clear", ("зітри",), ("скид",)),
    ("id", "clear", ("ulang",), ("baru",)),
    ("ru", "clear", ("С",), ("сбр",)),  # the clear key of Russian calculators
    ("ru", "Explain", ("Объясни",), ("Решение",)),  # Show Work's word
    ("pt_BR", "Answer", ("Fração",), ("Resposta",)),
    ("pl", "Mixed Number", ("Liczba mieszana",), ("L.",)),
    ("de", "Mixed Number", ("Gemischte Zahl",), ()),
    ("tr", "Mixed Number", ("Tam sayılı kesir",), ()),
    ("uk", "Mixed Number", ("Мішане число",), ()),
] + [("pl", english, ("liczba",), ("składnik",)) for english in (
    "first operand, whole number", "first operand, numerator", "first operand, denominator",
    "second operand, whole number", "second operand, numerator", "second operand, denominator")]


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


def unescaped(text):
    return re.sub(r"\\(.)", lambda m: {"n": "\n", "t": "\t"}.get(m.group(1), m.group(1)), text)


def translations(language):
    """{English: translation} of a catalog, both as the program prints them."""
    return {unescaped(m): unescaped(t) for _, m, t in entries(PO / f"{language}.po")}


def columns(line):
    """How many terminal columns a line takes: East Asian wide characters take two."""
    return sum(2 if unicodedata.east_asian_width(c) in "WF" else 1 for c in line)


class CatalogsTest(unittest.TestCase):
    def test_the_template_is_made_from_the_sources(self):
        done = subprocess.run(["bash", str(ROOT / "scripts" / "update-pot.sh"), "--check"],
                              capture_output=True, text=True)
        self.assertEqual(done.returncode, 0, done.stdout + done.stderr)

    def test_every_catalog_compiles_translates_and_keeps_placeholders(self):
        self.assertGreaterEqual(len(LANGUAGES), 12)
        template = {(c, m) for c, m, _ in entries(PO / "ondavi.pot")}
        for language in LANGUAGES:
            path = PO / f"{language}.po"
            with self.subTest(language=language):
                done = subprocess.run(["msgfmt", "--check", "-o", "/dev/null", str(path)],
                                      capture_output=True, text=True)
                self.assertEqual(done.returncode, 0, done.stderr)
                catalog = entries(path)
                self.assertEqual({(c, m) for c, m, _ in catalog}, template)
                for context, english, translated in catalog:
                    if english in UNTRANSLATED:
                        continue
                    self.assertTrue(translated, english)
                    self.assertEqual(sorted(re.findall(r"%\d", english)),
                                     sorted(re.findall(r"%\d", translated)), english)
                    for word in re.findall(r"--?[a-z]+(?=[ ,:\]'\"]|$)", english):
                        self.assertIn(word, translated, english)


    def test_the_help_fits_80_columns_in_its_two_columns(self):
        for language in LANGUAGES:
            for english, translated in translations(language).items():
                if "\n" not in english:
                    continue
                lines = translated.rstrip("\n").split("\n")
                with self.subTest(language=language, text=english[:20]):
                    for line in lines:
                        self.assertLessEqual(columns(line), 80, line)
                        self.assertNotIn(line.lstrip()[:1] or " ", "。、，；：）」』”", line)
                    if english.startswith("Usage:"):  # the program's name one under the other
                        self.assertEqual(len({columns(line[:line.index("ondavi")])
                                              for line in lines}), 1, translated)
                    if english.startswith("Options:"):  # descriptions start in one column
                        starts = set()
                        for line in lines[1:]:
                            option = re.match(r"  (-\S.*?)  +(?=\S)", line)
                            lead = option.group(0) if option else re.match(r" *", line).group(0)
                            starts.add(columns(lead))
                        self.assertEqual(len(starts), 1, translated)

    def test_the_words_a_teacher_corrected(self):
        for language, english, said, unsaid in WORDS:
            translated = translations(language)[english]
            with self.subTest(language=language, text=english):
                for word in said:
                    self.assertIn(word, translated)
                for word in unsaid:
                    self.assertNotIn(word, translated + " ")
        # A step's number and the count of steps never read as the language's own fraction.
        for language in LANGUAGES:
            words = translations(language)
            heading, fraction = words["Step %1 of %2: %3"], words["%1 over %2"]
            with self.subTest(language=language):
                for reading in (fraction, "%1/%2", "%1 / %2"):
                    self.assertNotIn(reading, heading)

    def test_french_spaces_and_german_quotes(self):
        for english, translated in translations("fr").items():
            if english.endswith(";"):  # the desktop's list of keywords
                continue
            translated = re.sub(r"ondavi: \S+: \S+", "", translated)  # the program's own lines
            with self.subTest(text=english[:30]):
                for wrong in (r" [:;?!»]", r"(?<![ \u00a0\u202f])[;?!]", r"« ",
                              rf"«(?![{NO_BREAK}])", rf"(?<![{NO_BREAK}])»",
                              rf"(?<![{NO_BREAK}]):(?= |$)"):
                    self.assertIsNone(re.search(wrong, translated), (wrong, translated))
        for english, translated in translations("de").items():
            with self.subTest(text=english[:30]):
                self.assertNotRegex(translated, "[\"“”'](?=\\w|-)")  # opens with „ only
                self.assertEqual(translated.count("„"), translated.count("“"), translated)

    def test_the_store_description_is_built_in_every_language(self):
        with tempfile.TemporaryDirectory() as folder:
            built = pathlib.Path(folder) / "metainfo.xml"
            done = subprocess.run(
                ["msgfmt", "--xml", "--template",
                 str(ROOT / "packaging" / "com.pellworth.Ondavi.metainfo.xml"), "-d", str(PO),
                 "-o", str(built)], capture_output=True, text=True)
            self.assertEqual(done.returncode, 0, done.stderr)
            xml = built.read_text(encoding="utf-8")
        for language in LANGUAGES:
            with self.subTest(language=language):
                self.assertEqual(xml.count(f'<p xml:lang="{language}">'), 2)
                self.assertEqual(xml.count(f'<summary xml:lang="{language}">'), 1)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
