#include "tweaker/shell/win32/command_dialog_procs.h"

#include "tweaker/ui/win32/common_libraries.h"

#include <cstring>

#include "tweaker/adapter/win32/overclock_dialog_proc.h"
#include "tweaker/display/win32/about_dialog_proc.h"
#include "tweaker/display/win32/gamma_dialog_proc.h"
#include "tweaker/display/win32/outputs_dialog_proc.h"
#include "tweaker/display/refresh_rates_dialog.h"
#include "tweaker/schemes/scheme_file.h"
#include "tweaker/schemes/win32/scheme_list.h"
#include "tweaker/settings/win32/minigl_dialog_proc.h"
#include "tweaker/settings/options_dialog.h"
#include "tweaker/ui/win32/dialog_host.h"
#include "tweaker/shell/command_schemes.h"
#include "tweaker/shell/dialog_results.h"
#include "tweaker/shell/win32/tray_shell.h"

namespace vdx {

namespace {

std::string programPath() {
  char path[MAX_PATH + 1] = {0};
  const DWORD len = GetModuleFileNameA(nullptr, path, MAX_PATH);
  return std::string(path, len < MAX_PATH ? len : MAX_PATH);
}

template <class Model>
struct Tag {};

// What each dialog's presenter is given: copies of the records it edits,
// and the services it works through.
OptionsDialogModel modelOf(ShellWindow& shell, Tag<OptionsDialogModel>) {
  Program& p = shell.program;
  return {p.services.registry, &p.identity, p.preferences, p.currentOptions, p.defaultOptions, programPath()};
}

OverclockDialogModel modelOf(ShellWindow& shell, Tag<OverclockDialogModel>) {
  Program& p = shell.program;
  return {p.services, &p.identity, p.clocks, p.clockRules(), [&shell](const OverclockResult& changed) {
          applyDialogResult(shell.program, changed);
          char tip[256] = {0};
          composeTooltip(shell, tip, sizeof tip);
        }};
}

OutputsDialogModel modelOf(ShellWindow& shell, Tag<OutputsDialogModel>) {
  Program& p = shell.program;
  return {&p.escapes, &p.identity, &p.preferences, p.services.display, p.messageBoxes, nullptr};
}

MiniGLDialogModel modelOf(ShellWindow& shell, Tag<MiniGLDialogModel>) {
  Program& p = shell.program;
  return {p.services.registry, &p.identity, p.currentOptions.ICDMode, p.services.profile, p.schemeFilePath};
}

GammaDialogModel modelOf(ShellWindow& shell, Tag<GammaDialogModel>) {
  Program& p = shell.program;
  return {p.services, &p.identity, p.preferences.gammaType, &p.escapes,
          [&p](const GammaResult& applied) { applyDialogResult(p, applied); }};
}

RefreshRatesModel modelOf(ShellWindow& shell, Tag<RefreshRatesModel>) {
  Program& p = shell.program;
  return {p.services, p.identity.classKeyPath, p.messageBoxes, nullptr};
}

AboutDialogModel modelOf(ShellWindow& shell, Tag<AboutDialogModel>) {
  Program& p = shell.program;
  return {p.services.system, p.services.registry, p.services.ports, p.services.clock, &p.escapes, &p.identity,
          programPath()};
}

ConfigureSchemesModel modelOf(ShellWindow& shell, Tag<ConfigureSchemesModel>) {
  Program& p = shell.program;
  const std::string folder =
      p.schemeImportFolder.empty() ? p.services.system->systemDirectory() : p.schemeImportFolder;
  return {p.services.profile, p.schemeFilePath, folder, p.messageBoxes, nullptr, &shell.schemes};
}

// What a dialog needs loaded before it opens.
enum class DialogNeeds : uint8_t { Nothing, CommonControls };

struct DialogRow {
  DialogKind kind;
  DialogNeeds needs;
  DialogPlacement placement;
  void (*run)(ShellWindow& shell, const DialogCommand& command, DialogPlacement placement);
};

// Opens the dialog modally over the tray window with its model, then hands
// its result to the program.
template <class Dialog>
void runRow(ShellWindow& shell, const DialogCommand& command, DialogPlacement placement) {
  Program& p = shell.program;
  using Presenter = typename Dialog::Presenter;
  DialogRun<Presenter> run{{{&p.dialogs, command.kind, p.shell.helpFilePath}, placement},
                           modelOf(shell, Tag<typename Presenter::Model>()),
                           {}};
  runPresenterDialog<Dialog>(shell.instance, shell.window, command.resourceId, run);
  applyDialogResult(p, run.result);
}

constexpr DialogNeeds kPlain = DialogNeeds::Nothing;
// The track bars and up-down controls are common controls.
constexpr DialogNeeds kControls = DialogNeeds::CommonControls;
constexpr DialogPlacement kInFront = DialogPlacement::DesktopInFront;

// One row a dialog: what it needs loaded, where it stands, and its presenter
// (or what it does of its own on Win32). The command table gives its template.
const DialogRow kDialogs[] = {
    {DialogKind::Options, kPlain, kInFront, runRow<PresenterDialog<OptionsDialog>>},
    {DialogKind::ConfigureSchemes, kPlain, kInFront, runRow<PresenterDialog<ConfigureSchemesDialog>>},
    {DialogKind::Overclock, kControls, kInFront, runRow<OverclockDialogWin32>},
    {DialogKind::DisplayOutputs, kControls, DialogPlacement::Desktop, runRow<OutputsDialogWin32>},
    {DialogKind::MiniGLApplications, kPlain, kInFront, runRow<MiniGLDialogWin32>},
    {DialogKind::Gamma, kControls, kInFront, runRow<GammaDialogWin32>},
    {DialogKind::RefreshRates, kPlain, kInFront, runRow<PresenterDialog<RefreshRatesDialog>>},
    {DialogKind::About, kPlain, kInFront, runRow<AboutDialogWin32>},
};

}  // namespace

bool runCommandDialog(ShellWindow& shell, const DialogCommand& dialog) {
  for (const DialogRow& row : kDialogs) {
    if (row.kind != dialog.kind) continue;
    if (row.needs == DialogNeeds::CommonControls) initCommonControls();
    row.run(shell, dialog, row.placement);
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
