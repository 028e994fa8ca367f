#!/usr/bin/env bash
# provision-vidarix.sh: makes the prefix (from env.sh) look like a Windows 98
# machine with a Savage card installed: the PCI enumeration keys of every
# simulated card, the display driver class keys (DEFAULT, INFO, MODES), the
# driver files with their version resources in the system directory, and
# Windows 98 as the version the tweaker's programs see. Idempotent: the
# provisioned branches are replaced as a whole on every run.
set -eu
. "$(dirname "$0")/env.sh"
BUILD_ROOT=${TRAY_BUILD_ROOT:-$TRAY_REPO/build}
case $BUILD_ROOT in /*) ;; *) BUILD_ROOT=$TRAY_REPO/$BUILD_ROOT ;; esac
DRIVER_FILES=${TRAY_DRIVER_FILES:-$BUILD_ROOT/win64/driverfiles}
[ -f "$WINEPREFIX/system.reg" ] || "$(dirname "$0")/prefix.sh"

# One row per installed card: PCI device key | class key number | display
# driver ("drv") | chip revision text (INFO) | description.
cards='VEN_5333&DEV_8A22&SUBSYS_8A225333&REV_05|0000|S3_8.DRV|GT-B5|S3 Savage4
VEN_5333&DEV_8A20&REV_03|0001|S3_6.DRV|A3|S3 Savage3D
VEN_5333&DEV_8A22&SUBSYS_8A235333&REV_03|0002|S3_8.DRV|LT-B3|S3 Savage4
VEN_5333&DEV_8C11&SUBSYS_00011179&REV_11|0003|S3_7.DRV|MX-C1|S3 Savage/MX
VEN_5333&DEV_8C10|0004|S3_7.DRV|MX-C1|S3 Savage/MX
VEN_5333&DEV_8C12&SUBSYS_017F1014&REV_11|0005|S3_7IX.DRV|IX-C1|S3 Savage/IX
VEN_5333&DEV_9102&SUBSYS_91025333&REV_02|0006|SAVAGE2K.DRV|2000-A2|S3 Savage 2000
VEN_5333&DEV_8A25|0007|S3NB.DRV|NB-A1|S3 SavageNB
VEN_5333&DEV_8A22&SUBSYS_8A225333&REV_01|0009|S3_8.DRV|GT-B1|S3 Savage4 (removed older revision)
VEN_10DE&DEV_0020&SUBSYS_00000000&REV_04|0008|nv3.drv|4|Other display adapter'

reg_escape() { printf '%s' "$1" | sed 's/\\/\\\\/g; s/"/\\"/g'; }

regfile="$TRAY_WINE_LOG/provision-vidarix.reg"
{
  echo 'REGEDIT4'
  echo
  echo '[-HKEY_LOCAL_MACHINE\Enum\PCI]'
  echo '[-HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\Class\Display]'
  echo
  while IFS='|' read -r device number drv revision desc; do
    class="Display\\$number"
    echo "[HKEY_LOCAL_MACHINE\\Enum\\PCI\\$device\\BUS_01&DEV_00&FUNC_00]"
    echo "\"Class\"=\"DISPLAY\""
    echo "\"DeviceDesc\"=\"$(reg_escape "$desc")\""
    echo "\"Driver\"=\"$(reg_escape "$class")\""
    echo
    key="HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\Class\\$class"
    echo "[$key]"
    echo "\"DriverDesc\"=\"$(reg_escape "$desc")\""
    echo
    echo "[$key\\DEFAULT]"
    echo "\"drv\"=\"$drv\""
    echo "\"RefreshRate\"=\"-1\""
    echo
    echo "[$key\\INFO]"
    echo "\"Revision\"=\"$revision\""
    echo
    for bpp in 8 16 32; do
      for size in 640,480 800,600 1024,768 1280,1024; do
        rates='60,72,75,85,100'
        [ "$size" = 1280,1024 ] && rates='60,75,85'
        echo "[$key\\MODES\\$bpp\\$size]"
        echo "@=\"$rates\""
        echo
      done
    done
  done <<<"$cards"
  # The installed OpenGL drivers; the Savage3D's is left out, so that card
  # shows the About dialog's warning.
  echo '[-HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\OpenGLdrivers]'
  echo '[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\OpenGLdrivers]'
  echo '"S3 Savage4"="s3micd.dll"'
  echo '"S3 Savage/MX"="MXICD.DLL"'
  echo '"S3 Savage 2000"="S2KICD.DLL"'
  echo '"Count"=dword:00000003'
  echo
  for exe in Vidarix.exe Vidarix-sim.exe wine_identify.exe; do
    echo "[HKEY_CURRENT_USER\\Software\\Wine\\AppDefaults\\$exe]"
    echo '"Version"="win98"'
    echo
  done
} >"$regfile"
winregfile=$(timeout 30 "$WINE" winepath -w "$regfile" 2>/dev/null)
timeout 60 "$WINE" regedit /S "$winregfile" >"$TRAY_WINE_LOG/provision-vidarix.log" 2>&1

# The driver files, as the display driver's installation leaves them.
sysdir="$WINEPREFIX/drive_c/windows/system32"
mkdir -p "$sysdir"
if ls "$DRIVER_FILES"/*.DRV >/dev/null 2>&1; then
  for f in "$DRIVER_FILES"/*; do
    case $f in *.rc|*.o) continue ;; esac
    name=$(basename "$f" | tr 'A-Z' 'a-z')
    cp -f "$f" "$sysdir/$name"
  done
else
  echo "provision-vidarix: no driver files in $DRIVER_FILES (build win64 first)" >&2
fi
