#!/usr/bin/python3
"""Copies the Persian sources into data/sources/farsi as the dictionary
build reads them: the subtitle word list, Wiktionary's English-Persian
pairs, Hazm's verb stems and the licence files as they came, and of Hazm's
word list (193,750 words, 3.4 MB) only the 35,716 words that carry a part
of speech, the one thing the build takes from it.

    /usr/bin/python3 tools/farsi/extract_sources.py SOURCE_DIR [--out DIR]

SOURCE_DIR holds fa_50k.txt, en-fa-enwiktionary.txt and hazm/ as the
origins listed in data/sources/farsi/README.md give them.
"""
import argparse, os, shutil

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
AS_THEY_CAME = ("fa_50k.txt", "en-fa-enwiktionary.txt", "en-fa-enwiktionary_info.txt", "wiktionary-dict-LICENSE",
                "hazm/verbs.dat", "hazm/LICENSE")


def tagged_words(lines):
    """The lines of Hazm's words.dat (word, count, tags) whose tags are not
    "0"."""
    for line in lines:
        fields = line.rstrip("\n").split("\t")
        if len(fields) == 3 and fields[2] != "0":
            yield line if line.endswith("\n") else line + "\n"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("source")
    parser.add_argument("--out", default=os.path.join(ROOT, "data", "sources", "farsi"))
    args = parser.parse_args()
    os.makedirs(os.path.join(args.out, "hazm"), exist_ok=True)
    for name in AS_THEY_CAME:
        shutil.copyfile(os.path.join(args.source, name), os.path.join(args.out, name))
    with open(os.path.join(args.source, "hazm", "words.dat"), encoding="utf-8") as f, \
            open(os.path.join(args.out, "hazm", "words.dat"), "w", encoding="utf-8", newline="\n") as out:
        out.writelines(tagged_words(f))


if __name__ == "__main__":
    main()
