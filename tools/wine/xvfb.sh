#!/usr/bin/env bash
# xvfb.sh start|stop: a virtual X screen on $TRAY_DISPLAY (default :77).
set -u
. "$(dirname "$0")/env.sh"
num=${DISPLAY#:}
case "${1:-start}" in
  start)
    if [ -e "/tmp/.X11-unix/X$num" ] && xdpyinfo -display "$DISPLAY" >/dev/null 2>&1; then exit 0; fi
    rm -f "/tmp/.X$num-lock" "/tmp/.X11-unix/X$num"
    nohup Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >"$TRAY_WINE_LOG/xvfb-$num.log" 2>&1 &
    for _ in $(seq 1 50); do
      [ -e "/tmp/.X11-unix/X$num" ] && exit 0
      sleep 0.1
    done
    echo "Xvfb did not start on $DISPLAY" >&2; exit 1 ;;
  stop)
    pkill -f "Xvfb $DISPLAY " 2>/dev/null
    rm -f "/tmp/.X$num-lock" "/tmp/.X11-unix/X$num"
    exit 0 ;;
esac
