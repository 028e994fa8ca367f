#!/usr/bin/env bash
# prefix.sh: makes the Wine prefix once and sets what tests and screenshots
# need (no window-manager stalls, no audio noise, no crash dialog, a desktop
# with a taskbar and notification area). Idempotent.
set -eu
. "$(dirname "$0")/env.sh"
created=
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  created=1
  mkdir -p "$WINEPREFIX"
  timeout 120 "$WINE" wineboot -i >"$TRAY_WINE_LOG/wineboot.log" 2>&1 || true
fi
# Caption buttons are drawn with Marlett; without it in the prefix they show as letters.
fonts="$WINEPREFIX/drive_c/windows/Fonts"
if [ -f /usr/share/wine/fonts/marlett.ttf ] && [ ! -f "$fonts/marlett.ttf" ]; then
  mkdir -p "$fonts" && cp /usr/share/wine/fonts/marlett.ttf "$fonts/"
fi
reg() { timeout 30 "$WINE" reg add "$@" /f >>"$TRAY_WINE_LOG/reg.log" 2>&1; }
reg 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N
reg 'HKCU\Software\Wine\Drivers' /v Audio /t REG_SZ /d ''
reg 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0
reg 'HKCU\Software\Wine\Explorer' /v Desktop /t REG_SZ /d Default
reg 'HKCU\Software\Wine\Explorer\Desktops' /v Default /t REG_SZ /d 1024x768
# The desktop wineboot started predates the settings above: end it, so the
# next program starts the desktop with its taskbar and notification area.
if [ -n "$created" ]; then
  "$WINESERVER" -k >/dev/null 2>&1
  timeout 20 "$WINESERVER" -w >/dev/null 2>&1 || true
fi
