#!/usr/bin/python3
"""Checks the scoring of measure.py against the rules of README.md, and that
the alignment of the tool's lines with the key survives a token the tool
left out.

    /usr/bin/python3 -m unittest discover -s tools/gloss -p 'test_*.py'
"""
import os, sys, unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import measure  # noqa: E402

ROW = {"token": "וכשחזרו", "lemma": "חזר", "english": "to return|to go back"}
MARKER = {"token": "את", "lemma": "את", "english": "(object marker)|(marks a definite direct object)"}
PHRASE = {"token": "ספר", "lemma": "בית ספר", "english": "school"}


class Scoring(unittest.TestCase):
    def test_verdicts(self):
        cases = [  # row, gloss, lemma, verdict
            (ROW, "and+when+they returned", "ו+כש+חָזַר", "right"),  # the lemma, points ignored
            (ROW, "and+when+to go back", "ו+כש+שָׁב", "right"),  # an English gloss
            (ROW, "and+when+The Return (film)", "", "right"),  # case, article and note dropped
            (ROW, "and+when+came back", "בָּא", "wrong"),
            (ROW, "", "", "none"),
            (ROW, "וכשחזרו", "", "none"),  # only the token itself
            (MARKER, "(marks a definite direct object)", "", "right"),  # wholly in parentheses
            (MARKER, "you (f.)", "אַתְּ", "right"),  # the lemma's letters decide
            (PHRASE, "book", "סֵפֶר", "wrong"),
            (PHRASE, "school", "בֵּית סֵפֶר", "right"),
        ]
        for row, gloss, lemma, verdict in cases:
            with self.subTest(gloss=gloss, lemma=lemma):
                self.assertEqual(measure.score(row, gloss, lemma, row["token"]), verdict)

    def test_english_is_compared_without_articles_and_notes(self):
        for gloss, compared in (("To Go Back", "go back"), ("a book (volume)", "book"), ("the end", "end"),
                                ("(object marker)", "object marker"), ("another", "another")):
            with self.subTest(gloss=gloss):
                self.assertEqual(measure.english(gloss), compared)

    def test_a_token_left_out_is_not_glossed_and_the_rest_align(self):
        rows = [{"token": "א", "lemma": "x", "english": "a"}, {"token": "ב", "lemma": "y", "english": "b"},
                {"token": "ג", "lemma": "z", "english": "c"}]
        table = [("א", "a", "x"), ("ג", "c", "z")]
        self.assertEqual([v[1] for v in measure.measure_text(rows, table)], ["right", "none", "right"])


if __name__ == "__main__":
    unittest.main()
