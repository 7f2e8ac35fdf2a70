"""Reading ElixirFM's lexicon (XML): nests of entries under a root, each
entry a pattern with its part of speech, plurals, feminine, verb form,
imperfect stem, verbal nouns and English glosses.

The merged files give every form in ElixirFM's ASCII notation next to its
pattern; moony-regular.elixir.xml (the sound roots that begin with a moon
letter) gives only the patterns, so the forms are made here by putting
the root's consonants into the pattern (FaCaL with k t b: katab).
"""
import re
import xml.etree.ElementTree as ET

NS = "{http://ufal.mff.cuni.cz/pdt/pml/}"
# letters of a pattern that stand for the root's consonants
TRILITERAL = "FCL"
QUADRILITERAL = "KRDS"
# other capitals of a pattern: a hamza, m, t, n, long vowels, alif maqsura
PATTERN_LETTERS = {"H": "'", "M": "m", "T": "t", "N": "n"}
FIELDS = ("plural", "femini", "imperf", "pfirst", "second", "masdar")
CONSONANT = re.compile(r"_t|\^g|\.h|_h|_d|\^s|\.s|\.d|\.t|\.z|\.g|\^c|[-'`a-zA-Z]")


def interpolate(pattern, root):
    """A pattern of ElixirFM (HaFCaL, FaCL |< aT, al >| _____, "FA" |<< "t")
    filled with a root's consonants (or, for "_____", with the root as a
    literal word) in ElixirFM's ASCII notation."""
    tokens = re.findall(r'"[^"]*"|\S+', pattern)
    prefixes, stem, suffixes = [], "", []
    mode = "stem"
    for token in tokens:
        if token in (">|", ">>|"):
            prefixes.append(stem + ("+" if token == ">>|" else ""))
            stem = ""
        elif token in ("|<", "|<<"):
            mode = "suffix"
        elif mode == "suffix":
            suffixes.append(token.strip('"'))
        else:
            stem = fill(token, root)
    word = stem
    for suffix in suffixes:
        word = join_suffix(word, suffix)
    for prefix in reversed(prefixes):
        word = join_prefix(prefix, word)
    return word


def fill(token, root):
    token = token.strip('"')
    if token == "_____":
        return root
    radicals = root.split(" ")
    out = []
    for i, c in enumerate(token):
        if c in TRILITERAL and len(radicals) == 3:
            out.append(radicals[TRILITERAL.index(c)])
        elif c in QUADRILITERAL and len(radicals) == 4:
            out.append(radicals[QUADRILITERAL.index(c)])
        elif c in PATTERN_LETTERS:
            out.append(PATTERN_LETTERS[c])
        elif i == 0 and c in "IU":
            # the vowel of an alif of liaison is short
            out.append(c.lower())
        elif i == 0 and c == "Y":
            out.append("y")
        else:
            out.append(c)
    return assimilated("".join(out), token, radicals)


# the t of form VIII after a first radical it takes the voice or the
# emphasis of (iddakar, izdaham, i.s.tabar)
ASSIMILATION = {"d": "d", "_d": "d", "z": "d", ".s": ".t", ".d": ".t", ".t": ".t", ".z": ".t", "t": "t", "_t": "t"}


def assimilated(word, pattern, radicals):
    if "Ft" not in pattern or len(radicals) != 3 or radicals[0] not in ASSIMILATION:
        return word
    first = radicals[0]
    if first in ("d", "t", "_t", "_d"):
        return word.replace(first + "t", first + first, 1)
    return word.replace(first + "t", first + ASSIMILATION[first], 1)


def join_suffix(word, suffix):
    if word.endswith("aT") and suffix[:1] in ("I", "A", "U"):
        word = word[:-2]
    elif word.endswith("A") and suffix == "Iy" or word.endswith("Y") and suffix in ("Iy", "At"):
        word = word[:-1] + ("aw" if suffix == "Iy" else "ay")
    elif word.endswith("I") and suffix[:1] in ("a", "A"):
        word = word[:-1] + "iy"
    elif word.endswith("iyA") and suffix in ("Iy", "At"):
        word = word[:-3]
    return word + suffix


def join_prefix(prefix, word):
    if prefix == "al":
        first = CONSONANT.match(word)
        if first and first.group(0) in ("t", "_t", "d", "_d", "r", "z", "s", "^s", ".s", ".d", ".t", ".z", "l", "n"):
            return "a" + first.group(0) + "-" + word
        return "al-" + word
    if prefix.endswith("+"):
        return prefix[:-1] + word
    return prefix.rstrip("-") + "-" + word


def values(element, field):
    """The values of a field: one, or a list of <LM> items."""
    node = element.find(NS + field)
    if node is None:
        return []
    items = node.findall(NS + "LM")
    return [(i.text or "").strip() for i in items] if items else [(node.text or "").strip()]


class Entry:
    def __init__(self):
        self.source = self.root = self.pos = self.form = self.pattern = self.word = ""
        self.forms = {}  # field -> list of ASCII forms
        self.voice = self.limits = self.exception = ""
        self.glosses = []


def read(path):
    """The entries of one lexicon file, each nest's entries in order; a
    nest numbered by its place in the file."""
    merged = path.endswith(".merged.xml")
    entries = []
    nest_number = 0
    for nest in ET.parse(path).getroot().iter(NS + "Nest"):
        nest_number += 1
        root_parts = (nest.findtext(NS + "root") or "").split("\t")
        root = root_parts[0]
        for element in nest.iter(NS + "Entry"):
            entity = element.find(NS + "entity")[0]
            e = Entry()
            e.nest = nest_number
            e.root = root
            e.pos = entity.tag.replace(NS, "")
            e.form = entity.findtext(NS + "form") or ""
            e.voice = entity.findtext(NS + "voice") or ""
            e.exception = entity.findtext(NS + "except") or ""
            limits = element.find(NS + "limits")
            e.limits = "" if limits is None else (limits.findtext(NS + "fst") or "-")
            morphs = (element.findtext(NS + "morphs") or "").split("\t")
            e.pattern = morphs[0]
            e.word = morphs[1] if merged else interpolate(morphs[0], root)
            for field in FIELDS:
                items = values(entity, field)
                e.forms[field] = [i.split("\t")[1] if merged else interpolate(i, root) for i in items if i]
            e.glosses = [g for g in values(element, "reflex") if g]
            entries.append(e)
    return entries
