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
#include "tweaker/settings/win32/options_dialog_proc.h"
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

void runOptions(ShellWindow& shell, const DialogCommand& dialog) {
  Program& p = shell.program;
  OptionsDialogArgs args;
  args.frame = frameOf(p, dialog);
  args.model = OptionsDialogModel{p.services.registry, &p.identity, &p.preferences,
                                  &p.currentOptions,   &p.defaultOptions, programPath()};
  DialogBoxParamA(shell.instance, MAKEINTRESOURCEA(dialog.resourceId), shell.window, optionsDialogProc,
                  reinterpret_cast<LPARAM>(&args));
}

void runOverclock(ShellWindow& shell, const DialogCommand& dialog) {
  Program& p = shell.program;
  initCommonControls();  // the sliders are track bars
  OverclockDialogArgs args;
  args.frame = frameOf(p, dialog);
  args.model = OverclockDialogModel{p.services, &p.identity, &p.clocks, p.clockRules(), [&shell]() {
                                      char tip[256] = {0};
                                      composeTooltip(shell, tip, sizeof tip);
                                    }};
  DialogBoxParamA(shell.instance, MAKEINTRESOURCEA(dialog.resourceId), shell.window, overclockDialogProc,
                  reinterpret_cast<LPARAM>(&args));
}

void runOutputs(ShellWindow& shell, const DialogCommand& dialog) {
  Program& p = shell.program;
  // The track bars and up-down controls are common controls.
  initCommonControls();
  OutputsDialogArgs args;
  args.frame = frameOf(p, dialog);
  args.model = OutputsDialogModel{&p.escapes, &p.identity, &p.preferences, p.services.display, p.messageBoxes, nullptr};
  DialogBoxParamA(shell.instance, MAKEINTRESOURCEA(dialog.resourceId), shell.window, outputsDialogProc,
                  reinterpret_cast<LPARAM>(&args));
}

void runMiniGL(ShellWindow& shell, const DialogCommand& dialog) {
  Program& p = shell.program;
  MiniGLDialogArgs args;
  args.frame = frameOf(p, dialog);
  args.model = MiniGLDialogModel{p.services.registry, &p.identity, &p.currentOptions, p.services.profile,
                                 p.schemeFilePath};
  DialogBoxParamA(shell.instance, MAKEINTRESOURCEA(dialog.resourceId), shell.window, miniGLDialogProc,
                  reinterpret_cast<LPARAM>(&args));
}

void runGamma(ShellWindow& shell, const DialogCommand& dialog) {
  Program& p = shell.program;
  initCommonControls();  // the track bars
  GammaDialogArgs args;
  args.frame = frameOf(p, dialog);
  args.model = GammaDialogModel{p.services, &p.identity, &p.preferences.gammaType, &p.escapes};
  DialogBoxParamA(shell.instance, MAKEINTRESOURCEA(dialog.resourceId), shell.window, gammaDialogProc,
                  reinterpret_cast<LPARAM>(&args));
}

void runRefreshRates(ShellWindow& shell, const DialogCommand& dialog) {
  Program& p = shell.program;
  RefreshRatesDialogArgs args;
  args.frame = frameOf(p, dialog);
  args.model = RefreshRatesModel{p.services, p.identity.classKeyPath, p.messageBoxes};
  DialogBoxParamA(shell.instance, MAKEINTRESOURCEA(dialog.resourceId), shell.window, refreshRatesDialogProc,
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
    {DialogKind::ConfigureSchemes, runConfigureSchemes},
    {DialogKind::Overclock, runOverclock},
    {DialogKind::DisplayOutputs, runOutputs},
    {DialogKind::MiniGLApplications, runMiniGL},
    {DialogKind::Gamma, runGamma},
    {DialogKind::RefreshRates, runRefreshRates},
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
  std::string name(static_cast<std::size_t>(len), '\0');
  SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&name[0]));
  name.resize(strlen(name.c_str()));
  if (name.size() > kSchemeNameChars) name.resize(kSchemeNameChars);
  return applySchemeByName(shell.program, &name);
}

}  // namespace vdx
