#include "tweaker/shell/command_schemes.h"

#include "tweaker/settings/driver_options.h"
#include "tweaker/settings/option_store.h"
#include "tweaker/settings/preferences.h"
#include "tweaker/settings/settings_keys.h"
#include "tweaker/shell/display_reset.h"
#include "tweaker/shell/shell_state.h"

namespace vdx {

bool applyDefaultOptions() {
  DriverOptions& o = currentOptions();
  const int32_t agpSize = o.AGPSize, aa = o.AA, vo = o.VO;
  o = defaultOptions();
  writeDriverOptions(texPatchUnavailable());
  writeMiniGLOptions();
  writeStringValue(SettingsKey::Card, "Current", "(Default)");
  if ((o.AGPSize != agpSize || o.AA != aa || o.VO != vo) && preferences().autoResetDisplay) {
    resetDisplay(RESET_FULL);
  }
  return true;
}

}  // namespace vdx
