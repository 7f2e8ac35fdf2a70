#!/usr/bin/python3
"""Prints the share of the first-year checklist (tools/russian/first-year.txt)
that data/russian.tsv has as entries, matching letters as a learner types
them (no stress marks, ё as е), and the words it lacks.

    /usr/bin/python3 tools/russian/coverage.py [--dictionary TSV] [--minimum PERCENT]

Exits with 1 when the share is below the minimum (90% unless given).
"""
import argparse, csv, os, sys

HERE = os.path.dirname(os.path.abspath(__file__))


def typed(text):
    return text.replace("\u0301", "").replace("ё", "е").replace("Ё", "Е").lower().strip()


def checklist(path):
    with open(path, encoding="utf-8") as f:
        return list(dict.fromkeys(typed(line) for line in f if line.strip() and not line.startswith("#")))


def dictionary_words(path):
    with open(path, encoding="utf-8") as f:
        return {typed(row["word"]) for row in csv.DictReader(f, delimiter="\t")}


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--dictionary", default=os.path.join(HERE, "..", "..", "data", "russian.tsv"))
    parser.add_argument("--minimum", type=float, default=90.0)
    args = parser.parse_args()
    wanted = checklist(os.path.join(HERE, "first-year.txt"))
    known = dictionary_words(args.dictionary)
    missing = [w for w in wanted if w not in known]
    share = 100 * (len(wanted) - len(missing)) / len(wanted)
    print("first-year words found: %d / %d (%.1f%%)" % (len(wanted) - len(missing), len(wanted), share))
    if missing:
        print("missing: " + ", ".join(missing))
    return 0 if share >= args.minimum else 1


if __name__ == "__main__":
    sys.exit(main())
