// WM_COMMAND of the main window: the portable command handler with the real
// window, menu, dialogs and scheme list behind it.
#include <windows.h>

#include "tweaker/schemes/win32/scheme_list.h"
#include "tweaker/shell/command_handler.h"
#include "tweaker/shell/command_schemes.h"
#include "tweaker/shell/shell_state.h"
#include "tweaker/shell/win32/command_dialog_procs.h"
#include "tweaker/shell/win32/main_window.h"
#include "tweaker/shell/win32/menu_popup.h"
#include "tweaker/shell/win32/tray_shell.h"

namespace vdx {

namespace {

class Win32CommandHost : public CommandHost {
 public:
  Win32CommandHost(HWND hwnd, HMENU popup) : hwnd_(hwnd), popup_(popup) {}

  WindowHandle mainWindow() override { return hwnd_; }

  void composeTooltip() override {
    char tip[256] = {0};
    vdx::composeTooltip(hwnd_, tip, sizeof tip);
  }

  void runDialog(const DialogCommand& dialog) override {
    DLGPROC proc = dialogProcedure(dialog.kind);
    if (!proc) return;  // that dialog is not part of this build
    DialogBoxParamA(programInstance(), MAKEINTRESOURCEA(dialog.resourceId), hwnd_, proc, 0);
  }

  void bringToForeground(WindowHandle window) override {
    SetForegroundWindow(static_cast<HWND>(window));
  }

  void destroyMainWindow() override { DestroyWindow(hwnd_); }

  void showHelpContents() override { WinHelpA(hwnd_, helpFilePath().c_str(), HELP_CONTENTS, 0); }

  std::string menuItemText(uint16_t id) override {
    char text[64] = {0};
    if (!popup_ || !IsMenu(popup_)) return std::string();
    GetMenuStringA(popup_, id, text, sizeof text, MF_BYCOMMAND);
    return text;
  }

  bool reloadSchemeList() override { return vdx::reloadSchemeList(hwnd_); }

  bool applyScheme(int index) override {
    if (index < 0) return applyDefaultOptions();
    return applyNamedScheme(hwnd_, index);
  }

 private:
  HWND hwnd_;
  HMENU popup_;
};

}  // namespace

void handleCommand(HWND hwnd, WPARAM wParam, LPARAM lParam) {
  Win32CommandHost host(hwnd, reinterpret_cast<HMENU>(lParam));
  handleMenuCommand(LOWORD(wParam), trayMenuSchemeCount(), host);
}

}  // namespace vdx
