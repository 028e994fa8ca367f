// The settings operations the shell runs on the program's own records:
// currentOptions against defaultOptions, the adapter record and the
// preferences, through the program's registry.
#pragma once
#include <string>

#include "tweaker/settings/settings_keys.h"
#include "tweaker/shell/program.h"

namespace vdx {

void readDriverOptions(Program& program);
bool writeDriverOptions(Program& program);
bool writeMiniGLOptions(Program& program);
bool savePreferences(Program& program);

// The first run's "No": the advanced menu, saved at once. The driver options
// have not been read yet then, so TC and TM are saved as the registry holds
// them rather than as the defaults.
void chooseAdvancedMenu(Program& program);

// A display reset on the program's display, from the depth last read.
void resetDisplay(Program& program, ResetMode mode);

// One string of one settings key; see readStringValue and writeStringValue.
bool readSettingString(Program& program, SettingsKey which, const std::string& name, std::string* out,
                       const std::string& dflt);
bool writeSettingString(Program& program, SettingsKey which, const std::string& name, const std::string& text);

}  // namespace vdx
