"""Arabic script for the dictionary build: ElixirFM's ASCII notation of a
word (ArabTeX letters, long vowels as capitals) written in Arabic letters
with every vowel mark, vowel marks folded away, and a Latin
transliteration of a vocalised word.

Hamza takes its seat from the vowels around it, as MSA writes it today
(مَسْأَلَة, سُؤَال, سَائِل, مَسْؤُول, قِرَاءَة, شَيْء). A consonant without a vowel
gets a sukun inside the word; the last letter of a citation form carries
no case vowel (كِتَاب), as learners' dictionaries give nouns.
"""
import re

FATHA, DAMMA, KASRA, SUKUN, SHADDA = "\u064e", "\u064f", "\u0650", "\u0652", "\u0651"
FATHATAN, DAMMATAN, KASRATAN = "\u064b", "\u064c", "\u064d"
DAGGER_ALIF = "\u0670"
MARKS = re.compile("[\u064b-\u065f\u0670\u0640]")

CONSONANTS = {
    "'": "ء", "b": "ب", "t": "ت", "_t": "ث", "^g": "ج", ".h": "ح", "_h": "خ", "d": "د", "_d": "ذ", "r": "ر",
    "z": "ز", "s": "س", "^s": "ش", ".s": "ص", ".d": "ض", ".t": "ط", ".z": "ظ", "`": "ع", ".g": "غ", "f": "ف",
    "q": "ق", "k": "ك", "l": "ل", "m": "م", "n": "ن", "h": "ه", "w": "و", "y": "ي", "p": "پ", "v": "ڤ",
    "^c": "چ", "g": "گ", "T": "ة",
}
SHORT = {"a": FATHA, "i": KASRA, "u": DAMMA}
LONG = {"A": (FATHA, "ا"), "I": (KASRA, "ي"), "U": (DAMMA, "و"), "Y": (FATHA, "ى")}
TANWIN = {"a": FATHATAN, "i": KASRATAN, "u": DAMMATAN}
TOKEN = re.compile(r"_a|_t|\^g|\.h|_h|_d|\^s|\.s|\.d|\.t|\.z|\.g|\^c|[-' a-zA-Z`]")
# ElixirFM writes foreign vowels e and o; MSA spelling has only a, i, u
FOREIGN_VOWELS = {"e": "i", "o": "u", "E": "I", "O": "U"}


class Unit:
    """One consonant with the vowel after it ("" for none), or a vowel
    that starts a word (consonant None: an alif of liaison)."""

    def __init__(self, consonant, vowel="", double=False):
        self.consonant, self.vowel, self.double, self.tanwin = consonant, vowel, double, False
        self.assimilated = False  # the article's lam before a sun letter (اَلرَّجُل)

    def __repr__(self):
        return "Unit(%r, %r, %r)" % (self.consonant, self.vowel, self.double)


def units(word):
    """A word of the ASCII notation as units; doubled consonants merge
    into one unit with a shadda, a long ī or ū before its own glide
    (-Iy, -Uw) into a short vowel and a doubled glide (-iyy, -uww); the
    article's consonant before a hyphen (al-, ar-) is a lam that doubles
    the sun letter after it."""
    result = []
    for token in TOKEN.findall(word):
        token = FOREIGN_VOWELS.get(token, token)
        last = result[-1] if result else None
        if token in SHORT or token in LONG or token == "_a":
            if last and last.consonant not in (None, "-", " ") and last.vowel == "":
                last.vowel = token
            else:
                result.append(Unit(None, token))
        elif token == "N":
            if last:
                last.tanwin = True
        elif token in CONSONANTS:
            if last and last.consonant == token and last.vowel == "" and not last.double:
                last.double = True
            elif last and (last.vowel, token) in (("I", "y"), ("U", "w")):
                last.vowel = last.vowel.lower()
                result.append(Unit(token, "", True))
            elif last and last.consonant == "-" and len(result) >= 3 and result[-2].consonant == token \
                    and result[-2].vowel == "" and result[-3].consonant is None:
                result[-2].consonant = "l"
                result[-2].assimilated = True
                result.append(Unit(token, "", True))
            else:
                result.append(Unit(token))
        elif token in "- ":
            result.append(Unit(token))
    return result


def hamza_seat(previous, unit, initial):
    """The letter that carries a hamza, from its own vowel and the one
    before it."""
    own = unit.vowel
    before = previous.vowel if previous else ""
    glide = previous.consonant if previous is not None and previous.vowel == "" else None
    if initial:
        return "إ" if own in ("i", "I") else "أ"
    if own == "":
        return {"a": "أ", "i": "ئ", "u": "ؤ"}.get(before, "ء")
    if before in ("i", "I") or own in ("i", "I") or glide == "y":
        return "ئ"
    if before in ("A", "U"):
        return "ؤ" if own in ("u", "U") and before == "A" else "ء"
    if own in ("u", "U") or before == "u":
        return "ؤ"
    return "أ"


def arabic(word):
    """The ASCII notation in Arabic letters with all vowel marks; a
    consonant without a vowel inside the word gets a sukun, the last one
    none."""
    parts = units(word)
    out = []
    initial = True
    for i, unit in enumerate(parts):
        previous = parts[i - 1] if i > 0 and parts[i - 1].consonant not in ("-", " ") else None
        following = parts[i + 1] if i + 1 < len(parts) else None
        last = following is None or following.consonant == " "
        if unit.consonant in ("-", " "):
            out.append(" " if unit.consonant == " " else "")
            initial = True
            continue
        if unit.consonant is None:
            # a word that starts with a vowel starts with an alif of liaison
            letter = "ا"
        elif unit.consonant == "'":
            if unit.vowel == "A" and (initial or (previous and (previous.vowel == "a" or (
                    previous.vowel == "" and previous.consonant not in ("y", "w"))))):
                out.append("آ")
                initial = False
                continue
            # a vowel of case or mood after a last hamza leaves its seat
            # to the vowel before it (يَقْرَأُ)
            seated = Unit("'") if last and unit.vowel in SHORT and not unit.tanwin and not initial else unit
            letter = hamza_seat(previous, seated, initial)
        elif unit.consonant == "T" and not last:
            letter = "ت"
        else:
            letter = CONSONANTS[unit.consonant]
        initial = False
        marks = SHADDA if unit.double else ""
        if unit.vowel == "_a":
            out.append(letter + marks + DAGGER_ALIF)
        elif unit.vowel in SHORT:
            marks += TANWIN[unit.vowel] if unit.tanwin else SHORT[unit.vowel]
            out.append(letter + marks)
            if unit.tanwin and unit.vowel == "a" and letter not in ("ة", "ء"):
                out.append("ا")
        elif unit.vowel in LONG:
            mark, carrier = LONG[unit.vowel]
            if carrier == "ى" and (unit.consonant == "y" or not last):
                carrier = "ا"
            if unit.tanwin:
                mark = FATHATAN
            out.append(letter + marks + mark + carrier)
        else:
            if unit.consonant != "T" and not last and not unit.assimilated \
                    and (following.consonant != "-" or unit.consonant == "l"):
                marks += SUKUN
            out.append(letter + marks)
    return "".join(out)


def canonical(word):
    """A vocalised word with the marks of each letter in one order (shadda
    before the vowel), however they were typed."""
    out = []
    for c, marks in letters_with_marks(word):
        out.append(c + "".join(sorted(marks, key=lambda m: (m != SHADDA, m))))
    return "".join(out)


def bare(text):
    """A word without its vowel marks (and without tatweel)."""
    return MARKS.sub("", text)


def normalised(text):
    """A written form as the counting compares it: no vowel marks, every
    alif with hamza or madda a plain alif (subtitles often leave the
    hamza out)."""
    text = bare(text)
    return text.translate(NORMAL)


NORMAL = str.maketrans({"أ": "ا", "إ": "ا", "آ": "ا", "ٱ": "ا"})

# transliteration: DIN 31635 letters, long vowels with a macron
LATIN = {
    "ء": "ʾ", "أ": "ʾ", "إ": "ʾ", "ؤ": "ʾ", "ئ": "ʾ", "ب": "b", "ت": "t", "ث": "ṯ", "ج": "j", "ح": "ḥ", "خ": "ḵ",
    "د": "d", "ذ": "ḏ", "ر": "r", "ز": "z", "س": "s", "ش": "š", "ص": "ṣ", "ض": "ḍ", "ط": "ṭ", "ظ": "ẓ", "ع": "ʿ",
    "غ": "ḡ", "ف": "f", "ق": "q", "ك": "k", "ل": "l", "م": "m", "ن": "n", "ه": "h", "و": "w", "ي": "y",
    "پ": "p", "ڤ": "v", "چ": "č", "گ": "g",
}
SUN_LETTERS = "تثدذرزسشصضطظلن"


def transliteration(word):
    """A vocalised word in Latin letters: كِتَاب kitāb, يَكْتُبُ yaktubu,
    مَدْرَسَة madrasa, الْآنَ al-ʾāna. Words of a phrase one by one."""
    return " ".join(transliterate_word(w) for w in word.split(" "))


def letters_with_marks(word):
    """A vocalised word as [letter, its marks] pairs (tatweel dropped)."""
    letters = []
    for c in word:
        if MARKS.match(c):
            if letters and c != "\u0640":
                letters[-1][1] += c
        else:
            letters.append([c, ""])
    return letters


LONG_AFTER = {FATHA: "اى", KASRA: "ي", DAMMA: "و"}
MACRON = {FATHA: "ā", KASRA: "ī", DAMMA: "ū"}


def transliterate_word(word):
    """One word in Latin letters; the article is written al- (or
    assimilated, aš-šams), ta marbuta -a (-ah after ā)."""
    letters = letters_with_marks(word)
    out = []
    start = 0
    if len(letters) > 2 and letters[0][0] in "اٱ" and letters[1][0] == "ل" and SHADDA in letters[1][1]:
        # الَّذِي: the article's lam and the word's are one letter
        out.append("al")
        letters[1] = ["ل", letters[1][1].replace(SHADDA, "")]
        start = 1
    elif len(letters) > 2 and letters[0][0] in "اٱ" and letters[1][0] == "ل" and not letters[0][1]:
        following = letters[2]
        sun = following[0] in SUN_LETTERS and SHADDA in following[1]
        out.append("a" + (LATIN[following[0]] if sun else "l") + "-")
        if sun:
            letters[2] = [following[0], following[1].replace(SHADDA, "")]
        start = 2
    i = start
    while i < len(letters):
        c, marks = letters[i]
        following = letters[i + 1] if i + 1 < len(letters) else None
        if c == "ا":
            if i == start:
                out.append(vowel_latin(marks) or ("a" if start else "i"))
            elif not (i > 0 and FATHATAN in letters[i - 1][1]):
                out.append("ā")
            i += 1
            continue
        if c == "آ":
            out.append("ʾā")
            i += 1
            continue
        if c == "ى":
            if not (i > 0 and FATHATAN in letters[i - 1][1]):
                out.append("ā")
            i += 1
            continue
        if c == "ة":
            before = letters[i - 1] if i > 0 else ["", ""]
            if marks.strip(SUKUN):
                out.append("t" + vowel_latin(marks))
            elif before[0] == "ا":
                out.append("h")
            elif FATHA not in before[1]:
                out.append("a")
            i += 1
            continue
        if c not in LATIN:
            i += 1
            continue
        out.append(LATIN[c] * (2 if SHADDA in marks else 1))
        vowel = next((m for m in marks if m in (FATHA, KASRA, DAMMA)), "")
        if vowel and following and following[0] in LONG_AFTER[vowel] and not following[1].strip(SUKUN):
            # a long vowel: the letter after the mark carries no mark of its own
            out.append(MACRON[vowel])
            i += 2
            continue
        if DAGGER_ALIF in marks:
            out.append("ā")
        out.append(vowel_latin(marks.replace(DAGGER_ALIF, "")))
        i += 1
    return "".join(out)


def vowel_latin(marks):
    """The short vowel (or tanwin) of a letter's marks in Latin letters."""
    for mark, latin in ((FATHATAN, "an"), (DAMMATAN, "un"), (KASRATAN, "in"), (FATHA, "a"), (KASRA, "i"),
                        (DAMMA, "u")):
        if mark in marks:
            return latin
    return ""
