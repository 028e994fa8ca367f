#include "tweaker/shell/win32/scheme_dialogs.h"

#include "tweaker/ui/win32/common_libraries.h"

#include <cstring>

#include "tweaker/resources/resource.h"
#include "tweaker/schemes/save_as_dialog.h"
#include "tweaker/schemes/scheme_file.h"
#include "tweaker/schemes/win32/scheme_list.h"
#include "tweaker/shell/command_schemes.h"
#include "tweaker/shell/win32/shell_window.h"
#include "tweaker/ui/win32/dialog_host.h"

namespace vdx {

std::vector<std::string> ShellSchemesHost::schemeList() {
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

void ShellSchemesHost::reloadSchemeList() {
  Program& p = shell_.program;
  vdx::reloadSchemeList(shell_.window, *p.services.profile, p.schemeFilePath, p.preferences.sortSchemeMenu);
}

bool ShellSchemesHost::runSaveAs(WindowHandle dialog, SchemeSaveRequest* request) {
  Program& p = shell_.program;
  DialogRun<SaveAsDialog> run{{{nullptr, DialogKind::Count, p.shell.helpFilePath}, DialogPlacement::OverOwner},
                              {p.services.profile, p.schemeFilePath, request->name, p.messageBoxes, nullptr},
                              {}};
  if (runPresenterDialog<PresenterDialog<SaveAsDialog>>(shell_.instance, static_cast<HWND>(dialog),
                                                        IDD_SAVE_SCHEME_AS, run) != IDOK ||
      !run.result.request)
    return false;
  *request = *run.result.request;
  return true;
}

void ShellSchemesHost::saveScheme(const SchemeSaveRequest& request) { saveSchemeLine(shell_.program, request); }

bool ShellSchemesHost::chooseImportFile(WindowHandle dialog, const std::string& folder, std::string* path) {
  char file[MAX_PATH + 1] = {0};
  // The filter's '|' separators become the NULs the dialog wants.
  char filter[] = "Scheme files (*.dat)|*.dat|All files|*.*|";
  for (char* c = filter; *c; ++c) {
    if (*c == '|') *c = '\0';
  }
  OPENFILENAMEA ofn;
  memset(&ofn, 0, sizeof ofn);
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = static_cast<HWND>(dialog);
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

void ShellSchemesHost::showWaitCursor(bool on) {
  if (on) {
    saved_ = SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32514)));  // IDC_WAIT
  } else {
    SetCursor(saved_);
  }
}

}  // namespace vdx
