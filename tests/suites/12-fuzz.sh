#!/usr/bin/env bash
# The parser harnesses of fuzz/ under libFuzzer with address and
# undefined-behaviour checks: each replays its seed corpus, then fuzzes for
# a bounded time (FUZZ_SECONDS each, default 10; the step stays within
# about two minutes). tools/fuzz.sh runs them longer.
. "$(dirname "$0")/lib.sh"
mkdir -p "$BUILD/test-logs"
seconds=${FUZZ_SECONDS:-10}
log="$BUILD/test-logs/fuzz.log"
: >"$log"
if ! ls "$BUILD"/fuzz/bin/fuzz_* >/dev/null 2>&1; then
  echo "fuzz: no harnesses built"; echo "fuzz: 0 passed, 1 failed"; exit 1
fi
for mode in --replay "$seconds"; do
  TRAY_BUILD_ROOT=$BUILD "$REPO/tools/fuzz.sh" "$mode" | tee -a "$log"
done
SUITE_PASSED=$(grep -c ': ok' "$log")
SUITE_FAILED=$(grep -c ': FAILED' "$log")
suite_end fuzz
