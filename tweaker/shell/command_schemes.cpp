#include "tweaker/shell/command_schemes.h"

#include "tweaker/shell/program_records.h"

namespace vdx {

bool applyDefaultOptions(Program& program) {
  DriverOptions& o = program.currentOptions;
  const int32_t agpSize = o.AGPSize, aa = o.AA, vo = o.VO;
  o = program.defaultOptions;
  writeDriverOptions(program);
  writeMiniGLOptions(program);
  writeSettingString(program, SettingsKey::Card, "Current", "(Default)");
  if ((o.AGPSize != agpSize || o.AA != aa || o.VO != vo) && program.preferences.autoResetDisplay) {
    resetDisplay(program, RESET_FULL);
  }
  return true;
}

}  // namespace vdx
