#!/usr/bin/env bash
# Installs the Debian packages the builds and tests need, when any is missing,
# and makes the machine run the shipping 32-bit programs (tools/i386-exec.sh).
set -eu
pkgs="cmake ninja-build g++ python3 googletest libgtest-dev libbenchmark-dev
      g++-mingw-w64-i686-win32 g++-mingw-w64-x86-64-win32 g++-mingw-w64-x86-64-posix
      wine64 wine32:i386 fonts-wine xvfb x11-utils xdotool imagemagick sox nsis halibut clang libclang-rt-14-dev"
here=$(dirname "$0")
. "$here/i386-exec.sh"
# A kernel without its own 32-bit support runs them through qemu-user.
i386_kernel_native || pkgs="$pkgs qemu-user-static"
export DEBIAN_FRONTEND=noninteractive
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  echo "adding the i386 architecture (for wine32)"
  dpkg --add-architecture i386
fi
missing=
for p in $pkgs; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing="$missing $p"
done
if [ -n "$missing" ]; then
  echo "installing:$missing"
  apt-get update -q >/dev/null
  apt-get install -y -q --no-install-recommends $missing >/dev/null
fi
# Only the x86 suite needs it; it fails and says why when this did not work.
i386_exec_setup || echo "32-bit programs will not run here: tests/suites/65-x86.sh will fail"
