#include "tweaker/shell/win32/command_dialog_procs.h"

#include "tweaker/display/win32/about_dialog_proc.h"
#include "tweaker/schemes/win32/scheme_list.h"
#include "tweaker/settings/win32/options_dialog_proc.h"

namespace vdx {

namespace {

std::string programPath() {
  char path[MAX_PATH + 1] = {0};
  const DWORD len = GetModuleFileNameA(nullptr, path, MAX_PATH);
  return std::string(path, len < MAX_PATH ? len : MAX_PATH);
}

DialogFrame frameOf(Program& p, const DialogCommand& dialog) {
  DialogFrame frame;
  frame.slots = &p.dialogs;
  frame.kind = dialog.kind;
  frame.helpFile = p.shell.helpFilePath;
  return frame;
}

void runOptions(ShellWindow& shell, const DialogCommand& dialog) {
  Program& p = shell.program;
  OptionsDialogArgs args;
  args.frame = frameOf(p, dialog);
  args.model = OptionsDialogModel{p.services.registry, &p.identity, &p.preferences,
                                  &p.currentOptions,   &p.defaultOptions, programPath()};
  DialogBoxParamA(shell.instance, MAKEINTRESOURCEA(dialog.resourceId), shell.window, optionsDialogProc,
                  reinterpret_cast<LPARAM>(&args));
}

void runAbout(ShellWindow& shell, const DialogCommand& dialog) {
  Program& p = shell.program;
  AboutDialogArgs args;
  args.frame = frameOf(p, dialog);
  args.model = AboutDialogModel{p.services.system, p.services.registry, p.services.ports, p.services.clock,
                                &p.escapes,        &p.identity,          programPath()};
  DialogBoxParamA(shell.instance, MAKEINTRESOURCEA(dialog.resourceId), shell.window, aboutDialogProc,
                  reinterpret_cast<LPARAM>(&args));
}

struct DialogLauncher {
  DialogKind kind;
  void (*run)(ShellWindow& shell, const DialogCommand& dialog);
};

const DialogLauncher kLaunchers[] = {
    {DialogKind::Options, runOptions},
    {DialogKind::About, runAbout},
};

}  // namespace

bool runCommandDialog(ShellWindow& shell, const DialogCommand& dialog) {
  for (const DialogLauncher& row : kLaunchers) {
    if (row.kind != dialog.kind) continue;
    row.run(shell, dialog);
    return true;
  }
  return false;
}

bool applyNamedScheme(ShellWindow& shell, int index) {
  HWND list = schemeListWindow(shell.window);
  const LRESULT len = list ? SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0) : LB_ERR;
  if (len == LB_ERR) {
    ShowMessageBox(*shell.program.messageBoxes, shell.window, "Unable to get scheme name using index.", "Vidarix",
                   kMbOk | kMbIconExclamation);
    return false;
  }
  // The scheme line reader is still to come (see the README's list of what
  // is not built yet): nothing is applied.
  return false;
}

}  // namespace vdx
