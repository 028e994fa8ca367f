#include "tweaker/shell/command_options.h"

#include "tweaker/shell/menu_items.h"
#include "tweaker/shell/program_records.h"

namespace vdx {

namespace {

int32_t flipped(int32_t v) { return v ? 0 : 1; }

void restartNotice(Program& program, WindowHandle owner, const char* text) {
  ShowMessageBox(*program.messageBoxes, owner, text, kCaption, kMbIconAsterisk);
}

constexpr const char* kRestartNotice = "Please restart Windows to use the new setting.";

}  // namespace

bool runOptionCommand(Program& program, uint16_t id, CommandHost& host) {
  const MenuOptionRow* row = findMenuOption(id);
  if (!row) return false;
  DriverOptions& o = program.currentOptions;
  const Preferences& prefs = program.preferences;
  WindowHandle owner = host.mainWindow();
  bool reset = false;
  bool tooltip = row->tooltip;

  switch (row->action) {
    case OptionAction::Flip: o.*row->field = flipped(o.*row->field); break;
    case OptionAction::FlipTrilinear:
      o.AT = flipped(o.AT);
      if (prefs.autoTriMip && o.AT) o.AM = 1;
      break;
    case OptionAction::FlipLinkedFog:
      o.*row->field = flipped(o.*row->field);
      if (prefs.useAutoOpenGlFog) o.*row->partner = o.*row->field;
      break;
    case OptionAction::FlipRestart:
      o.*row->field = flipped(o.*row->field);
      restartNotice(program, owner, kRestartNotice);
      break;
    case OptionAction::TextureMode: {
      const DisplayChangeAnswer answer = confirmDisplayChange(program, owner, "texture mem setting");
      if (!answer.proceed) return true;  // declined: nothing is written
      reset = answer.reset;
      o.AA = row->value == 0 ? 1 : 0;
      o.VO = row->value == 1 ? 1 : 0;
      break;
    }
    case OptionAction::Set: o.*row->field = row->value; break;
    case OptionAction::CommandDma:
      o.DMACB = commandDmaOfItem(id);
      restartNotice(program, owner, "Please restart Windows to use the new CommandDMA setting.");
      break;
    case OptionAction::DBias: o.DB = dBiasOfItem(id); break;
    case OptionAction::AgpSize: {
      const int32_t size = id == IDM_AGP_SIZE_CUSTOM ? program.defaultOptions.AGPSize : id - IDM_AGP_SIZE_CUSTOM;
      tooltip = false;
      if (!o.VO) {
        const DisplayChangeAnswer answer = confirmDisplayChange(program, owner, "AGP size");
        if (answer.proceed) {
          o.AGPSize = size;
          reset = answer.reset;
          tooltip = true;
        }
      }
      break;
    }
    case OptionAction::AgpRate:
      o.AGP = agpRateOfItem(id);
      restartNotice(program, owner, kRestartNotice);
      break;
    case OptionAction::Dialog:
    case OptionAction::Help:
    case OptionAction::Exit: return false;  // not options (findMenuOption leaves them out)
  }

  if (row->key == OptionKeyOf::MiniGL) {
    writeMiniGLOptions(program);
  } else {
    writeDriverOptions(program);
  }
  // The options no longer match a saved scheme.
  writeSettingString(program, SettingsKey::Card, "Current", "");
  if (reset) resetDisplay(program, RESET_FULL);
  if (tooltip) host.composeTooltip();
  return true;
}

}  // namespace vdx
