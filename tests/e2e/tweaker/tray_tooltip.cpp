// The icon's tooltip on screen: hovering the icon shows chip, clocks and the
// options a gamer cares about.
#include "tests/e2e/common/driver.h"
#include "tests/e2e/tweaker/tray_session.h"

E2E_SCENARIO(tray_tooltip_on_hover) {
  tray::Prefs prefs;
  tray::Session s(prefs);
  if (!s.running()) return;
  // The notification area sits at the right end of the taskbar.
  const int x = GetSystemMetrics(SM_CXSCREEN) - 12, y = GetSystemMetrics(SM_CYSCREEN) - 11;
  SetCursorPos(x - 30, y);
  e2e::pause(200);
  SetCursorPos(x, y);
  e2e::pause(1500);
  e2e::screenshot("vidarix-tray-tooltip");
  HWND tip = nullptr;
  for (HWND w = FindWindowA("tooltips_class32", nullptr); w; w = FindWindowExA(nullptr, w, "tooltips_class32", nullptr)) {
    if (IsWindowVisible(w)) tip = w;
  }
  e2e::check(tip != nullptr, "hovering the icon shows its tooltip");
  if (tip) {
    const std::string text = e2e::text(tip);
    e2e::check(text.find("MHz") != std::string::npos, "the tooltip names chip and clocks", text);
    e2e::check(text.find("Vsync") != std::string::npos, "the tooltip tells vsync", text);
    e2e::check(text.size() <= 63, "at most 63 characters", text);
  }
  SetCursorPos(x - 300, y - 300);
}
