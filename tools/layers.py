#!/usr/bin/env python3
"""Checks that the program's folders stand in layers: a file may include
headers of its own layer (where allowed below) and of lower layers only.

    tools/layers.py          print the include graph between folders, and any
                             include that runs back up; exit 1 if there is one
    tools/layers.py --quiet  print only what runs back up
"""
import os
import re
import sys

# Folder -> layer. A folder uses only folders of lower layers, and those of
# its own layer that SIDEWAYS names.
LAYERS = {
    "app": 6,
    "sheet": 5,
    "pages": 4,
    "keys": 3, "osd": 3,
    "wizard": 2,
    "settings": 1, "framework": 1, "resources": 1,
    "dormexutil": 0, "daemon": 0,
}
SIDEWAYS = {
    ("settings", "framework"), ("settings", "resources"),
    ("framework", "resources"),
}

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def product_files(top):
    for folder in LAYERS:
        base = os.path.join(top, folder)
        for root, _, names in os.walk(base):
            for name in sorted(names):
                if name.endswith((".cpp", ".h", ".rc")):
                    yield folder, os.path.join(root, name)


def main():
    top = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    quiet = "--quiet" in sys.argv
    files = list(product_files(top))
    # Headers are included by their bare name; a name belongs to the folder
    # that holds it.
    owner = {}
    for folder, path in files:
        owner.setdefault(os.path.basename(path), set()).add(folder)

    edges = {}
    back_up = []
    for folder, path in files:
        with open(path, encoding="utf-8", errors="replace") as f:
            text = f.read()
        for name in INCLUDE.findall(text):
            targets = owner.get(os.path.basename(name), set())
            for target in targets:
                if target == folder:
                    continue
                edges.setdefault((folder, target), 0)
                edges[(folder, target)] += 1
                allowed = LAYERS[target] < LAYERS[folder] or (folder, target) in SIDEWAYS
                if not allowed:
                    back_up.append((os.path.relpath(path, top), name, target))

    if not quiet:
        print("Layers (a folder uses only those below it):")
        for layer in sorted(set(LAYERS.values()), reverse=True):
            print("  %d  %s" % (layer, ", ".join(sorted(f for f, l in LAYERS.items() if l == layer))))
        print("Includes between folders (count):")
        for (a, b), n in sorted(edges.items(), key=lambda e: (-LAYERS[e[0][0]], e[0])):
            print("  %-10s -> %-10s %3d" % (a, b, n))
    for path, name, target in back_up:
        print("runs back up: %s includes %s (%s)" % (path, name, target))
    if back_up:
        print("%d include(s) run back up" % len(back_up))
        return 1
    if not quiet:
        print("No include runs back up.")
    return 0


if __name__ == "__main__":
    sys.exit(main())
