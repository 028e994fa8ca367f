#include "tests/wine-identify/expected_cards.h"

#include <cctype>

namespace vdx {
namespace {

const ExpectedCard kCards[] = {
    {"Savage4", 0x8A22, "Savage4 GT/Pro",
     kCapMclk | kCapEclk | kCapOutputs | kCapBlockWrite | kCapCommandDma | kCapZBuffer | kCapFastZClear | kCapGamma |
         kCapTopScanLine | kCapTvRca | kCapTvSVideo | kCapAgp | kCapAgpSideband | kCapAgpExtra1 | kCapAgpExtra2 |
         kCapAgp4x | kCapOpenGl,
     kMemorySgram, 0x5333, 0x8A22, "0000", "s3_8.drv", "s3micd.dll", packVersion(8, 20, 15), packVersion(8, 20, 13),
     false, "VO", true, "GT-B5"},
    {"Savage3D", 0x8A20, "Savage3D",
     kCapMclk | kCapOutputs | kCapWriteCombining | kCapGamma | kCapTopScanLine | kCapTvRca | kCapTvSVideo | kCapAgp |
         kCapAgpExtra1 | kCapAgpExtra2 | kCapMiniGl,
     kMemorySgram, 0x5333, 0x8A20, "0001", "s3_6.drv", "s3gicd.dll", packVersion(6, 13, 20), packVersion(6, 13, 25),
     false, "VO", false, "A3"},
    {"Savage4LT", 0x8A22, "Savage4 LT",
     kCapMclk | kCapEclk | kCapOutputs | kCapCommandDma | kCapZBuffer | kCapFastZClear | kCapGamma | kCapTopScanLine |
         kCapTvRca | kCapTvSVideo | kCapOpenGl,
     kMemorySdram, 0x5333, 0x8A23, "0002", "s3_8.drv", "s3micd.dll", packVersion(8, 20, 15), packVersion(8, 20, 13),
     false, "VO", true, "LT-B3"},
    {"SavageMX-Toshiba", 0x8C11, "Savage/MX",
     kCapMclk | kCapOutputs | kCapTwoDisplays | kCapGamma | kCapAgp | kCapAgpExtra1 | kCapAgpExtra2 | kCapOpenGl,
     kMemorySdram, 0x1179, 0x0001, "0003", "s3_7.drv", "mxicd.dll", packVersion(7, 13, 8), packVersion(7, 1, 20), true,
     "VO", true, "MX-C1"},
    {"SavageMX", 0x8C10, "Savage/MX (MV)",
     kCapMclk | kCapOutputs | kCapTwoDisplays | kCapGamma | kCapAgp | kCapAgpExtra1 | kCapAgpExtra2 | kCapAgpSideband |
         kCapOpenGl,
     kMemorySgram, 0x5333, 0x8C10, "0004", "s3_7.drv", "mxicd.dll", packVersion(7, 13, 8), packVersion(7, 1, 20), true,
     "VO", true, "MX-C1"},
    {"SavageIX-IBM", 0x8C12, "Savage/IX (MV)",
     kCapMclk | kCapOutputs | kCapTwoDisplays | kCapGamma | kCapAgp | kCapAgpExtra1 | kCapAgpExtra2 | kCapOpenGl,
     kMemorySdram, 0x1014, 0x017F, "0005", "s3_7ix.drv", "mxicd.dll", packVersion(7, 3, 8), packVersion(7, 1, 20),
     false, "VO", true, "IX-C1"},
    {"Savage2000", 0x9102, "Savage 2000",
     kCapMclk | kCapEclk | kCapOutputs | kCapCommandDma | kCapAgp | kCapAgpSideband | kCapAgpExtra1 | kCapAgpExtra2 |
         kCapAgp4x | kCapGamma | kCapTopScanLine | kCapOpenGl | kCapHwTnl | kCapForceWBuffer | kCapTvRca | kCapTvSVideo,
     kMemorySdram, 0x5333, 0x9102, "0006", "savage2k.drv", "s2kicd.dll", packVersion(9, 10, 15), 0, false, "VT", true,
     "2000-A2"},
    {"SavageNB", 0x8A25, "SavageNB",
     kCapMclk | kCapEclk | kCapOutputs | kCapCommandDma | kCapZBuffer | kCapFastZClear | kCapGamma | kCapTopScanLine |
         kCapTvRca | kCapTvSVideo | kCapAgp | kCapAgpSideband | kCapAgpExtra1 | kCapAgpExtra2 | kCapAgp4x,
     kMemorySdram, 0x5333, 0x8A25, "0007", "s3nb.drv", "s3micd.dll", packVersion(8, 20, 21), 0, false, "VO", false,
     "NB-A1"},
    {"Unknown", 0x8811, "???", 0, kMemoryUnknown, 0x5333, 0x8811, "", "", "", 0, 0, false, "VO", false, ""},
};

bool sameName(const std::string& a, const char* b) {
  std::size_t i = 0;
  for (; i < a.size() && b[i]; ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  return i == a.size() && b[i] == '\0';
}

}  // namespace

const ExpectedCard* expectedCard(const std::string& preset) {
  for (const ExpectedCard& c : kCards)
    if (sameName(preset, c.preset)) return &c;
  return nullptr;
}

}  // namespace vdx
