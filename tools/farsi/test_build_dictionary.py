#!/usr/bin/python3
"""Tests of the Persian data build: spelling, transcription, verb forms and
stems, the counting of a word's forms on small made-up sources, and the
numbering of entries from one build to the next.

    /usr/bin/python3 -m unittest discover -s tools/farsi -p 'test_*.py'
"""
import os, sys, tempfile, unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import build_dictionary as b  # noqa: E402
import extract_sources  # noqa: E402
from persian import ZWNJ, joined, key, latin, normalise  # noqa: E402


class Spelling(unittest.TestCase):
    def test_normalise(self):
        for text, expected in [("كتاب ي", "کتاب ی"), ("می خواهم", "می" + ZWNJ + "خواهم"),
                               ("کتاب ها", "کتاب" + ZWNJ + "ها"), ("در" + ZWNJ + "ها", "درها"),
                               ("لطفًا", "لطفاً"), ("كِتاب", "کتاب"), ("خانۀ", "خانه"), ("  آب ‌ ", "آب"),
                               ("حالت\u200f؟", "حالت")]:
            with self.subTest(text=text):
                self.assertEqual(normalise(text), expected)

    def test_key_ignores_what_subtitles_leave_out(self):
        self.assertEqual(key("می" + ZWNJ + "روم"), key("میروم"))
        self.assertEqual(key("متأسفم"), key("متاسفم"))
        self.assertEqual(key("واقعاً"), key("واقعا"))

    def test_joined(self):
        self.assertEqual(joined("کتاب", "ها"), "کتاب" + ZWNJ + "ها")
        self.assertEqual(joined("در", "ها"), "درها")

    def test_latin(self):
        for text, expected in [("xâne", "xâne"), ("xāna", "xâna"), ("dast kashidan", "dast kašidan"),
                               ("darkhaast daadan", "darxâst dâdan"), ("ŝodan", "šodan"), ("četóri?", "četori"),
                               ("sâl-e nou", "sâl-e now"), ("sar-e-ham kardan", "sar-e ham kardan"),
                               ("mi-xâham", "mixâham"), ("'axbâr", "axbâr"), ("âšnâ or âšenâ", "âšnâ"),
                               ("xayli", "xeyli"), ("ğazâ", "qazâ"), ("کتاب", ""), ("ʃɒh", "šâh"), ("ʔâb", "")]:
            with self.subTest(text=text):
                self.assertEqual(latin(text), expected)

    def test_dari_final_a_is_said_e(self):
        self.assertEqual(b.latin_of("غنچه", "qonĉa"), "qonče")
        self.assertEqual(b.latin_of("دریا", "daryâ"), "daryâ")


class VerbForms(unittest.TestCase):
    def test_prefixes(self):
        for prefix, stem, form in [("ب", "آ", "بیا"), ("ن", "افتاد", "نیفتاد"), ("می", "آ", "میآ"), ("ب", "کن", "بکن")]:
            self.assertEqual(b.with_prefix(prefix, stem), form)

    def test_present_and_past(self):
        forms, bare = b.present_forms("کن")
        self.assertTrue({"میکنم", "نمیکنه", "بکن", "بکنید", "نکنن"} <= forms)
        self.assertIn("کنم", bare)
        self.assertNotIn("کنم", forms)
        self.assertTrue({"رفتم", "نرفت", "میرفتیم", "رفته", "نرفتهاند", "رفتن"} <= b.past_forms("رفت"))
        self.assertEqual(b.present_forms("د")[1], set())

    def test_stems(self):
        verbs = b.Verbs({"کرد": ["کن"], "گشت": ["گرد"], "رفت": ["رو", "روب"]}, {"میروم": 5, "میروبم": 1})
        for infinitive, stems in [("کار کردن", ("کار کرد", "کار کن")), ("برگشتن", ("برگشت", "برگرد")),
                                  ("پرسیدن", ("پرسید", "پرس")), ("رفتن", ("رفت", "رو")), ("مردم", None),
                                  ("خوردن", None)]:
            with self.subTest(infinitive=infinitive):
                self.assertEqual(verbs.stems(infinitive), stems)


class Meanings(unittest.TestCase):
    def test_split_items(self):
        self.assertEqual(b.split_items("آب /âb, ow/, نان (a, b); سلام [x, y]"),
                         ["آب /âb, ow/", "نان (a, b)", "سلام [x, y]"])

    def test_english_meanings(self):
        senses = [b.Sense(e, b.VERB, "", place, "") for e, place in
                  [("wish", 1), ("want", 0), ("want", 2), ("can", 0), ("desire", 3), ("ask for", 1)]]
        self.assertEqual(b.english_meanings(senses, b.VERB), ["to want", "can", "to wish", "to ask for"])

    def test_without_repeats_keeps_the_richer_or_preferred_type(self):
        white = [b.Sense("white", b.NOUN, "", 0, "")], [b.Sense("white", b.ADJECTIVE, "", 0, "")]
        good = [b.Sense("good", b.NOUN, "", 0, "")], [b.Sense("good", b.ADJECTIVE, "", 0, ""),
                                                      b.Sense("fine", b.ADJECTIVE, "", 0, "")]
        kept = b.without_repeats([("سفید", b.NOUN, white[0]), ("سفید", b.ADJECTIVE, white[1]),
                                  ("خوب", b.NOUN, good[0]), ("خوب", b.ADJECTIVE, good[1])])
        self.assertEqual([(w, t) for w, t, _ in kept], [("سفید", b.ADJECTIVE), ("خوب", b.ADJECTIVE)])


def write_file(folder, name, text):
    path = os.path.join(folder, name)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8") as f:
        f.write(text)
    return path


class Counting(unittest.TestCase):
    """Builds from small sources: کتاب and its plural, کردن and کندن sharing
    the present stem کن, a spoken form, and a set phrase."""

    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        d = self.folder.name
        write_file(d, "fa_50k.txt", "کتاب 6\nكتابها 4\nمیکنم 10\nکردم 5\nاون 3\nببخشید 8\n، 100\n")
        write_file(d, "en-fa-enwiktionary.txt", "book {n} (printed) :: کِتاب /ketâb/\ndo {v} :: کردن /kardan/\n"
                   "dig {v} :: کندن /kandan/\nthat {pron} :: آن /ân/\nexcuse me {phrase} :: ببخشید /bebaxšid/\n"
                   "forgive {v} :: بخشیدن /baxšidan/\nthe Shah {prop} :: شاه /šâh/\n")
        write_file(d, "hazm/verbs.dat", "کرد#کن\nکند#کن\nبخشید#بخش\n")
        write_file(d, "hazm/words.dat", "کتاب\t1\tN\n")
        self.saved = b.SOURCES, b.COLLOQUIAL
        b.SOURCES, b.COLLOQUIAL = d, write_file(d, "colloquial.tsv", "kind\tform\tlemma\nword\tاون\tآن\n")
        self.builder = b.Builder()

    def tearDown(self):
        b.SOURCES, b.COLLOQUIAL = self.saved
        self.folder.cleanup()

    def test_counts(self):
        counts = self.builder.counts
        self.assertEqual(self.builder.total, 36)
        self.assertEqual(counts["کتاب"], 10)
        self.assertAlmostEqual(counts["کردن"], 5 + 10 * 6 / 7)
        self.assertAlmostEqual(counts["کندن"], 10 / 7)
        self.assertEqual(counts["آن"], 3)
        self.assertEqual(counts["ببخشید"], 8)
        self.assertNotIn("شاه", self.builder.wiktionary)

    def test_entries(self):
        entries = {(e["word"], e["type"]): e for e in self.builder.build({})}
        self.assertEqual(entries["کتاب", b.NOUN]["plural"], "کتاب" + ZWNJ + "ها")
        self.assertEqual(entries["کتاب", b.NOUN]["pronunciation"], "ketâb")
        self.assertEqual((entries["کردن", b.VERB]["past"], entries["کردن", b.VERB]["present"]), ("کرد", "کن"))
        self.assertEqual(entries["ببخشید", b.OTHER]["translation"], "excuse me")


class Numbering(unittest.TestCase):
    def entry(self, word, word_type, rank):
        return {"word": word, "type": word_type, "flags": 0, "translation": word, "plural": "", "pronunciation": "",
                "said_by": "", "past": "", "present": "", "frequency": "", "rank": rank}

    def test_numbers_survive_a_rebuild(self):
        with tempfile.TemporaryDirectory() as d:
            sample = write_file(d, "sample.tsv", "word\ttype\tflags\ttranslation\nآب\tNoun\t0\twater\n"
                                                 "نان\tNoun\t0\tbread\n")
            entries = [self.entry("نان", b.NOUN, 5), self.entry("که", b.CONJUNCTION, 90),
                       self.entry("آنها", b.PRONOUN, 40), self.entry("آب", b.NOUN, 7)]
            b.assign_ids(entries, b.read_previous(sample))
            self.assertEqual({e["word"]: e["id"] for e in entries}, {"آب": 1, "نان": 2, "که": 101, "آنها": 102})
            os.mkdir(os.path.join(d, "out"))
            b.write(entries, os.path.join(d, "out"))
            again = [self.entry("آنها", b.PRONOUN, 40), self.entry("تو", b.PRONOUN, 95), self.entry("آب", b.NOUN, 7)]
            b.apply_overrides(again, [{"word": "آنها", "type": b.PRONOUN, "spelling": "آن‌ها"}], None)
            b.assign_ids(again, b.read_previous(os.path.join(d, "out", "farsi.tsv")))
            self.assertEqual({e["word"]: e["id"] for e in again}, {"آب": 1, "آن‌ها": 102, "تو": 103})

    def test_overrides(self):
        entries = [self.entry("در", b.NOUN, 9), self.entry("در", b.PREPOSITION, 9), self.entry("کی", b.ADVERB, 3)]
        rows = [{"word": "در", "type": b.NOUN, "action": "delete"},
                {"word": "در", "type": b.PREPOSITION, "translation": "in, at", "plural": "-"},
                {"word": "کی", "type": b.ADVERB, "pronunciation": "key"}]
        entries = b.apply_overrides(entries, rows, None)
        self.assertEqual([(e["word"], e["type"], e["translation"]) for e in entries],
                         [("در", b.PREPOSITION, "in, at"), ("کی", b.ADVERB, "کی")])
        self.assertEqual((entries[1]["pronunciation"], entries[1]["said_by"]), ("key", "review"))
        with self.assertRaises(SystemExit):
            b.apply_overrides(entries + [self.entry("که", b.ADVERB, 1)],
                              [{"word": "که", "type": b.ADVERB, "spelling": "کی"}], None)


class Phrases(unittest.TestCase):
    def test_compose_pronunciations(self):
        def entry(word, said, rank=1):
            return {"word": word, "type": b.NOUN, "pronunciation": said, "said_by": "Wiktionary", "rank": rank}

        words = [entry("به", "be"), entry("خاطر", "xâter"), entry("دست", "dast"), entry("کشیدن", "kešidan"),
                 entry("آن", "ân"), entry("یکی", "yeki")]
        phrases = [entry("به خاطر", "be xâter-e"), entry("دست کشیدن", "dast kashidan"), entry("آن یکی", "ânyeki"),
                   entry("ناشناس آن", "nâšenâs ân"), entry("دست آن", "dast-e un")]
        b.compose_pronunciations(words + phrases, {("دست آن", b.NOUN)})
        self.assertEqual([e["pronunciation"] for e in phrases],
                         ["be xâter-e", "dast kešidan", "ân yeki", "nâšenâs ân", "dast-e un"])
        self.assertEqual(phrases[1]["said_by"], "its words")


class Extract(unittest.TestCase):
    def test_tagged_words(self):
        self.assertEqual(list(extract_sources.tagged_words(["آب\t5\tN\n", "آبا\t0\t0\n", "آباد\t2\tN,AJ"])),
                         ["آب\t5\tN\n", "آباد\t2\tN,AJ\n"])


if __name__ == "__main__":
    unittest.main()
