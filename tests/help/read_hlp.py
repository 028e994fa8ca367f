#!/usr/bin/env python3
"""Reads Vidarix.hlp the way a WinHelp viewer does, independently of the tool
that wrote it, and checks what the viewer needs: the file header, the internal
directory (a B-tree the viewer searches by name), the |SYSTEM header and title,
the chain of topic records in |TOPIC with their topic offsets, and a |CTXOMAP
entry for every help context id of the program, each at the start of the topic
the source gives that id.

usage: read_hlp.py HELP.hlp SOURCE.but HELP_IDS.cpp VERSION
Prints one "ok"/"FAIL" line a check, then "help-file: N passed, N failed"."""
import re
import struct
import sys

RESULTS = [0, 0]


def check(ok, what, saw=""):
    RESULTS[0 if ok else 1] += 1
    print("  %s %s%s" % ("ok  " if ok else "FAIL", what, "" if ok or not saw else "  (saw: %s)" % saw))
    return ok


class Bad(Exception):
    pass


def u16(b, at):
    return struct.unpack_from("<H", b, at)[0]


def s16(b, at):
    return struct.unpack_from("<h", b, at)[0]


def u32(b, at):
    return struct.unpack_from("<I", b, at)[0]


def cstr(b, at):
    end = b.index(b"\0", at)
    return b[at:end].decode("cp1252"), end + 1


class BTree:
    """A WinHelp B-tree: header, then pages of `page_size`; leaves chained."""

    def __init__(self, data, at=0):
        self.data = data
        if u16(data, at) != 0x293B:
            raise Bad("B-tree magic %#x" % u16(data, at))
        self.flags = u16(data, at + 2)
        self.page_size = u16(data, at + 4)
        self.structure = data[at + 6:at + 22].rstrip(b"\0").decode("latin-1")
        self.root = s16(data, at + 26)
        self.minus_one = s16(data, at + 28)
        self.pages = s16(data, at + 30)
        self.levels = s16(data, at + 32)
        self.entries = u32(data, at + 34)
        self.base = at + 38
        if len(data) < self.base + self.pages * self.page_size:
            raise Bad("B-tree pages run past its file")

    def page(self, n):
        return self.base + n * self.page_size

    def leaves(self):
        """Leaf pages in order: found by going down the first child of each index page."""
        n = self.root
        for _ in range(self.levels - 1):
            n = s16(self.data, self.page(n) + 4)
        seen = set()
        while n != -1:
            if n in seen or not 0 <= n < self.pages:
                raise Bad("leaf chain broken at page %d" % n)
            seen.add(n)
            at = self.page(n)
            yield at + 8, u16(self.data, at + 2)
            n = s16(self.data, at + 6)


def read_directory(hlp):
    if u32(hlp, 0) != 0x00035F3F:
        raise Bad("file magic %#x" % u32(hlp, 0))
    directory = u32(hlp, 4)
    if u32(hlp, 12) != len(hlp):
        raise Bad("the header says %d bytes, the file has %d" % (u32(hlp, 12), len(hlp)))
    reserved, used = u32(hlp, directory), u32(hlp, directory + 4)
    if used + 9 > reserved or directory + reserved > len(hlp):
        raise Bad("directory file header")
    tree = BTree(hlp[directory + 9:directory + 9 + used])
    names, files = [], {}
    for at, count in tree.leaves():
        for _ in range(count):
            name, at = cstr(tree.data, at)
            offset = u32(tree.data, at)
            at += 4
            reserved, used = u32(hlp, offset), u32(hlp, offset + 4)
            if used + 9 > reserved or offset + 9 + used > len(hlp):
                raise Bad("file %s runs past the end" % name)
            names.append(name)
            files[name] = hlp[offset + 9:offset + 9 + used]
    return tree, names, files


def read_system(data):
    """|SYSTEM: magic, versions, flags, then (type, size, data) records."""
    magic, minor, major, _date, flags = struct.unpack_from("<HHHIH", data, 0)
    records = {}
    at = 12
    while at + 4 <= len(data):
        kind, size = u16(data, at), u16(data, at + 2)
        records.setdefault(kind, []).append(data[at + 4:at + 4 + size])
        at += 4 + size
    return magic, minor, major, flags, records, at == len(data)


def compressed_long(b, at):
    if b[at] & 1:
        return (u32(b, at) - 0x80000000) // 2, at + 4
    return (u16(b, at) - 0x8000) // 2, at + 2


def compressed_ushort(b, at):
    if b[at] & 1:
        return u16(b, at) // 2, at + 2
    return b[at] // 2, at + 1


def read_topics(data, block_size):
    """The topic header records of |TOPIC, in chain order: (topic offset, title).

    An uncompressed |TOPIC is blocks of `block_size` bytes, each a 12-byte
    header and data. A record position is (block << 14) + 12 + offset into the
    block's data, and the data of the blocks is read as one run. A topic's
    offset counts the characters of text before it in its block:
    (block << 15) + characters."""
    payload = block_size - 12
    blocks = (len(data) + block_size - 1) // block_size
    run = b"".join(data[i * block_size + 12:(i + 1) * block_size] for i in range(blocks))
    first = u32(data, 4)
    pos, topics, chars, last_block, steps = first, [], 0, -1, 0
    while pos != 0xFFFFFFFF:
        steps += 1
        if steps > 100000:
            raise Bad("topic chain does not end")
        block, offset = (pos - 12) >> 14, (pos - 12) & 0x3FFF
        at = block * payload + offset
        if at + 21 > len(run):
            raise Bad("topic record at %#x outside |TOPIC" % pos)
        size, _len2, _prev, nxt, len1 = struct.unpack_from("<IIIII", run, at)
        kind = run[at + 20]
        if block != last_block:
            chars, last_block = 0, block
        if kind == 0x02:
            title, _ = cstr(run[at:at + size] + b"\0", len1)
            topics.append(((block << 15) + chars, title))
        elif kind in (0x20, 0x23):
            _topic_size, p = compressed_long(run, at + 21)
            text_len, _ = compressed_ushort(run, p)
            chars += text_len
        else:
            raise Bad("topic record of type %#x" % kind)
        pos = nxt
    return topics


def table_context_ids(cpp_text):
    body = re.search(r"kHelpIdTable\[\]\s*=\s*\{(.*?)\};", cpp_text, re.S).group(1)
    numbers = [int(n) for n in re.findall(r"\d+", body)]
    return numbers[1:-1:2]


def source_popups(source):
    """id -> heading title of each popup topic of the source."""
    out, heading = {}, ""
    for para in re.split(r"\n\s*\n", source):
        h = re.match(r"\s*\\[CHSU](?:\{[^}]*\})?\s+(.*)", para, re.S)
        if h:
            heading = " ".join(h.group(1).split())
        m = re.match(r"\s*\\cfg\{winhelp-topic\}\{IDH_(\d+)\}", para)
        if m:
            out[int(m.group(1))] = heading
    return out


def main(argv):
    if len(argv) != 5:
        sys.stderr.write(__doc__)
        return 2
    hlp = open(argv[1], "rb").read()
    source = open(argv[2], encoding="utf-8").read()
    ids = table_context_ids(open(argv[3], encoding="utf-8").read())
    version = argv[4]
    try:
        run(hlp, source, ids, version)
    except Bad as e:
        check(False, "the file reads as WinHelp", str(e))
    print("help-file: %d passed, %d failed" % tuple(RESULTS))
    return 1 if RESULTS[1] else 0


def run(hlp, source, ids, version):
    tree, names, files = read_directory(hlp)
    check(tree.flags == 0x0402 and tree.page_size == 0x400 and tree.structure == "z4" and tree.minus_one == -1,
          "the internal directory is a name-to-offset B-tree of 1 KB pages",
          "flags %#x page %d %s" % (tree.flags, tree.page_size, tree.structure))
    check(tree.entries == len(names), "the directory counts its %d files" % len(names), tree.entries)
    check(names == sorted(names, key=lambda n: n.encode("latin-1")),
          "the directory is in name order (the viewer searches it)", names)
    for need in ("|SYSTEM", "|TOPIC", "|FONT", "|CONTEXT", "|CTXOMAP"):
        check(need in files, "internal file %s" % need, names)

    magic, minor, major, flags, records, whole = read_system(files["|SYSTEM"])
    check(magic == 0x036C and major == 1 and minor > 16, "|SYSTEM header of a WinHelp 3.1 or later file",
          "magic %#x %d.%d" % (magic, major, minor))
    check(whole, "|SYSTEM records end with the file")
    title = records.get(1, [b""])[0].rstrip(b"\0").decode("cp1252")
    check(title == "Vidarix Help", "the title record reads \"Vidarix Help\"", title)
    copyright_text = records.get(2, [b""])[0].rstrip(b"\0").decode("cp1252")
    check(version in copyright_text, "the copyright record names version " + version, copyright_text)
    # Flags 0: topic blocks of 4 KB, uncompressed (what the reader below walks).
    check(flags == 0, "topic blocks are plain 4 KB blocks", flags)

    # The writer ends the chain with an empty topic of no title.
    topics = [t for t in read_topics(files["|TOPIC"], 4096) if t[1]]
    headings = re.findall(r"^\\[CHS]\{", source, re.M)
    check(len(topics) == len(headings) + 1, "a topic record for the contents and each of the %d headings"
          % len(headings), len(topics))
    check(topics and topics[0] == (0, "Contents"), "the first topic is the contents", topics[:1])
    by_offset = dict(topics)
    check(len(by_offset) == len(topics), "every topic starts at its own offset")

    ctx = files["|CTXOMAP"]
    count = u16(ctx, 0)
    entries = [struct.unpack_from("<Ii", ctx, 2 + 8 * i) for i in range(count)] if len(ctx) == 2 + 8 * count else []
    check(len(ctx) == 2 + 8 * count, "|CTXOMAP is a count and its entries", len(ctx))
    check(count == len(ids) == 89, "|CTXOMAP has an entry for each of the 89 help ids", count)
    mapped = dict(entries)
    popups = source_popups(source)
    missing = [i for i in ids if i not in mapped]
    check(not missing, "every help id of the program's table is mapped", missing)
    wrong = []
    for num in ids:
        if num not in mapped:
            continue
        got = by_offset.get(mapped[num])
        if got is None or not got.endswith(popups.get(num, "?")):
            wrong.append("%d -> %s" % (num, got))
    check(not wrong, "each help id points at the start of its control's topic", wrong[:5])
    check(sorted(mapped) == [e[0] for e in entries], "|CTXOMAP is in number order", [e[0] for e in entries][:5])


if __name__ == "__main__":
    sys.exit(main(sys.argv))
