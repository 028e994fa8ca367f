// The chip's extended CRTC and sequencer registers, reached through the VGA
// ports. Every access leaves the index registers as it found them, so the
// display driver's own index state survives between two of our accesses.
#pragma once
#include <cstdint>

#include "tweaker/platform/chip_ports.h"

namespace vdx {

constexpr uint16_t kVgaSeqIndex = 0x3C4;
constexpr uint16_t kVgaSeqData = 0x3C5;
constexpr uint16_t kVgaCrtcIndex = 0x3D4;
constexpr uint16_t kVgaCrtcData = 0x3D5;
constexpr uint16_t kVgaInputStatus1 = 0x3DA;
constexpr uint8_t kInputStatusRetrace = 0x08;

constexpr uint8_t kCrtcLockRegister = 0x39;
constexpr uint8_t kCrtcUnlockValue = 0xA5;
constexpr uint8_t kSeqLockRegister = 0x08;
constexpr uint8_t kSeqUnlockValue = 0x06;

// Extended CRTC registers: unlocked for the access, lock restored after.
uint8_t readExtReg(ChipPorts& ports, uint8_t index);
void writeExtReg(ChipPorts& ports, uint8_t index, uint8_t value);

// Extended sequencer registers: unlocked for the access and left open.
uint8_t readSeqReg(ChipPorts& ports, uint8_t index);
void writeSeqReg(ChipPorts& ports, uint8_t index, uint8_t value);

// Returns at the start of the next vertical retrace, or after a bound well
// above one frame when the display is not scanning (false then).
bool waitVerticalRetrace(ChipPorts& ports, MilliClock& clock);

// Polls the millisecond counter until `ms` have passed; returns the elapsed
// milliseconds.
uint32_t waitMilliseconds(MilliClock& clock, uint32_t ms);

// The chip's revision as the identification records it: CR2F, plus one on
// Savage3D ids.
uint32_t readChipRevision(ChipPorts& ports, uint32_t deviceId);

}  // namespace vdx
