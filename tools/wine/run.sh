#!/usr/bin/env bash
# run.sh SECONDS LOGNAME PROGRAM [ARGS...]: runs one Windows program under
# Wine, bounded in time, output to $TRAY_WINE_LOG/LOGNAME.log. Exit status is
# the program's, 124 on time-out.
set -u
. "$(dirname "$0")/env.sh"
secs=$1; name=$2; shift 2
timeout -k 5 "$secs" "$WINE" "$@" >"$TRAY_WINE_LOG/$name.log" 2>&1 </dev/null
