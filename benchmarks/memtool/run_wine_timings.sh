#!/usr/bin/env bash
# Memtidy's costs under Wine, printed as figures (nothing here fails):
#   the monitor tick's CPU time (memtool_tick_timing.exe), and
#   CPU used while idling for SECONDS (default 60) against a bare Win32
#   program with a one-second timer, both running side by side.
# Uses the worker's TRAY_BUILD_ROOT, TRAY_DISPLAY and TRAY_WINEPREFIX.
set -u
REPO=$(cd "$(dirname "$0")/../.." && pwd)
BUILD=${TRAY_BUILD_ROOT:-$REPO/build}
secs=${1:-60}
. "$REPO/tools/wine/env.sh"
bin="$BUILD/win64/bin"
"$REPO/tools/wine/xvfb.sh" start && "$REPO/tools/wine/prefix.sh" && "$REPO/tools/wine/server.sh" start

"$REPO/tools/wine/run.sh" 120 tick-timing "$bin/memtool_tick_timing.exe"
cat "$TRAY_WINE_LOG/tick-timing.log"

# CPU ticks (user + system) of the process whose command line names the program.
cpu_of() {
  local pid
  pid=$(for p in $(pgrep -f "$1"); do [ "$(cat /proc/$p/comm 2>/dev/null)" != timeout ] && echo "$p"; done | head -n 1)
  [ -z "$pid" ] && { echo 0; return; }
  awk '{print $14 + $15}' "/proc/$pid/stat"
}
(cd "$bin" && timeout -k 5 $((secs + 20)) "$WINE" Memtidy.exe >"$TRAY_WINE_LOG/idle-memtidy.log" 2>&1 &)
(cd "$bin" && timeout -k 5 $((secs + 20)) "$WINE" memtool_bare_timer.exe >"$TRAY_WINE_LOG/idle-bare.log" 2>&1 &)
sleep 5
m0=$(cpu_of 'Memtidy.exe'); b0=$(cpu_of 'memtool_bare_timer.exe')
sleep "$secs"
m1=$(cpu_of 'Memtidy.exe'); b1=$(cpu_of 'memtool_bare_timer.exe')
hz=$(getconf CLK_TCK)
awk -v m=$((m1 - m0)) -v b=$((b1 - b0)) -v hz="$hz" -v s="$secs" 'BEGIN {
  printf "idle %d s: Memtidy %.0f ms CPU, bare timer program %.0f ms CPU", s, 1000 * m / hz, 1000 * b / hz
  if (b > 0) printf ", ratio %.1f", m / b
  printf "\n" }'
timeout 20 "$WINE" taskkill /f /im Memtidy.exe >/dev/null 2>&1
timeout 20 "$WINE" taskkill /f /im memtool_bare_timer.exe >/dev/null 2>&1
