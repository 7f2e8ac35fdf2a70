#!/usr/bin/python3
"""Drafts the stress of Russian words with espeak-ng's Russian rules
(Debian package espeak-ng): reads words on standard input, one a line,
writes each with U+0301 after the vowel espeak-ng stresses, or the word as
it is when espeak-ng's syllables do not line up with its vowels. A draft
only: every line is checked by hand before it goes into
data/russian-stress.tsv; the dictionary build never runs this.

    /usr/bin/python3 tools/russian/draft_stress.py < words.txt > draft.txt
"""
import subprocess, sys

ACUTE = "\u0301"
VOWELS = "аеёиоуыэюя"
IPA_VOWELS = set("aɑʌəɐeɛiɪɨyoɵuʊʉæɜ")


def espeak_place(ipa):
    """Vowels before espeak-ng's primary stress mark, and vowels in all."""
    place, vowels = None, 0
    for c in ipa:
        if c == "ˈ" and place is None:
            place = vowels
        elif c in IPA_VOWELS:
            vowels += 1
    return place, vowels


def draft(words):
    ipa = subprocess.run(["espeak-ng", "-v", "ru", "-q", "--ipa"], input="\n".join(words) + "\n",
                         capture_output=True, text=True, check=True).stdout.split("\n")
    for word, line in zip(words, ipa):
        place, vowels = espeak_place(line.strip())
        places = [i for i, c in enumerate(word) if c in VOWELS]
        if place is None or vowels != len(places) or len(places) < 2 or "ё" in word:
            yield word
        else:
            yield word[:places[place] + 1] + ACUTE + word[places[place] + 1:]


if __name__ == "__main__":
    words = [w.strip() for w in sys.stdin if w.strip()]
    for line in draft(words):
        print(line)
