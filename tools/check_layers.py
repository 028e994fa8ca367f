#!/usr/bin/env python3
"""Holds Vidarix's include graph to its layer order: a file may include its own
folder and the layers below it, never a layer above it nor a peer on its own
level, so the portable logic can be built and tested from the bottom up.

usage: check_layers.py [--order] [REPO]
  --order   print the order as one line (the README quotes it) and exit
  REPO      the repository to check (default: the one holding this script)
Prints "file:line: layerA includes layerB (path)" for each breach, then
"layers: N passed, N failed" counting files; exits 1 on any breach."""
import os
import re
import sys

# The order, lowest first. Folders on one row are peers: neither may include
# the other.
ORDER = [
    ["platform"],
    ["common"],
    ["ui"],
    ["adapter"],
    ["settings"],
    ["display", "schemes"],
    ["shell"],
]
# Folders beside the order, with the only layers each may include. The
# stand-in adapter implements the seam and answers with the driver's escape
# records; nothing in the order may include it.
BESIDE = {
    "simulated": ["platform", "common", "display"],
}
# Only #defines (dialog, control and command ids): anyone may include it, and
# it includes nothing.
SHARED = "resources"
# Product code never reaches into these.
FOREIGN = ["tests", "memtool"]

SOURCE_SUFFIXES = (".h", ".hpp", ".cpp", ".c", ".rc", ".inc")
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')


def level_of(layer):
    for i, row in enumerate(ORDER):
        if layer in row:
            return i
    return None


def order_line():
    rows = " < ".join(row[0] if len(row) == 1 else
                      f"{', '.join(row)} (peers: none includes another)" for row in ORDER)
    beside = "; ".join(f"{name} may include only {' and '.join(below)}" for name, below in BESIDE.items())
    return f"Includes point down only: {rows}; {beside}; " \
           f"{SHARED} (ids only) may be included by anyone and includes nothing."


def layer_of_path(rel):
    """The layer of a path below tweaker/ (a win32/ subfolder is its folder's)."""
    parts = rel.split("/")
    return parts[0] if len(parts) > 1 else None


def may_include(src, dst):
    if src == dst or dst == SHARED:
        return True
    if src == SHARED:
        return False
    if src in BESIDE:
        return dst in BESIDE[src]
    s, d = level_of(src), level_of(dst)
    return s is not None and d is not None and d < s


def target_layer(inc, here):
    """The layer an include names, or None for one outside the check (system
    headers, the C++ library)."""
    if inc == "resource.h" or inc.endswith("/resource.h"):
        return SHARED, inc
    head = inc.split("/")[0]
    if head == "tweaker":
        return layer_of_path(inc[len("tweaker/"):]) or "tweaker", inc
    if head in FOREIGN:
        return head, inc
    # A path relative to the including file.
    local = os.path.normpath(os.path.join(here, inc)).replace(os.sep, "/")
    if local.startswith("tweaker/") and os.path.exists(local):
        return layer_of_path(local[len("tweaker/"):]), local
    return None, inc


def known(layer):
    return layer == SHARED or layer in BESIDE or level_of(layer) is not None


def check(repo):
    breaches = []
    passed = failed = 0
    os.chdir(repo)
    for root, dirs, files in os.walk("tweaker"):
        dirs.sort()
        for name in sorted(files):
            if not name.endswith(SOURCE_SUFFIXES):
                continue
            path = os.path.join(root, name).replace(os.sep, "/")
            src = layer_of_path(path[len("tweaker/"):])
            found = []
            if src is not None and not known(src):
                found.append(f"{path}:1: folder {src} has no layer (add it to the table in tools/check_layers.py)")
            else:
                with open(path, encoding="latin-1") as f:
                    for number, line in enumerate(f, 1):
                        m = INCLUDE.match(line)
                        if not m or src is None:
                            continue
                        dst, shown = target_layer(m.group(1), root)
                        if dst is None:
                            continue
                        if not may_include(src, dst):
                            found.append(f"{path}:{number}: {src} includes {dst} ({shown})")
            if found:
                failed += 1
                breaches.extend(found)
            else:
                passed += 1
    return breaches, passed, failed


def main(argv):
    args = argv[1:]
    if "--order" in args:
        print(order_line())
        return 0
    if any(a.startswith("-") for a in args) or len(args) > 1:
        print(__doc__)
        return 2
    repo = args[0] if args else os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    breaches, passed, failed = check(repo)
    for b in breaches:
        print(b)
    print(f"layers: {passed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
