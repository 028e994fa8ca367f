#include "tweaker/shell/win32/scheme_dialogs.h"

#include "tweaker/ui/win32/common_libraries.h"

#include <cstring>

#include "tweaker/resources/resource.h"
#include "tweaker/schemes/scheme_file.h"
#include "tweaker/schemes/win32/scheme_dialog_procs.h"
#include "tweaker/schemes/win32/scheme_list.h"
#include "tweaker/shell/command_schemes.h"

namespace vdx {
namespace {

class ShellSchemesHost : public ConfigureSchemesHost {
 public:
  explicit ShellSchemesHost(ShellWindow& shell) : shell_(shell) {}
  HWND dialog = nullptr;

  std::vector<std::string> schemeList() override {
    std::vector<std::string> names;
    HWND list = schemeListWindow(shell_.window);
    if (!list) return names;
    char text[kSchemeListNameMax + 1];
    for (WPARAM i = 0;; ++i) {
      const LRESULT len = SendMessageA(list, LB_GETTEXTLEN, i, 0);
      if (len == LB_ERR || len > static_cast<LRESULT>(kSchemeListNameMax)) break;
      SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
      names.push_back(text);
    }
    return names;
  }

  void reloadSchemeList() override {
    Program& p = shell_.program;
    vdx::reloadSchemeList(shell_.window, *p.services.profile, p.schemeFilePath, p.preferences.sortSchemeMenu);
  }

  bool runSaveAs(SchemeSaveRequest* request) override {
    Program& p = shell_.program;
    SaveAsArgs args;
    args.frame.helpFile = p.shell.helpFilePath;
    args.model = SaveAsDialogModel{p.services.profile, p.schemeFilePath, request, p.messageBoxes, nullptr};
    return DialogBoxParamA(shell_.instance, MAKEINTRESOURCEA(IDD_SAVE_SCHEME_AS), dialog, saveAsDialogProc,
                           reinterpret_cast<LPARAM>(&args)) == IDOK;
  }

  void saveScheme(const SchemeSaveRequest& request) override { saveSchemeLine(shell_.program, request); }

  bool chooseImportFile(const std::string& folder, std::string* path) override {
    char file[MAX_PATH + 1] = {0};
    // The filter's '|' separators become the NULs the dialog wants.
    char filter[] = "Scheme files (*.dat)|*.dat|All files|*.*|";
    for (char* c = filter; *c; ++c) {
      if (*c == '|') *c = '\0';
    }
    OPENFILENAMEA ofn;
    memset(&ofn, 0, sizeof ofn);
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = dialog;
    ofn.lpstrFilter = filter;
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file;
    ofn.nMaxFile = sizeof file;
    ofn.lpstrInitialDir = folder.c_str();
    ofn.lpstrTitle = "Update from Schemes File";
    ofn.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    if (!getOpenFileName(&ofn)) return false;
    *path = file;
    return true;
  }

  void showWaitCursor(bool on) override {
    if (on) {
      saved_ = SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32514)));  // IDC_WAIT
    } else {
      SetCursor(saved_);
    }
  }

 private:
  ShellWindow& shell_;
  HCURSOR saved_ = nullptr;
};

// The dialog hands its own window to the host once it exists.
INT_PTR CALLBACK configureProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_INITDIALOG && lParam) {
    auto* args = reinterpret_cast<ConfigureSchemesArgs*>(lParam);
    static_cast<ShellSchemesHost*>(args->model.host)->dialog = dialog;
  }
  return configureSchemesDialogProc(dialog, msg, wParam, lParam);
}

}  // namespace

void runConfigureSchemes(ShellWindow& shell, const DialogCommand& dialog) {
  Program& p = shell.program;
  if (p.schemeImportFolder.empty()) p.schemeImportFolder = p.services.system->systemDirectory();
  ShellSchemesHost host(shell);
  ConfigureSchemesArgs args;
  args.frame.slots = &p.dialogs;
  args.frame.kind = dialog.kind;
  args.frame.helpFile = p.shell.helpFilePath;
  args.model = ConfigureSchemesModel{p.services.profile, p.schemeFilePath, &p.schemeImportFolder,
                                     p.messageBoxes,     nullptr,          &host};
  DialogBoxParamA(shell.instance, MAKEINTRESOURCEA(dialog.resourceId), shell.window, configureProc,
                  reinterpret_cast<LPARAM>(&args));
}

}  // namespace vdx
