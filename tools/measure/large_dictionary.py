#!/usr/bin/python3
"""Measures the programs on a large generated Hebrew dictionary, as a learner
runs them: importing its TSV, opening the window on it until shown, and the
tool's one-shot lookup of a word and of a meaning. The window starts first
with an empty cache folder (the store is decoded and kept), then again on
the unchanged file (the store is read from the cache). Prints the wall time (the
fastest and the median of the runs) and the peak resident memory of each.

    /usr/bin/python3 tools/measure/large_dictionary.py [--entries N] [--runs K] [BUILD]

BUILD is the build folder with bin/verbalon and bin/verbalon-cli (default
build). The window runs offscreen from a portable copy in a temporary folder.
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


def write_tsv(path, entries):
    rng = random.Random(7)
    with open(path, "w", encoding="utf-8") as out:
        out.write("id\tword\ttranslation\ttype\n")
        for i in range(1, entries + 1):
            out.write("%d\t%s\t%s\t%d\n" % (i, word(rng), translation(rng), rng.randint(0, 4)))


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
    print("%-28s fastest %.3f s  median %.3f s  peak %.0f MiB"
          % (name, walls[0], statistics.median(walls), max(rss for _, rss in results)))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--entries", type=int, default=1000000)
    parser.add_argument("--runs", type=int, default=8)
    parser.add_argument("build", nargs="?", default="build")
    options = parser.parse_args()
    binaries = os.path.join(os.path.abspath(options.build), "bin")
    cli = os.path.join(binaries, "verbalon-cli")
    with tempfile.TemporaryDirectory() as folder:
        tsv = os.path.join(folder, "large.tsv")
        dictionary = os.path.join(folder, "hebrew.dic")
        write_tsv(tsv, options.entries)
        report("import", [cli, "import", "--type", "he_IL", tsv, dictionary], max(1, options.runs // 2))
        report("lookup, a word", [cli, "lookup", dictionary, word(random.Random(1))], options.runs)
        report("lookup, a meaning", [cli, "lookup", dictionary, "teacher 500"], options.runs)
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
