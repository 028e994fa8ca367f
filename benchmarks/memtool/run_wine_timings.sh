#!/usr/bin/env bash
# Memtidy's costs under Wine, printed as figures (nothing here fails):
#   the monitor tick's CPU time (memtool_tick_timing.exe), and
#   CPU used while idling for SECONDS (default 60) against a bare Win32
#   program with a one-second timer, against the same program reading the
#   memory status each tick (the part no tidying removes), and against that
#   program also drawing Memtidy's icon each tick and handing it to the shell
#   only when the drawn pixels change (the floor with RAMIcon on; it counts the
#   changes), all four running side by side, RUNS times (default 3) for each
#   tray icon kind in ICONS (default "0 1": the resource icon, then the drawn
#   one; RAMIcon in HKCU\Software\Memtidy, put back afterwards).
# run_wine_timings.sh [SECONDS [RUNS [ICONS]]]
# Uses the worker's TRAY_BUILD_ROOT, TRAY_DISPLAY and TRAY_WINEPREFIX.
set -u
REPO=$(cd "$(dirname "$0")/../.." && pwd)
BUILD=${TRAY_BUILD_ROOT:-$REPO/build}
secs=${1:-60}
runs=${2:-3}
icons=${3:-0 1}
. "$REPO/tools/wine/env.sh"
bin="$BUILD/win64/bin"
"$REPO/tools/wine/xvfb.sh" start && "$REPO/tools/wine/prefix.sh" && "$REPO/tools/wine/server.sh" start

"$REPO/tools/wine/run.sh" 120 tick-timing "$bin/memtool_tick_timing.exe"
cat "$TRAY_WINE_LOG/tick-timing.log"

# The Windows process (not its time-out wrapper) running the program in this
# worker's prefix: other workers run the same programs at the same time.
pid_of() {
  local p
  for p in $(pgrep -f "$1"); do
    [ "$(cat /proc/$p/comm 2>/dev/null)" = timeout ] && continue
    tr '\0' '\n' <"/proc/$p/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX" || continue
    echo "$p"
    return
  done
}
# CPU nanoseconds (user + system) of all the process's threads; schedstat
# counts in nanoseconds where /proc/PID/stat counts in 10 ms ticks.
cpu_ns() {
  [ -z "$1" ] && { echo 0; return; }
  cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ s += $1 } END { printf "%.0f\n", s }'
}
reg_q() { timeout 30 "$WINE" reg query 'HKCU\Software\Memtidy' /v RAMIcon 2>/dev/null | tr -d '\r' | awk '/RAMIcon/ { print $3 }'; }
reg_set() { timeout 30 "$WINE" reg add 'HKCU\Software\Memtidy' /v RAMIcon /t REG_DWORD /d "$1" /f >/dev/null 2>&1; }

saved=$(reg_q)
ratios=$(mktemp)
for icon in $icons; do
  reg_set "$icon"
  for run in $(seq 1 "$runs"); do
    (cd "$bin" && timeout -k 5 $((secs + 20)) "$WINE" Memtidy.exe >"$TRAY_WINE_LOG/idle-memtidy.log" 2>&1 &)
    (cd "$bin" && timeout -k 5 $((secs + 20)) "$WINE" memtool_bare_timer.exe >"$TRAY_WINE_LOG/idle-bare.log" 2>&1 &)
    (cd "$bin" && timeout -k 5 $((secs + 20)) "$WINE" memtool_bare_timer.exe sample >"$TRAY_WINE_LOG/idle-sample.log" 2>&1 &)
    (cd "$bin" && timeout -k 5 $((secs + 20)) "$WINE" memtool_drawn_icon_timer.exe >"$TRAY_WINE_LOG/idle-drawn.log" 2>&1 &)
    sleep 5
    mp=$(pid_of 'Memtidy.exe'); bp=$(pid_of 'memtool_bare_timer.exe$'); sp=$(pid_of 'memtool_bare_timer.exe sample')
    dp=$(pid_of 'memtool_drawn_icon_timer.exe')
    counts0=$(tail -n 1 "$TRAY_WINE_LOG/idle-drawn.log")
    m0=$(cpu_ns "$mp"); b0=$(cpu_ns "$bp"); s0=$(cpu_ns "$sp"); d0=$(cpu_ns "$dp")
    sleep "$secs"
    m1=$(cpu_ns "$mp"); b1=$(cpu_ns "$bp"); s1=$(cpu_ns "$sp"); d1=$(cpu_ns "$dp")
    counts1=$(tail -n 1 "$TRAY_WINE_LOG/idle-drawn.log")
    awk -v m=$((m1 - m0)) -v b=$((b1 - b0)) -v p=$((s1 - s0)) -v d=$((d1 - d0)) -v s="$secs" -v icon="$icon" -v run="$run" 'BEGIN {
      printf "idle %d s, RAMIcon %d, run %d: Memtidy %.1f ms CPU, bare timer %.1f ms, bare timer + memory sample %.1f ms, + drawn icon %.1f ms", s, icon, run, m / 1e6, b / 1e6, p / 1e6, d / 1e6
      if (b > 0) printf "; ratio to bare %.2f", m / b
      if (p > 0) printf ", to bare + sample %.2f", m / p
      if (d > 0) printf ", to bare + sample + drawn icon %.2f", m / d
      printf "\n" }'
    awk -v m=$((m1 - m0)) -v p=$((s1 - s0)) -v icon="$icon" 'BEGIN { if (p > 0) printf "%d %.4f\n", icon, m / p }' >>"$ratios"
    # The drawn-icon program's counts over the measured seconds, per minute.
    echo "$counts0|$counts1" | awk -F'|' -v s="$secs" '{
      split($1, a, /[^0-9]+/); split($2, b, /[^0-9]+/)
      if (b[2] == "") { print "  drawn-icon program printed no counts"; exit }
      printf "  drawn icon, %d ticks: figure changes %d (%.1f/min), picture changes %d (%.1f/min), tip-only %d\n",
        b[2] - a[2], b[3] - a[3], (b[3] - a[3]) * 60 / s, b[4] - a[4], (b[4] - a[4]) * 60 / s, b[5] - a[5] }'
    timeout 20 "$WINE" taskkill /f /im Memtidy.exe >/dev/null 2>&1
    timeout 20 "$WINE" taskkill /f /im memtool_bare_timer.exe >/dev/null 2>&1
    timeout 20 "$WINE" taskkill /f /im memtool_drawn_icon_timer.exe >/dev/null 2>&1
    sleep 1
  done
done
# One run's ratio moves with whatever else the machine does; the median of
# the runs is the figure to compare with the goals.
for icon in $icons; do
  awk -v icon="$icon" '$1 == icon { r[++n] = $2 } END {
    if (!n) exit
    for (i = 1; i <= n; ++i) for (j = i + 1; j <= n; ++j) if (r[j] < r[i]) { t = r[i]; r[i] = r[j]; r[j] = t }
    med = n % 2 ? r[(n + 1) / 2] : (r[n / 2] + r[n / 2 + 1]) / 2
    printf "RAMIcon %d, %d runs: Memtidy to bare + sample, median %.2f (lowest %.2f, highest %.2f)\n", icon, n, med, r[1], r[n] }' "$ratios"
done
rm -f "$ratios"
if [ -n "$saved" ]; then reg_set $((saved)); else
  timeout 30 "$WINE" reg delete 'HKCU\Software\Memtidy' /v RAMIcon /f >/dev/null 2>&1
fi
