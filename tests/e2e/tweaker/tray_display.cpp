// The TweakRes submenu: a depth change asks, switches, and goes back when the
// keep question is left unanswered.
#include <string>

#include "tests/e2e/common/driver.h"
#include "tests/e2e/tweaker/tray_session.h"

namespace {

struct Mode {
  DWORD width, height, depth;
};

// The mode as stored: what a change with CDS_UPDATEREGISTRY records. (Under
// Wine another process keeps seeing its own current mode.)
Mode currentMode() {
  DEVMODEA dm;
  ZeroMemory(&dm, sizeof dm);
  dm.dmSize = sizeof dm;
  EnumDisplaySettingsA(nullptr, ENUM_REGISTRY_SETTINGS, &dm);
  return Mode{dm.dmPelsWidth, dm.dmPelsHeight, dm.dmBitsPerPel};
}

std::string text(const Mode& m) {
  return std::to_string(m.width) + "x" + std::to_string(m.height) + " (" + std::to_string(m.depth) + " bpp)";
}

// The item position (separators not counted) of the first listed mode of the
// present size at another depth, or -1.
int otherDepthItem(const Mode& now, Mode* target) {
  DEVMODEA dm;
  int item = 0;
  for (DWORD i = 0;; ++i) {
    ZeroMemory(&dm, sizeof dm);
    dm.dmSize = sizeof dm;
    if (!EnumDisplaySettingsA(nullptr, i, &dm)) break;
    if (dm.dmBitsPerPel <= 4) continue;
    if (dm.dmPelsWidth == now.width && dm.dmPelsHeight == now.height && dm.dmBitsPerPel != now.depth &&
        dm.dmBitsPerPel >= 8) {
      *target = Mode{dm.dmPelsWidth, dm.dmPelsHeight, dm.dmBitsPerPel};
      return item;
    }
    ++item;
  }
  return -1;
}

}  // namespace

E2E_SCENARIO(tray_tweakres_unanswered_returns_to_the_old_depth) {
  tray::Prefs prefs;
  prefs.tweakRes = true;
  tray::Session s(prefs);
  if (!s.running()) return;
  const Mode before = currentMode();
  Mode target{};
  const int item = otherDepthItem(before, &target);
  if (!e2e::check(item >= 0, "another depth exists at " + text(before))) return;

  HWND menu = s.openMenu();
  if (!menu) return;
  e2e::keys(menu, {VK_DOWN, VK_RIGHT});  // "TweakRes", opened on its first mode
  e2e::pause(300);
  e2e::screenshot("vidarix-tray-tweakres");
  for (int i = 0; i < item; ++i) e2e::keys(menu, {VK_DOWN}, 30);
  e2e::keys(menu, {VK_RETURN});

  HWND ask = s.waitBox();
  e2e::check(ask != nullptr, "the change asks first");
  if (!ask) return;
  e2e::checkEq("The new settings may not work correctly.  Change anyway?", e2e::text(e2e::control(ask, 2000)),
               "the question");
  s.press(ask, 6);

  HWND keep = s.waitBox(8000);
  e2e::check(keep != nullptr, "the keep question follows the switch");
  if (!keep) return;
  const Mode during = currentMode();
  e2e::checkEq(text(target), text(during), "the chosen mode is in force");
  e2e::screenshot("vidarix-tray-keep-question");
  // Left alone, the box answers No after 15 seconds.
  e2e::check(e2e::waitGone(keep, 20000), "the keep question times out");
  HWND restored = s.waitBox(5000);
  e2e::check(restored != nullptr, "a notice follows the time-out");
  if (restored) {
    e2e::checkEq("Your previous settings have been restored.", e2e::text(e2e::control(restored, 2000)),
                 "the restore notice");
    s.press(restored, 1);
  }
  e2e::checkEq(text(before), text(currentMode()), "the old mode is back");
}
