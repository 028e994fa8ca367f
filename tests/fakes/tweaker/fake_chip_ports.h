// The chip ports of tests: the simulated Savage chip (a Savage4 GT unless a
// test picks another card), recording every access.
#pragma once
#include <string>

#include "tweaker/simulated/savage_chip.h"
#include "tweaker/simulated/sim_card.h"

namespace vdx {

class FakeChipPorts : public SavageChip {
 public:
  explicit FakeChipPorts(MilliClock& clock, const SimCard& card = SimCard()) : SavageChip(card, clock) {}
  // Swaps in a fresh chip for another card (power-up state, empty record).
  void setCard(const SimCard& card) { static_cast<SavageChip&>(*this) = SavageChip(card, clock()); }
  // The same by preset name ("Savage3D", "Savage2000", ...); false when unknown.
  bool setPreset(const std::string& name) {
    SimCard card;
    bool known = simPreset(name, &card);
    setCard(card);
    return known;
  }
};

}  // namespace vdx
