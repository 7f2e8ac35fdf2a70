#!/usr/bin/python3
"""Chooses the verbs the fidelity check conjugates: the most frequent verbs
of film subtitles from Hspell's verb table, in every binyan and root
class. A verb counts by its infinitive, which is rarely another word;
pu'al and huf'al, which have none, by their forms, each form's count
shared among all the readings hspell gives it. Writes verbs.tsv:
past 3ms, infinitive (none for pu'al and huf'al), binyan, root, class.

    /usr/bin/python3 tools/fidelity/choose_verbs.py SOURCES_DIR > tools/fidelity/verbs.tsv
"""
import collections, csv, os, sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "hebrew"))
import hspell  # noqa: E402

BINYANIM = {"קל_אפעל": "Paal", "קל_אפעול": "Paal", "פי": "Piel", "הפ": "Hifil", "הת": "Hitpael",
            "הו": "Hufal", "פו": "Pual", "נפ": "Nifal"}
# how many of each binyan, most frequent first
QUOTA = {"Paal": 150, "Piel": 70, "Hifil": 55, "Hitpael": 45, "Nifal": 40, "Pual": 20, "Hufal": 20}
# a class has at least this many verbs, where the table has them
CLASS_MINIMUM = 8
IRREGULAR = {"נתן", "לקח", "הלך", "יכל", "בוא", "היה"}
# verbs that owe their count to another word written the same (לפחות "at
# least", למען "for", לעבר "towards"), reviewed by hand
HOMOGRAPHS = {("פחת", "Paal"), ("שתת", "Paal"), ("מיען", "Piel"), ("עיבר", "Piel"), ("בוש", "Paal"),
              ("אזר", "Paal"), ("חייה", "Piel"), ("עינה", "Piel"), ("לווה", "Paal"), ("בלה", "Paal")}
# verbs hspell knows in the past and present only
DEFECTIVE = {("נלהב", "Nifal")}
# pu'al and huf'al have no infinitive to count by, and their forms are
# mostly other words' (יודע, הולך): these are the common ones, chosen by hand
PASSIVES = {
    "Pual": ["דובר", "סופר", "בוטל", "צולם", "שולם", "סודר", "תוקן", "בוצע", "אורגן", "תורגם", "פוטר", "טופל",
             "שוחרר", "סוכם", "מומן", "חובר", "שוכנע", "בושל", "כוסה", "נוסה"],
    "Hufal": ["הוזמן", "הוכן", "הושלם", "הוצא", "הוחלט", "הופתע", "הורשע", "הוגש", "הושג", "הוכנס", "הועבר",
              "הוסבר", "הוכר", "הוקם", "הוחזר", "הובא", "הוצג", "הופעל", "הופנה", "הושב"],
}


def root_class(root, binyan, future):
    if root in IRREGULAR and binyan == "Paal":
        return "irregular"
    if len(root) == 4:
        return "quadriliteral"
    if len(root) != 3:
        return "irregular"
    if root[1] == "י":
        return "II-yod"
    if root[1] == "ו":
        return "hollow"
    if root[1] == root[2]:
        return "geminate"
    if root[2] == "ה":
        return "III-he"
    if root[0] == "נ":
        return "I-nun"
    if root[0] == "י":
        return "I-yod"
    if root[2] == "א":
        return "III-aleph"
    if root[2] in "חע":
        return "III-guttural"
    if root[0] in "אהחע":
        return "I-guttural"
    if binyan == "Paal" and future == "קל_אפעל":
        return "strong, future in -a-"
    return "strong"


def main(sources):
    frequency = collections.Counter()
    counts = {}
    with open(os.path.join(sources, "frequency", "he_50k.txt"), encoding="utf-8") as f:
        for line in f:
            form, count = line.split()
            counts[form] = int(count)
    for form, readings in hspell.analyse(list(counts)).items():
        lemmas = {(lemma, tags[0]) for _, lemma, tags in readings}
        for lemma, pos in lemmas:
            if pos == "פ":
                frequency[lemma] += counts[form] / len(lemmas)
    verbs = {}
    with open(os.path.join(sources, "hspell", "hspell_verbs.tsv"), encoding="utf-8") as f:
        for row in csv.DictReader(f, delimiter="\t"):
            binyan = BINYANIM[row["binyan"]]
            past = row["past3ms"]
            infinitive = row["infinitive"].replace("L", "ל")
            if (past, binyan) in verbs or not past or " " in past:
                continue
            verbs[(past, binyan)] = (infinitive, row["root"], root_class(row["root"], binyan, row["binyan"]))
    def weight(key):
        if key in HOMOGRAPHS or key in DEFECTIVE:
            return 0
        if key[1] in PASSIVES:
            names = PASSIVES[key[1]]
            return len(names) - names.index(key[0]) if key[0] in names else 0
        infinitive = verbs[key][0]
        return counts.get(infinitive, 0) if infinitive else frequency[key[0]]

    chosen = []
    for binyan, quota in QUOTA.items():
        ranked = sorted((k for k in verbs if k[1] == binyan), key=lambda k: (-weight(k), k[0]))
        chosen += ranked[:quota]
    # the rarer classes get their minimum from the next most frequent verbs
    by_class = collections.Counter(verbs[k][2] for k in chosen)
    ranked = sorted(verbs, key=lambda k: (-weight(k), k))
    for key in ranked:
        cls = verbs[key][2]
        if key not in chosen and by_class[cls] < CLASS_MINIMUM and weight(key) > 0:
            chosen.append(key)
            by_class[cls] += 1
    print("# past\tinfinitive\tbinyan\troot\tclass")
    for past, binyan in sorted(chosen, key=lambda k: (list(QUOTA).index(k[1]), -weight(k), k[0])):
        infinitive, root, cls = verbs[(past, binyan)]
        print("\t".join([past, infinitive, binyan, root, cls]))


if __name__ == "__main__":
    main(sys.argv[1])
