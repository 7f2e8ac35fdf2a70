#!/usr/bin/python3
"""Checks of the Hebrew data tools that need neither hspell nor a build:
how counts reach entries, and which `analyse` readings the coverage counts.

    /usr/bin/python3 -m unittest discover -s tools/hebrew -p 'test_*.py'
"""
import os, stat, sys, tempfile, unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import build_dictionary as bd  # noqa: E402
import coverage  # noqa: E402

# בשביל: "for", or ב + שביל "path"; שביל: "path"
READINGS = {"בשביל": [("", "בשביל", ("x",)), ("ב", "שביל", ("ע", "ז"))], "שביל": [("", "שביל", ("ע", "ז"))]}
FREQUENCY = [("בשביל", 900_000), ("שביל", 100_000)]


class Counts(unittest.TestCase):
    def test_a_form_that_is_an_entry_counts_for_it_alone(self):
        for entries, expected in (((), {"בשביל": 450_000, "שביל": 550_000}),
                                  ({"בשביל"}, {"בשביל": 900_000, "שביל": 100_000})):
            counts, _ = bd.lemma_counts(FREQUENCY, READINGS, entries)
            self.assertEqual(dict(counts), expected)

    def test_shares_and_given_frequencies(self):
        builder = bd.Builder.__new__(bd.Builder)
        builder.frequency, builder.form_readings = FREQUENCY, READINGS
        entries = [{"word": "בשביל", "type": bd.PREPOSITION}, {"word": "שביל", "type": bd.NOUN},
                   {"word": "שביל", "type": bd.VERB, "given_frequency": "25%"},
                   {"word": "בית ספר", "type": bd.NOUN}, {"word": "תודה רבה", "type": bd.ADVERB, "given_frequency": "180"}]
        builder.set_frequencies(entries)
        # a million tokens in all: counts are per million as they stand
        self.assertEqual([e["frequency"] for e in entries], [900_000, 75_000, 25_000, bd.PHRASE_FREQUENCY, 180])


class Coverage(unittest.TestCase):
    def test_only_whole_word_readings_of_an_entry_count(self):
        lines = ["ללכת\t2:0x00020:7", "בבקשה\t8:0x00000:0 + 1:0x00006:426", "חורף\t100:0x00000:0:חורף",
                 "אותה\t100:0x00000:0:אותה\t6:0x00000:70"]
        with tempfile.TemporaryDirectory() as folder:
            cli = os.path.join(folder, "cli")
            with open(cli, "w", encoding="utf-8") as f:
                f.write("#!/bin/sh\ncat >/dev/null\nprintf '%s\\n'\n" % "\\n".join(lines))
            os.chmod(cli, os.stat(cli).st_mode | stat.S_IEXEC)
            found = coverage.analysed(cli, "unused.dic", ["ללכת", "בבקשה", "חורף", "אותה"])
        self.assertEqual(found, {"ללכת": ["7"], "אותה": ["70"]})


if __name__ == "__main__":
    unittest.main()
