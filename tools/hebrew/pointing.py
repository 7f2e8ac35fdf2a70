"""Vowel points (niqqud) and word stress for the entries of the Hebrew
dictionary: each entry's word, plural and infinitive pointed in today's
full spelling (the letters stay exactly as the dictionary writes them, the
matres lectionis included: סִיפֵּר, שׁוֹמֵר, חוּלְצָה).

The pointing of a word is chosen from, in this order of trust:

- the reviewed table data/hebrew-pointing.tsv (a reviewer's decision per
  entry, kept while the entry's letters stay the same);
- Wiktionary's pointed forms (data/sources/wiktionary), of the entry's part
  of speech, brought to full spelling;
- the pointing counted in a pointed corpus (data/sources/pointing), the
  hand-pointed modern texts weighing more than the checked machine-pointed
  stories; a noun or adjective prefers a pointing also met after the
  article (הַשּׁוּלְחָן), which tells it from the construct state (שׁוּלְחַן);
- for verbs of the simple binyan, Strong's lexicon (data/sources/strongs);
- for verbs, the past form the conjugation rules make from the letters
  and the binyan (tools/fidelity/pointing.py).

Sources that give incompatible pointings are a conflict; a conflict, a
pointing that holds less than LOW_SHARE of the corpus's occurrences of its
letters, and one that only the rules or the older texts give, want review.
An entry without a reviewed row is marked unreviewed in the report.

The stress is counted in syllables from the end of the word (1: the last),
a syllable for each vowel the word is read with, a furtive patah (רוּחַ
rúach: 2) included. It comes from the reviewed table, else from
Wiktionary's transliteration where it marks it (/séfer/), else by rule.
A phrase gets one number per word, separated by spaces.
"""
import collections, csv, os, re, runpy, subprocess, sys, unicodedata

HERE = os.path.dirname(os.path.abspath(__file__))
# the conjugation rules' pointing of a past form, from tools/fidelity/pointing.py (a module of the
# same name as this one, so read by path)
rules_point = runpy.run_path(os.path.join(HERE, "..", "fidelity", "pointing.py"))["point"]

SHEVA, HATAF_SEGOL, HATAF_PATAH, HATAF_QAMATS, HIRIQ, TSERE, SEGOL, PATAH, QAMATS, HOLAM, HOLAM_HASER, QUBUTS = (
    "\u05b0", "\u05b1", "\u05b2", "\u05b3", "\u05b4", "\u05b5", "\u05b6", "\u05b7", "\u05b8", "\u05b9", "\u05ba",
    "\u05bb")
DAGESH, SHIN_DOT, SIN_DOT, QAMATS_QATAN = "\u05bc", "\u05c1", "\u05c2", "\u05c7"
VOWELS = HIRIQ + TSERE + SEGOL + PATAH + QAMATS + HOLAM + HOLAM_HASER + QUBUTS + QAMATS_QATAN
HATAFS = HATAF_SEGOL + HATAF_PATAH + HATAF_QAMATS
# the points the dictionary keeps: vowels, dagesh, shin and sin dots
KEPT = set(SHEVA + HATAFS + VOWELS + DAGESH + SHIN_DOT + SIN_DOT)
ANY_MARK = re.compile("[\u0591-\u05c7]")
BEGADKEFAT = "בגדכפת"
GUTTURALS = "אהחע"
FINAL = {"ך": "כ", "ם": "מ", "ן": "נ", "ף": "פ", "ץ": "צ"}

LOW_SHARE = 0.8
# a hand-pointed occurrence counts as much as this many checked machine-pointed ones
MODERN_WEIGHT = 4
SOURCES = ("wiktionary", "corpus", "strongs", "rules")
WIKTIONARY_TYPES = {"n": "Noun", "v": "Verb", "adj": "Adj.", "adv": "Adv.", "num": "Num.", "pron": "Pers.",
                    "conj": "Conj.", "prep": "Prep.", "interj": "Adv.", "phrase": "Adv.", "particle": "Adv.",
                    "determiner": "Pers.", "article": "Prep.", "contraction": "Adv."}
FIELDS = ("word", "plural", "infinitive")
PLURAL = "plural"  # a Wiktionary form marked plural ({m-p}, {f-p})


def clean(text):
    """A pointed text with only the points the dictionary keeps (no
    cantillation, meteg or rafe), in canonical order, a hiriq before a
    doubled yod written one way (see hiriq_yod_first)."""
    text = unicodedata.normalize("NFC", text)
    text = "".join(c for c in text if not ANY_MARK.match(c) or c in KEPT or c == QAMATS_QATAN)
    return " ".join(hiriq_yod_first(word) for word in text.split(" "))


def hiriq_yod_first(word):
    """A hiriq before a consonantal yod that full spelling writes twice:
    the first yod is the hiriq's and bare, the second is the consonant and
    carries its points (סִייֵּם, עֲלִייָּה), as the conjugation writes
    verbs. A yod read with a hiriq of its own before the yod of that hiriq
    (טִבְעִיִּים) is another thing and stays."""
    parts = split(word)
    found = False
    for i in range(1, len(parts) - 1):
        marks = parts[i][1]
        if parts[i][0] == "י" and parts[i + 1] == ["י", ""] and HIRIQ in parts[i - 1][1] and \
                bare(marks) and HIRIQ not in marks:
            parts[i][1], parts[i + 1][1] = "", marks
            found = True
    return join(parts) if found else word


def letters_of(pointed):
    return ANY_MARK.sub("", pointed)


def is_pointed(text):
    """Whether a text carries vowel points (a shin dot or dagesh alone is
    not pointing; the dagesh of a shuruk is)."""
    return any(c in SHEVA + HATAFS + VOWELS for c in text) or "וּ" in unicodedata.normalize("NFC", text)


def split(pointed):
    """[letter, marks] for each letter of a word; marks before the first
    letter are dropped."""
    parts = []
    for c in pointed:
        if ANY_MARK.match(c):
            if parts:
                parts[-1][1] += c
        else:
            parts.append([c, ""])
    return parts


def join(parts):
    return unicodedata.normalize("NFC", "".join(c + "".join(sorted(m)) for c, m in parts))


def is_consonant_vav_yod(letter, marks):
    """A vav or yod read as a consonant: it carries a vowel of its own (a
    holam on a vav or a dagesh alone makes it a vowel letter)."""
    own = marks.replace(DAGESH, "")
    if letter == "ו":
        return bool(own) and own not in (HOLAM, HOLAM_HASER)
    return bool(own)


def to_full(pointed, target):
    """The pointed word written with the letters of `target` (its full
    spelling): a holam or qubuts followed by a vav the target adds becomes
    that vav's holam or shuruk, a hiriq (or tsere) may be followed by a
    yod, and a consonantal vav or yod may be written twice, the first
    carrying the point (תִּקְוָוה, עִנְיָין, מִצְווֹת). None when the letters
    cannot be matched."""
    words, goals = clean(pointed).split(" "), letters_of(target).split(" ")
    if len(words) != len(goals):
        return None
    if len(words) > 1:
        parts = [to_full(w, g) for w, g in zip(words, goals)]
        return " ".join(parts) if all(parts) else None
    source = split(words[0])
    for k in range(1, len(source)):
        # a vav left bare after the holam or qubuts it writes (מְשֻׁוגָּע)
        if source[k] == ["ו", ""] and (QUBUTS in source[k - 1][1] or HOLAM in source[k - 1][1]):
            mark = DAGESH if QUBUTS in source[k - 1][1] else HOLAM
            source[k - 1][1] = source[k - 1][1].replace(QUBUTS, "").replace(HOLAM, "")
            source[k][1] = mark
    goal = list(goals[0])

    def walk(i, j, out):
        if j == len(goal):
            return out if i == len(source) else None
        want = goal[j]
        prev = out[-1] if out else None
        if want == "י" and prev and HIRIQ in prev[1] and goal[j + 1:j + 2] == ["י"] and \
                i < len(source) and source[i][0] == "י":
            # חִייֵּךְ, סִייֵּם: the first yod is the hiriq's, the second the consonant
            found = walk(i, j + 1, out + [["י", ""]])
            if found:
                return found
        if i < len(source) and source[i][0] == want:
            found = walk(i + 1, j + 1, out + [list(source[i])])
            if found:
                return found
        if prev is None:
            return None
        if want == "ו" and (HOLAM in prev[1] or HOLAM_HASER in prev[1]) and prev[0] != "ו":
            moved = [prev[0], prev[1].replace(HOLAM, "").replace(HOLAM_HASER, "")]
            return walk(i, j + 1, out[:-1] + [moved, ["ו", HOLAM]])
        if want == "ו" and QUBUTS in prev[1]:
            moved = [prev[0], prev[1].replace(QUBUTS, "")]
            return walk(i, j + 1, out[:-1] + [moved, ["ו", DAGESH]])
        if want == "י" and (HIRIQ in prev[1] or TSERE in prev[1]) and prev[0] != "י":
            return walk(i, j + 1, out + [["י", ""]])
        if want in "וי" and prev[0] == want and j + 1 < len(goal):
            if want == "ו" and prev[1] == HOLAM and len(out) > 1:
                # a consonantal vav read with o (מִצְוֹת): the second vav is the holam
                return walk(i, j + 1, out[:-1] + [["ו", ""], ["ו", HOLAM]])
            if is_consonant_vav_yod(*prev):
                return walk(i, j + 1, out + [[want, ""]])
        return None

    found = walk(0, 0, [])
    return join(found) if found else None


def bare(marks):
    """The marks of a letter without the ones that only sharpen the
    reading (dagesh, shin and sin dots), qamats qatan as qamats."""
    return marks.replace(DAGESH, "").replace(SHIN_DOT, "").replace(SIN_DOT, "").replace(QAMATS_QATAN, QAMATS)


def compatible(a, b):
    """Two pointings of the same letters that say the same vowels: one may
    leave out a sheva or hataf, a dagesh, a shin or sin dot or a furtive
    patah the other has."""
    pa, pb = split(a), split(b)
    if [c for c, _ in pa] != [c for c, _ in pb]:
        return False
    for i, ((c, ma), (_, mb)) in enumerate(zip(pa, pb)):
        if (SHIN_DOT in ma and SIN_DOT in mb) or (SIN_DOT in ma and SHIN_DOT in mb):
            return False
        ba, bb = bare(ma), bare(mb)
        if ba == bb or ("" in (ba, bb) and ba + bb in (SHEVA,) + tuple(HATAFS)):
            continue
        furtive = is_furtive(pa, i) or is_furtive(pb, i)
        if not (furtive and ba.replace(PATAH, "") == bb.replace(PATAH, "")):
            return False
    return True


def is_furtive(parts, i):
    """A patah under a word's last letter ח, ע or הּ read before it (רוּחַ),
    after a vowel of the letter before or a vowel letter."""
    if i != len(parts) - 1 or i == 0 or parts[i][0] not in "חעה" or PATAH not in parts[i][1]:
        return False
    before, marks = parts[i - 1]
    own = bare(marks)
    if before in "וי" and not is_consonant_vav_yod(before, marks):
        return True
    return bool(own) and own not in (SHEVA,) + tuple(HATAFS)


def richer(a, b):
    """Of two compatible pointings, the one with more marks."""
    return a if len(a) >= len(b) else b


def strip_article(pointed):
    """A word after the article (הַסֵּפֶר, הָאִישׁ) without it: the
    doubling dagesh the article put into the first letter goes, the dagesh
    of a begadkefat letter at the start of a word stays. None when the
    word does not start with the article."""
    parts = split(pointed)
    if len(parts) < 3 or parts[0][0] != "ה" or bare(parts[0][1]) not in (PATAH, QAMATS, SEGOL):
        return None
    first = parts[1]
    if first[0] not in BEGADKEFAT:
        first = [first[0], first[1].replace(DAGESH, "")]
    return join([first] + parts[2:])


def strip_conjunction(pointed):
    """A word after "and" (וְ, וּ) without it: a begadkefat letter at the
    start of the word takes back its dagesh. None when the word does not
    start with the conjunction."""
    parts = split(pointed)
    if len(parts) < 3 or parts[0][0] != "ו" or bare(parts[0][1]) not in (SHEVA, "") or \
            parts[0][1] not in (SHEVA, DAGESH):
        return None
    first = parts[1]
    if first[0] in BEGADKEFAT and DAGESH not in first[1]:
        first = [first[0], first[1] + DAGESH]
    return join([first] + parts[2:])


def add_begadkefat_dagesh(pointed):
    """The dagesh a begadkefat letter takes at the start of a word and
    after a closed syllable (נִכְתַּב, הִתְכַּתֵּב), which the rules'
    pointing leaves out."""
    parts = split(pointed)
    for i, (c, marks) in enumerate(parts):
        if c not in BEGADKEFAT or DAGESH in marks:
            continue
        if i == 0 or (i >= 2 and SHEVA in parts[i - 1][1] and bare(parts[i - 2][1]) and
                      bare(parts[i - 2][1]) not in (SHEVA,) + tuple(HATAFS)):
            parts[i][1] += DAGESH
    return join(parts)


# -- stress --------------------------------------------------------------

def syllables(pointed):
    """The vowels a pointed word is read with, one per syllable, in order,
    each with the place of its letter: each vowel point (a furtive patah
    counts, a sheva or hataf does not) and the vowel letters וֹ and וּ (a וּ
    before another vowel letter vav is the consonant doubled: כִּיוּוּן)."""
    parts = split(pointed)
    found = []
    for i, (c, marks) in enumerate(parts):
        own = bare(marks)
        if c == "ו" and own in (HOLAM, HOLAM_HASER):
            found.append((i, HOLAM))
            continue
        if c == "ו" and marks == DAGESH:
            following = parts[i + 1] if i + 1 < len(parts) else None
            if not (following and following[0] == "ו" and not is_consonant_vav_yod(*following)):
                found.append((i, QUBUTS))
            continue
        found.extend((i, v) for v in own if v in VOWELS)
    return found


def count_syllables(pointed):
    return len(syllables(pointed))


def rule_stress(pointed):
    """The stress Hebrew's rules give a word: on the last syllable, except
    the segolates (סֵפֶר, בּוֹקֶר, נַעַר, בַּיִת), the feminine endings -et
    and -at of that shape (מַחְבֶּרֶת, דַּעַת), the dual -ayim (יָדַיִם), and
    a syllable before a furtive patah (רוּחַ): stressed on the syllable
    before the last."""
    parts = split(pointed)
    nuclei = syllables(pointed)
    if len(nuclei) < 2:
        return 1
    (i1, v1), (i2, v2) = nuclei[-2], nuclei[-1]
    last = len(parts) - 1
    # the last vowel followed by letters without one (a doubled vav: מָוֶות, צֶוֶות)
    closed = i2 < last and parts[last][0] != "ה" and all(bare(m) in ("", SHEVA) for _, m in parts[i2 + 1:])
    if v2 == PATAH and i2 == last and is_furtive(parts, last):
        return 2
    if closed and v2 == HIRIQ and parts[i2][0] == "י" and v1 == PATAH and i1 == i2 - 1:
        return 2  # בַּיִת, מַיִם
    if v2 == HIRIQ and parts[i2][0] == "י" and i2 == last - 2 and parts[last - 1][0] == "י" and v1 == PATAH:
        return 2  # צָהֳרַיִים
    if closed and v2 == SEGOL and v1 in (SEGOL, TSERE, HOLAM):
        return 2  # סֵפֶר, מַחְבֶּרֶת, בּוֹקֶר
    if closed and v2 == PATAH and v1 in (PATAH, SEGOL, TSERE, HOLAM) and i1 == i2 - 1 and \
            (parts[i2][0] in GUTTURALS or parts[last][0] in GUTTURALS):
        return 2  # נַעַר, דַּעַת, שֶׁבַע, תֵּשַׁע
    return 1


def marked_stress(transliteration):
    """The stressed syllable, counted from the end, of a transliteration
    that marks it with an acute accent (/séfer/ → 2); None when it marks
    none or more than one."""
    text = unicodedata.normalize("NFD", transliteration.lower())
    if text.count("\u0301") != 1:
        return None
    vowels = []
    for i, c in enumerate(text):
        if c in "aeiou":
            vowels.append(i)
        elif c == "y":
            before = text[i - 1] if i else ""
            after = text[i + 1] if i + 1 < len(text) else ""
            if before not in "aeiou\u0301" and after not in "aeiou":
                vowels.append(i)
    accent = text.index("\u0301")
    stressed = [k for k, i in enumerate(vowels) if i < accent]
    if not stressed:
        return None
    return len(vowels) - stressed[-1]


# -- sources -------------------------------------------------------------

def consonant_key(letters):
    return re.sub("[וי ]", "", letters)


class Wiktionary:
    """Wiktionary's pointed forms and its transliterations, with the part
    of speech of the line they stand on."""

    def __init__(self, path):
        self.forms = collections.defaultdict(list)  # consonant key -> [(pointed, type)]
        self.transliterations = collections.defaultdict(list)  # consonant key -> [(pointed or letters, type, text)]
        line_pattern = re.compile(r"^(.*?) \{([a-z-]+)\}(?: \((.*)\))? :: (.*)$")
        with open(path, encoding="utf-8") as f:
            for line in f:
                m = line_pattern.match(line.rstrip("\n"))
                if not m or m.group(2) not in WIKTIONARY_TYPES:
                    continue
                word_type = WIKTIONARY_TYPES[m.group(2)]
                for item in split_items(m.group(4)):
                    self.read_item(item, word_type)

    def read_item(self, item, word_type):
        head = re.split(r"\s*[{/(\[]", item, maxsplit=1)[0]
        variants = [clean(v.strip()) for v in head.split("\\") if v.strip()]
        variants = [v for v in variants if re.fullmatch("[\u05d0-\u05ea\u05b0-\u05c7 ]+", v)]
        transliteration = re.search(r"/([^/]+)/", item)
        plural = any(g == "p" or g.endswith("-p") for g in re.findall(r"\{([^}]*)\}", item))
        for v in variants:
            key = consonant_key(letters_of(v))
            if is_pointed(v):
                self.forms[key].append((v, word_type))
                if plural:
                    self.forms[key].append((v, PLURAL))
            if transliteration:
                self.transliterations[key].append((v, word_type, transliteration.group(1)))

    def pointings(self, letters, types):
        """Wiktionary's pointings of these letters, most often given first."""
        counts = collections.Counter()
        for pointed, word_type in self.forms.get(consonant_key(letters), []):
            if word_type in types:
                full = to_full(pointed, letters)
                if full:
                    counts[full] += 1
        return [p for p, _ in sorted(counts.items(), key=lambda kv: (-kv[1], kv[0]))]

    def stress(self, pointed, types):
        """The stress a transliteration marks for this word, if Wiktionary
        gives one for a form of these letters (and of a compatible pointing,
        when the form is pointed) of the right part of speech."""
        letters = letters_of(pointed)
        found = collections.Counter()
        for form, word_type, text in self.transliterations.get(consonant_key(letters), []):
            if word_type not in types or " " in text.strip() or " " in form:
                continue
            full = to_full(form, letters)
            if not full or (is_pointed(form) and not compatible(full, pointed)):
                continue
            stress = marked_stress(text)
            if stress and stress <= count_syllables(pointed):
                found[stress] += 1
        return sorted(found, key=lambda s: (-found[s], s))[0] if found else None

    def phrase_stress(self, pointed, types):
        """The stress of each word of a phrase where Wiktionary's
        transliteration of it marks the stress of some word, the rule's
        for the others."""
        words = pointed.split(" ")
        letters = letters_of(pointed)
        for form, word_type, text in self.transliterations.get(consonant_key(letters), []):
            spoken = [t for t in re.split(r"[\s-]+", text.strip()) if t]
            full = to_full(form, letters)
            if word_type not in types or not full or len(spoken) != len(words):
                continue
            if is_pointed(form) and not compatible(full, pointed):
                continue
            marks = [marked_stress(t) for t in spoken]
            if any(marks):
                return [m if m and m <= count_syllables(w) else rule_stress(w) for m, w in zip(marks, words)]
        return None


def split_items(text):
    """The translations of a line: split at commas outside slashes, braces
    and parentheses."""
    items, depth, current, in_slash = [], 0, "", False
    for c in text:
        if c == "/":
            in_slash = not in_slash
        elif c in "({[":
            depth += 1
        elif c in ")}]":
            depth -= 1
        if c == "," and depth == 0 and not in_slash:
            items.append(current)
            current = ""
        else:
            current += c
    items.append(current)
    return [i.strip() for i in items if i.strip()]


class Corpus:
    """How often each pointing of a word's letters was met in the corpus."""

    def __init__(self, path):
        self.rows = collections.defaultdict(list)  # letters -> [(pointed, modern, stories, older)]
        with open(path, encoding="utf-8") as f:
            for row in csv.DictReader(f, delimiter="\t"):
                self.rows[row["letters"]].append(
                    (clean(row["pointed"]), int(row["modern"]), int(row["stories"]), int(row["older"])))

    def counts(self, letters):
        """Pointing -> weight, for the modern texts and stories; the older
        texts only where those have none. A pointing that lacks only the
        shin or sin dot counts for the one that has it."""
        rows = self.rows.get(letters, [])
        weights = collections.Counter()
        for pointed, modern, stories, _ in rows:
            if modern or stories:
                weights[pointed] += MODERN_WEIGHT * modern + stories
        older = not weights
        if older:
            for pointed, _, _, count in rows:
                weights[pointed] += count
        for pointed in list(weights):
            if "ש" in pointed and SHIN_DOT not in pointed and SIN_DOT not in pointed:
                dotted = [p for p in weights if p != pointed and compatible(p, pointed) and "ש" in p]
                if dotted:
                    weights[max(dotted, key=lambda p: (weights[p], p))] += weights.pop(pointed)
        return weights, older

    def definite(self, letters):
        """The pointings of these letters met after the article."""
        return self.prefixed(letters, "ה", strip_article)

    def after_and(self, letters):
        """The pointings of these letters met after "and"."""
        return self.prefixed(letters, "ו", strip_conjunction)

    def prefixed(self, letters, prefixes, strip):
        seen = collections.Counter()
        for prefix in prefixes:
            for pointed, modern, stories, _ in self.rows.get(prefix + letters, []):
                plain = strip(pointed)
                if plain and modern + stories and letters_of(plain) == letters:
                    seen[plain] += MODERN_WEIGHT * modern + stories
        return seen


class Strongs:
    """Strong's lexicon's pointed verbs (biblical pointing)."""

    def __init__(self, path):
        self.verbs = collections.defaultdict(list)
        with open(path, encoding="utf-8") as f:
            for row in csv.DictReader((line for line in f if not line.startswith("#")), delimiter="\t"):
                pointed = clean(row["pointed"])
                self.verbs[consonant_key(letters_of(pointed))].append(pointed)

    def pointings(self, letters):
        found = []
        for pointed in self.verbs.get(consonant_key(letters), []):
            full = to_full(pointed, letters)
            if full and full not in found:
                found.append(full)
        return found


def infinitive_fits(pointed, binyan):
    """Whether an infinitive's pointing has its binyan's shape: the simple
    binyan's ל takes a vowel (לִכְתּוֹב, לָקוּם, לַעֲבוֹד), the others' a
    sheva, before הַ (hif'il), הִתְ (hitpa'el), הִי or הֵי (nif'al), or the
    pi'el's first root letter with a patah, qamats or holam (לְדַבֵּר,
    לְבָרֵךְ, לְעוֹדֵד)."""
    parts = split(pointed)
    if len(parts) < 3 or parts[0][0] != "ל":
        return False
    prefix, (second, marks) = bare(parts[0][1]), (parts[1][0], bare(parts[1][1]))
    if binyan == "Paal":
        return prefix not in ("", SHEVA)
    if prefix != SHEVA:
        return False
    if binyan == "Hifil":
        return second == "ה" and marks in (PATAH, QAMATS, SEGOL)
    if binyan == "Hitpael":
        return second == "ה" and marks == HIRIQ and bare(parts[2][1]) in ("", SHEVA)
    if binyan == "Nifal":
        return second == "ה" and marks in (HIRIQ, TSERE) and (parts[2][0] == "י" or DAGESH in parts[2][1])
    holam_male = not marks and parts[2][0] == "ו" and bare(parts[2][1]) == HOLAM
    return marks in (PATAH, QAMATS, HOLAM) or holam_male


def rule_pointing(past, binyan):
    """The rules' pointing of a verb's past form, in full spelling."""
    if not binyan or " " in past:
        return None
    try:
        pointed = rules_point(past, binyan)
    except (IndexError, ValueError):  # letters the rules do not fit
        return None
    if not is_pointed(pointed):
        return None
    full = to_full(pointed, past)
    return add_begadkefat_dagesh(full) if full else None


# -- choosing ------------------------------------------------------------

class Choice:
    """The pointing chosen for one field of an entry, with what the sources
    said: `candidates` maps each source to its pointing, `source` names the
    one taken ("review" for a reviewer's own), `share` is the part of the
    corpus's occurrences of the letters that the pointing holds (None
    without corpus data)."""

    def __init__(self):
        self.pointed = None
        self.source = None
        self.candidates = {}
        self.share = None
        self.older_only = False
        self.auto = None  # the pointing the sources chose, before review

    def conflicts(self):
        """Pairs of sources whose pointings say different vowels."""
        found = []
        sources = [s for s in SOURCES if s in self.candidates]
        for k, a in enumerate(sources):
            for b in sources[k + 1:]:
                if not compatible(self.candidates[a], self.candidates[b]):
                    found.append((a, b))
        return found

    def wants_review(self):
        """Why this pointing wants a reviewer's eye (empty: it does not)."""
        reasons = []
        if self.pointed is None:
            reasons.append("no source")
        if self.conflicts():
            reasons.append("conflict " + ", ".join("%s/%s" % pair for pair in self.conflicts()))
        if self.share is not None and self.share < LOW_SHARE:
            reasons.append("share %.0f%%" % (100 * self.share))
        if self.source == "rules" or self.source == "strongs":
            reasons.append("only " + self.source)
        if self.source == "corpus" and self.older_only:
            reasons.append("only older texts")
        return reasons


class Pointer:
    """Chooses pointings and stress from the sources in data/sources."""

    def __init__(self, root):
        sources = os.path.join(root, "data", "sources")
        self.wiktionary = Wiktionary(os.path.join(sources, "wiktionary", "en-he-enwiktionary.txt"))
        self.corpus = Corpus(os.path.join(sources, "pointing", "pointed_forms.tsv"))
        self.strongs = Strongs(os.path.join(sources, "strongs", "verbs.tsv"))

    def corpus_choice(self, letters, definite, fits=None):
        """The corpus's pointing of these letters and its share: the most
        frequent (after the article, when `definite` and it was met there),
        among those that `fits` accepts when there are such."""
        weights, older = self.corpus.counts(letters)
        if not weights:
            # a word met only after the article or "and"
            weights = self.corpus.definite(letters) + self.corpus.after_and(letters)
        if definite:
            # after the article a noun is in the absolute state: the
            # pointings met there, as often as met anywhere
            seen = self.corpus.definite(letters)
            plain = {p: w for p, w in weights.items() if any(compatible(p, s) for s in seen)}
            pool = plain or dict(seen) or dict(weights)
        else:
            pool = dict(weights)
        if fits:
            pool = {p: w for p, w in pool.items() if fits(p)} or pool
        if not pool:
            return None, None, older
        best = max(pool, key=lambda p: (pool[p], p))
        total = sum(weights.values())
        share = weights.get(best, 0) / total if total else None
        return best, share, older

    def choose(self, letters, role, word_type="", binyan=""):
        """The pointing of a field: `role` is "word", "plural" or
        "infinitive"."""
        choice = Choice()
        types = {"word": {word_type}, "infinitive": {"Verb"}, "plural": {PLURAL}}[role]
        rule = rule_pointing(letters, binyan) if role == "word" and word_type == "Verb" else None
        if rule:
            choice.candidates["rules"] = rule
        fits = None
        if rule:
            fits = lambda p: compatible(p, rule)  # noqa: E731
        elif role == "infinitive" and binyan:
            fits = lambda p: infinitive_fits(p, binyan)  # noqa: E731
        found = self.wiktionary.pointings(letters, types)
        if fits:
            found = [p for p in found if fits(p)] or found
        if found:
            choice.candidates["wiktionary"] = found[0]
        definite = role == "plural" or (role == "word" and word_type in ("Noun", "Adj."))
        best, share, older = self.corpus_choice(letters, definite, fits)
        if best:
            choice.candidates["corpus"] = best
            choice.older_only = older
        if role == "word" and word_type == "Verb" and binyan == "Paal":
            found = self.strongs.pointings(letters)
            if fits:
                found = [p for p in found if fits(p)] or found
            if found:
                choice.candidates["strongs"] = found[0]
        # a verb's binyan tells homographs apart (סָפַר, סִיפֵּר): the first
        # source that agrees with the rules, if any does
        order = [s for s in SOURCES if s in choice.candidates]
        if rule:
            order.sort(key=lambda s: s == "rules" or not compatible(choice.candidates[s], rule))
        if order:
            choice.source = order[0]
            choice.pointed = choice.candidates[order[0]]
        wikt, corp = choice.candidates.get("wiktionary"), choice.candidates.get("corpus")
        if choice.source in ("wiktionary", "corpus") and wikt and corp and compatible(wikt, corp):
            # Wiktionary leaves out a dagesh or a shin dot more often than it errs
            choice.pointed = richer(wikt, corp)
        if choice.pointed and best:
            weights, _ = self.corpus.counts(letters)
            total = sum(weights.values())
            held = sum(w for p, w in weights.items() if compatible(p, choice.pointed))
            choice.share = held / total if total else None
        return choice

    def choose_phrase(self, phrase, word_type):
        """A phrase pointed word by word: Wiktionary's pointing of the
        whole phrase, else each word as the corpus points it (the last one
        as a noun or adjective after the article would be)."""
        choice = Choice()
        words = phrase.split(" ")
        whole = self.wiktionary.pointings(phrase, {word_type})
        if whole:
            choice.candidates["wiktionary"] = whole[0]
        parts, shares, older_only = [], [], False
        for k, word in enumerate(words):
            definite = k == len(words) - 1 and word_type in ("Noun", "Adj.") and len(words) > 1
            best, share, older = self.corpus_choice(word, definite)
            if not best and definite:
                best, share, older = self.corpus_choice(word, False)
            parts.append(best)
            shares.append(share)
            older_only = older_only or older
        if all(parts):
            choice.candidates["corpus"] = " ".join(parts)
            choice.older_only = older_only
            known = [s for s in shares if s is not None]
            choice.share = min(known) if known else None
        for source in SOURCES:
            if source in choice.candidates:
                choice.pointed, choice.source = choice.candidates[source], source
                break
        return choice

    def stress(self, pointed, word_type):
        """The stress of a word (a phrase: of each word) and where it comes
        from: Wiktionary's transliteration, else the rule."""
        words = pointed.split(" ")
        if len(words) > 1:
            marked = self.wiktionary.phrase_stress(pointed, {word_type})
            if marked:
                return " ".join(map(str, marked)), "wiktionary"
            return " ".join(str(rule_stress(w)) for w in words), "rule"
        marked = self.wiktionary.stress(pointed, {word_type})
        if marked:
            return str(marked), "wiktionary"
        return str(rule_stress(pointed)), "rule"


# -- the reviewed table and the build ------------------------------------

def read_reviewed(path):
    """(letters, type label) -> row of the reviewed table (columns word,
    type, pointed, plural, infinitive, stress, source, wiktionary)."""
    rows = {}
    if not os.path.exists(path):
        return rows
    with open(path, encoding="utf-8") as f:
        for row in csv.DictReader((line for line in f if not line.startswith("#")), delimiter="\t"):
            rows[(row["word"], row["type"])] = row
    return rows


def reviewed_field(row, field, letters):
    """The reviewed pointing of a field, if the table has one for these
    very letters."""
    column = "pointed" if field == "word" else field
    pointed = row.get(column, "") if row else ""
    return pointed if pointed and letters_of(pointed) == letters else None


def choose_field(pointer, entry, field, type_label):
    letters = entry[field]
    if " " in letters:
        return pointer.choose_phrase(letters, type_label)
    return pointer.choose(letters, field, type_label, entry.get("binyan", ""))


def credited_source(choice):
    """The source a field's final pointing is counted under: the chosen
    source when the review kept its pointing, else a source that gave the
    same, else the review."""
    if choice.pointed == choice.auto:
        return choice.source
    for source in SOURCES:
        if choice.candidates.get(source) == choice.pointed:
            return source
    return "review"


def point_entries(entries, root, type_labels, out):
    """Points each entry's word, plural and infinitive (entry dicts with
    unpointed "word", "type", "plural", "infinitive", "binyan", "id"),
    writes the stress of each entry to OUT/hebrew-stress.tsv and prints
    the shares by source."""
    pointer = Pointer(root)
    reviewed = read_reviewed(os.path.join(root, "data", "hebrew-pointing.tsv"))
    counts = collections.Counter()
    unreviewed_entries, unreviewed_conflicts, unpointed = [], [], []
    stress_rows = []
    for e in entries:
        label = type_labels[e["type"]]
        name = "%s %s" % (e["word"], label)
        row = reviewed.get((e["word"], label))
        fully_reviewed = True
        for field in FIELDS:
            letters = e[field]
            if not letters:
                continue
            choice = choose_field(pointer, e, field, label)
            choice.auto = choice.pointed
            hand = reviewed_field(row, field, letters)
            if hand:
                choice.pointed = hand
            else:
                fully_reviewed = False
                if choice.conflicts():
                    unreviewed_conflicts.append("%s %s" % (name, field))
            if choice.pointed:
                counts[(field, credited_source(choice))] += 1
                e[field] = choice.pointed
            else:
                unpointed.append("%s %s" % (name, field))
            counts[(field, "all")] += 1
        if not fully_reviewed:
            unreviewed_entries.append(name)
        if is_pointed(e["word"]):
            stress, origin = pointer.stress(e["word"], label)
            if row and reviewed_field(row, "word", letters_of(e["word"])) and row.get("stress"):
                counts[("stress", "reviewed")] += 1
                if row["stress"] != stress:
                    stress, origin = row["stress"], "review"
            counts[("stress", origin)] += 1
            stress_rows.append((e["id"], e["word"], stress, origin))
            e["stress"] = stress
    write_stress(stress_rows, os.path.join(out, "hebrew-stress.tsv"))
    report(counts, len(entries), unreviewed_entries, unreviewed_conflicts, unpointed)


def engine_stress(pointed, stress):
    """A word's stress as verbalon-cli counts it: the same syllable from
    the end, but a furtive patah is no syllable there (רוּחַ: 2 here, 1
    there). The vowels it reads for a sheva or hataf come before the
    stress and do not move it."""
    parts = split(pointed)
    if stress > 1 and is_furtive(parts, len(parts) - 1):
        return stress - 1
    return stress


class TransliterationError(Exception):
    pass


def require_cli(cli):
    if not os.access(cli, os.X_OK):
        raise TransliterationError("%s: no verbalon-cli there; build it (cmake --build build --target "
                                   "verbalon-cli) or name it with --cli PATH" % cli)


def transliterate(entries, cli):
    """Sets each pointed entry's "pronunciation": its word (a phrase word by
    word) in Latin letters with its stress, as verbalon-cli transliterates
    it, in one run of the tool."""
    require_cli(cli)
    said = [e for e in entries if e.get("stress")]
    lines = []
    for e in said:
        for word, stress in zip(e["word"].split(" "), e["stress"].split(" ")):
            lines.append("%s\t%d" % (word, engine_stress(word, int(stress))))
    run = subprocess.run([cli, "transliterate", "--batch"], input="\n".join(lines) + "\n", capture_output=True,
                         encoding="utf-8")
    out = run.stdout.split("\n")[:-1]
    if run.returncode or len(out) != len(lines):
        raise TransliterationError("%s transliterate --batch failed: %s" % (cli, run.stderr.strip()))
    words = iter(out)
    for e in said:
        e["pronunciation"] = " ".join(next(words) for _ in e["word"].split(" "))


def write_stress(rows, path):
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write("# id\tword\tstress (syllable from the end, 1 = last; a phrase: one per word)\t"
                "from (wiktionary: its transliteration marks it; rule; review: a reviewer's own)\n")
        for row in sorted(rows):
            f.write("%d\t%s\t%s\t%s\n" % row)


def report(counts, total, unreviewed_entries, unreviewed_conflicts, unpointed, stream=None):
    """Prints the shares of the pointing by source and what is left for a
    reviewer: entries without a reviewed row, conflicts among them, fields
    no source points."""
    stream = stream or sys.stderr
    for field in FIELDS:
        whole = counts[(field, "all")]
        pointed = whole - sum(1 for u in unpointed if u.endswith(" " + field))
        shares = ", ".join("%s %d" % (s, counts[(field, s)]) for s in SOURCES + ("review",) if counts[(field, s)])
        print("pointed %s: %d / %d (%.1f%%): %s" % (field, pointed, whole, 100 * pointed / whole if whole else 100,
                                                   shares), file=stream)
    print("stress: " + ", ".join("%s %d" % (s, counts[("stress", s)]) for s in ("wiktionary", "rule", "review")) +
          " (reviewed %d)" % counts[("stress", "reviewed")], file=stream)
    print("entries reviewed: %d / %d" % (total - len(unreviewed_entries), total), file=stream)
    print("conflicts left unreviewed: %d" % len(unreviewed_conflicts), file=stream)
    for name in unreviewed_entries:
        print("  unreviewed: " + name, file=stream)
    for item in unreviewed_conflicts:
        print("  unreviewed conflict: " + item, file=stream)
    for item in unpointed:
        print("  not pointed: " + item, file=stream)
