#!/usr/bin/env bash
# server.sh start|stop: one persistent wineserver for a series of program runs.
set -u
. "$(dirname "$0")/env.sh"
case "${1:-start}" in
  start) "$WINESERVER" -p >/dev/null 2>&1 < /dev/null ;;
  stop)  "$WINESERVER" -k >/dev/null 2>&1; timeout 20 "$WINESERVER" -w >/dev/null 2>&1 ;;
esac
exit 0
