// Gamma and brightness stored per display mode, per depth or once, applied
// again after start-up and after every display change.
#pragma once
#include <cstdint>
#include <string>

#include "tweaker/adapter/adapter_identity.h"
#include "tweaker/display/driver_escape.h"
#include "tweaker/display/gamma_ramp.h"
#include "tweaker/platform/platform.h"
#include "tweaker/settings/gamma_type.h"

namespace vdx {

struct StoredGamma {
  float gamma[3] = {1.0f, 1.0f, 1.0f};  // red, green, blue
  float bright[3] = {1.0f, 1.0f, 1.0f};
};

// The card key value holding the settings for a mode under a storage type.
std::string gammaValueName(GammaType type, int width, int height, int bitsPerPixel);

// Parses "Gamma=%f %f %f Bright=%f %f %f"; fields that do not parse stay
// 1.0, and values are brought into the ranges the Gamma dialog offers
// (gamma 0.10 to 3.00, brightness 0 to 3.00) so a damaged value cannot
// reach the table arithmetic.
StoredGamma parseStoredGamma(const std::string& text);

// "Gamma=%.2f %.2f %.2f Bright=%.2f %.2f %.2f", the text a value holds.
std::string formatStoredGamma(const StoredGamma& g);

// The hardware table for the settings, one curve per channel.
GammaRamp buildGammaRamp(const StoredGamma& g);

// Channel selection bits; kGammaAllChannels edits the three at once.
constexpr int16_t kGammaRed = 1;
constexpr int16_t kGammaGreen = 2;
constexpr int16_t kGammaBlue = 4;
constexpr int16_t kGammaAllChannels = -1;

// What the Gamma dialog edits, or a temporary record for applying at
// start-up and after a display change.
struct GammaSettings {
  StoredGamma values;
  GammaRamp table;
  StoredGamma savedValues;  // what Cancel goes back to
  GammaRamp savedTable;
  bool dirty = false;
  int16_t selection = 0;  // 0 in palette modes: slider moves change nothing
  uint32_t width = 0, height = 0, bitsPerPixel = 0;
};

void BuildGammaTable(GammaSettings* s);

// Loads the settings stored under `type` for the mode in force and, unless
// gamma is disabled, sends them to the hardware table (not committed).
void ApplyStoredGamma(const Platform& hw, const AdapterIdentity& id, GammaType type, DriverEscapes& escapes,
                      GammaSettings* s);
void ApplyStoredGamma(const Platform& hw, const AdapterIdentity& id, GammaType type, DriverEscapes& escapes);

}  // namespace vdx
