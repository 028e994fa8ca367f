// Test rig for the adapter code: a register-level chip behind the port
// interface (locks, index registers, input status), which records every
// port access, plus the fakes installed as the platform for one test.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "tests/fakes/tweaker/fake_clock.h"
#include "tests/fakes/tweaker/fake_registry.h"
#include "tests/fakes/tweaker/fake_system.h"
#include "tweaker/adapter/adapter_identity.h"
#include "tweaker/platform/platform.h"

namespace vdx {
namespace adapter_rig {

struct PortAccess {
  bool write;
  bool word;
  uint16_t port;
  uint16_t value;
  bool operator==(const PortAccess& o) const {
    return write == o.write && word == o.word && port == o.port && value == o.value;
  }
};

inline PortAccess in(uint16_t port, uint8_t value) { return {false, false, port, value}; }
inline PortAccess out(uint16_t port, uint8_t value) { return {true, false, port, value}; }
inline PortAccess outw(uint16_t port, uint16_t value) { return {true, true, port, value}; }

class RegisterChip : public ChipPorts {
 public:
  uint8_t crtc[256] = {};
  uint8_t seq[256] = {};
  uint8_t crtcIndex = 0;
  uint8_t seqIndex = 0;
  bool reachable = true;
  bool scanning = true;
  std::vector<PortAccess> log;
  // Sequencer writes in order, as (index, value).
  std::vector<std::pair<uint8_t, uint8_t>> seqWrites;

  RegisterChip() {
    crtc[0x39] = 0x5A;  // extended registers locked
    seq[0x08] = 0x00;
  }

  uint8_t in8(uint16_t port) override {
    const uint8_t v = read(port);
    log.push_back(in(port, v));
    return v;
  }
  void out8(uint16_t port, uint8_t value) override {
    log.push_back(out(port, value));
    write(port, value);
  }
  void out16(uint16_t port, uint16_t value) override {
    log.push_back(outw(port, value));
    write(port, static_cast<uint8_t>(value & 0xFF));
    write(static_cast<uint16_t>(port + 1), static_cast<uint8_t>(value >> 8));
  }
  bool available() override { return reachable; }

 private:
  static bool crtcExtended(uint8_t i) { return i >= 0x2D && i != 0x38 && i != 0x39; }
  static bool seqExtended(uint8_t i) { return i >= 0x09; }
  bool crtcOpen(uint8_t i) const { return !crtcExtended(i) || crtc[0x39] == 0xA5; }
  bool seqOpen(uint8_t i) const { return !seqExtended(i) || seq[0x08] == 0x06; }

  uint8_t read(uint16_t port) {
    switch (port) {
      case 0x3D4: return crtcIndex;
      case 0x3D5: return crtcOpen(crtcIndex) ? crtc[crtcIndex] : 0xFF;
      case 0x3C4: return seqIndex;
      case 0x3C5: return seqOpen(seqIndex) ? seq[seqIndex] : 0xFF;
      case 0x3DA:
        if (!scanning) return 0x08;  // stuck in retrace: never goes clear
        return ((statusReads_++ / 4) % 2) ? 0x08 : 0x00;
      default: return 0xFF;
    }
  }
  void write(uint16_t port, uint8_t value) {
    switch (port) {
      case 0x3D4: crtcIndex = value; break;
      case 0x3D5:
        if (crtcOpen(crtcIndex)) crtc[crtcIndex] = value;
        break;
      case 0x3C4: seqIndex = value; break;
      case 0x3C5:
        if (seqOpen(seqIndex)) {
          seq[seqIndex] = value;
          seqWrites.emplace_back(seqIndex, value);
        }
        break;
      default: break;
    }
  }
  uint32_t statusReads_ = 0;
};

// The fakes the adapter code runs on, and a fresh adapter record.
struct Rig {
  FakeRegistry registry;
  FakeSystem system;
  RegisterChip chip;
  FakeClock clock{5000, 1};
  AdapterIdentity id;

  Platform services() {
    Platform p;
    p.registry = &registry;
    p.system = &system;
    p.ports = &chip;
    p.clock = &clock;
    return p;
  }

  std::string sys(const std::string& name) const { return system.systemDir + "\\" + name; }
};

}  // namespace adapter_rig
}  // namespace vdx
