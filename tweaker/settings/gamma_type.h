// Where stored gamma settings are kept: per display mode, per colour depth,
// once for all modes, or not applied at all.
#pragma once
#include <string>

namespace vdx {

enum GammaType : int { GAMMA_BY_MODE = 0, GAMMA_BY_BPP = 1, GAMMA_GLOBAL = 2, GAMMA_DISABLED = 3 };

// "Global", "ByBpp", "Disabled"; any other text is by mode.
GammaType gammaTypeFromText(const std::string& text);
const char* gammaTypeText(GammaType type);

}  // namespace vdx
