"""Verb forms and word forms for the Arabic dictionary build, in ElixirFM's
ASCII notation (see script.py): the past 3rd person masculine singular a
learner's dictionary heads a verb with, the present of the same person,
the verbal noun of the derived forms, and the written forms (without
vowel marks) a word takes in running text, used to count how often the
subtitles use each dictionary word.

A verb's class comes from its ElixirFM pattern: hollow (FAL, HaFAL:
qāla, arāda), defective (FaCA, FaCY, FaCI: daʿā, ramā, nasiya), doubled
(FaCL, HaFaCL: madda, aḥabba) or sound.
"""
import re

import elixir
import script

HOLLOW, DEFECTIVE, DOUBLED, SOUND = "hollow", "defective", "doubled", "sound"
# a consonant of the notation (two characters for the dotted ones)
CONSONANT = r"(?:_t|\^g|\.h|_h|_d|\^s|\.s|\.d|\.t|\.z|\.g|[-'`bdfhklmnqrstwyzT])"


def verb_class(pattern):
    """hollow, defective, doubled or sound, by a verb's pattern."""
    core = pattern.strip('"')
    if core[-1] in "AIUY":
        return DEFECTIVE
    if "C" not in core and "L" in core:
        return HOLLOW
    if core.endswith(("CL", "LL", "SS")):
        return DOUBLED
    return SOUND


def past(word):
    """The past 3ms: katab -> kataba, nasI -> nasiya, da`A stays."""
    if word.endswith("I"):
        return word[:-1] + "iya"
    if word[-1] in "AYU":
        return word
    return word + "a"


def last_a_to_i(word):
    """The vowel of the last syllable of a perfect stem as the present has
    it: `allam -> `allim, istamarr -> istamirr."""
    m = re.search(r"a(" + CONSONANT + r"{1,2})$", word)
    if not m:
        return word
    return word[:m.start()] + "i" + m.group(1)


def long_a_to_i(word):
    """istabAn -> istabIn, 'arAd -> 'arId (hollow IV and X)."""
    i = word.rfind("A")
    return word[:i] + "I" + word[i + 1:] if i >= 0 else word


def defective_present(stem, vowel="I"):
    """A perfect stem ending in alif maqsura (or alif) as the present ends:
    i^starY -> i^starI, ta'abbY -> ta'abbY."""
    if stem.endswith("Y") or stem.endswith("A"):
        return stem[:-1] + vowel
    return stem


def present(word, pattern, form, imperfect):
    """The present 3ms in the notation, or "" where the sources leave the
    vowel open. word is ElixirFM's perfect stem, imperfect its imperfect
    stem (form I only)."""
    kind = verb_class(pattern)
    core = pattern.strip('"')
    if form == "I" and not core.startswith("K"):
        if not imperfect:
            return ""
        stem = imperfect.split(";")[0]
        result = "ya" + stem
        return result if stem[-1] in "AIUY" else result + "u"
    if core.startswith("K"):  # quadriliteral I: tar^gam -> yutar^gimu
        return "yu" + last_a_to_i(word) + "u"
    if form in ("V", "VI") or core.startswith("TaK"):  # and quadriliteral II: tazal^zal -> yatazal^zalu
        if kind == DEFECTIVE:
            return "ya" + defective_present(word, "Y")
        return "ya" + word + "u"
    if form in ("II", "III"):
        if kind == DEFECTIVE:
            return "yu" + defective_present(word)
        stem = word if kind == DOUBLED else last_a_to_i(word)
        return "yu" + stem + "u"
    if form == "IV":
        if word.startswith("'A"):
            stem = "'" + word[2:]  # 'Aman = 'a'man -> yu'minu
        elif word.startswith("'a"):
            stem = word[2:]
        elif word.startswith("'U") or word.startswith("'u"):
            return ""
        else:
            stem = word
        if kind == DEFECTIVE:
            result = "yu" + defective_present(stem)
        elif kind == HOLLOW:
            result = "yu" + long_a_to_i(stem) + "u"
        elif kind == DOUBLED:
            m = re.match(r"(" + CONSONANT + r")a(" + CONSONANT + r")\2$", stem)
            result = "yu" + (m.group(1) + "i" + m.group(2) * 2 if m else stem) + "u"
        else:
            result = "yu" + last_a_to_i(stem) + "u"
        return re.sub(r"uw(?=" + CONSONANT + ")", "U", re.sub(r"uy(?=" + CONSONANT + ")", "U", result))
    if form in ("VII", "VIII", "IX", "X", "XI", "XII"):
        if not word.startswith("i"):
            return ""
        stem = word[1:]
        if kind == DEFECTIVE:
            return "ya" + defective_present(stem)
        if kind == HOLLOW:
            return "ya" + (long_a_to_i(stem) if form == "X" else stem) + "u"
        if kind == DOUBLED or form in ("IX", "XI"):
            m = re.search(r"a(" + CONSONANT + r")\1$", stem)
            if form == "X" and m:
                stem = stem[:m.start()] + "i" + m.group(1) * 2
            return "ya" + stem + "u"
        return "ya" + last_a_to_i(stem) + "u"
    return ""


# verbal nouns of the derived forms, by the pattern of the perfect
MASDAR_PATTERNS = {
    "FaCCaL": "TaFCIL", "FaCCY": "TaFCiyaT", "FACaL": "MuFACaLaT", "FACY": "MuFACAT",
    "HaFCaL": "HiFCAL", "HaFCY": "HiFCA'", "HaFAL": "HiFALaT", "HaFaCL": "HiFCAL", "HACaL": "HiFCAL", "HACY": "HiFCA'",
    "TaFaCCaL": "TaFaCCuL", "TaFaCCY": "TaFaCCI", "TaFACaL": "TaFACuL", "TaFACY": "TaFACI",
    "InFaCaL": "InFiCAL", "InFaCY": "InFiCA'", "InFAL": "InFiyAL", "InFaCL": "InFiCAL",
    "IFtaCaL": "IFtiCAL", "IFtaCY": "IFtiCA'", "IFtAL": "IFtiyAL", "IFtaCL": "IFtiCAL",
    "IFCaLL": "IFCiLAL", "IstaFCaL": "IstiFCAL", "IstaFCY": "IstiFCA'", "IstaFAL": "IstiFALaT",
    "IstaFaCL": "IstiFCAL", "KaRDaS": "KaRDaSaT", "TaKaRDaS": "TaKaRDuS",
}


def derived_masdar(pattern, form, root, word):
    """The verbal noun of a derived form (II-X, and the quadriliteral
    forms), made from the root by the form's pattern; "" for form I,
    whose verbal nouns the lexicon lists."""
    core = pattern.strip('"')
    if form == "I" and not core.startswith("K") or core not in MASDAR_PATTERNS or " " not in root:
        return ""
    radicals = root.split(" ")
    first = radicals[0]
    masdar_pattern = MASDAR_PATTERNS[core]
    if "Ft" in masdar_pattern and (first in ("w", "y") or (first == "'" and word.startswith("itt"))):
        # itta.sal -> itti.sAl, itta_ha_d -> itti_hA_d
        masdar_pattern = masdar_pattern.replace("F", "t")
    # the ta marbuta is no pattern letter (T is the t of taFCIL)
    ending = "T" if masdar_pattern.endswith("T") else ""
    result = elixir.fill(masdar_pattern[:len(masdar_pattern) - len(ending)], root) + ending
    if first in ("w", "y"):
        # a glide without a vowel after i is a long ī: إِيجَاد, اِسْتِيقَاظ
        result = re.sub(r"^(.*?)i" + first + "(?=" + CONSONANT + ")", r"\1I", result, count=1)
    result = re.sub(r"^'i'(?=" + CONSONANT + ")", "'I", result)
    return result


# ---------------------------------------------------------------------------
# written forms, for counting

ENCLITICS = ["ي", "ني", "نا", "ك", "كما", "كم", "كن", "ه", "ها", "هما", "هم", "هن"]
# the short forms of weak verbs (jussive, imperative: قُلْ, اِرْمِ, دِ) are
# rarer in text than their letters are among other words
RARE = 0.3


class Forms(dict):
    """Written form (normalised) -> (takes a pronoun suffix, weight,
    stands without one). A noun's ت before a suffix (سُمْعَتُهُ) stands only
    with it: سمعت alone is the verb's."""

    def add(self, form, suffixable, weight=1.0, alone=True):
        if not form:
            return
        old = self.get(form, (False, 0.0, False))
        self[form] = (old[0] or suffixable, max(old[1], weight), old[2] or alone)

    def add_ascii(self, ascii_word, suffixable, weight=1.0):
        """A verb form in the notation; a 3rd person plural (-U, -aw) is
        also written with the alif that follows it (كَتَبُوا). Forms of two
        letters (the imperatives شِي, دِي of وَشَى, وَدَى) are left out:
        they are misspellings and dialect words far more often."""
        written = bare(ascii_word)
        if len(written) < 3:
            return
        self.add(written, suffixable, weight)
        if ascii_word.endswith(("U", "aw")):
            self.add(written + "ا", False, weight)


def bare(ascii_word):
    return script.normalised(script.arabic(ascii_word))


# how often a form of a noun stands in text, next to its plain form
DUAL, ACCUSATIVE, DERIVED = 0.02, 0.3, 0.5


def noun_forms(lemma, plurals, feminine, adjective):
    """The written forms (normalised, without clitics) of a noun or an
    adjective, from its letters, plurals and feminine: the indefinite
    accusative (-an), the dual, sound plurals, the forms a pronoun suffix
    joins (ة -> ت, -ūna -> -ū)."""
    forms = Forms()
    singulars = [(lemma, 1.0)] + [(f, DERIVED) for f in feminine]
    if adjective and not feminine and not lemma.endswith("ة"):
        singulars.append((lemma + "ة", DERIVED))
    for stem, weight in singulars:
        forms.add(stem, True, weight)
        if stem.endswith("ى"):
            forms.add(stem[:-1] + "ي", True, weight)
        if stem.endswith("ة"):
            open_stem = stem[:-1] + "ت"
            forms.add(open_stem, True, weight, alone=False)
            forms.add(open_stem + "ان", False, weight * DUAL)
            forms.add(open_stem + "ين", False, weight * DUAL)
            forms.add(stem[:-1] + "ات", True, weight * DERIVED)
        else:
            if not stem.endswith(("ا", "ى")):
                forms.add(stem + "ا", False, weight * ACCUSATIVE)
            forms.add(stem + "ان", False, weight * DUAL)
            forms.add(stem + "ين", False, weight * DUAL)
        if stem.endswith("ء"):
            forms.add(stem[:-1] + "ئ", True, weight)
            forms.add(stem[:-1] + "ؤ", True, weight)
    for stem in plurals:
        forms.add(stem, True, DERIVED)
        if stem.endswith("ة"):
            forms.add(stem[:-1] + "ت", True, DERIVED, alone=False)
        if stem.endswith(("ون", "ين")):
            forms.add(stem[:-2] + "ين", False, DERIVED)
            forms.add(stem[:-1], True, DERIVED)
    if adjective:
        forms.add(lemma + "ون", False, DERIVED)
        forms.add(lemma + "ين", False, DERIVED)
        forms.add(lemma + "و", True, DERIVED)
    return forms


def verb_forms(past_word, present_word, pattern, form):
    """The written forms (normalised, without clitics) of a verb: the
    persons of the past, present and imperative."""
    kind = verb_class(pattern)
    forms = Forms()
    p3 = past_word
    if kind == DEFECTIVE:
        stem = p3[:-1] if p3[-1] in "AY" else p3[:-3] if p3.endswith("iya") else p3
        glide = "aw" if p3.endswith("A") and form == "I" else "ay" if p3[-1] in "AY" else "I"
        third = [p3, stem + "at", stem + ("aw" if glide != "I" else "U")]
        if glide == "I":
            third[1] = stem + "iyat"
            third.append(stem + "iyA")
        first_stem = stem + glide
    elif kind == HOLLOW:
        third = [p3, p3[:-1] + "at", p3[:-1] + "U", p3[:-1] + "A"]
        first_stem = re.sub(r"A(?=" + CONSONANT + r"$)", "", p3[:-1])
    elif kind == DOUBLED:
        base = p3[:-1]
        third = [p3, base + "at", base + "U", base + "A"]
        m = re.search(r"(" + CONSONANT + r")\1$", base)
        first_stem = base[:m.start()] + m.group(1) + "a" + m.group(1) if m else base
    else:
        base = p3[:-1]
        third = [p3, base + "at", base + "U", base + "A"]
        first_stem = base
    for w in third:
        forms.add_ascii(w, True)
    for ending in ("tu", "ta", "ti", "tum", "tunna", "tumA", "nA", "na"):
        forms.add_ascii(first_stem + ending, True, DERIVED if kind != SOUND else 1.0)
    if present_word:
        present_forms(forms, present_word, kind, form)
    return forms


def present_forms(forms, present_word, kind, form):
    """The persons of the present (indicative, subjunctive, jussive) and
    the imperative, added to forms."""
    vowel = present_word[1:2]
    stem = present_word[2:]
    if stem.endswith("u") and not stem.endswith("Uu"):
        stem = stem[:-1]
    short = stem
    if kind == DEFECTIVE:
        short = stem[:-1] + {"U": "u", "I": "i", "Y": "a"}.get(stem[-1], "")
        if stem.endswith("Y"):
            bodies = [(stem, 1.0), (stem[:-1] + "awna", 1.0), (stem[:-1] + "aw", 1.0), (stem[:-1] + "ayna", 1.0)]
        else:
            bodies = [(stem, 1.0), (stem[:-1] + "Una", 1.0), (stem[:-1] + "U", 1.0), (stem[:-1] + "Ina", 1.0)]
        bodies.append((short, RARE))
    else:
        if kind == HOLLOW:
            short = re.sub(r"[AIU](?=" + CONSONANT + r"$)", lambda m: m.group(0).lower(), stem)
        bodies = [(stem, 1.0), (stem + "Una", 1.0), (stem + "U", 1.0), (stem + "Ina", 1.0), (stem + "I", 1.0),
                  (stem + "A", 1.0), (stem + "Ani", 1.0), (short + "na", 1.0)]
        if short != stem:
            bodies.append((short, RARE))
    for body, weight in bodies:
        for person in ("y", "t", "'", "n"):
            forms.add_ascii(person + vowel + body, True, weight)
    # the imperative: the short stem, after an alif of liaison (forms I,
    # VII-X) or a hamza (form IV)
    imperatives = [(short, RARE if short != stem else 1.0)]
    if kind != DEFECTIVE:
        imperatives += [(stem + "I", 1.0), (stem + "U", 1.0)]
    for body, weight in imperatives:
        if form == "IV":
            body = "'a" + body
        elif vowel == "a" and form in ("I", "VII", "VIII", "IX", "X") and not re.match(CONSONANT + "[aiuAIU]", body):
            body = "i" + body
        forms.add_ascii(body, True, min(weight, RARE) if kind != SOUND else weight)
