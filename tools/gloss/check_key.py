#!/usr/bin/python3
"""Checks an answer key against its texts: every token has one row, in order,
with a known type, prefixes that the token really starts with, and phrase
continuations ("=") only right after a row of the same phrase.

Usage: check_key.py TEXT_DIR KEY.tsv   (prints word counts; exit 1 on faults)
"""
import pathlib
import re
import sys

# A token is a run of Hebrew letters. A geresh stays with the word (צ'יפס, א'),
# a double quote only between letters (צה"ל), so quotation marks around
# words are not taken in.
TOKEN = re.compile(
    r"[\u05d0-\u05ea](?:[\u05d0-\u05ea]|['\u05f3]|[\"\u05f4](?=[\u05d0-\u05ea]))*")

COLUMNS = ["text", "n", "token", "prefixes", "lemma", "type", "english", "reading"]
TYPES = {"Noun", "Verb", "Adj.", "Adv.", "Num.", "Pers.", "Conj.", "Prep.", "Name", "Phrase"}
PREFIXES = {"ו", "ב", "ל", "מ", "ה", "ש", "כש", "כ"}


def tokens(path):
    return TOKEN.findall(path.read_text(encoding="utf-8"))


def row_faults(row, previous):
    faults = []
    if row["type"] not in TYPES:
        faults.append(f"unknown type {row['type']!r}")
    prefixes = row["prefixes"].split("+") if row["prefixes"] else []
    if any(p not in PREFIXES for p in prefixes):
        faults.append(f"unknown prefix in {row['prefixes']!r}")
    elif not row["token"].startswith("".join(prefixes)):
        faults.append(f"token does not start with {row['prefixes']!r}")
    if not row["lemma"] or not row["english"]:
        faults.append("lemma or english empty")
    if row["lemma"] == "=":
        if previous is None or previous["type"] != row["type"] or row["type"] not in ("Phrase", "Name"):
            faults.append("'=' does not continue a phrase or name")
    return faults


def check(text_dir, key_path):
    lines = key_path.read_text(encoding="utf-8").splitlines()
    if lines[0].split("\t") != COLUMNS:
        return [f"{key_path}: header is not {' '.join(COLUMNS)}"], {}
    rows_by_text = {}
    faults = []
    for number, line in enumerate(lines[1:], 2):
        fields = line.split("\t")
        if len(fields) != len(COLUMNS):
            faults.append(f"line {number}: {len(fields)} columns")
            continue
        rows_by_text.setdefault(fields[0], []).append(dict(zip(COLUMNS, fields)))
    counts = {}
    for path in sorted(text_dir.glob("*.txt")):
        words = tokens(path)
        rows = rows_by_text.pop(path.stem, [])
        counts[path.stem] = len(words)
        if len(rows) != len(words):
            faults.append(f"{path.stem}: {len(words)} tokens, {len(rows)} rows")
        previous = None
        for index, (word, row) in enumerate(zip(words, rows), 1):
            where = f"{path.stem} {index} {word}"
            if row["n"] != str(index) or row["token"] != word:
                faults.append(f"{where}: row says {row['n']} {row['token']}")
            faults += [f"{where}: {fault}" for fault in row_faults(row, previous)]
            previous = row
    faults += [f"{stem}: rows for a text that is not there" for stem in rows_by_text]
    return faults, counts


def main(argv):
    if len(argv) != 3:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    faults, counts = check(pathlib.Path(argv[1]), pathlib.Path(argv[2]))
    for stem, count in counts.items():
        print(f"{stem}\t{count}")
    print(f"total\t{sum(counts.values())}")
    for fault in faults:
        print(fault, file=sys.stderr)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
