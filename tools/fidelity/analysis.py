#!/usr/bin/python3
"""How well `analyse` finds the dictionary entry of written words: of the
most frequent word forms of film subtitles, those whose hspell dictionary
form is an entry of the dictionary (prefixes and endings as hspell reads
them), and the share of them for which `verbalon-cli analyse` gives that
entry in one of its readings.

    /usr/bin/python3 tools/fidelity/analysis.py build/bin/verbalon-cli DICT.dic [--forms 5000] [--show-missed]
"""
import argparse, os, subprocess, sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "hebrew"))
import hspell  # noqa: E402

SOURCES = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "data", "sources")


def unpointed(word):
    return "".join(c for c in word if not ("\u0591" <= c <= "\u05c7"))


def entries(cli, dictionary):
    """Every entry's spellings (unpointed, and a verb's as the engine spells
    it in full) -> ids."""
    by_word = {}
    dump = subprocess.run([cli, "dump", dictionary], capture_output=True, text=True, check=True).stdout
    for line in dump.splitlines():
        fields = line.split("\t")
        entry_id, word_type, word = fields[0], fields[1], fields[5]
        spellings = {unpointed(word)}
        if word_type == "2":
            out = subprocess.run([cli, "conjugate", word], capture_output=True, text=True).stdout
            spellings |= {l.split("\t")[1] for l in out.splitlines() if l.startswith("0x11005\t")}
        for spelling in spellings:
            by_word.setdefault(spelling, set()).add(entry_id)
    return by_word


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("cli")
    parser.add_argument("dictionary")
    parser.add_argument("--forms", type=int, default=5000)
    parser.add_argument("--frequency", default=None)
    parser.add_argument("--show-missed", action="store_true")
    args = parser.parse_args()
    frequency = args.frequency or os.path.join(SOURCES, "frequency", "he_50k.txt")
    with open(frequency, encoding="utf-8") as f:
        forms = [line.split()[0] for line in f][: args.forms]
    by_word = entries(args.cli, args.dictionary)
    readings = hspell.analyse(forms)
    wanted = {}
    for form in forms:
        ids = set()
        for _, lemma, _ in readings.get(form, []):
            ids |= by_word.get(lemma, set())
        if ids:
            wanted[form] = ids
    out = subprocess.run([args.cli, "analyse", args.dictionary], input="\n".join(wanted), capture_output=True,
                         text=True, check=True).stdout
    found = 0
    missed = []
    for line in out.splitlines():
        word, *analysed = line.split("\t")
        ids = {reading.split(" + ")[-1].split(":")[2] for reading in analysed}
        if ids & wanted.get(word, set()):
            found += 1
        else:
            missed.append(word)
    share = found / len(wanted) if wanted else 1.0
    print("of the %d most frequent forms, %d have their hspell dictionary form in the dictionary;" % (len(forms), len(wanted)))
    print("analyse gives that entry for %d of them: %.1f%%" % (found, 100 * share))
    if args.show_missed:
        for word in missed:
            print("missed\t" + word)


if __name__ == "__main__":
    main()
