#!/usr/bin/env bash
# build.sh [host] [win64] [win64-tests] [win32] [fuzz]: configures and builds the
# named kinds (all five by default) into $TRAY_BUILD_ROOT/<kind> (default build/;
# give parallel workers their own root). fuzz: the parser harnesses under
# clang's libFuzzer with address and undefined-behaviour checks.
set -eu
cd "$(dirname "$0")/.."
B=${TRAY_BUILD_ROOT:-build}
kinds=${*:-host win64 win64-tests win32 fuzz}
for kind in $kinds; do
  case $kind in
    host)        tc= ;;
    fuzz)        tc=cmake/toolchain-fuzz.cmake ;;
    win64)       tc=cmake/toolchain-win64.cmake ;;
    win64-tests) tc=cmake/toolchain-win64-posix.cmake ;;
    win32)       tc=cmake/toolchain-win32.cmake ;;
    *) echo "unknown build kind $kind" >&2; exit 2 ;;
  esac
  mkdir -p "$B"
  if [ ! -f "$B/$kind/build.ninja" ]; then
    cmake -S . -B "$B/$kind" -G Ninja ${tc:+-DCMAKE_TOOLCHAIN_FILE=$tc} >"$B/$kind.configure.log" 2>&1 \
      || { cat "$B/$kind.configure.log"; exit 1; }
  fi
  echo "== build $kind"
  if ! cmake --build "$B/$kind" -j "$(nproc)" >"$B/$kind.build.log" 2>&1; then
    grep -E 'error|FAILED' "$B/$kind.build.log" | head -n 30
    echo "build $kind failed"; exit 1
  fi
  grep -i 'warning' "$B/$kind.build.log" | head -n 20 || true
done
