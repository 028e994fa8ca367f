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
  if [ "$WINEARCH" = win64 ] && [ -e "${WINE%64}" ] && [ "$(id -u)" = 0 ] &&
     unshare -m true 2>/dev/null; then
    # With wine32 installed a 64-bit prefix also sets up its 32-bit side, which
    # the 64-bit programs never use: the 32-bit loader is hidden from this
    # wineboot, so the prefix is made in the time and form it had before.
    timeout 120 unshare -m sh -c 'mount --bind /dev/null "$0" && exec "$@"' "${WINE%64}" \
      "$WINE" wineboot -i >"$TRAY_WINE_LOG/wineboot.log" 2>&1 || true
  else
    timeout 120 "$WINE" wineboot -i >"$TRAY_WINE_LOG/wineboot.log" 2>&1 || true
  fi
fi
reg() { timeout 30 "$WINE" reg add "$@" /f >>"$TRAY_WINE_LOG/reg.log" 2>&1 </dev/null; }
# The faces the programs ask for (faces.txt). Without them a fresh prefix
# draws every one with DejaVu Sans, wider than the layouts were made for, and
# caption buttons without Marlett show as letters.
fonts="$WINEPREFIX/drive_c/windows/Fonts"
mkdir -p "$fonts"
while IFS='|' read -r face answer _; do
  case $face in ''|'#'*) continue ;; esac
  case $answer in
    =*) reg 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /t REG_SZ /d "${answer#=}" ;;
    *) for f in $answer; do
         [ -f "$fonts/$f" ] || cp "/usr/share/wine/fonts/$f" "$fonts/" 2>/dev/null \
           || echo "prefix: no /usr/share/wine/fonts/$f for \"$face\" (package fonts-wine)" >&2
       done ;;
  esac
done <"$(dirname "$0")/faces.txt"
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
