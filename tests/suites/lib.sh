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

# at_exit COMMAND: runs COMMAND (latest first) when the suite's shell ends,
# however it ends, so nothing the suite started outlives it.
SUITE_AT_EXIT=()
at_exit() {
  SUITE_AT_EXIT+=("$1")
  trap suite_exit EXIT
}
suite_exit() {
  local i
  for ((i = ${#SUITE_AT_EXIT[@]} - 1; i >= 0; i--)); do eval "${SUITE_AT_EXIT[i]}"; done
  SUITE_AT_EXIT=()
}

# wine_up: the suite's virtual screen, prefix and a persistent wineserver.
# wine_down ends the wineserver, and the screen when wine_up started it (a
# screen that was up already, such as run.sh's, is left running); it also
# runs by itself when the suite ends without it.
SUITE_WINE_UP=
SUITE_OWNS_XVFB=
wine_up() {
  if ! "$REPO/tools/wine/xvfb.sh" running; then
    "$REPO/tools/wine/xvfb.sh" start || return 1
    SUITE_OWNS_XVFB=1
  fi
  [ -n "$SUITE_WINE_UP" ] || at_exit wine_down
  SUITE_WINE_UP=1
  "$REPO/tools/wine/prefix.sh" && "$REPO/tools/wine/server.sh" start
}
wine_down() {
  [ -n "$SUITE_WINE_UP" ] || return 0
  "$REPO/tools/wine/server.sh" stop
  if [ -n "$SUITE_OWNS_XVFB" ]; then "$REPO/tools/wine/xvfb.sh" stop; fi
  SUITE_WINE_UP=
  SUITE_OWNS_XVFB=
}
