#!/usr/bin/env python3
"""Reads the DIALOG and DIALOGEX resources of .rc files and writes a C++
header listing, per dialog resource id, the control ids the dialog declares.
The host tests build their in-memory dialogs from it, so a dialog's logic is
always tested against the controls its .rc really has.

usage: rc_dialog_controls.py OUTPUT RESOURCE_H RC [RC...]
Ids may be names #defined in RESOURCE_H, the standard button ids or numbers;
static controls (-1, IDC_STATIC) hold no id. Exits 1 on an id it cannot
resolve or a dialog id used twice."""
import os
import re
import sys

# Button ids from the Windows headers, which the host build does not have.
STANDARD_IDS = {"IDOK": 1, "IDCANCEL": 2, "IDABORT": 3, "IDRETRY": 4, "IDIGNORE": 5,
                "IDYES": 6, "IDNO": 7, "IDCLOSE": 8, "IDHELP": 9, "IDC_STATIC": -1}
# Control statements whose first argument is the text and the second the id.
TEXT_FIRST = {"CONTROL", "PUSHBUTTON", "DEFPUSHBUTTON", "LTEXT", "RTEXT", "CTEXT", "GROUPBOX",
              "CHECKBOX", "AUTOCHECKBOX", "RADIOBUTTON", "AUTORADIOBUTTON", "STATE3",
              "AUTO3STATE", "PUSHBOX", "ICON"}
# Control statements whose first argument is the id.
ID_FIRST = {"EDITTEXT", "COMBOBOX", "LISTBOX", "SCROLLBAR"}
CONTROLS = TEXT_FIRST | ID_FIRST

TOKEN = re.compile(r'''
    (?P<space>[ \t\r]+)
  | (?P<newline>\n)
  | (?P<comment>//[^\n]*|/\*.*?\*/)
  | (?P<string>L?"(?:[^"\\\n]|\\.|"")*")
  | (?P<number>0[xX][0-9A-Fa-f]+[lL]?|[0-9]+[lL]?)
  | (?P<name>[A-Za-z_][A-Za-z0-9_]*)
  | (?P<punct>.)
''', re.VERBOSE | re.DOTALL)


class RcError(Exception):
    pass


def number(text):
    return int(text.rstrip("lL"), 0)


def read_defines(path):
    raw = {}
    with open(path, encoding="latin-1") as f:
        for line in f:
            m = re.match(r"\s*#\s*define\s+([A-Za-z_]\w*)\s+(.+?)\s*(?://.*|/\*.*)?$", line)
            if m:
                raw[m.group(1)] = m.group(2).strip().strip("()").strip()
    names = dict(STANDARD_IDS)
    for name in raw:
        value, seen = raw[name], {name}
        while value in raw and value not in seen:  # a name defined as another name
            seen.add(value)
            value = raw[value]
        try:
            names[name] = number(value) if not value.startswith("-") else -number(value[1:].strip())
        except ValueError:
            pass  # not a number (a string, an expression): not an id
    return names


def tokens(path):
    """(kind, text, line) for each token, preprocessor lines left out."""
    with open(path, encoding="latin-1") as f:
        text = f.read()
    # Drop preprocessor lines (with their continuations), keeping the line count.
    text = re.sub(r"(?m)^[ \t]*#(?:[^\n]*\\\n)*[^\n]*", lambda m: "\n" * m.group(0).count("\n"), text)
    line = 1
    out = []
    for m in TOKEN.finditer(text):
        kind = m.lastgroup
        if kind in ("name", "number", "string", "punct"):
            out.append((kind, m.group(kind), line))
        line += m.group(0).count("\n")
    return out


def resolve(arg, names, where):
    """The id an argument (a list of tokens) names."""
    texts = [t for _, t, _ in arg]
    sign = 1
    if texts[:1] == ["-"]:
        sign, texts = -1, texts[1:]
    if len(texts) == 1:
        if re.fullmatch(r"0[xX][0-9A-Fa-f]+[lL]?|[0-9]+[lL]?", texts[0]):
            return sign * number(texts[0])
        if texts[0] in names:
            return sign * names[texts[0]]
    raise RcError(f"{where}: cannot resolve control id {' '.join(t for _, t, _ in arg)}")


def split_args(statement):
    args, current = [], []
    for tok in statement:
        if tok[1] == ",":
            args.append(current)
            current = []
        else:
            current.append(tok)
    args.append(current)
    return args


def dialog_controls(body, names, path):
    """The control ids of a dialog body (the tokens between BEGIN and END)."""
    ids = []
    statements = []
    for tok in body:
        if tok[0] == "name" and tok[1] in CONTROLS:
            statements.append([tok])
        elif statements:
            statements[-1].append(tok)
    for st in statements:
        keyword, line = st[0][1], st[0][2]
        args = split_args(st[1:])
        index = 0 if keyword in ID_FIRST else 1
        if len(args) <= index or not args[index]:
            raise RcError(f"{path}:{line}: {keyword} without a control id")
        cid = resolve(args[index], names, f"{path}:{line}")
        if cid != -1 and cid not in ids:
            ids.append(cid)
    return ids


def read_dialogs(path, names):
    """[(dialog id, dialog name, line, control ids)] of one .rc file."""
    toks = tokens(path)
    dialogs = []
    i = 0
    depth = 0
    pending = None
    while i < len(toks):
        kind, text, line = toks[i]
        if text in ("BEGIN", "{"):
            if depth == 0 and pending:
                start = i + 1
                while i < len(toks) and toks[i][1] not in ("END", "}"):
                    i += 1
                if i == len(toks):
                    raise RcError(f"{path}:{line}: dialog {pending[1]} has no END")
                dialogs.append(pending + (dialog_controls(toks[start:i], names, path),))
                pending = None
            else:
                depth += 1
        elif text in ("END", "}"):
            depth = max(0, depth - 1)
        elif depth == 0 and text in ("DIALOG", "DIALOGEX") and i > 0:
            name_kind, name, _ = toks[i - 1]
            if name_kind == "number":
                did = number(name)
            elif name in names:
                did = names[name]
            else:
                raise RcError(f"{path}:{line}: dialog {name} has no numeric id")
            pending = (did, name, line)
        i += 1
    return dialogs


def header(dialogs):
    out = ["// Generated at build time from the dialog resources by tools/rc_dialog_controls.py.",
           "#pragma once",
           "",
           "namespace vdx {",
           "namespace rc {",
           "",
           "struct DialogControls {",
           "  int dialogId;",
           "  const char* name;",
           "  const int* controlIds;",
           "  int controlCount;",
           "};",
           ""]
    for did, name, source, ids in dialogs:
        out.append(f"// {name} ({source})")
        out.append(f"inline constexpr int kControlsOf{did}[] = {{{', '.join(str(c) for c in ids) or '0'}}};")
    out.append("")
    out.append("inline constexpr DialogControls kDialogs[] = {")
    for did, name, _, ids in dialogs:
        out.append(f'    {{{did}, "{name}", kControlsOf{did}, {len(ids)}}},')
    if not dialogs:
        out.append("    {0, \"\", nullptr, 0},")
    out.append("};")
    out.append(f"inline constexpr int kDialogCount = {len(dialogs)};")
    out += ["", "}  // namespace rc", "}  // namespace vdx", ""]
    return "\n".join(out)


def main(argv):
    if len(argv) < 4:
        print(__doc__)
        return 2
    output, resource_h, rcs = argv[1], argv[2], argv[3:]
    try:
        names = read_defines(resource_h)
        dialogs = []
        seen = {}
        for rc in sorted(rcs):
            for did, name, line, ids in read_dialogs(rc, names):
                where = f"{os.path.basename(rc)}:{line}"
                if did in seen:
                    raise RcError(f"{where}: dialog id {did} already used at {seen[did]}")
                seen[did] = where
                dialogs.append((did, name, os.path.basename(rc), ids))
    except RcError as e:
        print(f"rc_dialog_controls: {e}", file=sys.stderr)
        return 1
    text = header(sorted(dialogs))
    # Rewrite only on change, so the tests recompile only when a dialog did.
    if not os.path.exists(output) or open(output).read() != text:
        os.makedirs(os.path.dirname(os.path.abspath(output)), exist_ok=True)
        with open(output, "w") as f:
            f.write(text)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
