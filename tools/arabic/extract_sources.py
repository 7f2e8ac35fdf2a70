#!/usr/bin/python3
"""Copies the sources of the Arabic dictionary into data/sources/arabic/,
reducing ElixirFM's lexicon (12 MB of XML) to the table the build reads.

    /usr/bin/python3 tools/arabic/extract_sources.py [--from DIR] [--out DIR]

DIR is the folder of the downloaded sources (README.md there names them).
The subtitle frequency list and Wiktionary's English-Arabic pairs are
copied as they are. Of ElixirFM, the merged files of complex and regular
roots and moony-regular.elixir.xml (which gives patterns only) become
elixirfm/lexicon.tsv: one row an entry, its forms in ElixirFM's ASCII
notation (patterns filled with the root's consonants where the file gives
patterns only), several forms separated by ";". The files of foreign
names are left out: the dictionary keeps no names.
"""
import argparse, os, shutil, sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import elixir  # noqa: E402

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
LEXICON_FILES = ["moony-complex.merged.xml", "moony-regular.elixir.xml", "sunny-complex.merged.xml",
                 "sunny-regular.merged.xml"]
COLUMNS = ["file", "nest", "root", "pos", "form", "voice", "limits", "except", "pattern", "word", "plural",
           "femini", "imperf", "pfirst", "second", "masdar", "glosses"]


def clean(text):
    return " ".join(text.replace("\t", " ").split())


def write_lexicon(source, out):
    with open(out, "w", encoding="utf-8", newline="\n") as f:
        f.write("\t".join(COLUMNS) + "\n")
        for name in LEXICON_FILES:
            for e in elixir.read(os.path.join(source, name)):
                row = [name.split(".")[0], str(e.nest), e.root, e.pos, e.form, e.voice, e.limits, e.exception,
                       e.pattern, e.word] + [";".join(e.forms[field]) for field in elixir.FIELDS] \
                    + [";".join(clean(g) for g in e.glosses)]
                f.write("\t".join(clean(c) for c in row) + "\n")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--from", dest="source", default="/work/shared/data-sources/arabic")
    parser.add_argument("--out", default=os.path.join(ROOT, "data", "sources", "arabic"))
    args = parser.parse_args()
    for folder in ("frequency", "wiktionary", "elixirfm"):
        os.makedirs(os.path.join(args.out, folder), exist_ok=True)
    shutil.copyfile(os.path.join(args.source, "ar_50k.txt"), os.path.join(args.out, "frequency", "ar_50k.txt"))
    shutil.copyfile(os.path.join(args.source, "en-arb-enwiktionary.txt"),
                    os.path.join(args.out, "wiktionary", "en-arb-enwiktionary.txt"))
    shutil.copyfile(os.path.join(args.source, "wiktionary-dict-LICENSE"),
                    os.path.join(args.out, "wiktionary", "LICENSE"))
    shutil.copyfile(os.path.join(args.source, "elixirfm", "LICENSE"), os.path.join(args.out, "elixirfm", "LICENSE"))
    write_lexicon(os.path.join(args.source, "elixirfm"), os.path.join(args.out, "elixirfm", "lexicon.tsv"))


if __name__ == "__main__":
    main()
