// The tray menu for one right click: the resource menu trimmed to what the
// chip and drivers offer, marked from the options in force, with the
// schemes, AGP sizes and display modes filled in.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "tweaker/platform/display.h"
#include "tweaker/resources/command_ids.h"
#include "tweaker/settings/driver_options.h"
#include "tweaker/shell/menu_item_record.h"
#include "tweaker/shell/menu_model.h"

namespace vdx {

struct TrayMenuInputs {
  bool advanced = false;  // "ShowAdvanced"
  uint32_t capabilities = 0;
  uint32_t deviceId = 0;
  DriverOptions options;  // as the registry holds them now
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

}  // namespace vdx
