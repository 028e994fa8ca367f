#include "tweaker/settings/run_at_startup.h"

#include "tweaker/common/registry_utils.h"
#include "tweaker/settings/settings_keys.h"
#include "tweaker/common/text_compare.h"
#include "tweaker/common/text_rules.h"

namespace vdx {

bool setRunAtStartup(Registry& reg, bool enable, bool write, const std::string& programPath) {
  RegKey key;
  if (!key.open(reg, RegRoot::LocalMachine, kRunKeyPath)) return false;
  if (write) {
    deleteValue(key, kRunValueName);
    if (enable) writeStringValue(key, kRunValueName, programPath);
  }
  std::string held;
  readStringValue(key, kRunValueName, &held, "");
  return !programPath.empty() && equalsNoCase(held, programPath);
}

}  // namespace vdx
