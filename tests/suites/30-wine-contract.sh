#!/usr/bin/env bash
# Contract tests of the platform seams against the real Win32 implementation.
. "$(dirname "$0")/lib.sh"
export TRAY_DISPLAY=${TRAY_DISPLAY:-:77}
mkdir -p "$BUILD/test-logs"
progs=$(ls "$BUILD"/win64-tests/bin/*_contract.exe 2>/dev/null)
[ -z "$progs" ] && { echo "wine-contract: 0 passed, 0 failed"; exit 0; }
wine_up
for t in $progs; do
  name=$(basename "$t" .exe)
  "$REPO/tools/wine/run.sh" 300 "$name" "$t" --gtest_brief=1
  log="$TRAY_WINE_LOG/$name.log"
  cp "$log" "$BUILD/test-logs/$name.log"
  grep -E '^\[  FAILED  \]|Failure' "$log" | head -n 40
  gtest_count "$log"
done
wine_down
suite_end wine-contract
