#!/usr/bin/python3
"""Tests of the Russian dictionary build's own rules (stress, forms,
Wiktionary's markup, overrides, entry numbers), and of the committed
data/russian.tsv against them.

    /usr/bin/python3 -m unittest discover -s tools/russian -p 'test_*.py'
"""
import csv, os, sys, tempfile, unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import build_dictionary as b  # noqa: E402

A = b.ACUTE
ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")


def noun(word, flags, genitive="", plural="", fixed=False):
    e = b.new_entry(word, b.NOUN, 0)
    e.update(flags=flags, genitive=genitive, plural=plural, fixed=fixed)
    return e


class StressTest(unittest.TestCase):
    def test_transliteration_gives_the_stressed_vowel(self):
        cases = [("книга", "kníga", 0), ("вода", "vodá", 1), ("яблоко", "jábloko", 0),
                 ("яблоко", "yábloko", 0), ("ёлка", "jólka", 0), ("сестра", "sestrá", 1),
                 ("окно", "oknó", 1), ("выиграть", "výigrat'", 0),
                 # no accent, two accents, vowels that do not line up
                 ("книга", "kniga", None), ("книга", "kníǵá", None), ("книга", "knígaa", None)]
        for word, translit, place in cases:
            with self.subTest(translit=translit):
                self.assertEqual(b.translit_stress(word, translit), place)

    def test_marks_round_trip(self):
        for word, place, marked in [("книга", 0, "кни́га"), ("вода", 1, "вода́"), ("дом", 0, "дом"),
                                    ("ёлка", 0, "ёлка"), ("вода", 5, "вода")]:
            with self.subTest(word=word):
                self.assertEqual(b.stressed(word, place), marked)
                if marked != word:
                    self.assertEqual(b.stress_place(marked), place)
                    self.assertEqual(b.plain(marked), word)

    def test_which_words_need_a_mark(self):
        self.assertTrue(b.fully_stressed("до свида́ния"))
        self.assertFalse(b.fully_stressed("до свидания"))
        self.assertTrue(b.fully_stressed("что́-нибудь"))  # one word, one stress
        self.assertTrue(b.fully_stressed("всё-таки"))
        self.assertTrue(b.fully_stressed("как дела́"))
        self.assertFalse(b.needs_stress("стол"))


class FormStressTest(unittest.TestCase):
    """The genitive and plural are stressed only where the pattern is certain."""

    def test_patterns(self):
        M, F, N, S = b.MASCULINE, b.FEMININE, 0, b.SINGULAR
        cases = [
            ("ко́мната", F | S, "genitive", "комнаты", "ко́мнаты"),
            ("ко́мната", F | S, "plural", "комнаты", "ко́мнаты"),
            ("зда́ние", N | S, "plural", "здания", "зда́ния"),
            ("го́род", M | S, "plural", "города", "города́"),  # stressed -а plural
            ("учи́тель", M | S, "plural", "учителя", "учителя́"),
            ("коне́ц", M | S, "genitive", "конца", "конца́"),  # a vowel drops out
            ("звоно́к", M | S, "plural", "звонки", "звонки́"),
            ("окно́", N | S, "genitive", "окна", "окна́"),  # stressed ending
            ("вода́", F | S, "genitive", "воды", "воды́"),
            ("крова́ть", F | S, "plural", "кровати", "крова́ти"),
            ("любо́вь", F | S, "genitive", "любви", "любви́"),
            ("пальто́", N | S, "genitive", "пальто", "пальто́"),
            # left open: стол/стола́ or рестора́н/рестора́на, сло́во/слова́, окно́/о́кна, брат/бра́тья
            ("стол", M | S, "genitive", "стола", None),
            ("рестора́н", M | S, "plural", "рестораны", None),
            ("сло́во", N | S, "plural", "слова", None),
            ("окно́", N | S, "plural", "окна", None),
            ("брат", M | S, "plural", "братья", None),
        ]
        for word, flags, field, form, expected in cases:
            with self.subTest(word=word, field=field):
                e = noun(word, flags, fixed=word == "пальто́", **{field: form})
                self.assertEqual(b.form_stress(e, field), expected)


class WiktionaryMarkupTest(unittest.TestCase):
    def test_translations_split_outside_markup(self):
        line = ("делать [p]<impf>[/p] [c gray]/délat’/[/c], сделать [p]<pf>[/p] [c gray]/sdélat’/[/c]; "
                "\\[colloquial\\] псина [p]<f>[/p], над /nad/ (+ instrumental case), "
                "присниться /prisnít’sja/ [p]<pf>[/p] [c gray]/e.g., мне приснилось/[/c]")
        items = [b.parse_translation(i) for i in b.split_outside(line, ",;")]
        self.assertEqual([i.word for i in items], ["делать", "сделать", "псина", "над", "присниться"])
        self.assertEqual(items[0].tags, ["impf"])
        self.assertEqual(items[1].translit, "sdélat’")
        self.assertEqual(items[2].notes, ["colloquial"])
        self.assertEqual(items[3].translit, "nad")
        self.assertEqual(items[4].translit, "prisnít’sja")

    def test_aspect_partners_share_a_stem(self):
        for a, partner, same in [("делать", "сделать", True), ("решать", "решить", True), ("давать", "дать", True),
                                 ("ответить", "соответствовать", False), ("говорить", "сказать", False)]:
            with self.subTest(verb=a):
                self.assertEqual(b.similar_stems(a, partner), same)


class OverridesAndIdsTest(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()

    def tearDown(self):
        self.dir.cleanup()

    def write(self, name, text):
        path = os.path.join(self.dir.name, name)
        with open(path, "w", encoding="utf-8") as f:
            f.write(text)
        return path

    def test_overrides_correct_stress_delete_and_add(self):
        entries = [noun("стол", 5, "стола", "столы"), b.new_entry("ёлка", b.NOUN, 3),
                   b.new_entry("уж", b.NOUN, 2)]
        path = self.write("o.tsv", "# comment\nword\ttype\taction\tflags\ttranslation\tplural\tgenitive\tpartner\tde\tlemma\n"
                          "стол\tNoun\t\t\ttable\t\tстола́\t\tTisch\t\n"
                          "уж\tNoun\tdelete\t\t\t\t\t\t\t\n"
                          "елка\tNoun\t\t\t\t-\t\t\t\t\n"
                          "до свида́ния\t???\tadd\t0\tgoodbye\t\t\t\t\t\n")
        out = {e["word"]: e for e in b.apply_overrides(entries, path, lambda e, lemma: e.update(frequency=7))}
        self.assertEqual(sorted(out), sorted(["до свида́ния", "ёлка", "стол"]))
        self.assertEqual((out["стол"]["translation"], out["стол"]["genitive"], out["стол"]["de"]),
                         ("table", "стола́", "Tisch"))
        self.assertEqual(out["стол"]["plural"], "столы")
        self.assertEqual(out["ёлка"]["plural"], "")  # found by its typed spelling
        self.assertEqual(out["до свида́ния"]["frequency"], 7)

    def test_ids_survive_a_rebuild(self):
        # the first sample has no id column: its rows are 1, 2, ...
        previous = self.write("prev.tsv", "word\ttype\tflags\ttranslation\nдом\tNoun\t5\thouse\nёлка\tNoun\t6\tfir\n")
        entries = [b.new_entry(w, t, r) for w, t, r in [("я", b.PRONOUN, 0), ("дом", b.NOUN, 1), ("ёлка", b.NOUN, 9),
                                                         ("быть", b.VERB, 2)]]
        entries[0]["frequency"], entries[3]["frequency"] = 50000, 16000
        b.assign_ids(entries, previous)
        self.assertEqual([e["id"] for e in entries], [b.FIRST_NEW_ID, 1, 2, b.FIRST_NEW_ID + 1])
        b.write(entries, self.dir.name)
        again = [b.new_entry("ёлка", b.NOUN, 0), b.new_entry("новый", b.ADJECTIVE, 0), b.new_entry("быть", b.VERB, 1)]
        b.assign_ids(again, os.path.join(self.dir.name, "russian.tsv"))
        self.assertEqual([e["id"] for e in again], [2, b.FIRST_NEW_ID + 2, b.FIRST_NEW_ID + 1])


class CommittedDictionaryTest(unittest.TestCase):
    """data/russian.tsv as committed keeps the promises the build makes."""

    def test_every_word_and_form_shows_its_stress(self):
        with open(os.path.join(ROOT, "data", "russian.tsv"), encoding="utf-8") as f:
            rows = list(csv.DictReader(f, delimiter="\t"))
        self.assertTrue(3000 <= len(rows) <= 4000)
        self.assertEqual([r["id"] for r in rows[:50]], [str(i) for i in range(1, 51)])
        self.assertTrue(all(r["de"] for r in rows[:50]) and not any(r["de"] for r in rows[50:]))
        keys = [(b.folded(r["word"]), r["type"]) for r in rows]
        self.assertEqual(len(keys), len(set(keys)))
        for r in rows:
            for field in ("word", "partner", "genitive", "plural"):
                with self.subTest(id=r["id"], field=field):
                    self.assertTrue(b.fully_stressed(r[field]), r[field])
                    self.assertNotIn(A + A, r[field])


if __name__ == "__main__":
    unittest.main()
