#include "tweaker/shell/startup_checks.h"

#include <cctype>

#include "tweaker/adapter/adapter_identity.h"
#include "tweaker/adapter/file_version.h"
#include "tweaker/platform/platform.h"
#include "tweaker/settings/registry_utils.h"
#include "tweaker/settings/settings_keys.h"
#include "tweaker/shell/shell_state.h"

namespace vdx {

namespace {

bool equalsNoCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  }
  return true;
}

struct SwitchRow {
  const char* text;
  StartSwitch value;
};
constexpr SwitchRow kSwitches[] = {
    {"-IgnoreChip", StartSwitch::IgnoreChip},
    {"-ResetDisplay", StartSwitch::ResetDisplay},
    {"-RD", StartSwitch::ResetDisplay},
};

constexpr uint32_t kSupportedChips[] = {0x8A20, 0x8A21, 0x8A22, 0x8C10, 0x8C11, 0x8C12, 0x8C13, 0x9102};

}  // namespace

StartSwitch parseStartSwitch(const char* commandLine) {
  const std::string line = commandLine ? commandLine : "";
  for (const SwitchRow& row : kSwitches) {
    if (equalsNoCase(line, row.text)) return row.value;
  }
  return StartSwitch::None;
}

bool isSupportedChip(uint32_t deviceId) {
  for (uint32_t id : kSupportedChips) {
    if (id == deviceId) return true;
  }
  return false;
}

bool driverChanged(const std::string& driverVersionText, const std::string& lastDrv) {
  return !equalsNoCase(driverVersionText, lastDrv);
}

void checkDriverChange(const std::string& lastDrv) {
  std::string text;
  readFileVersion(adapterIdentity().driverFilePath, &text);
  if (!driverChanged(text, lastDrv)) return;
  RegKey card;
  if (openSettingsKey(*platform().registry, adapterIdentity(), SettingsKey::Card, &card) != 0) return;
  writeStringValue(card, "Current", "(Default)");
  writeStringValue(card, "LastDrv", text);
}

bool direct3DWithdrawsTexPatch(const DirectXVersion& v) { return v.major > 6 || (v.major == 6 && v.minor >= 1); }

void checkDirect3D() {
  const DirectXVersion v = FormatDirectXVersion(platform().system->systemDirectory() + "\\D3DIM.DLL");
  if (!direct3DWithdrawsTexPatch(v)) return;
  setTexPatchUnavailable(true);
  RegKey settings;
  if (openSettingsKey(*platform().registry, adapterIdentity(), SettingsKey::DriverSettings, &settings) == 0)
    deleteValue(settings, "TP");
}

}  // namespace vdx
