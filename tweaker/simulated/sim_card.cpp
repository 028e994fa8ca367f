#include "tweaker/simulated/sim_card.h"

#include "tweaker/common/text_compare.h"

namespace vdx {

namespace {

bool isMxFamily(uint16_t id) { return id >= 0x8C10 && id <= 0x8C13; }

struct PresetRow {
  const char* name;
  void (*fill)(SimCard&);
};

void savage3d(SimCard& c) {
  c.deviceId = 0x8A20;
  c.revision = 0x02;
  c.memoryBytes = 8u << 20;
  c.sgram = true;
  c.agp = true;
  c.gtPro = false;
  c.sideband = false;
  c.subsystemVendorId = 0x5333;
  c.subsystemId = 0x8A20;
  c.mclkM = 0x01;  // 143.18 MHz
  c.mclkN = 0x1C;
  c.biosVersion[0] = 0x1;
  c.biosVersion[1] = 0x1;
  c.biosVersion[2] = 0x12;
  c.biosDate[0] = 0x5;
  c.biosDate[1] = 0x14;
  c.biosDate[2] = 0x1A00;  // a BIOS that writes the year as 1A00
}

void savage4gt(SimCard& c) {
  // The defaults of SimCard are this board.
  c = SimCard();
}

void savage4lt(SimCard& c) {
  c.deviceId = 0x8A22;
  c.revision = 0x03;
  c.memoryBytes = 16u << 20;
  c.sgram = false;
  c.agp = false;
  c.gtPro = false;
  c.sideband = false;
  c.subsystemVendorId = 0x5333;
  c.subsystemId = 0x8A23;
  c.mclkM = 0x21;  // 100.23 MHz
  c.mclkN = 0x28;
}

void mxToshiba(SimCard& c) {
  c.deviceId = 0x8C11;
  c.revision = 0x11;
  c.memoryBytes = 8u << 20;
  c.sgram = false;
  c.agp = true;
  c.gtPro = false;
  c.sideband = false;
  c.subsystemVendorId = 0x1179;
  c.subsystemId = 0x0001;
  c.mclkM = 0x21;
  c.mclkN = 0x28;
  c.supportedDisplays = 0x0F;  // CRT, LCD, TV, DuoView
  c.activeDisplays = 0x02;
  c.connectedDisplays = 0x03;
  c.panelWidth = 1024;
  c.panelHeight = 768;
}

void mxOther(SimCard& c) {
  mxToshiba(c);
  c.deviceId = 0x8C10;
  c.subsystemVendorId = 0x5333;
  c.subsystemId = 0x8C10;
  c.sgram = true;
  c.activeDisplays = 0x01;
  c.connectedDisplays = 0x01;
}

void mxThinkpad(SimCard& c) {
  mxToshiba(c);
  c.deviceId = 0x8C12;
  c.subsystemVendorId = 0x1014;
  c.subsystemId = 0x017F;
  c.panelWidth = 800;
  c.panelHeight = 600;
}

void savage2000(SimCard& c) {
  c.deviceId = 0x9102;
  c.revision = 0x02;
  c.memoryBytes = 64u << 20;
  c.sgram = false;
  c.agp = true;
  c.gtPro = false;
  c.sideband = true;
  c.subsystemVendorId = 0x5333;
  c.subsystemId = 0x9102;
  c.mclkM = 0x23;  // 166.09 MHz with the flag at 0xF9
  c.mclkN = 0x72;
  c.postDividerFlag = 0xF9;
  c.eclkM = 0x01;  // 143.18 MHz
  c.eclkN = 0x1C;
  c.biosVersion[0] = 0x1;
  c.biosVersion[1] = 0x0;
  c.biosVersion[2] = 0x9;
  c.biosVersion[3] = 0x12;
  c.biosVersion[4] = 0x2;
}

void savageNB(SimCard& c) {
  c = SimCard();
  c.deviceId = 0x8A25;
  c.revision = 0x01;
  c.memoryBytes = 16u << 20;
  c.sgram = false;
  c.gtPro = false;
  c.subsystemVendorId = 0x5333;
  c.subsystemId = 0x8A25;
  c.supportedDisplays = 0x03;
  c.activeDisplays = 0x02;
  c.connectedDisplays = 0x03;
}

void unknownChip(SimCard& c) {
  c = SimCard();
  c.deviceId = 0x8811;
  c.revision = 0x00;
  c.memoryBytes = 2u << 20;
  c.sgram = false;
  c.agp = false;
  c.gtPro = false;
  c.sideband = false;
  c.subsystemVendorId = 0x5333;
  c.subsystemId = 0x8811;
  c.supportedDisplays = 0x01;
  c.connectedDisplays = 0x01;
}

const PresetRow kPresets[] = {
    {"Savage4", savage4gt},          {"Savage3D", savage3d},     {"Savage4LT", savage4lt},
    {"SavageMX-Toshiba", mxToshiba}, {"SavageMX", mxOther},      {"SavageIX-IBM", mxThinkpad},
    {"Savage2000", savage2000},      {"SavageNB", savageNB},     {"Unknown", unknownChip},
};

}  // namespace

std::vector<std::string> simPresetNames() {
  std::vector<std::string> names;
  for (const PresetRow& r : kPresets) names.push_back(r.name);
  return names;
}

bool simPreset(const std::string& name, SimCard* card) {
  for (const PresetRow& r : kPresets) {
    if (equalsNoCase(name, r.name)) {
      *card = SimCard();
      r.fill(*card);
      card->preset = r.name;
      return true;
    }
  }
  *card = SimCard();
  card->preset = kPresets[0].name;
  return false;
}

uint8_t simIdentificationRegister(const SimCard& card, uint8_t index) {
  const bool mx = isMxFamily(card.deviceId);
  switch (index) {
    case 0x2D: return static_cast<uint8_t>(card.deviceId >> 8);
    case 0x2E: return static_cast<uint8_t>(card.deviceId);
    case 0x2F: return card.revision;
    // MX/IX: bit 1 set for SDRAM, bit 6 for AGP.
    case 0x36: return mx ? static_cast<uint8_t>((card.sgram ? 0 : 0x02) | (card.agp ? 0x40 : 0)) : 0x00;
    case 0x37: return mx ? 0x00 : static_cast<uint8_t>(card.agp ? 0x40 : 0);
    case 0x68: return card.sgram ? 0x80 : 0x40;
    case 0x70: return card.sideband ? 0x80 : 0x00;
    case 0x81: return static_cast<uint8_t>(card.subsystemVendorId);
    case 0x82: return static_cast<uint8_t>(card.subsystemVendorId >> 8);
    case 0x83: return static_cast<uint8_t>(card.subsystemId);
    case 0x84: return static_cast<uint8_t>(card.subsystemId >> 8);
    case 0x92: return card.gtPro ? 0x10 : 0x00;
    case 0x95: return static_cast<uint8_t>(card.subsystemVendorId);
    case 0x96: return static_cast<uint8_t>(card.subsystemVendorId >> 8);
    case 0x97: return static_cast<uint8_t>(card.subsystemId);
    case 0x98: return static_cast<uint8_t>(card.subsystemId >> 8);
    default: return 0;
  }
}

}  // namespace vdx
