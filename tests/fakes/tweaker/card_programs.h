// Programs on a known card as start-up leaves them: the card's chip on the
// fake ports and the adapter record identified from it, not filled by hand.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "tests/fakes/tweaker/fake_platform.h"
#include "tweaker/adapter/chip_registers.h"
#include "tweaker/adapter/identify_adapter.h"
#include "tweaker/shell/shell_state.h"

namespace vdx {

// Puts the preset's chip on the ports and identifies it as start-up does: the
// device id the driver names, the revision the chip holds, then the rest.
// False (and the Savage4 chip) when the preset is unknown.
inline bool identifyCard(FakePlatform& fp, const std::string& preset, AdapterIdentity* id) {
  const bool known = fp.ports.setPreset(preset);
  *id = AdapterIdentity();
  id->deviceId = fp.ports.card().deviceId;
  id->revision = readChipRevision(fp.ports, id->deviceId);
  fillAdapterIdentity(fp.services(), *id);
  return known;
}

// A program on the named card with an empty registry, identified (the
// identification's port accesses cleared from the record), its desktop at
// 640x480 in 16 bpp with 8 bpp offered at that size (a display reset's other
// depth) and the metrics read from it.
struct CardProgram : TestProgram {
  explicit CardProgram(const std::string& preset) {
    if (!identifyCard(fakes, preset, &program.identity)) ADD_FAILURE() << "no card preset " << preset;
    fakes.ports.clearAccesses();
    fakes.display.setModes({{640, 480, 8, 60}, {640, 480, 16, 60}});
    fakes.display.setCurrent({640, 480, 16, 60});
    program.shell.metrics = readDisplayMetrics(fakes.display);
  }
  // The values under the card's own key.
  std::string cardValue(const std::string& name) const {
    return fakes.registry.getString(RegRoot::LocalMachine, program.identity.cardKeyPath, name);
  }
  bool hasCardValue(const std::string& name) const {
    return fakes.registry.hasValue(RegRoot::LocalMachine, program.identity.cardKeyPath, name);
  }
  void setCardValue(const std::string& name, const std::string& text) {
    fakes.registry.setString(RegRoot::LocalMachine, program.identity.cardKeyPath, name, text);
  }
};

// The card most tests run on: a Savage4 GT/Pro on AGP with SGRAM.
struct Savage4Program : CardProgram {
  Savage4Program() : CardProgram("Savage4") {}
};

}  // namespace vdx
