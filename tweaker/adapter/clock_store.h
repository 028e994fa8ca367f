// Setting the clocks from the Overclock dialog and keeping its choices in the
// card key: the saved speeds, the ratio, and the crash-guard mark that
// follows whether any speed is saved.
#pragma once
#include <string>

#include "tweaker/adapter/adapter_identity.h"
#include "tweaker/adapter/clock_settings.h"
#include "tweaker/platform/platform.h"

namespace vdx {

enum class ClockAction { Store, Remove, Keep };

// Writes, deletes or keeps "MclkSpeed" and "EclkSpeed", then marks
// "Overclocked" while either holds text. False when the card key cannot be
// opened.
bool storeClockSettings(Registry& reg, const AdapterIdentity& id, const ClockState& clocks, ClockAction mclk,
                        ClockAction eclk);

// What Save adds to setting the clocks: the ratio controls as the user left them.
struct ClockSave {
  bool save = false;
  bool useRatio = false;
  std::string ratioText;  // taken only when a number in 0.5 .. 2.0
};

// Programs the non-zero speeds (Eclk only on a chip that has one); setting
// Mclk allows clocks again after a SHIFT start. With `save.save` the speeds
// and the ratio are stored.
void setClocksNow(const Platform& hw, const AdapterIdentity& id, const ClockRules& rules, ClockState& clocks,
                  float mclk, float eclk, const ClockSave& save);

}  // namespace vdx
