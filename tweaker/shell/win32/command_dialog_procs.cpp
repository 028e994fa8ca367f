#include "tweaker/shell/win32/command_dialog_procs.h"

#include "tweaker/ui/win32/common_libraries.h"

#include <cstring>

#include "tweaker/adapter/win32/overclock_dialog_proc.h"
#include "tweaker/display/win32/about_dialog_proc.h"
#include "tweaker/display/win32/gamma_dialog_proc.h"
#include "tweaker/display/win32/outputs_dialog_proc.h"
#include "tweaker/display/win32/refresh_rates_dialog_proc.h"
#include "tweaker/schemes/scheme_file.h"
#include "tweaker/schemes/win32/scheme_list.h"
#include "tweaker/settings/win32/minigl_dialog_proc.h"
#include "tweaker/settings/options_dialog.h"
#include "tweaker/ui/win32/dialog_host.h"
#include "tweaker/shell/command_schemes.h"
#include "tweaker/shell/win32/scheme_dialogs.h"
#include "tweaker/shell/win32/tray_shell.h"

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

// What a dialog's presenter is given, from the program it works on.
OptionsDialogModel optionsModel(ShellWindow& shell) {
  Program& p = shell.program;
  return {p.services.registry, &p.identity, &p.preferences, &p.currentOptions, &p.defaultOptions, programPath()};
}

OverclockDialogModel overclockModel(ShellWindow& shell) {
  Program& p = shell.program;
  return {p.services, &p.identity, &p.clocks, p.clockRules(), [&shell]() {
            char tip[256] = {0};
            composeTooltip(shell, tip, sizeof tip);
          }};
}

OutputsDialogModel outputsModel(ShellWindow& shell) {
  Program& p = shell.program;
  return {&p.escapes, &p.identity, &p.preferences, p.services.display, p.messageBoxes, nullptr};
}

MiniGLDialogModel miniGLModel(ShellWindow& shell) {
  Program& p = shell.program;
  return {p.services.registry, &p.identity, &p.currentOptions, p.services.profile, p.schemeFilePath};
}

GammaDialogModel gammaModel(ShellWindow& shell) {
  Program& p = shell.program;
  return {p.services, &p.identity, &p.preferences.gammaType, &p.escapes};
}

RefreshRatesModel refreshRatesModel(ShellWindow& shell) {
  Program& p = shell.program;
  return {p.services, p.identity.classKeyPath, p.messageBoxes};
}

AboutDialogModel aboutModel(ShellWindow& shell) {
  Program& p = shell.program;
  return {p.services.system, p.services.registry, p.services.ports, p.services.clock, &p.escapes, &p.identity,
          programPath()};
}

// Opens a presenter dialog modally over the tray window with the model `makeModel` gives.
template <class Args, DLGPROC proc, decltype(Args::model) (*makeModel)(ShellWindow&)>
void openDialog(ShellWindow& shell, const DialogCommand& dialog) {
  Args args;
  args.frame = frameOf(shell.program, dialog);
  args.model = makeModel(shell);
  DialogBoxParamA(shell.instance, MAKEINTRESOURCEA(dialog.resourceId), shell.window, proc,
                  reinterpret_cast<LPARAM>(&args));
}

// What a dialog needs loaded before it opens.
enum class DialogNeeds { Nothing, CommonControls };

struct DialogLauncher {
  DialogKind kind;
  DialogNeeds needs;
  void (*run)(ShellWindow& shell, const DialogCommand& dialog);
};

// The track bars and up-down controls are common controls.
const DialogLauncher kLaunchers[] = {
    {DialogKind::Options, DialogNeeds::Nothing,
     openDialog<DialogArgs<OptionsDialogModel>,
                presenterDialogProc<PresenterDialog<OptionsDialog, DialogArgs<OptionsDialogModel>>>, optionsModel>},
    {DialogKind::ConfigureSchemes, DialogNeeds::Nothing, runConfigureSchemes},
    {DialogKind::Overclock, DialogNeeds::CommonControls,
     openDialog<OverclockDialogArgs, overclockDialogProc, overclockModel>},
    {DialogKind::DisplayOutputs, DialogNeeds::CommonControls,
     openDialog<OutputsDialogArgs, outputsDialogProc, outputsModel>},
    {DialogKind::MiniGLApplications, DialogNeeds::Nothing, openDialog<MiniGLDialogArgs, miniGLDialogProc, miniGLModel>},
    {DialogKind::Gamma, DialogNeeds::CommonControls, openDialog<GammaDialogArgs, gammaDialogProc, gammaModel>},
    {DialogKind::RefreshRates, DialogNeeds::Nothing,
     openDialog<RefreshRatesDialogArgs, refreshRatesDialogProc, refreshRatesModel>},
    {DialogKind::About, DialogNeeds::Nothing, openDialog<AboutDialogArgs, aboutDialogProc, aboutModel>},
};

}  // namespace

bool runCommandDialog(ShellWindow& shell, const DialogCommand& dialog) {
  for (const DialogLauncher& row : kLaunchers) {
    if (row.kind != dialog.kind) continue;
    if (row.needs == DialogNeeds::CommonControls) initCommonControls();
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
  std::string name(static_cast<std::size_t>(len), '\0');
  SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&name[0]));
  name.resize(strlen(name.c_str()));
  if (name.size() > kSchemeNameChars) name.resize(kSchemeNameChars);
  return applySchemeByName(shell.program, &name);
}

}  // namespace vdx
