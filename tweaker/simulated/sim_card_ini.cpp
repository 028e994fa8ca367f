#include "tweaker/simulated/sim_card_ini.h"

#include <cerrno>
#include <cstdlib>
#include <vector>

namespace vdx {

namespace {

constexpr std::size_t kMaxField = 128;
const char* const kCard = "Card";
const char* const kMachine = "Machine";

// A whole number in decimal or 0x-hex; false for anything else or out of range.
bool parseNumber(const std::string& text, uint32_t maximum, uint32_t* out) {
  if (text.empty()) return false;
  char* end = nullptr;
  errno = 0;
  unsigned long long v = std::strtoull(text.c_str(), &end, 0);
  if (errno || end == text.c_str() || *end != '\0' || text[0] == '-' || v > maximum) return false;
  *out = static_cast<uint32_t>(v);
  return true;
}

// Comma-separated numbers; false unless exactly `count` parse.
bool parseList(const std::string& text, std::size_t count, uint32_t maximum, std::vector<uint32_t>* out) {
  out->clear();
  std::size_t pos = 0;
  while (pos <= text.size()) {
    std::size_t comma = text.find(',', pos);
    if (comma == std::string::npos) comma = text.size();
    std::string item = text.substr(pos, comma - pos);
    while (!item.empty() && item.front() == ' ') item.erase(item.begin());
    while (!item.empty() && item.back() == ' ') item.pop_back();
    uint32_t v = 0;
    if (!parseNumber(item, maximum, &v)) return false;
    out->push_back(v);
    pos = comma + 1;
  }
  return out->size() == count;
}

struct NumberField {
  const char* key;
  uint32_t maximum;
  void (*apply)(SimCard&, uint32_t);
};

const NumberField kNumberFields[] = {
    {"DeviceId", 0xFFFF, [](SimCard& c, uint32_t v) { c.deviceId = static_cast<uint16_t>(v); }},
    {"Revision", 0xFF, [](SimCard& c, uint32_t v) { c.revision = static_cast<uint8_t>(v); }},
    {"MemoryMB", 4095, [](SimCard& c, uint32_t v) { c.memoryBytes = v << 20; }},
    {"SGRAM", 1, [](SimCard& c, uint32_t v) { c.sgram = v != 0; }},
    {"AGP", 1, [](SimCard& c, uint32_t v) { c.agp = v != 0; }},
    {"GTPro", 1, [](SimCard& c, uint32_t v) { c.gtPro = v != 0; }},
    {"Sideband", 1, [](SimCard& c, uint32_t v) { c.sideband = v != 0; }},
    {"SubsystemVendor", 0xFFFF, [](SimCard& c, uint32_t v) { c.subsystemVendorId = static_cast<uint16_t>(v); }},
    {"SubsystemId", 0xFFFF, [](SimCard& c, uint32_t v) { c.subsystemId = static_cast<uint16_t>(v); }},
    {"MclkM", 0xFF, [](SimCard& c, uint32_t v) { c.mclkM = static_cast<uint8_t>(v); }},
    {"MclkN", 0xFF, [](SimCard& c, uint32_t v) { c.mclkN = static_cast<uint8_t>(v); }},
    {"EclkM", 0xFF, [](SimCard& c, uint32_t v) { c.eclkM = static_cast<uint8_t>(v); }},
    {"EclkN", 0xFF, [](SimCard& c, uint32_t v) { c.eclkN = static_cast<uint8_t>(v); }},
    {"PostDividerFlag", 0xFF, [](SimCard& c, uint32_t v) { c.postDividerFlag = static_cast<uint8_t>(v); }},
    {"Displays", 0x3F, [](SimCard& c, uint32_t v) { c.supportedDisplays = v; }},
    {"ActiveDisplays", 0x3F, [](SimCard& c, uint32_t v) { c.activeDisplays = v; }},
    {"ConnectedDisplays", 0x3F, [](SimCard& c, uint32_t v) { c.connectedDisplays = v; }},
    {"TvStandards", 0x3FFF, [](SimCard& c, uint32_t v) { c.tvStandards = v; }},
    {"TvStandard", 14, [](SimCard& c, uint32_t v) { c.tvStandard = v; }},
    {"PanelWidth", 0xFFFF, [](SimCard& c, uint32_t v) { c.panelWidth = static_cast<uint16_t>(v); }},
    {"PanelHeight", 0xFFFF, [](SimCard& c, uint32_t v) { c.panelHeight = static_cast<uint16_t>(v); }},
    {"TvHorzRange", 0xFFFF, [](SimCard& c, uint32_t v) { c.tvHorzRange = v; }},
    {"TvVertRange", 0xFFFF, [](SimCard& c, uint32_t v) { c.tvVertRange = v; }},
    {"TvHorzSizeRange", 0xFFFF, [](SimCard& c, uint32_t v) { c.tvHorzSizeRange = v; }},
    {"TvVertSizeRange", 0xFFFF, [](SimCard& c, uint32_t v) { c.tvVertSizeRange = v; }},
    {"PictureSteps", 0xFFFF, [](SimCard& c, uint32_t v) { c.pictureSteps = v == 0 ? 1 : v; }},
    {"FlickerLevels", 0xFFFF, [](SimCard& c, uint32_t v) { c.flickerLevels = v == 0 ? 1 : v; }},
    {"SwitchableDisplays", 0x3F, [](SimCard& c, uint32_t v) { c.switchableDisplays = v; }},
};

}  // namespace

SimCard loadSimCard(ProfileFile& ini, const std::string& iniPath) {
  SimCard card;
  simPreset(ini.readString(iniPath, kCard, "Preset", "Savage4", kMaxField), &card);
  for (const NumberField& f : kNumberFields) {
    uint32_t v = 0;
    if (parseNumber(ini.readString(iniPath, kCard, f.key, "", kMaxField), f.maximum, &v)) f.apply(card, v);
  }
  std::vector<uint32_t> words;
  if (parseList(ini.readString(iniPath, kCard, "BiosVersion", "", kMaxField), 9, 0xFFFF, &words))
    for (int i = 0; i < 9; ++i) card.biosVersion[i] = static_cast<uint16_t>(words[static_cast<std::size_t>(i)]);
  if (parseList(ini.readString(iniPath, kCard, "BiosDate", "", kMaxField), 4, 0xFFFF, &words))
    for (int i = 0; i < 4; ++i) card.biosDate[i] = static_cast<uint16_t>(words[static_cast<std::size_t>(i)]);
  return card;
}

namespace {
bool takeMachineRequest(ProfileFile& ini, const std::string& iniPath, const char* key) {
  uint32_t v = 0;
  if (!parseNumber(ini.readString(iniPath, kMachine, key, "0", kMaxField), 1, &v) || v == 0) return false;
  ini.writeString(iniPath, kMachine, key, "0");
  return true;
}
}  // namespace

bool takeSimResetRequest(ProfileFile& ini, const std::string& iniPath) {
  return takeMachineRequest(ini, iniPath, "Reset");
}

bool takeSimPowerCycleRequest(ProfileFile& ini, const std::string& iniPath) {
  return takeMachineRequest(ini, iniPath, "PowerCycle");
}

}  // namespace vdx
