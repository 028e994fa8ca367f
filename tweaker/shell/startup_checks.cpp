#include "tweaker/shell/startup_checks.h"

#include "tweaker/adapter/adapter_identity.h"
#include "tweaker/common/text_compare.h"
#include "tweaker/adapter/file_version.h"
#include "tweaker/adapter/chip_registers.h"
#include "tweaker/common/registry_utils.h"
#include "tweaker/settings/settings_keys.h"

namespace vdx {

namespace {

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

void checkDriverChange(const Platform& hw, const AdapterIdentity& id, const std::string& lastDrv) {
  std::string text;
  readFileVersion(*hw.system, id.driverFilePath, &text);
  if (!driverChanged(text, lastDrv)) return;
  RegKey card;
  if (openCardKey(*hw.registry, id, &card) != 0) return;
  writeStringValue(card, "Current", "(Default)");
  writeStringValue(card, "LastDrv", text);
}

bool direct3DWithdrawsTexPatch(const DirectXVersion& v) { return v.major > 6 || (v.major == 6 && v.minor >= 1); }

void checkDirect3D(const Platform& hw, const AdapterIdentity& id, bool* texPatchUnavailable) {
  const DirectXVersion v = FormatDirectXVersion(*hw.system, hw.system->systemDirectory() + "\\D3DIM.DLL");
  if (!direct3DWithdrawsTexPatch(v)) return;
  *texPatchUnavailable = true;
  RegKey settings;
  if (openSettingsKey(*hw.registry, id, SettingsKey::DriverSettings, &settings) == 0) deleteValue(settings, "TP");
}

bool checkChip(DriverEscapes& escapes, ChipPorts& ports, AdapterIdentity& id) {
  uint32_t deviceId = 0;
  if (!escapes.QueryDriverEscapes() || !escapes.DRV_GET_DEVICE_ID(&deviceId) || deviceId == 0) return false;
  id.deviceId = deviceId;
  if (!isSupportedChip(deviceId)) return false;
  id.revision = readChipRevision(ports, deviceId);
  return true;
}

}  // namespace vdx
