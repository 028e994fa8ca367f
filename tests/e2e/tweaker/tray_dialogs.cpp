// Dialog commands open one copy each: choosing "&Options..." again while the
// dialog is open brings it forward instead of opening a second one.
#include <string>

#include "tests/e2e/common/driver.h"
#include "tests/e2e/tweaker/tray_session.h"

namespace {

int optionsDialogs(DWORD processId) {
  int n = 0;
  for (HWND w : e2e::windowsOf(processId)) {
    if (e2e::text(w) == "Vidarix Options") ++n;
  }
  return n;
}

}  // namespace

E2E_SCENARIO(tray_dialog_opens_once) {
  tray::Prefs prefs;
  tray::Session s(prefs);
  if (!s.running()) return;
  HWND menu = s.openMenu();
  if (!menu) return;
  tray::mnemonic(menu, 'o');  // "&Options..."
  HWND dialog = e2e::waitDialog(s.process().id, "Vidarix Options", 5000);
  e2e::check(dialog != nullptr, "\"&Options...\" opens the Options dialog");
  if (!dialog) return;

  // The tray still answers while the dialog runs its own loop.
  menu = s.openMenu();
  if (!menu) return;
  tray::mnemonic(menu, 'o');
  e2e::waitNoPopupMenu(3000);
  e2e::pause(500);
  e2e::checkEq(1, optionsDialogs(s.process().id), "still one Options dialog");
  e2e::check(IsWindow(dialog) && IsWindowVisible(dialog), "the first one is still up");
  e2e::click(e2e::control(dialog, 2));  // Cancel
  e2e::check(e2e::waitGone(dialog, 3000), "Cancel closes it");

  // Closed, it opens again.
  menu = s.openMenu();
  if (!menu) return;
  tray::mnemonic(menu, 'o');
  dialog = e2e::waitDialog(s.process().id, "Vidarix Options", 5000);
  e2e::check(dialog != nullptr, "the dialog opens again after it closed");
  if (dialog) {
    e2e::click(e2e::control(dialog, 2));
    e2e::waitGone(dialog, 3000);
  }
}
