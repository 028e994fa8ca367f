#include "tests/e2e/tweaker/tray_session.h"

#include <shellapi.h>

#include <cstring>

#include "tweaker/resources/command_ids.h"

namespace tray {

namespace {

const char* onOff(bool on) { return on ? "On" : "off"; }

std::string exePath() { return e2e::option("exe", "Vidarix-sim.exe"); }

}  // namespace

// Card keys are the subkeys of the program key.
std::vector<std::string> cardKeys() {
  std::vector<std::string> out;
  HKEY k = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kProgramKey, 0, KEY_READ, &k) != ERROR_SUCCESS) return out;
  char name[260];
  for (DWORD i = 0;; ++i) {
    DWORD len = sizeof name;
    if (RegEnumKeyExA(k, i, name, &len, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    out.push_back(std::string(kProgramKey) + "\\" + name);
  }
  RegCloseKey(k);
  return out;
}

Session::Session(const Prefs& prefs) {
  // Only the running card's key may exist, so "Current" is read from it.
  for (const std::string& key : cardKeys()) e2e::regDeleteTree(HKEY_LOCAL_MACHINE, key.c_str());
  e2e::regWriteString(HKEY_LOCAL_MACHINE, kProgramKey, "FirstRun", "off");
  e2e::regWriteString(HKEY_LOCAL_MACHINE, kProgramKey, "ShowAdvanced", onOff(prefs.advanced));
  e2e::regWriteString(HKEY_LOCAL_MACHINE, kProgramKey, "TweakRes", onOff(prefs.tweakRes));
  e2e::regWriteString(HKEY_LOCAL_MACHINE, kProgramKey, "ConfirmAGPChanges", onOff(prefs.confirmAgp));
  e2e::regWriteString(HKEY_LOCAL_MACHINE, kProgramKey, "AskChangeDisplay", onOff(prefs.askChangeDisplay));
  e2e::regWriteString(HKEY_LOCAL_MACHINE, kProgramKey, "AutoResetDisplay", onOff(prefs.autoResetDisplay));
  process_ = e2e::launch(exePath(), e2e::option("args"));
  window_ = e2e::waitWindow("VidarixCls", nullptr, 10000);
  e2e::check(window_ != nullptr, "the main window \"VidarixCls\" exists");
  // The icon is added once the message loop runs.
  for (int i = 0; i < 40 && window_ && !iconPresent(); ++i) e2e::pause(50);
}

Session::~Session() {
  if (window_ && IsWindow(window_)) PostMessageA(window_, WM_COMMAND, IDM_EXIT, 0);
  if (!e2e::waitExit(process_, 5000)) e2e::kill(process_);
  e2e::waitNoPopupMenu(2000);
}

HWND Session::openMenu() {
  if (!window_) return nullptr;
  e2e::waitNoPopupMenu(2000);
  // Near the notification area, where a real click would be.
  SetCursorPos(1000, 740);
  PostMessageA(window_, RegisterWindowMessageA("VDXRM_MSG"), 101, WM_RBUTTONUP);
  HWND menu = e2e::waitPopupMenu(3000);
  if (!menu) e2e::screenshot("vidarix-tray-no-menu");
  e2e::check(menu != nullptr, "a right click on the icon opens the tray menu");
  e2e::pause(200);
  return menu;
}

void Session::closeMenu() {
  for (int i = 0; i < 4; ++i) {
    HWND menu = FindWindowA("#32768", nullptr);
    if (!menu || !IsWindowVisible(menu)) break;
    e2e::keys(menu, {VK_ESCAPE});
  }
  e2e::waitNoPopupMenu(2000);
}

HWND Session::waitBox(int timeoutMs) { return e2e::waitDialog(process_.id, "Vidarix", timeoutMs); }

void Session::press(HWND box, int id) {
  if (!box) return;
  e2e::click(e2e::control(box, id));
  e2e::waitGone(box, 3000);
  e2e::pause(200);
}

bool Session::iconPresent() { return e2e::trayIconPresent(window_, 101); }

int itemsBeforeTextures(const Session& s, const Prefs& prefs) {
  const bool schemes = FindWindowExA(s.window(), nullptr, "listbox", "VDXList") != nullptr;
  return (prefs.tweakRes ? 1 : 0) + (schemes ? 1 : 0);
}

void mnemonic(HWND menu, char c) {
  PostMessageA(menu, WM_CHAR, static_cast<WPARAM>(c), 1);
  e2e::pause(150);
}

// A loop over no card keys would check nothing: the running card has one.
static std::vector<std::string> runningCardKeys() {
  const std::vector<std::string> keys = cardKeys();
  e2e::check(!keys.empty(), "the running card has its key under the program key");
  return keys;
}

std::vector<std::string> currentSchemeNames() {
  std::vector<std::string> out;
  for (const std::string& key : runningCardKeys()) {
    std::string v = "(none)";
    e2e::regReadString(HKEY_LOCAL_MACHINE, key.c_str(), "Current", &v);
    out.push_back(v);
  }
  return out;
}

void setCurrentSchemeNames(const std::string& name) {
  for (const std::string& key : runningCardKeys())
    e2e::regWriteString(HKEY_LOCAL_MACHINE, key.c_str(), "Current", name);
}

std::string setting(const char* name) {
  std::string v = "(none)";
  e2e::regReadString(HKEY_CURRENT_CONFIG, kSettingsKey, name, &v);
  return v;
}

}  // namespace tray
