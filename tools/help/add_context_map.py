#!/usr/bin/env python3
"""Gives a WinHelp file made by halibut its context-number map.

Programs ask WinHelp for a topic by number (HELP_CONTEXT, HELP_CONTEXTPOPUP,
HELP_WM_HELP); the viewer looks the number up in the file's |CTXOMAP, which
halibut leaves empty. This step fills it: every help context id of the
program's help table names the topic "IDH_<id>" of the source, found in the
file's |CONTEXT by the name's hash.

usage: add_context_map.py SOURCE.but HELP_IDS.cpp IN.hlp OUT.hlp [TOPICS.txt]
  SOURCE.but    the help source: each popup topic holds \\cfg{winhelp-topic}{IDH_<id>}
  HELP_IDS.cpp  the program's table of (control id, help context id) pairs
  IN.hlp        halibut's output
  OUT.hlp       the file with its map
  TOPICS.txt    optional: one line "<id>\\t<title>\\t<first words>" per popup
                topic, for the tests that open them
Fails (exit 1, nothing written) when a context id has no popup topic, when a
popup topic's id is in no table entry (nothing could open it), or when the
file does not hold a topic the source names."""
import re
import struct
import sys

FILE_MAGIC = 0x00035F3F
BTREE_MAGIC = 0x293B
DIRECTORY_PAGE = 0x0400
POPUP_PREFIX = "IDH_"


class HelpFileError(Exception):
    pass


# ---- the container: a header, internal files, and a directory B-tree of them

def _btree_leaves(data, at):
    """The leaf pages of the B-tree whose header starts at `at`: (page, count) pairs."""
    magic, _flags, page_size = struct.unpack_from("<HHH", data, at)
    if magic != BTREE_MAGIC:
        raise HelpFileError("no B-tree at %#x" % at)
    root, _minus_one, total_pages, levels = struct.unpack_from("<hhhh", data, at + 26)
    pages = at + 38
    page = root
    for _ in range(levels - 1):  # index pages: the first child is the "previous page"
        page = struct.unpack_from("<h", data, pages + page * page_size + 4)[0]
    while page != -1:
        if not 0 <= page < total_pages:
            raise HelpFileError("B-tree page %d out of range" % page)
        base = pages + page * page_size
        count, _prev, nxt = struct.unpack_from("<Hhh", data, base + 2)
        yield base + 8, count
        page = nxt


def read_container(data):
    """The internal files, name -> bytes, in directory order."""
    magic, directory, _free, size = struct.unpack_from("<IiiI", data, 0)
    if magic != FILE_MAGIC or size != len(data):
        raise HelpFileError("not a WinHelp file (magic %#x, size %d of %d)" % (magic, size, len(data)))
    files = {}
    for at, count in _btree_leaves(data, directory + 9):
        for _ in range(count):
            end = data.index(b"\0", at)
            name = data[at:end].decode("latin-1")
            offset = struct.unpack_from("<i", data, end + 1)[0]
            at = end + 5
            used = struct.unpack_from("<I", data, offset + 4)[0]
            files[name] = data[offset + 9:offset + 9 + used]
    return files


def write_container(files):
    """A WinHelp file of these internal files (name order), directory last."""
    names = sorted(files)
    body = bytearray()
    offsets = {}
    at = 16
    for name in names:
        offsets[name] = at
        chunk = struct.pack("<IIB", len(files[name]) + 9, len(files[name]), 0) + files[name]
        body += chunk
        at += len(chunk)
    # One leaf page holds the few files a help file has.
    entries = b"".join(n.encode("latin-1") + b"\0" + struct.pack("<i", offsets[n]) for n in names)
    if len(entries) > DIRECTORY_PAGE - 8:
        raise HelpFileError("directory does not fit one page")
    page = struct.pack("<HHhh", DIRECTORY_PAGE - 8 - len(entries), len(names), -1, -1) + entries
    page += b"\0" * (DIRECTORY_PAGE - len(page))
    tree = struct.pack("<HHH16sHhhhhhI", BTREE_MAGIC, 0x0402, DIRECTORY_PAGE, b"z4", 0, 0, 0, -1, 1, 1,
                       len(names)) + page
    directory = at
    body += struct.pack("<IIB", len(tree) + 9, len(tree), 0) + tree
    total = 16 + len(body)
    return struct.pack("<IiiI", FILE_MAGIC, directory, -1, total) + bytes(body)


# ---- topic names

def _hash_value(byte):
    """What one character of a topic name adds to its hash (WinHelp's table):
    letters count case-blind, digits 1-9 as themselves and 0 as ten."""
    c = byte
    if c == 0:
        return 0
    if c in (0x21, 0x5B, 0xB4):
        return 0x0B
    special = {0x2E: 0x0C, 0x30: 0x0A, 0x5C: 0x0C, 0x5D: 0x0D, 0x5E: 0x0E, 0x5F: 0x0D}
    if c in special:
        return special[c]
    if c < 0x30:
        v = c + 0xD0
    elif c < 0x60:
        v = c - 0x30
    elif c < 0x80:
        v = c - 0x50
    else:
        v = c - 0x30
    return v - 0x100 if v >= 0x80 else v


def context_hash(name):
    if not name:
        return 1
    h = 0
    for byte in name.encode("latin-1"):
        h = (h * 43 + _hash_value(byte)) & 0xFFFFFFFF
    return h


def read_contexts(files):
    """|CONTEXT: topic name hash -> topic offset."""
    data = files.get("|CONTEXT")
    if data is None:
        raise HelpFileError("no |CONTEXT")
    out = {}
    for at, count in _btree_leaves(data, 0):
        for i in range(count):
            h, offset = struct.unpack_from("<Ii", data, at + 8 * i)
            out[h] = offset
    return out


def context_map(ids_offsets):
    """|CTXOMAP: a count, then (context number, topic offset) by number."""
    out = struct.pack("<H", len(ids_offsets))
    for num, offset in sorted(ids_offsets.items()):
        out += struct.pack("<Ii", num, offset)
    return out


# ---- the two sources

def table_context_ids(cpp_text):
    """The help context ids of the table: the second number of each pair."""
    body = re.search(r"kHelpIdTable\[\]\s*=\s*\{(.*?)\};", cpp_text, re.S)
    if not body:
        raise HelpFileError("no kHelpIdTable in the help id source")
    numbers = [int(n) for n in re.findall(r"\d+", re.sub(r"//[^\n]*", "", body.group(1)))]
    if not numbers or numbers[-1] != 0 or len(numbers) % 2 != 1:
        raise HelpFileError("the help id table is not pairs ending in 0")
    return [numbers[i + 1] for i in range(0, len(numbers) - 1, 2)]


def _plain(text):
    """Halibut markup to the text a reader sees (enough for titles and openings)."""
    text = re.sub(r"\\(?:[a-zA-Z]+)\{([^{}]*)\}", r"\1", text)
    text = text.replace("\\\\", "\\").replace("\\{", "{").replace("\\}", "}")
    return " ".join(text.split())


def popup_topics(source):
    """The popup topics of the help source: id -> (title, first words)."""
    topics = {}
    paragraphs = re.split(r"\n\s*\n", source)
    for i, para in enumerate(paragraphs):
        m = re.match(r"\s*\\cfg\{winhelp-topic\}\{" + POPUP_PREFIX + r"(\d+)\}\s*$", para)
        if not m:
            continue
        num = int(m.group(1))
        if num in topics:
            raise HelpFileError("two popup topics for id %d" % num)
        heading = next((p for p in reversed(paragraphs[:i]) if re.match(r"\s*\\[CHSAU]\b", p)), "")
        title = _plain(re.sub(r"^\s*\\[CHSAU](\{[^}]*\})?\s*", "", heading))
        body = next((p for p in paragraphs[i + 1:] if p.strip()), "")
        # The opening words up to the first markup: what the viewer shows as is.
        words = []
        for word in body.split():
            if "\\" in word or len(words) == 6:
                break
            words.append(word)
        topics[num] = (title, " ".join(words))
    return topics


def build(source, cpp_text, hlp):
    """The help file with its map, and the popup topics; raises HelpFileError."""
    ids = table_context_ids(cpp_text)
    topics = popup_topics(source)
    missing = sorted(set(ids) - set(topics))
    if missing:
        raise HelpFileError("help context ids without a popup topic: %s" % ", ".join(map(str, missing)))
    stray = sorted(set(topics) - set(ids))
    if stray:
        raise HelpFileError("popup topics no control opens (unreachable): %s" % ", ".join(map(str, stray)))
    files = read_container(hlp)
    contexts = read_contexts(files)
    offsets = {}
    for num in ids:
        h = context_hash(POPUP_PREFIX + str(num))
        if h not in contexts:
            raise HelpFileError("the help file lacks the topic %s%d" % (POPUP_PREFIX, num))
        offsets[num] = contexts[h]
    files["|CTXOMAP"] = context_map(offsets)
    return write_container(files), topics


def main(argv):
    if len(argv) not in (5, 6):
        sys.stderr.write(__doc__)
        return 2
    with open(argv[1], encoding="utf-8") as f:
        source = f.read()
    with open(argv[2], encoding="utf-8") as f:
        cpp_text = f.read()
    with open(argv[3], "rb") as f:
        hlp = f.read()
    try:
        out, topics = build(source, cpp_text, hlp)
    except HelpFileError as e:
        sys.stderr.write("%s: %s\n" % (argv[1], e))
        return 1
    with open(argv[4], "wb") as f:
        f.write(out)
    if len(argv) == 6:
        with open(argv[5], "w", encoding="utf-8", newline="\n") as f:
            for num in sorted(topics):
                f.write("%d\t%s\t%s\n" % (num, topics[num][0], topics[num][1]))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
