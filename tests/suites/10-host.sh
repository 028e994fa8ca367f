#!/usr/bin/env bash
# Host unit and contract tests (GoogleTest, sanitizers on).
. "$(dirname "$0")/lib.sh"
mkdir -p "$BUILD/test-logs"
for t in "$BUILD"/host/bin/*_host_tests; do
  [ -x "$t" ] || continue
  log="$BUILD/test-logs/$(basename "$t").log"
  timeout 600 "$t" --gtest_brief=1 >"$log" 2>&1
  grep -E '^\[  FAILED  \]|Failure|ERROR|runtime error' "$log" | head -n 40
  gtest_count "$log"
done
suite_end host
