#include "tweaker/settings/gamma_type.h"

namespace vdx {
namespace {
struct GammaTypeName {
  GammaType type;
  const char* text;
};
const GammaTypeName kNames[] = {
    {GAMMA_BY_MODE, "ByMode"}, {GAMMA_BY_BPP, "ByBpp"}, {GAMMA_GLOBAL, "Global"}, {GAMMA_DISABLED, "Disabled"}};
}  // namespace

GammaType gammaTypeFromText(const std::string& text) {
  for (const GammaTypeName& n : kNames)
    if (text == n.text) return n.type;
  return GAMMA_BY_MODE;
}

const char* gammaTypeText(GammaType type) {
  for (const GammaTypeName& n : kNames)
    if (n.type == type) return n.text;
  return kNames[0].text;
}

}  // namespace vdx
