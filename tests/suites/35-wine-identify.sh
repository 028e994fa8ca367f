#!/usr/bin/env bash
# Adapter identification and clocks under Wine, on the provisioned Windows 98
# prefix, once for every simulated card.
. "$(dirname "$0")/lib.sh"
export TRAY_DISPLAY=${TRAY_DISPLAY:-:77}
exe=$BUILD/win64/bin/wine_identify.exe
if [ ! -f "$exe" ]; then
  echo "  wine_identify.exe not built ($exe)"
  echo "wine-identify: 0 passed, 1 failed"; exit 1
fi
presets="Savage4 Savage3D Savage4LT SavageMX-Toshiba SavageMX SavageIX-IBM Savage2000 SavageNB Unknown"
# The program and its card file in a folder of their own, so the card chosen
# here never reaches another suite's programs.
dir=$BUILD/wine-identify
mkdir -p "$dir" "$BUILD/test-logs"
cp -f "$exe" "$dir/"
wine_up
"$REPO/tools/wine/provision-vidarix.sh"
for p in $presets; do
  rm -f "$dir/VidarixSim.state"
  printf '[Card]\r\nPreset=%s\r\n' "$p" >"$dir/VidarixSim.ini"
  "$REPO/tools/wine/run.sh" 60 "wine-identify-$p" "$dir/wine_identify.exe" "$p"
  log="$TRAY_WINE_LOG/wine-identify-$p.log"
  cp "$log" "$BUILD/test-logs/"
  grep -E 'FAIL' "$log" | head -n 20
  plain_count "$log"
done
wine_down
suite_end wine-identify
