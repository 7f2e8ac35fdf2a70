"""Hebrew morphology as Debian's hspell reads it: `hspell -a -l` takes
ISO-8859-8 only, so words go in and readings come out converted. A word's
readings are (prefix, lemma, tags) triples, tags the attributes hspell
prints, e.g. ("", "כתב", ("פ", "1", "יחיד", "עבר")); a word hspell reads as
prefixes and a base ("ל+כתוב") has the prefix letters apart ("ל")."""
import subprocess

BATCH = 5000


def analyse(words):
    """word -> list of (prefix, lemma, tags); an empty list for a word
    hspell does not know."""
    result = {}
    unique = [w for w in dict.fromkeys(words) if w]
    for start in range(0, len(unique), BATCH):
        batch = unique[start:start + BATCH]
        for w in batch:
            result[w] = []
        hebrew = [w for w in batch if _hebrew(w)]
        if not hebrew:
            continue
        out = subprocess.run(["hspell", "-a", "-l"], input="\n".join(hebrew).encode("iso-8859-8"),
                             capture_output=True, check=False).stdout.decode("iso-8859-8")
        _parse(out, hebrew, result)
    return result


def _hebrew(word):
    """Only words of Hebrew letters get an answer line each from hspell."""
    letters = [c for c in word if "\u05d0" <= c <= "\u05ea"]
    return bool(letters) and len(letters) + sum(c in "\"'" for c in word) == len(word)


def _parse(out, words, result):
    """One answer line per word, in order ("*" known, "&" or "#" not); a
    known word's readings follow its answer line, each group of them under
    the way hspell split the word."""
    current = None
    prefix = ""
    index = 0
    for line in out.split("\n")[1:]:
        if line[:1] in ("*", "&", "#", "+", "-"):
            current = words[index] if line[0] == "*" else None
            index += 1
        elif line.startswith("מילה חוקית: ") or line.startswith("צירוף חוקי: "):
            prefix = line.split(": ", 1)[1].rpartition("+")[0].replace("+", "")
        elif line.startswith("\t") and current is not None and "(" in line:
            lemma, tags = line.strip()[:-1].split("(", 1)
            result[current].append((prefix, lemma, tuple(tags.split(","))))
