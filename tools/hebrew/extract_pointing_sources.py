#!/usr/bin/python3
"""Copies into data/sources the part of two pointed sources that
tools/hebrew/pointing.py reads:

- data/sources/pointing/pointed_forms.tsv: the rows of the corpus counts
  (pointed_forms.tsv of the hebrew_diacritized corpus, 251,682 rows) whose
  letters the dictionary build can meet: a word form of the frequency list,
  a lemma, plural, feminine, past form or infinitive of Hspell's tables, a
  word of Wiktionary's Hebrew translations, or one of these after the
  article ה. Rows met only in the older texts are kept only for letters
  the modern texts and stories never point.
- data/sources/strongs/verbs.tsv: the Hebrew (not Aramaic) verbs of
  Strong's lexicon (HebrewStrong.xml), with their number and pointing.

    /usr/bin/python3 tools/hebrew/extract_pointing_sources.py POINTED_FORMS.TSV HEBREWSTRONG.XML

The same inputs give the same files, byte for byte.
"""
import csv, os, re, sys
import xml.etree.ElementTree as ElementTree

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
SOURCES = os.path.join(ROOT, "data", "sources")
MARKS = re.compile("[\u0591-\u05c7]")
HEBREW_WORD = re.compile("[\u05d0-\u05ea\u0591-\u05c7]+")


def forms_the_build_meets():
    forms = set()
    with open(os.path.join(SOURCES, "frequency", "he_50k.txt"), encoding="utf-8") as f:
        forms.update(line.split()[0] for line in f if line.strip())
    with open(os.path.join(SOURCES, "hspell", "hspell_nouns_adjs.tsv"), encoding="utf-8") as f:
        for row in csv.reader(f, delimiter="\t"):
            forms.add(row[0])
            forms.update(p for p in row[3].split("|") if p)
            forms.add(row[4])
    with open(os.path.join(SOURCES, "hspell", "hspell_verbs.tsv"), encoding="utf-8") as f:
        for row in csv.DictReader(f, delimiter="\t"):
            forms.add(row["past3ms"])
            forms.add(row["infinitive"].replace("L", "ל"))
    with open(os.path.join(SOURCES, "wiktionary", "en-he-enwiktionary.txt"), encoding="utf-8") as f:
        for line in f:
            if " :: " in line:
                forms.update(MARKS.sub("", w) for w in HEBREW_WORD.findall(line.split(" :: ", 1)[1]))
    forms.discard("")
    return forms | {"ה" + w for w in forms}


def extract_corpus(path, out):
    wanted = forms_the_build_meets()
    rows = {}
    with open(path, encoding="utf-8") as f:
        header = f.readline()
        for line in f:
            fields = line.rstrip("\n").split("\t")
            if fields[0] in wanted:
                rows.setdefault(fields[0], []).append(fields)
    os.makedirs(os.path.dirname(out), exist_ok=True)
    kept = 0
    with open(out, "w", encoding="utf-8", newline="\n") as f:
        f.write(header)
        for letters in sorted(rows):
            recent = [r for r in rows[letters] if int(r[2]) + int(r[3]) > 0]
            for fields in sorted(recent or rows[letters]):
                f.write("\t".join(fields) + "\n")
                kept += 1
    print("%s: %d rows" % (out, kept), file=sys.stderr)


def extract_strongs(path, out):
    namespace = "{http://openscriptures.github.com/morphhb/namespace}"
    verbs = []
    for entry in ElementTree.parse(path).getroot().iter(namespace + "entry"):
        w = entry.find(namespace + "w")
        if w is not None and w.get("pos") == "v" and w.get("{http://www.w3.org/XML/1998/namespace}lang") == "heb":
            verbs.append((entry.get("id"), (w.text or "").strip()))
    os.makedirs(os.path.dirname(out), exist_ok=True)
    with open(out, "w", encoding="utf-8", newline="\n") as f:
        f.write("# The Hebrew verbs of Strong's lexicon (HebrewStrong.xml), pointed as it points them\n")
        f.write("strong\tpointed\n")
        for number, pointed in verbs:
            f.write("%s\t%s\n" % (number, pointed))
    print("%s: %d verbs" % (out, len(verbs)), file=sys.stderr)


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    extract_corpus(sys.argv[1], os.path.join(SOURCES, "pointing", "pointed_forms.tsv"))
    extract_strongs(sys.argv[2], os.path.join(SOURCES, "strongs", "verbs.tsv"))


if __name__ == "__main__":
    main()
