#!/usr/bin/env bash
# The shipping x86 files under 32-bit Wine, in a fresh 32-bit prefix that
# reports Windows 98 (no WoW64 folder or registry redirection, as on the real
# system): the setup program installs silently; the installed Memtidy reaches
# the tray, shows its window and applies a changed setting; the installed
# Vidarix meets no Savage adapter and ends silently with 0; the x86
# Vidarix-sim on the simulated Savage4 runs the tray menu, Options, an option
# command, the Overclock dialog, a scheme and Exit. The setup installs over
# itself before Memtidy's scenarios and is uninstalled after them. The
# drivers and scenarios are those of the amd64 suites, built for win32 and
# chosen by their filters. Where 32-bit programs cannot run here the suite
# fails and says why.
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/e2e-lib.sh"
. "$REPO/tools/i386-exec.sh"
mkdir -p "$BUILD/test-logs"
start=$(date +%s)

# cannot WHY: the one line that says why the suite cannot run here.
cannot() {
  echo "  FAIL $1"
  SUITE_FAILED=$((SUITE_FAILED + 1))
  [ "${TRAY_WINE_ARCH:-}" = win32 ] && wine_down
  suite_end x86; exit 1
}

problem=$(i386_exec_problem)
[ -z "$problem" ] || cannot "32-bit programs cannot run here: $problem"
version=$(sed -n 's/^#define RELEASE_VERSION_TEXT "\(.*\)"/\1/p' "$REPO/versions.h")
setup_exe="$BUILD/win32/release/Vidarix-Memtidy-$version-setup.exe"
sim="$BUILD/win32/bin/Vidarix-sim.exe"
e2e="$BUILD/win32/e2e"
for f in "$setup_exe" "$sim" "$e2e/setup_e2e.exe" "$e2e/memtool_e2e.exe" "$e2e/memtidy_tray_e2e.exe" "$e2e/tweaker_e2e.exe"; do
  [ -f "$f" ] || cannot "no $f (tools/build.sh win32)"
done
ls "$BUILD"/win64/driverfiles/*.DRV >/dev/null 2>&1 || cannot "no driver files for the Savage machine (tools/build.sh win64)"

# Its own prefix, made anew each run.
export TRAY_WINE_ARCH=win32 TRAY_WINEPREFIX="$BUILD/wine/x86-suite-prefix"
unset TRAY_WINE_LOG
. "$REPO/tools/wine/env.sh"
"$REPO/tools/wine/server.sh" stop
rm -rf "$TRAY_WINEPREFIX" "$TRAY_WINE_LOG"
mkdir -p "$TRAY_WINE_LOG"
wine_up || cannot "the 32-bit prefix was not made (log: $TRAY_WINE_LOG)"
[ -f "$TRAY_WINEPREFIX/system.reg" ] || cannot "the 32-bit prefix was not made (log: $TRAY_WINE_LOG/wineboot.log)"
# Under qemu-user the 32-bit loader can take minutes for each start (see
# tools/i386-exec.sh): rather than time out scenario by scenario, say so.
"$REPO/tools/wine/run.sh" 60 x86-ready cmd /c echo x86-ready
grep -q x86-ready "$TRAY_WINE_LOG/x86-ready.log" || cannot "32-bit Wine did not run a program within 60 s$(i386_kernel_native || echo ' (this kernel runs 32-bit code only through qemu-user)')"
timeout 30 "$WINE" reg add 'HKCU\Software\Wine' /v Version /t REG_SZ /d win98 /f >>"$TRAY_WINE_LOG/reg.log" 2>&1
"$REPO/tools/wine/provision-vidarix.sh" >"$TRAY_WINE_LOG/provision.log" 2>&1
echo "  (prefix ready after $(( $(date +%s) - start )) s)"

# run_driver LOGNAME DRIVER [ARGS...]: run_e2e under its own log name.
run_driver() {
  local name=$1 exe=$2; shift 2
  local copy="$e2e/$name.exe"
  cp -f "$exe" "$copy"
  run_e2e "$copy" "$@"
  rm -f "$copy"
}
# Screenshots apart from the amd64 suites' ones of the same name.
export E2E_SHOTS="$BUILD/screenshots/x86"
shots=$E2E_SHOTS
mkdir -p "$shots"
export TRAY_SCREENSHOTS
TRAY_SCREENSHOTS=$(winepath_of "$shots")
setup_args=(--setup="$(winepath_of "$setup_exe")" --version="$version" --vidarix="$(winepath_of "$sim")")

echo "== the x86 setup program installs, the installed programs start, it installs over itself"
run_driver setup_e2e-x86-install "$e2e/setup_e2e.exe" "${setup_args[@]}" a_silent_install b_installed_ c_install_over

echo "== the installed x86 Memtidy: start, window, Apply, close; tray menu; the Cache tab's Apply"
installed='C:\Program Files\Tessaly'
meminfo="$BUILD/test-logs/x86-meminfo"
printf '%s\n' 'MemTotal:          65536 kB' 'MemFree:           20480 kB' 'MemAvailable:      20480 kB' \
  'Buffers:               0 kB' 'Cached:                0 kB' 'SwapCached:            0 kB' \
  'SwapTotal:        131072 kB' 'SwapFree:         100000 kB' >"$meminfo"
"$REPO/tools/wine/run.sh" 20 taskkill-memtidy taskkill /f /im Memtidy.exe >/dev/null 2>&1
# The settings the install over itself kept come back for the uninstaller's
# checks, and so does the prefix's SYSTEM.INI.
sysini="$WINEPREFIX/drive_c/windows/system.ini"
cp "$sysini" "$BUILD/test-logs/system.ini.before-x86" 2>/dev/null
settings="$TRAY_WINE_LOG/memtidy-settings.reg"
timeout 30 "$WINE" reg export 'HKCU\Software\Memtidy' "$(winepath_of "$settings")" >>"$TRAY_WINE_LOG/reg.log" 2>&1
# "Free up" asks for its amount plus the free memory: a small /proc/meminfo
# keeps it small (as suite 41 does).
if unshare -m sh -c 'mount --bind "$0" /proc/meminfo' "$meminfo" 2>/dev/null; then
  run_memtidy() {
    unshare -m sh -c 'mount --bind "$0" /proc/meminfo && exec "$@"' "$meminfo" "$@"
  }
else
  echo "  cannot give Memtidy a small /proc/meminfo (unshare -m): its \"Free up\" asks for the machine's free memory"
  run_memtidy() { "$@"; }
fi
run_driver memtool_e2e-x86 "$e2e/memtool_e2e.exe" --exe="$installed\\Memtidy.exe" --mode=win98 \
  a_first_start b_second_start c_tray_double_click d_apply_stores e_cancel f_ram_icon g_close
run_memtidy "$REPO/tools/wine/run.sh" 600 memtidy_tray_e2e-x86 "$e2e/memtidy_tray_e2e.exe" \
  --exe="$installed\\Memtidy.exe" --mode=win98 --meminfo="$(winepath_of "$meminfo")" \
  tray_menu_clipboard_free_up_and_close cache_a_
[ $? -eq 124 ] && echo "  memtidy_tray_e2e-x86 timed out"
cp "$TRAY_WINE_LOG/memtidy_tray_e2e-x86.log" "$BUILD/test-logs/memtidy_tray_e2e-x86.log"
cat "$BUILD/test-logs/memtidy_tray_e2e-x86.log"
plain_count "$BUILD/test-logs/memtidy_tray_e2e-x86.log"
"$REPO/tools/wine/run.sh" 20 taskkill-memtidy taskkill /f /im Memtidy.exe >/dev/null 2>&1
cp "$BUILD/test-logs/system.ini.before-x86" "$sysini" 2>/dev/null
timeout 30 "$WINE" reg delete 'HKCU\Software\Memtidy' /f >>"$TRAY_WINE_LOG/reg.log" 2>&1
timeout 30 "$WINE" reg import "$(winepath_of "$settings")" >>"$TRAY_WINE_LOG/reg.log" 2>&1

echo "== the x86 uninstaller"
run_driver setup_e2e-x86-uninstall "$e2e/setup_e2e.exe" "${setup_args[@]}" d_silent_uninstall

echo "== the x86 Vidarix-sim on the simulated Savage4"
rm -f "$BUILD/win32/bin/VidarixSim.state" "$BUILD/win32/bin/VidarixSim.ini"
run_driver tweaker_e2e-x86 "$e2e/tweaker_e2e.exe" --exe="$(winepath_of "$sim")" --vidarix="$(winepath_of "$sim")" \
  options_dialog_ok_saves overclock_save_then_crash_guard_yes schemes_save_ask_refuse_and_apply \
  tray_basic_menu_and_vsync tray_exit_removes_the_icon_and_ends
"$REPO/tools/wine/run.sh" 20 taskkill-vidarix taskkill /f /im Vidarix-sim.exe >/dev/null 2>&1
rm -f "$BUILD/win32/bin/VidarixSim.state" "$BUILD/win32/bin/VidarixSim.ini"

for b in "$shots"/*.bmp; do
  [ -f "$b" ] || continue
  convert "$b" "${b%.bmp}.png" 2>/dev/null && rm -f "$b"
done
wine_down
echo "  (took $(( $(date +%s) - start )) s)"
suite_end x86
