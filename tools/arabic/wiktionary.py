"""Wiktionary's English-Arabic translation tables, read backwards: each
Arabic word with the English words it translates, and the vowels a
transliteration gives a word written without them."""
import collections, re

import script

# Wiktionary's parts of speech as the dictionary's word types
TYPES = {"n": "Noun", "v": "Verb", "adj": "Adj.", "adv": "Adv.", "num": "Num.", "pron": "Pers.",
         "conj": "Conj.", "prep": "Prep.", "interj": "???", "phrase": "???", "particle": "Adv.",
         "determiner": "Pers.", "article": "Prep.", "contraction": "???"}
UNWANTED_GLOSS = re.compile(r"\b(vulgar|slang|offensive|derogatory|pejorative|obscene|taboo|ethnic slur)\b"
                            r"|\bletter of the\b|\bname of the\b.*\bletter\b|\bLatin script\b"
                            r"|\bnote of a major scale\b|\bsolf[eè]ge\b|\bnote in solf|\btonic of a major scale\b",
                            re.I)
UNWANTED_ENGLISH = {"fuck", "fucking", "shit", "cunt", "dick", "cock", "pussy", "whore", "bitch", "asshole",
                    "motherfucker", "bastard", "prick", "twat", "wanker", "slut", "fag", "faggot", "nigger", "arse",
                    "ass", "bollocks", "damn", "penis", "vagina", "testicle", "fart", "shag", "screw"}
ARABIC_WORD = re.compile(r"^[\u0621-\u065f\u0670\u0640 ]+$")
LINE = re.compile(r"^(.*?) \{([a-z-]+)\}(?: \((.*)\))? :: (.*)$")
PRESENT_LABEL = re.compile(r"^(?:imperfect|imperfective|present|non-past)\w*:\s*", re.I)


class Sense:
    def __init__(self, english, word_type, genders, place, translit, present=False):
        self.english, self.type, self.genders, self.place = english, word_type, genders, place
        self.translit, self.present = translit, present


def split_items(text):
    """The translations of a line, split at commas and semicolons outside
    slashes, braces, brackets and parentheses; a label ("Hijazi:") after a
    semicolon starts the dialects, which are left out."""
    items, depth, current, in_slash = [], 0, "", False
    for c in text:
        if c == "/":
            in_slash = not in_slash
        elif c in "({[":
            depth += 1
        elif c in ")}]":
            depth = max(0, depth - 1)
        if c in ",;" and depth == 0 and not in_slash:
            items.append((current, c))
            current = ""
        else:
            current += c
    items.append((current, ""))
    result = []
    after_semicolon = False
    for item, separator in items:
        item = item.strip()
        label = re.match(r"^([A-Z][\w ]*?):", item)
        if label and after_semicolon and not PRESENT_LABEL.match(item):
            break
        if item:
            result.append(item)
        after_semicolon = separator == ";"
    return result


def read(path, proper_names):
    """Arabic word (as Wiktionary writes it, vowel marks kept) -> senses.
    Proper names go into proper_names (their letters, unvocalised)."""
    senses = collections.defaultdict(list)
    with open(path, encoding="utf-8") as f:
        for line in f:
            m = LINE.match(line.rstrip("\n"))
            if not m:
                continue
            english, pos, gloss, arabic = m.groups()
            # "نظر /naẓara/ (إلى at) imperfect: ينظر": the present is an item
            # of its own
            arabic = re.sub(r"\s+(?=(?:imperfect|imperfective|present|non-past)\w*:)", ", ", arabic)
            for place, item in enumerate(split_items(arabic)):
                present = bool(PRESENT_LABEL.match(item))
                item = PRESENT_LABEL.sub("", item)
                translit = re.findall(r"/([^/]*)/", item)
                genders = re.findall(r"\{([^}]*)\}", item)
                word = re.sub(r"\{[^}]*\}|/[^/]*/|\([^)]*\)|\[[^\]]*\]|[!?؟.]", "", item).strip()
                word = " ".join(word.split())
                if not word or not ARABIC_WORD.match(word):
                    continue
                if pos == "prop":
                    proper_names.add(script.normalised(word))
                    continue
                if pos not in TYPES or english.lower() in UNWANTED_ENGLISH or (gloss and UNWANTED_GLOSS.search(gloss)):
                    continue
                senses[word].append(Sense(english, TYPES[pos], genders, place, translit[0] if translit else "",
                                          present))
    return senses


# transliteration letters: vowels, and the consonants a learner's eye can
# match with Arabic letters
SHORT_VOWELS = {"a": "a", "á": "a", "à": "a", "e": "i", "é": "i", "è": "i", "i": "i", "í": "i", "ì": "i",
                "u": "u", "ú": "u", "ù": "u", "o": "u", "ó": "u", "ə": "a", "ă": "a"}
LONG_VOWELS = {"ā": "A", "â": "A", "ī": "I", "î": "I", "ū": "U", "û": "U", "ē": "I", "ō": "U", "ḗ": "I", "ṓ": "U"}
DIGRAPHS = {"th": "ث", "dh": "ذ", "kh": "خ", "sh": "ش", "gh": "غ", "ch": "ش"}
LATIN_CONSONANTS = {
    "ʾ": "ء", "'": "ء", "’": "ء", "ʼ": "ء", "ʔ": "ء", "ˀ": "ء", "ʿ": "ع", "`": "ع", "‘": "ع", "ʕ": "ع", "3": "ع",
    "b": "ب", "t": "تط", "ṯ": "ث", "θ": "ث", "j": "ج", "ǧ": "ج", "ḥ": "ح", "ħ": "ح", "h": "هح", "ḵ": "خ",
    "ḫ": "خ", "x": "خ", "χ": "خ", "d": "دض", "ḏ": "ذ", "ð": "ذ", "r": "ر", "z": "زظ", "s": "سص", "š": "ش",
    "ʃ": "ش", "ṣ": "ص", "ḍ": "ض", "ṭ": "ط", "ʈ": "ط", "ẓ": "ظ", "ġ": "غ", "ḡ": "غ", "ɣ": "غ", "g": "غجق",
    "f": "ف", "q": "ق", "k": "ك", "l": "ل", "m": "م", "n": "ن", "w": "و", "y": "ي", "v": "ف", "p": "ب",
}


def latin_tokens(translit):
    """A transliteration as (kind, value) tokens: ("C", letters it may
    stand for) and ("V", a, i, u, A, I or U)."""
    text = translit.split(",")[0].strip().replace("-", "").replace(" ", "")
    text = text.replace("ʹ", "").replace("ˈ", "")
    tokens = []
    i = 0
    lower = text.lower()
    while i < len(text):
        c = lower[i]
        two = lower[i:i + 2]
        if two in ("aa", "ii", "uu", "ee", "oo"):
            tokens.append(("V", {"a": "A", "i": "I", "u": "U", "e": "I", "o": "U"}[c]))
            i += 2
            continue
        if two in DIGRAPHS:
            tokens.append(("C", DIGRAPHS[two]))
            i += 2
            continue
        if text[i] in "SDTZH":
            tokens.append(("C", {"S": "ص", "D": "ض", "T": "ط", "Z": "ظ", "H": "ح"}[text[i]]))
        elif c in SHORT_VOWELS:
            tokens.append(("V", SHORT_VOWELS[c]))
        elif c in LONG_VOWELS:
            tokens.append(("V", LONG_VOWELS[c]))
        elif c in LATIN_CONSONANTS:
            tokens.append(("C", LATIN_CONSONANTS[c]))
        elif c in "ːː:":
            if tokens and tokens[-1][0] == "V":
                tokens[-1] = ("V", tokens[-1][1].upper())
        else:
            return None
        i += 1
    return tokens


HAMZA_LETTERS = "ءأإآؤئ"
MARK = {"a": script.FATHA, "i": script.KASRA, "u": script.DAMMA, "A": script.FATHA, "I": script.KASRA,
        "U": script.DAMMA}
# the letter a long vowel is written with
LONG_LETTER = {"A": "اى", "I": "ي", "U": "و"}


def vocalise(word, translit):
    """The word (unvocalised letters) with the vowels its transliteration
    gives, or "" when the two cannot be matched letter by letter. A long
    vowel's mark goes on the consonant before its letter, the letter
    itself takes the token; a doubled Latin consonant is a shadda; the
    case ending the transliteration may add is left out."""
    tokens = latin_tokens(translit)
    if not tokens or " " in word:
        return ""
    letters = list(script.bare(word))
    out = []
    t = 0
    for i, c in enumerate(letters):
        last = i == len(letters) - 1
        following = letters[i + 1] if not last else ""
        token = tokens[t] if t < len(tokens) else None
        if c == "ة":
            # the feminine ending: its a, perhaps its t
            if token == ("V", "a"):
                t += 1
            if t < len(tokens) and tokens[t] == ("C", "تط"):
                t += 1
            out.append(c)
            continue
        if c in "اى" and i > 0:
            if token and token[0] == "V" and token[1] in ("A", "a"):
                out.append(c)
                t += 1
                continue
            if c == "ا" and last and token is None:
                out.append(c)  # the alif after a tanwin
                continue
            if not (c == "ا" and token and token[0] == "C" and "ء" in token[1]):
                return ""
        if c in "وي" and i > 0 and token == ("V", {"و": "U", "ي": "I"}[c]):
            out.append(c)
            t += 1
            continue
        if c in "اأإآ" and i == 0:
            # a word that starts with a vowel: its alif takes it
            if token and token[0] == "C" and "ء" in token[1]:
                t += 1
                token = tokens[t] if t < len(tokens) else None
            if c == "آ":
                if token and token[0] == "V" and token[1] in ("A", "a"):
                    t += 1
                out.append("آ")
                continue
            if not token or token[0] != "V" or (token[1] in "AIU" and c != "ا"):
                return ""
            out.append(c + MARK[token[1]])
            t += 1
            continue
        # a consonant
        if token is None or token[0] != "C" or not (c in token[1] or (c in HAMZA_LETTERS and "ء" in token[1])):
            return ""
        t += 1
        marks = ""
        if t < len(tokens) and tokens[t] == token and following != c:
            marks += script.SHADDA
            t += 1
        vowel = tokens[t] if t < len(tokens) else None
        if vowel and vowel[0] == "V":
            marks += MARK[vowel[1]]
            if vowel[1] in "AIU" and (following and following in LONG_LETTER[vowel[1]]
                                      or (following == "ة" and vowel[1] == "A")):
                pass  # the long vowel's letter reads the token
            else:
                t += 1
                if vowel[1] in "AIU" and not last:
                    return ""  # a long vowel with no letter to write it
        elif not last:
            marks += script.SUKUN
        out.append(c + marks)
    rest = tokens[t:]
    if any(kind == "C" and value != "ن" for kind, value in rest) or len(rest) > 2:
        return ""
    result = "".join(out)
    # a last consonant keeps no case vowel
    return result if result.endswith(("ا", "ى")) else re.sub("[\u064e\u064f\u0650]$", "", result)
