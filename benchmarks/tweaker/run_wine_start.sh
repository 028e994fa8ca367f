#!/usr/bin/env bash
# Vidarix's start-to-tray time under Wine, printed as figures (nothing here
# fails): Vidarix-sim.exe against a bare tray program built the same way,
# started in turn RUNS times (default 15) by one driver inside a warm
# wineserver, in a prefix provisioned as a Windows 98 machine with a Savage
# card; minimum and median of each and their ratios.
# run_wine_start.sh [RUNS]
# Uses the worker's TRAY_BUILD_ROOT, TRAY_DISPLAY and TRAY_WINEPREFIX.
set -u
REPO=$(cd "$(dirname "$0")/../.." && pwd)
BUILD=${TRAY_BUILD_ROOT:-$REPO/build}
case $BUILD in /*) ;; *) BUILD=$REPO/$BUILD ;; esac
runs=${1:-15}
. "$REPO/tools/wine/env.sh"
bin="$BUILD/win64/bin"
"$REPO/tools/wine/xvfb.sh" start && "$REPO/tools/wine/prefix.sh" && "$REPO/tools/wine/server.sh" start
"$REPO/tools/wine/provision-vidarix.sh" >"$TRAY_WINE_LOG/provision-vidarix.log" 2>&1
for exe in Vidarix-sim.exe vidarix_bare_tray.exe; do "$REPO/tools/wine/winver.sh" "$exe" win98; done
# Past the first-run question, as on every start but the first.
timeout 30 "$WINE" reg add 'HKLM\Software\Tessaly\Vidarix' /v FirstRun /t REG_SZ /d off /f >/dev/null 2>&1
timeout 20 "$WINE" taskkill /f /im Vidarix-sim.exe >/dev/null 2>&1

# The Windows form of a Unix path (Wine maps / to Z:).
winpath() { echo "Z:$1" | tr '/' '\\'; }
"$REPO/tools/wine/run.sh" $((runs * 30 + 60)) start-to-tray "$bin/vidarix_start_to_tray.exe" "$runs" \
  "$(winpath "$bin/vidarix_bare_tray.exe")" "$(winpath "$bin/Vidarix-sim.exe")"
cat "$TRAY_WINE_LOG/start-to-tray.log"
timeout 20 "$WINE" taskkill /f /im Vidarix-sim.exe >/dev/null 2>&1
