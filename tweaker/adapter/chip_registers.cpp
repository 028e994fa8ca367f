#include "tweaker/adapter/chip_registers.h"


namespace vdx {
namespace {

// A frame lasts at most ~25 ms (40 Hz); a display that shows no retrace for
// this long is not scanning and must not hang the program.
constexpr uint32_t kRetraceTimeoutMs = 100;
// Also bounded in reads, for a millisecond counter that does not move.
constexpr uint32_t kRetraceMaxPolls = 1u << 20;

uint8_t crtcAccess(ChipPorts& p, uint8_t index, const uint8_t* write) {
  const uint8_t savedIndex = p.in8(kVgaCrtcIndex);
  p.out8(kVgaCrtcIndex, kCrtcLockRegister);
  const uint8_t savedLock = p.in8(kVgaCrtcData);
  p.out16(kVgaCrtcIndex, static_cast<uint16_t>((kCrtcUnlockValue << 8) | kCrtcLockRegister));
  p.out8(kVgaCrtcIndex, index);
  uint8_t value = 0;
  if (write) {
    p.out8(kVgaCrtcData, *write);
    value = *write;
  } else {
    value = p.in8(kVgaCrtcData);
  }
  p.out8(kVgaCrtcIndex, kCrtcLockRegister);
  p.out8(kVgaCrtcData, savedLock);
  p.out8(kVgaCrtcIndex, savedIndex);
  return value;
}

uint8_t seqAccess(ChipPorts& p, uint8_t index, const uint8_t* write) {
  const uint8_t savedIndex = p.in8(kVgaSeqIndex);
  p.out16(kVgaSeqIndex, static_cast<uint16_t>((kSeqUnlockValue << 8) | kSeqLockRegister));
  p.out8(kVgaSeqIndex, index);
  uint8_t value = 0;
  if (write) {
    p.out8(kVgaSeqData, *write);
    value = *write;
  } else {
    value = p.in8(kVgaSeqData);
  }
  p.out8(kVgaSeqIndex, savedIndex);
  return value;
}

// Polls input status 1 until the retrace bit equals `set`; false on time-out.
bool pollRetrace(ChipPorts& p, MilliClock& clock, bool set, uint32_t start) {
  for (uint32_t polls = 0; polls < kRetraceMaxPolls; ++polls) {
    const bool inRetrace = (p.in8(kVgaInputStatus1) & kInputStatusRetrace) != 0;
    if (inRetrace == set) return true;
    if ((polls & 0xFF) == 0xFF && clock.now() - start > kRetraceTimeoutMs) return false;
  }
  return false;
}

}  // namespace

uint8_t readExtReg(ChipPorts& ports, uint8_t index) { return crtcAccess(ports, index, nullptr); }

void writeExtReg(ChipPorts& ports, uint8_t index, uint8_t value) { crtcAccess(ports, index, &value); }

uint8_t readSeqReg(ChipPorts& ports, uint8_t index) { return seqAccess(ports, index, nullptr); }

void writeSeqReg(ChipPorts& ports, uint8_t index, uint8_t value) { seqAccess(ports, index, &value); }

bool waitVerticalRetrace(ChipPorts& ports, MilliClock& clock) {
  const uint32_t start = clock.now();
  return pollRetrace(ports, clock, false, start) && pollRetrace(ports, clock, true, start);
}

uint32_t waitMilliseconds(MilliClock& clock, uint32_t ms) {
  const uint32_t start = clock.now();
  uint32_t elapsed = 0;
  while ((elapsed = clock.now() - start) < ms) {
  }
  return elapsed;
}

uint32_t readChipRevision(ChipPorts& ports, uint32_t deviceId) {
  uint32_t revision = readExtReg(ports, 0x2F);
  if (deviceId == 0x8A20 || deviceId == 0x8A21) revision += 1;
  return revision;
}

}  // namespace vdx
