// What the tweaker knows about the adapter it runs on: chip, board, clock
// generator layout, registry locations and driver files. The program holds
// one, filled once at start-up by identification; everything else reads it.
// The preference load may later replace chipName and toggle the sideband
// bit; nothing else writes it.
#pragma once
#include <cstdint>
#include <string>

#include "tweaker/platform/registry.h"

namespace vdx {

constexpr uint16_t kChipVendorId = 0x5333;

// Memory kinds as the drivers number them.
enum MemoryType : uint8_t {
  kMemoryUnknown = 0,
  kMemoryVram = 1,
  kMemorySdram = 2,
  kMemorySgram = 3,
  kMemoryRdram = 10,
};

// ChipCapability bits: what the chip and its drivers support.
using ChipCapability = uint32_t;
constexpr ChipCapability kCapMclk = 0x1;
constexpr ChipCapability kCapEclk = 0x2;
constexpr ChipCapability kCapIclk = 0x4;
constexpr ChipCapability kCapOutputs = 0x10;
constexpr ChipCapability kCapTwoDisplays = 0x20;
constexpr ChipCapability kCapBlockWrite = 0x40;
constexpr ChipCapability kCapCommandDma = 0x80;
constexpr ChipCapability kCapAgp = 0x100;
constexpr ChipCapability kCapWriteCombining = 0x200;
constexpr ChipCapability kCapZBuffer = 0x400;
constexpr ChipCapability kCapFastZClear = 0x800;
constexpr ChipCapability kCapAgpSideband = 0x1000;
constexpr ChipCapability kCapAgpExtra1 = 0x2000;
constexpr ChipCapability kCapAgpExtra2 = 0x4000;
constexpr ChipCapability kCapAgp4x = 0x8000;
constexpr ChipCapability kCapGamma = 0x10000;
constexpr ChipCapability kCapTopScanLine = 0x20000;
constexpr ChipCapability kCapMiniGl = 0x40000;
constexpr ChipCapability kCapOpenGl = 0x80000;
constexpr ChipCapability kCapHwTnl = 0x100000;
constexpr ChipCapability kCapForceWBuffer = 0x200000;
constexpr ChipCapability kCapFixGameText = 0x400000;
constexpr ChipCapability kCapAutoZClear = 0x800000;
constexpr ChipCapability kCapTvRca = 0x10000000;
constexpr ChipCapability kCapTvSVideo = 0x20000000;

// Driver version a.b.c as (a << 16) | (b << 8) | c, so versions compare as
// integers. Components above 255 are not reduced (they overlap the next).
using PackedVersion = uint32_t;
constexpr PackedVersion packVersion(uint32_t a, uint32_t b, uint32_t c) {
  return (a << 16) | (b << 8) | c;
}

// Where one clock generator sits among the extended sequencer registers.
struct PllRegisterSet {
  uint8_t pllIndex = 0x10;       // first of the divisor pair; the second follows
  uint8_t loadRegister = 0x15;   // register holding the latch bit(s)
  uint8_t loadMask = 0x01;       // the latch bit(s)
  uint16_t postDividerFlagRegister = 0;  // mirrors the post divider; 0 = none

  // The 16-bit form programPll takes: mask in the high byte.
  uint16_t loadWord() const { return static_cast<uint16_t>((loadMask << 8) | loadRegister); }
};

struct AdapterIdentity {
  uint16_t vendorId = kChipVendorId;
  uint32_t deviceId = 0;   // from the driver, stored by the start-up chip check
  uint32_t revision = 0;   // likewise
  uint16_t subsystemVendorId = 0;
  uint16_t subsystemId = 0;
  uint8_t memoryType = kMemoryUnknown;
  std::string chipName = "???";  // at most 63 characters
  ChipCapability capabilities = 0;
  uint16_t iconId = 110;
  uint16_t advancedMenuId = 105;
  uint16_t basicMenuId = 106;
  uint32_t defaultAgpRate = 2;
  PllRegisterSet mclkPll{0x10, 0x15, 0x01, 0};
  PllRegisterSet eclkPll{0x32, 0x31, 0x08, 0};
  PllRegisterSet iclkPll{0x10, 0x15, 0x01, 0};
  uint32_t mclkSearchMode = 0;
  uint32_t eclkSearchMode = 0;
  float mclkLimit = 0.0f;  // MHz; 0 = not set for this chip
  float eclkLimit = 0.0f;
  uint32_t tmValueFloor = 64;
  bool perfIcdMenuDefault = false;
  std::string vidTexValueName = "VO";
  std::string cardKeyPath;   // under HKEY_LOCAL_MACHINE
  std::string classKeyPath;  // empty when the driver's class key was not found
  RegRoot settingsRoot = RegRoot::CurrentConfig;
  std::string settingsKeyPath = "Display\\Settings";
  std::string driverFilePath;
  std::string icdFilePath;
  std::string metalFilePath;
  PackedVersion driverVersion = 0;
  PackedVersion icdVersion = 0;

  // Preference defaults some boards change before the preferences are read
  // ("UseQueryConnect", "ShowFlickerSlider", "ShowDuoview").
  bool useQueryConnectDefault = true;
  bool showFlickerSliderDefault = true;
  bool showDuoviewDefault = false;

  bool has(ChipCapability bits) const { return (capabilities & bits) == bits; }
};

// Opens (creating when missing) the card's own key under HKEY_LOCAL_MACHINE:
// 0 or a registry error code. Without identification there is no card key.
long openCardKey(Registry& reg, const AdapterIdentity& id, RegKey* out);

}  // namespace vdx
