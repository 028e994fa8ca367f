#include "tweaker/display/stored_gamma.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "tweaker/common/registry_utils.h"
#include "tweaker/common/text_format.h"

namespace vdx {

namespace {
float inRange(float v, float low, float high) {
  if (!std::isfinite(v)) return 1.0f;
  return v < low ? low : (v > high ? high : v);
}
}  // namespace

std::string gammaValueName(GammaType type, int width, int height, int bitsPerPixel) {
  char name[64];
  switch (type) {
    case GAMMA_BY_BPP:
      formatText(name, sizeof name, "Gamma(%ubpp)", static_cast<unsigned>(bitsPerPixel));
      break;
    case GAMMA_GLOBAL:
      formatText(name, sizeof name, "Gamma(all)");
      break;
    default:
      formatText(name, sizeof name, "Gamma(%ux%ux%u)", static_cast<unsigned>(width),
                    static_cast<unsigned>(height), static_cast<unsigned>(bitsPerPixel));
      break;
  }
  return name;
}

StoredGamma parseStoredGamma(const std::string& text) {
  StoredGamma g;
  float v[6] = {1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f};
  // "Gamma=R G B Bright=R G B": the figures up to the first missing or
  // malformed one are read, the rest keep 1.0. (readDecimal rather than sscanf:
  // the scanf family costs the program 15 KB more.)
  const char* p = text.c_str();
  if (std::strncmp(p, "Gamma=", 6) == 0) {
    p += 6;
    for (int i = 0; i < 6; ++i) {
      if (i == 3) {
        while (std::isspace(static_cast<unsigned char>(*p))) ++p;
        if (std::strncmp(p, "Bright=", 7) != 0) break;
        p += 7;
      }
      char* end = nullptr;
      const float f = static_cast<float>(readDecimal(p, &end));
      if (end == p) break;
      v[i] = f;
      p = end;
    }
  }
  for (int i = 0; i < 3; ++i) {
    g.gamma[i] = inRange(v[i], 0.10f, 3.00f);
    g.bright[i] = inRange(v[i + 3], 0.0f, 3.00f);
  }
  return g;
}

GammaRamp buildGammaRamp(const StoredGamma& g) {
  GammaRamp ramp;
  for (int c = 0; c < 3; ++c) {
    const float d = g.bright[c] - 1.0f;
    const int offset = d > 0 ? static_cast<int>(150 * (d / 2)) : static_cast<int>(150 * d);
    for (int i = 0; i < 256; ++i) {
      const double x = i * 0.00392156862745098;
      int entry = static_cast<int>(255 * std::pow(x, 1.0 / g.gamma[c]) + 0.005) + offset;
      if (entry < 0) entry = 0;
      if (entry > 255) entry = 255;
      ramp.entries[c * 256 + i] = static_cast<uint16_t>(entry);
    }
  }
  return ramp;
}

std::string formatStoredGamma(const StoredGamma& g) {
  char text[96];
  formatText(text, sizeof text, "Gamma=%.2f %.2f %.2f Bright=%.2f %.2f %.2f", g.gamma[0], g.gamma[1], g.gamma[2],
                g.bright[0], g.bright[1], g.bright[2]);
  return text;
}

void BuildGammaTable(GammaSettings* s) { s->table = buildGammaRamp(s->values); }

void ApplyStoredGamma(const Platform& hw, const AdapterIdentity& id, GammaType type, DriverEscapes& escapes,
                      GammaSettings* s) {
  s->values = StoredGamma();
  BuildGammaTable(s);
  hw.display->deviceCaps(&s->width, &s->height, &s->bitsPerPixel);
  if (s->bitsPerPixel <= 8) return;  // palette modes get no gamma
  std::string text;
  {
    RegKey card;
    if (openCardKey(*hw.registry, id, &card) == 0)
      readStringValue(card,
                      gammaValueName(type, static_cast<int>(s->width), static_cast<int>(s->height),
                                     static_cast<int>(s->bitsPerPixel)),
                      &text, "");
  }
  if (!text.empty()) s->values = parseStoredGamma(text);
  BuildGammaTable(s);
  if (type != GAMMA_DISABLED) escapes.SetGammaRamp(s->table, false);
  const StoredGamma& v = s->values;
  const bool same = v.gamma[0] == v.gamma[1] && v.gamma[1] == v.gamma[2] && v.bright[0] == v.bright[1] &&
                    v.bright[1] == v.bright[2];
  s->selection = same ? kGammaAllChannels : kGammaRed;
}

void ApplyStoredGamma(const Platform& hw, const AdapterIdentity& id, GammaType type, DriverEscapes& escapes) {
  GammaSettings temporary;
  ApplyStoredGamma(hw, id, type, escapes, &temporary);
}

}  // namespace vdx
