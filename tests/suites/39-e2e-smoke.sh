#!/usr/bin/env bash
# The end-to-end harness: Wine desktop, driver program, screenshots.
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/e2e-lib.sh"
mkdir -p "$BUILD/test-logs"
exe="$BUILD/win64/bin/smoke_e2e.exe"
[ -f "$exe" ] || { echo "e2e-smoke: 0 passed, 1 failed"; exit 1; }
wine_up
run_e2e "$exe"
wine_down
suite_end e2e-smoke
