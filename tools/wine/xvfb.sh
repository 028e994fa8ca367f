#!/usr/bin/env bash
# xvfb.sh start|stop|running: a virtual X screen on $TRAY_DISPLAY (default :77).
# start leaves a screen already up alone; stop ends only the Xvfb that start
# began (its pid is kept beside the logs), never one it did not start.
set -u
. "$(dirname "$0")/env.sh"
num=${DISPLAY#:}
pidfile="$TRAY_WINE_LOG/xvfb-$num.pid"
up() { [ -e "/tmp/.X11-unix/X$num" ] && xdpyinfo -display "$DISPLAY" >/dev/null 2>&1; }
case "${1:-start}" in
  running) up ;;
  start)
    if up; then exit 0; fi
    rm -f "/tmp/.X$num-lock" "/tmp/.X11-unix/X$num"
    nohup Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >"$TRAY_WINE_LOG/xvfb-$num.log" 2>&1 &
    echo $! >"$pidfile"
    for _ in $(seq 1 50); do
      [ -e "/tmp/.X11-unix/X$num" ] && exit 0
      sleep 0.1
    done
    echo "Xvfb did not start on $DISPLAY" >&2; exit 1 ;;
  stop)
    pid=$(cat "$pidfile" 2>/dev/null)
    rm -f "$pidfile"
    # The pid is ours only while it is still an Xvfb on this display.
    if [ -n "$pid" ] && tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null | grep -q "^Xvfb $DISPLAY "; then
      kill "$pid" 2>/dev/null
      for _ in $(seq 1 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
      rm -f "/tmp/.X$num-lock" "/tmp/.X11-unix/X$num"
    fi
    exit 0 ;;
esac
