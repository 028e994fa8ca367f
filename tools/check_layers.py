#!/usr/bin/env python3
"""Holds both programs' include graphs to their layer order and their product
code to holding no mutable state of its own:

- a file may include its own folder and the layers below it, never a layer
  above it nor a peer on its own level, so the portable logic can be built and
  tested from the bottom up (quoted and angle includes alike);
- a win32/ folder is a boundary: only code in one includes the Windows headers,
  and portable code never includes a header from one;
- no namespace-scope variable and no static (function-local or member) that is
  not const or constexpr: the program context is passed down instead.

usage: check_layers.py [--order] [--self-test] [REPO]
  --order      print Vidarix's order as one line (the README quotes it) and exit
  --self-test  plant a breach of each rule in a temporary tree and expect each
               to fail; prints "layers self-test: N passed, N failed"
  REPO         the repository to check (default: the one holding this script)
Prints "file:line: what" for each breach, then "layers: N passed, N failed"
counting files; exits 1 on any breach."""
import os
import re
import shutil
import sys
import tempfile

# Vidarix's order, lowest first. Folders on one row are peers: neither may
# include the other.
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

# Memtidy's folders (paths below memtool/, longest first) and what each may
# include: the seam's interfaces below the portable logic, the seam's Win32
# implementation beside the logic, and the front end on top.
MEMTOOL = [
    ("platform/win32", ["platform"]),
    ("platform", []),
    ("win32", ["platform", "platform/win32", "logic", "resources"]),
    ("resources", []),
    ("", ["platform"]),  # the portable logic, called "logic" below
]

# Product code never reaches into these, nor into the other program.
FOREIGN = ["tests", "tools", "fuzz", "benchmarks"]
PROGRAMS = ["tweaker", "memtool"]

SOURCE_SUFFIXES = (".h", ".hpp", ".cpp", ".c", ".rc", ".inc")
CODE_SUFFIXES = (".h", ".hpp", ".cpp", ".c", ".inc")
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^">]+)[">]')
# The Windows SDK headers the programs use, and their kin.
WINDOWS_HEADER = re.compile(
    r"^(windows|windowsx|commctrl|commdlg|shellapi|shlobj|shlwapi|mmsystem|objbase|ole2|"
    r"win[a-z0-9]*|richedit|prsht|tlhelp32|psapi|dbghelp)\.h$", re.IGNORECASE)


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


def is_win32(rel):
    return "win32" in rel.split("/")[:-1]


def layer_of(path):
    """(program, layer) of a repository path; layer None for a file directly
    in tweaker/. Vidarix's win32/ subfolders share their folder's layer; the
    boundary rules treat them apart."""
    parts = path.split("/")
    prog = parts[0]
    rel = "/".join(parts[1:])
    if prog == "tweaker":
        return prog, (parts[1] if len(parts) > 2 else None)
    if prog == "memtool":
        folder = "/".join(parts[1:-1])
        for name, _ in MEMTOOL:
            if folder == name or (name and folder.startswith(name + "/")):
                return prog, name or "logic"
        return prog, None
    return prog, rel


def may_include(prog, src, dst_prog, dst):
    if dst_prog != prog:
        return False
    if prog == "memtool":
        if src == dst:
            return True
        allowed = dict((name or "logic", below) for name, below in MEMTOOL)
        return dst in allowed.get(src, [])
    if src == dst or dst == SHARED:
        return True
    if src == SHARED or src is None:
        return src is None
    if src in BESIDE:
        return dst in BESIDE[src]
    s, d = level_of(src), level_of(dst)
    return s is not None and d is not None and d < s


def target_of(inc, here):
    """The repository path an include names, or None for one outside the
    repository (system headers, the C++ library)."""
    if inc == "resource.h" or inc.endswith("/resource.h"):
        return "tweaker/resources/resource.h"
    head = inc.split("/")[0]
    if head in PROGRAMS or head in FOREIGN:
        return inc
    local = os.path.normpath(os.path.join(here, inc)).replace(os.sep, "/")
    if local.split("/")[0] in PROGRAMS and os.path.exists(local):
        return local
    return None


def known(prog, layer):
    if prog == "memtool":
        return layer is not None
    return layer is None or layer == SHARED or layer in BESIDE or level_of(layer) is not None


def include_breaches(path, text):
    prog, src = layer_of(path)
    here = os.path.dirname(path)
    src_win32 = is_win32(path)
    found = []
    for number, line in enumerate(text.splitlines(), 1):
        m = INCLUDE.match(line)
        if not m:
            continue
        inc = m.group(2)
        if WINDOWS_HEADER.match(inc):
            if not src_win32 and not path.endswith(".rc"):
                found.append(f"{path}:{number}: portable code includes {inc}")
            continue
        dst_path = target_of(inc, here)
        if dst_path is None:
            continue
        dst_prog, dst = layer_of(dst_path)
        if dst_prog in FOREIGN or dst_prog != prog:
            found.append(f"{path}:{number}: {prog} includes {dst_prog} ({inc})")
        elif is_win32(dst_path) and not src_win32:
            found.append(f"{path}:{number}: portable code includes a win32 header ({inc})")
        elif not may_include(prog, src, dst_prog, dst):
            found.append(f"{path}:{number}: {src or prog} includes {dst} ({inc})")
    return found


# --- mutable state ---------------------------------------------------------

def strip_code(text):
    """The text with comments, string and character literals and preprocessor
    lines blanked out; newlines are kept so line numbers hold."""
    out = []
    i, n = 0, len(text)
    line_start = True
    while i < n:
        c = text[i]
        if line_start and c in " \t":
            out.append(c)
            i += 1
            continue
        if line_start and c == "#":
            # A directive runs to the end of the line and its continuations.
            while i < n and text[i] != "\n":
                if text[i] == "\\" and i + 1 < n and text[i + 1] == "\n":
                    out.append("\n")
                    i += 2
                    continue
                i += 1
            continue
        line_start = False
        if c == "\n":
            line_start = True
            out.append(c)
            i += 1
        elif text.startswith("//", i):
            while i < n and text[i] != "\n":
                i += 1
        elif text.startswith("/*", i):
            end = text.find("*/", i + 2)
            end = n if end < 0 else end + 2
            out.append("\n" * text.count("\n", i, end))
            i = end
        elif c == "R" and i + 1 < n and text[i + 1] == '"' and (i == 0 or not (text[i - 1].isalnum() or text[i - 1] == "_")):
            open_paren = text.find("(", i + 2)
            delim = text[i + 2:open_paren]
            end = text.find(")" + delim + '"', open_paren)
            end = n if end < 0 else end + len(delim) + 2
            out.append('""' + "\n" * text.count("\n", i, end))
            i = end
        elif c in "\"'":
            j = i + 1
            while j < n and text[j] != c and text[j] != "\n":
                j += 2 if text[j] == "\\" else 1
            out.append(c + c)
            i = j + 1
        else:
            out.append(c)
            i += 1
    return "".join(out)


CONST = re.compile(r"\b(const|constexpr|constinit)\b")
NOT_A_VARIABLE = re.compile(
    r"^(using|typedef|template|static_assert|namespace|friend|enum|class|struct|union|"
    r"public|private|protected|return|extern\s*\"\")\b")
STATIC = re.compile(r"^(?:(?:inline|thread_local)\s+)*static\b")


def top_level(text, stop):
    """The part of `text` before the first `stop` character outside brackets."""
    depth = 0
    for i, c in enumerate(text):
        if c in "([<":
            depth += 1
        elif c in ")]>":
            depth -= 1
        elif c in stop and depth <= 0:
            return text[:i]
    return text


def is_mutable_variable(stmt):
    """Whether a statement (without its `;`) defines or declares a variable
    that is neither const nor constexpr."""
    stmt = " ".join(stmt.split())
    stmt = re.sub(r"^(?:(?:public|private|protected)\s*:\s*)+", "", stmt)
    if not stmt or NOT_A_VARIABLE.match(stmt) or stmt.startswith("[[") or re.search(r"\boperator\b", stmt):
        return False
    head = top_level(stmt, "={")
    if "(" in head:
        return False  # a function, or a variable whose constructor runs: left to review
    if not re.search(r"[A-Za-z_]\w*\s*(\[[^\]]*\]\s*)*$", head):
        return False
    return not CONST.search(head)


def brace_kind(stmt, scope):
    """What a `{` opens, from the statement text before it and the scope it
    stands in."""
    s = " ".join(stmt.split())
    s = re.sub(r"^(?:(?:public|private|protected)\s*:\s*)+", "", s)
    if scope == "block":
        # Inside a function only a static's initialiser matters.
        return "init" if STATIC.match(s) and not s.endswith(")") else "block"
    if re.match(r"^(inline\s+)?namespace\b", s) or re.match(r'^extern\s*""$', s):
        return "namespace"
    if re.match(r"^(template\s*<.*>\s*)?(typedef\s+)?(class|struct|union|enum)\b", s) and "=" not in s:
        return "class"
    if s.endswith("=") or s.endswith("]") or s.endswith("return"):
        return "init"
    if "(" in s or ")" in s or not s:
        return "block"
    return "init"  # `Type name{...}`


def state_breaches(path, text):
    """Namespace-scope variables and statics that are not const."""
    code = strip_code(text)
    found = []
    scopes = ["namespace"]  # what each open brace is
    stmt = []               # the statement being read at the current scope
    stmt_line = 1
    line = 1
    init_depth = 0          # braces inside an initializer being skipped

    def flush(end_line):
        s = "".join(stmt).strip()
        scope = scopes[-1]
        if scope == "namespace" and is_mutable_variable(s):
            found.append(f"{path}:{stmt_line}: mutable namespace-scope state: {' '.join(s.split())[:80]}")
        elif scope in ("class", "block"):
            flat = " ".join(s.split())
            flat = re.sub(r"^(?:(?:public|private|protected)\s*:\s*)+", "", flat)
            if STATIC.match(flat) and is_mutable_variable(STATIC.sub("", flat).strip()):
                what = "static member" if scope == "class" else "function-local static"
                found.append(f"{path}:{stmt_line}: mutable {what}: {flat[:80]}")

    for c in code:
        if c == "\n":
            line += 1
        if init_depth:
            if c == "{":
                init_depth += 1
            elif c == "}":
                init_depth -= 1
            stmt.append(c if c != "\n" else " ")
            continue
        if not "".join(stmt).strip():
            stmt_line = line
        if c == "{":
            kind = brace_kind("".join(stmt), scopes[-1])
            if kind == "init":
                init_depth = 1
                stmt.append(c)
                continue
            scopes.append(kind)
            stmt = []
        elif c == "}":
            if len(scopes) > 1:
                scopes.pop()
            stmt = []
        elif c == ";":
            flush(line)
            stmt = []
        elif c == ":" and scopes[-1] == "class" and re.match(r"^\s*(public|private|protected)\s*$", "".join(stmt)):
            stmt = []
        else:
            stmt.append(c if c != "\n" else " ")
    return found


# --- the walk ----------------------------------------------------------------

def check(repo):
    breaches = []
    passed = failed = 0
    here = os.getcwd()
    os.chdir(repo)
    try:
        for prog in PROGRAMS:
            for root, dirs, files in os.walk(prog):
                dirs.sort()
                for name in sorted(files):
                    if not name.endswith(SOURCE_SUFFIXES):
                        continue
                    path = os.path.join(root, name).replace(os.sep, "/")
                    p, layer = layer_of(path)
                    found = []
                    if not known(p, layer):
                        found.append(f"{path}:1: folder {layer} has no layer (add it to the table in tools/check_layers.py)")
                    else:
                        with open(path, encoding="latin-1") as f:
                            text = f.read()
                        found += include_breaches(path, text)
                        if name.endswith(CODE_SUFFIXES):
                            found += state_breaches(path, text)
                    if found:
                        failed += 1
                        breaches.extend(found)
                    else:
                        passed += 1
    finally:
        os.chdir(here)
    return breaches, passed, failed


# --- self-test -----------------------------------------------------------------

CLEAN = {
    "tweaker/platform/registry.h": "#pragma once\n#include <cstdint>\nstruct Registry { virtual ~Registry() = default; };\n",
    "tweaker/platform/win32/win32_registry.cpp":
        '#include <windows.h>\n#include "tweaker/platform/registry.h"\n'
        "namespace vdx {\nnamespace {\nconstexpr int kTries = 3;\n}\n"
        "int tries() { static const int k = kTries; return k; }\n}\n",
    "tweaker/common/text.h": '#pragma once\n#include "tweaker/platform/registry.h"\n'
        "namespace vdx {\nextern const char* const kNames[];\nstruct Row { static constexpr int kSize = 2; int f(); };\n"
        "int count(int a, int b);\ntemplate <class T> T twice(T t) { return t + t; }\n}\n",
    "tweaker/common/text.cpp": '#include "tweaker/common/text.h"\n#include "../resources/command_ids.h"\n'
        'namespace vdx {\nconst char* const kNames[] = {"a", "b"};\nconst Row kRows[] = {{}, {}};\n'
        "int count(int a, int b) { int n = a; for (int i = 0; i < b; ++i) { n += i; } return n; }\n"
        'int Row::f() { auto g = [](int x) { return x; }; const char* s = "static int x;"; return g(*s); }\n}\n',
    "tweaker/shell/win32/main_window.cpp": '#include <windows.h>\n#include <commctrl.h>\n'
        '#include "tweaker/platform/win32/win32_registry.h"\n#include <tweaker/common/text.h>\n',
    "tweaker/platform/win32/win32_registry.h": "#pragma once\n",
    "tweaker/resources/command_ids.h": "#define IDM_EXIT 30007\n",
    "tweaker/resources/menu.rc": "#include <windows.h>\n#include \"command_ids.h\"\n",
    "memtool/platform/memory.h": "#pragma once\nstruct Memory {};\n",
    "memtool/platform/win32/memory_win32.cpp": '#include <windows.h>\n#include "memtool/platform/memory.h"\n',
    "memtool/monitor.cpp": '#include "memtool/platform/memory.h"\n#include "memtool/monitor.h"\n',
    "memtool/monitor.h": "#pragma once\n",
    "memtool/win32/main.cpp": '#include <windows.h>\n#include "memtool/monitor.h"\n'
        '#include "memtool/platform/win32/memory_win32.h"\n',
    "memtool/platform/win32/memory_win32.h": "#pragma once\n",
}

# One breach of each rule: (what, file, text appended to it or its whole text).
BREACHES = [
    ("a layer includes one above it", "tweaker/common/up.cpp", '#include "tweaker/shell/program.h"\n'),
    ("an angle include points up", "tweaker/common/up2.cpp", "#include <tweaker/shell/program.h>\n"),
    ("peers include each other", "tweaker/display/peer.cpp", '#include "tweaker/schemes/scheme_file.h"\n'),
    ("a relative include points up", "tweaker/platform/rel.cpp", '#include "../common/text.h"\n'),
    ("portable code includes windows.h", "tweaker/common/win.cpp", "#include <windows.h>\n"),
    ("portable code includes a win32 header", "tweaker/shell/seam.cpp",
     '#include "tweaker/platform/win32/win32_registry.h"\n'),
    ("the resources include a layer", "tweaker/resources/ids.h", '#include "tweaker/common/text.h"\n'),
    ("product code includes a test", "tweaker/common/t.cpp", '#include "tests/fakes/tweaker/fake.h"\n'),
    ("one program includes the other", "memtool/x.cpp", '#include "tweaker/common/text.h"\n'),
    ("a folder without a layer", "tweaker/extra/x.cpp", "int f();\n"),
    ("memtool's seam includes its logic", "memtool/platform/surface.h", '#include "memtool/monitor.h"\n'),
    ("memtool's seam implementation includes its logic", "memtool/platform/win32/dialog_win32.cpp",
     '#include <windows.h>\n#include "memtool/monitor.h"\n'),
    ("memtool's logic includes its front end", "memtool/form.cpp", '#include "memtool/win32/form_window.h"\n'),
    ("memtool's logic includes windows.h", "memtool/tray.cpp", "#include <windows.h>\n"),
    ("a mutable global", "tweaker/common/g.cpp", "namespace vdx {\nint counter = 0;\n}\n"),
    ("a mutable global without initialiser", "memtool/g.cpp", "namespace {\nchar buffer[64];\n}\n"),
    ("a mutable global table", "tweaker/common/t2.cpp", "namespace vdx {\nRow rows[] = {{1}, {2}};\n}\n"),
    ("a mutable pointer global", "tweaker/ui/p.cpp", "char* text = nullptr;\n"),
    ("a function-local static", "tweaker/common/s.cpp", "int f() { static int calls = 0; return ++calls; }\n"),
    ("a nested function-local static", "memtool/s.cpp",
     "void f(int a) { if (a) { for (;;) { static bool once; once = true; } } }\n"),
    ("a static behind an else", "tweaker/common/e.cpp",
     "int f(int a) { if (a) { return 1; } else { static int n[] = {1, 2}; return n[0]; } }\n"),
    ("a mutable static member", "tweaker/common/m.h", "struct M {\n public:\n  static int instances;\n};\n"),
    ("a mutable static in a win32 file", "tweaker/shell/win32/w.cpp",
     "#include <windows.h>\nLRESULT f() { static UINT taskbarCreated = 0; return taskbarCreated; }\n"),
]


def write_tree(base, files):
    for rel, text in files.items():
        path = os.path.join(base, rel)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "a") as f:
            f.write(text)


def self_test():
    passed = failed = 0

    def expect(ok, what):
        nonlocal passed, failed
        if ok:
            passed += 1
        else:
            failed += 1
            print(f"self-test: {what}")

    with tempfile.TemporaryDirectory() as tmp:
        clean = os.path.join(tmp, "clean")
        write_tree(clean, CLEAN)
        breaches, _, bad = check(clean)
        expect(bad == 0, "the clean tree fails: " + "; ".join(breaches))
        for what, rel, text in BREACHES:
            tree = os.path.join(tmp, "breach")
            shutil.rmtree(tree, ignore_errors=True)
            write_tree(tree, CLEAN)
            write_tree(tree, {rel: text})
            breaches, _, bad = check(tree)
            named = [b for b in breaches if b.startswith(rel + ":")]
            expect(bad == 1 and named, f"{what} ({rel}) passes: {breaches}")
    print(f"layers self-test: {passed} passed, {failed} failed")
    return 1 if failed else 0


def main(argv):
    args = argv[1:]
    if "--order" in args:
        print(order_line())
        return 0
    if "--self-test" in args:
        return self_test()
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
