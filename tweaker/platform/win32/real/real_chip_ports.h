// The adapter's VGA ports reached with the processor's in and out
// instructions, which the 95/98 family lets a program use. Elsewhere (NT,
// Wine, 64-bit) the ports are unavailable: reads give 0xFF, writes do nothing.
#pragma once
#include "tweaker/platform/chip_ports.h"

namespace vdx {

class RealChipPorts : public ChipPorts {
 public:
  RealChipPorts();
  uint8_t in8(uint16_t port) override;
  void out8(uint16_t port, uint8_t value) override;
  void out16(uint16_t port, uint16_t value) override;
  bool available() override { return available_; }

 private:
  bool available_;
};

}  // namespace vdx
