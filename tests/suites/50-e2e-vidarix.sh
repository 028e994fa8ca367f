#!/usr/bin/env bash
# Vidarix under Wine as Windows 98 on the simulated adapter: the first-run
# question, one copy only, the chip check, -RD and -IgnoreChip, and the
# message box (one line, three lines, four buttons, countdown), the help file
# in Wine's WinHelp viewer, and the dialog surface on real controls;
# screenshots in build/screenshots/vidarix-*.png. Arguments choose scenarios
# by name (all when none).
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/e2e-lib.sh"
mkdir -p "$BUILD/test-logs"
bin="$BUILD/win64/bin"
driver="$bin/tweaker_e2e.exe"
exe="$bin/Vidarix-sim.exe"
if [ ! -f "$driver" ] || [ ! -f "$exe" ] || [ ! -f "$bin/msgbox_show.exe" ] || [ ! -f "$bin/dialog_surface_check.exe" ] ||
   [ ! -f "$bin/dialog_oom_check.exe" ] || [ ! -f "$bin/Vidarix.hlp" ]; then
  echo "e2e-vidarix: 0 passed, 1 failed"; exit 1
fi
wine_up
provision="$REPO/tools/wine/provision-vidarix.sh"
[ -x "$provision" ] && "$provision" >"$BUILD/test-logs/provision-vidarix.log" 2>&1
"$REPO/tools/wine/winver.sh" Vidarix-sim.exe win98
# The simulated card starts at its power-up clocks, as after a restart.
rm -f "$bin/VidarixSim.state"
# The help file where Vidarix opens it: the HELP folder of the Windows folder.
mkdir -p "$WINEPREFIX/drive_c/windows/help"
cp "$bin/Vidarix.hlp" "$WINEPREFIX/drive_c/windows/help/Vidarix.hlp"
version=$(sed -n 's/^#define VIDARIX_VERSION_TEXT "\(.*\)"/\1/p' "$REPO/versions.h")
# Real keys in the X display (SHIFT held at start) come through a helper.
xinput="$BUILD/x-input"
rm -rf "$xinput" && mkdir -p "$xinput"
x_input_helper "$xinput" </dev/null >/dev/null 2>&1 &
xhelper=$!
at_exit "kill $xhelper 2>/dev/null"
run_e2e "$driver" "$@" --exe="$(winepath_of "$exe")" --vidarix="$(winepath_of "$exe")" \
  --x-input="$(winepath_of "$xinput")" \
  --help-topics="$(winepath_of "$BUILD/win64/help/topics.txt")" --version="$version" \
  --msgbox="$(winepath_of "$bin/msgbox_show.exe")"
kill "$xhelper" 2>/dev/null; wait "$xhelper" 2>/dev/null
# The dialog surface every dialog talks through, on real controls.
"$REPO/tools/wine/run.sh" 60 dialog_surface_check "$bin/dialog_surface_check.exe"
cp "$TRAY_WINE_LOG/dialog_surface_check.log" "$BUILD/test-logs/dialog_surface_check.log"
cat "$BUILD/test-logs/dialog_surface_check.log"
plain_count "$BUILD/test-logs/dialog_surface_check.log"
# A dialog that cannot have the memory for its state ends; the program goes on.
"$REPO/tools/wine/run.sh" 60 dialog_oom_check "$bin/dialog_oom_check.exe"
cp "$TRAY_WINE_LOG/dialog_oom_check.log" "$BUILD/test-logs/dialog_oom_check.log"
cat "$BUILD/test-logs/dialog_oom_check.log"
plain_count "$BUILD/test-logs/dialog_oom_check.log"
# A Vidarix left behind by a failed run must not meet the next suite.
"$REPO/tools/wine/run.sh" 20 taskkill-vidarix taskkill /f /im Vidarix-sim.exe >/dev/null 2>&1
wine_down
suite_end e2e-vidarix
