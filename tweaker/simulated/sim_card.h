// What the simulated adapter is: chip, board, memory, BIOS, displays and TV
// ranges. Presets describe one board of each family; the card INI beside the
// program picks one and may override single fields.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace vdx {

struct SimCard {
  std::string preset;
  uint16_t deviceId = 0x8A22;
  uint8_t revision = 0x05;       // CR2F (the tweaker adds 1 on Savage3D)
  uint32_t memoryBytes = 32u << 20;
  bool sgram = true;             // memory type bits of CR68 / CR36
  bool agp = true;               // bit 6 of the AGP probe register
  bool gtPro = true;             // CR92 bit 4 on Savage4
  bool sideband = true;          // CR70 bit 7
  uint16_t subsystemVendorId = 0x5333;
  uint16_t subsystemId = 0x8A22;
  // PLL registers at power-up: memory clock pair, engine clock pair, and the
  // Savage 2000 post-divider flag.
  uint8_t mclkM = 0x01, mclkN = 0x1C;  // 143.18 MHz
  uint8_t eclkM = 0x21, eclkN = 0x2F;  // 116.93 MHz
  uint8_t postDividerFlag = 0xF9;
  uint16_t biosVersion[9] = {0x1, 0x2, 0x5, 0x0, 0x1, 0x0, 0x0, 0x0, 0x0};
  uint16_t biosDate[4] = {0x9, 0x23, 0x1999, 0x0};
  uint32_t supportedDisplays = 0x05;  // CRT and TV
  uint32_t activeDisplays = 0x01;
  uint32_t connectedDisplays = 0x05;
  uint32_t tvStandards = 0x3FFF;      // bit n = code n + 1
  uint32_t tvStandard = 1;
  uint16_t panelWidth = 1024, panelHeight = 768;
  uint32_t tvHorzRange = 64, tvVertRange = 32;
  uint32_t tvHorzSizeRange = 32, tvVertSizeRange = 32;
  uint32_t pictureSteps = 64;         // brightness, contrast, colour, tint
  uint32_t flickerLevels = 8;
  // Display masks the driver accepts beyond the card's own check; a card
  // whose driver cannot switch displays at all has 0.
  uint32_t switchableDisplays = 0x3F;
};

// Preset names, in the order they are listed.
std::vector<std::string> simPresetNames();
// The named preset (case-insensitive); false and the Savage4 default when unknown.
bool simPreset(const std::string& name, SimCard* card);

// The CRTC value of a register the tweaker reads to identify the card
// (revision, memory type, AGP, subsystem ids); 0 for others.
uint8_t simIdentificationRegister(const SimCard& card, uint8_t index);

}  // namespace vdx
