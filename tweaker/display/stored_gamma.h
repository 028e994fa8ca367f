// Gamma and brightness stored per display mode, per depth or once, applied
// again after start-up and after every display change.
#pragma once
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

// The hardware table for the settings, one curve per channel.
GammaRamp buildGammaRamp(const StoredGamma& g);

// Loads the settings stored under `type` for the mode in force into the
// hardware table.
void ApplyStoredGamma(const Platform& hw, const AdapterIdentity& id, GammaType type, DriverEscapes& escapes);

}  // namespace vdx
