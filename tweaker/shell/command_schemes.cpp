#include "tweaker/shell/command_schemes.h"

#include "tweaker/schemes/scheme_clocks.h"
#include "tweaker/schemes/scheme_file.h"
#include "tweaker/shell/program_records.h"

namespace vdx {

bool applySchemeByName(Program& program, const std::string* name) {
  DriverOptions& o = program.currentOptions;
  const DriverOptions inForce = o;
  const int32_t agpSize = o.AGPSize, aa = o.AA, vo = o.VO;
  o = program.defaultOptions;
  float mclk = 0.0f, eclk = 0.0f;
  if (name) {
    SchemeReaderInputs in;
    in.options = &o;
    in.defaults = &program.defaultOptions;
    in.vidTexValueName = program.identity.vidTexValueName.c_str();
    in.useSchemeMclk = program.preferences.useSchemeMclk;
    in.limits = schemeClockLimits(program.clocks);
    in.agpSizes = &program.preferences.agpSizeList;
    in.tmValueFloor = static_cast<int32_t>(program.identity.tmValueFloor);
    in.inForce = &inForce;
    parseSchemeLine(readSchemeLine(*program.services.profile, program.schemeFilePath, *name), in, &mclk, &eclk);
    if (o.AGPSize == kAgpSizeSame) o.AGPSize = agpSize;
    applySchemeClocks(program.services, program.identity, program.clockRules().settleMs, mclk, eclk,
                      program.clocks);
  }
  writeDriverOptions(program);
  writeMiniGLOptions(program);
  writeSettingString(program, SettingsKey::Card, "Current", name ? *name : std::string("(Default)"));
  if ((o.AGPSize != agpSize || o.AA != aa || o.VO != vo) && program.preferences.autoResetDisplay) {
    resetDisplay(program, RESET_FULL);
  }
  return true;
}

bool applyDefaultOptions(Program& program) { return applySchemeByName(program, nullptr); }

bool saveSchemeLine(Program& program, const SchemeSaveRequest& request) {
  SchemeWriterInputs in;
  in.options = &program.currentOptions;
  in.identity = &program.identity;
  in.clocks = &program.clocks;
  in.perfIcdMenu = program.preferences.perfIcdMenu;
  const std::string line = formatSchemeLine(request, in);
  // A name cut from a longer key saves over that key's scheme.
  const std::string key = schemeKeyFor(*program.services.profile, program.schemeFilePath, request.name);
  const bool ok = program.services.profile->writeString(program.schemeFilePath, kSchemeSection, key, line);
  writeSettingString(program, SettingsKey::Card, "Current", request.name);
  return ok;
}

}  // namespace vdx
