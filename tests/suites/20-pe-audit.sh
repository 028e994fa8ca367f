#!/usr/bin/env bash
# The shipping win32 programs, the setup program and the uninstaller it
# writes must load on Windows 95/98.
. "$(dirname "$0")/lib.sh"
mkdir -p "$BUILD/test-logs"
log="$BUILD/test-logs/pe-audit.log"
exes=$(ls "$BUILD"/win32/bin/*.exe "$BUILD"/win32/release/*-setup.exe "$BUILD"/win32/setup/uninstall.exe 2>/dev/null)
if [ -z "$exes" ]; then
  echo "pe-audit: 0 passed, 0 failed"; exit 0
fi
python3 "$REPO/tools/pe_audit.py" $exes >"$log" 2>&1
cat "$log"
plain_count "$log"
# The release holds the setup program and its uninstaller, or the build
# lost the installer without anyone noticing.
for f in "$BUILD"/win32/release/Vidarix-Memtidy-*-setup.exe "$BUILD"/win32/setup/uninstall.exe; do
  if [ -f "$f" ]; then SUITE_PASSED=$((SUITE_PASSED + 1)); else
    echo "  missing: $f"; SUITE_FAILED=$((SUITE_FAILED + 1)); fi
done
suite_end pe-audit
