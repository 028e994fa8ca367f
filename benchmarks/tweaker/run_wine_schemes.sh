#!/usr/bin/env bash
# Vidarix-sim's scheme costs against the size of the scheme file under Wine,
# printed as figures (nothing here fails): the tray menu, its Schemes
# submenu, Configure Schemes and applying the last scheme, REPS times
# (default 5) for each of SIZES (default "10 100 500 1000 5000"), medians
# and the cost per scheme; a screenshot of the largest file's Schemes submenu
# goes to build/screenshots/schemes-submenu.png.
# run_wine_schemes.sh [REPS [SIZES]]
# Uses the worker's TRAY_BUILD_ROOT, TRAY_DISPLAY and TRAY_WINEPREFIX; the
# "SchemeFile" and "AutoResetDisplay" preferences are put back afterwards.
set -u
REPO=$(cd "$(dirname "$0")/../.." && pwd)
BUILD=${TRAY_BUILD_ROOT:-$REPO/build}
case $BUILD in /*) ;; *) BUILD=$REPO/$BUILD ;; esac
reps=${1:-5}
sizes=${2:-10 100 500 1000 5000}
. "$REPO/tools/wine/env.sh"
bin="$BUILD/win64/bin"
"$REPO/tools/wine/xvfb.sh" start && "$REPO/tools/wine/prefix.sh" && "$REPO/tools/wine/server.sh" start
"$REPO/tools/wine/provision-vidarix.sh" >"$TRAY_WINE_LOG/provision-vidarix.log" 2>&1
"$REPO/tools/wine/winver.sh" Vidarix-sim.exe win98
key='HKLM\Software\Tessaly\Vidarix'
timeout 30 "$WINE" reg add "$key" /v FirstRun /t REG_SZ /d off /f >/dev/null 2>&1
timeout 20 "$WINE" taskkill /f /im Vidarix-sim.exe >/dev/null 2>&1
pref() { timeout 30 "$WINE" reg query "$key" /v "$1" 2>/dev/null | tr -d '\r' | awk -v n="$1" '$1 == n { $1 = ""; $2 = ""; sub(/^  /, ""); print }'; }
saved_file=$(pref SchemeFile); saved_reset=$(pref AutoResetDisplay)

folder="$BUILD/win64/scheme-scale"
mkdir -p "$folder"
winpath() { echo "Z:$1" | tr '/' '\\'; }
echo "load average $(cut -d' ' -f1-3 /proc/loadavg)"
log="$TRAY_WINE_LOG/scheme-scale.log"
: >"$log"
# The screenshot is taken while the probe holds the submenu open.
( for _ in $(seq 1 2400); do grep -q holding "$log" 2>/dev/null && { sleep 1; "$REPO/tools/wine/screenshot.sh" schemes-submenu; break; }; sleep 0.5; done ) &
shot=$!
"$REPO/tools/wine/run.sh" 1800 scheme-scale "$bin/vidarix_scheme_scale.exe" "$(winpath "$bin/Vidarix-sim.exe")" \
  "$(winpath "$folder")" "$reps" $sizes
tr -d '\r' <"$log"
kill "$shot" 2>/dev/null
wait "$shot" 2>/dev/null
echo "load average $(cut -d' ' -f1-3 /proc/loadavg)"
timeout 20 "$WINE" taskkill /f /im Vidarix-sim.exe >/dev/null 2>&1
restore() {
  if [ -n "$2" ]; then timeout 30 "$WINE" reg add "$key" /v "$1" /t REG_SZ /d "$2" /f >/dev/null 2>&1
  else timeout 30 "$WINE" reg delete "$key" /v "$1" /f >/dev/null 2>&1; fi
}
restore SchemeFile "$saved_file"
restore AutoResetDisplay "$saved_reset"
