#!/usr/bin/env bash
# What Memtidy and Vidarix-sim hold at rest under Wine, printed as figures
# (nothing here fails): each started side by side with the bare tray program
# of benchmarks/tweaker (built the same way), idle for SECONDS (default 60),
# then measured by resident_probe.exe; then every window and dialog is
# opened and closed once and the figures are taken again, and once more
# after a second round. RUNS times
# (default 3), ending with the medians of the ratios.
# run_wine_resident.sh [SECONDS [RUNS]]
# Uses the worker's TRAY_BUILD_ROOT, TRAY_DISPLAY and TRAY_WINEPREFIX.
set -u
REPO=$(cd "$(dirname "$0")/../.." && pwd)
BUILD=${TRAY_BUILD_ROOT:-$REPO/build}
case $BUILD in /*) ;; *) BUILD=$REPO/$BUILD ;; esac
secs=${1:-60}
runs=${2:-3}
. "$REPO/tools/wine/env.sh"
bin="$BUILD/win64/bin"
"$REPO/tools/wine/xvfb.sh" start && "$REPO/tools/wine/prefix.sh" && "$REPO/tools/wine/server.sh" start
"$REPO/tools/wine/provision-vidarix.sh" >"$TRAY_WINE_LOG/provision-vidarix.log" 2>&1
for exe in Vidarix-sim.exe Memtidy.exe vidarix_bare_tray.exe; do "$REPO/tools/wine/winver.sh" "$exe" win98; done
timeout 30 "$WINE" reg add 'HKLM\Software\Tessaly\Vidarix' /v FirstRun /t REG_SZ /d off /f >/dev/null 2>&1
for exe in Vidarix-sim.exe Memtidy.exe vidarix_bare_tray.exe; do timeout 20 "$WINE" taskkill /f /im "$exe" >/dev/null 2>&1; done

winpath() { echo "Z:$1" | tr '/' '\\'; }
# The Wine process running a program in this worker's prefix (other workers
# run the same programs at the same time).
# Matched by process name (Wine names the process after its exe, cut to 15
# characters), not by command line, which the scripts' own lines share.
pid_of() {
  local p
  for p in $(pgrep -x "${1:0:15}"); do
    tr '\0' '\n' <"/proc/$p/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX" || continue
    echo "$p"
    return
  done
}
# Wine 8.0 answers PrivateUsage 0 for another process, so private bytes are
# read where Wine itself would take them: the anonymous resident memory and
# swap of the Linux process (RssAnon + VmSwap); VmRSS is the working set
# GetProcessMemoryInfo reports. Then where the resident bytes lie: anonymous
# memory, and the largest mapped files (Wine's DLLs), from smaps.
linux_side() {
  local when=$1 exe p
  for exe in vidarix_bare_tray.exe Memtidy.exe Vidarix-sim.exe; do
    p=$(pid_of "$exe")
    [ -z "$p" ] && { echo "$when $exe: no process"; continue; }
    awk -v w="$when" -v e="$exe" '/^RssAnon:/ { a = $2 } /^VmSwap:/ { s = $2 } /^VmRSS:/ { r = $2 }
      END { printf "linux %s %s: private %d KB, working set %d KB\n", w, e, a + s, r }' "/proc/$p/status"
    awk '/^[0-9a-f]+-[0-9a-f]+ / { name = NF >= 6 ? $6 : "[anonymous]"; sub(/.*\//, "", name) }
      /^Rss:/ { rss[name] += $2 }
      END { for (n in rss) if (rss[n] >= 256) printf "%d %s\n", rss[n], n }' "/proc/$p/smaps" |
      sort -rn | head -n 8 | awk -v e="$exe" 'BEGIN { printf "  %s resident by mapping (KB):", e } { printf " %s %d,", $2, $1 } END { printf "\n" }'
  done
}
all=$(mktemp)
for run in $(seq 1 "$runs"); do
  echo "run $run (load average $(cut -d' ' -f1-3 /proc/loadavg))"
  log="$TRAY_WINE_LOG/resident.log"
  : >"$log"
  linux=$(mktemp)
  ( for when in idle after again; do
      for _ in $(seq 1 $(( (secs + 180) * 4 ))); do grep -q -- "-- $when measured" "$log" && break; sleep 0.25; done
      linux_side "$when" >>"$linux"
    done ) &
  watcher=$!
  "$REPO/tools/wine/run.sh" $((secs + 180)) resident "$bin/resident_probe.exe" "$secs" \
    "$(winpath "$bin/vidarix_bare_tray.exe")" "$(winpath "$bin/Memtidy.exe")" "$(winpath "$bin/Vidarix-sim.exe")"
  wait "$watcher"
  tr -d '\r' <"$log" | grep -v '^-- ' | tee -a "$all"
  tee -a "$all" <"$linux"
  rm -f "$linux"
done
# Medians over the runs of each program's figures (the probe's lines and the
# Linux side), then their ratios and differences to the bare program's.
awk '
  function median(list,   n, a, i, j, t) {
    n = split(list, a, " ")
    for (i = 1; i <= n; ++i) for (j = i + 1; j <= n; ++j) if (a[j] + 0 < a[i] + 0) { t = a[i]; a[i] = a[j]; a[j] = t }
    return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
  }
  function field(pattern, skip) { return match($0, pattern) ? substr($0, RSTART + skip, RLENGTH - skip) + 0 : -1 }
  /^(idle|after) [^ ]+: private/ {
    key = $1 " " $2; sub(":", "", key)
    ws[key] = ws[key] " " field("working set [0-9]+", 12)
    gdi[key] = gdi[key] " " field("GDI [0-9]+", 4)
    user[key] = user[key] " " field("USER [0-9]+", 5)
  }
  /^linux / { key = $2 " " $3; sub(":", "", key); lp[key] = lp[key] " " field("private [0-9]+", 8) }
  END {
    bare = "vidarix_bare_tray.exe"
    bp = median(lp["idle " bare]); bw = median(ws["idle " bare]); bg = median(gdi["idle " bare]); bu = median(user["idle " bare])
    n = split("Memtidy.exe Vidarix-sim.exe", progs, " ")
    for (k = 1; k <= n; ++k) {
      e = progs[k]
      ip = median(lp["idle " e]); iw = median(ws["idle " e]); ap = median(lp["after " e]); aw = median(ws["after " e])
      rp = median(lp["again " e])
      if (bp <= 0 || bw <= 0 || ip <= 0 || iw <= 0) { printf "%s: no figures\n", e; continue }
      printf "%s, medians: private %.2fx bare (+%d KB), working set %.2fx bare (+%d KB), GDI bare%+d, USER bare%+d; after every window once private %+.1f%%, working set %+.1f%%, GDI %+d of idle; a second round private %+.1f%% of the first\n",
        e, ip / bp, ip - bp, iw / bw, iw - bw, median(gdi["idle " e]) - bg, median(user["idle " e]) - bu,
        100 * (ap - ip) / ip, 100 * (aw - iw) / iw, median(gdi["after " e]) - median(gdi["idle " e]), (ap <= 0 ? 0 : 100 * (rp - ap) / ap)
    }
  }' "$all"
rm -f "$all"
