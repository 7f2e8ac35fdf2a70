#!/usr/bin/python3
"""How much of a first year's Hebrew the dictionary knows: the share of the
words and set phrases of tools/hebrew/first-year.tsv that are an entry
(letters compared, points ignored) or that `verbalon-cli analyse` reads as
a form of an entry (אותה, רגליים, ללכת) as a whole, not through a prefix:
בבקשה read as ב + בקשה "in a request" does not count. Prints the share, then
the items it misses with their topic, and with --forms the entries the
others were read as (to check those readings by eye: מתחת read as a form
of מתח "to stretch" would be a false one).

    /usr/bin/python3 tools/hebrew/coverage.py build/bin/verbalon-cli build/bin/hebrew.dic [--list FILE] [--forms]
"""
import argparse, os, re, subprocess, sys

POINTS = re.compile("[\u0591-\u05c7]")
LIST = os.path.join(os.path.dirname(os.path.abspath(__file__)), "first-year.tsv")


def read_list(path):
    """(topic, Hebrew, English) rows; comment lines and blank ones skipped."""
    rows = []
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            if not line.strip() or line.startswith("#"):
                continue
            fields = line.rstrip("\n").split("\t")
            if len(fields) != 3 or not fields[1]:
                sys.exit("%s:%d: expected topic, Hebrew and English" % (path, number))
            rows.append(fields)
    return rows


def entry_words(cli, dictionary):
    """Entry id -> unpointed word (the first and sixth fields of a dump line)."""
    dump = subprocess.run([cli, "dump", dictionary], capture_output=True, text=True)
    if dump.returncode != 0:
        sys.exit("%s dump %s failed: %s" % (cli, dictionary, dump.stderr.strip()))
    fields = (line.split("\t") for line in dump.stdout.splitlines() if line.count("\t") >= 5)
    return {f[0]: POINTS.sub("", f[5]) for f in fields}


def analysed(cli, dictionary, words):
    """Word -> ids of the entries `analyse` reads it as a form of, whole
    (a reading of one part, index:code:id, id not 0)."""
    if not words:
        return {}
    out = subprocess.run([cli, "analyse", dictionary], input="\n".join(words), capture_output=True, text=True)
    if out.returncode != 0:
        sys.exit("%s analyse %s failed: %s" % (cli, dictionary, out.stderr.strip()))
    found = {}
    for line in out.stdout.splitlines():
        word, *readings = line.split("\t")
        ids = [r.split(":")[2] for r in readings if " + " not in r and r.count(":") >= 2 and r.split(":")[2] != "0"]
        if ids:
            found[word] = ids
    return found


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("cli")
    parser.add_argument("dictionary")
    parser.add_argument("--list", default=LIST)
    parser.add_argument("--forms", action="store_true", help="show what the items found as forms were read as")
    args = parser.parse_args()
    rows = read_list(args.list)
    words = entry_words(args.cli, args.dictionary)
    entries = set(words.values())
    # a phrase is known only as an entry; a single word may also be a form
    rest = sorted({h for _, h, _ in rows if h not in entries and " " not in h})
    forms = analysed(args.cli, args.dictionary, rest)
    missed = [(t, h, e) for t, h, e in rows if h not in entries and h not in forms]
    known = len(rows) - len(missed)
    print("%d of %d first-year items known: %.1f%%" % (known, len(rows), 100 * known / len(rows) if rows else 100))
    for topic, hebrew, english in missed:
        print("missed\t%s\t%s\t%s" % (topic, hebrew, english))
    if args.forms:
        for topic, hebrew, english in rows:
            if hebrew in forms:
                print("form\t%s\t%s\t%s" % (hebrew, english, " ".join(sorted({words.get(i, i) for i in forms[hebrew]}))))


if __name__ == "__main__":
    main()
