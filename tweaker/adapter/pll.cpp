#include "tweaker/adapter/pll.h"

#include "tweaker/adapter/chip_registers.h"

namespace vdx {
namespace {

constexpr int kReadBackCount = 50;

struct SearchRange {
  uint32_t firstR;
  uint32_t lastR;
  bool limitVco;  // target * 2^R must lie in (135, 270]
};

bool searchRange(uint32_t mode, SearchRange* out) {
  switch (mode) {
    case 0: *out = {0, 3, true}; return true;
    case 1: *out = {1, 2, false}; return true;
    default: return false;
  }
}

}  // namespace

float readPllFrequency(ChipPorts& ports, uint8_t pllIndex, uint16_t flagRegister) {
  const uint8_t mReg = readSeqReg(ports, pllIndex);
  const uint8_t nReg = readSeqReg(ports, static_cast<uint8_t>(pllIndex + 1));
  const int m = mReg & 0x1F;
  const int r = (mReg >> 5) & 3;
  const int n = nReg & 0x7F;
  int p = 1 << r;
  if (flagRegister != 0) {
    p = readSeqReg(ports, static_cast<uint8_t>(flagRegister)) == kPostDividerTwoFlag ? 2 : 4;
  }
  return static_cast<float>((n + 2) * kPllReferenceMhz / ((m + 2) * p));
}

PllDivisors findPllDivisors(float target, bool bestMatch, uint32_t mode) {
  PllDivisors found;
  SearchRange range;
  if (!searchRange(mode, &range)) return found;
  const float lo = target - 0.02f;
  const float hi = lo + 0.99f;
  float best = target + 10.0f;
  bool any = false;
  for (uint32_t r = range.firstR; r <= range.lastR; ++r) {
    const int post = 1 << r;
    if (range.limitVco) {
      const float vco = target * static_cast<float>(post);
      if (!(vco > 135.0f && vco <= 270.0f)) continue;
    }
    for (int m = 1; m <= 31; ++m) {
      const double divisor = static_cast<double>((m + 2) * post);
      for (int n = 1; n <= 127; ++n) {
        const float f = static_cast<float>((n + 2) * kPllReferenceMhz / divisor);
        if (!(lo <= f && f < hi)) continue;
        const PllDivisors candidate{f, static_cast<uint8_t>((r << 5) + m), static_cast<uint8_t>(n)};
        if (!bestMatch) return candidate;
        if (f < best) {
          best = f;
          found = candidate;
          any = true;
        }
      }
    }
  }
  return any ? found : PllDivisors{};
}

float programPll(ChipPorts& ports, MilliClock& clock, uint8_t pllIndex, uint16_t loadWord, uint8_t mReg,
                 uint8_t nReg, uint16_t flagRegister, uint32_t settleMs) {
  if (!ports.available()) return 0.0f;
  waitVerticalRetrace(ports, clock);
  const uint8_t loadRegister = static_cast<uint8_t>(loadWord & 0xFF);
  const uint8_t mask = static_cast<uint8_t>(loadWord >> 8);
  const uint8_t base = static_cast<uint8_t>(readSeqReg(ports, loadRegister) & ~mask);
  writeSeqReg(ports, loadRegister, base);
  writeSeqReg(ports, pllIndex, mReg);
  writeSeqReg(ports, static_cast<uint8_t>(pllIndex + 1), nReg);
  writeSeqReg(ports, loadRegister, static_cast<uint8_t>(base | mask));
  writeSeqReg(ports, loadRegister, base);
  if (flagRegister != 0) {
    writeSeqReg(ports, static_cast<uint8_t>(flagRegister), (mReg & 0x60) == 0x20 ? kPostDividerTwoFlag : 0);
  }
  float mhz = 0.0f;
  for (int i = 0; i < kReadBackCount; ++i) mhz = readPllFrequency(ports, pllIndex, flagRegister);
  waitMilliseconds(clock, settleMs);
  return mhz;
}

}  // namespace vdx
