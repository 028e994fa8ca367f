#!/usr/bin/env python3
"""Audits a shipping (win32) program for Windows 95/98: PE32 on i386, GUI
subsystem, OS and subsystem version 4.0, DllCharacteristics 0 (or the value a
reviewed exception names for that file), and imports
only by name from system DLLs whose Windows 98 SE export lists hold the name
and whose behavioural deny list does not (unless a reviewed exception says
why the program copes with the call failing there).

usage: pe_audit.py EXE [EXE...]   (export lists from tools/data/win98se,
                                   or the folder TRAY_WIN98_DATA names)
Prints what it checked for each EXE; a missing EXE is a failure. Exits 1 if
any EXE fails."""
import fnmatch
import json
import os
import struct
import sys

REPO = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DATA = os.environ.get("TRAY_WIN98_DATA") or os.path.join(REPO, "tools", "data", "win98se")
EXCEPTIONS = os.path.join(REPO, "tools", "pe_audit_exceptions.txt")


class Breach(Exception):
    pass


def load_lists():
    with open(os.path.join(DATA, "win98se-api-allowlist.json")) as f:
        allow = {dll.lower(): set(names) for dll, names in json.load(f)["dlls"].items()}
    with open(os.path.join(DATA, "win98-behavioral-denylist.json")) as f:
        deny = {dll.lower(): set(names) for dll, names in json.load(f)["denied_exports"].items()}
    excepted = {}
    with open(EXCEPTIONS) as f:
        for line in f:
            line = line.strip()
            if not line or line.startswith("#"):
                continue
            head, _, reason = line.partition("#")
            if not reason.strip():
                raise SystemExit(f"exception without a reason: {line}")
            words = head.split()
            if words[0] == "dllcharacteristics":
                # dllcharacteristics FILE-PATTERN VALUE: that value, and only it, is allowed.
                _, pattern, value = words
                excepted[("dllcharacteristics", pattern.lower())] = (int(value, 16), reason.strip())
                continue
            dll, name = words
            excepted[(dll.lower(), name)] = reason.strip()
    return allow, deny, excepted


def allowed_dllchar(path, excepted):
    """The DllCharacteristics a reviewed exception allows for this file, else 0."""
    base = os.path.basename(path).lower()
    for (kind, pattern), value in excepted.items():
        if kind == "dllcharacteristics" and fnmatch.fnmatch(base, pattern):
            return value
    return 0, None


def cstr(data, off):
    end = data.index(b"\0", off)
    return data[off:end].decode("ascii")


def audit(path, allow, deny, excepted):
    data = open(path, "rb").read()
    if data[:2] != b"MZ":
        raise Breach("not an MZ executable")
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    if data[pe:pe + 4] != b"PE\0\0":
        raise Breach("no PE signature")
    machine, nsect, _, _, _, optsize, _ = struct.unpack_from("<HHIIIHH", data, pe + 4)
    if machine != 0x14C:
        raise Breach(f"machine 0x{machine:x}, not i386")
    opt = pe + 24
    magic = struct.unpack_from("<H", data, opt)[0]
    if magic != 0x10B:
        raise Breach(f"optional header magic 0x{magic:x}, not PE32")
    os_ver = struct.unpack_from("<HH", data, opt + 40)
    sub_ver = struct.unpack_from("<HH", data, opt + 48)
    subsystem, dllchar = struct.unpack_from("<HH", data, opt + 68)
    print(f"  PE32 i386; OS version {os_ver[0]}.{os_ver[1]}; subsystem {subsystem} "
          f"version {sub_ver[0]}.{sub_ver[1]}; DllCharacteristics 0x{dllchar:x}")
    if os_ver != (4, 0):
        raise Breach(f"OS version {os_ver[0]}.{os_ver[1]}, not 4.0")
    if sub_ver != (4, 0):
        raise Breach(f"subsystem version {sub_ver[0]}.{sub_ver[1]}, not 4.0")
    if subsystem != 2:
        raise Breach(f"subsystem {subsystem}, not GUI (2)")
    allowed, why = allowed_dllchar(path, excepted)
    if dllchar != allowed:
        raise Breach(f"DllCharacteristics 0x{dllchar:x}, not 0x{allowed:x}")
    if why:
        print(f"    excepted DllCharacteristics 0x{allowed:x}: {why}")

    sections = []
    sect = opt + optsize
    for i in range(nsect):
        vsize, va, rawsize, rawptr = struct.unpack_from("<IIII", data, sect + 40 * i + 8)
        sections.append((va, max(vsize, rawsize), rawptr))

    def rva(r):
        for va, size, raw in sections:
            if va <= r < va + size:
                return r - va + raw
        raise Breach(f"RVA 0x{r:x} outside every section")

    ndirs = struct.unpack_from("<I", data, opt + 92)[0]
    imp_rva = struct.unpack_from("<I", data, opt + 104)[0] if ndirs > 1 else 0
    delay_rva = struct.unpack_from("<I", data, opt + 96 + 13 * 8)[0] if ndirs > 13 else 0
    if delay_rva:
        raise Breach("delay-load imports present")
    count = 0
    off = rva(imp_rva)
    while True:
        olt, _, _, name_rva, iat = struct.unpack_from("<IIIII", data, off)
        if name_rva == 0:
            break
        dll = cstr(data, rva(name_rva)).lower()
        if dll not in allow:
            raise Breach(f"imports from {dll}, which is not a Windows 98 system DLL")
        thunk = rva(olt or iat)
        names = []
        while True:
            t = struct.unpack_from("<I", data, thunk)[0]
            if t == 0:
                break
            if t & 0x80000000:
                raise Breach(f"{dll}: import by ordinal {t & 0xFFFF}")
            name = cstr(data, rva(t) + 2)
            if name not in allow[dll]:
                raise Breach(f"{dll}!{name} is not exported by Windows 98 SE")
            if name in deny.get(dll, ()):
                if (dll, name) not in excepted:
                    raise Breach(f"{dll}!{name} does nothing on Windows 98 (deny list)")
                print(f"    excepted {dll}!{name}: {excepted[(dll, name)]}")
            names.append(name)
            thunk += 4
        print(f"  {dll}: {len(names)} imports, all present on Windows 98 SE")
        count += len(names)
        off += 20
    print(f"  {count} imports checked")


def main():
    if len(sys.argv) < 2:
        print(__doc__)
        return 2
    allow, deny, excepted = load_lists()
    passed = failed = 0
    for exe in sys.argv[1:]:
        print(f"PE audit: {exe}")
        if not os.path.isfile(exe):
            # A program the build should have made and did not is a failure, not a skip.
            print(f"  MISSING: no such file")
            failed += 1
            continue
        try:
            audit(exe, allow, deny, excepted)
            print(f"  ok")
            passed += 1
        except Breach as e:
            print(f"  BREACH: {e}")
            failed += 1
    print(f"pe-audit: {passed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
