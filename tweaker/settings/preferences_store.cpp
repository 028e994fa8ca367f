#include "tweaker/settings/preferences_store.h"

#include <cstdio>

#include "tweaker/common/text_format.h"
#include "tweaker/settings/agp_size_list.h"
#include "tweaker/common/registry_utils.h"
#include "tweaker/settings/settings_keys.h"
#include "tweaker/common/text_rules.h"

namespace vdx {
namespace {

struct SwitchRow {
  const char* valueName;
  bool Preferences::*field;
};

// The program key's switches, all written by the Options dialog's save.
const SwitchRow kProgramSwitches[] = {
    {"ShowAdvanced", &Preferences::showAdvanced},
    {"ConfirmAGPChanges", &Preferences::confirmAgpChanges},
    {"AutoResetDisplay", &Preferences::autoResetDisplay},
    {"SortSchemeMenu", &Preferences::sortSchemeMenu},
    {"UseSchemeMclk", &Preferences::useSchemeMclk},
    {"UseAutoOpenGLFog", &Preferences::useAutoOpenGlFog},
    {"AutoTriMip", &Preferences::autoTriMip},
    {"TweakRes", &Preferences::tweakRes},
    {"AskChangeDisplay", &Preferences::askChangeDisplay},
    {"WriteRegDefaults", &Preferences::writeRegDefaults},
    {"UseOverclock", &Preferences::useOverclock},
};

// The card key's switches; "ImmediateClk" is also saved there, so it survives a restart.
const SwitchRow kCardSwitches[] = {
    {"UseQueryConnect", &Preferences::useQueryConnect},
    {"ShowDuoview", &Preferences::showDuoview},
    {"ShowFlickerSlider", &Preferences::showFlickerSlider},
    {"ImmediateClk", &Preferences::immediateClk},
};

constexpr std::size_t kChipNameMax = 63;

void readSwitch(const RegKey& key, const SwitchRow& row, Preferences& prefs) {
  prefs.*row.field = readOnOff(key, row.valueName, prefs.*row.field ? 1 : 0) != 0;
}

bool readProgramKey(Registry& reg, const AdapterIdentity& id, Preferences& prefs) {
  RegKey key;
  if (openSettingsKey(reg, id, SettingsKey::Program, &key) != 0) return false;
  for (const SwitchRow& row : kProgramSwitches) readSwitch(key, row, prefs);
  readStringValue(key, "SchemeFile", &prefs.schemeFile, "");
  readStringValue(key, "Homepage", &prefs.homepage, prefs.homepage);
  const bool firstRun = readOnOff(key, "FirstRun", 1) != 0 && !prefs.showAdvanced;
  writeOnOff(key, "FirstRun", false);
  return firstRun;
}

void readCardKey(const RegKey& key, AdapterIdentity& id, Preferences& prefs, PreferencesLoad* result,
                 const CardKeyReader& readClockValues) {
  std::string text;
  if (readStringValue(key, "Name", &text, "") && !text.empty()) {
    prefs.name = text.substr(0, kChipNameMax);
    id.chipName = prefs.name;
  }
  for (const SwitchRow& row : kCardSwitches) readSwitch(key, row, prefs);
  if (readOnOff(key, "CanDoAGPSB", (id.capabilities & kCapAgpSideband) ? 1 : 0)) {
    id.capabilities |= kCapAgpSideband;
  } else {
    id.capabilities &= ~kCapAgpSideband;
  }
  if (readStringValue(key, "ClkDelay", &text, "")) prefs.clkDelay = leadingInt(text);
  clampInt(&prefs.clkDelay, 10, 1000);
  if (readStringValue(key, "GammaType", &text, "")) prefs.gammaType = gammaTypeFromText(text);
  readStringValue(key, "LastDrv", &result->lastDrv, "");
  if (readStringValue(key, "AGPsizeList", &text, "")) prefs.agpSizeList = parseAgpSizeList(text, kAgpSizeListMax);
  if (readClockValues) readClockValues(key, id);
}

// "ICT" and "PerfICDmenu" live beside the driver's own switches.
void readDriverKey(Registry& reg, const AdapterIdentity& id, Preferences& prefs) {
  RegKey key;
  if (openSettingsKey(reg, id, SettingsKey::DriverSettings, &key) != 0) return;
  prefs.ict = readOnOff(key, "ICT", prefs.ict ? 1 : 0) != 0;
  prefs.perfIcdMenu = readOnOff(key, "PerfICDmenu", prefs.perfIcdMenu ? 1 : 0) != 0;
}

std::string decimal(int32_t value) {
  char buffer[16];
  formatText(buffer, sizeof buffer, "%d", static_cast<int>(value));
  return buffer;
}

}  // namespace

PreferencesLoad loadPreferences(Registry& reg, AdapterIdentity& id, Preferences& prefs,
                                const CardKeyReader& readClockValues) {
  // Some boards change these defaults; they hold until the registry says otherwise.
  prefs.useQueryConnect = id.useQueryConnectDefault;
  prefs.showFlickerSlider = id.showFlickerSliderDefault;
  prefs.showDuoview = id.showDuoviewDefault;
  prefs.perfIcdMenu = id.perfIcdMenuDefault;

  PreferencesLoad result;
  result.firstRun = readProgramKey(reg, id, prefs);
  {
    RegKey card;
    if (openSettingsKey(reg, id, SettingsKey::Card, &card) == 0) readCardKey(card, id, prefs, &result, readClockValues);
  }
  readDriverKey(reg, id, prefs);
  return result;
}

bool savePreferences(Registry& reg, const AdapterIdentity& id, const Preferences& prefs,
                     const DriverOptions& current, const DriverOptions& defaults) {
  bool ok = true;
  {
    RegKey key;
    if (openSettingsKey(reg, id, SettingsKey::Program, &key) == 0) {
      for (const SwitchRow& row : kProgramSwitches) writeOnOff(key, row.valueName, prefs.*row.field);
      writeStringValue(key, "SchemeFile", prefs.schemeFile);
    } else {
      ok = false;
    }
  }
  {
    RegKey key;
    if (openSettingsKey(reg, id, SettingsKey::Card, &key) == 0) {
      writeOnOff(key, "ImmediateClk", prefs.immediateClk);
    } else {
      ok = false;
    }
  }
  RegKey key;
  if (openSettingsKey(reg, id, SettingsKey::DriverSettings, &key) != 0) return false;
  const bool writeDefaults = prefs.writeRegDefaults;
  if (current.TC == defaults.TC && !writeDefaults) {
    deleteValue(key, "TC");
  } else {
    writeStringValue(key, "TC", decimal(current.TC));
  }
  if (current.TM == defaults.TM && !writeDefaults) {
    deleteValue(key, "TM");
  } else {
    writeStringValue(key, "TM", decimal(current.TM));
  }
  writeOnOffOrDelete(key, "ICT", prefs.ict ? 1 : 0, 1, writeDefaults);
  writeOnOff(key, "PerfICDmenu", prefs.perfIcdMenu);
  return ok;
}

}  // namespace vdx
