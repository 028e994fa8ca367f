#!/usr/bin/env python3
"""Where an executable's bytes go, from its GNU ld link map (-Wl,-Map=FILE).

usage: map_summary.py MAP [TOP]

Prints the size of each output section, then the TOP (default 25) largest
contributors: an object file of ours, or a library member grouped by its
archive (libstdc++.a, libmingwex.a, ...), with what each puts in code
(.text), read-only data (.rdata), unwind tables (.eh_frame) and data
(.data and .bss). Sizes are those the linker placed, before stripping."""
import collections
import os
import re
import sys

# " .text._ZN...  0x00401000  0x30 file.o", possibly split after the name.
INPUT = re.compile(r"^ (\S+)\s+0x([0-9a-f]+)\s+0x([0-9a-f]+)\s+(\S.*)$")
NAME_ONLY = re.compile(r"^ (\S+)$")
CONTINUED = re.compile(r"^\s+0x([0-9a-f]+)\s+0x([0-9a-f]+)\s+(\S.*)$")
OUTPUT = re.compile(r"^(\.\S+)\s+0x([0-9a-f]+)\s+0x([0-9a-f]+)")

KINDS = (".text", ".rdata", ".eh_frame", ".data")


def kind_of(section):
    for kind in KINDS:
        if section == kind or section.startswith(kind + ".") or section.startswith(kind + "$"):
            return kind
    if section.startswith(".bss") or section == "COMMON":
        return ".data"
    return None


def owner_of(path):
    """An archive member counts for its archive; an object for itself."""
    m = re.match(r"^(.*\.a)\((.*)\)$", path)
    if m:
        return os.path.basename(m.group(1))
    return re.sub(r"^.*CMakeFiles/[^/]+\.dir/", "", path)


def parse(lines):
    outputs = []
    contrib = collections.defaultdict(collections.Counter)
    in_map = False
    pending = None
    for line in lines:
        line = line.rstrip("\n")
        if line.startswith("Linker script and memory map"):
            in_map = True
            continue
        if not in_map:
            continue
        m = OUTPUT.match(line)
        if m:
            outputs.append((m.group(1), int(m.group(3), 16)))
            pending = None
            continue
        m = INPUT.match(line)
        if m:
            section, size, path = m.group(1), int(m.group(3), 16), m.group(4)
        else:
            m = NAME_ONLY.match(line)
            if m:
                pending = m.group(1)
                continue
            m = CONTINUED.match(line)
            if not (m and pending):
                pending = None
                continue
            section, size, path = pending, int(m.group(2), 16), m.group(3)
        pending = None
        kind = kind_of(section)
        if kind and size and not path.startswith("*"):
            contrib[owner_of(path)][kind] += size
    return outputs, contrib


def main():
    if len(sys.argv) < 2:
        raise SystemExit(__doc__)
    top = int(sys.argv[2]) if len(sys.argv) > 2 else 25
    with open(sys.argv[1]) as f:
        outputs, contrib = parse(f)
    print("output sections (bytes):")
    for name, size in outputs:
        if size and not name.startswith((".debug", ".zdebug", ".stab")):
            print(f"  {name:<10} {size:>8}")
    print(f"largest contributors (bytes): {'total':>8} " + " ".join(f"{k:>9}" for k in KINDS))
    ranked = sorted(contrib.items(), key=lambda kv: -sum(kv[1].values()))
    for owner, sizes in ranked[:top]:
        print(f"  {owner[:50]:<50} {sum(sizes.values()):>8} " + " ".join(f"{sizes[k]:>9}" for k in KINDS))


if __name__ == "__main__":
    main()
