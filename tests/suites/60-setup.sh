#!/usr/bin/env bash
# The setup program: the release's file list, then under Wine, in a fresh
# prefix that reports Windows 98, a silent install, Memtidy started from the
# installed shortcut, an install over it, a silent uninstall, a reinstall and
# an upgrade into other folders, the wizard pages driven by keys, and then, as
# Windows NT, the components, an uninstall with nothing in use and a user who
# may not write (screenshots build/screenshots/setup-*.png and
# uninstall-*.png). The Wine part uses the same setup script built around the
# 64-bit programs; the shipping 32-bit setup runs in suite 65 (65-x86.sh).
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/e2e-lib.sh"
mkdir -p "$BUILD/test-logs"
version=$(sed -n 's/^#define RELEASE_VERSION_TEXT "\(.*\)"/\1/p' "$REPO/versions.h")
release="$BUILD/win32/release"

ok() { echo "  ok   $1"; SUITE_PASSED=$((SUITE_PASSED + 1)); }
fail() { echo "  FAIL $1"; SUITE_FAILED=$((SUITE_FAILED + 1)); }

echo "== the release folder"
if [ -f "$release/Vidarix-Memtidy-$version-setup.exe" ]; then ok "setup program $version"; else fail "no setup program in $release"; fi
# The zip holds what the setup installs, in one folder, and no development program.
listing=$(python3 -m zipfile -l "$release/Vidarix-Memtidy-$version.zip" 2>/dev/null | awk 'NR > 1 { print $1 }' | sort | tr '\n' ' ')
want="Vidarix-Memtidy-$version/ Vidarix-Memtidy-$version/Memtidy.exe Vidarix-Memtidy-$version/Readme.txt Vidarix-Memtidy-$version/Vidarix.exe Vidarix-Memtidy-$version/Vidarix.hlp Vidarix-Memtidy-$version/confirmation.wav "
if [ "$listing" = "$want" ]; then ok "zip holds the five files"; else fail "zip holds: $listing"; fi
# Windows 95's Notepad shows a file with bare LF line ends as one long line.
if [ -f "$release/Readme.txt" ] && ! grep -q $'[^\r]$' "$release/Readme.txt"; then ok "readme has CRLF line ends"; else fail "readme line ends"; fi
# What an uninstall leaves behind, and how to avoid it.
leaves=$(sed -n '/^What uninstalling leaves/,$p' "$REPO/tools/setup/readme.txt" | tr '\n' ' ')
case $leaves in
  *SYSTEM.INI*'"Default"'*Apply*'other users'*) ok "readme: uninstalling leaves the disk cache lines and other users' settings" ;;
  *) fail "readme does not say what uninstalling leaves" ;;
esac

setup_exe="$BUILD/win64/setup/Vidarix-Memtidy-$version-setup-amd64.exe"
driver="$BUILD/win64/bin/setup_e2e.exe"
vidarix="$BUILD/win64/bin/Vidarix-sim.exe"
if [ ! -f "$setup_exe" ] || [ ! -f "$driver" ] || [ ! -f "$vidarix" ]; then
  fail "no 64-bit test setup or driver (tools/build.sh win64)"
  suite_end setup; exit
fi

echo "== under Wine, in a fresh prefix as Windows 98"
# Its own prefix, made anew each run: nothing from earlier runs or other suites.
export TRAY_WINEPREFIX="$BUILD/wine/setup-prefix"
unset TRAY_WINE_LOG
. "$REPO/tools/wine/env.sh"
"$REPO/tools/wine/server.sh" stop
# A folder nobody may write, as Program Files is for a user on NT who is no
# administrator (Wine runs everyone as one; the immutable flag binds root too).
locked="$TRAY_WINEPREFIX/drive_c/Locked"
chattr -i "$locked" 2>/dev/null
rm -rf "$TRAY_WINEPREFIX" "$TRAY_WINE_LOG"
mkdir -p "$TRAY_WINE_LOG"
wine_up
timeout 30 "$WINE" reg add 'HKCU\Software\Wine' /v Version /t REG_SZ /d win98 /f >>"$TRAY_WINE_LOG/reg.log" 2>&1
# A Savage card for the simulated Vidarix, which the uninstall must end.
"$REPO/tools/wine/provision-vidarix.sh" >"$TRAY_WINE_LOG/provision.log" 2>&1
mkdir -p "$locked" && chattr +i "$locked" || echo "  (cannot make $locked unwritable)"
run_e2e "$driver" --setup="$(winepath_of "$setup_exe")" --version="$version" --vidarix="$(winepath_of "$vidarix")" \
  --locked='C:\Locked'
chattr -i "$locked" 2>/dev/null
wine_down
suite_end setup
