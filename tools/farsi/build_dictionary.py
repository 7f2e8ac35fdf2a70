#!/usr/bin/python3
"""Builds Verbalon's bundled Persian-English dictionary (data/farsi.tsv)
from the open sources in data/sources/farsi:

- English meanings from Wiktionary's English-Persian translation tables
  (en-fa-enwiktionary.txt), read backwards, with Wiktionary's
  transcriptions brought to one Latin scheme;
- how often each word is said, from the word forms of film subtitles
  (fa_50k.txt): a word's count is the sum over its written and spoken forms
  (plural, possessive endings, the conjugation of a verb);
- the past and present stems of verbs from Hazm (hazm/verbs.dat), the
  parts of speech of Hazm's lexicon (hazm/words.dat) to tell a word's
  own types from those Wiktionary gives its homographs.

The most frequent words that have an English meaning are kept, with the
compound verbs, set phrases and phrases of nouns whose words are all
frequent; names, vulgar, dialect and archaic words are left out. The
reviewed corrections of data/farsi-overrides.tsv are applied last. An entry
keeps the number the previous data/farsi.tsv gave it; new entries are
numbered from 101 up in order of frequency. Prints the shares of each field.

    /usr/bin/python3 tools/farsi/build_dictionary.py [--out DIR] [--previous TSV]

The same sources and the same previous file give the same output, byte for
byte.
"""
import argparse, collections, csv, os, re, sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from persian import ZWNJ, is_persian, joined, key, latin, normalise  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.join(HERE, "..", "..")
SOURCES = os.path.join(ROOT, "data", "sources", "farsi")
COLLOQUIAL = os.path.join(HERE, "colloquial.tsv")
# how many entries the dictionary keeps, and the first number of a new one
SIZE = 3370
FIRST_NEW_ID = 101
MAX_MEANINGS = 4
# the longest phrase kept, in words: set phrases, and other phrases
MAX_PHRASE_WORDS, MAX_COMPOUND_WORDS = 5, 3
# how much rarer a phrase is guessed to be than its rarest word, per further
# word: a set phrase (حال شما چطور است) is said more often than a phrase of
# the same words would be
PHRASE_SHARE, SET_PHRASE_SHARE = 8, 3

NOUN, VERB, ADJECTIVE, ADVERB, NUMERAL, PRONOUN, CONJUNCTION, PREPOSITION, OTHER = range(1, 10)
TYPE_LABELS = {OTHER: "???", NOUN: "Noun", VERB: "Verb", ADJECTIVE: "Adj.", ADVERB: "Adv.", NUMERAL: "Num.",
               PRONOUN: "Pers.", CONJUNCTION: "Conj.", PREPOSITION: "Prep."}
# Wiktionary's parts of speech as word types: greetings and other set
# phrases have no word type of their own
WIKTIONARY_TYPES = {"n": NOUN, "v": VERB, "adj": ADJECTIVE, "adv": ADVERB, "num": NUMERAL, "pron": PRONOUN,
                    "determiner": PRONOUN, "conj": CONJUNCTION, "prep": PREPOSITION, "postp": PREPOSITION,
                    "particle": ADVERB, "interj": OTHER, "phrase": OTHER, "contraction": OTHER}
# Hazm's parts of speech as word types
HAZM_TYPES = {"N": {NOUN}, "AJ": {ADJECTIVE}, "ADV": {ADVERB}, "NUM": {NUMERAL}, "PRO": {PRONOUN},
              "CONJ": {CONJUNCTION}, "P": {PREPOSITION}, "POSTP": {PREPOSITION}, "DET": {PRONOUN, ADJECTIVE},
              "INT": {OTHER}, "PL": {NOUN}}
# English verbs that take no "to"
MODALS = {"can", "may", "must", "shall", "will", "should", "might", "could", "would", "ought to"}
# Wiktionary's marks of words a first-year learner does without
UNWANTED_MARK = re.compile(r"\b(vulgar|slang|offensive|derogatory|pejorative|obscene|rude|taboo|dialectal|"
                           r"archaic|obsolete|dated|rare|poetic|literary|Dari|Afghanistan|Tajik|Middle Persian|"
                           r"Classical|Old Persian|Arabic)\b", re.I)
# names of letters, and numerals as nouns (the digit)
LETTER_NAME = re.compile(r"\b(name of the letter|digit)\b", re.I)
UNWANTED_ENGLISH = {"fuck", "fucking", "shit", "cunt", "dick", "cock", "pussy", "whore", "bitch", "asshole",
                    "motherfucker", "bastard", "prick", "twat", "wanker", "slut", "fag", "faggot", "nigger",
                    "arse", "ass", "tits", "boobs"}
# light verbs' stems are in Hazm's table; a prefixed verb (برداشتن) takes
# the stems of the verb after its prefix
VERB_PREFIXES = ("بر", "در", "باز", "فرو", "فرا", "وا", "ور")
# endings of nouns and adjectives in the subtitles: plural, possessive,
# indefinite or ezafe -ی, spoken -ه "is" and -و (را), comparison
NOMINAL_ENDINGS = ["ها", "های", "هایی", "هام", "هات", "هاش", "هامون", "هاتون", "هاشون", "هایم", "هایت", "هایش",
                   "هایمان", "هایتان", "هایشان", "هارو", "هاشو", "ی", "یی", "ای", "م", "ت", "ش", "مان", "تان",
                   "شان", "مون", "تون", "شون", "ام", "ات", "اش", "ه", "و", "رو", "ان", "یان", "گان", "تر",
                   "ترین", "ست", "یم", "یه", "یش", "یت", "مو", "تو", "شو"]
PAST_ENDINGS = ["م", "ی", "", "یم", "ید", "ند", "ین", "ن"]
PRESENT_ENDINGS = ["م", "ی", "د", "یم", "ید", "ند", "ه", "ین", "ن"]
PERFECT_ENDINGS = ["", "ام", "ای", "است", "ایم", "اید", "اند", "م", "ی", "یم", "ین", "ن", "ست", "اش", "ش", "تون"]
# the verb prefix and endings the subtitles write apart: they count for no word
DETACHED = {"می", "نمی", "ها", "های", "هایی", "ی", "ای", "ام", "ات", "اش", "تر", "ترین", "ه", "ست"}
COPULA = ["ام", "ای", "است", "ایم", "اید", "اند", "هستم", "هستی", "هست", "هستیم", "هستید", "هستند", "هستین",
          "هستن", "نیستم", "نیستی", "نیست", "نیستیم", "نیستید", "نیستند", "نیستین", "نیستن"]


def read_frequency():
    """Written form (as key()) -> count, and the number of words of the
    list (forms with a Persian letter)."""
    counts = collections.Counter()
    with open(os.path.join(SOURCES, "fa_50k.txt"), encoding="utf-8") as f:
        for line in f:
            form, count = line.split()
            form = key(form)
            if re.search("[\u0621-\u06cc]", form):
                counts[form] += int(count)
    return counts, sum(counts.values())


def read_hazm_words():
    """Word (as key()) -> its parts of speech in Hazm's lexicon."""
    tags = collections.defaultdict(set)
    with open(os.path.join(SOURCES, "hazm", "words.dat"), encoding="utf-8") as f:
        for line in f:
            fields = line.rstrip("\n").split("\t")
            if len(fields) == 3 and fields[2] != "0":
                tags[key(fields[0])].update(fields[2].split(","))
    return tags


def read_hazm_verbs():
    """Past stem -> present stems, in the table's order."""
    stems = collections.defaultdict(list)
    with open(os.path.join(SOURCES, "hazm", "verbs.dat"), encoding="utf-8") as f:
        for line in f:
            fields = line.strip().split("#")
            # the table gives بودن the copula است too, which is no stem
            if len(fields) == 2 and fields[0] and re.fullmatch("[^ ]+", fields[1].strip()) and fields[1] != "است":
                stems[normalise(fields[0])].append(normalise(fields[1]))
    return stems


def read_colloquial():
    """Forms (as key()) that count for one word alone; forms that count
    half for one word; verb -> spoken past and present stems."""
    words, shared, past, present = {}, {}, collections.defaultdict(list), collections.defaultdict(list)
    kinds = {"word": words, "shared": shared}
    with open(COLLOQUIAL, encoding="utf-8") as f:
        for row in csv.DictReader((line for line in f if not line.startswith("#")), delimiter="\t"):
            if row["kind"] in kinds:
                kinds[row["kind"]][key(row["form"])] = normalise(row["lemma"])
            else:
                (past if row["kind"] == "past" else present)[normalise(row["lemma"])].append(key(row["form"]))
    return words, shared, past, present


def split_items(text):
    """A line's translations, split at commas and semicolons outside
    slashes, brackets and parentheses."""
    items, depth, current, in_slash = [], 0, "", False
    for c in text:
        if c == "/":
            in_slash = not in_slash
        elif c in "([{":
            depth += 1
        elif c in ")]}":
            depth -= 1
        if c in ",;" and depth == 0 and not in_slash:
            items.append(current)
            current = ""
        else:
            current += c
    items.append(current)
    return [i.strip() for i in items if i.strip()]


Sense = collections.namedtuple("Sense", "english type gloss place latin")


def read_wiktionary():
    """Persian word -> senses, in the file's order."""
    senses = collections.defaultdict(list)
    line_pattern = re.compile(r"^(.*?) \{([a-z-]+)\}(?: \((.*?)\))? :: (.*)$")
    with open(os.path.join(SOURCES, "en-fa-enwiktionary.txt"), encoding="utf-8") as f:
        for line in f:
            m = line_pattern.match(line.rstrip("\n"))
            if not m:
                continue
            english, pos, gloss, persian = m.groups()
            gloss = gloss or ""
            if LETTER_NAME.search(gloss):
                continue
            if pos not in WIKTIONARY_TYPES or english.lower() in UNWANTED_ENGLISH or UNWANTED_MARK.search(gloss):
                continue
            for place, item in enumerate(split_items(persian)):
                marks = " ".join(a or b for a, b in re.findall(r"\[([^\]]*)\]|\(([^)]*)\)", item))
                if UNWANTED_MARK.search(marks) or "+" in item or "..." in item or "…" in item:
                    continue
                transcription = re.search(r"/([^/]*)/", item)
                word = re.sub(r"/[^/]*/|\[[^\]]*\]|\([^)]*\)|\{[^}]*\}|^[A-Za-z ,]+:", "", item)
                word = normalise(word)
                # a single letter is an ending (م "my") or a letter's name
                if not is_persian(word) or (len(word) == 1 and word != "و"):
                    continue
                senses[word].append(Sense(english, WIKTIONARY_TYPES[pos], gloss, place,
                                          latin_of(word, transcription.group(1)) if transcription else ""))
    return senses


def latin_of(word, transcription):
    """A transcription in the scheme; a final silent ه said -e, as in Iran
    (Wiktionary's Dari transcriptions have -a)."""
    text = latin(transcription)
    if word.endswith("ه") and re.search("[^aâeiou]a$", text):
        text = text[:-1] + "e"
    return text


class Verbs:
    """The stems of verbs: Hazm's table for a simple verb, the light verb's
    for a compound one (گوش دادن: گوش داد / گوش ده)."""

    def __init__(self, table, frequency):
        self.table = table
        self.frequency = frequency

    def stems(self, infinitive):
        """(past, present) of an infinitive, or None."""
        parts = infinitive.split(" ")
        last = parts[-1]
        if not last.endswith("ن") or len(last) < 3:
            return None
        past = last[:-1]
        presents = self.table.get(past)
        if not presents:
            for prefix in VERB_PREFIXES:
                rest = past[len(prefix):]
                if past.startswith(prefix) and self.table.get(rest):
                    presents = [prefix + p for p in self.table[rest]]
                    break
        if not presents and last.endswith("یدن") and len(last) > 4:
            presents = [last[:-3]]
        if not presents:
            return None
        # of several (رو, روب), the one the subtitles say most
        present = max(presents, key=lambda p: (self.weight(p), -len(p), p))
        head = " ".join(parts[:-1])
        return ((head + " " if head else "") + past, (head + " " if head else "") + present)

    def weight(self, present):
        return sum(self.frequency.get(form, 0) for form in present_forms(key(present))[0])


def with_prefix(prefix, stem):
    """ب، ن، نمی before a stem: an initial alef takes a glide (بیا، نیفتاد)."""
    if prefix in ("ب", "ن") and stem[0] == "آ":
        return prefix + "یا" + stem[1:]
    if prefix in ("ب", "ن") and stem[0] == "ا":
        return prefix + "ی" + stem[1:]
    return prefix + stem


def present_forms(stem):
    """The present forms with a prefix, and those without (کنم after a noun:
    کار کنم), which are as often other words (سرم "my head")."""
    forms, bare = set(), set()
    stems = {stem, stem.replace("آ", "ا", 1)}
    for s in list(stems):
        if s[-1] in "اآو":
            stems.add(s + "ی")
    for s in stems:
        for prefix in ("می", "نمی", "ب", "ن"):
            for ending in PRESENT_ENDINGS + ([""] if prefix in ("ب", "ن") else []):
                forms.add(with_prefix(prefix, s) + ending)
        # not after a one-letter spoken stem (دم، این)
        if len(s) > 1:
            bare.update(s + ending for ending in PRESENT_ENDINGS)
    return forms, bare - forms


def past_forms(stem):
    forms = set()
    for prefix in ("", "می", "نمی", "ن"):
        for ending in PAST_ENDINGS:
            forms.add(with_prefix(prefix, stem) + ending)
        for ending in PERFECT_ENDINGS:
            forms.add(with_prefix(prefix, stem) + "ه" + ending)
    forms.add(stem + "ن")
    forms.add(with_prefix("ن", stem) + "ن")
    return forms


class Builder:
    def __init__(self, more_words=()):
        """more_words: words the overrides add, counted like Wiktionary's."""
        self.frequency, self.total = read_frequency()
        self.hazm = read_hazm_words()
        self.verbs = Verbs(read_hazm_verbs(), self.frequency)
        self.colloquial, self.shared, self.spoken_past, self.spoken_present = read_colloquial()
        self.wiktionary = self.merge_spellings(read_wiktionary())
        known = {key(w) for w in self.wiktionary}
        self.more_words = sorted(w for w in set(more_words) if " " not in w and key(w) not in known)
        self.counts = self.lemma_counts()
        self.counts_by_key = {key(w): c for w, c in self.counts.items()}

    @staticmethod
    def merge_spellings(senses):
        """Words written alike but for a ZWNJ or tanvin (کتابخانه، کتاب‌خانه)
        as one, in the spelling Wiktionary gives most."""
        by_key = collections.defaultdict(list)
        for word in senses:
            by_key[key(word).replace(" ", "")].append(word)
        merged = {}
        for words in by_key.values():
            best = max(words, key=lambda w: (len(senses[w]), "\u064b" in w, ZWNJ in w, " " not in w, w))
            merged[best] = [s for w in sorted(words) for s in senses[w]]
        return merged

    def verb_forms(self, infinitive):
        """A simple verb's forms: sure ones, and bare present ones."""
        stems = self.verbs.stems(infinitive)
        if not stems or " " in infinitive:
            return set(), set()
        forms, bare = present_forms(key(stems[1]))
        forms |= past_forms(key(stems[0]))
        for spoken in self.spoken_past.get(infinitive, []):
            forms |= past_forms(spoken)
        for spoken in self.spoken_present.get(infinitive, []):
            more, more_bare = present_forms(spoken)
            forms |= more
            bare |= more_bare
        if infinitive == "بودن":
            forms |= set(COPULA)
        return forms, bare - forms

    def lemma_counts(self):
        """Word -> its count in the subtitles: each form's count goes to the
        word colloquial.tsv gives it (or half of it, the rest as follows),
        or else to the words it is the very form of (a word itself, a verb's
        conjugated form with a prefix), or else to those it may be an ending
        or a bare verb form of; shared among several as often as each is
        read from the forms that are its alone (میکنم: کردن, not کندن)."""
        readings = collections.defaultdict(dict)

        def add(form, lemma, tier):
            readings[form][lemma] = min(tier, readings[form].get(lemma, tier))

        def add_unsure(form, lemma):
            # a form Hazm knows as a word of its own is that word, no ending
            tags = self.hazm.get(form, ())
            if not tags or "PL" in tags:
                add(form, lemma, 1)

        lemmas = [(w, senses) for w, senses in self.wiktionary.items() if " " not in w]
        lemmas += [(w, [Sense("", VERB, "", 0, "")] if w.endswith("ن") else []) for w in self.more_words]
        for word, senses in lemmas:
            stem = key(word)
            if any(s.type == VERB for s in senses) and self.verbs.stems(word):
                forms, bare = self.verb_forms(word)
                for form in forms:
                    add(form, word, 0)
                for form in bare:
                    add_unsure(form, word)
            add(stem, word, 0)
            for ending in NOMINAL_ENDINGS:
                # a short word's short ending would make other words (نج+ات)
                if len(stem) > 2 or len(ending) > 1:
                    add_unsure(stem + ending, word)
        by_key = {key(word): word for word in self.wiktionary}
        for spoken, word in self.colloquial.items():
            readings[spoken] = {by_key.get(key(word), word): -1}
        best = {}
        for form, lemmas in readings.items():
            if form in self.frequency and form not in DETACHED:
                tier = min(lemmas.values())
                best[form] = sorted(lemma for lemma, t in lemmas.items() if t == tier)
        certain = collections.Counter()
        for form, lemmas in best.items():
            if len(lemmas) == 1:
                certain[lemmas[0]] += self.frequency[form]
        counts = collections.Counter()
        for form, lemmas in best.items():
            count = self.frequency[form]
            if form in self.shared:
                counts[self.shared[form]] += count / 2
                lemmas = [lemma for lemma in lemmas if lemma != self.shared[form]] or [self.shared[form]]
                count /= 2
            weights = [certain[lemma] + 1 for lemma in lemmas]
            for lemma, weight in zip(lemmas, weights):
                counts[lemma] += count * weight / sum(weights)
        # a greeting or set phrase that is a verb's form (ببخشید، نمی‌دونم) is
        # said as often as the form is
        for word, senses in self.wiktionary.items():
            if " " not in word and key(word) not in DETACHED and any(s.type == OTHER for s in senses):
                counts[word] = max(counts[word], self.frequency.get(key(word), 0))
        return counts

    def add_frequencies(self, entries):
        """Occurrences per million words of the subtitles, of a word in the
        spellings it had (بزودی, به‌زودی); none for a phrase, whose words are
        counted apart."""
        for e in entries:
            keys = {key(w) for w in [e["word"]] + e.get("spelt", []) if " " not in w}
            count = sum(self.counts_by_key.get(k, 0) for k in keys)
            e["frequency"] = "" if " " in e["word"] else str(int(count * 1000000 / self.total + 0.5))

    def types_of(self, word):
        """The word types a word keeps: the one Wiktionary gives it most,
        and those of its other senses Hazm's lexicon also knows it as (آب
        is no adjective, خوب is one), or all if Hazm lacks the word (چی); a
        small word (من، پس) keeps no noun or adjective of its spelling,
        which would be a rare homograph."""
        senses = self.wiktionary[word]
        weight = collections.Counter(s.type for s in senses)
        hazm = set()
        for tag in self.hazm.get(key(word), ()):
            hazm |= HAZM_TYPES.get(tag, set())
        main = max(weight, key=lambda t: (weight[t], -t))
        content = (NOUN, ADJECTIVE)
        kept = [t for t in weight if t == main or t in (OTHER, VERB) or not hazm or
                (t in hazm and (t not in content or main in content))]
        return sorted(kept, key=lambda t: (-weight[t], t))

    def is_infinitive(self, word):
        return word.split(" ")[-1].endswith("ن") and self.verbs.stems(word) is not None

    def verb_senses(self, word):
        """The senses of an infinitive as a verb's: an adjective's meaning
        made a verb's (توانستن "able": to be able)."""
        senses = []
        for s in self.wiktionary[word]:
            if s.type == VERB:
                senses.append(s)
            elif s.type == ADJECTIVE:
                senses.append(s._replace(english="be " + s.english, type=VERB))
        return senses

    def count_of(self, word):
        return self.counts_by_key.get(key(word), 0)

    def rank_count(self, word, word_type=NOUN):
        """How often a word is said; for a phrase a guess from its rarest
        word (the subtitles count words one by one), less for each further
        word."""
        if " " not in word:
            return self.count_of(word)
        parts = word.split(" ")
        rarest = min(self.count_of(part) or self.frequency.get(key(part), 0) for part in parts)
        return rarest / (SET_PHRASE_SHARE if word_type == OTHER else PHRASE_SHARE) ** (len(parts) - 1)

    def candidates(self):
        """Every entry the sources make: (word, type, senses)."""
        made = []
        for word in sorted(self.wiktionary):
            parts = word.count(" ") + 1
            if self.is_infinitive(word):
                if parts <= MAX_COMPOUND_WORDS:
                    made.append((word, VERB, self.verb_senses(word)))
                continue
            types = self.types_of(word) if parts == 1 else sorted({s.type for s in self.wiktionary[word]})
            for word_type in types:
                if word_type == VERB or parts > (MAX_PHRASE_WORDS if word_type == OTHER else MAX_COMPOUND_WORDS):
                    continue
                made.append((word, word_type, [s for s in self.wiktionary[word] if s.type == word_type]))
        return [m for m in made if m[2]]

    def entry(self, word, word_type, senses):
        said = transcription(senses) or transcription(self.wiktionary.get(word, []))
        e = {"word": word, "type": word_type, "flags": 0,
             "translation": ", ".join(english_meanings(senses, word_type)), "plural": "", "pronunciation": said,
             "said_by": "Wiktionary" if said else "", "past": "", "present": "",
             "rank": self.rank_count(word, word_type)}
        if word_type == NOUN and " " not in word:
            e["plural"] = joined(word, "ها")
        if word_type == VERB:
            e["past"], e["present"] = self.verbs.stems(word)
        return e

    def build(self, previous):
        """The SIZE most frequent entries, and those of the previous file the
        sources still make."""
        self.made = {(w, t): s for w, t, s in without_repeats(self.candidates())}
        made = [(self.rank_count(w, t), w, t, s) for (w, t), s in self.made.items()]
        made = [m for m in made if m[0] > 0 or (m[1], m[2]) in previous]
        made.sort(key=lambda m: (-m[0], m[1], m[2]))
        entries = []
        for rank, word, word_type, senses in made:
            if len(entries) < SIZE or (word, word_type) in previous:
                entries.append(self.entry(word, word_type, senses))
        return entries


# of two types of a word with the same meanings, the one a learner looks for
REPEAT_PREFERENCE = (PREPOSITION, ADJECTIVE, ADVERB, PRONOUN, NUMERAL, CONJUNCTION, VERB, NOUN, OTHER)


def without_repeats(candidates):
    """No entry that only repeats the meanings of another type of its word
    (سفید the noun "white" beside the adjective; فردا the noun "tomorrow"
    beside the adverb): the one with more meanings stays, of equals the
    adjective, adverb or small word."""
    by_word = collections.defaultdict(list)
    for c in candidates:
        by_word[c[0]].append(c)
    kept = []
    for word, made in by_word.items():
        meanings = [set(english_meanings(senses, word_type)) for _, word_type, senses in made]
        preference = [REPEAT_PREFERENCE.index(word_type) for _, word_type, _ in made]
        for i, c in enumerate(made):
            if not any(j != i and meanings[i] <= meanings[j] and
                       (len(meanings[i]) < len(meanings[j]) or preference[j] < preference[i])
                       for j in range(len(made))):
                kept.append(c)
    return kept


def compose_pronunciations(entries, fixed):
    """A phrase said as its words are (the words' transcriptions are more
    often right than a phrase's): Wiktionary's transcription of the phrase
    where it says the same words, with the ezafe it marks (دست کشیدن:
    dast kešidan; به خاطر: be xâter-e); else the words' own. Entries named
    in `fixed` keep theirs."""
    said = {}
    for e in sorted(entries, key=lambda e: -e["rank"]):
        if " " not in e["word"] and e["pronunciation"]:
            said.setdefault(e["word"], e["pronunciation"])
    for e in entries:
        if " " not in e["word"] or (e["word"], e["type"]) in fixed:
            continue
        parts = [said.get(p) for p in e["word"].split(" ")]
        if not all(parts):
            continue
        words = " ".join(parts)
        own = e["pronunciation"]
        if re.sub(r"-y?e( |$)", r"\1", own).replace(" ", "") != words.replace(" ", "") \
                or own.count(" ") != words.count(" "):
            e["pronunciation"] = words
            e["said_by"] = "its words"


def english_meanings(senses, word_type):
    """The English meanings, most likely first: an English word that names
    this Persian word in more of its senses first, then one whose line lists
    it before other translations."""
    ranked = {}
    for s in senses:
        meaning = s.english
        if word_type == VERB and not meaning.startswith("to ") and meaning not in MODALS:
            meaning = "to " + meaning
        count, place = ranked.get(meaning, (0, 99))
        ranked[meaning] = (count - 1, min(place, s.place))
    return sorted(ranked, key=lambda m: (ranked[m], len(m), m))[:MAX_MEANINGS]


def transcription(senses):
    """The transcription Wiktionary gives most (the first of equals)."""
    counted = collections.Counter(s.latin for s in senses if s.latin)
    if not counted:
        return ""
    first = {}
    for s in senses:
        first.setdefault(s.latin, len(first))
    return min(counted, key=lambda t: (-counted[t], first[t]))


OVERRIDE_FIELDS = ("translation", "plural", "pronunciation", "past", "present")


def read_overrides(path):
    if not os.path.exists(path):
        return []
    with open(path, encoding="utf-8") as f:
        rows = list(csv.DictReader((line for line in f if not line.startswith("#")), delimiter="\t"))
    for row in rows:
        row["word"] = normalise(row["word"])
        row["type"] = type_of_label(row["type"])
    return rows


def apply_overrides(entries, rows, builder):
    """The reviewed corrections: a row names an entry by word and type and
    gives the fields it corrects ("-" empties one) or its spelling; "delete"
    drops the entry, "add" adds one."""
    by_key = {(e["word"], e["type"]): e for e in entries}
    for row in rows:
        k = (row["word"], row["type"])
        action = row.get("action") or ""
        if action == "delete":
            if k not in by_key:
                print("override deletes no entry: %s %s" % (row["word"], TYPE_LABELS[row["type"]]), file=sys.stderr)
            entries = [e for e in entries if (e["word"], e["type"]) != k]
            by_key.pop(k, None)
            continue
        if action == "add" and k not in by_key:
            # an entry the sources make but the cut left out, or a new one
            e = builder.entry(row["word"], row["type"], builder.made.get(k, []))
            entries.append(e)
            by_key[k] = e
        e = by_key.get(k)
        if e is None:
            print("override without entry: %s %s" % (row["word"], TYPE_LABELS[row["type"]]), file=sys.stderr)
            continue
        for field in OVERRIDE_FIELDS:
            value = (row.get(field) or "").strip()
            if value:
                e[field] = "" if value == "-" else value
        if row.get("pronunciation"):
            e["said_by"] = "review"
        if row.get("spelling"):
            # the same word in another spelling (آنها: آن‌ها), its count kept
            e.setdefault("spelt", []).append(e["word"])
            e["word"] = normalise(row["spelling"])
            if e["type"] == VERB and not (row.get("past") or row.get("present")):
                e["past"], e["present"] = builder.verbs.stems(e["word"])
            if (e["word"], e["type"]) in by_key:
                sys.exit("override spells %s as an entry there is: %s" % (row["word"], e["word"]))
            by_key[(e["word"], e["type"])] = by_key.pop(k)
    return entries


def type_of_label(label):
    for value, text in TYPE_LABELS.items():
        if text == label:
            return value
    raise ValueError("no word type %r" % label)


def read_previous(path):
    """(word, type) -> number in the previous file (a file without an id
    column numbers its rows from 1, as the import does)."""
    ids = {}
    if os.path.exists(path):
        with open(path, encoding="utf-8") as f:
            for number, row in enumerate(csv.DictReader(f, delimiter="\t", quoting=csv.QUOTE_NONE), 1):
                ids.setdefault((normalise(row["word"]), type_of_label(row["type"])), int(row.get("id") or number))
    return ids


def assign_ids(entries, ids):
    """Numbers as the previous file gave them; new entries after, from
    FIRST_NEW_ID up, the most frequent first."""
    ids = dict(ids)
    next_id = max([FIRST_NEW_ID - 1] + list(ids.values())) + 1
    for e in sorted(entries, key=lambda e: (-e["rank"], e["word"], e["type"])):
        k = (e["word"], e["type"])
        # a word the overrides spell anew keeps the number of its old spelling
        old = [(w, e["type"]) for w in e.get("spelt", []) if (w, e["type"]) in ids]
        if k not in ids:
            ids[k] = ids[old[0]] if old else next_id
            next_id += 0 if old else 1
        e["id"] = ids[k]


def escape(text):
    return text.replace("\\", "\\\\").replace("\t", "\\t").replace("\n", "\\n").replace("\r", "\\r")


COLUMNS = ("id", "word", "type", "flags", "translation", "plural", "pronunciation", "past", "present", "frequency")


def write(entries, out):
    with open(os.path.join(out, "farsi.tsv"), "w", encoding="utf-8", newline="\n") as f:
        f.write("\t".join(COLUMNS) + "\n")
        for e in sorted(entries, key=lambda e: e["id"]):
            row = dict(e, id=str(e["id"]), type=TYPE_LABELS[e["type"]], flags=str(e["flags"]))
            f.write("\t".join(escape(row[c]) for c in COLUMNS) + "\n")


def report(entries):
    def share(part, whole):
        return "%d / %d (%.1f%%)" % (len(part), len(whole), 100 * len(part) / len(whole) if whole else 100)

    nouns = [e for e in entries if e["type"] == NOUN and " " not in e["word"]]
    verbs = [e for e in entries if e["type"] == VERB]
    out = sys.stderr
    print("entries: %d (words %d, phrases %d)" % (len(entries), sum(" " not in e["word"] for e in entries),
                                                    sum(" " in e["word"] for e in entries)), file=out)
    print("types: %s" % ", ".join("%s %d" % (TYPE_LABELS[t], n) for t, n in
                                  sorted(collections.Counter(e["type"] for e in entries).items())), file=out)
    print("pronunciation: " + share([e for e in entries if e["pronunciation"]], entries) + "; %s" %
          ", ".join("%s %d" % (by, n) for by, n in sorted(collections.Counter(
              e["said_by"] for e in entries if e["pronunciation"]).items())), file=out)
    print("verb past and present stem: " + share([e for e in verbs if e["past"] and e["present"]], verbs), file=out)
    print("noun plural: " + share([e for e in nouns if e["plural"]], nouns) + ", not in -ها: %d" %
          sum(1 for e in nouns if e["plural"] and not e["plural"].endswith("ها")), file=out)
    print("frequency: " + share([e for e in entries if e["frequency"]], entries), file=out)
    counts = collections.Counter(len(e["translation"].split(", ")) for e in entries)
    print("meanings per entry: %s, mean %.2f" % (dict(sorted(counts.items())),
                                                sum(k * v for k, v in counts.items()) / len(entries)), file=out)


def make(previous_path, overrides_path):
    """The entries, numbered, in the order of the build (most frequent
    first)."""
    previous = read_previous(previous_path)
    overrides = read_overrides(overrides_path)
    builder = Builder(normalise(r["spelling"]) if r.get("spelling") else r["word"] for r in overrides
                      if r.get("spelling") or r.get("action") == "add")
    entries = apply_overrides(builder.build(previous), overrides, builder)
    builder.add_frequencies(entries)
    compose_pronunciations(entries, {(r["word"], r["type"]) for r in overrides if r.get("pronunciation")})
    assign_ids(entries, previous)
    return sorted(entries, key=lambda e: (-e["rank"], e["word"], e["type"]))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--out", default=os.path.join(ROOT, "data"))
    parser.add_argument("--previous", default=os.path.join(ROOT, "data", "farsi.tsv"),
                        help="the TSV whose entry numbers to keep")
    args = parser.parse_args()
    entries = make(args.previous, os.path.join(ROOT, "data", "farsi-overrides.tsv"))
    write(entries, args.out)
    report(entries)


if __name__ == "__main__":
    main()
