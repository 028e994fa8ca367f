// The tray menu on the real program: basic and advanced menus on screen, and
// option commands chosen by keys that land in the registry.
#include <string>
#include <vector>

#include "tests/e2e/common/driver.h"
#include "tests/e2e/tweaker/tray_session.h"

namespace {

void down(HWND menu, int n) {
  for (int i = 0; i < n; ++i) e2e::keys(menu, {VK_DOWN});
}

// The menu levels on screen: one popup menu window (#32768) each.
int visibleMenuLevels() {
  int count = 0;
  EnumWindows(
      [](HWND w, LPARAM lp) CALLBACK -> BOOL {
        char cls[16] = {};
        GetClassNameA(w, cls, sizeof cls);
        if (IsWindowVisible(w) && std::string(cls) == "#32768") ++*reinterpret_cast<int*>(lp);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&count));
  return count;
}

// Opens the menu and walks to the Textures submenu, opened.
HWND openTextures(tray::Session& s, const tray::Prefs& prefs) {
  HWND menu = s.openMenu();
  if (!menu) return nullptr;
  down(menu, tray::itemsBeforeTextures(s, prefs) + 1);
  e2e::keys(menu, {VK_RIGHT});
  e2e::pause(200);
  return menu;
}

// Chooses the item `steps` down the Textures submenu and returns the
// question it asks, or null when the menu or the question did not come.
HWND chooseTexturesItem(tray::Session& s, const tray::Prefs& prefs, int steps) {
  HWND menu = openTextures(s, prefs);
  if (!menu) return nullptr;
  down(menu, steps);
  e2e::keys(menu, {VK_RETURN});
  return s.waitBox();
}

}  // namespace

E2E_SCENARIO(tray_basic_menu_and_vsync) {
  tray::Prefs prefs;
  tray::Session s(prefs);
  if (!s.running()) return;
  e2e::check(s.iconPresent(), "the tray icon is in the notification area");
  const std::string before = tray::setting("WV");
  tray::setCurrentSchemeNames("Probe");

  HWND menu = s.openMenu();
  if (!menu) return;
  e2e::screenshot("vidarix-tray-basic");
  tray::mnemonic(menu, 'v');  // "Wait for &vsync (wv)"
  e2e::check(e2e::waitNoPopupMenu(3000), "choosing an item closes the menu");
  e2e::pause(300);
  const std::string after = tray::setting("WV");
  // The driver's default is on: turning it off writes "off", back on deletes it.
  e2e::check(after != before, "vsync changed in the registry", before + " -> " + after);
  for (const std::string& current : tray::currentSchemeNames()) {
    e2e::checkEq("", current, "\"Current\" is emptied by an option change");
  }

  menu = s.openMenu();
  if (!menu) return;
  tray::mnemonic(menu, 'v');
  e2e::waitNoPopupMenu(3000);
  e2e::pause(300);
  e2e::checkEq(before, tray::setting("WV"), "a second choice puts vsync back");
}

E2E_SCENARIO(tray_advanced_menu_with_a_submenu_open) {
  tray::Prefs prefs;
  prefs.advanced = true;
  tray::Session s(prefs);
  if (!s.running()) return;
  HWND menu = openTextures(s, prefs);
  if (!menu) return;
  e2e::checkEq(2, visibleMenuLevels(), "the Textures submenu opens beside the tray menu");
  e2e::screenshot("vidarix-tray-advanced-textures");
  // Into the AGP submenu, the first item of Textures on an AGP card; the
  // basic menu's Textures starts with a plain item, which opens nothing.
  e2e::keys(menu, {VK_RIGHT});
  e2e::pause(300);
  e2e::checkEq(3, visibleMenuLevels(), "the advanced Textures leads with the AGP submenu, which opens too");
  e2e::screenshot("vidarix-tray-advanced-agp");
  // Escape closes the deepest level only.
  e2e::keys(menu, {VK_ESCAPE});
  e2e::pause(300);
  e2e::checkEq(2, visibleMenuLevels(), "Escape closes the AGP submenu and leaves Textures open");
  s.closeMenu();
  e2e::check(e2e::waitNoPopupMenu(3000), "and the menu closes without a choice");
}

E2E_SCENARIO(tray_texture_mode_question_cancel_and_no) {
  tray::Prefs prefs;
  tray::Session s(prefs);
  if (!s.running()) return;
  e2e::regDeleteValue(HKEY_CURRENT_CONFIG, tray::kSettingsKey, "VO");
  tray::setCurrentSchemeNames("Probe");

  // Textures: "Auto mipmap (am)", sep, "AutoAGP (aa)", "VidTex only (vo)", "By App".
  HWND box = chooseTexturesItem(s, prefs, 2);
  e2e::check(box != nullptr, "choosing \"VidTex only (vo)\" asks Yes/No/Cancel");
  if (!box) return;
  e2e::screenshot("vidarix-tray-texture-question");
  e2e::check(e2e::control(box, 6) && e2e::control(box, 7) && e2e::control(box, 2), "Yes, No and Cancel buttons");
  s.press(box, 2);
  e2e::checkEq("(none)", tray::setting("VO"), "Cancel writes nothing");
  for (const std::string& current : tray::currentSchemeNames()) {
    e2e::checkEq("Probe", current, "Cancel keeps \"Current\"");
  }

  box = chooseTexturesItem(s, prefs, 2);
  if (!box) return;
  s.press(box, 7);
  e2e::checkEq("On", tray::setting("VO"), "No changes the setting without a reset");
  for (const std::string& current : tray::currentSchemeNames()) {
    e2e::checkEq("", current, "\"Current\" is emptied");
  }

  // Back to "By App" for the scenarios after this one.
  box = chooseTexturesItem(s, prefs, 3);
  if (box) s.press(box, 7);
  e2e::checkEq("(none)", tray::setting("VO"), "\"By App\" deletes the default value again");
}

E2E_SCENARIO(tray_agp_rate_restart_notice) {
  tray::Prefs prefs;
  prefs.advanced = true;
  tray::Session s(prefs);
  if (!s.running()) return;
  HWND menu = openTextures(s, prefs);
  if (!menu) return;
  e2e::keys(menu, {VK_RIGHT});  // the AGP submenu
  e2e::pause(200);
  tray::mnemonic(menu, '1');  // "Use &1X"
  HWND box = s.waitBox();
  e2e::check(box != nullptr, "an AGP rate change tells to restart Windows");
  if (!box) return;
  e2e::checkEq("Please restart Windows to use the new setting.", e2e::text(e2e::control(box, 2000)),
               "the restart notice");
  e2e::screenshot("vidarix-tray-restart-notice");
  s.press(box, 1);
  e2e::checkEq("1X", tray::setting("AGP"), "AGP rate written as \"1X\"");

  menu = openTextures(s, prefs);
  if (!menu) return;
  e2e::keys(menu, {VK_RIGHT});
  e2e::pause(200);
  tray::mnemonic(menu, '2');
  box = s.waitBox();
  if (box) s.press(box, 1);
  e2e::checkEq("(none)", tray::setting("AGP"), "the default rate 2X deletes the value");
}

E2E_SCENARIO(tray_default_scheme_restores_the_defaults) {
  tray::Prefs prefs;
  tray::Session s(prefs);
  if (!s.running()) return;
  if (!e2e::check(FindWindowExA(s.window(), nullptr, "listbox", "VDXList") != nullptr, "the scheme list exists")) {
    return;
  }
  e2e::regWriteString(HKEY_CURRENT_CONFIG, tray::kSettingsKey, "ATB", "On");
  e2e::regWriteString(HKEY_CURRENT_CONFIG, tray::kSettingsKey, "AC", "On");
  HWND menu = s.openMenu();
  if (!menu) return;
  // "Schemes" first; in it "Configure...", "Refresh list", "(Default)".
  e2e::keys(menu, {VK_DOWN, VK_RIGHT});
  e2e::pause(200);
  e2e::screenshot("vidarix-tray-schemes");
  e2e::keys(menu, {VK_DOWN, VK_DOWN, VK_RETURN});
  e2e::waitNoPopupMenu(3000);
  e2e::pause(500);
  e2e::checkEq("(none)", tray::setting("ATB"), "triple buffering back at its default");
  e2e::checkEq("(none)", tray::setting("AC"), "S3TC back at its default");
  for (const std::string& current : tray::currentSchemeNames()) {
    e2e::checkEq("(Default)", current, "\"Current\" names the defaults");
  }
}

namespace {

// Depths announced by WM_DISPLAYCHANGE to a window of the driver.
std::vector<int> g_depthsSeen;

LRESULT CALLBACK watchProc(HWND w, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_DISPLAYCHANGE) g_depthsSeen.push_back(static_cast<int>(wParam));
  return DefWindowProcA(w, msg, wParam, lParam);
}

HWND displayWatcher() {
  WNDCLASSA wc = {};
  wc.lpfnWndProc = watchProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "TrayDisplayWatch";
  RegisterClassA(&wc);
  return CreateWindowExA(0, "TrayDisplayWatch", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, wc.hInstance, nullptr);
}

void pump(int ms) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
  MSG m;
  while (static_cast<LONG>(end - GetTickCount()) > 0) {
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
    Sleep(10);
  }
}

}  // namespace

E2E_SCENARIO(tray_texture_mode_yes_resets_the_display) {
  tray::Prefs prefs;
  tray::Session s(prefs);
  if (!s.running()) return;
  HWND watcher = displayWatcher();
  g_depthsSeen.clear();
  HWND box = chooseTexturesItem(s, prefs, 1);  // "AutoAGP (aa)"
  if (!e2e::check(box != nullptr, "the question comes")) return;
  // Pressed by message, so this thread can keep answering the broadcasts.
  PostMessageA(box, WM_COMMAND, 6, 0);
  pump(3000);
  e2e::checkEq("On", tray::setting("AA"), "AutoAGP written");
  e2e::checkEq(2, static_cast<long long>(g_depthsSeen.size()), "the display switched away and back");
  if (g_depthsSeen.size() == 2) {
    e2e::check(g_depthsSeen[0] != g_depthsSeen[1], "first to another depth, then back",
               std::to_string(g_depthsSeen[0]) + " then " + std::to_string(g_depthsSeen[1]));
  }

  // Back to "By App", without a reset.
  box = chooseTexturesItem(s, prefs, 3);
  if (box) s.press(box, 7);
  DestroyWindow(watcher);
}
