#!/usr/bin/python3
"""Builds Verbalon's bundled Hebrew-English dictionary (data/hebrew.tsv) from
the open sources in data/sources:

- the word forms of film subtitles with their counts (frequency/he_50k.txt),
  reduced to dictionary forms by hspell's morphology (`hspell -a -l`, the
  Debian package hspell), the counts summed per dictionary form;
- English meanings from Wiktionary's English-Hebrew translation tables
  (wiktionary/en-he-enwiktionary.txt), read backwards;
- gender and plural of nouns, the forms of adjectives, and binyan,
  infinitive and transitivity of verbs from Hspell's tables (hspell/).

The most frequent dictionary forms that have an English meaning are kept,
names, vulgar words and hspell's false readings dropped; a word of several
parts of speech becomes one entry each (כן "yes" / "candid"); Wiktionary's
phrases whose words are all kept become phrase entries. The reviewed
corrections of data/hebrew-overrides.tsv are applied last. Entry numbers
stay what the previous data/hebrew.tsv gave them, so a learner's copy
merges with a new version; new entries get new numbers. Words, plurals
and infinitives are then pointed (tools/hebrew/pointing.py), and each word
transliterated with its stress by verbalon-cli (its `pronunciation`; the
program derives a plural's and an infinitive's itself). Writes
data/hebrew.tsv, data/hebrew-binyanim.tsv (the binyan each verb has in
Hspell's table, for the data check) and data/hebrew-stress.tsv (each
entry's stressed syllable), and prints the shares of each field.

An entry's frequency is how often the subtitles use its dictionary form,
per million words of the list: the counts of the written forms hspell
reads as that form, summed (a form of two readings counts half for each;
a form that is an entry itself, בשביל, counts for it alone), or the count
of the written word itself where hspell reads it as no dictionary form
(names). Entries of one spelling share that count
in proportion to how often hspell reads the word as each part of speech,
unless the overrides give the shares. A phrase, which a list of single
words cannot count, gets PHRASE_FREQUENCY.

    /usr/bin/python3 tools/hebrew/build_dictionary.py [--out DIR] [--previous TSV] [--cli PATH]

The same sources, the same previous files and the same verbalon-cli give
the same output, byte for byte.
"""
import argparse, collections, csv, os, re, sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import hspell  # noqa: E402
import pointing  # noqa: E402

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
SOURCES = os.path.join(ROOT, "data", "sources")
# how many dictionary forms the dictionary keeps
SIZE = 3200
MAX_MEANINGS = 4
# per million words: a phrase counts as a rare word unless the overrides say more
PHRASE_FREQUENCY = 1

NOUN, VERB, ADJECTIVE, ADVERB, NUMERAL, PRONOUN, CONJUNCTION, PREPOSITION = 1, 2, 3, 4, 5, 6, 7, 8
TYPE_LABELS = {0: "???", NOUN: "Noun", VERB: "Verb", ADJECTIVE: "Adj.", ADVERB: "Adv.", NUMERAL: "Num.",
               PRONOUN: "Pers.", CONJUNCTION: "Conj.", PREPOSITION: "Prep."}
# Wiktionary's parts of speech as word types; exclamations and set phrases
# go with the adverbs
WIKTIONARY_TYPES = {"n": NOUN, "v": VERB, "adj": ADJECTIVE, "adv": ADVERB, "num": NUMERAL, "pron": PRONOUN,
                    "conj": CONJUNCTION, "prep": PREPOSITION, "interj": ADVERB, "phrase": ADVERB,
                    "particle": ADVERB, "determiner": PRONOUN, "article": PREPOSITION, "contraction": ADVERB}
# hspell's parts of speech as word types (x: the small words of every other kind)
HSPELL_TYPES = {"ע": (NOUN,), "פ": (VERB,), "ת": (ADJECTIVE,),
                "x": (ADVERB, PRONOUN, CONJUNCTION, PREPOSITION, NUMERAL)}
HSPELL_KIND = {t: kind for kind, types in HSPELL_TYPES.items() for t in types}
MASCULINE, FEMININE, SINGULAR, PLURAL, TRANSITIVE = 1, 2, 4, 8, 64
# words a learner's dictionary does without, whatever a gloss says of them
UNWANTED_GLOSS = re.compile(r"\b(vulgar|slang|offensive|derogatory|pejorative|obscene|taboo|ethnic slur)\b", re.I)
UNWANTED_ENGLISH = {"fuck", "fucking", "shit", "cunt", "dick", "cock", "pussy", "whore", "bitch", "asshole",
                    "motherfucker", "bastard", "prick", "twat", "wanker", "slut", "fag", "faggot", "nigger"}
BINYANIM = {"קל_אפעל": "Paal", "קל_אפעול": "Paal", "פי": "Piel", "הפ": "Hifil", "הת": "Hitpael",
            "הו": "Hufal", "פו": "Pual", "נפ": "Nifal"}
POINTS = re.compile("[\u0591-\u05c7]")
MEDIAL = {"ך": "כ", "ם": "מ", "ן": "נ", "ף": "פ", "ץ": "צ"}


def unpointed(word):
    return POINTS.sub("", word)


def read_frequency():
    with open(os.path.join(SOURCES, "frequency", "he_50k.txt"), encoding="utf-8") as f:
        return [(form, int(count)) for form, count in (line.split() for line in f)]


def lemma_counts(frequency, readings, entries=frozenset()):
    """Dictionary form -> (count, {hspell part of speech: count}): each written
    form's count shared among the dictionary forms hspell reads it as. A
    small word hspell files under "misc." counts under its own letters. A
    written form that is itself one of `entries` (בשביל, אותו) counts for
    that entry alone, not for the words hspell may also see in it (ב +
    שביל "path", אות "letter" + his)."""
    counts = collections.Counter()
    kinds = collections.defaultdict(collections.Counter)
    for form, count in frequency:
        lemmas = set()
        for prefix, lemma, tags in readings.get(form, []):
            if "פרטי" in tags:  # a name
                continue
            if tags[0] == "x":
                lemma = form[len(prefix):]
            lemmas.add((lemma, tags[0]))
        if form in entries:
            lemmas = {(lemma, kind) for lemma, kind in lemmas if lemma == form} or {(form, "x")}
        for lemma, kind in lemmas:
            share = count / len(lemmas)
            counts[lemma] += share
            kinds[lemma][kind] += share
    return counts, kinds


def read_wiktionary():
    """Hebrew word as Wiktionary writes it (pointed or not) -> list of
    senses: (English, word type, gender marks, place of the word among the
    translations of its line)."""
    meanings = collections.defaultdict(list)
    line_pattern = re.compile(r"^(.*?) \{([a-z-]+)\}(?: \((.*)\))? :: (.*)$")
    with open(os.path.join(SOURCES, "wiktionary", "en-he-enwiktionary.txt"), encoding="utf-8") as f:
        for line in f:
            m = line_pattern.match(line.rstrip("\n"))
            if not m:
                continue
            english, pos, gloss, hebrew = m.groups()
            if pos not in WIKTIONARY_TYPES or english.lower() in UNWANTED_ENGLISH:
                continue
            if gloss and UNWANTED_GLOSS.search(gloss):
                continue
            for place, item in enumerate(split_translations(hebrew)):
                # {m}, /transcription/, (remark), [used in counting], "\ pointed spelling"
                word = re.sub(r"\s*\{[^}]*\}|\s*/[^/]*/|\s*\([^)]*\)|\s*\[[^\]]*\]|\s*\\[^{/(\[]*", "", item).strip()
                genders = re.findall(r"\{([^}]*)\}", item)
                if word and re.fullmatch(r"[\u05d0-\u05ea\u0591-\u05c7\"' ]+", word):
                    meanings[word].append((english, WIKTIONARY_TYPES[pos], genders, place))
    return meanings


def full_spellings(pointed):
    """The ways a pointed word may be written without points in today's
    full spelling: a vav for holam and qubuts, a yod for hiriq, a
    consonantal vav or yod inside the word doubled; each where it may or
    may not apply, the unpointed letters as they stand first."""
    letters = []
    for c in pointed:
        if "\u0591" <= c <= "\u05c7":
            if letters:
                letters[-1][1] += c
        else:
            letters.append([c, ""])
    options = []
    for i, (c, marks) in enumerate(letters):
        following = letters[i + 1][0] if i + 1 < len(letters) else ""
        inside = 0 < i < len(letters) - 1
        extra = ""
        if ("\u05b9" in marks or "\u05bb" in marks) and c != "ו" and following != "ו":
            extra = "ו"
        elif "\u05b4" in marks and following not in ("י", ""):
            extra = "י"
        elif c in "וי" and inside and re.search("[\u05b0-\u05b8]", marks) and following != c \
                and letters[i - 1][0] != c:
            extra = c
        options.append((c, extra))
    spellings = [""]
    for c, extra in options:
        spellings = [s + c for s in spellings] + ([s + c + extra for s in spellings] if extra else [])
        spellings = spellings[:64]
    return list(dict.fromkeys(spellings))


def split_translations(text):
    """The translations of a line, split at commas outside slashes, braces
    and parentheses."""
    items, depth, current, in_slash = [], 0, "", False
    for c in text:
        if c == "/":
            in_slash = not in_slash
        elif c in "({":
            depth += 1
        elif c in ")}":
            depth -= 1
        if c == "," and depth == 0 and not in_slash:
            items.append(current)
            current = ""
        else:
            current += c
    items.append(current)
    return [i.strip() for i in items if i.strip()]


def read_nouns_adjectives():
    """Lemma -> list of rows (part of speech, gender, plurals, feminine)."""
    rows = collections.defaultdict(list)
    with open(os.path.join(SOURCES, "hspell", "hspell_nouns_adjs.tsv"), encoding="utf-8") as f:
        for row in csv.reader(f, delimiter="\t"):
            if row[0] == "lemma":
                continue
            rows[row[0]].append((row[1], row[2], [p for p in row[3].split("|") if p], row[4]))
    return rows


def read_verbs():
    """Past 3sg m -> list of (binyan, infinitive, transitive), the table's order."""
    verbs = collections.defaultdict(list)
    with open(os.path.join(SOURCES, "hspell", "hspell_verbs.tsv"), encoding="utf-8") as f:
        for row in csv.DictReader(f, delimiter="\t"):
            code = row["binyan"]
            options = row["woo_options"].split(",")
            transitive = any(o == code + "+" or (code.startswith("קל") and o == code + "+") for o in options)
            infinitive = row["infinitive"].replace("L", "ל")
            verbs[row["past3ms"]].append((BINYANIM[code], infinitive, transitive))
    return verbs


def plain_plural(plurals):
    """The plural of a noun: not a dual (יומיים) when there is another."""
    plain = [p for p in plurals if not p.endswith("יים")]
    return (plain or plurals or [""])[0]


def english_meanings(senses, word_type):
    """The English meanings of one part of speech, most likely first: an
    English word that names this Hebrew word in more of its senses first,
    then one whose line lists it before others."""
    ranked = {}
    for english, kind, _, place in senses:
        if kind != word_type:
            continue
        meaning = english
        if word_type == VERB and not meaning.startswith("to "):
            meaning = "to " + meaning
        senses_count, best_place = ranked.get(meaning, (0, 99))
        ranked[meaning] = (senses_count - 1, min(best_place, place))
    ordered = sorted(ranked, key=lambda m: (ranked[m], len(m), m))
    return ordered[:MAX_MEANINGS]


class Builder:
    def __init__(self):
        self.frequency = read_frequency()
        self.form_readings = hspell.analyse(form for form, _ in self.frequency)
        self.counts, self.kinds = lemma_counts(self.frequency, self.form_readings)
        self.verbs = read_verbs()
        self.wiktionary = self.dictionary_forms(read_wiktionary())
        self.nouns = read_nouns_adjectives()
        self.entries = []
        self.readings = {}

    def dictionary_forms(self, wiktionary):
        """Wiktionary's words as the dictionary writes them: a pointed word
        in the full spelling a frequent dictionary form has, a verb given
        as infinitive (לשלם) as its past form (שילם)."""
        by_infinitive = {}
        for past, rows in self.verbs.items():
            for _, infinitive, _ in rows:
                by_infinitive.setdefault(infinitive, past)
        meanings = collections.defaultdict(list)
        for word, senses in wiktionary.items():
            if " " in word:
                meanings[unpointed(word)].extend(senses)
                continue
            spellings = full_spellings(word)
            known = [w for w in spellings if w in self.counts]
            form = max(known, key=lambda w: (self.counts[w], w)) if known else spellings[0]
            for sense in senses:
                infinitive = next((by_infinitive[w] for w in spellings if w in by_infinitive), None)
                if sense[1] == VERB and infinitive:
                    meanings[infinitive].append(sense)
                else:
                    meanings[form].append(sense)
        return meanings

    def set_frequencies(self, entries):
        """Occurrences per million words of the list: the dictionary form's
        count shared among the entries of its spelling as hspell's parts of
        speech weigh them. The overrides may give an entry its share of the
        count ("70%") or its frequency itself ("12")."""
        total = sum(count for _, count in self.frequency) / 1e6
        written = dict(self.frequency)
        counts, kinds_of = lemma_counts(self.frequency, self.form_readings, {e["word"] for e in entries})
        by_word = collections.defaultdict(list)
        for e in entries:
            by_word[e["word"]].append(e)
        for word, same in by_word.items():
            count = counts.get(word) or written.get(word, 0)
            kinds = kinds_of.get(word, {})
            shares = {id(e): float(e["given_frequency"][:-1]) / 100 for e in same
                      if e.get("given_frequency", "").endswith("%")}
            # the entries without a given share split what the given ones leave
            rest = [e for e in same if not e.get("given_frequency")]
            per_kind = collections.Counter(HSPELL_KIND.get(e["type"]) for e in rest)
            weights = [kinds.get(HSPELL_KIND.get(e["type"]), 0) / per_kind[HSPELL_KIND.get(e["type"])] for e in rest]
            if not sum(weights):
                weights = [1] * len(rest)
            left = max(0.0, 1 - sum(shares.values()))
            shares.update((id(e), left * weight / sum(weights)) for e, weight in zip(rest, weights))
            for e in same:
                given = e.get("given_frequency", "")
                if given and not given.endswith("%"):
                    e["frequency"] = int(given)
                elif " " in word:
                    e["frequency"] = PHRASE_FREQUENCY
                else:
                    e["frequency"] = int(count * shares[id(e)] / total + 0.5)

    def senses_of(self, lemma):
        return self.wiktionary.get(lemma, [])

    def choose(self):
        """The most frequent dictionary forms with an English meaning."""
        chosen = []
        for lemma, count in sorted(self.counts.items(), key=lambda kv: (-kv[1], kv[0])):
            if len(chosen) >= SIZE:
                break
            if " " in lemma or not self.senses_of(lemma):
                continue
            chosen.append(lemma)
        return chosen

    def types_of(self, lemma):
        """The word types of a form, small words (יש, של, כן "yes") before
        nouns, verbs and adjectives, then the one hspell reads most often
        first. A noun, verb or adjective hspell never reads the form as is a
        sense Wiktionary gives some other word of that spelling: left out."""
        kinds = self.kinds.get(lemma, {})
        weight = collections.Counter()
        for kind, count in kinds.items():
            for word_type in HSPELL_TYPES.get(kind, ()):
                weight[word_type] += count
        content = (NOUN, VERB, ADJECTIVE)
        present = {kind for _, kind, _, _ in self.senses_of(lemma) if kind not in content or weight[kind] > 0}
        return sorted(present, key=lambda t: (t in content, -weight[t], t))

    def entry(self, lemma, word_type, rank):
        senses = self.senses_of(lemma)
        meanings = english_meanings(senses, word_type)
        if not meanings:
            return None
        entry = {"word": lemma, "type": word_type, "flags": 0, "translation": ", ".join(meanings),
                 "plural": "", "infinitive": "", "rank": rank, "binyan": ""}
        genders = [g for _, kind, gs, _ in senses if kind == word_type for g in gs]
        if word_type == NOUN:
            self.noun(entry, genders)
        elif word_type == ADJECTIVE:
            self.adjective(entry)
        elif word_type == VERB:
            if not self.verb(entry):
                return None
        return entry

    def noun(self, entry, genders):
        """Gender and plural from Hspell's noun table, else from hspell's
        reading of the word and of its plural (the nouns hspell makes of
        verbs, יציאה, ראיון, are in no table), else Wiktionary's marks."""
        word = entry["word"]
        rows = [r for r in self.nouns.get(word, []) if r[0] == "ע"]
        wanted = "נ" if any(g.startswith("f") for g in genders) else "ז" if any(g.startswith("m") for g in genders) else ""
        row = next((r for r in rows if r[1] == wanted and r[2]), None) or next((r for r in rows if r[1] == wanted), None)
        row = row or next((r for r in rows if r[2]), None) or (rows[0] if rows else None)
        gender = row[1] if row and row[1] else wanted or self.reading_gender(word) or self.table_gender(word)
        if " " in word:
            gender = gender or self.head_gender(word.split()[0])
        flags = {"ז": MASCULINE, "נ": FEMININE}.get(gender, 0)
        plural_only = any(g.endswith("-p") or g == "p" for g in genders)
        entry["flags"] = flags | (PLURAL if plural_only else SINGULAR)
        if not plural_only and " " not in word:
            entry["plural"] = plain_plural(row[2]) if row and row[2] else self.read_plural(word, gender)

    def table_gender(self, word):
        genders = {r[1] for r in self.nouns.get(word, []) if r[0] == "ע"} & {"ז", "נ"}
        return genders.pop() if len(genders) == 1 else ""

    def reading_gender(self, word):
        genders = {t[1] for _, lemma, t in self.analysed([word])[word] if t[0] == "ע" and lemma == word and len(t) > 1}
        genders &= {"ז", "נ"}
        return genders.pop() if len(genders) == 1 else ""

    def head_gender(self, head):
        """A phrase of nouns (בית ספר, מכונת כביסה, המוח הקטן) has the gender
        of its first noun, which may be in the construct state or definite."""
        genders = {t[1] for prefix, _, t in self.analysed([head])[head]
                   if t[0] == "ע" and prefix in ("", "ה") and len(t) > 1 and not any("כינוי" in x for x in t)}
        genders &= {"ז", "נ"}
        return genders.pop() if len(genders) == 1 else ""

    def read_plural(self, word, gender):
        """The plural hspell reads as the plural of this noun, among the
        regular ones."""
        stem = word[:-1] + MEDIAL[word[-1]] if word[-1] in MEDIAL else word
        candidates = [stem + "ים", stem + "ות"] if gender != "נ" else [stem + "ות", stem + "ים"]
        if word.endswith("ה") or word.endswith("ת"):
            candidates.insert(0 if gender == "נ" else 2, word[:-1] + "ות")
        if word.endswith("ות"):
            candidates.insert(0, word[:-2] + "ויות")
        if word.endswith("ית"):
            candidates.insert(0, word[:-1] + "יות")
        readings = self.analysed(candidates)
        for candidate in candidates:
            for prefix, lemma, tags in readings[candidate]:
                if not prefix and lemma == word and tags[0] == "ע" and "רבים" in tags and "סמיכות" not in tags \
                        and not any(t.startswith("כינוי") for t in tags):
                    return candidate
        return ""

    def analysed(self, words):
        missing = [w for w in words if w not in self.readings]
        if missing:
            self.readings.update(hspell.analyse(missing))
        return self.readings

    def adjective(self, entry):
        rows = [r for r in self.nouns.get(entry["word"], []) if r[0] == "ת"]
        entry["flags"] = MASCULINE | SINGULAR
        if rows and rows[0][2]:
            entry["plural"] = plain_plural(rows[0][2])

    def verb(self, entry):
        rows = self.verbs.get(entry["word"], [])
        if not rows:
            return False
        binyan, infinitive, transitive = rows[0]
        entry["binyan"] = binyan
        entry["infinitive"] = infinitive
        if transitive:
            entry["flags"] = TRANSITIVE
        return True

    def complete_verbs(self, entries):
        """A verb the overrides added gets the binyan the table gives its
        infinitive."""
        for e in entries:
            if e["type"] == VERB and not e["binyan"]:
                rows = [r for r in self.verbs.get(e["word"], []) if not e["infinitive"] or r[1] == e["infinitive"]]
                if rows:
                    e["binyan"] = rows[0][0]
                    e["infinitive"] = e["infinitive"] or rows[0][1]

    def build(self):
        for rank, lemma in enumerate(self.choose()):
            for word_type in self.types_of(lemma):
                e = self.entry(lemma, word_type, rank)
                if e:
                    self.entries.append(e)
        self.add_phrases()
        # homographs keep the order they were made in
        for order, e in enumerate(self.entries):
            e["order"] = order

    def add_phrases(self):
        """Wiktionary's phrases whose words are all dictionary words here."""
        known = {e["word"] for e in self.entries}
        forms = {}
        phrases = sorted(w for w in self.wiktionary if " " in w)
        words = sorted({part for phrase in phrases for part in phrase.split()})
        readings = hspell.analyse(words)
        for word in words:
            forms[word] = word in known or any(lemma in known for _, lemma, _ in readings.get(word, []))
        rank = len(self.choose())
        for phrase in phrases:
            parts = phrase.split()
            if len(parts) > 3 or not all(forms.get(part) for part in parts):
                continue
            types = sorted({kind for _, kind, _, _ in self.wiktionary[phrase]})
            for word_type in types:
                meanings = english_meanings(self.wiktionary[phrase], word_type)
                if not meanings or word_type == VERB:
                    continue
                entry = {"word": phrase, "type": word_type, "flags": 0, "translation": ", ".join(meanings),
                         "plural": "", "infinitive": "", "rank": rank, "binyan": ""}
                if word_type == NOUN:
                    genders = [g for _, kind, gs, _ in self.wiktionary[phrase] if kind == NOUN for g in gs]
                    self.noun(entry, genders)
                self.entries.append(entry)


def apply_overrides(entries, path):
    """The reviewed corrections: a row names an entry by word and type and
    gives the fields it corrects; "delete" drops it, "add" adds one."""
    if not os.path.exists(path):
        return entries
    by_key = {(e["word"], e["type"]): e for e in entries}
    with open(path, encoding="utf-8") as f:
        for row in csv.DictReader((line for line in f if not line.startswith("#")), delimiter="\t"):
            key = (row["word"], type_of_label(row["type"]))
            action = row.get("action", "")
            if action == "delete":
                entries = [e for e in entries if (e["word"], e["type"]) != key]
                by_key.pop(key, None)
                continue
            if action == "add" and key not in by_key:
                # an added entry stands after the others of its word
                rank = min((o["rank"] for o in entries if o["word"] == row["word"]), default=10 ** 6)
                e = {"word": row["word"], "type": key[1], "flags": 0, "translation": "", "plural": "",
                     "infinitive": "", "rank": rank, "binyan": "", "order": 10 ** 6 + len(entries)}
                entries.append(e)
                by_key[key] = e
            e = by_key.get(key)
            if e is None:
                print("override without entry: %s %s" % (row["word"], row["type"]), file=sys.stderr)
                continue
            for field in ("translation", "plural", "infinitive", "binyan"):
                if row.get(field):
                    e[field] = "" if row[field] == "-" else row[field]
            if row.get("flags"):
                e["flags"] = int(row["flags"])
            if row.get("frequency"):
                e["given_frequency"] = row["frequency"]
    return entries


def type_of_label(label):
    for value, text in TYPE_LABELS.items():
        if text == label:
            return value
    raise ValueError("no word type %r" % label)


def assign_ids(entries, previous):
    """Entry numbers as the previous build gave them (a file without an id
    column numbers its rows from 1, as the import does; a pointed word there
    keeps its number here unpointed); new entries after."""
    ids = {}
    if os.path.exists(previous):
        with open(previous, encoding="utf-8") as f:
            for number, row in enumerate(csv.DictReader(f, delimiter="\t"), 1):
                ids.setdefault((unpointed(row["word"]), type_of_label(row["type"])), int(row.get("id") or number))
    next_id = max(ids.values(), default=0) + 1
    for e in sorted(entries, key=lambda e: (e["rank"], e["order"])):
        key = (e["word"], e["type"])
        if key not in ids:
            ids[key] = next_id
            next_id += 1
        e["id"] = ids[key]


def escape(text):
    return text.replace("\\", "\\\\").replace("\t", "\\t").replace("\n", "\\n").replace("\r", "\\r")


def write(entries, out):
    with open(os.path.join(out, "hebrew.tsv"), "w", encoding="utf-8", newline="\n") as f:
        f.write("id\tword\ttype\tflags\ttranslation\tplural\tinfinitive\tpronunciation\tfrequency\n")
        for e in sorted(entries, key=lambda e: e["id"]):
            f.write("\t".join([str(e["id"]), e["word"], TYPE_LABELS[e["type"]], str(e["flags"]),
                               escape(e["translation"]), e["plural"], e["infinitive"], e.get("pronunciation", ""),
                               str(e["frequency"])]) + "\n")
    with open(os.path.join(out, "hebrew-binyanim.tsv"), "w", encoding="utf-8", newline="\n") as f:
        f.write("# word\tinfinitive\tbinyan: every verb of hebrew.tsv as Hspell's table has it\n")
        for e in sorted(entries, key=lambda e: e["id"]):
            if e["type"] == VERB and e["binyan"]:
                f.write("%s\t%s\t%s\n" % (e["word"], e["infinitive"], e["binyan"]))


def report(entries):
    def share(part, whole):
        return "%d / %d (%.1f%%)" % (len(part), len(whole), 100 * len(part) / len(whole) if whole else 100)

    nouns = [e for e in entries if e["type"] == NOUN and " " not in e["word"]]
    verbs = [e for e in entries if e["type"] == VERB]
    adjectives = [e for e in entries if e["type"] == ADJECTIVE]
    print("entries: %d (phrases %d)" % (len(entries), sum(" " in e["word"] for e in entries)), file=sys.stderr)
    print("word type set: " + share([e for e in entries if e["type"]], entries), file=sys.stderr)
    print("noun gender: " + share([e for e in nouns if e["flags"] & (MASCULINE | FEMININE)], nouns), file=sys.stderr)
    phrases = [e for e in entries if e["type"] == NOUN and " " in e["word"]]
    print("noun phrase gender: " + share([e for e in phrases if e["flags"] & (MASCULINE | FEMININE)], phrases),
          file=sys.stderr)
    print("noun plural: " + share([e for e in nouns if e["plural"] or e["flags"] & PLURAL], nouns), file=sys.stderr)
    print("adjective plural: " + share([e for e in adjectives if e["plural"]], adjectives), file=sys.stderr)
    print("verb infinitive: " + share([e for e in verbs if e["infinitive"]], verbs), file=sys.stderr)
    print("verb binyan from the table: " + share([e for e in verbs if e["binyan"]], verbs), file=sys.stderr)
    print("verb transitive: " + share([e for e in verbs if e["flags"] & TRANSITIVE], verbs), file=sys.stderr)
    counts = collections.Counter(len(e["translation"].split(", ")) for e in entries)
    print("meanings per entry: %s" % dict(sorted(counts.items())), file=sys.stderr)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--out", default=os.path.join(ROOT, "data"))
    parser.add_argument("--previous", default=os.path.join(ROOT, "data", "hebrew.tsv"),
                        help="the TSV whose entry numbers to keep")
    parser.add_argument("--cli", default=os.path.join(ROOT, "build", "bin", "verbalon-cli"),
                        help="the verbalon-cli that transliterates the words")
    args = parser.parse_args()
    try:
        pointing.require_cli(args.cli)  # before the long part of the build
        builder = Builder()
        builder.build()
        entries = apply_overrides(builder.entries, os.path.join(ROOT, "data", "hebrew-overrides.tsv"))
        builder.complete_verbs(entries)
        builder.set_frequencies(entries)
        assign_ids(entries, args.previous)
        pointing.point_entries(entries, ROOT, TYPE_LABELS, args.out)
        pointing.transliterate(entries, args.cli)
    except pointing.TransliterationError as e:
        sys.exit("build_dictionary.py: %s" % e)
    write(entries, args.out)
    report(entries)


if __name__ == "__main__":
    main()
