# Sourced by the Wine scripts: where Wine, the prefix and the display are.
# Override TRAY_WINEPREFIX and TRAY_DISPLAY to keep parallel runs apart.
TRAY_REPO=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
export WINE=/usr/lib/wine/wine64
export WINESERVER=/usr/lib/wine/wineserver64
export WINEPREFIX=${TRAY_WINEPREFIX:-$TRAY_REPO/build/wine/prefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
export DISPLAY=${TRAY_DISPLAY:-:77}
# The programs' output never goes to a pipe: Wine's background processes
# would keep it open.
TRAY_WINE_LOG=${TRAY_WINE_LOG:-$WINEPREFIX-logs}
mkdir -p "$TRAY_WINE_LOG"
