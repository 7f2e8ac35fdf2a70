#!/usr/bin/python3
"""A reproducible random sample of dictionary entries for a hand check: the
same seed draws the same rows from the same file. Prints each row with its
flags spelt out (m f sg pl, tr intr, name) so a reviewer reads it at a
glance; tools/hebrew/REVIEW.md records the seeds drawn and what was found.

    /usr/bin/python3 tools/hebrew/sample.py data/hebrew.tsv --seed 20261207 [--count 300]
"""
import argparse, csv, random

FLAG_NAMES = ((1, "m"), (2, "f"), (4, "sg"), (8, "pl"), (64, "tr"), (128, "intr"), (512, "name"))


def spelt_flags(flags):
    return ",".join(name for bit, name in FLAG_NAMES if flags & bit)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("tsv")
    parser.add_argument("--seed", type=int, required=True)
    parser.add_argument("--count", type=int, default=300)
    args = parser.parse_args()
    with open(args.tsv, encoding="utf-8") as f:
        rows = list(csv.DictReader(f, delimiter="\t"))
    picked = random.Random(args.seed).sample(rows, min(args.count, len(rows)))
    for row in sorted(picked, key=lambda r: int(r["id"])):
        extra = " | ".join(x for x in (row.get("plural"), row.get("infinitive")) if x)
        print("%s\t%s\t%s\t%s\t%s\t%s" % (row["id"], row["word"], row["type"], spelt_flags(int(row["flags"] or 0)),
                                          row["translation"], extra))


if __name__ == "__main__":
    main()
