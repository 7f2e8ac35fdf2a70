"""Persian spelling and Latin transcription for the Farsi data build: one
way of writing each letter (the Arabic letters subtitles and Wiktionary
mix in made Persian), the zero-width non-joiner only where it parts two
letters that would join, and Wiktionary's several transcriptions brought to
one scheme (tools/farsi/README.md describes it)."""
import re
import unicodedata

ZWNJ = "\u200c"
# Arabic letters written for their Persian look-alikes
LETTERS = {"\u064a": "\u06cc", "\u0649": "\u06cc", "\u0643": "\u06a9", "\u06c0": "\u0647", "\u0629": "\u0647",
           "\u06d5": "\u0647", "\u0625": "\u0627", "\u0671": "\u0627", "\u06c1": "\u0647", "\u06be": "\u0647",
           "\u00a0": " ", "\u061f": "", "?": "", "!": "", "\u060c": "", "\u061b": ""}
# vowel points, shadda, sukun, the small alef, tatweel, joiners and marks of
# direction: Persian writing leaves them out (the tanvin of لطفاً is kept)
DROPPED = re.compile("[\u064c-\u0653\u0655-\u065f\u0670\u0640\u200d\u200e\u200f\u202a-\u202e\ufeff]")
# letters that never join the letter after them
NON_JOINING = set("\u0627\u0622\u0623\u0624\u062f\u0630\u0631\u0632\u0698\u0648\u0621")
PERSIAN_LETTER = re.compile("[\u0621-\u063a\u0641-\u064a\u067e\u0686\u0698\u06a9\u06af\u06cc]")


def normalise(text):
    """Persian text in one spelling: Persian ی and ک, no vowel points, a
    tanvin only on a final alef, single spaces, and a ZWNJ only between two
    letters it keeps apart."""
    text = unicodedata.normalize("NFC", text)
    text = "".join(LETTERS.get(c, c) for c in text)
    text = text.replace("\u0627\u0653", "\u0622").replace("\u0647\u0654", "\u0647")
    text = DROPPED.sub("", text)
    text = text.replace("\u064b\u0627", "\u0627\u064b")
    text = re.sub("\u064b(?!$| |\u200c)", "", text)
    text = re.sub("(?<!\u0627)\u064b", "", text)
    text = re.sub(r"\s+", " ", text).strip()
    # the verb prefix and the plural ending belong to their word
    text = re.sub(r"(^| )(ن?می) (?=\S\S)", "\\1\\2" + ZWNJ, text)
    text = re.sub(r"(?<=\S) (ها|های|هایی)(?= |$)", ZWNJ + r"\1", text)
    text = re.sub(" ?\u200c[ \u200c]*", ZWNJ, text)
    text = re.sub("\u200c ", " ", text).strip(ZWNJ + " ")
    out = []
    for i, c in enumerate(text):
        if c == ZWNJ and (out[-1] in NON_JOINING or out[-1] == "\u064b" or i + 1 == len(text) or text[i + 1] == " "):
            continue
        out.append(c)
    return "".join(out)


def key(text):
    """What a word is matched by: its letters without ZWNJ, tanvin and the
    hamza on alef (the subtitles write می‌روم as میروم, متأسفم as
    متاسفم)."""
    return normalise(text).replace(ZWNJ, "").replace("\u064b", "").replace("\u0623", "\u0627")


def is_persian(text):
    return bool(text) and all(PERSIAN_LETTER.match(c) or c in " \u200c\u064b" for c in text)


def joined(stem, suffix):
    """A suffix (-ها, -تر, -ی after a vowel) after a ZWNJ where the stem's
    last letter would join it."""
    return stem + (suffix if stem[-1] in NON_JOINING else ZWNJ + suffix)


# Wiktionary's many transcriptions, letter by letter, into the scheme
LATIN = {"ā": "â", "á": "a", "à": "a", "ä": "a", "æ": "a", "ă": "a", "ǎ": "a", "ã": "a", "ấ": "â", "ê": "e",
         "é": "e", "è": "e", "ē": "i", "í": "i", "î": "i", "ī": "i", "ï": "i", "ǐ": "i", "ó": "o", "ô": "o",
         "ō": "u", "ú": "u", "û": "u", "ū": "u", "ü": "u", "ŭ": "u", "ŝ": "š", "ṣ": "s", "ṯ": "s", "ş": "š",
         "ʃ": "š", "ĉ": "č", "ç": "č", "ć": "č", "ğ": "q", "ġ": "q", "ĝ": "q", "ķ": "k", "ḳ": "q", "ẕ": "z",
         "ḥ": "h", "χ": "x", "ʿ": "'", "ʾ": "'", "ʻ": "'", "’": "'", "‘": "'", "ə": "e", "ɒ": "â", "ʌ": "a"}
SCHEME = re.compile(r"[abčdefghijklmnopqrsštuvwxyzžâ' ,-]+")


def latin(text):
    """A transcription in the scheme, or "" when it cannot be read as one
    (Persian letters, IPA, a placeholder)."""
    text = unicodedata.normalize("NFC", text).strip().lower()
    # the first of several ("âšnâ or âšenâ", "panjere, panjare")
    text = re.split(r",| or ", text)[0]
    text = "".join(LATIN.get(c, c) for c in text)
    text = unicodedata.normalize("NFC", text)
    text = re.sub(r"[?!.:;\"()\u0300-\u036f]", "", text)
    if not re.search("[xščžâ]", text):
        # an English-looking transcription (kh, sh, aa)
        for a, b in (("kh", "x"), ("sh", "š"), ("ch", "č"), ("zh", "ž"), ("gh", "q"), ("aa", "â"), ("oo", "u"),
                     ("ee", "i")):
            text = text.replace(a, b)
    text = text.replace("gh", "q").replace("kh", "x")
    text = re.sub(r"ou(?![aâeiou])", "ow", text)
    text = re.sub(r"aw(?![aâeiou])", "ow", text)
    text = re.sub(r"ay(?![aâeiouy])", "ey", text)
    text = re.sub(r"(?<!o)w", "v", text)
    text = re.sub(r"(^| )'", r"\1", text)
    text = re.sub(r"-(y?e)-", r"-\1 ", text)
    text = re.sub(r"-(?!y?e( |$))", "", text)
    text = re.sub(r"\s+", " ", text).strip(" ,")
    return text if text and SCHEME.fullmatch(text) else ""
