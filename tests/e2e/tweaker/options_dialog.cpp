// The Options dialog in the running program: opened from the main window
// with its command, it shows the stored preferences, OK stores the edits
// (sizes clamped to 64..2048), Cancel stores nothing. Photographed.
#include <string>

#include "tests/e2e/common/driver.h"
#include "tests/e2e/tweaker/running_vidarix.h"
#include "tweaker/resources/command_ids.h"

namespace {

const char kProgramKey[] = "Software\\Tessaly\\Vidarix";
const char kDriverKey[] = "Display\\Settings";
const char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const int kOptionsCommand = IDM_OPTIONS;


std::string programValue(const char* name) {
  std::string v;
  e2e::regReadString(HKEY_LOCAL_MACHINE, kProgramKey, name, &v);
  return v;
}

std::string driverValue(const char* name) {
  std::string v = "<absent>";
  e2e::regReadString(HKEY_CURRENT_CONFIG, kDriverKey, name, &v);
  return v;
}

using vdxrun::Running;
using vdxrun::stop;
Running start() { return vdxrun::startAndWait(); }

HWND openOptions(Running& r) {
  if (!r.main) return nullptr;
  PostMessageA(r.main, WM_COMMAND, kOptionsCommand, 0);
  HWND dialog = e2e::waitDialog(r.process.id, "Vidarix Options", 5000);
  e2e::check(dialog != nullptr, "the Options command opens \"Vidarix Options\"");
  return dialog;
}

// Leaves the registry as a fresh start expects it, for the scenarios that follow.
void forgetEdits() {
  for (const char* name : {"ShowAdvanced", "WriteRegDefaults", "SortSchemeMenu"})
    e2e::regDeleteValue(HKEY_LOCAL_MACHINE, kProgramKey, name);
  for (const char* name : {"TC", "TM", "ICT"}) e2e::regDeleteValue(HKEY_CURRENT_CONFIG, kDriverKey, name);
  e2e::regDeleteValue(HKEY_LOCAL_MACHINE, kRunKey, "Vidarix");
}

void setChecked(HWND dialog, int id, bool on) {
  HWND box = e2e::control(dialog, id);
  if (box && e2e::checked(box) != on) e2e::click(box);
}

}  // namespace

E2E_SCENARIO(options_dialog_ok_saves_and_clamps_sizes) {
  forgetEdits();
  Running r = start();
  HWND dialog = openOptions(r);
  if (!dialog) return stop(r);
  e2e::pause(300);
  e2e::screenshot("vidarix-options-dialog");

  e2e::check((GetWindowLongA(dialog, GWL_EXSTYLE) & WS_EX_CONTEXTHELP) != 0, "the dialog offers context help");
  e2e::checkEq("64", e2e::text(e2e::control(dialog, 1068)), "AutoS3TC size shows the default");
  e2e::check(!e2e::checked(e2e::control(dialog, 1051)), "basic menus by default");
  e2e::check(e2e::checked(e2e::control(dialog, 1070)), "confirm AGP changes by default");
  e2e::check(!e2e::checked(e2e::control(dialog, 1296)), "InControl Tools enabled by default");
  e2e::check(!e2e::checked(e2e::control(dialog, 1050)), "not started with Windows yet");
  e2e::checkEq("Adva&nced menus", e2e::text(e2e::control(dialog, 1051)), "check box 1051 text");
  e2e::checkEq("Always write registry &values", e2e::text(e2e::control(dialog, 1281)), "check box 1281 text");

  setChecked(dialog, 1051, true);
  setChecked(dialog, 1281, true);  // so the clamped 64 is stored, not deleted as the default
  setChecked(dialog, 1296, true);
  setChecked(dialog, 1050, true);
  e2e::setText(e2e::control(dialog, 1068), "10");
  e2e::setText(e2e::control(dialog, 1069), "5000");
  e2e::pause(200);
  e2e::screenshot("vidarix-options-dialog-edited");
  e2e::click(e2e::control(dialog, 1));
  e2e::check(e2e::waitGone(dialog, 5000), "OK closes the dialog");

  e2e::checkEq("On", programValue("ShowAdvanced"), "\"ShowAdvanced\" stored");
  e2e::checkEq("On", programValue("WriteRegDefaults"), "\"WriteRegDefaults\" stored");
  e2e::checkEq("64", driverValue("TC"), "AutoS3TC size 10 is stored as 64");
  e2e::checkEq("2048", driverValue("TM"), "AutoMipmap size 5000 is stored as 2048");
  e2e::checkEq("off", driverValue("ICT"), "\"Disable InControl Tools\" writes ICT off");
  std::string run;
  e2e::check(e2e::regReadString(HKEY_LOCAL_MACHINE, kRunKey, "Vidarix", &run) &&
                 run.find("Vidarix") != std::string::npos,
             "the Run entry names the program", run);

  dialog = openOptions(r);
  if (dialog) {
    e2e::checkEq("64", e2e::text(e2e::control(dialog, 1068)), "reopened: AutoS3TC size 64");
    e2e::checkEq("2048", e2e::text(e2e::control(dialog, 1069)), "reopened: AutoMipmap size 2048");
    e2e::check(e2e::checked(e2e::control(dialog, 1051)), "reopened: advanced menus kept");
    e2e::check(e2e::checked(e2e::control(dialog, 1050)), "reopened: start with Windows shown");
    e2e::click(e2e::control(dialog, 2));
    e2e::check(e2e::waitGone(dialog, 5000), "Cancel closes the dialog");
  }
  stop(r);
  forgetEdits();
}

E2E_SCENARIO(options_dialog_cancel_stores_nothing) {
  e2e::regWriteString(HKEY_LOCAL_MACHINE, kProgramKey, "SortSchemeMenu", "On");
  e2e::regWriteString(HKEY_CURRENT_CONFIG, kDriverKey, "TC", "256");
  Running r = start();
  HWND dialog = openOptions(r);
  if (!dialog) return stop(r);
  e2e::checkEq("256", e2e::text(e2e::control(dialog, 1068)), "the stored size is shown");
  setChecked(dialog, 1076, false);
  e2e::setText(e2e::control(dialog, 1068), "1024");
  e2e::click(e2e::control(dialog, 2));
  e2e::check(e2e::waitGone(dialog, 5000), "Cancel closes the dialog");
  e2e::checkEq("On", programValue("SortSchemeMenu"), "Cancel leaves \"SortSchemeMenu\"");
  e2e::checkEq("256", driverValue("TC"), "Cancel leaves TC");
  stop(r);
  forgetEdits();
}
