#!/usr/bin/python3
"""Tests of the Arabic dictionary build.

    /usr/bin/python3 -m unittest discover -s tools/arabic -p 'test_*.py'
"""
import csv, io, os, sys, tempfile, unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import build_dictionary  # noqa: E402
import elixir  # noqa: E402
import morphology  # noqa: E402
import script  # noqa: E402
import wiktionary  # noqa: E402


class Case(unittest.TestCase):
    def assertSameWord(self, actual, expected):
        """Vocalised words compared with their marks in one order."""
        self.assertEqual(script.canonical(actual), script.canonical(expected))


class SpellingTest(Case):
    def test_notation_in_arabic_letters(self):
        cases = [
            ("katab", "كَتَب"), ("kitAb", "كِتَاب"), ("madrasaT", "مَدْرَسَة"), ("mas'alaT", "مَسْأَلَة"),
            ("su'Al", "سُؤَال"), ("sA'il", "سَائِل"), ("mas'Ul", "مَسْؤُول"), ("qirA'aT", "قِرَاءَة"),
            ("^say'", "شَيْء"), ("'akala", "أَكَلَ"), ("'islAm", "إِسْلَام"), ("ism", "اِسْم"),
            ("qur'An", "قُرْآن"), ("ma'Al", "مَآل"), ("'abadaN", "أَبَدًا"), ("hay'aT", "هَيْئَة"),
            ("yaqra'u", "يَقْرَأُ"), ("`adUw", "عَدُوّ"), ("kursIy", "كُرْسِيّ"), ("^giddaN", "جِدًّا"),
            ("ma^sY", "مَشَى"), ("'a.hyY", "أَحْيَا"), ("al-'Ana", "اَلْآنَ"), ("ar-ra^gul", "اَلرَّجُل"),
            ("taw'am", "تَوْأَم"), ("hA_dA", "هَاذَا"), ("l_ah", "لٰه"), (".hayATIy", "حَيَاتِيّ"),
        ]
        for notation, expected in cases:
            with self.subTest(notation=notation):
                self.assertSameWord(script.arabic(notation), expected)

    def test_spelling_agrees_with_elixirfm(self):
        # ElixirFM writes no sukun; every other mark and letter must agree
        with open(os.path.join(HERE, "testdata", "elixirfm-spellings.tsv"), encoding="utf-8") as f:
            pairs = [line.rstrip("\n").split("\t") for line in f if not line.startswith("#")]
        self.assertGreater(len(pairs), 200)
        for notation, theirs in pairs:
            with self.subTest(notation=notation):
                self.assertEqual(script.arabic(notation).replace(script.SUKUN, ""), theirs)

    def test_marks_folded_and_ordered(self):
        self.assertEqual(script.bare("الْآنَ"), "الآن")
        self.assertEqual(script.normalised("إِلَى"), "الى")
        self.assertEqual(script.normalised("مَدْرَسَةٌ"), "مدرسة")
        fatha_first = "ح" + script.FATHA + "ب" + script.FATHA + script.SHADDA
        shadda_first = "ح" + script.FATHA + "ب" + script.SHADDA + script.FATHA
        self.assertEqual(script.canonical(fatha_first), shadda_first)
        self.assertEqual(script.canonical(shadda_first), shadda_first)

    def test_transliteration(self):
        cases = [("كِتَاب", "kitāb"), ("يَكْتُبُ", "yaktubu"), ("مَدْرَسَة", "madrasa"), ("حَيَاة", "ḥayāh"),
                 ("الْآنَ", "al-ʾāna"), ("الشَّمْس", "aš-šams"), ("الَّذِي", "allaḏī"), ("مَرْحَبًا", "marḥaban"),
                 ("هٰذَا", "hāḏā"), ("مُسْتَشْفَى", "mustašfā"), ("كُرْسِيّ", "kursiyy"), ("صَبَاحُ الْخَيْرِ",
                                                                                    "ṣabāḥu al-ḵayri")]
        for word, expected in cases:
            with self.subTest(word=word):
                self.assertEqual(script.transliteration(word), expected)


class PatternTest(unittest.TestCase):
    def test_patterns_filled_with_a_root(self):
        cases = [
            ("FaCaL", "k t b", "katab"), ("HaFCaL", "k t b", "'aktab"), ("FiCL |< aT", "k t b", "kitbaT"),
            ("MaFCaL |< Iy", "k t b", "maktabIy"), ("IFtaCaL", "d k r", "iddakar"),
            ("IFtaCaL", "z h r", "izdahar"), ("IFtiCAL", ".s b r", "i.s.tibAr"),
            ("KaRDaS |< aT", "t r ^g m", "tar^gamaT"),
            ("_____ |< Iy", "bAbA", "bAbawIy"), ("al >| _____", "tibit", "at-tibit"),
            ("al >| _____", "qamar", "al-qamar"), ('"li-" >>| _____', "kay", "li-kay"),
            ("FuCLY |< At", "r q b", "ruqbayAt"),
        ]
        for pattern, root, expected in cases:
            with self.subTest(pattern=pattern, root=root):
                self.assertEqual(elixir.interpolate(pattern, root), expected)


class VerbTest(Case):
    # perfect stem, pattern, form, imperfect stem (form I) -> past, present
    VERBS = [
        ("katab", "FaCaL", "I", "ktub", "كَتَبَ", "يَكْتُبُ"),
        ("qAl", "FAL", "I", "qUl", "قَالَ", "يَقُولُ"),
        ("da`A", "FaCA", "I", "d`U", "دَعَا", "يَدْعُو"),
        ("ma^sY", "FaCY", "I", "m^sI", "مَشَى", "يَمْشِي"),
        ("nasI", "FaCI", "I", "nsY", "نَسِيَ", "يَنْسَى"),
        ("madd", "FaCL", "I", "mudd", "مَدَّ", "يَمُدُّ"),
        ("ra'Y", "FaCY", "I", "rY", "رَأَى", "يَرَى"),
        ("wa^gad", "FaCaL", "I", "^gid", "وَجَدَ", "يَجِدُ"),
        ("qara'", "FaCaL", "I", "qra'", "قَرَأَ", "يَقْرَأُ"),
        ("`allam", "FaCCaL", "II", "", "عَلَّمَ", "يُعَلِّمُ"),
        ("sammY", "FaCCY", "II", "", "سَمَّى", "يُسَمِّي"),
        ("nAdY", "FACY", "III", "", "نَادَى", "يُنَادِي"),
        ("'arAd", "HaFAL", "IV", "", "أَرَادَ", "يُرِيدُ"),
        ("'a`.tY", "HaFCY", "IV", "", "أَعْطَى", "يُعْطِي"),
        ("'a.habb", "HaFaCL", "IV", "", "أَحَبَّ", "يُحِبُّ"),
        ("'aw^gad", "HaFCaL", "IV", "", "أَوْجَدَ", "يُوجِدُ"),
        ("'Aman", "HACaL", "IV", "", "آمَنَ", "يُؤْمِنُ"),
        ("tamannY", "TaFaCCY", "V", "", "تَمَنَّى", "يَتَمَنَّى"),
        ("itta.sal", "IFtaCaL", "VIII", "", "اِتَّصَلَ", "يَتَّصِلُ"),
        ("i_htAr", "IFtAL", "VIII", "", "اِخْتَارَ", "يَخْتَارُ"),
        ("i^starY", "IFtaCY", "VIII", "", "اِشْتَرَى", "يَشْتَرِي"),
        ("ista.tA`", "IstaFAL", "X", "", "اِسْتَطَاعَ", "يَسْتَطِيعُ"),
        ("istamarr", "IstaFaCL", "X", "", "اِسْتَمَرَّ", "يَسْتَمِرُّ"),
        ("tar^gam", "KaRDaS", "I", "", "تَرْجَمَ", "يُتَرْجِمُ"),
        ("tazal^zal", "TaKaRDaS", "II", "", "تَزَلْزَلَ", "يَتَزَلْزَلُ"),
    ]

    def test_past_and_present(self):
        for stem, pattern, form, imperfect, past, present in self.VERBS:
            with self.subTest(stem=stem):
                self.assertSameWord(script.arabic(morphology.past(stem)), past)
                self.assertSameWord(script.arabic(morphology.present(stem, pattern, form, imperfect)), present)

    def test_verbal_nouns_of_derived_forms(self):
        cases = [("HaFAL", "IV", "r w d", "'arAd", "إِرَادَة"), ("FACY", "III", "n d w", "nAdY", "مُنَادَاة"),
                 ("IFtaCaL", "VIII", "w .s l", "itta.sal", "اِتِّصَال"),
                 ("HaFCaL", "IV", "w ^g d", "'aw^gad", "إِيجَاد"),
                 ("IstaFCaL", "X", "y q .z", "istayqa.z", "اِسْتِيقَاظ"),
                 ("FaCCY", "II", "s m w", "sammY", "تَسْمِيَة"),
                 ("HACaL", "IV", "' m n", "'Aman", "إِيمَان"), ("IFtaCaL", "VIII", "' _h _d", "itta_ha_d", "اِتِّخَاذ"),
                 ("KaRDaS", "I", "t r ^g m", "tar^gam", "تَرْجَمَة"), ("FaCaL", "I", "k t b", "katab", "")]
        for pattern, form, root, stem, expected in cases:
            with self.subTest(root=root, form=form):
                masdar = morphology.derived_masdar(pattern, form, root, stem)
                self.assertSameWord(script.arabic(masdar) if masdar else "", expected)

    def test_written_forms(self):
        kataba = morphology.verb_forms("kataba", "yaktubu", "FaCaL", "I")
        for form in ("كتب", "كتبت", "كتبوا", "كتبنا", "يكتب", "تكتبين", "يكتبون", "اكتب"):
            self.assertIn(form, kataba)
        qala = morphology.verb_forms("qAla", "yaqUlu", "FAL", "I")
        for form in ("قال", "قالت", "قالوا", "قلت", "يقول", "يقولون", "يقل"):
            self.assertIn(form, qala)
        self.assertNotIn("قل", qala)  # two letters: left out
        self.assertLess(qala["يقل"][1], qala["يقول"][1])  # the jussive is rarer
        ramaa = morphology.verb_forms("ramY", "yarmI", "FaCY", "I")
        for form in ("رمى", "رمت", "رموا", "رميت", "يرمي", "يرمون", "ترمين"):
            self.assertIn(form, ramaa)


class NounFormTest(unittest.TestCase):
    def test_forms_of_a_noun(self):
        forms = morphology.noun_forms("مدرسة", ["مدارس"], [], False)
        self.assertTrue(forms["مدرسة"][2])
        self.assertFalse(forms["مدرست"][2])  # only before a suffix: مدرستي
        self.assertTrue(forms["مدرست"][0])
        self.assertIn("مدارس", forms)
        self.assertLess(forms["مدرستان"][1], forms["مدرسة"][1])
        book = morphology.noun_forms("كتاب", ["كتب"], [], False)
        self.assertIn("كتابا", book)
        adjective = morphology.noun_forms("كبير", [], [], True)
        for form in ("كبيرة", "كبيرون", "كبيرين", "كبيرات"):
            self.assertIn(form, adjective)


class WiktionaryTest(Case):
    def test_items_of_a_line(self):
        self.assertEqual(wiktionary.split_items("مَاءٌ {m} /māʾ/; Hijazi: مويه /mōya/"), ["مَاءٌ {m} /māʾ/"])
        self.assertEqual(wiktionary.split_items("كتب /kátaba/, كاتب"), ["كتب /kátaba/", "كاتب"])
        self.assertEqual(wiktionary.split_items("مدرسة {f} /madrása/ (school, place)"),
                         ["مدرسة {f} /madrása/ (school, place)"])

    def test_vowels_from_a_transliteration(self):
        cases = [("كتاب", "kitāb", "كِتَاب"), ("مدرسة", "madrása", "مَدْرَسَة"), ("مدرس", "mudárris", "مُدَرِّس"),
                 ("جديد", "jadiid", "جَدِيد"), ("اختصار", "ixtiṣaar", "اِخْتِصَار"), ("آسف", "ʾāsif", "آسِف"),
                 ("مستشفى", "mustašfā", "مُسْتَشْفَى"), ("سيارة", "sayyāra", "سَيَّارَة"), ("جامعة", "jámʕa", ""),
                 ("بطن", "baṭn", "بَطْن"), ("كتاب", "k#tāb", "")]
        for word, translit, expected in cases:
            with self.subTest(word=word, translit=translit):
                self.assertSameWord(wiktionary.vocalise(word, translit), expected)

    def test_reading_backwards(self):
        text = ("book {n} (printed work) :: كتاب {m} /kitāb/, سفر {m}\n"
                "John {prop} (given name) :: جون /jōn/\n"
                "fuck {v} (vulgar) :: ناك\n"
                "go {v} (move) :: ذهب /ḏáhaba/ imperfect: يذهب /yaḏhabu/\n")
        with tempfile.NamedTemporaryFile("w", encoding="utf-8", suffix=".txt", delete=False) as f:
            f.write(text)
        try:
            names = set()
            senses = wiktionary.read(f.name, names)
        finally:
            os.unlink(f.name)
        self.assertEqual(names, {"جون"})
        self.assertEqual([s.english for s in senses["كتاب"]], ["book"])
        self.assertEqual(senses["كتاب"][0].genders, ["m"])
        self.assertNotIn("ناك", senses)
        self.assertTrue(senses["يذهب"][0].present)


def entry(word, word_type, **fields):
    e = build_dictionary.Entry(script.canonical(word), word_type)
    for name, value in fields.items():
        setattr(e, name, value)
    return e


class ReadingTest(unittest.TestCase):
    def setUp(self):
        self.builder = build_dictionary.Builder.__new__(build_dictionary.Builder)
        self.book = entry("كِتَاب", "Noun", plurals=["كُتُب"], prior=3.0)
        self.to = entry("لِ", "Prep.", core=True, prior=50.0)
        self.that = entry("أَنَّ", "Conj.", core=True, prior=50.0)
        self.index = {}
        for e in (self.book, self.to, self.that):
            for form, (suffixable, weight, alone) in self.builder.forms_of(e).items():
                self.index.setdefault(form, []).append((e, suffixable, weight, alone))

    def readings(self, form):
        return {script.bare(e.word): round(w, 3) for e, w in self.builder.analyses(form, self.index)}

    def test_clitics_taken_off(self):
        self.assertEqual(self.readings("كتاب"), {"كتاب": 1.0})
        self.assertEqual(self.readings("وبكتابه"), {"كتاب": 0.125})
        self.assertEqual(self.readings("الكتب"), {"كتاب": 0.125})  # the article and a plural
        self.assertEqual(self.readings("لك"), {"ل": 0.5})
        self.assertEqual(self.readings("لانه"), {"أن": 0.25})
        self.assertEqual(self.readings("كتابهم"), {"كتاب": 0.5})
        self.assertEqual(self.readings("سكتاب"), {})  # the future's س takes verbs only


ELIXIR_XML = """<?xml version="1.0" encoding="UTF-8"?>
<ElixirFM xmlns="http://ufal.mff.cuni.cz/pdt/pml/"><data><Cluster><Nest>
  <root>k t b</root>
  <ents>
    <Entry><morphs>FaCaL</morphs><entity><Verb><form>I</form><imperf>FCuL</imperf>
      <masdar><LM>FaCL</LM><LM>FiCAL |&lt; aT</LM></masdar></Verb></entity>
      <reflex><LM>write</LM><LM>inscribe</LM></reflex></Entry>
    <Entry><morphs>FiCAL</morphs><entity><Noun><plural>FuCuL</plural></Noun></entity>
      <reflex>book</reflex></Entry>
  </ents>
</Nest></Cluster></data></ElixirFM>
"""


class LexiconTest(unittest.TestCase):
    def test_patterns_only_file(self):
        with tempfile.TemporaryDirectory() as folder:
            path = os.path.join(folder, "moony-regular.elixir.xml")
            with open(path, "w", encoding="utf-8") as f:
                f.write(ELIXIR_XML)
            verb, noun = elixir.read(path)
        self.assertEqual((verb.pos, verb.form, verb.word, verb.root), ("Verb", "I", "katab", "k t b"))
        self.assertEqual(verb.forms["imperf"], ["ktub"])
        self.assertEqual(verb.forms["masdar"], ["katb", "kitAbaT"])
        self.assertEqual(verb.glosses, ["write", "inscribe"])
        self.assertEqual((noun.word, noun.forms["plural"], noun.glosses), ("kitAb", ["kutub"], ["book"]))


class BuildTest(unittest.TestCase):
    """The whole build on sources of a few words."""

    LEXICON = [
        ["moony-regular", "1", "k t b", "Verb", "I", "", "", "", "FaCaL", "katab", "", "", "ktub", "", "",
         "katb;kitAbaT", "write;inscribe"],
        ["moony-regular", "1", "k t b", "Noun", "", "", "", "", "FiCAL", "kitAb", "kutub", "", "", "", "", "",
         "book"],
        ["moony-regular", "1", "k t b", "Noun", "", "", "", "", "FiCAL |< aT", "kitAbaT", "kitAbAt", "", "", "", "",
         "", "writing"],
        ["moony-regular", "2", "b y t", "Noun", "", "", "", "", "FaCL", "bayt", "buyUt", "", "", "", "", "",
         "house;verse"],
    ]

    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        root = self.folder.name
        for sub in ("frequency", "wiktionary", "elixirfm"):
            os.makedirs(os.path.join(root, sub))
        with open(os.path.join(root, "frequency", "ar_50k.txt"), "w", encoding="utf-8") as f:
            f.write("كتاب 500\nالكتاب 300\nكتبت 200\nيكتب 150\nبيت 400\nالبيوت 20\nكتابة 30\nمرحبا 90\n")
        with open(os.path.join(root, "wiktionary", "en-arb-enwiktionary.txt"), "w", encoding="utf-8") as f:
            f.write("book {n} (bound pages) :: كتاب {m} /kitāb/\nhouse {n} (home) :: بيت {m} /bayt/\n"
                    "write {v} (letters) :: كتب /kátaba/\n")
        with open(os.path.join(root, "elixirfm", "lexicon.tsv"), "w", encoding="utf-8") as f:
            f.write("\t".join(["file", "nest", "root", "pos", "form", "voice", "limits", "except", "pattern",
                               "word", "plural", "femini", "imperf", "pfirst", "second", "masdar", "glosses"]) + "\n")
            for row in self.LEXICON:
                f.write("\t".join(row) + "\n")
        self.overrides = os.path.join(root, "overrides.tsv")
        with open(self.overrides, "w", encoding="utf-8") as f:
            f.write("word\ttype\taction\ttranslation\tflags\nمَرْحَبًا\t???\tadd\thello\n"
                    "كَتَبَ\tVerb\t\t\t64\n")
        self.previous = os.path.join(root, "previous.tsv")
        with open(self.previous, "w", encoding="utf-8") as f:
            f.write("word\ttype\tflags\ttranslation\tfr\nبيت\tNoun\t5\thouse\tmaison\n")
        self.saved = build_dictionary.SOURCES, build_dictionary.OVERRIDES, build_dictionary.SIZE
        build_dictionary.SOURCES, build_dictionary.OVERRIDES, build_dictionary.SIZE = root, self.overrides, 5

    def tearDown(self):
        build_dictionary.SOURCES, build_dictionary.OVERRIDES, build_dictionary.SIZE = self.saved
        self.folder.cleanup()

    def build(self):
        kept = build_dictionary.build(self.previous, io.StringIO())
        build_dictionary.write(kept, self.folder.name)
        with open(os.path.join(self.folder.name, "arabic.tsv"), encoding="utf-8") as f:
            return f.read()

    def test_build_and_rebuild(self):
        first = self.build()
        rows = {r["word"]: r for r in csv.DictReader(io.StringIO(first), delimiter="\t")}
        house = rows[script.canonical("بَيْت")]
        self.assertEqual((house["id"], house["fr"], house["plural"], house["root"]), ("1", "maison", "بُيُوت", "ب ي ت"))
        write = rows[script.canonical("كَتَبَ")]
        self.assertEqual((write["flags"], write["present"], write["verbalnoun"]), ("64", "يَكْتُبُ", "كِتَابَة"))
        self.assertEqual(rows[script.canonical("كِتَاب")]["translation"], "book")
        self.assertEqual(rows[script.canonical("مَرْحَبًا")]["translation"], "hello")
        self.assertEqual(sorted(int(r["id"]) for r in rows.values()), [1, 101, 102, 103, 104])
        # the output as the previous file: the same bytes
        with open(self.previous, "w", encoding="utf-8") as f:
            f.write(first)
        self.assertEqual(self.build(), first)


class CountTest(unittest.TestCase):
    def builder(self, counts, entries):
        builder = build_dictionary.Builder.__new__(build_dictionary.Builder)
        builder.counts, builder.total, builder.proper_names = counts, 10 ** 6, set()
        builder.entries = entries
        builder.count()
        return builder

    def test_shared_forms_go_to_the_word_its_own_forms_show(self):
        # أمي is "my mother" (أمك, أمه are hers alone), not the rare أُمِّيّ
        mother = entry("أُمّ", "Noun", glosses=["mother"])
        illiterate = entry("أُمِّيّ", "Adj.", glosses=["illiterate"])
        for e in (mother, illiterate):
            e.senses = [wiktionary.Sense(e.glosses[0], e.type, [], 0, "")]
        self.builder({"امي": 1000, "امك": 900, "امه": 800, "امية": 10}, [mother, illiterate])
        self.assertGreater(mother.count, 2400)
        self.assertLess(illiterate.count, 300)
        self.assertEqual(mother.count + illiterate.count, 2710)

    def test_a_homograph_living_off_another_word_is_left_out(self):
        year = entry("عَام", "Noun", glosses=["year"])
        year.senses = [wiktionary.Sense("year", "Noun", [], 0, "")]
        swim = entry("عَامَ", "Verb", ascii="`Ama", pattern="FAL", form="I", present_ascii="ya`Umu")
        swim.glosses = ["float"]
        self.builder({"عام": 5000, "العام": 2000, "يعوم": 3}, [year, swim])
        self.assertTrue(build_dictionary.stands_alone(year))
        self.assertFalse(build_dictionary.stands_alone(swim))


class FieldTest(unittest.TestCase):
    def test_meanings_most_common_first(self):
        builder = build_dictionary.Builder.__new__(build_dictionary.Builder)
        house = entry("بَيْت", "Noun", glosses=["house", "verse", "kennel"])
        house.senses = [wiktionary.Sense(english, "Noun", [], place, "")
                        for english, place in (("home", 0), ("house", 1), ("home", 2))]
        self.assertEqual(builder.meanings(house), ["house", "home", "verse", "kennel"])
        can = entry("اِسْتَطَاعَ", "Verb", glosses=["be able"])
        can.senses = [wiktionary.Sense("can", "Verb", [], 0, "")]
        self.assertEqual(builder.meanings(can), ["to be able"])
        man = entry("صَدِيق", "Noun", pattern="FaCIL")
        friend = entry("صَدِيقَة", "Noun", glosses=["friend", "companion"], feminine_of=man)
        self.assertEqual(builder.meanings(friend), ["friend (f.)", "companion (f.)"])
        trees = entry("شَجَر", "Noun", pattern="FaCaL")
        tree = entry("شَجَرَة", "Noun", glosses=["tree"], feminine_of=trees)
        self.assertEqual(builder.meanings(tree), ["tree"])

    def test_gender(self):
        def sense(*genders):
            return wiktionary.Sense("x", "Noun", list(genders), 0, "")
        cases = [(entry("مَدِينَة", "Noun"), 6), (entry("كِتَاب", "Noun"), 5),
                 (entry("شَمْس", "Noun", senses=[sense("f")]), 6), (entry("خَلِيفَة", "Noun", senses=[sense("m")]), 5),
                 (entry("أَرْض", "Noun", senses=[sense("f"), sense("f"), sense("m")]), 6),
                 (entry("مَلَابِس", "Noun", plural_only=True), 9), (entry("كَبِير", "Adj."), 5)]
        for e, flags in cases:
            with self.subTest(word=e.word):
                self.assertEqual(build_dictionary.gender_flags(e), flags)

    def test_plural_choice(self):
        uses = {"مُدُن": 50, "مَدَائِن": 2, "تَعَلُّمَات": 0, "اِخْتِبَارَات": 9}.get

        def written(word):
            return uses(script.canonical(word), 0)
        city = entry("مَدِينَة", "Noun", ascii="madInaT", plurals=["madA'in", "mudun"], pattern="FaCIL |< aT")
        self.assertEqual(script.bare(build_dictionary.plural_of(city, written)), "مدائن")  # ElixirFM's first
        unused = entry("مَدِينَة", "Noun", ascii="madInaT", plurals=["mudunAt", "mudun"], pattern="FaCIL |< aT")
        self.assertEqual(script.bare(build_dictionary.plural_of(unused, written)), "مدن")
        learning = entry("تَعَلُّم", "Noun", ascii="ta`allum", plurals=["ta`allumAt"], pattern="TaFaCCuL")
        self.assertEqual(build_dictionary.plural_of(learning, written), "")
        test = entry("اِخْتِبَار", "Noun", ascii="i_htibAr", plurals=["i_htibArAt"], pattern="IFtiCAL")
        self.assertEqual(script.bare(build_dictionary.plural_of(test, written)), "اختبارات")

    def test_vowels_that_cannot_be_right(self):
        self.assertFalse(build_dictionary.well_vocalised("إِمْبْرَاطُور"))
        self.assertTrue(build_dictionary.well_vocalised("مُسْتَشْفَى"))
        self.assertTrue(build_dictionary.well_vocalised("اِسْتِقْبَال"))


class CoverageTest(unittest.TestCase):
    def test_letters_compared_without_marks(self):
        import coverage
        with tempfile.TemporaryDirectory() as folder:
            tsv = os.path.join(folder, "arabic.tsv")
            with open(tsv, "w", encoding="utf-8") as f:
                f.write("id\tword\ttype\nكتاب\tكِتَاب\tNoun\n2\tصَبَاحُ الْخَيْرِ\t???\n")
            known = coverage.dictionary_letters(tsv)
        self.assertIn("كتاب", known)
        self.assertIn(script.bare("صَبَاحُ الْخَيْرِ"), known)
        words = coverage.checklist(os.path.join(HERE, "first-year.txt"))
        self.assertGreater(len(words), 250)
        self.assertFalse([w for w in words if w.startswith("#")])


class OverrideTest(unittest.TestCase):
    def test_corrections_additions_deletions(self):
        rows = ("word\ttype\taction\ttranslation\tflags\tplural\troot\tforms\tpresent\tverbalnoun\tpronunciation\tfr\n"
                "# a comment\n"
                "كِتَاب\tNoun\t\tbook\t5\t-\t\t\t\t\t\tlivre\n"
                "عَامَ\tVerb\tdelete\n"
                "مَرْحَبًا\t???\tadd\thello\t\t\t\tمرحبا\n"
                # the marks typed in another order name the same entry
                "ح" + script.FATHA + "ب" + script.FATHA + script.SHADDA + "\tVerb\t\tto love\t64\n")
        entries = [entry("كِتَاب", "Noun", plurals=["كُتُب"]), entry("عَامَ", "Verb"), entry("حَبَّ", "Verb")]
        with tempfile.NamedTemporaryFile("w", encoding="utf-8", suffix=".tsv", delete=False) as f:
            f.write(rows)
        log = io.StringIO()
        try:
            result = build_dictionary.apply_overrides(entries, f.name, log)
        finally:
            os.unlink(f.name)
        by_key = {e.key: e for e in result}
        book = by_key[(script.canonical("كِتَاب"), "Noun")]
        self.assertNotIn((script.canonical("عَامَ"), "Verb"), by_key)
        self.assertEqual((book.override_translation, book.plurals, book.fr), ("book", [], "livre"))
        self.assertTrue(by_key[(script.canonical("مَرْحَبًا"), "???")].core)
        self.assertEqual(by_key[(script.canonical("حَبَّ"), "Verb")].flags, 64)
        self.assertEqual(log.getvalue(), "")


class IdTest(unittest.TestCase):
    def test_numbers_kept_from_one_build_to_the_next(self):
        sample = "word\ttype\tflags\ttranslation\tfr\nكتاب\tNoun\t5\tbook\tlivre\nذهب\tVerb\t128\tto go\taller\n"
        kept = [entry("يَوْم", "Noun"), entry("كِتَاب", "Noun"), entry("ذَهَبَ", "Verb"), entry("ذَهَب", "Noun")]
        for e in kept:
            e.translation, e.plural, e.frequency = "x", "", 1
        with tempfile.TemporaryDirectory() as folder:
            previous = os.path.join(folder, "arabic.tsv")
            with open(previous, "w", encoding="utf-8") as f:
                f.write(sample)
            build_dictionary.assign_ids(kept, previous)
            build_dictionary.keep_sample_translations(kept, previous)
            self.assertEqual([e.id for e in kept], [101, 1, 2, 102])
            self.assertEqual(kept[1].fr, "livre")
            build_dictionary.write(kept, folder)
            again = [entry("ذَهَب", "Noun"), entry("جَدِيد", "Adj."), entry("يَوْم", "Noun"), entry("كِتَاب", "Noun")]
            build_dictionary.assign_ids(again, previous)
            self.assertEqual([e.id for e in again], [102, 103, 101, 1])
            with open(previous, encoding="utf-8") as f:
                header = next(csv.reader(f, delimiter="\t"))
        self.assertEqual(header, build_dictionary.COLUMNS)


if __name__ == "__main__":
    unittest.main()
