#!/usr/bin/python3
"""Scores the word-by-word gloss against an answer key, by the rules of
README.md: each token by the first reading `CLI translate --words DIC` gives
it, right when that reading names the key's lemma or one of its English
glosses, not at all when it gives nothing, else wrong.

Usage: measure.py CLI DIC KEY.tsv TEXT_DIR [--floor SHARE] [--list]

Prints the shares right, wrong and not at all per text and overall; with
--list also every token that is not right. Exit 1 when the share right is
below --floor (0.9 for 90%), 2 on bad arguments or output it cannot read.
"""
import argparse
import pathlib
import re
import subprocess
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
from check_key import COLUMNS, TOKEN  # noqa: E402

MARKS = re.compile("[\u0591-\u05c7]")
LEADING = re.compile(r"^(to|a|the) ")
NOTE = re.compile(r"\s*\([^)]*\)")


def letters(word):
    """A lemma as compared: no points or other marks, one kind of geresh."""
    return MARKS.sub("", word).replace("\u05f3", "'").replace("\u05f4", '"').strip()


def english(gloss):
    """An English gloss as compared: lower case, without its notes and a
    leading "to", "a" or "the"; a gloss wholly in parentheses keeps its words."""
    gloss = gloss.strip().lower()
    if gloss.startswith("(") and gloss.endswith(")") and gloss.count("(") == 1:
        gloss = gloss[1:-1]
    gloss = NOTE.sub("", gloss).strip()
    return LEADING.sub("", gloss).strip()


def word_part(field):
    """The word of a "+"-joined field, without its prefixes (ו+כש+חזר: חזר)."""
    return field.rsplit("+", 1)[-1]


def read_key(path):
    lines = path.read_text(encoding="utf-8").splitlines()
    if lines[0].split("\t") != COLUMNS:
        raise ValueError(f"{path}: header is not {' '.join(COLUMNS)}")
    rows = {}
    for line in lines[1:]:
        row = dict(zip(COLUMNS, line.split("\t")))
        rows.setdefault(row["text"], []).append(row)
    # a phrase's later tokens have "=": they take the lemma of its first
    for text_rows in rows.values():
        lemma = ""
        for row in text_rows:
            if row["lemma"] == "=":
                row["lemma"] = lemma
            lemma = row["lemma"]
    return rows


def gloss_table(cli, dic, text_path):
    """The tool's lines for a text: (token, gloss, lemma), Hebrew words only."""
    with open(text_path, "rb") as text:
        run = subprocess.run([cli, "translate", "--words", dic], stdin=text, capture_output=True, check=False)
    if run.returncode != 0:
        raise ValueError(f"{text_path}: {cli} failed: {run.stderr.decode('utf-8', 'replace').strip()}")
    table = []
    for line in run.stdout.decode("utf-8").splitlines():
        fields = line.split("\t")
        if len(fields) < 3:
            raise ValueError(f"{text_path}: not a word line: {line!r}")
        if TOKEN.fullmatch(fields[0]):
            table.append((fields[0], fields[1], fields[2]))
    return table


def score(row, gloss, lemma, token):
    """right, wrong or none for one token."""
    gloss, lemma = word_part(gloss), word_part(lemma)
    if not lemma and (not gloss.strip() or letters(gloss) == letters(token)):
        return "none"
    if lemma and letters(lemma) == letters(row["lemma"]):
        return "right"
    wanted = {english(g) for g in row["english"].split("|")}
    return "right" if english(gloss) in wanted else "wrong"


def measure_text(rows, table):
    """The verdict of each key row; a token the tool left out is not glossed."""
    verdicts = []
    at = 0
    for row in rows:
        found = next((i for i in range(at, len(table)) if table[i][0] == row["token"]), None)
        if found is None:
            verdicts.append((row, "none", "", ""))
            continue
        token, gloss, lemma = table[found]
        at = found + 1
        verdicts.append((row, score(row, gloss, lemma, token), gloss, lemma))
    return verdicts


def shares(verdicts):
    total = len(verdicts) or 1
    counts = {kind: sum(1 for v in verdicts if v[1] == kind) for kind in ("right", "wrong", "none")}
    return counts, {kind: count / total for kind, count in counts.items()}


def report_line(name, verdicts):
    counts, share = shares(verdicts)
    return (f"{name:<12} {len(verdicts):>4} words   right {share['right']:6.1%}   wrong {share['wrong']:6.1%}   "
            f"not at all {share['none']:6.1%}")


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("cli")
    parser.add_argument("dic")
    parser.add_argument("key", type=pathlib.Path)
    parser.add_argument("texts", type=pathlib.Path)
    parser.add_argument("--floor", type=float, help="fail below this share right (0.9: 90%%)")
    parser.add_argument("--list", action="store_true", help="list the tokens that are not right")
    args = parser.parse_args(argv[1:])
    try:
        key = read_key(args.key)
        everything = []
        for path in sorted(args.texts.glob("*.txt")):
            verdicts = measure_text(key.get(path.stem, []), gloss_table(args.cli, args.dic, path))
            everything += verdicts
            print(report_line(path.stem, verdicts))
            if args.list:
                for row, verdict, gloss, lemma in verdicts:
                    if verdict != "right":
                        print(f"    {verdict:<5} {row['n']:>3} {row['token']}\t{gloss}\t{lemma}"
                              f"\t(key: {row['lemma']} {row['english']})")
    except (OSError, ValueError) as error:
        print(f"measure.py: {error}", file=sys.stderr)
        return 2
    print(report_line("overall", everything))
    _, share = shares(everything)
    if args.floor is not None and share["right"] < args.floor:
        print(f"measure.py: {share['right']:.1%} right is below the floor of {args.floor:.0%}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
