#!/usr/bin/env bash
# Builds every build and runs every suite in tests/suites, in order.
# Ends with one line: "N passed, N failed".
set -u
cd "$(dirname "$0")"
start=$(date +%s)
tools/install-deps.sh || { echo "0 passed, 1 failed"; exit 1; }
mkdir -p build/test-logs build/screenshots
if ! tools/build.sh; then
  echo "0 passed, 1 failed"; exit 1
fi
passed=0; failed=0
for suite in tests/suites/[0-9]*.sh; do
  name=$(basename "$suite" .sh)
  echo "== suite $name"
  log="build/test-logs/suite-$name.log"
  bash "$suite" 2>&1 | tee "$log"
  line=$(grep -E '^[A-Za-z0-9_-]+: [0-9]+ passed, [0-9]+ failed$' "$log" | tail -n 1)
  if [ -z "$line" ]; then
    echo "  suite $name printed no summary: counted as one failure"
    failed=$((failed + 1)); continue
  fi
  passed=$((passed + $(echo "$line" | grep -oE '[0-9]+ passed' | grep -oE '[0-9]+')))
  failed=$((failed + $(echo "$line" | grep -oE '[0-9]+ failed' | grep -oE '[0-9]+')))
done
echo "(took $(( $(date +%s) - start )) s)"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
