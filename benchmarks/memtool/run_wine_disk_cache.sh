#!/usr/bin/env bash
# Memtidy's disk cache Apply and Default against the size of SYSTEM.INI
# under Wine, printed as figures (nothing here fails): each beside one read
# and one write of the same file through the same profile calls, REPS times
# (default 9) for each size in KB (default "10 100 1024 4096"), medians.
# The files are copies in the build folder, never the prefix's SYSTEM.INI.
# run_wine_disk_cache.sh [REPS [KB...]]
# Uses the worker's TRAY_BUILD_ROOT, TRAY_DISPLAY and TRAY_WINEPREFIX.
set -u
REPO=$(cd "$(dirname "$0")/../.." && pwd)
BUILD=${TRAY_BUILD_ROOT:-$REPO/build}
case $BUILD in /*) ;; *) BUILD=$REPO/$BUILD ;; esac
reps=${1:-9}
shift $(( $# > 0 ? 1 : 0 ))
sizes=${*:-10 100 1024 4096}
. "$REPO/tools/wine/env.sh"
bin="$BUILD/win64/bin"
"$REPO/tools/wine/xvfb.sh" start && "$REPO/tools/wine/prefix.sh" && "$REPO/tools/wine/server.sh" start
folder="$BUILD/win64/disk-cache-timing"
mkdir -p "$folder"
winpath() { echo "Z:$1" | tr '/' '\\'; }
echo "load average $(cut -d' ' -f1-3 /proc/loadavg)"
"$REPO/tools/wine/run.sh" 1200 disk-cache "$bin/memtool_disk_cache_timing.exe" "$(winpath "$folder")" "$reps" $sizes
tr -d '\r' <"$TRAY_WINE_LOG/disk-cache.log"
echo "load average $(cut -d' ' -f1-3 /proc/loadavg)"
