#!/usr/bin/python3
"""The pointing of Verbalon's generated verb forms, judged by a corpus of
pointed modern Hebrew and by a reviewed list.

Every verb of verbs.tsv is conjugated by `verbalon-cli conjugate` (with its
infinitive); where the corpus has one dominant pointing for the letters of a
form (at least 80% of its `modern` + `stories` occurrences, and at least 5 of
them), the form agrees when that pointing is one the engine gives those
letters in the same verb (the corpus cannot tell the past 2sg m from the f,
nor the future 2sg m from the 3sg f). Prints the agreement by binyan and
tense; fails below the floor, or when a form that agreed before
(--keep FILE, written by --write-right) no longer does.

Points compared: the pointings are put in NFC, and these differences are no
disagreement, because they are ways of typing the same pointing rather than
another reading:
  - a ש without its dot in the corpus (machine pointing often leaves it out)
    matches a shin or a sin dot; two different dots do not match;
  - a cholam written on the letter before a bare vav (כֹּותֵב) is the cholam
    male written on the vav (כּוֹתֵב);
  - a meteg or rafe is dropped (the corpus has them removed already).
A dagesh is compared as it is: a dagesh kal missing after a shva is a
different reading of the shva.

Homographs: the corpus counts word forms without their part of speech, so
letters that Verbalon's analyser, over the bundled dictionary, also reads as
another word than a verb (a noun, an adjective, after prefix letters, as a
construct form: כתוב is כָּתוּב, הזמן is הַזְּמַן) are left out of the share the
floor applies to; the share over all forms is printed as well. And a form
agrees when the dominant pointing is one the engine gives the same letters
in any verb of the list (ספר is סָפַר's and סִפֵּר's).

The reviewed list (pointed-verbs.tsv, forty common verbs pointed form by
form by hand) must agree entirely.

    /usr/bin/python3 tools/fidelity/pointing_check.py build/bin/verbalon-cli [--keep FILE]
        [--write-right FILE] [--show-wrong] [--extract SOURCE]

--extract SOURCE writes sources/pointed-forms.tsv: the rows of the corpus
(pointed_forms.tsv) whose letters are forms the engine generates for the
verbs of both lists, which is all the check reads.
"""
import argparse
import collections
import os
import subprocess
import sys
import unicodedata

HERE = os.path.dirname(os.path.abspath(__file__))
CORPUS = os.path.join(HERE, "sources", "pointed-forms.tsv")
FLOOR = 0.93
DOMINANT = 0.8
MINIMUM = 5

TENSES = {0x10000: "past", 0x20000: "present", 0x40000: "future", 0x80000: "imperative", 0: "infinitive"}
SHIN_DOT, SIN_DOT, HOLAM, VAV = "\u05c1", "\u05c2", "\u05b9", "\u05d5"


def read_verbs(path):
    verbs = []
    with open(path, encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            fields = line.rstrip("\n").split("\t")
            verbs.append(dict(past=fields[0], infinitive=fields[1], binyan=fields[2]))
    return verbs


def conjugate(cli, past, infinitive):
    """(code, letters, pointed) of every form the engine points."""
    args = [cli, "conjugate"] + (["--infinitive", infinitive] if infinitive else []) + [past]
    out = subprocess.run(args, capture_output=True, text=True, check=True).stdout
    forms = []
    for line in out.splitlines()[1:]:
        fields = line.split("\t")
        forms.append((int(fields[0], 16), fields[1], fields[2] if len(fields) > 2 else ""))
    return forms


def canonical(pointed):
    """The pointing as it is compared: NFC, cholam male on its vav, no meteg
    or rafe; a ש keeps its dot or none (see the module's comment)."""
    text = unicodedata.normalize("NFD", pointed).replace("\u05bd", "").replace("\u05bf", "")
    letters = []
    for c in text:
        if "\u05d0" <= c <= "\u05ea":
            letters.append([c, []])
        elif letters:
            letters[-1][1].append(c)
    for i in range(len(letters) - 1):
        marks, following = letters[i][1], letters[i + 1]
        if HOLAM in marks and letters[i][0] != VAV and following[0] == VAV and not following[1]:
            marks.remove(HOLAM)
            following[1].append(HOLAM)
    return unicodedata.normalize("NFC", "".join(c + "".join(sorted(m)) for c, m in letters))


def same(generated, corpus):
    a, b = canonical(generated), canonical(corpus)
    if a == b:
        return True
    if SHIN_DOT in b or SIN_DOT in b:
        return False
    return a.replace(SHIN_DOT, "").replace(SIN_DOT, "") == b


def read_corpus(path):
    """letters -> dominant pointing, where there is one."""
    counts = collections.defaultdict(collections.Counter)
    with open(path, encoding="utf-8") as f:
        next(f)
        for line in f:
            letters, pointed, modern, stories = line.rstrip("\n").split("\t")[:4]
            n = int(modern) + int(stories)
            if n:
                counts[letters][unicodedata.normalize("NFC", pointed)] += n
    dominant = {}
    for letters, pointings in counts.items():
        pointed, n = pointings.most_common(1)[0]
        if n >= MINIMUM and n >= DOMINANT * sum(pointings.values()):
            dominant[letters] = pointed
    return dominant


def extract(cli, source, lists):
    wanted = set()
    for path in (p for p in lists if os.path.exists(p)):
        for verb in read_verbs(path):
            wanted |= {letters for _, letters, _ in conjugate(cli, verb["past"], verb["infinitive"])}
    os.makedirs(os.path.dirname(CORPUS), exist_ok=True)
    with open(source, encoding="utf-8") as f, open(CORPUS, "w", encoding="utf-8") as out:
        out.write(next(f))
        for line in f:
            fields = line.rstrip("\n").split("\t")
            if fields[0] in wanted and int(fields[2]) + int(fields[3]) > 0:
                out.write("\t".join(fields[:4]) + "\n")


def homographs(cli, dictionary, words):
    """The words that Verbalon's own analyser, over the bundled dictionary,
    also reads as a word that is not a verb (alone, after prefix letters,
    as a construct form): the corpus's counts of them are not only the
    verb's."""
    out = subprocess.run([cli, "analyse", dictionary], input="\n".join(sorted(words)) + "\n",
                         capture_output=True, text=True, check=True).stdout
    found = set()
    for line in out.splitlines():
        fields = line.split("\t")
        for reading in fields[1:]:
            word_type = int(reading.split(" + ")[-1].split(":")[0])
            if word_type not in (2, 100):
                found.add(fields[0])
    return found


def check_corpus(cli, args, failures):
    dominant = read_corpus(CORPUS)
    groups = collections.defaultdict(lambda: [0, 0])
    agreed, wrong, now = [], [], {}
    conjugated = [(verb, conjugate(cli, verb["past"], verb["infinitive"])) for verb in read_verbs(args.verbs)]
    by_letters = collections.defaultdict(set)
    for _, forms in conjugated:
        for _, letters, pointed in forms:
            if pointed:
                by_letters[letters].add(pointed)
    others = homographs(cli, args.dictionary, set(by_letters) & set(dominant))
    raw = [0, 0]
    for verb, forms in conjugated:
        for code, letters, pointed in forms:
            if letters not in dominant:
                continue
            ok = any(same(p, dominant[letters]) for p in by_letters[letters])
            raw[0] += ok
            raw[1] += 1
            key = (verb["past"], verb["binyan"], code)
            # a form that agreed keeps agreeing even when a new dictionary entry makes it a homograph
            now[key] = ok
            if letters in others:
                continue
            for group in (("binyan", verb["binyan"]), ("tense", TENSES[code & 0xF0000]), ("all", "all")):
                groups[group][0] += ok
                groups[group][1] += 1
            (agreed if ok else wrong).append(key + (pointed, dominant[letters]))
    print("all forms with a dominant pointing, homographs included: %d / %d  %.1f%%"
          % (raw[0], raw[1], 100 * raw[0] / raw[1]))
    print("generated forms whose pointing the corpus's dominant pointing confirms (homographs left out):")
    for kind in ("binyan", "tense"):
        for name in sorted(n for k, n in groups if k == kind):
            right, total = groups[(kind, name)]
            print("  %-7s %-11s %4d / %4d  %5.1f%%" % (kind, name, right, total, 100 * right / total))
    right, total = groups[("all", "all")]
    share = right / total if total else 0
    print("  overall %d / %d  %.1f%%" % (right, total, 100 * share))
    if share < FLOOR:
        failures.append("corpus agreement below %d%%" % (100 * FLOOR))
    if args.show_wrong:
        for past, binyan, code, pointed, corpus in wrong:
            print("wrong\t%s\t%s\t0x%05X\t%s\t%s" % (past, binyan, code, pointed or "-", corpus))
    if args.write_right:
        with open(args.write_right, "w", encoding="utf-8") as f:
            f.write("# past\tbinyan\tcode\tpointed: agreed with the corpus before, to keep agreeing\n")
            for past, binyan, code, pointed, _ in agreed:
                f.write("%s\t%s\t0x%05X\t%s\n" % (past, binyan, code, pointed))
    if args.keep:
        with open(args.keep, encoding="utf-8") as f:
            for line in f:
                if line.startswith("#"):
                    continue
                past, binyan, code, pointed = line.rstrip("\n").split("\t")
                if not now.get((past, binyan, int(code, 16)), False):
                    failures.append("%s (%s) %s agreed as %s, no longer" % (past, binyan, code, pointed))


def check_reviewed(cli, path, failures):
    """Each row: past, infinitive, binyan, then code=pointed for each form."""
    total = right = 0
    with open(path, encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            fields = line.rstrip("\n").split("\t")
            past, infinitive = fields[0], fields[1]
            generated = {code: pointed for code, _, pointed in conjugate(cli, past, infinitive)}
            for cell in fields[3:]:
                code, expected = cell.split("=", 1)
                total += 1
                got = generated.get(int(code, 16), "")
                if canonical(got) == canonical(expected):
                    right += 1
                else:
                    failures.append("reviewed %s %s: %s, generated %s" % (past, code, expected, got or "-"))
    print("reviewed list: %d / %d forms as reviewed" % (right, total))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("cli")
    parser.add_argument("--verbs", default=os.path.join(HERE, "verbs.tsv"))
    parser.add_argument("--reviewed", default=os.path.join(HERE, "pointed-verbs.tsv"))
    parser.add_argument("--dictionary", help="the bundled dictionary, built (default: hebrew.dic beside the tool)")
    parser.add_argument("--keep")
    parser.add_argument("--write-right")
    parser.add_argument("--show-wrong", action="store_true")
    parser.add_argument("--extract", metavar="SOURCE")
    args = parser.parse_args()
    if args.extract:
        extract(args.cli, args.extract, [args.verbs, args.reviewed])
        return 0
    args.dictionary = args.dictionary or os.path.join(os.path.dirname(args.cli), "hebrew.dic")
    failures = []
    check_corpus(args.cli, args, failures)
    if os.path.exists(args.reviewed):
        check_reviewed(args.cli, args.reviewed, failures)
    for failure in failures:
        print("FAIL: " + failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
