# Sourced by the Wine scripts: where Wine, the prefix and the display are.
# Override TRAY_WINEPREFIX and TRAY_DISPLAY to keep parallel runs apart.
TRAY_REPO=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
# TRAY_WINE_ARCH=win32 runs the shipping x86 programs: a 32-bit prefix and
# the 32-bit loader (Debian wine32:i386); the 64-bit wineserver serves both.
export WINESERVER=/usr/lib/wine/wineserver64
if [ "${TRAY_WINE_ARCH:-win64}" = win32 ]; then
  export WINE=/usr/lib/wine/wine WINEARCH=win32
  export WINEPREFIX=${TRAY_WINEPREFIX:-$TRAY_REPO/build/wine/x86-prefix}
else
  export WINE=/usr/lib/wine/wine64 WINEARCH=win64
  export WINEPREFIX=${TRAY_WINEPREFIX:-$TRAY_REPO/build/wine/prefix}
fi
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
export DISPLAY=${TRAY_DISPLAY:-:77}
# The programs' output never goes to a pipe: Wine's background processes
# would keep it open.
TRAY_WINE_LOG=${TRAY_WINE_LOG:-$WINEPREFIX-logs}
mkdir -p "$TRAY_WINE_LOG"
