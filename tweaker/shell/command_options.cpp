#include "tweaker/shell/command_options.h"

#include "tweaker/settings/driver_options.h"
#include "tweaker/settings/option_store.h"
#include "tweaker/settings/preferences.h"
#include "tweaker/settings/settings_keys.h"
#include "tweaker/shell/display_reset.h"
#include "tweaker/shell/shell_state.h"

namespace vdx {

namespace {

enum class Action : uint8_t {
  Flip,             // field = !field
  FlipTrilinear,    // AT, and AM with it under the link preference
  FlipLinkedFog,    // EF or ES, the other following under the link preference
  TextureMode,      // AA / VO after the display question; value 0 AA, 1 VO, 2 neither
  Set,              // field = value
  CommandDma,       // DMACB = id - 30029, restart notice
  DBias,            // DB = (30050 - id) * 0.1
  AgpSize,          // AGPSize after the display question
  AgpRate,          // AGP = id - 30400, restart notice
  FlipRestart,      // flip, restart notice
};

using Field = int32_t DriverOptions::*;

struct OptionCommand {
  uint16_t first, last;
  Action action;
  Field field;
  int32_t value;  // Set / TextureMode
  Field partner;  // FlipLinkedFog: the option that follows
  bool tooltip;   // the tooltip shows this option
  bool miniGl;    // stored in the MiniGL key
};

const OptionCommand kOptionCommands[] = {
    {30001, 30001, Action::Flip, &DriverOptions::WV, 0, nullptr, true, false},
    {30002, 30002, Action::FlipTrilinear, &DriverOptions::AT, 0, nullptr, false, false},
    {30003, 30003, Action::Flip, &DriverOptions::AC, 0, nullptr, true, false},
    {30004, 30004, Action::Flip, &DriverOptions::AM, 0, nullptr, false, false},
    {30018, 30018, Action::Flip, &DriverOptions::ZB, 0, nullptr, false, false},
    {30019, 30019, Action::TextureMode, nullptr, 0, nullptr, true, false},
    {30020, 30020, Action::TextureMode, nullptr, 1, nullptr, true, false},
    {30021, 30021, Action::TextureMode, nullptr, 2, nullptr, true, false},
    {30023, 30023, Action::FlipLinkedFog, &DriverOptions::EF, 0, &DriverOptions::ES, false, false},
    {30024, 30024, Action::FlipLinkedFog, &DriverOptions::ES, 0, &DriverOptions::EF, false, false},
    {30025, 30025, Action::Flip, &DriverOptions::TP, 0, nullptr, false, false},
    {30026, 30026, Action::Flip, &DriverOptions::FD, 0, nullptr, false, false},
    {30027, 30027, Action::Flip, &DriverOptions::OS, 0, nullptr, false, false},
    {30028, 30028, Action::Flip, &DriverOptions::ATB, 0, nullptr, false, false},
    {30029, 30029, Action::Flip, &DriverOptions::FB, 0, nullptr, false, false},
    {30030, 30033, Action::CommandDma, &DriverOptions::DMACB, 0, nullptr, false, false},
    {30036, 30036, Action::Flip, &DriverOptions::BW, 0, nullptr, false, false},
    {30037, 30037, Action::Flip, &DriverOptions::WC, 0, nullptr, false, false},
    {30040, 30060, Action::DBias, nullptr, 0, nullptr, false, false},
    {30100, 30228, Action::AgpSize, &DriverOptions::AGPSize, 0, nullptr, false, false},
    {30401, 30402, Action::AgpRate, &DriverOptions::AGP, 0, nullptr, false, false},
    {30404, 30404, Action::AgpRate, &DriverOptions::AGP, 0, nullptr, false, false},
    {30410, 30410, Action::Flip, &DriverOptions::Bit32, 0, nullptr, false, true},
    {30411, 30411, Action::Flip, &DriverOptions::AutoS3TC, 0, nullptr, false, true},
    {30412, 30412, Action::Flip, &DriverOptions::S3TCDiskCache, 0, nullptr, false, true},
    {30413, 30413, Action::Flip, &DriverOptions::TextureCache, 0, nullptr, false, true},
    {30414, 30414, Action::Flip, &DriverOptions::Mipmapping, 0, nullptr, false, true},
    {30422, 30422, Action::Flip, &DriverOptions::TSL, 0, nullptr, false, false},
    {30428, 30428, Action::Flip, &DriverOptions::ZC, 0, nullptr, false, false},
    {30429, 30429, Action::FlipRestart, &DriverOptions::AGPSB, 0, nullptr, false, false},
    {30430, 30430, Action::Flip, &DriverOptions::ICD3DNOW, 0, nullptr, false, false},
    {30431, 30431, Action::Flip, &DriverOptions::ICDSIMD, 0, nullptr, false, false},
    {30432, 30432, Action::Set, &DriverOptions::ICDHWTL, 0, nullptr, false, false},
    {30433, 30433, Action::Set, &DriverOptions::ICDHWTL, -1, nullptr, false, false},
    {30434, 30434, Action::Set, &DriverOptions::ICDHWTL, 1, nullptr, false, false},
    {30435, 30435, Action::Flip, &DriverOptions::ICDUSEKTX, 0, nullptr, false, false},
    {30436, 30436, Action::Flip, &DriverOptions::ICDWBUFFER, 0, nullptr, false, false},
    {30437, 30437, Action::Flip, &DriverOptions::NF, 0, nullptr, false, false},
    {30439, 30439, Action::Set, &DriverOptions::ICDAZ, 0, nullptr, false, false},
    {30440, 30440, Action::Set, &DriverOptions::ICDAZ, -1, nullptr, false, false},
    {30441, 30441, Action::Set, &DriverOptions::ICDAZ, 1, nullptr, false, false},
    {30442, 30442, Action::Set, &DriverOptions::ICDFOGTABLE, 0, nullptr, false, false},
    {30443, 30443, Action::Set, &DriverOptions::ICDFOGTABLE, 1, nullptr, false, false},
    {30444, 30444, Action::Set, &DriverOptions::ICDFOGTABLE, -1, nullptr, false, false},
    {30445, 30445, Action::Set, &DriverOptions::ICDTEXTURESIZE, 0, nullptr, false, false},
    {30446, 30446, Action::Set, &DriverOptions::ICDTEXTURESIZE, -1, nullptr, false, false},
    {30447, 30447, Action::Set, &DriverOptions::ICDTEXTURESIZE, 1, nullptr, false, false},
    {30448, 30448, Action::Flip, &DriverOptions::WB, 0, nullptr, false, false},
    {30450, 30450, Action::Flip, &DriverOptions::HSP, 0, nullptr, false, false},
};

const OptionCommand* findOptionCommand(uint16_t id) {
  for (const OptionCommand& row : kOptionCommands) {
    if (id >= row.first && id <= row.last) return &row;
  }
  return nullptr;
}

int32_t flipped(int32_t v) { return v ? 0 : 1; }

void restartNotice(WindowHandle owner, const char* text) {
  ShowMessageBox(owner, text, kCaption, kMbIconAsterisk);
}

constexpr const char* kRestartNotice = "Please restart Windows to use the new setting.";

}  // namespace

bool runOptionCommand(uint16_t id, CommandHost& host) {
  const OptionCommand* row = findOptionCommand(id);
  if (!row) return false;
  DriverOptions& o = currentOptions();
  const Preferences& prefs = preferences();
  WindowHandle owner = host.mainWindow();
  bool reset = false;
  bool tooltip = row->tooltip;

  switch (row->action) {
    case Action::Flip: o.*row->field = flipped(o.*row->field); break;
    case Action::FlipTrilinear:
      o.AT = flipped(o.AT);
      if (prefs.autoTriMip && o.AT) o.AM = 1;
      break;
    case Action::FlipLinkedFog:
      o.*row->field = flipped(o.*row->field);
      if (prefs.useAutoOpenGlFog) o.*row->partner = o.*row->field;
      break;
    case Action::TextureMode: {
      const DisplayChangeAnswer answer = confirmDisplayChange(owner, "texture mem setting");
      if (!answer.proceed) return true;  // declined: nothing is written
      reset = answer.reset;
      o.AA = row->value == 0 ? 1 : 0;
      o.VO = row->value == 1 ? 1 : 0;
      break;
    }
    case Action::Set: o.*row->field = row->value; break;
    case Action::CommandDma:
      o.DMACB = id - 30029;
      restartNotice(owner, "Please restart Windows to use the new CommandDMA setting.");
      break;
    case Action::DBias: o.DB = static_cast<float>((30050 - static_cast<int>(id)) * 0.1); break;
    case Action::AgpSize: {
      const int32_t size = id == 30100 ? defaultOptions().AGPSize : id - 30100;
      tooltip = false;
      if (!o.VO) {
        const DisplayChangeAnswer answer = confirmDisplayChange(owner, "AGP size");
        if (answer.proceed) {
          o.AGPSize = size;
          reset = answer.reset;
          tooltip = true;
        }
      }
      break;
    }
    case Action::AgpRate:
      o.AGP = id - 30400;
      restartNotice(owner, kRestartNotice);
      break;
    case Action::FlipRestart:
      o.*row->field = flipped(o.*row->field);
      restartNotice(owner, kRestartNotice);
      break;
  }

  if (row->miniGl) {
    writeMiniGLOptions();
  } else {
    writeDriverOptions(texPatchUnavailable());
  }
  // The options no longer match a saved scheme.
  writeStringValue(SettingsKey::Card, "Current", "");
  if (reset) resetDisplay(RESET_FULL);
  if (tooltip) host.composeTooltip();
  return true;
}

}  // namespace vdx
