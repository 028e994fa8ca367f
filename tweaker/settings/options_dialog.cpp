#include "tweaker/settings/options_dialog.h"

#include <cstdio>

#include "tweaker/common/text_format.h"
#include "tweaker/resources/resource.h"
#include "tweaker/settings/preferences_store.h"
#include "tweaker/common/registry_utils.h"
#include "tweaker/settings/run_at_startup.h"
#include "tweaker/common/text_rules.h"

namespace vdx {
namespace {

struct CheckBoxRow {
  int id;
  bool Preferences::*field;
};

// Check boxes that show a preference as it is; 1296 shows "ICT" inverted.
const CheckBoxRow kCheckBoxes[] = {
    {IDC_OPT_ADVANCED_MENUS, &Preferences::showAdvanced},
    {IDC_OPT_SORT_SCHEMES, &Preferences::sortSchemeMenu},
    {IDC_OPT_TWEAKRES_MENU, &Preferences::tweakRes},
    {IDC_OPT_PERFICD_MENU, &Preferences::perfIcdMenu},
    {IDC_OPT_CONFIRM_AGP, &Preferences::confirmAgpChanges},
    {IDC_OPT_RESET_DISPLAY, &Preferences::autoResetDisplay},
    {IDC_OPT_LINK_FOG, &Preferences::useAutoOpenGlFog},
    {IDC_OPT_LINK_TRIMIP, &Preferences::autoTriMip},
    {IDC_OPT_OVERCLOCKING, &Preferences::useOverclock},
    {IDC_OPT_SCHEME_CLOCKS, &Preferences::useSchemeMclk},
    {IDC_OPT_IMMEDIATE_CLK, &Preferences::immediateClk},
    {IDC_OPT_WRITE_DEFAULTS, &Preferences::writeRegDefaults},
    {IDC_OPT_ASK_DISPLAY, &Preferences::askChangeDisplay},
};

static_assert(sizeof kCheckBoxes / sizeof kCheckBoxes[0] == kOptionsPreferenceBoxes, "a result slot a box");

constexpr int32_t kSizeMax = 2048;
constexpr int kSizeDigits = 10;  // any 32-bit unsigned number fits

std::string unsignedText(int32_t value) {
  char buffer[16];
  formatText(buffer, sizeof buffer, "%u", static_cast<unsigned>(value));
  return buffer;
}

}  // namespace

void OptionsDialog::init() {
  Registry& reg = *model_.registry;
  surface_.setChecked(IDC_OPT_AUTOSTART, setRunAtStartup(reg, false, false, model_.programPath));
  for (const CheckBoxRow& row : kCheckBoxes) surface_.setChecked(row.id, model_.prefs.*row.field);
  surface_.setChecked(IDC_OPT_DISABLE_ICT, !model_.prefs.ict);
  surface_.limitText(IDC_OPT_TC_SIZE, kSizeDigits);
  surface_.limitText(IDC_OPT_TM_SIZE, kSizeDigits);
  surface_.setText(IDC_OPT_TC_SIZE, unsignedText(model_.current.TC));
  surface_.setText(IDC_OPT_TM_SIZE, unsignedText(model_.current.TM));
}

void OptionsDialog::readSize(int id, int32_t* field, int32_t low) {
  uint32_t value = 0;
  if (!parseUnsigned(surface_.text(id), &value)) return;  // not a number: keep the value
  if (value > static_cast<uint32_t>(kSizeMax)) value = kSizeMax;
  int32_t size = static_cast<int32_t>(value);
  clampInt(&size, low, kSizeMax);
  *field = size;
}

int OptionsDialog::ok() {
  Preferences& prefs = model_.prefs;
  setRunAtStartup(*model_.registry, surface_.checked(IDC_OPT_AUTOSTART), true, model_.programPath);
  for (const CheckBoxRow& row : kCheckBoxes) prefs.*row.field = surface_.checked(row.id);
  prefs.ict = !surface_.checked(IDC_OPT_DISABLE_ICT);
  readSize(IDC_OPT_TC_SIZE, &model_.current.TC, 64);
  // The floor of the chip, not 64: a Savage 2000's default of 8 must survive an unchanged OK.
  readSize(IDC_OPT_TM_SIZE, &model_.current.TM, static_cast<int32_t>(model_.identity->tmValueFloor));
  savePreferences(*model_.registry, *model_.identity, prefs, model_.current, model_.defaults);
  result_.saved = true;
  for (int i = 0; i < kOptionsPreferenceBoxes; ++i) result_.boxes[i] = prefs.*kCheckBoxes[i].field;
  result_.ict = prefs.ict;
  result_.TC = model_.current.TC;
  result_.TM = model_.current.TM;
  return kIdOk;
}

void takeOptionsResult(const OptionsResult& result, Preferences* prefs, DriverOptions* current) {
  if (!result.saved) return;
  for (int i = 0; i < kOptionsPreferenceBoxes; ++i) prefs->*kCheckBoxes[i].field = result.boxes[i];
  prefs->ict = result.ict;
  current->TC = result.TC;
  current->TM = result.TM;
}

}  // namespace vdx
