// The program's own preferences: which menu to show, what to confirm, how
// schemes behave, and a few per-card values. The program holds one, loaded
// at start-up and written by the Options dialog.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "tweaker/settings/gamma_type.h"

namespace vdx {

// The AGP sizes (MB) offered when the card key names none.
std::vector<uint32_t> defaultAgpSizeList();
constexpr std::size_t kAgpSizeListMax = 31;

constexpr char kDefaultHomepage[] = "http://vidarix.tessaly.example/";

struct Preferences {
  // Program key.
  bool showAdvanced = false;
  bool confirmAgpChanges = true;
  bool autoResetDisplay = true;
  bool useAutoOpenGlFog = false;
  bool autoTriMip = true;
  bool sortSchemeMenu = true;
  bool useSchemeMclk = true;
  bool tweakRes = true;
  bool askChangeDisplay = true;
  bool writeRegDefaults = false;
  bool useOverclock = true;
  std::string schemeFile;
  std::string homepage = kDefaultHomepage;

  // Card key.
  std::string name;  // when not empty, replaces the chip name (63 characters at most)
  bool useQueryConnect = true;
  bool showDuoview = false;
  bool showFlickerSlider = true;
  bool immediateClk = true;
  int32_t clkDelay = 120;  // ms, [10, 1000]
  GammaType gammaType = GAMMA_BY_MODE;
  std::vector<uint32_t> agpSizeList = defaultAgpSizeList();

  // Driver settings key.
  bool ict = true;  // the driver's InControl Tools
  bool perfIcdMenu = false;
};

}  // namespace vdx
