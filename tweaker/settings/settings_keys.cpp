#include "tweaker/settings/settings_keys.h"

#include "tweaker/platform/platform.h"
#include "tweaker/settings/registry_utils.h"

namespace vdx {

long openSettingsKey(Registry& reg, const AdapterIdentity& id, SettingsKey which, RegKey* out) {
  switch (which) {
    case SettingsKey::Program:
      return openCreateKeyPath(reg, RegRoot::LocalMachine, kProgramKeyPath, out);
    case SettingsKey::Card:
      // Without identification there is no card to keep values for.
      if (id.cardKeyPath.empty()) return kErrorCantOpen;
      return openCreateKeyPath(reg, RegRoot::LocalMachine, id.cardKeyPath, out);
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

bool readStringValue(SettingsKey which, const std::string& name, std::string* out, const std::string& dflt) {
  return readStringValue(*platform().registry, adapterIdentity(), which, name, out, dflt);
}

bool writeStringValue(SettingsKey which, const std::string& name, const std::string& text) {
  return writeStringValue(*platform().registry, adapterIdentity(), which, name, text);
}

}  // namespace vdx
