// WM_COMMAND of the main window: the portable command handler with the real
// window, menu, dialogs and scheme list behind it.
#include <windows.h>

#include "tweaker/schemes/win32/scheme_list.h"
#include "tweaker/shell/command_handler.h"
#include "tweaker/shell/command_schemes.h"
#include "tweaker/shell/win32/command_dialog_procs.h"
#include "tweaker/shell/win32/tray_shell.h"

namespace vdx {

namespace {

class Win32CommandHost : public CommandHost {
 public:
  Win32CommandHost(ShellWindow& shell, HMENU popup) : shell_(shell), popup_(popup) {}

  WindowHandle mainWindow() override { return shell_.window; }

  void composeTooltip() override {
    char tip[256] = {0};
    vdx::composeTooltip(shell_, tip, sizeof tip);
  }

  void runDialog(const DialogCommand& dialog) override { runCommandDialog(shell_, dialog); }

  void bringToForeground(WindowHandle window) override { SetForegroundWindow(static_cast<HWND>(window)); }

  void destroyMainWindow() override { DestroyWindow(shell_.window); }

  void showHelpContents() override {
    WinHelpA(shell_.window, shell_.program.shell.helpFilePath.c_str(), HELP_CONTENTS, 0);
  }

  std::string menuItemText(uint16_t id) override {
    char text[64] = {0};
    if (!popup_ || !IsMenu(popup_)) return std::string();
    GetMenuStringA(popup_, id, text, sizeof text, MF_BYCOMMAND);
    return text;
  }

  bool reloadSchemeList() override {
    Program& p = shell_.program;
    return vdx::reloadSchemeList(shell_.window, *p.services.profile, p.schemeFilePath, p.preferences.sortSchemeMenu);
  }

  bool applyScheme(int index) override {
    if (index < 0) return applyDefaultOptions(shell_.program);
    return applyNamedScheme(shell_, index);
  }

 private:
  ShellWindow& shell_;
  HMENU popup_;
};

}  // namespace

void handleCommand(ShellWindow& shell, WPARAM wParam, LPARAM lParam) {
  Win32CommandHost host(shell, reinterpret_cast<HMENU>(lParam));
  handleMenuCommand(shell.program, LOWORD(wParam), shell.lastSchemeCount, host);
}

}  // namespace vdx
