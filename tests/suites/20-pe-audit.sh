#!/usr/bin/env bash
# The shipping win32 programs, the setup program and the uninstaller it
# writes must exist and load on Windows 95/98.
. "$(dirname "$0")/lib.sh"
mkdir -p "$BUILD/test-logs"
log="$BUILD/test-logs/pe-audit.log"
# The programs the win32 build makes; one that is absent fails the audit.
expected="Vidarix.exe Vidarix-sim.exe Memtidy.exe"
exes=
for name in $expected; do exes="$exes $BUILD/win32/bin/$name"; done
# Any further program in bin/ ships too, so it is audited as well.
for exe in "$BUILD"/win32/bin/*.exe; do
  [ -f "$exe" ] || continue
  case " $expected " in *" $(basename "$exe") "*) ;; *) exes="$exes $exe" ;; esac
done
# The setup program carries the release version in its name.
setup=$(ls "$BUILD"/win32/release/*-setup.exe 2>/dev/null | head -n 1)
exes="$exes ${setup:-$BUILD/win32/release/Vidarix-Memtidy-setup.exe} $BUILD/win32/setup/uninstall.exe"
python3 "$REPO/tools/pe_audit.py" $exes >"$log" 2>&1
cat "$log"
plain_count "$log"

# Libraries a program at rest must not hold: they load at their first use.
# comdlg32 brings the print spooler with it, winmm its sound drivers.
deferred() {
  local exe=$BUILD/win32/bin/$1 dll imports
  shift
  imports=$(x86_64-w64-mingw32-objdump -p "$exe" 2>/dev/null | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z')
  for dll in "$@"; do
    if [ -z "$imports" ] || echo "$imports" | grep -qx "$dll"; then
      echo "  FAIL $(basename "$exe") imports $dll at load"; SUITE_FAILED=$((SUITE_FAILED + 1))
    else
      echo "  ok   $(basename "$exe") loads $dll on first use"; SUITE_PASSED=$((SUITE_PASSED + 1))
    fi
  done
}
deferred Memtidy.exe comdlg32.dll winmm.dll
deferred Vidarix.exe comdlg32.dll comctl32.dll
suite_end pe-audit
