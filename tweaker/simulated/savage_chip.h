// A Savage chip at register level behind the VGA ports: CRTC and sequencer
// index/data pairs, the extended-register locks, identification registers
// from the card, PLL pairs that take new values on a latch pulse, and input
// status bit 3 toggling with time. Every port access is recorded in order.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "tweaker/platform/chip_ports.h"
#include "tweaker/simulated/sim_card.h"

namespace vdx {

struct PortAccess {
  enum Kind : uint8_t { In8, Out8, Out16 };
  Kind kind;
  uint16_t port;
  uint16_t value;  // read or written
  bool operator==(const PortAccess& o) const { return kind == o.kind && port == o.port && value == o.value; }
};

// One clock generator: the register pair and its latch.
struct SimPll {
  uint8_t pllIndex;
  uint8_t loadRegister;
  uint8_t loadMask;
};

constexpr uint16_t kPortSeqIndex = 0x3C4;
constexpr uint16_t kPortSeqData = 0x3C5;
constexpr uint16_t kPortCrtcIndex = 0x3D4;
constexpr uint16_t kPortCrtcData = 0x3D5;
constexpr uint16_t kPortInputStatus = 0x3DA;
// A 60 Hz frame: retrace for the first 2 of every 16 milliseconds.
constexpr uint32_t kSimFrameMs = 16;
constexpr uint32_t kSimRetraceMs = 2;

class SavageChip : public ChipPorts {
 public:
  SavageChip(const SimCard& card, MilliClock& clock);

  // Every register back at its power-up value, as after a power cut.
  void powerUp();

  uint8_t in8(uint16_t port) override;
  void out8(uint16_t port, uint8_t value) override;
  void out16(uint16_t port, uint16_t value) override;
  bool available() override { return true; }

  const SimCard& card() const { return card_; }
  MilliClock& clock() const { return *clock_; }
  const std::vector<SimPll>& plls() const { return plls_; }

  // Register contents as the chip holds them, locks aside. PLL registers read
  // their latched (in-force) value.
  uint8_t crtc(uint8_t index) const;
  uint8_t seq(uint8_t index) const;
  void setCrtc(uint8_t index, uint8_t value) { crtc_[index] = value; }
  // Sets a sequencer register and, for a PLL register, its in-force value too.
  void setSeq(uint8_t index, uint8_t value);
  uint8_t crtcIndex() const { return crtcIndex_; }
  uint8_t seqIndex() const { return seqIndex_; }

  const std::vector<PortAccess>& accesses() const { return log_; }
  void clearAccesses() { log_.clear(); }
  // The program itself runs without the record, which would only grow.
  void setRecording(bool on) { recording_ = on; }
  // Accesses without the input-status polls (which depend on timing).
  std::vector<PortAccess> accessesWithoutStatus() const;

  // Called after every register write (the program keeps the state on disk).
  void setOnWrite(std::function<void()> f) { onWrite_ = std::move(f); }

  // Register state as one line of text, and back. A state saved for another
  // card is refused so a changed card starts from its power-up values. The
  // CR39 lock is not kept: it comes back closed.
  std::string saveState() const;
  bool loadState(const std::string& text);

 private:
  bool crtcLocked(uint8_t index) const;
  bool seqLocked(uint8_t index) const;
  int pllSlot(uint8_t index) const;  // index into latched_, -1 when not a PLL register
  void writeCrtc(uint8_t value);
  void writeSeq(uint8_t value);
  std::string cardTag() const;

  SimCard card_;
  MilliClock* clock_;
  std::vector<SimPll> plls_;
  std::array<uint8_t, 256> crtc_{};
  std::array<uint8_t, 256> seq_{};      // as written
  std::vector<uint8_t> latched_;        // in force: two per PLL
  uint8_t crtcIndex_ = 0;
  uint8_t seqIndex_ = 0;
  std::vector<PortAccess> log_;
  bool recording_ = true;
  std::function<void()> onWrite_;
};

}  // namespace vdx
