#!/usr/bin/env bash
# Builds the programs and starts Memtidy and Vidarix (with the simulated
# adapter) in a Wine desktop. With no display, it runs them on a virtual
# screen, takes screenshots into build/screenshots/ and stops.
set -eu
cd "$(dirname "$0")"
tools/install-deps.sh
tools/build.sh win64
headless=
if [ -z "${DISPLAY:-}" ]; then
  headless=1
  export TRAY_DISPLAY=:78
  tools/wine/xvfb.sh start
else
  export TRAY_DISPLAY=$DISPLAY
fi
. tools/wine/env.sh
tools/wine/prefix.sh
# Each program's own provisioning (registry keys, driver files, versions).
for p in tools/wine/provision-*.sh; do [ -x "$p" ] && "$p"; done
tools/wine/server.sh start
started=
for exe in Memtidy Vidarix-sim; do
  if [ -f "build/win64/bin/$exe.exe" ]; then
    echo "starting $exe"
    (cd build/win64/bin && nohup "$WINE" "$exe.exe" >"$TRAY_WINE_LOG/$exe.log" 2>&1 </dev/null &)
    started="$started $exe"
  fi
done
if [ -n "$headless" ]; then
  sleep 6
  tools/wine/screenshot.sh desktop
  echo "screenshot: build/screenshots/desktop.png"
  tools/wine/server.sh stop
  tools/wine/xvfb.sh stop
else
  echo "running:$started (end them from their tray menus; 'tools/wine/server.sh stop' ends all)"
fi
