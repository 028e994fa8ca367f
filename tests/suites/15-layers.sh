#!/usr/bin/env bash
# Both programs' includes point down their layer orders, win32/ folders keep
# the Windows headers to themselves, and product code holds no mutable state
# (tools/check_layers.py); its self-test plants a breach of each rule first.
. "$(dirname "$0")/lib.sh"
mkdir -p "$BUILD/test-logs"
selftest="$BUILD/test-logs/layers-self-test.log"
python3 "$REPO/tools/check_layers.py" --self-test >"$selftest" 2>&1
grep -vE '^layers self-test: ' "$selftest"
plain_count "$selftest"
log="$BUILD/test-logs/layers.log"
python3 "$REPO/tools/check_layers.py" "$REPO" >"$log" 2>&1
grep -vE '^layers: ' "$log"
plain_count "$log"
suite_end layers
