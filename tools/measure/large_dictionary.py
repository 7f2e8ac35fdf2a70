#!/usr/bin/python3
"""Measures the programs on a large generated Hebrew dictionary, as a learner
runs them: importing its TSV, opening the window on it until shown, and the
tool's one-shot lookup of a word and of a meaning. The window starts first
with an empty cache folder (the store is decoded and kept), then again on
the unchanged file (the store is read from the cache). The tool looks up a
word it holds, one it does not, a longer word that lands on its longest
prefix and a meaning: first with no store cache (the file is walked and the
cache made), then through the cache; the cache's size is printed beside the
file's. Beside them the same words and meanings, converted by stardict-tools'
tabfile, are looked up with sdcv, a console dictionary of another kind, for
scale (installed from Debian when missing; --no-peer skips it). Prints the
wall time (the fastest and the median of the runs) and the peak resident
memory of each.

    /usr/bin/python3 tools/measure/large_dictionary.py [--entries N] [--runs K] [--no-peer] [BUILD]

BUILD is the build folder with bin/verbalon-cli and, when built,
bin/verbalon (default build). The window runs offscreen from a portable copy
in a temporary folder.
"""

import argparse
import os
import random
import resource
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

LETTERS = [chr(c) for c in range(0x05D0, 0x05EB)]
POINTS = [chr(c) for c in (0x05B0, 0x05B4, 0x05B5, 0x05B6, 0x05B7, 0x05B8, 0x05B9, 0x05BB)]
MEANINGS = ["book", "house", "water", "to write", "to go", "good", "big", "small", "teacher", "city",
            "day", "night", "bread", "tree", "road", "to speak", "to see", "new", "old", "friend"]


def word(rng):
    letters = [rng.choice(LETTERS) for _ in range(rng.randint(2, 7))]
    return "".join(l + (rng.choice(POINTS) if rng.random() < 0.6 else "") for l in letters)


def translation(rng):
    parts = [rng.choice(MEANINGS) + (" %d" % rng.randint(1, 999) if rng.random() < 0.3 else "")
             for _ in range(rng.randint(1, 3))]
    return ", ".join(parts)


def cyrillic(hebrew):
    """The same word in Cyrillic letters, unpointed."""
    return "".join(chr(0x0430 + ord(c) - 0x05D0) for c in hebrew if c in LETTERS)


def write_tsv(path, entries, russian_path, peer_path=None):
    """Writes the TSV, its copy in Cyrillic letters (and the same words as a
    tab file for the peer); returns a word from the middle of the file."""
    rng = random.Random(7)
    middle = None
    peer = open(peer_path, "w", encoding="utf-8") if peer_path else None
    with open(path, "w", encoding="utf-8") as out, open(russian_path, "w", encoding="utf-8") as russian:
        out.write("id\tword\ttranslation\ttype\n")
        russian.write("id\tword\ttranslation\ttype\n")
        for i in range(1, entries + 1):
            w, t, kind = word(rng), translation(rng), rng.randint(0, 4)
            out.write("%d\t%s\t%s\t%d\n" % (i, w, t, kind))
            russian.write("%d\t%s\t%s\t%d\n" % (i, cyrillic(w), t, kind))
            if peer:
                peer.write("%s\t%s\n" % (w, t))
            if i == entries // 2:
                middle = w
    if peer:
        peer.close()
    return middle


def ensure_peer():
    """The peer's programs, installed from Debian when missing; None when
    they cannot be had."""
    tabfile = "/usr/lib/stardict-tools/tabfile"
    if not (shutil.which("sdcv") and os.path.exists(tabfile)):
        subprocess.run(["apt-get", "install", "-y", "sdcv", "stardict-tools"],
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    if shutil.which("sdcv") and os.path.exists(tabfile):
        return shutil.which("sdcv"), tabfile
    return None


def measure_peer(peer, tab, folder, queries, runs):
    sdcv, tabfile = peer
    env = dict(os.environ, HOME=folder, XDG_CACHE_HOME=os.path.join(folder, "peercache"))
    report("peer: convert (tabfile)", [tabfile, tab], 1, env)
    data = os.path.dirname(tab)
    base = [sdcv, "-n", "-x", "-0", "-1", "-2", data]
    summarize("peer: first lookup", [run(base + ["-e", queries["a word"]], env)])
    for name, text in queries.items():
        if name != "a meaning":
            report("peer: lookup, " + name, base + ["-e", text], runs, env)
    # without -e a miss is searched for similar words
    report("peer: lookup, similar to a missing word", base + [queries["a missing word"]], runs, env)


def folder_size(path):
    return sum(os.path.getsize(os.path.join(root, name))
               for root, _, names in os.walk(path) for name in names)


def run(args, env=None):
    """Wall seconds and peak resident MiB of one run of a program."""
    start = time.perf_counter()
    with subprocess.Popen(args, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, env=env) as process:
        _, status, usage = os.wait4(process.pid, 0)
        process.returncode = os.waitstatus_to_exitcode(status)
    wall = time.perf_counter() - start
    if process.returncode != 0:
        sys.exit("failed: %s" % " ".join(args))
    return wall, usage.ru_maxrss / 1024.0


def report(name, args, runs, env=None):
    summarize(name, [run(args, env) for _ in range(runs)])


def summarize(name, results):
    walls = sorted(wall for wall, _ in results)
    # in milliseconds with a tenth: a lookup takes a few
    print("%-28s fastest %7.1f ms  median %7.1f ms  peak %.0f MiB"
          % (name, walls[0] * 1000, statistics.median(walls) * 1000, max(rss for _, rss in results)))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--entries", type=int, default=1000000)
    parser.add_argument("--runs", type=int, default=8)
    parser.add_argument("--no-peer", action="store_true")
    parser.add_argument("build", nargs="?", default="build")
    options = parser.parse_args()
    binaries = os.path.join(os.path.abspath(options.build), "bin")
    cli = os.path.join(binaries, "verbalon-cli")
    with tempfile.TemporaryDirectory() as folder:
        tsv = os.path.join(folder, "large.tsv")
        dictionary = os.path.join(folder, "hebrew.dic")
        peer = None if options.no_peer else ensure_peer()
        peer_tab = None
        if peer:
            os.mkdir(os.path.join(folder, "peer"))
            peer_tab = os.path.join(folder, "peer", "large.txt")
        russian_tsv = os.path.join(folder, "russian.tsv")
        middle = write_tsv(tsv, options.entries, russian_tsv, peer_tab)
        # No generated word has more than seven letters. A Hebrew word that
        # no entry begins with is analysed as an inflected form, which loads
        # the store: the lookup alone is measured on the Cyrillic copy.
        queries = {"a word": middle, "a prefix": middle[:3],
                   "a missing word": "\u05d0\u05d1\u05d2\u05d3\u05d4\u05d5\u05d6\u05d7",
                   "a meaning": "teacher 500"}
        report("import", [cli, "import", "--type", "he_IL", tsv, dictionary], max(1, options.runs // 2))
        russian = os.path.join(folder, "russian.dic")
        run([cli, "import", "--type", "ru_RU", russian_tsv, russian])
        # the tool keeps the store cache where the window does
        cli_env = dict(os.environ, XDG_CACHE_HOME=os.path.join(folder, "clicache"))
        summarize("lookup, first (no cache)", [run([cli, "lookup", dictionary, middle], cli_env)])
        for name, text in queries.items():
            report("lookup, " + name, [cli, "lookup", dictionary, text], options.runs, cli_env)
        print("file %.1f MiB, its store cache %.1f MiB"
              % (os.path.getsize(dictionary) / 2**20, folder_size(os.path.join(folder, "clicache")) / 2**20))
        run([cli, "lookup", russian, cyrillic(middle)], cli_env)
        for name, text in (("a word", cyrillic(middle)), ("a prefix", cyrillic(middle)[:2]),
                           ("a missing word", "\u0430\u0431\u0432\u0433\u0434\u0435\u0436\u0437")):
            report("Cyrillic copy: " + name, [cli, "lookup", russian, text], options.runs, cli_env)
        if peer:
            measure_peer(peer, peer_tab, folder, queries, options.runs)
        if not os.path.exists(os.path.join(binaries, "verbalon")):
            return
        # a portable copy: the program's folder holds the list and the dictionary
        shutil.copy(os.path.join(binaries, "verbalon"), folder)
        shutil.copy(os.path.join(binaries, "verbs_en.dat"), folder)
        with open(os.path.join(folder, "dicts.dic"), "w", encoding="utf-8") as out:
            out.write("# Dictionary META File: list of languages\n\n"
                      "FILE: hebrew.dic\nNAME: Hebrew\nTYPE: he_IL\nUSER: en\n")
        window = [os.path.join(folder, "verbalon"), "--quit-after-start"]
        # each first start in a cache folder of its own: the store decoded and kept
        firsts = [run(window, dict(os.environ, QT_QPA_PLATFORM="offscreen",
                                   XDG_CACHE_HOME=os.path.join(folder, "cache%d" % i)))
                  for i in range(options.runs)]
        summarize("window, first start", firsts)
        # later starts on the unchanged file: the store read from the cache
        report("window, start again", window, options.runs,
               dict(os.environ, QT_QPA_PLATFORM="offscreen", XDG_CACHE_HOME=os.path.join(folder, "cache0")))


if __name__ == "__main__":
    main()
