#!/usr/bin/python3
"""Builds Verbalon's bundled Arabic-English dictionary (data/arabic.tsv),
Modern Standard Arabic, from the open sources in data/sources/arabic:

- ElixirFM's lexicon (elixirfm/lexicon.tsv, reduced from its XML by
  extract_sources.py): the dictionary words with root, vowels, plurals,
  verb forms, verbal nouns and English glosses;
- Wiktionary's English-Arabic translation tables (wiktionary/), read
  backwards: English meanings, gender, and the vowels of words ElixirFM
  lacks (from their transliteration);
- the word forms of film subtitles with their counts (frequency/): each
  form, its vowel marks removed, taken apart into clitics (و ف ب ل ك ال س,
  pronoun suffixes) and a written form of a dictionary word, its count
  shared among the words it may be; the most frequent words are kept.

Dialect words, names and vulgar words have no place: a word is kept only
if ElixirFM or Wiktionary (as Standard Arabic) has it, forms Wiktionary
gives as names count only for words Wiktionary confirms. The reviewed
corrections and additions of data/arabic-overrides.tsv (function words,
set phrases, numerals among them) are applied last. Entry numbers stay
what the previous data/arabic.tsv gave them (its 40 sample words keep
1..40), new entries are numbered from 101 in order of frequency.

    /usr/bin/python3 tools/arabic/build_dictionary.py [--out DIR] [--previous TSV]

The same sources and the same previous file give the same output, byte
for byte. The shares of each field go to standard error.
"""
import argparse, collections, csv, math, os, re, sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import morphology  # noqa: E402
import script  # noqa: E402
import wiktionary  # noqa: E402

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
SOURCES = os.path.join(ROOT, "data", "sources", "arabic")
OVERRIDES = os.path.join(ROOT, "data", "arabic-overrides.tsv")
# how many entries the dictionary has, about
SIZE = 3000
MAX_MEANINGS = 4
FIRST_NEW_ID = 101
# how much less likely a reading is for each clitic letter it takes off
CLITIC_WEIGHT = 0.5

MASCULINE, FEMININE, SINGULAR, PLURAL, TRANSITIVE, INTRANSITIVE = 1, 2, 4, 8, 64, 128
TYPES = ["Noun", "Verb", "Adj.", "Adv.", "Num.", "Pers.", "Conj.", "Prep.", "???"]
NOMINAL = ("Noun", "Adj.", "Num.")
ELIXIR_TYPES = {"Noun": "Noun", "Adj": "Adj.", "Verb": "Verb", "Adv": "Adv.", "Prep": "Prep.", "Conj": "Conj.",
                "Pron": "Pers.", "Part": "Adv.", "Intj": "???"}
COLUMNS = ["id", "word", "type", "flags", "translation", "plural", "pronunciation", "root", "present",
           "verbalnoun", "frequency", "fr"]
OVERRIDE_FIELDS = ["translation", "flags", "plural", "root", "present", "verbalnoun", "pronunciation", "fr"]
# letters of ElixirFM's notation for a root's radicals
RADICALS = dict(script.CONSONANTS, **{"'": "ء"})


class Entry:
    """A dictionary word: its vocalised form and word type, what the
    sources say of it, and what the build makes of that."""

    def __init__(self, word, word_type):
        self.word, self.type = word, word_type
        self.glosses = []  # ElixirFM's English, in its order
        self.senses = []  # Wiktionary's senses
        self.plurals, self.feminines, self.masdars = [], [], []
        self.root = self.present = self.verbalnoun = self.pronunciation = self.fr = ""
        self.ascii = self.pattern = self.form = ""
        self.nest = None
        self.flags = 0
        self.flags_set = False
        self.translation = ""
        self.count = 0.0
        self.core = False  # added by hand: function words, phrases
        self.extra_forms = []
        self.plural_only = False

    @property
    def key(self):
        return self.word, self.type


# ---------------------------------------------------------------------------
# the sources

def read_frequency():
    """Normalised written form -> count, and the total of counted words
    (tokens with Arabic letters)."""
    counts = collections.Counter()
    with open(os.path.join(SOURCES, "frequency", "ar_50k.txt"), encoding="utf-8") as f:
        for line in f:
            form, count = line.split()
            form = script.normalised(form)
            if re.search("[\u0621-\u064a]", form) and re.fullmatch("[\u0621-\u064a]+", form):
                counts[form] += int(count)
    total = sum(counts.values())
    return counts, total


def display_word(ascii_word):
    """A word of the notation as the dictionary writes it: the article's
    alif without a vowel (الْآنَ, الَّذِي)."""
    word = script.arabic(ascii_word)
    if word.startswith("اَل"):
        word = "ال" + word[3:]
    return word


def display_root(root):
    if " " not in root:
        return ""
    letters = []
    for radical in root.split(" "):
        if radical not in RADICALS:
            return ""
        letters.append(RADICALS[radical])
    return " ".join(letters)


def clean_gloss(gloss):
    gloss = re.sub(r"\s+-\s+", "-", gloss)
    gloss = re.sub(r"\(\s+", "(", re.sub(r"\s+\)", ")", gloss))
    gloss = re.sub(r"\s*!$", "", gloss)
    return gloss.strip()


def read_elixir():
    """ElixirFM's entries, one per vocalised word and word type."""
    entries = {}
    order = []
    with open(os.path.join(SOURCES, "elixirfm", "lexicon.tsv"), encoding="utf-8") as f:
        for row in csv.DictReader(f, delimiter="\t", quoting=csv.QUOTE_NONE):
            word_type = ELIXIR_TYPES.get(row["pos"])
            if not word_type or row["voice"] == "Passive" or not row["word"]:
                continue
            glosses = [clean_gloss(g) for g in row["glosses"].split(";") if g.strip()]
            if not glosses or all(g[:1].isupper() and g != "I" for g in glosses):
                continue  # a name
            ascii_word = row["word"]
            if word_type == "Verb":
                ascii_word = morphology.past(ascii_word)
            elif word_type == "Noun" and ascii_word.endswith("aN"):
                word_type = "Adv."  # an adverbial accusative: أَبَدًا, جِدًّا
            word = display_word(ascii_word)
            key = (word, word_type)
            e = entries.get(key)
            if e is None:
                e = entries[key] = Entry(word, word_type)
                e.ascii, e.pattern, e.form = ascii_word, row["pattern"], row["form"]
                e.nest = (row["file"], int(row["nest"]))
                e.root = display_root(row["root"])
                e.root_ascii = row["root"]
                e.elixir_word = row["word"]
                e.imperfect = row["imperf"]
                order.append(e)
            for g in glosses:
                if g not in e.glosses:
                    e.glosses.append(g)
            for field, target in (("plural", e.plurals), ("femini", e.feminines), ("masdar", e.masdars)):
                for form in row[field].split(";"):
                    if form and form not in target:
                        target.append(form)
            if "P" in row["limits"]:
                e.plural_only = True
    # a noun's feminine (كَاتِبَة) or unit noun (شَجَرَة) is a dictionary word
    # of its own
    keys = {e.key for e in order}
    for e in list(order):
        if e.type != "Noun":
            continue
        for feminine in e.feminines[:1]:
            word = display_word(feminine)
            if (word, "Noun") in keys:
                continue
            f = Entry(word, "Noun")
            f.ascii, f.pattern, f.nest, f.root, f.root_ascii = feminine, e.pattern, e.nest, e.root, e.root_ascii
            f.elixir_word, f.imperfect = feminine, ""
            f.glosses = list(e.glosses)
            f.feminine_of = e
            f.plurals = [feminine[:-2] + "At"] if feminine.endswith("aT") else []
            keys.add(f.key)
            order.append(f)
    return order


# ---------------------------------------------------------------------------
# vowels of a word, to tell homographs apart

def vowel_qualities_latin(translit):
    tokens = wiktionary.latin_tokens(translit) or []
    return [v.lower() for kind, v in tokens if kind == "V"]


QUALITY = {script.FATHA: "a", script.FATHATAN: "a", "آ": "a", script.KASRA: "i", script.KASRATAN: "i",
           script.DAMMA: "u", script.DAMMATAN: "u"}


def vowel_qualities_arabic(word):
    return [QUALITY[c] for c in word if c in QUALITY]


def same_vowels(a, b):
    """The same vowels, a last (case) vowel aside; None if one is
    unknown."""
    if not a or not b:
        return None
    return a == b or a[:-1] == b or a == b[:-1] or a[:-1] == b[:-1]


def strict_vowels(a, b):
    """The same vowels, but for a case ending one of them adds."""
    return bool(a) and bool(b) and (a == b or a[:-1] == b or a == b[:-1])


def near_vowels(a, b):
    """Vowels that differ in one place only (Wiktionary's muʿāmila for
    مُعَامَلَة)."""
    if not a or not b or len(a) != len(b):
        return False
    return sum(x != y for x, y in zip(a, b)) <= 1


def well_vocalised(word):
    """A word whose vowels can be right: no two consonants in a row
    without a vowel (إِمْبْرَاطُور, from a transliteration that left one
    out)."""
    silent = False
    for c, marks in script.letters_with_marks(word):
        if c in "اىوي" and not marks:
            silent = False
            continue
        bare_consonant = script.SUKUN in marks
        if bare_consonant and silent:
            return False
        silent = bare_consonant
    return True


class Builder:
    """The dictionary words of the sources, what Wiktionary says of them,
    and how often the subtitles use them."""

    def __init__(self):
        self.counts, self.total = read_frequency()
        self.entries = read_elixir()
        self.proper_names = set()

    # -- Wiktionary --------------------------------------------------------

    def attach_wiktionary(self):
        """Wiktionary's senses go to the ElixirFM entries they are of (by
        letters, word type, vowels); a word ElixirFM lacks becomes an entry
        if its vowels can be read."""
        senses = wiktionary.read(os.path.join(SOURCES, "wiktionary", "en-arb-enwiktionary.txt"), self.proper_names)
        by_form = collections.defaultdict(list)
        by_present = collections.defaultdict(list)
        for e in self.entries:
            by_form[script.normalised(e.word)].append(e)
            if e.type == "Verb" and e.present:
                by_present[script.normalised(e.present)].append(e)
        new = {}
        for word in sorted(senses):
            if " " in word or "\u0640" in word or len(script.bare(word)) < 2:
                continue
            form = script.normalised(word)
            vocalised = word != script.bare(word)
            for sense in senses[word]:
                pool = by_present.get(form, []) if sense.type == "Verb" and (
                    sense.present or (form[:1] in "يت" and not by_form.get(form))) else by_form.get(form, [])
                matches = self.matching(pool, sense, word if vocalised else "")
                if not matches and not sense.present:
                    # Wiktionary and ElixirFM may file a word under different
                    # types (آخَر "another": pronoun, adjective): the same
                    # vowels make it the same word
                    wanted = vowel_qualities_arabic(word) if vocalised else vowel_qualities_latin(sense.translit)
                    matches = [e for e in by_form.get(form, []) if e.type not in ("Verb",) and sense.type != "Verb"
                               and strict_vowels(wanted, vowel_qualities_arabic(e.word))][:1]
                if matches:
                    for e in matches:
                        e.senses.append(sense)
                    continue
                if sense.present or sense.type in ("???",):
                    continue
                if form.startswith("ال"):
                    continue  # a word with the article
                if any(e.type == sense.type for e in by_form.get(form, [])):
                    # ElixirFM has a word of these letters and type whose
                    # vowels the transliteration does not give: more often a
                    # slip of the transliteration than another word
                    continue
                spelled = self.wiktionary_vowels(word, sense)
                if not spelled:
                    continue
                key = (spelled, sense.type)
                if key not in new:
                    new[key] = Entry(spelled, sense.type)
                    new[key].wiktionary_only = True
                new[key].senses.append(sense)
        for key in sorted(new):
            e = new[key]
            if not any(x.key == key for x in by_form.get(script.normalised(e.word), [])):
                self.entries.append(e)
        # ElixirFM files many adjectives as nouns (جَمِيل): Wiktionary's word
        # type decides
        keys = {e.key for e in self.entries}
        for e in self.entries:
            if e.type == "Noun" and e.senses and all(s.type == "Adj." for s in e.senses) \
                    and not getattr(e, "feminine_of", None) and (e.word, "Adj.") not in keys:
                e.type = "Adj."
                keys.add(e.key)

    def matching(self, pool, sense, vocalised):
        """The entries of the same letters a Wiktionary sense belongs to:
        of the right word type, with the vowels its transliteration (or
        its vowel marks) gives, or sharing an English word."""
        compatible = {"Noun": ("Noun",), "Adj.": ("Adj.", "Noun"), "Verb": ("Verb",), "Adv.": ("Adv.", "Prep.", "Noun"),
                      "Num.": ("Noun", "Adj."), "Pers.": ("Pers.",), "Conj.": ("Conj.",), "Prep.": ("Prep.",),
                      "???": ("???", "Adv.")}[sense.type]
        candidates = [e for e in pool if e.type in compatible]
        if not candidates:
            return []
        first_type = next((t for t in compatible if any(e.type == t for e in candidates)))
        candidates = [e for e in candidates if e.type == first_type]
        wanted = vowel_qualities_arabic(vocalised) if vocalised else vowel_qualities_latin(sense.translit)
        english = sense.english.lower()
        scored = []
        for e in candidates:
            vowels = same_vowels(wanted, vowel_qualities_arabic(e.word))
            if vowels is False and len(candidates) == 1 and near_vowels(wanted, vowel_qualities_arabic(e.word)):
                vowels = True
            gloss = any(english == g.lower() or english in g.lower().split() for g in e.glosses)
            score = (2 if vowels else 0 if vowels is False else 1) + (1 if gloss else 0)
            scored.append((score, e))
        best = max(s for s, _ in scored)
        if best == 0 or (wanted and best == 1 and not any(same_vowels(wanted, vowel_qualities_arabic(e.word))
                                                          for _, e in scored) and len(wanted) > 1):
            return []
        return [e for s, e in scored if s == best]

    def wiktionary_vowels(self, word, sense):
        """A word only Wiktionary has, with its vowels: as Wiktionary marks
        them, or read from its transliteration."""
        return script.canonical(self.marked_vowels(word, sense))

    def marked_vowels(self, word, sense):
        # a word Wiktionary marks at least every other letter of is taken
        # as it marks it
        if word != script.bare(word):
            letters = [c for c in word if not script.MARKS.match(c)]
            marks = sum(1 for c in word if script.MARKS.match(c))
            if marks * 2 >= len(letters) - 1:
                return re.sub("[\u064c\u064d\u064f\u0650]$", "", word.strip())
        if not sense.translit:
            return ""
        spelled = wiktionary.vocalise(word, sense.translit)
        if spelled and not well_vocalised(spelled):
            return ""
        if spelled and sense.type == "Verb" and spelled[-1] not in "اى":
            spelled = re.sub("[\u0652]$", "", spelled) + script.FATHA
        elif spelled and sense.type in NOMINAL and spelled.endswith(script.KASRA + "ي"):
            spelled += script.SHADDA  # a nisba: أَمْرِيكِيّ
        return spelled

    # -- verbs -------------------------------------------------------------

    def complete_verbs(self):
        """A verb's present, its verbal noun options, and the
        intransitivity of form VII (اِنْكَسَرَ "to break", of itself)."""
        for e in self.entries:
            if e.type != "Verb" or not e.ascii:
                continue
            present = morphology.present(e.elixir_word, e.pattern, e.form, e.imperfect)
            e.present = script.arabic(present) if present else ""
            e.present_ascii = present
            masdar = morphology.derived_masdar(e.pattern, e.form, e.root_ascii, e.elixir_word)
            e.masdar_options = [masdar] if masdar else list(e.masdars)
            if e.form == "VII":
                e.flags |= INTRANSITIVE

    def choose_masdars(self):
        """A form I verb's verbal noun: of those ElixirFM lists, the one the
        subtitles use most as a noun; else a noun of the verb's nest whose
        English is the verb's in -ing."""
        nouns = collections.defaultdict(list)
        for e in self.entries:
            if e.type == "Noun":
                nouns[e.word].append(e)
                if e.nest:
                    nouns[e.nest].append(e)
        for e in self.entries:
            if e.type != "Verb" or not e.ascii or hasattr(e, "override_verbalnoun"):
                continue
            options = [display_word(m) for m in e.masdar_options]
            if options:
                e.verbalnoun = max(options, key=lambda w: (sum(n.count for n in nouns.get(w, [])), -options.index(w)))
                continue
            gerunds = {gerund(g) for g in e.glosses if g}
            # a noun of form I's shapes (not مُفَاعَلَة, تَفْعِيل, إِفْعَال)
            found = [n for n in nouns.get(e.nest, []) if any(g.lower() in gerunds for g in n.glosses)
                     and n.pattern[:1] in ("F", "M") and not n.pattern.startswith("Mu")]
            if found:
                e.verbalnoun = max(found, key=lambda n: (n.count, -self.entries.index(n))).word

    # -- counting ----------------------------------------------------------

    def forms_of(self, e):
        """The written forms (normalised) of an entry, morphology.Forms."""
        word = script.normalised(e.word)
        if e.type == "Verb":
            if e.ascii:
                forms = morphology.verb_forms(e.ascii, getattr(e, "present_ascii", ""), e.pattern, e.form)
            else:
                forms = morphology.Forms()
                forms.add(word, True)
                if e.present:
                    forms.add(script.normalised(e.present), True)
        elif e.type in NOMINAL:
            plurals = [script.normalised(display_word(p)) for p in e.plurals] if e.ascii else \
                [script.normalised(p) for p in e.plurals]
            # a noun's feminine is an entry of its own (شَجَرَة, صَدِيقَة)
            feminines = [script.normalised(display_word(p)) for p in e.feminines] if e.type != "Noun" else []
            forms = morphology.noun_forms(word, plurals, feminines, e.type == "Adj.")
        else:
            # particles take no pronoun suffix, but prepositions and the
            # conjunctions of أَنَّ do (عَلَيْهِ, لِأَنَّهُ)
            suffixable = e.type == "Prep." or re.sub("[\u064b-\u0650\u0652]", "", e.word).endswith("ن\u0651")
            forms = morphology.Forms()
            forms.add(word, suffixable)
            if word.endswith("ى"):
                forms.add(word[:-1] + "ي", suffixable)
        for extra in e.extra_forms:
            forms.add(script.normalised(extra), True)
        return forms

    def count(self):
        """Each entry's share of the subtitles' words. A form only one
        word can be counts for that word; a form several words can be is
        shared among them in proportion to what the sources say of each
        (prior) times how often each is counted on forms that are its
        alone (أمي is "my mother" because أمك and أمه are hers alone, not
        the rare أُمِّيّ's; the square root keeps a frequent word from
        taking every form it shares). A form is a word's alone if no other
        reading is as well confirmed."""
        index = collections.defaultdict(list)
        for e in self.entries:
            if " " in e.word:
                continue
            for form, (suffixable, weight, alone) in self.forms_of(e).items():
                index[form].append((e, suffixable, weight, alone))
        # a word only Wiktionary has that is a form of another word (أَخِي,
        # أَصْدِقَاء) is no dictionary word of its own
        inflected = set()
        for e in self.entries:
            if getattr(e, "wiktionary_only", False) and not e.core:
                others = [(x, w) for x, w in self.analyses(script.normalised(e.word), index) if x is not e]
                if any(w < 1 for x, w in others) and not any(w == 1 for _, w in others):
                    inflected.add(id(e))
        self.entries = [e for e in self.entries if id(e) not in inflected]
        for form in list(index):
            index[form] = [r for r in index[form] if id(r[0]) not in inflected]
        for e in self.entries:
            e.prior = prior(e)
        readings = []
        for form in sorted(self.counts):
            analyses = self.analyses(form, index)
            if form in self.proper_names:
                analyses = [(e, w) for e, w in analyses if e.senses or e.core]
            if analyses:
                readings.append((self.counts[form], analyses))
        # a form is a word's alone when no other reading is as well
        # confirmed (a form I verb's كاتب is the noun's, not the rare verb
        # كَاتَبَ's)
        alone = collections.Counter()
        for count, analyses in readings:
            best = max(e.prior for e, _ in analyses)
            strongest = [e for e, _ in analyses if e.prior == best]
            # one word filed under two types (مَرِيض "patient", "sick") is
            # still one word
            if len({e.word for e in strongest}) == 1:
                for e in strongest:
                    alone[id(e)] += count
        smoothing = self.total / 1e6
        for e in self.entries:
            e.alone = alone[id(e)]
        for count, analyses in readings:
            weights = [e.prior * w * math.sqrt(alone[id(e)] + smoothing) for e, w in analyses]
            total = sum(weights)
            for (e, _), w in zip(analyses, weights):
                e.count += count * w / total

    def analyses(self, form, index):
        """The readings of a written form: (entry, weight), a reading with
        clitics weighing less than one without (CLITIC_WEIGHT a letter)."""
        found = {}
        for prefix, kinds in PROCLITICS:
            if not form.startswith(prefix):
                continue
            for suffix in [""] + morphology.ENCLITICS:
                if suffix and not form.endswith(suffix):
                    continue
                stem = form[len(prefix):len(form) - len(suffix)]
                if not stem:
                    continue
                weight = CLITIC_WEIGHT ** ((len(prefix) > 0) + len(prefix) // 2 + (len(suffix) > 0))
                for e, suffixable, form_weight, standalone in index.get(stem, ()):
                    if suffix and not suffixable or not suffix and not standalone:
                        continue
                    if len(stem) == 1 and not (e.type == "Prep." and suffix):
                        continue
                    if not allowed(e, prefix, kinds, suffix, stem):
                        continue
                    if found.get(id(e), (None, 0))[1] < weight * form_weight:
                        found[id(e)] = (e, weight * form_weight)
        return [found[k] for k in sorted(found, key=lambda k: (found[k][0].word, found[k][0].type))]

    def written(self, word):
        """How often the subtitles write a word, bare or with the article
        or a conjunction."""
        form = script.normalised(word)
        return sum(self.counts.get(prefix + form, 0) for prefix in ("", "ال", "و", "وال", "بال", "لل"))

    # -- meanings ----------------------------------------------------------

    def meanings(self, e):
        """English meanings, most common first: ElixirFM's glosses that
        Wiktionary shares (in ElixirFM's order), then Wiktionary's others
        by how many of its senses name them, then ElixirFM's others; a
        word Wiktionary does not know keeps ElixirFM's first two. A
        feminine of a person's noun says so (صَدِيقَة "friend (f.)")."""
        wikt = collections.OrderedDict()
        for s in sorted(e.senses, key=lambda s: (s.place, s.english)):
            wikt[s.english] = wikt.get(s.english, 0) + 1
        wikt_order = sorted(wikt, key=lambda w: (-wikt[w], list(wikt).index(w)))
        lower_wikt = {w.lower() for w in wikt}
        shared = [g for g in e.glosses if g.lower() in lower_wikt]
        elixir_only = [g for g in e.glosses if g.lower() not in lower_wikt]
        if not e.senses:
            ordered = elixir_only[:2]
        else:
            ordered = shared + wikt_order + elixir_only
        base = getattr(e, "feminine_of", None)
        female = base is not None and not e.senses and of_persons(base)
        result = []
        for g in ordered:
            text = verb_meaning(g) if e.type == "Verb" else g
            if female:
                text += " (f.)"
            if text and text.lower() not in {r.lower() for r in result}:
                result.append(text)
        return result[:MAX_MEANINGS]


# patterns of nouns of persons: participles, doers of a trade, adjectives
# used as nouns (their feminine is a woman; of other nouns, a unit noun
# like شَجَرَة "tree" of شَجَر "trees")
PERSON_PATTERNS = ("FACiL", "FA'iL", "FaCCAL", "FaCIL", "FaCUL")


def of_persons(noun):
    shape = noun.pattern.split(" ")[0]
    return shape in PERSON_PATTERNS or shape.startswith("Mu") or any(p.endswith("Un") for p in noun.plurals)


def proclitics():
    """Proclitic strings and the words they may come before: A any word
    (و, ف, the question's أ before them), N nouns, adjectives, pronouns
    and adverbs (after a preposition), D nouns and adjectives (after the
    article), V verbs (the future's س, the question's أ), VN a verb or a
    noun (ل: "so that", "for")."""
    result = {}
    for conj in ("", "و", "ف"):
        for prep in ("", "ب", "ك", "ل"):
            for article in ("", "ال"):
                text = conj + ("لل" if prep == "ل" and article else prep + article)
                result.setdefault(text, "D" if article else "N" if prep else "A")
        result.setdefault(conj + "س", "V")
        result.setdefault(conj + "ا", "V")
        result.setdefault(conj + "ل", "VN")
        if conj:
            result.setdefault("ا" + conj, "A")
    return sorted(result.items(), key=lambda kv: (len(kv[0]), kv[0]))


PROCLITICS = proclitics()


def prior(e):
    """How likely a word is, before the subtitles are counted: a function
    word added by hand most, a word whose English Wiktionary and ElixirFM
    agree on next, a word of one source least."""
    if e.core:
        return 50.0
    glosses = {g.lower() for g in e.glosses}
    if any(s.english.lower() in glosses for s in e.senses):
        return 3.0
    if e.senses:
        return 1.5
    return 1.0


def allowed(e, prefix, kind, suffix, stem):
    """Whether a word may stand after a proclitic of this kind (and before
    the suffix)."""
    if kind == "A":
        return True
    if kind == "D":
        return e.type in NOMINAL and not suffix
    if kind == "N":
        # بِأَنَّ, لِأَنَّ, بِمَا, كَمَا
        return e.type in NOMINAL or e.type in ("Pers.", "Adv.") or (e.type == "Conj." and stem == "ان") \
            or (e.type == "Verb" and prefix.endswith("ل"))
    if kind == "VN":
        return e.type == "Verb" and stem[:1] in "يتان" or e.type in NOMINAL or e.type in ("Pers.", "Adv.")
    if kind == "V":
        if prefix.endswith("س"):
            return e.type == "Verb" and stem[:1] in "يتان"
        return e.type == "Verb" or e.type in ("Pers.", "Adv.", "Prep.")
    return False


def gerund(gloss):
    """The -ing form of an English verb gloss's first word."""
    words = gloss.split()
    if not words:
        return ""
    verb = words[0]
    if verb == "be" and len(words) > 1:
        return ""
    if verb.endswith("ie"):
        verb = verb[:-2] + "y"
    elif verb.endswith("e") and not verb.endswith(("ee", "ye", "oe")):
        verb = verb[:-1]
    elif re.search(r"[^aeiou][aeiou][bdgmnprt]$", verb) and len(verb) <= 4:
        verb = verb + verb[-1]
    return " ".join([verb + "ing"] + words[1:]).lower()


def verb_meaning(gloss):
    """A verb's English as an infinitive; English auxiliaries make none
    ("to can")."""
    if gloss in ("is", "are", "can", "may", "must", "shall", "will", "should", "would", "might", "could", "ought"):
        return ""
    return gloss if gloss.startswith("to ") else "to " + gloss


# ---------------------------------------------------------------------------
# the entries kept

def gender_flags(e):
    """Gender and number of a noun: Wiktionary's gender if it gives one,
    else feminine for a word in ة; plural for ElixirFM's plural-only
    nouns."""
    marks = [g for s in e.senses for g in s.genders]
    if e.type == "Adj.":
        return MASCULINE | SINGULAR
    if e.plural_only:
        number = PLURAL
    else:
        number = SINGULAR
    masculine = sum(1 for m in marks if m.startswith("m"))
    feminine = sum(1 for m in marks if m.startswith("f"))
    if feminine > masculine:
        return FEMININE | number
    if masculine > feminine:
        return MASCULINE | number
    bare = script.bare(e.word)
    if bare.endswith("ة"):
        return FEMININE | number
    return MASCULINE | number


# verbal nouns of the derived forms, whose sound plurals (تَعَلُّمَات)
# ElixirFM lists whether or not they are used
MASDAR_SHAPES = ("TaFCIL", "TaFaCCuL", "TaFACuL", "InFiCAL", "IFtiCAL", "IstiFCAL", "HiFCAL", "MuFACaL |< aT",
                 "TaKaRDuS", "IFtiyAL", "InFiyAL", "HiFALaT", "IstiFCA'", "IFtiCA'", "InFiCA'", "HiFCA'", "MuFACAT",
                 "TaFCiyaT", "IstiFAL")


def plural_of(e, written):
    """The plural a learner needs: the first ElixirFM lists, unless the
    subtitles never use it and use another; a verbal noun's plural in -āt
    only if they use it."""
    if e.type not in NOMINAL or e.plural_only:
        return ""
    if e.plurals:
        if not e.ascii:
            return e.plurals[0]
        options = [display_word(p) for p in e.plurals]
        uses = {p: written(p) for p in options}
        best = options[0] if uses[options[0]] else max(options, key=lambda p: (uses[p] > 0, -options.index(p)))
        if not uses[best] and best.endswith("َات") and e.pattern.startswith(MASDAR_SHAPES):
            return ""
        return best
    if e.type == "Adj." and e.ascii and (e.word.startswith("مُ") or e.word.endswith("يّ")):
        # a participle's or nisba's plural in -ūna, where the subtitles
        # use it of people
        plural = display_word(e.ascii + "Un")
        if written(plural) or written(script.bare(plural)[:-2] + "ين"):
            return plural
    return ""


def apply_overrides(entries, path, log):
    """The reviewed corrections: a row names an entry by its vocalised word
    and word type; "delete" drops it, "add" adds one (a function word, a
    phrase), any other field given replaces the built one ("-" empties
    it); "forms" lists further written forms of an added word."""
    if not os.path.exists(path):
        return entries
    by_key = {}
    for e in entries:
        by_key.setdefault(e.key, e)
    deleted = set()
    with open(path, encoding="utf-8") as f:
        rows = list(csv.DictReader((line for line in f if not line.startswith("#")), delimiter="\t",
                                   quoting=csv.QUOTE_NONE))
    for row in rows:
        key = (script.canonical(row["word"]), row["type"])
        if row["type"] not in TYPES:
            raise ValueError("no word type %r (%s)" % (row["type"], row["word"]))
        action = row.get("action") or ""
        if action == "delete":
            if key not in by_key:
                print("override of no entry: %s %s" % key, file=log)
            deleted.add(key)
            continue
        e = by_key.get(key)
        if action == "add":
            if e is None:
                e = Entry(*key)
                entries.append(e)
                by_key[key] = e
            e.core = True
        elif e is None:
            print("override of no entry: %s %s" % key, file=log)
            continue
        for field in OVERRIDE_FIELDS:
            value = row.get(field) or ""
            if not value:
                continue
            value = "" if value == "-" else value
            if field == "flags":
                e.flags = int(value or 0)
                e.flags_set = True
            elif field == "translation":
                e.override_translation = value
            elif field == "plural":
                e.plurals = [value] if value else []
                e.override_plural = value
            else:
                setattr(e, field, value)
                if field in ("present", "verbalnoun"):
                    setattr(e, "override_" + field, value)
        if row.get("forms"):
            e.extra_forms = row["forms"].split()
    # a function word added by hand stands for its letters: the sources'
    # particles of the same letters go, and their nouns and adjectives
    # that say the same in English (كُلّ "every", كَيْف "how")
    core_words = collections.defaultdict(set)
    for e in entries:
        if e.core:
            core_words[script.normalised(e.word)] |= english_words(e.override_translation)

    def duplicate(e):
        words = core_words.get(script.normalised(e.word))
        if e.core or words is None:
            return False
        if e.type not in ("Noun", "Verb", "Adj."):
            return True
        return bool(words & english_words(" ".join(e.glosses + [s.english for s in e.senses])))

    return [e for e in entries if e.key not in deleted and not duplicate(e)]


STOP_WORDS = {"a", "an", "the", "to", "of", "be", "in", "on", "one", "as", "and", "or", "is", "it", "at", "with", "for"}


def english_words(text):
    """The English words of a text that say something."""
    return {w for w in re.findall(r"[a-z']+", text.lower()) if w not in STOP_WORDS}


def assign_ids(kept, previous):
    """Entry numbers as the previous file gave them: by vocalised word and
    type, else (a file without vowels, the sample) by the letters and
    type; a file without an id column numbers its rows from 1. New
    entries are numbered from 101 in order of frequency."""
    exact, letters = {}, collections.defaultdict(list)
    used = set()
    if os.path.exists(previous):
        with open(previous, encoding="utf-8") as f:
            for number, row in enumerate(csv.DictReader(f, delimiter="\t", quoting=csv.QUOTE_NONE), 1):
                number = int(row.get("id") or number)
                exact.setdefault((row["word"], row["type"]), number)
                letters[(script.bare(row["word"]), row["type"])].append(number)
                used.add(number)
    taken = set()
    for e in kept:
        number = exact.get(e.key)
        if number is not None and number not in taken:
            e.id = number
            taken.add(number)
    for e in kept:
        if getattr(e, "id", None) is None:
            for number in letters.get((script.bare(e.word), e.type), []):
                if number not in taken:
                    e.id = number
                    taken.add(number)
                    break
    next_id = max([FIRST_NEW_ID - 1] + list(used)) + 1
    for e in kept:
        if getattr(e, "id", None) is None:
            e.id = next_id
            next_id += 1


def escape(text):
    """A field as the TSV format writes it."""
    return text.replace("\\", "\\\\").replace("\t", "\\t").replace("\n", "\\n").replace("\r", "\\r")


def write(kept, out):
    with open(os.path.join(out, "arabic.tsv"), "w", encoding="utf-8", newline="\n") as f:
        f.write("\t".join(COLUMNS) + "\n")
        for e in sorted(kept, key=lambda e: e.id):
            row = [str(e.id), e.word, e.type, str(e.flags), e.translation, e.plural, e.pronunciation, e.root,
                   e.present, e.verbalnoun, str(e.frequency) if e.frequency is not None else "", e.fr]
            f.write("\t".join(escape(c) for c in row) + "\n")


def report(kept, log):
    """The shares of the fields the build fills."""
    def share(part, whole):
        return "%d / %d (%.1f%%)" % (len(part), len(whole), 100 * len(part) / len(whole) if whole else 100)

    words = kept
    nouns = [e for e in kept if e.type == "Noun" and " " not in e.word]
    adjectives = [e for e in kept if e.type == "Adj."]
    verbs = [e for e in kept if e.type == "Verb"]
    print("entries: %d (phrases %d)" % (len(kept), sum(" " in e.word for e in kept)), file=log)
    print("vocalised: " + share([e for e in words if e.word != script.bare(e.word)], words), file=log)
    print("noun gender: " + share([e for e in nouns if e.flags & (MASCULINE | FEMININE)], nouns), file=log)
    print("noun plural: " + share([e for e in nouns if e.plural or e.flags & PLURAL], nouns), file=log)
    print("adjective plural: " + share([e for e in adjectives if e.plural], adjectives), file=log)
    print("root: " + share([e for e in words if e.root], words), file=log)
    print("root of nouns, adjectives, verbs: " + share([e for e in nouns + adjectives + verbs if e.root],
                                                       nouns + adjectives + verbs), file=log)
    print("verb present: " + share([e for e in verbs if e.present], verbs), file=log)
    print("verb verbal noun: " + share([e for e in verbs if e.verbalnoun], verbs), file=log)
    print("verb transitivity: " + share([e for e in verbs if e.flags & (TRANSITIVE | INTRANSITIVE)], verbs), file=log)
    print("pronunciation: " + share([e for e in words if e.pronunciation], words), file=log)
    print("frequency: " + share([e for e in words if e.frequency is not None], words), file=log)
    counts = collections.Counter(len(e.translation.split(", ")) for e in kept)
    print("meanings per entry: %s" % dict(sorted(counts.items())), file=log)


def build(previous, log):
    """The entries of the dictionary: the words of the overrides and of
    the previous file, then the most frequent others, SIZE in all."""
    builder = Builder()
    builder.complete_verbs()
    builder.attach_wiktionary()
    builder.entries = apply_overrides(builder.entries, OVERRIDES, log)
    builder.count()
    builder.choose_masdars()
    entries = builder.entries
    for e in entries:
        e.translation = getattr(e, "override_translation", "") or ", ".join(builder.meanings(e))
        e.frequency = round(e.count * 1e6 / builder.total) if " " not in e.word else None
    eligible = [e for e in entries if e.core or (e.translation and e.word != script.bare(e.word) and stands_alone(e))]
    previous_keys = keys_of(previous)
    chosen = {}
    for e in eligible:
        if e.core or e.key in previous_keys:
            chosen[e.key] = e
    # a sample word without vowels is the most frequent entry of its letters
    for word, word_type in sample_letters(previous):
        options = [e for e in eligible if script.bare(e.word) == word and e.type == word_type]
        if options:
            best = max(options, key=lambda e: (e.count, e.word))
            chosen[best.key] = best
    for e in sorted(eligible, key=lambda e: (-e.count, e.word, e.type)):
        if len(chosen) >= SIZE:
            break
        chosen.setdefault(e.key, e)
    kept = sorted(chosen.values(), key=lambda e: (-e.count, e.word, e.type))
    for e in kept:
        finish(e, builder.written)
    assign_ids(kept, previous)
    keep_sample_translations(kept, previous)
    return kept


def stands_alone(e):
    """A word must owe a quarter of its count to forms that are its alone
    (a thirtieth, if ElixirFM and Wiktionary agree on its English): else
    it is a rare homograph living off a frequent word's forms (عَامَ "to
    swim" off عَام "year", سَفَن "sandpaper" off سُفُن "ships")."""
    alone = getattr(e, "alone", 0)
    return e.count == 0 or alone >= 0.25 * e.count or (e.prior >= 3 and alone >= 0.03 * e.count)


def finish(e, written):
    """The fields of a kept entry the build makes: gender and number,
    plural, transliteration."""
    if not e.flags_set:
        if e.type == "Noun":
            e.flags |= gender_flags(e)
        elif e.type == "Adj.":
            e.flags |= MASCULINE | SINGULAR
    if hasattr(e, "override_plural"):
        e.plural = e.override_plural
    else:
        e.plural = plural_of(e, written)
    if not e.pronunciation:
        e.pronunciation = script.transliteration(e.word)


def keys_of(previous):
    """The words and types of the previous file: they stay."""
    keys = set()
    if os.path.exists(previous):
        with open(previous, encoding="utf-8") as f:
            for row in csv.DictReader(f, delimiter="\t", quoting=csv.QUOTE_NONE):
                keys.add((row["word"], row["type"]))
    return keys


def sample_letters(previous):
    """Words of the previous file written without vowels (the sample)."""
    result = []
    if os.path.exists(previous):
        with open(previous, encoding="utf-8") as f:
            for row in csv.DictReader(f, delimiter="\t", quoting=csv.QUOTE_NONE):
                if row["word"] == script.bare(row["word"]):
                    result.append((row["word"], row["type"]))
    return result


def keep_sample_translations(kept, previous):
    """The French meanings of the previous file stay with their entries."""
    if not os.path.exists(previous):
        return
    by_id = {e.id: e for e in kept}
    with open(previous, encoding="utf-8") as f:
        for number, row in enumerate(csv.DictReader(f, delimiter="\t", quoting=csv.QUOTE_NONE), 1):
            e = by_id.get(int(row.get("id") or number))
            if e is not None and row.get("fr") and not e.fr:
                e.fr = row["fr"]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--out", default=os.path.join(ROOT, "data"))
    parser.add_argument("--previous", default=os.path.join(ROOT, "data", "arabic.tsv"),
                        help="the TSV whose entry numbers to keep")
    args = parser.parse_args()
    kept = build(args.previous, sys.stderr)
    write(kept, args.out)
    report(kept, sys.stderr)


if __name__ == "__main__":
    main()
