# Sourced by the end-to-end suites: runs one driver program under Wine and
# turns its screenshots into PNGs in build/screenshots/ (or $E2E_SHOTS).
# run_e2e DRIVER_EXE [ARGS...]
run_e2e() {
  local exe=$1; shift
  local name; name=$(basename "$exe" .exe)
  local shots="${E2E_SHOTS:-$BUILD/screenshots}"
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

# x_input_helper DIR: runs beside a driver, which cannot start Unix programs
# from Wine: each DIR/request (one xdotool argument a line, renamed into place
# whole) is run on the suite's X display and answered with its exit status in
# DIR/done. Start it in the background and kill it by its pid afterwards; it
# also ends by itself once the suite's shell (pid $$) is gone.
x_input_helper() {
  local dir=$1 owner=$$ args rc
  while kill -0 "$owner" 2>/dev/null; do
    if [ -f "$dir/request" ]; then
      mapfile -t args <"$dir/request"
      rm -f "$dir/request"
      DISPLAY=${TRAY_DISPLAY:-:77} timeout 10 xdotool "${args[@]}" >>"$dir/xdotool.log" 2>&1
      rc=$?
      echo "$rc" >"$dir/done.tmp" && mv "$dir/done.tmp" "$dir/done"
    fi
    sleep 0.05
  done
}
