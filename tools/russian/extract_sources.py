#!/usr/bin/python3
"""Cuts the parts of the open sources that tools/russian/build_dictionary.py
reads out of the originals in /work/shared/data-sources/russian (see
data/sources/russian/README.md) into data/sources/russian/:

- en-ru-wiktionary.tsv: of Wiktionary's English->Russian DSL (11 MB), the
  entries that have Russian translations and are not names, affixes or
  abbreviations, one line each: English headword, part of
  speech, the gloss that says which sense is meant, and the Russian
  translations as the DSL writes them (markup kept, the [m1] wrapper
  dropped). Lines none of whose translations is made of words of the
  frequency list are left out: the build could not use them.
- ru_50k.txt and the licence files are copied as they are.

    /usr/bin/python3 tools/russian/extract_sources.py [ORIGINALS] [--out DIR]

The same originals give the same bytes.
"""
import argparse, os, re, shutil

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
SKIPPED_TYPES = {"prop", "prefix", "suffix", "abbr", "initialism", "acronym", "symbol"}
COPIED = ["ru_50k.txt", "FrequencyWords-README.md", "openrussian-others.csv", "openrussian-LICENSE",
          "wiktionary-dict-LICENSE", "en-ru-enwiktionary_info.txt"]


def dsl_entries(path):
    """(headword, header line, translation line) of each DSL entry."""
    with open(path, encoding="utf-8") as f:
        lines = [line.rstrip("\n") for line in f]
    for i, line in enumerate(lines):
        if line.startswith("\t[m1]") and i >= 2 and not lines[i - 2].startswith("\t"):
            yield lines[i - 2], lines[i - 1], line


def cyrillic_words(text):
    return re.findall(r"[а-яё]+", text.lower())


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("originals", nargs="?", default="/work/shared/data-sources/russian")
    parser.add_argument("--out", default=os.path.join(ROOT, "data", "sources", "russian"))
    args = parser.parse_args()
    os.makedirs(args.out, exist_ok=True)
    for name in COPIED:
        shutil.copyfile(os.path.join(args.originals, name), os.path.join(args.out, name))
    with open(os.path.join(args.originals, "ru_50k.txt"), encoding="utf-8") as f:
        known = {line.split()[0] for line in f}
    known |= {w.replace("ё", "е") for w in known}
    header = re.compile(r"^\t\[b\]\[c darkblue\]~\[/c\]\[/b\] \[p\]<([^>]*)>\[/p\](.*)$")
    rows = []
    for headword, head, translations in dsl_entries(os.path.join(args.originals, "en-ru-enwiktionary.dsl")):
        m = header.match(head)
        if not m or m.group(1) in SKIPPED_TYPES:
            continue
        pos, rest = m.groups()
        gloss = re.search(r"\((.*)\)\s*$", re.sub(r"\[/?i\]|\[c gray\]/[^/]*/\[/c\]", "", rest))
        body = translations.strip()[len("[m1]"):]
        body = body[:-len("[/m]")] if body.endswith("[/m]") else body
        # markup and transliterations removed, is any translation made of known words?
        plain = re.sub(r"\[c gray\]/[^/]*/\[/c\]|/[^/]*/|\[[^\]]*\]|\\\[[^\]]*\\\]|<[^>]*>", "", body)
        items = [cyrillic_words(item) for item in re.split(r"[,;]", plain)]
        if not any(words and all(w in known for w in words) for words in items):
            continue
        rows.append("\t".join([headword, pos, gloss.group(1).strip() if gloss else "", body]))
    with open(os.path.join(args.out, "en-ru-wiktionary.tsv"), "w", encoding="utf-8", newline="\n") as f:
        f.write("# english\tpart of speech\tgloss\trussian (DSL markup), cut by tools/russian/extract_sources.py\n")
        f.write("\n".join(rows) + "\n")


if __name__ == "__main__":
    main()
