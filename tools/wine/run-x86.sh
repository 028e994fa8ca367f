#!/usr/bin/env bash
# run-x86.sh PROGRAM [ARGS...]: runs an x86 program of the build (the win32
# build's Vidarix.exe, Vidarix-sim.exe, Memtidy.exe, the setup program, its
# uninstaller, a win32 driver) by hand under 32-bit Wine, in the 32-bit prefix
# build/wine/x86-prefix (made on first use, looking like a Windows 98 machine
# with a Savage card), on $TRAY_DISPLAY. Output goes to the terminal; the exit
# status is the program's. For chasing a fault only the 32-bit build has.
set -u
[ $# -ge 1 ] || { echo "usage: $0 PROGRAM [ARGS...]" >&2; exit 2; }
export TRAY_WINE_ARCH=win32
here=$(cd "$(dirname "$0")" && pwd)
. "$here/env.sh"
. "$here/../i386-exec.sh"
problem=$(i386_exec_problem)
[ -z "$problem" ] || { echo "run-x86: $problem" >&2; exit 1; }
"$here/xvfb.sh" start || exit 1
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  "$here/prefix.sh" && "$here/provision-vidarix.sh" >"$TRAY_WINE_LOG/provision.log" 2>&1 || exit 1
fi
exec "$WINE" "$@"
