// Direct VGA port I/O to the adapter, and the multimedia millisecond counter.
#pragma once
#include <cstdint>

namespace vdx {

class ChipPorts {
 public:
  virtual ~ChipPorts() = default;
  virtual uint8_t in8(uint16_t port) = 0;
  virtual void out8(uint16_t port, uint8_t value) = 0;
  // 16-bit write: low byte to port, high byte to port + 1.
  virtual void out16(uint16_t port, uint16_t value) = 0;
  // False when the ports cannot be reached (no privilege, no chip).
  virtual bool available() = 0;
};

class MilliClock {
 public:
  virtual ~MilliClock() = default;
  // timeGetTime: milliseconds, wrapping at 2^32.
  virtual uint32_t now() = 0;
};

}  // namespace vdx
