# Sourced by the end-to-end suites: runs one driver program under Wine and
# turns its screenshots into PNGs in build/screenshots/.
# run_e2e DRIVER_EXE [ARGS...]
run_e2e() {
  local exe=$1; shift
  local name; name=$(basename "$exe" .exe)
  local shots="$BUILD/screenshots"
  mkdir -p "$shots"
  export TRAY_SCREENSHOTS
  TRAY_SCREENSHOTS=$(winepath_of "$shots")
  "$REPO/tools/wine/run.sh" 900 "$name" "$exe" "$@"
  local rc=$?
  [ $rc -eq 124 ] && echo "  $name timed out"
  cp "$TRAY_WINE_LOG/$name.log" "$BUILD/test-logs/$name.log"
  cat "$TRAY_WINE_LOG/$name.log"
  for b in "$shots"/*.bmp; do
    [ -f "$b" ] || continue
    convert "$b" "${b%.bmp}.png" 2>/dev/null && rm -f "$b"
  done
  plain_count "$BUILD/test-logs/$name.log"
}

# The Windows form of a Unix path (Wine maps / to Z:).
winepath_of() {
  echo "Z:$1" | tr '/' '\\'
}
