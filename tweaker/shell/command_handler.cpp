#include "tweaker/shell/command_handler.h"

#include <cstdio>

#include "tweaker/settings/preferences.h"
#include "tweaker/shell/command_options.h"
#include "tweaker/shell/display_reset.h"
#include "tweaker/shell/menu_builder.h"
#include "tweaker/shell/shell_state.h"

namespace vdx {

namespace {

constexpr uint16_t kIdExit = 30007;
constexpr uint16_t kIdHelp = 30010;
constexpr int kKeepModeTimeoutSeconds = 15;

void openDialog(const DialogCommand& dialog, CommandHost& host) {
  if (WindowHandle open = dialogSlot(dialog.kind)) {
    host.bringToForeground(open);
    return;
  }
  host.runDialog(dialog);
  setDialogSlot(dialog.kind, nullptr);
}

}  // namespace

DisplayChangeAnswer confirmDisplayChange(WindowHandle owner, const std::string& settingName) {
  const Preferences& prefs = preferences();
  DisplayChangeAnswer answer;
  if (!prefs.confirmAgpChanges) {
    answer.proceed = true;
    answer.reset = prefs.autoResetDisplay;
    return answer;
  }
  char text[512];
  std::snprintf(text, sizeof text,
                "To use the new %s, you must restart Windows or change your display settings.\n\n"
                "Choose Yes to change the setting and reset the display.\n"
                "No to change the setting without resetting display.\n"
                "Or Cancel to make no changes.",
                settingName.c_str());
  const int result = ShowMessageBox(owner, text, kCaption, kMbYesNoCancel | kMbIconQuestion);
  answer.proceed = result == kIdYes || result == kIdNo;
  answer.reset = result == kIdYes;
  return answer;
}

void changeToMenuMode(const std::string& itemText, WindowHandle owner) {
  int width = 0, height = 0, depth = 0;
  if (std::sscanf(itemText.c_str(), "%dx%d (%d bpp)", &width, &height, &depth) < 3) return;
  const DisplayMetrics previous = displayMetrics();
  if (preferences().askChangeDisplay &&
      ShowMessageBox(owner, "The new settings may not work correctly.  Change anyway?", kCaption,
                     kMbYesNo | kMbIconQuestion) != kIdYes) {
    return;
  }
  if (changeDisplayMode(width, height, depth, kCdsUpdateRegistry) != kDispChangeSuccessful) {
    ShowMessageBox(owner, "Unable to change your display.", kCaption, kMbIconExclamation);
    return;
  }
  // No, Esc and the time-out (which presses the default No) all go back.
  if (ShowMessageBox(owner, "Do you want to keep your new display settings?", kCaption,
                     kMbYesNo | kMbIconQuestion | kMbDefButton2, kKeepModeTimeoutSeconds) == kIdYes) {
    return;
  }
  // Claiming a restore that the driver refused would leave the user on a
  // mode they just rejected, believing it gone.
  if (changeDisplayMode(previous.width, previous.height, previous.bitsPerPixel, kCdsUpdateRegistry) !=
      kDispChangeSuccessful) {
    ShowMessageBox(owner, "Unable to change your display.", kCaption, kMbIconExclamation);
    return;
  }
  ShowMessageBox(owner, "Your previous settings have been restored.", kCaption, kMbIconAsterisk);
}

void handleMenuCommand(uint16_t id, uint16_t schemeCount, CommandHost& host) {
  if (runOptionCommand(id, host)) return;
  if (const DialogCommand* dialog = findDialogCommand(id)) {
    openDialog(*dialog, host);
    return;
  }
  if (id == kIdExit) {
    host.destroyMainWindow();
  } else if (id == kIdHelp) {
    host.showHelpContents();
  } else if (id >= kIdDisplayModeFirst && id <= kIdDisplayModeLast) {
    changeToMenuMode(host.menuItemText(id), host.mainWindow());
  } else if (id == kIdSchemeRefresh) {
    host.reloadSchemeList();
  } else if (id == kIdSchemeDefault) {
    host.applyScheme(-1);
    host.composeTooltip();
  } else if (id >= kIdSchemeFirst && id - kIdSchemeFirst < schemeCount) {
    host.applyScheme(id - kIdSchemeFirst);
    host.composeTooltip();
  }
}

}  // namespace vdx
