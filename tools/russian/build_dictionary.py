#!/usr/bin/python3
"""Builds Verbalon's bundled Russian-English dictionary (data/russian.tsv)
from the open sources in data/sources/russian:

- the word forms of film subtitles with their counts (ru_50k.txt), reduced
  to dictionary forms with OpenCorpora's morphology (ru_forms_az.tsv, made
  by tools/russian/morph.js), each form's count shared among its readings
  by the weight OpenCorpora's corpus gives them;
- English meanings from Wiktionary's English-Russian translation tables
  (en-ru-wiktionary.tsv), read backwards, and OpenRussian's glosses of the
  small words (openrussian-others.csv);
- gender, genitive singular and nominative plural of nouns, aspect and
  transitivity of verbs from OpenCorpora (ru_lemmas_az.tsv); aspect
  partners from the pairs Wiktionary's tables give side by side;
- stress from Wiktionary's transliterations and OpenRussian's accented
  words, carried onto the genitive and plural where the noun's stress
  pattern makes the place certain.

The reviewed corrections and additions of data/russian-overrides.tsv are
applied last. Entry numbers stay what the previous data/russian.tsv gave
them, so a learner's copy merges with a new version; new entries get new
numbers from 101 in order of frequency.

    /usr/bin/python3 tools/russian/build_dictionary.py [--out DIR] [--previous TSV]

The same sources and the same previous file give the same output, byte for
byte. The figures go to standard error.
"""
import argparse, collections, csv, math, os, re, sys, unicodedata

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
SOURCES = os.path.join(ROOT, "data", "sources", "russian")
OVERRIDES = os.path.join(ROOT, "data", "russian-overrides.tsv")
HAND_STRESS = os.path.join(ROOT, "data", "russian-stress.tsv")
# how many dictionary forms the frequency list gives the dictionary
SIZE = 3250
MAX_MEANINGS = 4
FIRST_NEW_ID = 101

NOUN, VERB, ADJECTIVE, ADVERB, NUMERAL, PRONOUN, CONJUNCTION, PREPOSITION, OTHER = range(1, 10)
TYPE_LABELS = {OTHER: "???", NOUN: "Noun", VERB: "Verb", ADJECTIVE: "Adj.", ADVERB: "Adv.", NUMERAL: "Num.",
               PRONOUN: "Pers.", CONJUNCTION: "Conj.", PREPOSITION: "Prep."}
SMALL_TYPES = (ADVERB, NUMERAL, PRONOUN, CONJUNCTION, PREPOSITION, OTHER)
# Wiktionary's parts of speech; exclamations and set phrases have no type of their
# own; the extraction calls some plain senses proverbs (tree: дерево), so
# those stand in for any type that has no other meaning
WIKTIONARY_TYPES = {"n": NOUN, "v": VERB, "adj": ADJECTIVE, "adv": ADVERB, "num": NUMERAL, "pron": PRONOUN,
                    "determiner": PRONOUN, "conj": CONJUNCTION, "prep": PREPOSITION, "particle": ADVERB,
                    "interj": OTHER, "phrase": OTHER, "contraction": OTHER, "article": OTHER,
                    "proverb": None}
# OpenCorpora's parts of speech (pronominal adjectives, мой, этот, go with the pronouns)
CORPUS_TYPES = {"NOUN": NOUN, "INFN": VERB, "VERB": VERB, "ADJF": ADJECTIVE, "ADJS": ADJECTIVE,
                "COMP": ADJECTIVE, "PRTF": ADJECTIVE, "PRTS": ADJECTIVE, "ADVB": ADVERB, "PRED": ADVERB,
                "PRCL": ADVERB, "NUMR": NUMERAL, "NPRO": PRONOUN, "CONJ": CONJUNCTION, "PREP": PREPOSITION,
                "INTJ": OTHER}
MASCULINE, FEMININE, SINGULAR, PLURAL, TRANSITIVE, INTRANSITIVE = 1, 2, 4, 8, 64, 128
PERFECTIVE, IMPERFECTIVE = 1024, 2048
GENDERS = {"masc": MASCULINE, "femn": FEMININE, "neut": 0, "ms-f": MASCULINE | FEMININE}
# items Wiktionary marks as not for a learner's first dictionary
UNWANTED_NOTE = re.compile(r"vulgar|slang|offensive|derogatory|pejorative|obscene|taboo|dialect|obsolete|archaic|"
                           r"dated|rare|jargon|criminal|prison|euphemis|humorous|ironic|poetic", re.I)
UNWANTED_ENGLISH = {"fuck", "fucking", "shit", "cunt", "dick", "cock", "pussy", "whore", "bitch", "asshole",
                    "motherfucker", "bastard", "prick", "twat", "wanker", "slut", "fag", "faggot", "nigger",
                    "bullshit", "damn", "goddamn", "arse", "ass", "piss", "crap", "bloody"}
ACUTE = "\u0301"
VOWELS = "аеёиоуыэюя"
TRANSLIT_VOWELS = "aeiouyɛ"


def plain(word):
    """A word without stress marks, as a learner types it."""
    return word.replace(ACUTE, "")


def folded(word):
    return plain(word).replace("ё", "е")


def vowel_places(word):
    return [i for i, c in enumerate(word) if c in VOWELS]


def stressed(word, place):
    """The word with the stress on its place-th vowel (from 0); a word of
    one syllable or with ё stays as it is."""
    word = plain(word)
    places = vowel_places(word)
    if len(places) < 2 or "ё" in word or place is None or not 0 <= place < len(places):
        return word
    i = places[place]
    return word[:i + 1] + ACUTE + word[i + 1:]


def stress_place(word):
    """Which vowel of a word carries the stress mark (from 0), ё counting as
    marked; None when the word shows none."""
    vowel = -1
    for i, c in enumerate(word):
        if c in VOWELS:
            vowel += 1
            if c == "ё" or word[i + 1:i + 2] == ACUTE:
                return vowel
    return None


def needs_stress(word):
    """A word of more than one syllable without ё needs its stress shown;
    a hyphenated word (что-нибудь, по-моему) is one word."""
    return any(len(vowel_places(w)) > 1 and "ё" not in w for w in plain(word).split(" "))


def fully_stressed(word):
    """Every word of more than one syllable shows its stress."""
    return all(stress_place(w) is not None for w in word.split(" ") if needs_stress(w))


def translit_stress(word, translit):
    """The place of the stressed vowel of a Russian word read from
    Wiktionary's Latin transliteration (an acute or ó over it), or None
    when the two do not line up vowel for vowel."""
    letters = unicodedata.normalize("NFD", translit.lower())
    vowels, place = 0, None
    for i, c in enumerate(letters):
        if c not in TRANSLIT_VOWELS:
            continue
        following = letters[i + 1:i + 2]
        # y starting a word or after a vowel, before a vowel, writes й ("yabloko", "moyo"); after a
        # consonant it is ы ("vyigrat'")
        nxt = letters[i + 1:].lstrip(ACUTE)[:1]
        before = letters[:i].rstrip(ACUTE + "\u0308")[-1:]
        if c == "y" and nxt and nxt in TRANSLIT_VOWELS and (not before or before in TRANSLIT_VOWELS or
                                                             not before.isalpha()):
            continue
        if following == ACUTE:
            if place is not None:
                return None
            place = vowels
        elif following == "\u0308" and c == "e":  # ë writes ё
            if place is not None:
                return None
            place = vowels
        vowels += 1
    if place is None or vowels != len(vowel_places(word)):
        return None
    return place


def split_outside(text, separators):
    """Parts of a text split at separators outside brackets, braces,
    parentheses and slashes."""
    parts, depth, current, in_slash = [], 0, "", False
    i = 0
    while i < len(text):
        c = text[i]
        if c == "\\" and i + 1 < len(text):
            current += text[i:i + 2]
            i += 2
            continue
        if c == "/" and depth == 0:
            in_slash = not in_slash
        elif c in "([{":
            depth += 1
        elif c in ")]}":
            depth -= 1
        if c in separators and depth == 0 and not in_slash:
            parts.append(current)
            current = ""
        else:
            current += c
        i += 1
    parts.append(current)
    return [p.strip() for p in parts if p.strip()]


Translation = collections.namedtuple("Translation", "word tags translit notes")


def parse_translation(item):
    """One translation of a Wiktionary line: the Russian word(s), the tags
    ([p]<m>[/p]: gender, aspect), the transliteration, the notes."""
    notes = re.findall(r"\\\[([^\]]*?)\\\]", item)
    tags = re.findall(r"\[p\]<([^>]*)>\[/p\]", item)
    # a transliteration is /between slashes/, in grey or not; a note there ("e.g., ...") is none
    translit = [t for t in re.findall(r"\[c gray\]/([^/]*)/\[/c\]", item) +
                re.findall(r"/([^/]*)/", re.sub(r"\[[^\]]*\]", " ", item)) if not re.search(r"[,.;:а-яё]", t)]
    text = re.sub(r"\\\[[^\]]*?\\\]|\[p\]<[^>]*>\[/p\]|\[c gray\]/[^/]*/\[/c\]|/[^/]*/|\[i\].*?\[/i\]|\([^)]*\)",
                  " ", item)
    text = re.sub(r"\[[^\]]*\]", " ", text)
    word = " ".join(text.split())
    return Translation(word, tags, translit[0].strip() if translit else "", notes)


Sense = collections.namedtuple("Sense", "english type place tags translit line sense")


def read_wiktionary():
    """Russian word -> its senses, the English headwords whose translation
    tables list it; the lines, each a list of Translations (for the aspect
    pairs); and how often each English word appears in the glosses."""
    senses = collections.defaultdict(list)
    lines = []
    usage = collections.Counter()
    sense_numbers = collections.Counter()
    with open(os.path.join(SOURCES, "en-ru-wiktionary.tsv"), encoding="utf-8") as f:
        for row in f:
            if row.startswith("#"):
                continue
            english, pos, gloss, russian = row.rstrip("\n").split("\t")
            for w in re.findall(r"[a-z']+", gloss.lower()):
                usage[w] += 1
            if pos not in WIKTIONARY_TYPES or english.lower() in UNWANTED_ENGLISH or UNWANTED_NOTE.search(gloss):
                continue
            translations = [parse_translation(item) for item in split_outside(russian, ",;")]
            lines.append(translations)
            # Wiktionary lists an English word's main sense first
            sense = sense_numbers[(english, pos)]
            sense_numbers[(english, pos)] += 1
            for place, t in enumerate(translations):
                if not re.fullmatch(r"[а-яё]+(?:[ -][а-яё]+)*", t.word) or any(UNWANTED_NOTE.search(n) for n in t.notes):
                    continue
                senses[t.word].append(Sense(english, WIKTIONARY_TYPES[pos], place, t.tags, t.translit, len(lines) - 1,
                                             sense))
    return senses, lines, usage


def read_openrussian():
    """The small words of OpenRussian: word -> (accented word, English glosses)."""
    words = {}
    with open(os.path.join(SOURCES, "openrussian-others.csv"), encoding="utf-8") as f:
        for row in csv.DictReader(f, delimiter="\t"):
            accented = row["accented"].replace("'", ACUTE)
            glosses = [g.strip() for g in re.split(r"[;,]", row["translations_en"]) if g.strip()]
            words.setdefault(row["bare"], (accented, glosses))
    return words


def read_frequency():
    with open(os.path.join(SOURCES, "ru_50k.txt"), encoding="utf-8") as f:
        return [(form, int(count)) for form, count in (line.split() for line in f)]


def read_readings():
    """Form -> [(lemma, OpenCorpora part of speech, weight)]."""
    readings = collections.defaultdict(list)
    with open(os.path.join(SOURCES, "ru_forms_az.tsv"), encoding="utf-8") as f:
        for line in f:
            form, lemma, pos, score = line.rstrip("\n").split("\t")
            readings[form].append((lemma, pos, float(score)))
    return readings


Lemma = collections.namedtuple("Lemma", "word pos gender animacy number fixed genitive plural aspect transitivity apro")


def read_lemmas():
    lemmas = {}
    with open(os.path.join(SOURCES, "ru_lemmas_az.tsv"), encoding="utf-8") as f:
        for line in f:
            row = Lemma(*line.rstrip("\n").split("\t"))
            lemmas.setdefault((row.word, CORPUS_TYPES.get(row.pos, OTHER)), row)
    return lemmas


def corpus_type(lemma, pos):
    return PRONOUN if lemma.apro else CORPUS_TYPES.get(pos, OTHER)


def lemma_counts(frequency, readings, lemmas):
    """Lemma -> count, and lemma -> {word type: count}: each form's count
    shared among its readings by their weights (equal where the corpus
    has none). A form OpenCorpora does not know counts as itself."""
    counts = collections.Counter()
    kinds = collections.defaultdict(collections.Counter)
    for form, count in frequency:
        options = readings.get(form)
        if not options:
            counts[form] += count
            continue
        total = sum(w for _, _, w in options)
        for lemma, pos, weight in options:
            share = count * (weight / total if total else 1 / len(options))
            word_type = corpus_type(lemmas.get((lemma, CORPUS_TYPES.get(pos, OTHER)), Lemma(*[""] * 11)), pos)
            counts[lemma] += share
            kinds[lemma][word_type] += share
    return counts, kinds


# words an English headword may have around its point (to be able to, one's own)
ENGLISH_FILLERS = {"to", "be", "a", "an", "the", "one's", "of", "something", "someone", "oneself", "up", "off",
                   "out", "go", "get", "turn", "make", "take", "set", "put", "come"}
# words the glosses use for their grammar, whatever they mean as headwords (or: heraldic gold)
ENGLISH_FUNCTION_WORDS = {"or", "and", "in", "on", "at", "for", "with", "by", "from", "as", "that", "it", "is"}


def english_use(english, usage):
    """How common an English headword is, by how often its words appear in
    Wiktionary's glosses (the rarest word of a phrase counts)."""
    words = [w for w in re.findall(r"[a-z']+", english.lower()) if w not in ENGLISH_FUNCTION_WORDS]
    if len(words) > 1:
        words = [w for w in words if w not in ENGLISH_FILLERS] or words
    return min((usage.get(w, 0) for w in words), default=0)


LATIN = dict(zip("абвгдеёжзийклмнопрстуфхцчшщъыьэюя",
                 ["a", "b", "v", "g", "d", "e", "e", "zh", "z", "i", "i", "k", "l", "m", "n", "o", "p", "r", "s", "t",
                  "u", "f", "h", "ts", "ch", "sh", "sch", "", "y", "", "e", "yu", "ya"]))


def cognate(russian, english):
    """The English word is the Russian one's loan or source (паспорт,
    passport; легенда, legend): their first four sounds agree."""
    latin = "".join(LATIN.get(c, c) for c in plain(russian).lower())
    english = english.lower().replace("c", "k").replace("ph", "f").replace("y", "i")
    latin = latin.replace("c", "k").replace("y", "i")
    return len(latin) >= 4 and len(english) >= 4 and latin[:4] == english[:4]


def english_meanings(senses, word_type, usage, russian=""):
    """The English meanings of one word type, most likely first. A meaning
    scores for naming this word first in its table, for being the main
    (first) sense of its English word, for coming early in the line, and
    for being a common English word (by the glosses); one after the first
    must be named first and be a word the glosses use, so that rare and
    far-fetched ones (ken, jerkwater) stay out."""
    ranked = {}
    for s in senses:
        if s.type != word_type:
            continue
        meaning = s.english
        if word_type == VERB and not meaning.startswith("to "):
            meaning = "to " + meaning
        score = 2 * (s.place == 0) + 1.5 * (s.sense == 0) - 0.5 * min(s.place, 3) + 4 * cognate(russian, s.english)
        first, best = ranked.get(meaning, (1, -99))
        ranked[meaning] = (min(first, 0 if s.place == 0 else 1), max(best, score))
    scores = {m: best + math.log(1 + english_use(m, usage)) for m, (_, best) in ranked.items()}
    ordered = sorted(ranked, key=lambda m: (-round(scores[m], 6), len(m), m))
    kept = ordered[:1] + [m for m in ordered[1:] if ranked[m][0] == 0 and english_use(m, usage) >= 3]
    return kept[:MAX_MEANINGS]


def majority(values):
    counted = collections.Counter(v for v in values if v is not None)
    if not counted:
        return None
    best = max(counted.values())
    return min(v for v, c in counted.items() if c == best)


def similar_stems(a, b):
    """Two verbs of an aspect pair share most of their letters: one is the
    other with a prefix (делать/сделать) or a changed suffix
    (решать/решить, давать/дать)."""
    a, b = re.sub("с[яь]$", "", a), re.sub("с[яь]$", "", b)
    common = 0
    for i in range(len(a)):
        for j in range(i + common + 1, len(a) + 1):
            if a[i:j] in b:
                common = j - i
            else:
                break
    return common >= max(3, min(len(a), len(b)) - 3) and abs(len(a) - len(b)) <= 4


class Builder:
    def __init__(self):
        self.frequency = read_frequency()
        self.total = sum(count for _, count in self.frequency)
        self.form_counts = dict(self.frequency)
        self.lemmas = read_lemmas()
        self.counts, self.kinds = lemma_counts(self.frequency, read_readings(), self.lemmas)
        self.wiktionary, self.lines, self.usage = read_wiktionary()
        self.openrussian = read_openrussian()
        self.stress = self.read_stress()
        self.hand_stress = read_hand_stress(HAND_STRESS)
        self.partners = self.aspect_pairs()
        self.entries = []

    def read_stress(self):
        """Word -> place of its stressed vowel: OpenRussian's accent, else
        the place most of Wiktionary's transliterations give. Each word of
        a phrase counts on its own too."""
        votes = collections.defaultdict(list)
        for word, senses in self.wiktionary.items():
            for s in senses:
                if not s.translit:
                    continue
                parts, marks = word.split(" "), s.translit.split(" ")
                if len(parts) == len(marks):
                    for part, mark in zip(parts, marks):
                        votes[part].append(translit_stress(part, mark))
        stress = {word: majority(v) for word, v in votes.items()}
        for bare, (accented, _) in self.openrussian.items():
            if " " not in bare and stress_place(accented) is not None:
                stress[bare] = stress_place(accented)
        return {w: p for w, p in stress.items() if p is not None}

    def aspect_pairs(self):
        """Verb -> its aspect partner: of the verbs of the other aspect that
        stand next to it in Wiktionary's lines and share its stem, the one
        that does so most often."""
        pairs = collections.defaultdict(collections.Counter)
        for line in self.lines:
            aspects = [(t.word, "pf" if "pf" in t.tags else "impf" if "impf" in t.tags else "") for t in line]
            for (a, x), (b, y) in zip(aspects, aspects[1:]):
                if {x, y} == {"pf", "impf"} and " " not in a + b and similar_stems(a, b):
                    pairs[a][b] += 1
                    pairs[b][a] += 1
        return {verb: max(sorted(c), key=lambda w: c[w]) for verb, c in pairs.items()}

    def senses_of(self, lemma):
        senses = self.wiktionary.get(lemma)
        if senses is None and "ё" in lemma:
            senses = self.wiktionary.get(lemma.replace("ё", "е"))
        return senses or []

    def types_of(self, lemma):
        """The word types a lemma gets an entry for: those OpenCorpora reads
        it as in at least a fifth of its uses, or most, that have a meaning."""
        found = self.corpus_types(lemma)
        return [t for t in found if self.meanings(lemma, t)]

    def corpus_types(self, lemma):
        kinds = self.kinds.get(lemma, collections.Counter())
        total = sum(kinds.values()) or 1
        found = set()
        for word_type, count in kinds.items():
            if count / total >= 0.2 or count == max(kinds.values()):
                found.add(word_type)
        if not kinds:
            found = {s.type for s in self.senses_of(lemma) if s.type is not None}
        return sorted(found, key=lambda t: (-kinds.get(t, 0), t))

    def wiktionary_types(self, lemma):
        """The word types Wiktionary gives a lemma none of whose readings
        has a meaning (спасибо: OpenCorpora's noun, Wiktionary's
        exclamation), the most used first."""
        counted = collections.Counter(s.type for s in self.senses_of(lemma) if s.type is not None)
        return sorted(counted, key=lambda t: (-counted[t], t))

    def meanings(self, lemma, word_type):
        senses = self.senses_of(lemma)
        meanings = english_meanings(senses, word_type, self.usage, lemma)
        if word_type in SMALL_TYPES:
            glosses = self.openrussian.get(lemma, ("", []))[1]
            if glosses:
                meanings = list(dict.fromkeys(glosses))[:MAX_MEANINGS]
            elif not meanings:
                for other in SMALL_TYPES:
                    meanings = meanings or english_meanings(senses, other, self.usage, lemma)
        if not meanings and word_type in (NOUN, VERB, ADJECTIVE):
            meanings = english_meanings([s._replace(type=word_type) for s in senses if s.type is None and
                                         " " not in s.english], word_type, self.usage, lemma)
        return meanings

    def choose(self):
        """The most frequent lemmas that have a meaning."""
        chosen = []
        for lemma, count in sorted(self.counts.items(), key=lambda kv: (-kv[1], kv[0])):
            if len(chosen) >= SIZE:
                break
            if any(self.meanings(lemma, t) for t in self.types_of(lemma) + self.wiktionary_types(lemma)):
                chosen.append(lemma)
        return chosen

    def entry(self, lemma, word_type, rank):
        meanings = self.meanings(lemma, word_type)
        if not meanings:
            return None
        e = new_entry(lemma, word_type, rank)
        e["translation"] = ", ".join(meanings)
        e["frequency"] = self.per_million(lemma)
        info = self.lemmas.get((lemma, word_type))
        if word_type == NOUN:
            self.noun(e, info)
        elif word_type == VERB:
            self.verb(e, info)
        elif word_type == ADJECTIVE:
            e["flags"] = MASCULINE | SINGULAR  # the dictionary form
        return e

    def complete(self, e, lemma=""):
        """An added entry gets what the sources know of its word (or of the
        lemma OpenCorpora files its forms under: деньги under деньга)."""
        e["frequency"] = self.per_million(lemma or e["word"]) or self.form_per_million(e["word"])
        info = self.lemmas.get((lemma or e["word"], e["type"]))
        if e["type"] == ADJECTIVE:
            e["flags"] = MASCULINE | SINGULAR
        if e["type"] == NOUN and " " not in e["word"]:
            self.noun(e, info)
        elif e["type"] == VERB:
            self.verb(e, info)

    def form_per_million(self, form):
        """A word the lemmas leave out (лю́ди, filed under челове́к) counts
        its own form."""
        return int(self.form_counts.get(form, 0) * 1000000 / self.total + 0.5)

    def per_million(self, lemma):
        return int(self.counts.get(lemma, 0) * 1000000 / self.total + 0.5)

    def noun(self, e, info):
        genders = [t for s in self.senses_of(e["word"]) if s.type == NOUN for t in s.tags]
        plural_only = (info and info.number == "Pltm") or (
            genders and all(g in ("p", "m-p", "f-p", "n-p") for g in genders if g in ("m", "f", "n", "p", "m-p", "f-p", "n-p")))
        if plural_only:
            e["flags"] = PLURAL
            return
        gender = GENDERS.get(info.gender, 0) if info and info.gender else \
            {"m": MASCULINE, "f": FEMININE}.get(next((g for g in genders if g in ("m", "f", "n")), ""), 0)
        e["flags"] = gender | SINGULAR
        e["gender_known"] = bool(info and info.gender) or any(g in ("m", "f", "n") for g in genders)
        if info:
            e["genitive"] = info.genitive
            e["plural"] = "" if info.number == "Sgtm" else info.plural
            e["fixed"] = bool(info.fixed)

    def verb(self, e, info):
        word = e["word"]
        if info:
            e["flags"] |= {"perf": PERFECTIVE, "impf": IMPERFECTIVE}.get(info.aspect, 0)
            if re.search("с[яь]$", word) or info.transitivity == "intr":
                e["flags"] |= INTRANSITIVE
            elif info.transitivity == "tran":
                e["flags"] |= TRANSITIVE
        partner = self.partners.get(word, "")
        partner_info = self.lemmas.get((partner, VERB))
        if partner and partner_info and partner_info.aspect and info and partner_info.aspect != info.aspect:
            e["partner"] = partner

    def build(self):
        for rank, lemma in enumerate(self.choose()):
            made = []
            for word_type in self.types_of(lemma) or self.wiktionary_types(lemma):
                e = self.entry(lemma, word_type, rank)
                # a small word read two ways (что: conjunction, pronoun) with
                # the same meanings is one entry
                if e and not any(m["translation"] == e["translation"] for m in made):
                    made.append(e)
            self.entries.extend(made)
        for order, e in enumerate(self.entries):
            e["order"] = order

    def mark_stress(self, entries):
        """The stress on each word from the sources, then on the genitive,
        plural and partner where it follows."""
        for e in entries:
            e["word"] = self.with_stress(e["word"])
            if e["type"] == VERB and e["partner"]:
                e["partner"] = self.with_stress(e["partner"])
            if e["type"] == NOUN:
                for field in ("genitive", "plural"):
                    if e[field] and not fully_stressed(e[field]):
                        e[field] = form_stress(e, field) or e[field]

    def with_stress(self, text):
        if fully_stressed(text):
            return text
        words = []
        for w in text.split(" "):
            if stress_place(w) is None and needs_stress(w):
                w = self.hand_stress.get(w) or \
                    stressed(w, self.stress.get(plain(w), self.stress.get(plain(w).replace("ё", "е"))))
            words.append(w)
        return " ".join(words)


def read_hand_stress(path):
    """Word -> the word with the stress decided by hand."""
    words = {}
    if os.path.exists(path):
        with open(path, encoding="utf-8") as f:
            for line in f:
                word = line.strip()
                if word and not word.startswith("#"):
                    words[plain(word)] = word
    return words


def new_entry(word, word_type, rank):
    return {"word": word, "type": word_type, "flags": 0, "translation": "", "plural": "", "genitive": "",
            "partner": "", "frequency": 0, "de": "", "rank": rank, "order": 0, "fixed": False,
            "gender_known": False}


def form_stress(e, field):
    """The genitive singular or nominative plural of a noun with its stress
    where the noun's pattern leaves no doubt; None where it does (those get
    their stress in the overrides, or none).

    - a word that does not change (пальто) keeps its stress;
    - a plural in stressed -а/-я (города́, учителя́) is stressed there;
    - a stress before the last syllable stays where it is (ко́мната,
      ко́мнаты; мужчи́на; зда́ние);
    - a feminine in -ь keeps its stress (крова́ть, крова́ти), unless a vowel
      drops out (любо́вь, любви́): then the ending takes it;
    - a masculine stressed on the last syllable whose vowel drops out
      (коне́ц, конца́; звоно́к, звонка́) and a noun stressed on its ending
      (окно́, окна́; вода́, воды́) have the genitive stressed on the ending.
    """
    word, form = e["word"], e[field]
    place = stress_place(word)
    if place is None:
        return None
    vowels, form_vowels = vowel_places(plain(word)), vowel_places(form)
    if not needs_stress(form):
        return form
    if e["fixed"]:
        return stressed(form, place)
    base = plain(word)
    last = len(vowels) - 1
    ends_in_vowel = base[-1] in VOWELS
    masculine_zero = not ends_in_vowel and not (e["flags"] & FEMININE and base.endswith("ь"))
    if field == "plural" and masculine_zero and re.search("[^ь][ая]$", form):
        return stressed(form, len(form_vowels) - 1)
    if field == "plural" and form.endswith("ья"):
        return None
    same_stem = form[:vowels[place] + 1] == base[:vowels[place] + 1]
    if place < last or (not ends_in_vowel and place == last and e["flags"] & FEMININE and base.endswith("ь")):
        if same_stem and len(form_vowels) > place and not (len(form_vowels) == len(vowels) and place == last):
            if field == "plural" and not ends_in_vowel and place == last:
                return stressed(form, place)  # feminine -ь
            if field == "plural" and e["flags"] & (MASCULINE | FEMININE) == 0 and len(vowels) == 2:
                return None  # сло́во, слова́; ме́сто, места́
            if field == "plural" and masculine_zero and place == last:
                return None
            return stressed(form, place)
        if field == "genitive" and len(form_vowels) == len(vowels) and place == last:
            return stressed(form, len(form_vowels) - 1)  # любо́вь, любви́
        return None
    if masculine_zero and place == last and len(form_vowels) == len(vowels):
        return stressed(form, len(form_vowels) - 1)  # коне́ц, конца́, концы́
    if ends_in_vowel and place == last and field == "genitive":
        return stressed(form, len(form_vowels) - 1)  # окно́, окна́
    return None


OVERRIDE_FIELDS = ("translation", "plural", "genitive", "partner", "de")


def apply_overrides(entries, path, complete=None):
    """The reviewed corrections: a row names an entry by its word (stress
    marks and ё as a learner types them do not matter) and type and gives
    the fields it corrects; a word written with its stress gives the
    entry that stress; "delete" drops the entry, "add" adds one (after
    the others of its frequency), "-" empties a field."""
    if not os.path.exists(path):
        return entries
    by_key = {(folded(e["word"]), e["type"]): e for e in entries}
    with open(path, encoding="utf-8") as f:
        for row in csv.DictReader((line for line in f if not line.startswith("#")), delimiter="\t"):
            key = (folded(row["word"]), type_of_label(row["type"]))
            action = row.get("action", "")
            if action == "delete":
                entries = [e for e in entries if (folded(e["word"]), e["type"]) != key]
                by_key.pop(key, None)
                continue
            if action == "add" and key not in by_key:
                e = new_entry(plain(row["word"]), key[1], 10 ** 6)
                e["order"] = 10 ** 6 + len(entries)
                if complete:
                    complete(e, row.get("lemma", ""))
                entries.append(e)
                by_key[key] = e
            e = by_key.get(key)
            if e is None:
                print("override without entry: %s %s" % (row["word"], row["type"]), file=sys.stderr)
                continue
            if stress_place(row["word"]) is not None or "ё" in row["word"]:
                e["word"] = row["word"]
            for field in OVERRIDE_FIELDS:
                if row.get(field):
                    e[field] = "" if row[field] == "-" else row[field]
            if row.get("flags"):
                e["flags"] = int(row["flags"])
            if row.get("frequency"):
                e["frequency"] = int(row["frequency"])
    return entries


def type_of_label(label):
    for value, text in TYPE_LABELS.items():
        if text == label:
            return value
    raise ValueError("no word type %r" % label)


def assign_ids(entries, previous):
    """Entry numbers as the previous build gave them (a file without an id
    column numbers its rows from 1, as the import does); new entries from
    FIRST_NEW_ID on, the most frequent first."""
    ids = {}
    if os.path.exists(previous):
        with open(previous, encoding="utf-8") as f:
            for number, row in enumerate(csv.DictReader(f, delimiter="\t"), 1):
                ids.setdefault((folded(row["word"]), type_of_label(row["type"])), int(row.get("id") or number))
    next_id = max(max(ids.values(), default=0) + 1, FIRST_NEW_ID)
    for e in sorted(entries, key=lambda e: (-e["frequency"], e["rank"], e["order"])):
        key = (folded(e["word"]), e["type"])
        if key not in ids:
            ids[key] = next_id
            next_id += 1
        e["id"] = ids[key]


def escape(text):
    return text.replace("\\", "\\\\").replace("\t", "\\t").replace("\n", "\\n").replace("\r", "\\r")


COLUMNS = ("id", "word", "type", "flags", "translation", "plural", "genitive", "partner", "frequency", "de")


def write(entries, out):
    os.makedirs(out, exist_ok=True)
    with open(os.path.join(out, "russian.tsv"), "w", encoding="utf-8", newline="\n") as f:
        f.write("\t".join(COLUMNS) + "\n")
        for e in sorted(entries, key=lambda e: e["id"]):
            values = dict(e, id=str(e["id"]), type=TYPE_LABELS[e["type"]], flags=str(e["flags"]),
                          frequency=str(e["frequency"]))
            f.write("\t".join(escape(values[c]) for c in COLUMNS) + "\n")


def report(entries):
    def share(part, whole):
        return "%d / %d (%.1f%%)" % (len(part), len(whole), 100 * len(part) / len(whole) if whole else 100)

    def say(text):
        print(text, file=sys.stderr)

    nouns = [e for e in entries if e["type"] == NOUN and " " not in e["word"]]
    singular = [e for e in nouns if not e["flags"] & PLURAL]
    verbs = [e for e in entries if e["type"] == VERB]
    say("entries: %d (phrases %d)" % (len(entries), sum(" " in e["word"] for e in entries)))
    for label in TYPE_LABELS.values():
        say("  %s %d" % (label, sum(TYPE_LABELS[e["type"]] == label for e in entries)))
    say("stress on every word of more than one syllable: " +
        share([e for e in entries if fully_stressed(e["word"])], entries))
    say("noun gender from the sources: " + share([e for e in singular if e["gender_known"]], singular) +
        " (masculine %d, feminine %d, neuter %d), plural only %d" % (
            sum(e["flags"] & 3 == MASCULINE for e in singular), sum(e["flags"] & 3 == FEMININE for e in singular),
            sum(not e["flags"] & 3 for e in singular), len(nouns) - len(singular)))
    say("noun plural: " + share([e for e in singular if e["plural"]], singular))
    say("noun genitive: " + share([e for e in singular if e["genitive"]], singular))
    forms = [e[f] for e in singular for f in ("plural", "genitive") if e[f]]
    say("plural and genitive with their stress: " + share([f for f in forms if fully_stressed(f)], forms))
    say("verb aspect: " + share([e for e in verbs if e["flags"] & (PERFECTIVE | IMPERFECTIVE)], verbs))
    say("verb aspect partner: " + share([e for e in verbs if e["partner"]], verbs) + ", with stress " +
        share([e for e in verbs if e["partner"] and fully_stressed(e["partner"])], [e for e in verbs if e["partner"]]))
    say("verb transitivity: " + share([e for e in verbs if e["flags"] & (TRANSITIVE | INTRANSITIVE)], verbs))
    counts = collections.Counter(len(e["translation"].split(", ")) for e in entries)
    say("meanings per entry: %s" % dict(sorted(counts.items())))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--out", default=os.path.join(ROOT, "data"))
    parser.add_argument("--previous", default=os.path.join(ROOT, "data", "russian.tsv"),
                        help="the TSV whose entry numbers to keep")
    args = parser.parse_args()
    builder = Builder()
    builder.build()
    entries = apply_overrides(builder.entries, OVERRIDES, builder.complete)
    builder.mark_stress(entries)
    assign_ids(entries, args.previous)
    write(entries, args.out)
    report(entries)


if __name__ == "__main__":
    main()
