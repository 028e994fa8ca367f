#include "tweaker/shell/menu_inputs.h"

#include "tweaker/adapter/adapter_identity.h"
#include "tweaker/adapter/physical_memory.h"
#include "tweaker/adapter/clock_settings.h"
#include "tweaker/platform/platform.h"
#include "tweaker/settings/driver_options.h"
#include "tweaker/settings/menu_option_table.h"
#include "tweaker/settings/option_store.h"
#include "tweaker/settings/preferences.h"
#include "tweaker/settings/settings_keys.h"
#include "tweaker/shell/shell_state.h"
#include "tweaker/shell/tray_tooltip.h"

namespace vdx {

TrayMenuInputs gatherTrayMenuInputs(const std::vector<std::string>* schemes) {
  readDriverOptions();
  const DriverOptions& o = currentOptions();
  const Preferences& prefs = preferences();
  const AdapterIdentity& id = adapterIdentity();

  TrayMenuInputs in;
  in.advanced = prefs.showAdvanced;
  in.capabilities = id.capabilities;
  in.deviceId = id.deviceId;
  for (const MenuOptionRow* row = menuOptionTable; row->menuId != 0; ++row) {
    MenuOptionMark mark;
    mark.mask = row->mask;
    mark.menuId = row->menuId;
    mark.hasField = row->field != nullptr;
    mark.on = mark.hasField && o.*row->field != 0;
    in.optionRows.push_back(mark);
  }
  in.values.autoAgp = o.AA != 0;
  in.values.vidTexOnly = o.VO != 0;
  in.values.autoMipmap = o.AM != 0;
  in.values.agpRate = o.AGP;
  in.values.dBias = o.DB;
  in.values.agpSize = o.AGPSize;
  in.values.commandDma = o.DMACB;
  in.values.icdHwTnl = o.ICDHWTL;
  in.values.icdAutoZClear = o.ICDAZ;
  in.values.icdFogTable = o.ICDFOGTABLE;
  in.values.icdTextureSize = o.ICDTEXTURESIZE;
  in.texPatchUnavailable = texPatchUnavailable();
  in.perfIcdMenu = prefs.perfIcdMenu;
  in.useOverclock = prefs.useOverclock;
  in.autoTriMip = prefs.autoTriMip;
  in.tweakRes = prefs.tweakRes;
  in.agpSizeList = prefs.agpSizeList;
  in.physicalMemoryMb = physicalMemoryMegabytes();
  if (schemes) {
    in.schemeListExists = true;
    in.schemes = *schemes;
    readStringValue(SettingsKey::Card, "Current", &in.currentScheme, "");
  }
  if (in.tweakRes) {
    DisplayMode mode;
    for (uint32_t i = 0; platform().display->enumMode(i, &mode); ++i) in.displayModes.push_back(mode);
  }
  const DisplayMetrics& m = displayMetrics();
  in.screenWidth = m.width;
  in.screenHeight = m.height;
  in.screenDepth = m.bitsPerPixel;
  return in;
}

TooltipState gatherTooltipState() {
  const DriverOptions& o = currentOptions();
  TooltipState s;
  const AdapterIdentity& id = adapterIdentity();
  s.chipName = preferences().name.empty() ? id.chipName : preferences().name;
  s.mclkMhz = clockState().desiredMclk;
  s.eclkMhz = clockState().desiredEclk;
  s.vsync = o.WV != 0;
  s.autoAgp = o.AA != 0;
  s.vidTexOnly = o.VO != 0;
  s.agpSize = o.AGPSize;
  s.s3tc = o.AC != 0;
  return s;
}

}  // namespace vdx
