#!/usr/bin/python3
"""Checks the pointing of the bundled Hebrew dictionary (data/hebrew.tsv)
against Wiktionary's pointed forms: for every word, plural and infinitive
for which Wiktionary points a form of the same letters and part of speech,
whether the entry's pointing says the same vowels as one of them (a mark
Wiktionary leaves out is no disagreement). A difference the reviewed table
data/hebrew-pointing.tsv explains (its "wiktionary" column) counts as a
reviewed exception. Prints the agreement by the source each pointing came
from, and, for information, the agreement with the corpus's most frequent
pointing of the same letters and with the stress Wiktionary's
transliterations mark. Fails when agreement and reviewed exceptions
together fall below FLOOR. With --cli, also compares each verb's word
(past 3sg m) and infinitive with the pointing verbalon-cli's conjugation
gives them, made from the letters alone and from the stored points (for
information: where they differ, either may be wrong).

    /usr/bin/python3 tools/hebrew/check_pointing.py [--tsv FILE] [--list] [--cli PATH]
"""
import argparse, collections, concurrent.futures, csv, os, subprocess, sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import pointing  # noqa: E402

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
FLOOR = 0.95


def read_entries(path):
    with open(path, encoding="utf-8") as f:
        return list(csv.DictReader(f, delimiter="\t"))


def read_stress(path):
    if not os.path.exists(path):
        return {}
    with open(path, encoding="utf-8") as f:
        return {row[0]: row[2] for row in csv.reader((line for line in f if not line.startswith("#")),
                                                       delimiter="\t")}


def field_sources(row):
    """The source the reviewed table names for word, plural, infinitive."""
    parts = (row.get("source") or "").split("/") if row else []
    return dict(zip(pointing.FIELDS, parts + [""] * (3 - len(parts))))


def agrees(ours, theirs):
    """Whether our pointing says what Wiktionary's says where Wiktionary
    points a letter (a letter it leaves without a vowel, a dagesh or a shin
    dot it leaves out, is no disagreement)."""
    mine, its = pointing.split(ours), pointing.split(theirs)
    if [c for c, _ in mine] != [c for c, _ in its]:
        return False
    where_pointed = [[c, m if pointing.bare(t) else ""] for (c, m), (_, t) in zip(mine, its)]
    return pointing.compatible(pointing.join(where_pointed), theirs)


# verbalon-cli conjugate's codes of the infinitive and the past 3sg m
INFINITIVE, PAST_3MS = "0x00020", "0x11005"


def engine_forms(cli, word, infinitive):
    """The engine's pointing of a verb's past 3sg m and infinitive (None
    where it gives none)."""
    out = subprocess.run([cli, "conjugate", "--infinitive", infinitive, word], capture_output=True, text=True,
                         check=True).stdout
    pointed = {}
    for line in out.splitlines()[1:]:
        fields = line.split("\t")
        if len(fields) >= 3:
            pointed.setdefault(fields[0], fields[2])
    return pointed.get(PAST_3MS), pointed.get(INFINITIVE)


def compare_verbs(cli, entries):
    """For each way the engine is given a verb ("letters": unpointed,
    "points": as stored), the verbs compared and the differences, a line
    each."""
    verbs = [e for e in entries if e["type"] == "Verb"]
    inputs = {"letters": lambda e: (pointing.letters_of(e["word"]), pointing.letters_of(e["infinitive"])),
              "points": lambda e: (e["word"], e["infinitive"])}
    found = {}
    with concurrent.futures.ThreadPoolExecutor(4) as pool:
        for way, given in inputs.items():
            results = pool.map(lambda e: engine_forms(cli, *given(e)), verbs)
            differences = []
            for e, (word, infinitive) in zip(verbs, results):
                for field, theirs in (("word", word), ("infinitive", infinitive)):
                    if theirs != e[field]:
                        differences.append("%s %s %s: %s, engine %s" % (e["id"], field, way, e[field], theirs))
            found[way] = differences
    return len(verbs), found


def share(part, whole):
    return "%d / %d (%.1f%%)" % (part, whole, 100 * part / whole if whole else 100)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--tsv", default=os.path.join(ROOT, "data", "hebrew.tsv"))
    parser.add_argument("--list", action="store_true", help="list the disagreements")
    parser.add_argument("--cli", help="verbalon-cli, to compare the verbs with the engine's conjugation")
    args = parser.parse_args()
    sources = os.path.join(ROOT, "data", "sources")
    wiktionary = pointing.Wiktionary(os.path.join(sources, "wiktionary", "en-he-enwiktionary.txt"))
    corpus = pointing.Corpus(os.path.join(sources, "pointing", "pointed_forms.tsv"))
    reviewed = pointing.read_reviewed(os.path.join(ROOT, "data", "hebrew-pointing.tsv"))
    stresses = read_stress(os.path.join(os.path.dirname(os.path.abspath(args.tsv)), "hebrew-stress.tsv"))

    compared, exact, agreed, excused = 0, 0, 0, 0
    by_source = collections.defaultdict(lambda: [0, 0])
    corpus_compared, corpus_agreed = 0, 0
    stress_compared, stress_agreed = 0, 0
    disagreements = []
    for e in read_entries(args.tsv):
        row = reviewed.get((pointing.letters_of(e["word"]), e["type"]))
        origin = field_sources(row)
        for field in pointing.FIELDS:
            pointed = e[field]
            if not pointing.is_pointed(pointed):
                continue
            letters = pointing.letters_of(pointed)
            types = {"word": {e["type"]}, "plural": {pointing.PLURAL}, "infinitive": {"Verb"}}[field]
            theirs = wiktionary.pointings(letters, types)
            if theirs:
                compared += 1
                exact += pointed in theirs
                same = any(agrees(pointed, t) for t in theirs)
                by_source[origin.get(field) or "unreviewed"][0] += 1
                if same:
                    agreed += 1
                    by_source[origin.get(field) or "unreviewed"][1] += 1
                elif row and row.get("wiktionary"):
                    excused += 1
                else:
                    disagreements.append("%s %s %s: %s, Wiktionary %s" % (e["id"], field, e["type"], pointed,
                                                                           " ".join(theirs)))
            if " " not in letters:
                weights, _ = corpus.counts(letters)
                if weights:
                    corpus_compared += 1
                    top = max(weights, key=lambda p: (weights[p], p))
                    corpus_agreed += pointing.compatible(pointed, top)
        marked = wiktionary.stress(e["word"], {e["type"]}) if " " not in e["word"] else None
        if marked and e["id"] in stresses:
            stress_compared += 1
            stress_agreed += stresses[e["id"]] == str(marked)

    print("agreement with Wiktionary's pointing: " + share(agreed, compared) +
          ", the same marks: " + share(exact, compared))
    for source in sorted(by_source):
        whole, part = by_source[source]
        print("  pointing from %s: %s" % (source, share(part, whole)))
    print("reviewed exceptions (Wiktionary known wrong): %d; unexplained differences: %d"
          % (excused, len(disagreements)))
    print("agreement with the corpus's most frequent pointing (information): " + share(corpus_agreed, corpus_compared))
    print("stress agreeing with Wiktionary's transliterations (information): " + share(stress_agreed, stress_compared))
    if args.list:
        for line in disagreements:
            print("  " + line)
    if args.cli:
        count, found = compare_verbs(args.cli, read_entries(args.tsv))
        for way, differences in found.items():
            fields = collections.Counter(line.split(" ")[1] for line in differences)
            print("verbs as the engine points them from their %s (information): word %s, infinitive %s"
                  % (way, share(count - fields["word"], count), share(count - fields["infinitive"], count)))
            if args.list:
                for line in differences:
                    print("  " + line)
    passed = (agreed + excused) / compared if compared else 1
    if passed < FLOOR:
        print("FAIL: agreement with Wiktionary and reviewed exceptions %.1f%% < %.0f%%" % (100 * passed, 100 * FLOOR))
        return 1
    print("ok: agreement with Wiktionary and reviewed exceptions %.1f%%" % (100 * passed))
    return 0


if __name__ == "__main__":
    sys.exit(main())
