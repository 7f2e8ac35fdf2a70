#!/usr/bin/python3
"""Checks the include graph between the source folders, as the compiler saw
it: the dependency files (*.o.d) a build leaves beside its objects list every
header each source file included, directly or not. A folder may include
itself and the folders below it, never one above; so there is no circle
between folders either. Prints the folder graph; exits 1 on an include that
runs up.

    /usr/bin/python3 tools/layers/check_layers.py [BUILD_DIR]
"""
import collections, os, re, sys

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
# lowest first; cli stands beside the widget folders and may use none of them
LAYERS = ["src/model", "src/formats", "src/files", "src/merge", "src/lang", "src/train", "src/exchange", "src/input",
          "src/views", "src/dialogs", "src/app"]
CLI = "cli"


def folder_of(path):
    # a library's public headers are reached through the build's include
    # folders (include/verbalon_core/dict/...)
    exposed = re.search(r"/include/verbalon_\w+/(\w+)/[^/]+$", path)
    if exposed:
        path = os.path.join(ROOT, "src", exposed.group(1), os.path.basename(path))
    path = os.path.relpath(os.path.abspath(path), ROOT)
    for folder in LAYERS + [CLI]:
        if path.startswith(folder + "/"):
            return folder
    return None


def allowed(source, target):
    if source == target:
        return True
    if source == CLI:
        return LAYERS.index(target) <= LAYERS.index("src/exchange")
    if target == CLI:
        return False
    return LAYERS.index(target) < LAYERS.index(source)


def edges(build):
    found = collections.defaultdict(set)
    for directory, _, files in os.walk(build):
        for name in files:
            if not name.endswith(".o.d"):
                continue
            with open(os.path.join(directory, name), encoding="utf-8", errors="replace") as f:
                paths = re.split(r"\s+", f.read().replace("\\\n", " "))
            sources = [p for p in paths if p.endswith((".cpp", ".c")) and folder_of(p)]
            if not sources:
                continue
            source = folder_of(sources[0])
            for p in paths:
                target = folder_of(p) if p.endswith(".h") else None
                if target:
                    found[(source, target)].add(target + "/" + os.path.basename(p))
    return found


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "build")
    found = edges(build)
    if not found:
        print("no dependency files under %s: build first" % build, file=sys.stderr)
        return 1
    wrong = 0
    for (source, target), headers in sorted(found.items()):
        if source == target:
            continue
        ok = allowed(source, target)
        wrong += not ok
        print("%-14s -> %-14s %s%s" % (source, target, "" if ok else "RUNS UP: ", ", ".join(sorted(headers)[:3])))
    print("includes that run up: %d" % wrong)
    return 1 if wrong else 0


if __name__ == "__main__":
    sys.exit(main())
