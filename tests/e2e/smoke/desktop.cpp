// The harness itself: a Wine desktop exists and a screenshot can be taken.
#include <vector>

#include "tests/e2e/common/driver.h"
#include "tests/e2e/common/handle_counts.h"

E2E_SCENARIO(desktop_is_up) {
  e2e::check(GetSystemMetrics(SM_CXSCREEN) >= 640, "the virtual screen is at least 640 pixels wide");
  e2e::check(e2e::screenshot("harness-desktop"), "a screenshot of the desktop is written");
}

// The handle counts the leak scenarios rely on can fail: a deliberate leak
// of brushes, a bitmap inside an icon and registry keys shows in them, and
// freeing it brings them back.
E2E_SCENARIO(handle_counts_catch_a_deliberate_leak) {
  const DWORD self = GetCurrentProcessId();
  const e2e::HandleCounts before = e2e::countHandles(self);
  e2e::check(before.kernel > 0 && before.gdi > 0, "the counts can be read", before.text());
  std::vector<HBRUSH> brushes;
  for (int i = 0; i < 50; ++i) brushes.push_back(CreateSolidBrush(RGB(i, 0, 0)));
  std::vector<HKEY> keys(5);
  for (HKEY& k : keys) RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software", 0, KEY_READ, &k);
  const e2e::HandleCounts leaked = e2e::countHandles(self);
  e2e::checkEq(before.gdi + 50, leaked.gdi, "50 leaked brushes are counted");
  e2e::checkEq(before.kernel + 5, leaked.kernel, "5 leaked registry keys are counted");
  for (HBRUSH b : brushes) DeleteObject(b);
  for (HKEY k : keys) RegCloseKey(k);
  const e2e::HandleCounts after = e2e::countHandles(self);
  e2e::checkEq(before.gdi, after.gdi, "freed, the GDI count is back");
  e2e::checkEq(before.kernel, after.kernel, "closed, the kernel count is back");
}
