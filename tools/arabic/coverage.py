#!/usr/bin/python3
"""Prints the share of the first-year checklist (tools/arabic/first-year.txt)
that the Arabic dictionary has, its letters compared without vowel marks,
and the words it lacks.

    /usr/bin/python3 tools/arabic/coverage.py [TSV]

Exits with status 1 below the 90% the dictionary must reach.
"""
import csv, os, sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import script  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
REQUIRED = 0.9


def checklist(path):
    with open(path, encoding="utf-8") as f:
        return [line.strip() for line in f if line.strip() and not line.startswith("#")]


def dictionary_letters(path):
    with open(path, encoding="utf-8") as f:
        return {script.bare(row["word"]) for row in csv.DictReader(f, delimiter="\t", quoting=csv.QUOTE_NONE)}


def main():
    tsv = sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "..", "..", "data", "arabic.tsv")
    words = checklist(os.path.join(HERE, "first-year.txt"))
    known = dictionary_letters(tsv)
    missing = [w for w in words if script.bare(w) not in known]
    share = 1 - len(missing) / len(words)
    print("first-year words found: %d / %d (%.1f%%)" % (len(words) - len(missing), len(words), 100 * share))
    if missing:
        print("missing: " + " ".join(missing))
    return 0 if share >= REQUIRED else 1


if __name__ == "__main__":
    sys.exit(main())
