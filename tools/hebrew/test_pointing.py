#!/usr/bin/python3
"""Tests of tools/hebrew/pointing.py: the full-spelling alignment, the
comparison of pointings, the stress rules and the reading of
transliterations, table by table; the choice among the real sources for
words whose pointing is beyond doubt; a build of entries the reviewed
table does not know; and the reviewed table itself.

    /usr/bin/python3 tools/hebrew/test_pointing.py
"""
import csv, os, stat, sys, tempfile, unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import check_pointing  # noqa: E402
import pointing  # noqa: E402

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")


class FullSpelling(unittest.TestCase):
    def test_defective_pointing_takes_the_letters_of_full_spelling(self):
        cases = [
            ("סִפֵּר", "סיפר", "סִיפֵּר"),  # hiriq written with a yod
            ("סֻכֶּרֶת", "סוכרת", "סוּכֶּרֶת"),  # qubuts becomes shuruk
            ("רֹתֶם", "רותם", "רוֹתֶם"),  # holam becomes holam male
            ("שֻׁלְחָן", "שולחן", "שׁוּלְחָן"),
            ("תִּקְוָה", "תקווה", "תִּקְוָוה"),  # consonantal vav doubled
            ("עִנְיָן", "עניין", "עִנְיָין"),  # consonantal yod doubled
            ("מִצְוֹת", "מצוות", "מִצְווֹת"),  # vav + o: the second vav is the holam
            ("כִּוּוּן", "כיוון", "כִּיוּוּן"),
            ("חִיֵּךְ", "חייך", "חִייֵּךְ"),  # the hiriq's yod before the consonant
            ("מְשֻׁוגָּע", "משוגע", "מְשׁוּגָּע"),  # a bare vav after its qubuts
            ("בֵּית סֵפֶר", "בית ספר", "בֵּית סֵפֶר"),  # word by word
            ("סֵפֶר", "ספרים", None),
            ("בֵּית סֵפֶר", "ביתספר", None),
        ]
        for pointed, letters, expected in cases:
            with self.subTest(pointed=pointed, letters=letters):
                self.assertEqual(pointing.to_full(pointed, letters), expected)

    def test_a_hiriq_before_a_doubled_yod_is_written_one_way(self):
        cases = [("עֲלִיָּיה", "עֲלִייָּה"), ("חֲנִיַּית", "חֲנִייַּת"), ("רְאִיָּיה עֵד", "רְאִייָּה עֵד"),
                 ("סִייֵּם", "סִייֵּם"), ("טִבְעִיִּים", "טִבְעִיִּים")]  # the last: a yod with its own hiriq
        for pointed, expected in cases:
            with self.subTest(pointed=pointed):
                self.assertEqual(pointing.clean(pointed), expected)

    def test_cantillation_and_meteg_are_dropped(self):
        self.assertEqual(pointing.clean("בְּרֵאשִׁ֖ית"), "בְּרֵאשִׁית")
        self.assertEqual(pointing.clean("הָֽאָרֶץ"), "הָאָרֶץ")


class Comparison(unittest.TestCase):
    def test_pointings_agree_when_they_say_the_same_vowels(self):
        cases = [
            ("סֵפֶר", "ספֶר", False),  # a vowel left out is a difference
            ("שָׁמַר", "שָמַר", True),  # a shin dot left out is not
            ("הִכְתִּיב", "הִכְתִיב", True),  # nor a dagesh
            ("רוּחַ", "רוּח", True),  # nor a furtive patah
            ("הַצְלָחָה", "הַצלָחָה", True),  # nor a sheva
            ("שָׁמַר", "שָׂמַר", False),  # shin against sin
            ("סֵפֶר", "סִפֵּר", False),
            ("כׇּל", "כָּל", True),  # qamats qatan is a qamats
            ("סֵפֶר", "סְפָרִים", False),
        ]
        for a, b, expected in cases:
            with self.subTest(a=a, b=b):
                self.assertEqual(pointing.compatible(a, b), expected)
                self.assertEqual(pointing.compatible(b, a), expected)

    def test_a_letter_wiktionary_leaves_bare_is_no_disagreement(self):
        cases = [("רַחוּם", "רחוּם", True), ("סֵפֶר", "ספֶר", True), ("שֵׁם פְּעוּלָּה", "שֵׁם פְּעוּלּה", True),
                 ("סֵפֶר", "סִפֶר", False), ("כַּוָּונָה", "כַּווָּנָה", False)]
        for ours, theirs, expected in cases:
            with self.subTest(ours=ours, theirs=theirs):
                self.assertEqual(check_pointing.agrees(ours, theirs), expected)

    def test_article_and_conjunction_come_off(self):
        cases = [
            (pointing.strip_article, "הַשּׁוּלְחָן", "שׁוּלְחָן"),
            (pointing.strip_article, "הַבַּיִת", "בַּיִת"),  # a begadkefat letter keeps its dagesh
            (pointing.strip_article, "הָאִישׁ", "אִישׁ"),
            (pointing.strip_article, "הֲלִיכָה", None),  # a hataf is no article
            (pointing.strip_conjunction, "וּבַיִת", "בַּיִת"),
            (pointing.strip_conjunction, "וְשָׁלוֹם", "שָׁלוֹם"),
            (pointing.strip_conjunction, "וִילוֹן", None),
        ]
        for strip, pointed, expected in cases:
            with self.subTest(pointed=pointed):
                self.assertEqual(strip(pointed), expected)

    def test_infinitives_have_their_binyan_shape(self):
        cases = [
            ("לִכְתּוֹב", "Paal", True), ("לָקוּם", "Paal", True), ("לְרַצּוֹת", "Paal", False),
            ("לְדַבֵּר", "Piel", True), ("לְחֵלֶק", "Piel", False), ("לְעוֹדֵד", "Piel", True),
            ("לְהַזְמִין", "Hifil", True), ("לְהִתְלַבֵּשׁ", "Hitpael", True), ("לְהִיכָּנֵס", "Nifal", True),
            ("לְהִתְלַבֵּשׁ", "Hifil", False),
        ]
        for pointed, binyan, expected in cases:
            with self.subTest(pointed=pointed, binyan=binyan):
                self.assertEqual(pointing.infinitive_fits(pointed, binyan), expected)


class Stress(unittest.TestCase):
    def test_rule(self):
        cases = [
            ("שָׁלוֹם", 1), ("סֵפֶר", 2), ("בּוֹקֶר", 2), ("מַחְבֶּרֶת", 2), ("נַעַר", 2), ("שֶׁבַע", 2),
            ("בַּיִת", 2), ("יָדַיִם", 2), ("צָהֳרַיִים", 2), ("רוּחַ", 2), ("צֶוֶות", 2), ("מוֹרֶה", 1),
            ("אַתֶּם", 1), ("אֶת", 1), ("סִיפֵּר", 1), ("כִּיוּוּן", 1),
        ]
        for pointed, expected in cases:
            with self.subTest(pointed=pointed):
                self.assertEqual(pointing.rule_stress(pointed), expected)

    def test_transliterations_mark_the_syllable_counted_from_the_end(self):
        cases = [("séfer", 2), ("rúakh", 2), ("báyit", 2), ("matáy", 1), ("télefon", 3), ("sfarym", None),
                 ("sé-fér", None)]
        for text, expected in cases:
            with self.subTest(text=text):
                self.assertEqual(pointing.marked_stress(text), expected)

    def test_transliteration_and_pointing_count_the_same_syllables(self):
        # a furtive patah is a syllable on both sides: rúakh has two
        cases = [("רוּחַ", "rúakh"), ("תַּפּוּחַ", "tapúakh"), ("בַּיִת", "báyit"), ("שָׁלוֹם", "shalóm"),
                 ("טֶלֶפוֹן", "télefon")]
        for pointed, text in cases:
            with self.subTest(pointed=pointed):
                self.assertEqual(pointing.count_syllables(pointed), sum(c in "aeiouáéíóú" for c in text))
                if pointed != "טֶלֶפוֹן":  # a loanword: the rule does not know it
                    self.assertEqual(pointing.rule_stress(pointed), pointing.marked_stress(text))


class Sources(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.pointer = pointing.Pointer(ROOT)

    def test_type_and_binyan_tell_homographs_apart(self):
        cases = [
            ("ספר", "word", "Noun", "", "סֵפֶר"),
            ("סיפר", "word", "Verb", "Piel", "סִיפֵּר"),
            ("שולחן", "word", "Noun", "", "שׁוּלְחָן"),  # not the construct שׁוּלְחַן
            ("למד", "word", "Verb", "Paal", "לָמַד"),  # not Wiktionary's pi'el לִמֵּד
            ("לכתוב", "infinitive", "Verb", "Paal", "לִכְתּוֹב"),
            ("ספרים", "plural", "Noun", "", "סְפָרִים"),
        ]
        for letters, role, word_type, binyan, expected in cases:
            with self.subTest(letters=letters, role=role):
                choice = self.pointer.choose(letters, role, word_type, binyan)
                self.assertEqual(choice.pointed, expected)
                self.assertEqual(pointing.letters_of(choice.pointed), letters)

    def test_entries_the_table_does_not_know_are_pointed_and_reported_unreviewed(self):
        labels = {1: "Noun", 2: "Verb"}
        entries = [{"id": 1, "word": "זזזקק", "type": 1, "plural": "", "infinitive": "", "binyan": ""},
                   {"id": 2, "word": "כתב", "type": 2, "plural": "", "infinitive": "לכתוב", "binyan": "Paal"},
                   {"id": 3, "word": "בית ספר", "type": 1, "plural": "", "infinitive": "", "binyan": ""}]
        with tempfile.TemporaryDirectory() as out, tempfile.TemporaryFile("w+", encoding="utf-8") as log:
            stderr, sys.stderr = sys.stderr, log
            try:
                pointing.point_entries(entries, ROOT, labels, out)
            finally:
                sys.stderr = stderr
            with open(os.path.join(out, "hebrew-stress.tsv"), encoding="utf-8") as f:
                stress = [line.rstrip("\n").split("\t") for line in f if not line.startswith("#")]
            log.seek(0)
            text = log.read()
        self.assertEqual(entries[0]["word"], "זזזקק")  # no source: left as it is
        self.assertIn("not pointed: זזזקק Noun word", text)
        self.assertIn("unreviewed: זזזקק Noun", text)
        self.assertEqual(entries[1]["word"], "כָּתַב")  # the table has it
        self.assertEqual(entries[1]["infinitive"], "לִכְתּוֹב")
        self.assertNotIn("unreviewed: כתב Verb", text)
        self.assertEqual([row[0] for row in stress], ["2", "3"])
        self.assertEqual(stress[1][1:3], ["בֵּית סֵפֶר", "1 2"])


class Pronunciation(unittest.TestCase):
    def fake_cli(self, folder, body):
        cli = os.path.join(folder, "cli")
        with open(cli, "w", encoding="utf-8") as f:
            f.write("#!/bin/sh\n" + body + "\n")
        os.chmod(cli, os.stat(cli).st_mode | stat.S_IEXEC)
        return cli

    def test_words_go_to_the_tool_with_its_count_of_the_stress_and_phrases_come_back_whole(self):
        entries = [{"word": "בֵּית סֵפֶר", "stress": "1 2"}, {"word": "רוּחַ", "stress": "2"},
                   {"word": "מַפְתֵּחַ", "stress": "2"}, {"word": "ספר"}]
        with tempfile.TemporaryDirectory() as folder:
            # a stand-in that writes back each word and the stress it was given
            pointing.transliterate(entries, self.fake_cli(folder, "sed 's/\\t/:/'"))
        self.assertEqual([e.get("pronunciation") for e in entries],
                         ["בֵּית:1 סֵפֶר:2", "רוּחַ:1", "מַפְתֵּחַ:1", None])

    def test_a_tool_that_fails_or_is_missing_stops_the_build(self):
        with tempfile.TemporaryDirectory() as folder:
            for cli in (self.fake_cli(folder, "echo 'line 1: no points' >&2; exit 1"), os.path.join(folder, "none")):
                with self.subTest(cli=cli), self.assertRaises(pointing.TransliterationError):
                    pointing.transliterate([{"word": "סֵפֶר", "stress": "2"}], cli)


class EngineComparison(unittest.TestCase):
    def test_verbs_are_compared_with_the_engines_pointing_given_letters_and_points(self):
        output = "Pattern: Paal\n0x00020\tלכתוב\tלִכְתּוֹב\tlichtóv\n0x11005\tכתב\tכָּתַב\tkatáv\n"
        entries = [{"id": "1", "type": "Verb", "word": "כָּתַב", "infinitive": "לִכְתּוֹב"},
                   {"id": "2", "type": "Verb", "word": "כִּתֵּב", "infinitive": "לְכַתֵּב"},
                   {"id": "3", "type": "Noun", "word": "כְּתָב", "infinitive": ""}]
        with tempfile.TemporaryDirectory() as folder:
            cli = os.path.join(folder, "cli")  # points every verb as כָּתַב
            with open(cli, "w", encoding="utf-8") as f:
                f.write("#!/bin/sh\nprintf '%s'\n" % output)
            os.chmod(cli, os.stat(cli).st_mode | stat.S_IEXEC)
            count, found = check_pointing.compare_verbs(cli, entries)
        self.assertEqual(count, 2)
        self.assertEqual(found["letters"], ["2 word letters: כִּתֵּב, engine כָּתַב",
                                            "2 infinitive letters: לְכַתֵּב, engine לִכְתּוֹב"])
        self.assertEqual(len(found["points"]), 2)


class ReviewedTable(unittest.TestCase):
    def test_rows_keep_the_letters_of_their_entry(self):
        path = os.path.join(ROOT, "data", "hebrew-pointing.tsv")
        with open(path, encoding="utf-8") as f:
            rows = list(csv.DictReader((line for line in f if not line.startswith("#")), delimiter="\t"))
        self.assertGreater(len(rows), 1500)
        for row in rows:
            with self.subTest(word=row["word"], type=row["type"]):
                self.assertEqual(pointing.letters_of(row["pointed"]), row["word"])
                for column in ("pointed", "plural", "infinitive"):
                    self.assertEqual(pointing.clean(row[column]), row[column])
                self.assertTrue(pointing.is_pointed(row["pointed"]))
                words = row["pointed"].split(" ")
                self.assertEqual(len(row["stress"].split(" ")), len(words))
                for number, word in zip(row["stress"].split(" "), words):
                    self.assertTrue(1 <= int(number) <= max(1, pointing.count_syllables(word)))
                    parts = pointing.split(word)
                    if pointing.is_furtive(parts, len(parts) - 1):  # the furtive patah is never stressed
                        self.assertGreater(int(number), 1)


if __name__ == "__main__":
    unittest.main()
