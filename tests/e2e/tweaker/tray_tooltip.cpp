// The icon's tooltip on screen: hovering the icon shows chip, clocks and the
// options a gamer cares about, and a menu change shows there at once.
#include <string>

#include "tests/e2e/common/driver.h"
#include "tests/e2e/tweaker/tray_session.h"

namespace {

// Hovers the icon at the right end of the taskbar; the visible tooltip text.
std::string hoverTip(const char* shot) {
  const int x = GetSystemMetrics(SM_CXSCREEN) - 12, y = GetSystemMetrics(SM_CYSCREEN) - 11;
  SetCursorPos(x - 300, y - 300);
  e2e::pause(300);
  SetCursorPos(x - 30, y);
  e2e::pause(200);
  SetCursorPos(x, y);
  e2e::pause(1500);
  if (shot) e2e::screenshot(shot);
  std::string text;
  for (HWND w = FindWindowA("tooltips_class32", nullptr); w;
       w = FindWindowExA(nullptr, w, "tooltips_class32", nullptr)) {
    if (IsWindowVisible(w)) text = e2e::text(w);
  }
  SetCursorPos(x - 300, y - 300);
  return text;
}

}  // namespace

E2E_SCENARIO(tray_tooltip_on_hover_follows_vsync) {
  tray::Prefs prefs;
  tray::Session s(prefs);
  if (!s.running()) return;
  const std::string before = hoverTip("vidarix-tray-tooltip");
  e2e::check(!before.empty(), "hovering the icon shows its tooltip");
  e2e::check(before.find("MHz") != std::string::npos, "the tooltip names chip and clocks", before);
  e2e::check(before.size() <= 63, "at most 63 characters", before);
  const bool vsync = before.find("-Vsync") != std::string::npos;
  e2e::check(vsync || before.find("-NoVsync") != std::string::npos, "the tooltip tells vsync", before);

  HWND menu = s.openMenu();
  if (!menu) return;
  tray::mnemonic(menu, 'v');  // "Wait for &vsync (wv)"
  e2e::waitNoPopupMenu(3000);
  e2e::pause(300);
  const std::string after = hoverTip(nullptr);
  e2e::check(after.find(vsync ? "-NoVsync" : "-Vsync") != std::string::npos, "the tooltip follows the change",
             after);

  menu = s.openMenu();
  if (!menu) return;
  tray::mnemonic(menu, 'v');  // back as it was
  e2e::waitNoPopupMenu(3000);
}
