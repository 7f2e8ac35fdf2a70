#!/usr/bin/python3
"""Prints the share of the first-year words (tools/farsi/first-year.txt)
that data/farsi.tsv has as an entry, and the words it lacks. A word matches
an entry written alike but for a ZWNJ, tanvin or Arabic letter variant.

    /usr/bin/python3 tools/farsi/coverage.py [--dictionary TSV] [--minimum PERCENT]

Exits 1 below the minimum (default 90).
"""
import argparse, csv, os, sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
from persian import key  # noqa: E402


def checklist(path):
    with open(path, encoding="utf-8") as f:
        words = [line.strip() for line in f if line.strip() and not line.startswith("#")]
    return list(dict.fromkeys(words))


def dictionary_words(path):
    with open(path, encoding="utf-8") as f:
        return {key(row["word"]) for row in csv.DictReader(f, delimiter="\t", quoting=csv.QUOTE_NONE)}


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--dictionary", default=os.path.join(HERE, "..", "..", "data", "farsi.tsv"))
    parser.add_argument("--minimum", type=float, default=90)
    args = parser.parse_args()
    words = checklist(os.path.join(HERE, "first-year.txt"))
    known = dictionary_words(args.dictionary)
    missing = [w for w in words if key(w) not in known]
    share = 100 * (len(words) - len(missing)) / len(words)
    print("first-year words found: %d / %d (%.1f%%)" % (len(words) - len(missing), len(words), share))
    if missing:
        print("missing: " + " ".join(missing))
    return 0 if share >= args.minimum else 1


if __name__ == "__main__":
    sys.exit(main())
