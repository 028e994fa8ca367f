// A millisecond counter that moves only when told: by a fixed step on every
// reading, or on demand. Wraps at 2^32 like timeGetTime.
#pragma once
#include <cstdint>

#include "tweaker/platform/chip_ports.h"

namespace vdx {

class FakeClock : public MilliClock {
 public:
  explicit FakeClock(uint32_t start = 0, uint32_t stepPerRead = 0) : now_(start), step_(stepPerRead) {}
  uint32_t now() override {
    ++reads_;
    uint32_t t = now_;
    now_ += step_;
    return t;
  }
  void advance(uint32_t ms) { now_ += ms; }
  void set(uint32_t ms) { now_ = ms; }
  void setStep(uint32_t ms) { step_ = ms; }
  uint32_t peek() const { return now_; }
  uint64_t reads() const { return reads_; }

 private:
  uint32_t now_;
  uint32_t step_;
  uint64_t reads_ = 0;
};

}  // namespace vdx
