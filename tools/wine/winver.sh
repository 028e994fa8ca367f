#!/usr/bin/env bash
# winver.sh EXE VERSION: the Windows version Wine reports to one program
# (win98, winme, nt40, winxp, win7).
set -eu
. "$(dirname "$0")/env.sh"
timeout 30 "$WINE" reg add "HKCU\\Software\\Wine\\AppDefaults\\$1" /v Version /t REG_SZ /d "$2" /f \
  >>"$TRAY_WINE_LOG/reg.log" 2>&1
