#!/usr/bin/env bash
# fuzz.sh [SECONDS]: runs every parser harness of fuzz/ for SECONDS each
# (default 300), starting from its seed corpus in fuzz/corpus/<name>/. New
# inputs gather in $B/fuzz/corpus/<name>/, crashes in $B/fuzz/crashes/: a
# crash is fixed in the code and its input added to the seed corpus.
# With --replay only the seed corpora are run, once each.
set -u
cd "$(dirname "$0")/.."
B=${TRAY_BUILD_ROOT:-build}
seconds=${1:-300}
tools/build.sh fuzz >/dev/null || { echo "fuzz build failed"; exit 1; }
mkdir -p "$B/fuzz/crashes"
status=0
for exe in "$B"/fuzz/bin/fuzz_*; do
  name=$(basename "$exe"); name=${name#fuzz_}
  seeds=fuzz/corpus/$name
  mkdir -p "$B/fuzz/corpus/$name" "$seeds"
  if [ "$seconds" = "--replay" ]; then
    args=(-runs=0 "$seeds")
  else
    args=(-max_total_time="$seconds" -timeout=10 "$B/fuzz/corpus/$name" "$seeds")
  fi
  if "$exe" -rss_limit_mb=2048 -artifact_prefix="$B/fuzz/crashes/$name-" "${args[@]}" \
       >"$B/fuzz/$name.log" 2>&1; then
    echo "fuzz $name: ok ($(grep -oE 'Done [0-9]+ runs' "$B/fuzz/$name.log" | tail -n 1))"
  else
    echo "fuzz $name: FAILED, see $B/fuzz/$name.log"
    grep -E 'ERROR|runtime error|SUMMARY' "$B/fuzz/$name.log" | head -n 5
    status=1
  fi
done
exit $status
