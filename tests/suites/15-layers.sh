#!/usr/bin/env bash
# Vidarix's includes point down its layer order only (tools/check_layers.py).
. "$(dirname "$0")/lib.sh"
mkdir -p "$BUILD/test-logs"
log="$BUILD/test-logs/layers.log"
python3 "$REPO/tools/check_layers.py" "$REPO" >"$log" 2>&1
grep -vE '^layers: ' "$log"
plain_count "$log"
suite_end layers
