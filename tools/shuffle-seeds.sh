#!/usr/bin/env bash
# shuffle-seeds.sh [COUNT]: runs every host test program in shuffled order with
# COUNT seeds (default 20) in a row, seeds FIRST..FIRST+COUNT-1 where FIRST is
# TRAY_GTEST_SEED (default 1), and stops at the first failing run, naming the
# program and the seed that replays it. Needs a host build (tools/build.sh host).
set -u
cd "$(dirname "$0")/.."
count=${1:-20}
first=${TRAY_GTEST_SEED:-1}
case $count$first in *[!0-9]*) echo "usage: $0 [COUNT] (COUNT and TRAY_GTEST_SEED are numbers)" >&2; exit 2 ;; esac
B=${TRAY_BUILD_ROOT:-build}
progs=$(ls "$B"/host/bin/*_host_tests 2>/dev/null)
if [ -z "$progs" ]; then
  echo "no host test programs in $B/host/bin: run tools/build.sh host" >&2; exit 2
fi
mkdir -p "$B/test-logs"
log="$B/test-logs/shuffle-seeds.log"
for ((i = 0; i < count; i++)); do
  # GoogleTest takes seeds 1..99999.
  seed=$(( (first - 1 + i) % 99999 + 1 ))
  for t in $progs; do
    name=$(basename "$t")
    if ! timeout 600 "$t" --gtest_brief=1 --gtest_shuffle --gtest_random_seed="$seed" >"$log" 2>&1; then
      grep -E '^\[  FAILED  \]|Failure|ERROR|runtime error' "$log" | head -n 20
      echo "FAILED: $name with seed $seed (replay: $t --gtest_shuffle --gtest_random_seed=$seed; log $log)"
      exit 1
    fi
  done
  echo "seed $seed: ok"
done
echo "all host test programs passed with $count seeds from $first"
