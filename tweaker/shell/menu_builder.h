// The tray menu for one right click: the resource menu trimmed to what the
// chip and drivers offer, marked from the options in force, with the
// schemes, AGP sizes and display modes filled in.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "tweaker/platform/display.h"
#include "tweaker/shell/menu_item_record.h"
#include "tweaker/shell/menu_model.h"

namespace vdx {

// Dynamic id ranges of the tray menu.
constexpr uint16_t kIdAgpSizeCustom = 30100;
constexpr uint16_t kIdAgpSizeLast = 30228;
constexpr uint16_t kIdDisplayModeFirst = 39000;
constexpr uint16_t kIdDisplayModeLast = 40095;
constexpr uint16_t kIdSchemeConfigure = 40096;
constexpr uint16_t kIdSchemeRefresh = 40097;
constexpr uint16_t kIdSchemeDefault = 40098;
constexpr uint16_t kIdSchemeFirst = 41000;

// One row of the option table as the menu needs it: the capability mask that
// keeps the item, and whether its option is on (when it names one).
struct MenuOptionMark {
  uint32_t mask = 0;
  uint16_t menuId = 0;
  bool hasField = false;
  bool on = false;
};

// The options shown by radio marks and greying.
struct MenuOptionValues {
  bool autoAgp = false;     // AA
  bool vidTexOnly = false;  // VO
  bool autoMipmap = false;  // AM
  int32_t agpRate = 2;      // AGP
  float dBias = 0.0f;       // DB
  int32_t agpSize = 0;      // AGPSize
  int32_t commandDma = 0;   // DMACB
  int32_t icdHwTnl = 0;     // ICDHWTL
  int32_t icdAutoZClear = 0;  // ICDAZ
  int32_t icdFogTable = 0;    // ICDFOGTABLE
  int32_t icdTextureSize = 0;  // ICDTEXTURESIZE
};

struct TrayMenuInputs {
  bool advanced = false;  // "ShowAdvanced"
  uint32_t capabilities = 0;
  uint32_t deviceId = 0;
  std::vector<MenuOptionMark> optionRows;
  MenuOptionValues values;
  bool texPatchUnavailable = false;
  bool perfIcdMenu = false;   // "PerfICDmenu"
  bool useOverclock = true;   // "UseOverclock"
  bool autoTriMip = true;     // "AutoTriMip"
  bool tweakRes = true;       // "TweakRes"
  std::vector<uint32_t> agpSizeList;
  uint32_t physicalMemoryMb = 0;
  bool schemeListExists = false;
  std::vector<std::string> schemes;
  std::string currentScheme;  // the card key's "Current"
  std::vector<DisplayMode> displayModes;  // as enumerated
  int32_t screenWidth = 0;   // DisplayMetrics
  int32_t screenHeight = 0;
  int32_t screenDepth = 0;
};

struct TrayMenu {
  MenuNode popup;
  uint16_t schemeCount = 0;
  MenuItemRecords records;
};

// False when the menu resource cannot be had; the click then does nothing.
bool buildTrayMenu(const TrayMenuInputs& in, TrayMenu* menu);
void updateMenuChecks(const TrayMenuInputs& in, MenuNode& popup);

// The dBias item id for a value, and the value of an item.
float dBiasOfItem(uint16_t id);

}  // namespace vdx
