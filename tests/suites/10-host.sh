#!/usr/bin/env bash
# Host unit and contract tests (GoogleTest, sanitizers on), in shuffled order so
# a test that leans on another's leftovers fails. The seed is printed; replay a
# run with TRAY_GTEST_SEED=N (tools/shuffle-seeds.sh tries many in a row).
. "$(dirname "$0")/lib.sh"
mkdir -p "$BUILD/test-logs"
# GoogleTest takes seeds 1..99999 (0 would mean "from the clock", unprinted).
seed=${TRAY_GTEST_SEED:-$(( ($(date +%s) + RANDOM) % 99999 + 1 ))}
echo "seed $seed"
for t in "$BUILD"/host/bin/*_host_tests; do
  [ -x "$t" ] || continue
  log="$BUILD/test-logs/$(basename "$t").log"
  echo "seed $seed" >"$log"
  if ! timeout 600 "$t" --gtest_brief=1 --gtest_shuffle --gtest_random_seed="$seed" >>"$log" 2>&1; then
    echo "  $(basename "$t") failed with seed $seed (replay: TRAY_GTEST_SEED=$seed bash $0)"
    grep -E '^\[  FAILED  \]|Failure|ERROR|runtime error' "$log" | head -n 40
  fi
  gtest_count "$log"
done
# Twenty more orders in a row, so an order dependency shows within one run.
if TRAY_GTEST_SEED=$(( seed % 99979 + 1 )) "$REPO/tools/shuffle-seeds.sh" 20 >"$BUILD/test-logs/shuffle-seeds-suite.log" 2>&1; then
  SUITE_PASSED=$((SUITE_PASSED + 1))
else
  SUITE_FAILED=$((SUITE_FAILED + 1))
  tail -n 15 "$BUILD/test-logs/shuffle-seeds-suite.log"
fi
suite_end host
