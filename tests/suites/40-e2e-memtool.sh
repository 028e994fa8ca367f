#!/usr/bin/env bash
# Memtidy under Wine, as the NT family and as Windows 98: start-up, the
# window from the tray, Apply and Cancel, the drawn tray icon; screenshots
# of every tab and of the tray in build/screenshots/memtidy-*.png.
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/e2e-lib.sh"
mkdir -p "$BUILD/test-logs"
driver="$BUILD/win64/bin/memtool_e2e.exe"
exe="$BUILD/win64/bin/Memtidy.exe"
if [ ! -f "$driver" ] || [ ! -f "$exe" ]; then echo "e2e-memtool: 0 passed, 1 failed"; exit 1; fi
wine_up
for mode in nt40 win98; do
  echo "== Memtidy as $mode"
  "$REPO/tools/wine/winver.sh" Memtidy.exe "$mode"
  run_e2e "$driver" --exe="$(winepath_of "$exe")" --mode="$mode"
  # A Memtidy left behind by a failed run must not meet the next one.
  "$REPO/tools/wine/run.sh" 20 taskkill-memtidy taskkill /f /im Memtidy.exe >/dev/null 2>&1
done
wine_down
suite_end e2e-memtool
