#!/usr/bin/env bash
# The shipping win32 programs must load on Windows 95/98.
. "$(dirname "$0")/lib.sh"
mkdir -p "$BUILD/test-logs"
log="$BUILD/test-logs/pe-audit.log"
exes=$(ls "$BUILD"/win32/bin/*.exe 2>/dev/null)
if [ -z "$exes" ]; then
  echo "pe-audit: 0 passed, 0 failed"; exit 0
fi
python3 "$REPO/tools/pe_audit.py" $exes >"$log" 2>&1
cat "$log"
plain_count "$log"
suite_end pe-audit
