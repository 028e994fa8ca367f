#include "tweaker/platform/win32/real/real_chip_ports.h"

#include <windows.h>

namespace vdx {

namespace {

constexpr DWORD kWin9xFlag = 0x80000000;  // GetVersion: set on the 95/98 family

bool portsReachable() {
#if defined(__i386__)
  if (!(GetVersion() & kWin9xFlag)) return false;
  // Wine can claim to be Windows 98 but traps port instructions.
  HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  if (ntdll && GetProcAddress(ntdll, "wine_get_version")) return false;
  return true;
#else
  return false;
#endif
}

}  // namespace

RealChipPorts::RealChipPorts() : available_(portsReachable()) {}

uint8_t RealChipPorts::in8(uint16_t port) {
  if (!available_) return 0xFF;
  uint8_t value = 0xFF;
#if defined(__i386__)
  __asm__ __volatile__("inb %w1, %b0" : "=a"(value) : "Nd"(port));
#endif
  return value;
}

void RealChipPorts::out8(uint16_t port, uint8_t value) {
  if (!available_) return;
#if defined(__i386__)
  __asm__ __volatile__("outb %b0, %w1" : : "a"(value), "Nd"(port));
#else
  (void)port;
  (void)value;
#endif
}

void RealChipPorts::out16(uint16_t port, uint16_t value) {
  if (!available_) return;
#if defined(__i386__)
  __asm__ __volatile__("outw %w0, %w1" : : "a"(value), "Nd"(port));
#else
  (void)port;
  (void)value;
#endif
}

}  // namespace vdx
