#!/usr/bin/python3
"""The fidelity of Verbalon's Hebrew conjugation, judged by hspell: every
verb of verbs.tsv is conjugated by `verbalon-cli conjugate` (with its
infinitive, as a dictionary entry stores it), every form is read by
`hspell -a -l`, and a form counts as right when hspell reads it as that verb
in that slot (tense, person, gender, number). Prints the shares by root
class, binyan and tense and the share of verbs whose binyan is detected as
the table says; fails below the floors, or when a form that was right
before (--keep FILE, written by --write-right) changed.

    /usr/bin/python3 tools/fidelity/fidelity.py build/bin/verbalon-cli [--keep FILE] [--write-right FILE]
"""
import argparse, collections, os, subprocess, sys

# after this folder: tools/hebrew has a pointing module of its own
sys.path.append(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "hebrew"))
import hspell  # noqa: E402
import pointing  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
# Targets: the share of right forms overall, and in every class and tense;
# the share of verbs whose binyan is detected right.
FLOOR_OVERALL = 0.995
FLOOR_GROUP = 0.98
FLOOR_BINYAN = 0.995
FLOOR_POINTED = 1.0

TENSES = {0x10000: "past", 0x20000: "present", 0x40000: "future", 0x80000: "imperative", 0: "infinitive"}
SLOT_TAGS = {
    0x10404: {"1", "יחיד", "עבר"}, 0x10804: {"2", "יחיד", "עבר"}, 0x11005: {"ז", "3", "יחיד", "עבר"},
    0x10805: {"ז", "2", "יחיד", "עבר"}, 0x10806: {"נ", "2", "יחיד", "עבר"},
    0x11006: {"נ", "3", "יחיד", "עבר"}, 0x10408: {"1", "רבים", "עבר"}, 0x10809: {"ז", "2", "רבים", "עבר"},
    0x1080A: {"נ", "2", "רבים", "עבר"}, 0x11008: {"3", "רבים", "עבר"},
    0x20005: {"ז", "יחיד", "הווה"}, 0x20006: {"נ", "יחיד", "הווה"}, 0x20009: {"ז", "רבים", "הווה"},
    0x2000A: {"נ", "רבים", "הווה"},
    0x40404: {"1", "יחיד", "עתיד"}, 0x40805: {"ז", "2", "יחיד", "עתיד"}, 0x40806: {"נ", "2", "יחיד", "עתיד"},
    0x41005: {"ז", "3", "יחיד", "עתיד"}, 0x41006: {"נ", "3", "יחיד", "עתיד"}, 0x40408: {"1", "רבים", "עתיד"},
    0x40808: {"2", "רבים", "עתיד"}, 0x41008: {"3", "רבים", "עתיד"},
    0x80005: {"ז", "2", "יחיד", "ציווי"}, 0x80006: {"נ", "2", "יחיד", "ציווי"}, 0x80008: {"2", "רבים", "ציווי"},
    0x20: {"מקור"},
}
GENDERS = {"ז", "נ"}


def read_verbs(path):
    verbs = []
    with open(path, encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            past, infinitive, binyan, root, cls = line.rstrip("\n").split("\t")
            verbs.append(dict(past=past, infinitive=infinitive, binyan=binyan, root=root, cls=cls))
    return verbs


def conjugate(cli, verb, word=None):
    args = [cli, "conjugate"]
    if verb["infinitive"] and word is None:
        args += ["--infinitive", verb["infinitive"]]
    out = subprocess.run(args + [word or verb["past"]], capture_output=True, text=True, check=True).stdout
    lines = out.splitlines()
    pattern = lines[0].split(": ", 1)[1]
    # code, letters, then the pointing and transliteration where there are any
    forms = [(int(fields[0], 16), fields[1]) for fields in (line.split("\t") for line in lines[1:])]
    return pattern, forms


def is_right(readings, lemma, code):
    wanted = SLOT_TAGS.get(code)
    if wanted is None:
        return False
    for prefix, reading_lemma, tags in readings:
        if reading_lemma != lemma or tags[0] != "פ" or any(t.startswith("כינוי") or t == "סמיכות" for t in tags):
            continue
        if prefix and not (code == 0x20 and prefix == "ל"):
            continue
        tagset = set(tags)
        # a present without gender (יכול) serves both
        if wanted <= tagset or (not tagset & GENDERS and wanted - GENDERS <= tagset):
            return True
    return False


def share(right, total):
    return right / total if total else 1.0


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("cli")
    parser.add_argument("--verbs", default=os.path.join(HERE, "verbs.tsv"))
    parser.add_argument("--keep", help="forms right before, which must stay as they are")
    parser.add_argument("--write-right", help="write the forms that are right now")
    parser.add_argument("--show-wrong", action="store_true")
    parser.add_argument("--pointed", action="store_true", help="conjugate the pointed form, without the infinitive")
    args = parser.parse_args()

    verbs = read_verbs(args.verbs)
    results = []
    pointed_right = 0
    pointed_wrong = []
    for verb in verbs:
        pointed = pointing.point(verb["past"], verb["binyan"])
        pattern, forms = conjugate(args.cli, verb, pointed if args.pointed else None)
        results.append((verb, pattern, forms))
        if conjugate(args.cli, verb, pointed)[0] == verb["binyan"]:
            pointed_right += 1
        else:
            pointed_wrong.append((verb["past"], pointed, verb["binyan"]))
    readings = hspell.analyse(form for _, _, forms in results for _, form in forms)

    groups = collections.defaultdict(lambda: [0, 0])
    binyan_right = 0
    right_forms = []
    wrong = []
    for verb, pattern, forms in results:
        binyan_right += pattern == verb["binyan"]
        for code, form in forms:
            ok = is_right(readings.get(form, []), verb["past"], code)
            tense = TENSES[code & 0xF0000]
            for key in (("all", "all"), ("class", verb["cls"]), ("binyan", verb["binyan"]), ("tense", tense)):
                groups[key][0] += ok
                groups[key][1] += 1
            if ok:
                right_forms.append((verb["past"], verb["binyan"], code, form))
            else:
                wrong.append((verb["past"], verb["binyan"], verb["cls"], code, form))

    failures = []
    print("forms hspell reads as their verb in their slot:")
    for kind in ("class", "binyan", "tense"):
        for name in sorted(n for k, n in groups if k == kind):
            right, total = groups[(kind, name)]
            print("  %-8s %-24s %4d / %4d  %5.1f%%" % (kind, name, right, total, 100 * share(right, total)))
            if share(right, total) < FLOOR_GROUP:
                failures.append("%s %s below %d%%" % (kind, name, 100 * FLOOR_GROUP))
    right, total = groups[("all", "all")]
    print("  overall %d / %d  %.1f%%" % (right, total, 100 * share(right, total)))
    detected = share(binyan_right, len(verbs))
    print("binyan detected as the table says: %d / %d  %.1f%%" % (binyan_right, len(verbs), 100 * detected))
    by_points = share(pointed_right, len(verbs))
    print("binyan read from the points of the past 3sg m: %d / %d  %.1f%%" % (pointed_right, len(verbs),
                                                                         100 * by_points))
    if by_points < FLOOR_POINTED:
        failures.append("binyan from points below %d%%" % (100 * FLOOR_POINTED))
    if share(right, total) < FLOOR_OVERALL:
        failures.append("overall below %d%%" % (100 * FLOOR_OVERALL))
    if detected < FLOOR_BINYAN:
        failures.append("binyan detection below %d%%" % (100 * FLOOR_BINYAN))

    if args.show_wrong:
        for past, binyan, cls, code, form in wrong:
            print("wrong\t%s\t%s\t%s\t0x%05X\t%s" % (past, binyan, cls, code, form))
        for past, pointed, binyan in pointed_wrong:
            print("pointed\t%s\t%s\t%s" % (past, pointed, binyan))
        for verb, pattern, _ in results:
            if pattern != verb["binyan"]:
                print("binyan\t%s\t%s\t%s\tdetected %s" % (verb["past"], verb["infinitive"], verb["binyan"], pattern))
    if args.write_right:
        with open(args.write_right, "w", encoding="utf-8") as f:
            f.write("# past\tbinyan\tcode\tform: right before, to stay as they are\n")
            for past, binyan, code, form in right_forms:
                f.write("%s\t%s\t0x%05X\t%s\n" % (past, binyan, code, form))
    if args.keep:
        now = {(p, b, c): f for p, b, c, f in ((r[0], r[1], r[2], r[3]) for r in
                                                  ((v["past"], v["binyan"], c, f) for v, _, fs in results for c, f in fs))}
        with open(args.keep, encoding="utf-8") as f:
            for line in f:
                if line.startswith("#"):
                    continue
                past, binyan, code, form = line.rstrip("\n").split("\t")
                listed = any(v["past"] == past and v["binyan"] == binyan for v in verbs)
                # the past 2sg, listed once without gender, is now one form a gender
                codes = [0x10805, 0x10806] if int(code, 16) == 0x10804 else [int(code, 16)]
                for c in codes:
                    if listed and now.get((past, binyan, c)) != form:
                        failures.append("%s (%s) 0x%05X was %s, now %s" % (past, binyan, c, form,
                                                                           now.get((past, binyan, c))))
    for failure in failures:
        print("FAIL: " + failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
