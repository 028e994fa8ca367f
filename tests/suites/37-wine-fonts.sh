#!/usr/bin/env bash
# Every face the programs draw with resolves, in the test prefix, to itself
# or to the replacement tools/wine/faces.txt chose for it: a silent fallback
# would widen every caption past its layout.
. "$(dirname "$0")/lib.sh"
mkdir -p "$BUILD/test-logs"
exe=$BUILD/win64/bin/font_check.exe
if [ ! -f "$exe" ]; then
  echo "  font_check.exe not built ($exe)"
  echo "wine-fonts: 0 passed, 1 failed"; exit 1
fi
faces=()
while IFS='|' read -r face _ expected charset; do
  case $face in ''|'#'*) continue ;; esac
  faces+=("$face=$expected${charset:+=$charset}")
done <"$REPO/tools/wine/faces.txt"
wine_up
"$REPO/tools/wine/run.sh" 60 font-check "$exe" "${faces[@]}"
cp "$TRAY_WINE_LOG/font-check.log" "$BUILD/test-logs/font-check.log"
cat "$BUILD/test-logs/font-check.log"
plain_count "$BUILD/test-logs/font-check.log"
wine_down
suite_end wine-fonts
