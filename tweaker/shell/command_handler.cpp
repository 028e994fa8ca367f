#include "tweaker/shell/command_handler.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>

#include "tweaker/common/text_format.h"
#include "tweaker/resources/command_ids.h"
#include "tweaker/shell/command_options.h"
#include "tweaker/shell/menu_items.h"

namespace vdx {

namespace {

constexpr int kKeepModeTimeoutSeconds = 15;

// Reads a mode item's text, "WIDTHxHEIGHT (DEPTH bpp)", as far as its depth.
// (strtol rather than sscanf: the scanf family costs the program 15 KB.)
bool readModeText(const std::string& text, int* width, int* height, int* depth) {
  const char* p = text.c_str();
  char* end = nullptr;
  const long w = std::strtol(p, &end, 10);
  if (end == p || *end != 'x') return false;
  p = end + 1;
  const long h = std::strtol(p, &end, 10);
  if (end == p) return false;
  p = end;
  while (std::isspace(static_cast<unsigned char>(*p))) ++p;
  if (*p != '(') return false;
  ++p;
  const long d = std::strtol(p, &end, 10);
  if (end == p) return false;
  *width = static_cast<int>(w);
  *height = static_cast<int>(h);
  *depth = static_cast<int>(d);
  return true;
}

void openDialog(Program& program, const DialogCommand& dialog, CommandHost& host) {
  if (WindowHandle open = program.dialogs.get(dialog.kind)) {
    host.bringToForeground(open);
    return;
  }
  host.runDialog(dialog);
  program.dialogs.set(dialog.kind, nullptr);
}

}  // namespace

DisplayChangeAnswer confirmDisplayChange(Program& program, WindowHandle owner, const std::string& settingName) {
  const Preferences& prefs = program.preferences;
  DisplayChangeAnswer answer;
  if (!prefs.confirmAgpChanges) {
    answer.proceed = true;
    answer.reset = prefs.autoResetDisplay;
    return answer;
  }
  char text[512];
  formatText(text, sizeof text,
                "To use the new %s, you must restart Windows or change your display settings.\n\n"
                "Choose Yes to change the setting and reset the display.\n"
                "No to change the setting without resetting display.\n"
                "Or Cancel to make no changes.",
                settingName.c_str());
  const int result = ShowMessageBox(*program.messageBoxes, owner, text, kCaption, kMbYesNoCancel | kMbIconQuestion);
  answer.proceed = result == kIdYes || result == kIdNo;
  answer.reset = result == kIdYes;
  return answer;
}

void changeToMenuMode(Program& program, const std::string& itemText, WindowHandle owner) {
  MessageBoxPresenter& boxes = *program.messageBoxes;
  Display& display = *program.services.display;
  int width = 0, height = 0, depth = 0;
  if (!readModeText(itemText, &width, &height, &depth)) return;
  const DisplayMetrics previous = program.shell.metrics;
  if (program.preferences.askChangeDisplay &&
      ShowMessageBox(boxes, owner, "The new settings may not work correctly.  Change anyway?", kCaption,
                     kMbYesNo | kMbIconQuestion) != kIdYes) {
    return;
  }
  if (changeDisplayMode(display, width, height, depth, kCdsUpdateRegistry) != kDispChangeSuccessful) {
    ShowMessageBox(boxes, owner, "Unable to change your display.", kCaption, kMbIconExclamation);
    return;
  }
  // No, Esc and the time-out (which presses the default No) all go back.
  if (ShowMessageBox(boxes, owner, "Do you want to keep your new display settings?", kCaption,
                     kMbYesNo | kMbIconQuestion | kMbDefButton2, kKeepModeTimeoutSeconds) == kIdYes) {
    return;
  }
  // Claiming a restore that the driver refused would leave the user on a
  // mode they just rejected, believing it gone.
  if (changeDisplayMode(display, previous.width, previous.height, previous.bitsPerPixel, kCdsUpdateRegistry) !=
      kDispChangeSuccessful) {
    ShowMessageBox(boxes, owner, "Unable to change your display.", kCaption, kMbIconExclamation);
    return;
  }
  ShowMessageBox(boxes, owner, "Your previous settings have been restored.", kCaption, kMbIconAsterisk);
}

void handleMenuCommand(Program& program, uint16_t id, uint16_t schemeCount, CommandHost& host) {
  if (runOptionCommand(program, id, host)) return;
  if (const DialogCommand* dialog = findDialogCommand(id)) {
    openDialog(program, *dialog, host);
    return;
  }
  const MenuOptionRow* item = findMenuRow(id);
  if (item && item->action == OptionAction::Exit) {
    host.destroyMainWindow();
  } else if (item && item->action == OptionAction::Help) {
    host.showHelpContents();
  } else if (id >= IDM_DISPLAY_MODE_FIRST && id <= IDM_DISPLAY_MODE_LAST) {
    changeToMenuMode(program, host.menuItemText(id), host.mainWindow());
  } else if (id == IDM_SCHEME_REFRESH) {
    host.reloadSchemeList();
  } else if (id == IDM_SCHEME_DEFAULT) {
    host.applyScheme(-1);
    host.composeTooltip();
  } else if (id >= IDM_SCHEME_FIRST && id - IDM_SCHEME_FIRST < schemeCount) {
    host.applyScheme(id - IDM_SCHEME_FIRST);
    host.composeTooltip();
  }
}

}  // namespace vdx
