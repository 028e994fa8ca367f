// The harness itself: a Wine desktop exists and a screenshot can be taken.
#include "tests/e2e/common/driver.h"

E2E_SCENARIO(desktop_is_up) {
  e2e::check(GetSystemMetrics(SM_CXSCREEN) >= 640, "the virtual screen is at least 640 pixels wide");
  e2e::check(e2e::screenshot("harness-desktop"), "a screenshot of the desktop is written");
}
