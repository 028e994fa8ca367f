#!/usr/bin/env bash
# Memtidy's tray menu, Cache tab and description panel under Wine, as
# Windows 98 and as NT 4; screenshots in build/screenshots/memtidy-*.png.
# The driver runs in a mount namespace whose /proc/meminfo reports 20 MB
# available, so the tray's "Free up" recovery (amount + free memory) stays
# small instead of writing gigabytes on a big test machine.
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/e2e-lib.sh"
mkdir -p "$BUILD/test-logs"
driver="$BUILD/win64/bin/memtidy_tray_e2e.exe"
exe="$BUILD/win64/bin/Memtidy.exe"
if [ ! -f "$driver" ] || [ ! -f "$exe" ]; then echo "e2e-memtool-tray: 0 passed, 1 failed"; exit 1; fi
wine_up

meminfo="$BUILD/test-logs/memtidy-meminfo"
printf '%s\n' 'MemTotal:          65536 kB' 'MemFree:           20480 kB' 'MemAvailable:      20480 kB' \
  'Buffers:               0 kB' 'Cached:                0 kB' 'SwapCached:            0 kB' \
  'SwapTotal:        131072 kB' 'SwapFree:         100000 kB' >"$meminfo"
if ! unshare -m sh -c 'mount --bind "$0" /proc/meminfo' "$meminfo" 2>/dev/null; then
  echo "  cannot give the driver a small /proc/meminfo (unshare -m): not running it"
  echo "e2e-memtool-tray: 0 passed, 1 failed"; exit 1
fi

# The prefix's own SYSTEM.INI comes back after the run.
sysini="$WINEPREFIX/drive_c/windows/system.ini"
backup="$BUILD/test-logs/system.ini.before-memtidy-tray"
cp "$sysini" "$backup" 2>/dev/null

shots="$BUILD/screenshots"
mkdir -p "$shots"
export TRAY_SCREENSHOTS
TRAY_SCREENSHOTS=$(winepath_of "$shots")
for mode in win98 nt40; do
  echo "== Memtidy tray as $mode"
  "$REPO/tools/wine/winver.sh" Memtidy.exe "$mode"
  name=memtidy_tray_e2e-$mode
  unshare -m sh -c 'mount --bind "$0" /proc/meminfo && exec "$@"' "$meminfo" \
    "$REPO/tools/wine/run.sh" 600 "$name" "$driver" --exe="$(winepath_of "$exe")" --mode="$mode" \
    --meminfo="$(winepath_of "$meminfo")"
  [ $? -eq 124 ] && echo "  $name timed out"
  cp "$TRAY_WINE_LOG/$name.log" "$BUILD/test-logs/$name.log"
  cat "$BUILD/test-logs/$name.log"
  plain_count "$BUILD/test-logs/$name.log"
  "$REPO/tools/wine/run.sh" 20 taskkill-memtidy taskkill /f /im Memtidy.exe >/dev/null 2>&1
done
for b in "$shots"/*.bmp; do
  [ -f "$b" ] || continue
  convert "$b" "${b%.bmp}.png" 2>/dev/null && rm -f "$b"
done
[ -f "$backup" ] && cp "$backup" "$sysini"
wine_down
suite_end e2e-memtool-tray
