#include "tweaker/settings/settings_keys.h"

#include "tweaker/common/registry_utils.h"

namespace vdx {

long openSettingsKey(Registry& reg, const AdapterIdentity& id, SettingsKey which, RegKey* out) {
  switch (which) {
    case SettingsKey::Program:
      return openCreateKeyPath(reg, RegRoot::LocalMachine, kProgramKeyPath, out);
    case SettingsKey::Card:
      return openCardKey(reg, id, out);
    case SettingsKey::DriverSettings:
      if (id.settingsKeyPath.empty()) return kErrorCantOpen;
      return openCreateKeyPath(reg, id.settingsRoot, id.settingsKeyPath, out);
    case SettingsKey::MiniGL:
      return openCreateKeyPath(reg, RegRoot::LocalMachine, kMiniGLKeyPath, out);
  }
  return kErrorCantOpen;
}

bool readStringValue(Registry& reg, const AdapterIdentity& id, SettingsKey which, const std::string& name,
                     std::string* out, const std::string& dflt) {
  RegKey key;
  if (openSettingsKey(reg, id, which, &key) != 0) {
    *out = dflt;
    return false;
  }
  return readStringValue(key, name, out, dflt);
}

bool writeStringValue(Registry& reg, const AdapterIdentity& id, SettingsKey which, const std::string& name,
                      const std::string& text) {
  RegKey key;
  if (openSettingsKey(reg, id, which, &key) != 0) return false;
  return writeStringValue(key, name, text);
}

}  // namespace vdx
