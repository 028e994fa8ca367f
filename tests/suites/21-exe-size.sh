#!/usr/bin/env bash
# The shipping programs stay within 200 KB each: a tray utility on a Windows 98
# machine with 32-64 MB runs all day. A program past the budget fails, and the
# largest contributors from its link map are printed to show where it grew.
. "$(dirname "$0")/lib.sh"
budget=204800
for name in Vidarix.exe Memtidy.exe; do
  exe="$BUILD/win32/bin/$name"
  if [ ! -f "$exe" ]; then
    echo "  FAIL $name: not built"
    SUITE_FAILED=$((SUITE_FAILED + 1)); continue
  fi
  size=$(stat -c %s "$exe")
  if [ "$size" -le "$budget" ]; then
    echo "  ok   $name: $size bytes ($((budget - size)) under the $budget-byte budget)"
    SUITE_PASSED=$((SUITE_PASSED + 1))
  else
    echo "  FAIL $name: $size bytes, $((size - budget)) over the $budget-byte budget"
    map="$BUILD/win32/maps/${name%.exe}.map"
    [ -f "$map" ] && python3 "$REPO/tools/map_summary.py" "$map" 15 | sed 's/^/       /'
    SUITE_FAILED=$((SUITE_FAILED + 1))
  fi
done
# Vidarix-sim.exe, the same program on the simulated adapter, is shown, not budgeted.
sim="$BUILD/win32/bin/Vidarix-sim.exe"
[ -f "$sim" ] && echo "  (Vidarix-sim.exe: $(stat -c %s "$sim") bytes, not budgeted)"
suite_end exe-size
