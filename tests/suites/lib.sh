# Sourced by the suites. Each suite ends with one line "NAME: N passed, N failed".
REPO=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
# Build outputs (TRAY_BUILD_ROOT lets parallel workers keep their own).
BUILD=${TRAY_BUILD_ROOT:-$REPO/build}
case $BUILD in /*) ;; *) BUILD=$REPO/$BUILD ;; esac
SUITE_PASSED=0
SUITE_FAILED=0

# gtest_count LOGFILE: adds a GoogleTest program's totals. Failures are what
# ran less what passed or was skipped (--gtest_brief prints no failure count);
# a program that died before its summary counts as one failure.
gtest_count() {
  local ran p s
  ran=$(grep -E '^\[==========\] [0-9]+ tests? from .* ran' "$1" | tail -n 1 | grep -oE '[0-9]+' | head -n 1)
  p=$(grep -E '^\[  PASSED  \] [0-9]+ test' "$1" | tail -n 1 | grep -oE '[0-9]+' | head -n 1)
  s=$(grep -E '^\[  SKIPPED \] [0-9]+ test' "$1" | tail -n 1 | grep -oE '[0-9]+' | head -n 1)
  if [ -z "$ran" ]; then
    echo "  (no GoogleTest summary in $1: counted as one failure)"
    SUITE_FAILED=$((SUITE_FAILED + 1)); return
  fi
  p=${p:-0}; s=${s:-0}
  SUITE_PASSED=$((SUITE_PASSED + p))
  SUITE_FAILED=$((SUITE_FAILED + ran - p - s))
}

# plain_count LOGFILE: adds the last "N passed, N failed" line of a log; a
# log without one counts as one failure.
plain_count() {
  local line
  line=$(grep -E '(^|: )[0-9]+ passed, [0-9]+ failed' "$1" | tail -n 1)
  if [ -z "$line" ]; then
    echo "  (no summary line in $1: counted as one failure)"
    SUITE_FAILED=$((SUITE_FAILED + 1)); return
  fi
  SUITE_PASSED=$((SUITE_PASSED + $(echo "$line" | grep -oE '[0-9]+ passed' | grep -oE '[0-9]+')))
  SUITE_FAILED=$((SUITE_FAILED + $(echo "$line" | grep -oE '[0-9]+ failed' | grep -oE '[0-9]+')))
}

suite_end() {
  echo "$1: $SUITE_PASSED passed, $SUITE_FAILED failed"
  [ "$SUITE_FAILED" -eq 0 ]
}

# The suites use the default virtual screen and prefix unless told otherwise.
. "$REPO/tools/wine/env.sh"

# wine_up: the suite's virtual screen, prefix and a persistent wineserver.
wine_up() {
  "$REPO/tools/wine/xvfb.sh" start && "$REPO/tools/wine/prefix.sh" && "$REPO/tools/wine/server.sh" start
}
wine_down() {
  "$REPO/tools/wine/server.sh" stop
}
