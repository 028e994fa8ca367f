#include "tweaker/shell/program_records.h"

#include "tweaker/settings/preferences_store.h"

namespace vdx {

void readDriverOptions(Program& p) {
  readDriverOptions(*p.services.registry, p.identity, p.optionContext(), p.defaultOptions, &p.currentOptions);
}

bool writeDriverOptions(Program& p) {
  return writeDriverOptions(*p.services.registry, p.identity, p.optionContext(), p.defaultOptions,
                            p.currentOptions);
}

bool writeMiniGLOptions(Program& p) {
  return writeMiniGLOptions(*p.services.registry, p.identity, p.optionContext(), p.defaultOptions,
                            p.currentOptions);
}

bool savePreferences(Program& p) {
  return savePreferences(*p.services.registry, p.identity, p.preferences, p.currentOptions, p.defaultOptions);
}

void chooseAdvancedMenu(Program& p) {
  p.preferences.showAdvanced = true;
  DriverOptions stored = p.currentOptions;
  readDriverOptions(*p.services.registry, p.identity, p.optionContext(), p.defaultOptions, &stored);
  savePreferences(*p.services.registry, p.identity, p.preferences, stored, p.defaultOptions);
}

void resetDisplay(Program& p, ResetMode mode) {
  resetDisplay(*p.services.display, *p.services.clock, p.shell.metrics.bitsPerPixel, mode, p.displayReset);
}

bool readSettingString(Program& p, SettingsKey which, const std::string& name, std::string* out,
                       const std::string& dflt) {
  return readStringValue(*p.services.registry, p.identity, which, name, out, dflt);
}

bool writeSettingString(Program& p, SettingsKey which, const std::string& name, const std::string& text) {
  return writeStringValue(*p.services.registry, p.identity, which, name, text);
}

}  // namespace vdx
