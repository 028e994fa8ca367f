#include "tweaker/shell/menu_inputs.h"

#include "tweaker/adapter/physical_memory.h"
#include "tweaker/shell/program_records.h"

namespace vdx {

TrayMenuInputs gatherTrayMenuInputs(Program& program, const std::vector<std::string>* schemes) {
  readDriverOptions(program);
  const Preferences& prefs = program.preferences;
  const AdapterIdentity& id = program.identity;

  TrayMenuInputs in;
  in.advanced = prefs.showAdvanced;
  in.capabilities = id.capabilities;
  in.deviceId = id.deviceId;
  in.options = program.currentOptions;
  in.texPatchUnavailable = program.shell.texPatchUnavailable;
  in.perfIcdMenu = prefs.perfIcdMenu;
  in.useOverclock = prefs.useOverclock;
  in.autoTriMip = prefs.autoTriMip;
  in.tweakRes = prefs.tweakRes;
  in.agpSizeList = prefs.agpSizeList;
  in.physicalMemoryMb = physicalMemoryMegabytes(*program.services.system);
  if (schemes) {
    in.schemeListExists = true;
    in.schemes = *schemes;
    readSettingString(program, SettingsKey::Card, "Current", &in.currentScheme, "");
  }
  if (in.tweakRes) {
    DisplayMode mode;
    for (uint32_t i = 0; program.services.display->enumMode(i, &mode); ++i) in.displayModes.push_back(mode);
  }
  const DisplayMetrics& m = program.shell.metrics;
  in.screenWidth = m.width;
  in.screenHeight = m.height;
  in.screenDepth = m.bitsPerPixel;
  return in;
}

TooltipState gatherTooltipState(const Program& program) {
  const DriverOptions& o = program.currentOptions;
  const Preferences& prefs = program.preferences;
  TooltipState s;
  s.chipName = prefs.name.empty() ? program.identity.chipName : prefs.name;
  s.mclkMhz = program.clocks.desiredMclk;
  s.eclkMhz = program.clocks.desiredEclk;
  s.vsync = o.WV != 0;
  s.autoAgp = o.AA != 0;
  s.vidTexOnly = o.VO != 0;
  s.agpSize = o.AGPSize;
  s.s3tc = o.AC != 0;
  return s;
}

}  // namespace vdx
