#!/usr/bin/env bash
# Installs the Debian packages the builds and tests need, when any is missing.
set -eu
pkgs="cmake ninja-build g++ python3 googletest libgtest-dev libbenchmark-dev
      g++-mingw-w64-i686-win32 g++-mingw-w64-x86-64-win32 g++-mingw-w64-x86-64-posix
      wine64 fonts-wine xvfb x11-utils xdotool imagemagick sox nsis halibut clang libclang-rt-14-dev"
missing=
for p in $pkgs; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "installing:$missing"
export DEBIAN_FRONTEND=noninteractive
apt-get update -q >/dev/null
apt-get install -y -q --no-install-recommends $missing >/dev/null
