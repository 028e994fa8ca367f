# Sourced: how this machine runs 32-bit x86 Linux programs (the 32-bit Wine
# loader). A kernel with its own 32-bit support runs them itself; otherwise
# binfmt_misc hands them to qemu-user (flag F: the interpreter is opened at
# registration, so 32-bit programs started by 32-bit programs run too).
QEMU_I386=/usr/bin/qemu-i386-static
BINFMT=/proc/sys/fs/binfmt_misc

# Whether the kernel has 32-bit system calls and they are not switched off.
i386_kernel_native() {
  grep -q ' __ia32_sys_read$' /proc/kallsyms 2>/dev/null &&
    ! grep -qE '(^| )ia32_emulation=(0|n|N|off|false)( |$)' /proc/cmdline
}

# Makes the binfmt entry match the kernel: registered where the kernel cannot
# run 32-bit code, out of the way where it can. qemu-user 7.2 ignores
# MAP_FIXED_NOREPLACE, and the 32-bit Wine loader, which reserves its address
# space with it, then takes minutes to start; so an entry that would shadow
# the kernel's own support is disabled. Prints one line when it changes something.
i386_exec_setup() {
  if [ ! -e "$BINFMT/status" ]; then
    if i386_kernel_native; then return 0; fi
    mount -t binfmt_misc binfmt_misc "$BINFMT" || { echo "cannot mount binfmt_misc on $BINFMT" >&2; return 1; }
  fi
  local entry=$BINFMT/qemu-i386
  if i386_kernel_native; then
    if [ -e "$entry" ] && head -n 1 "$entry" | grep -qx enabled; then
      echo 0 >"$entry" && echo "disabled the qemu-i386 binfmt entry: this kernel runs 32-bit programs itself"
    fi
    return 0
  fi
  if [ ! -e "$entry" ]; then
    [ -x "$QEMU_I386" ] || { echo "no $QEMU_I386 (package qemu-user-static)" >&2; return 1; }
    printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:'"$QEMU_I386"':F' \
      >"$BINFMT/register" && echo "registered qemu-i386 with binfmt_misc"
  elif ! head -n 1 "$entry" | grep -qx enabled; then
    echo 1 >"$entry" && echo "enabled the qemu-i386 binfmt entry"
  fi
}

# Why 32-bit programs cannot run here, or nothing when they can.
i386_exec_problem() {
  if [ ! -x /usr/lib/wine/wine ]; then echo "no 32-bit Wine loader /usr/lib/wine/wine (package wine32:i386)"; return; fi
  if ! i386_kernel_native; then
    [ -e "$BINFMT/status" ] || { echo "this kernel runs no 32-bit code and binfmt_misc is not mounted on $BINFMT"; return; }
    [ -e "$BINFMT/qemu-i386" ] && head -n 1 "$BINFMT/qemu-i386" | grep -qx enabled ||
      { echo "this kernel runs no 32-bit code and no qemu-i386 binfmt entry is enabled (tools/install-deps.sh)"; return; }
  fi
  /usr/lib/wine/wine --version >/dev/null 2>&1 || echo "the 32-bit Wine loader does not start (/usr/lib/wine/wine --version fails)"
}
