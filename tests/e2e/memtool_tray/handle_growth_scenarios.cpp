// Memtidy keeps no handle it is done with: 20,000 ticks and more with the
// free-memory picture in the tray and the window showing its figures, the
// figure changing once a second, leave it holding what it held before.
#include <string>

#include "tests/e2e/common/handle_counts.h"
#include "tests/e2e/memtool_tray/tray_fixture.h"

using mt::Ctl;
using namespace traye2e;

namespace {

// The driver's /proc/meminfo (see the suite): free memory for the next tick.
bool reportFreeKB(const std::string& file, long kb) {
  const std::string k = std::to_string(kb);
  return e2e::writeFile(file, "MemTotal:          65536 kB\nMemFree:           " + k +
                                  " kB\nMemAvailable:      " + k +
                                  " kB\nBuffers:               0 kB\nCached:                0 kB\n"
                                  "SwapCached:            0 kB\nSwapTotal:        131072 kB\n"
                                  "SwapFree:         100000 kB\n");
}

}  // namespace

E2E_SCENARIO(handle_growth_icon_ticks) {
  const std::string meminfo = e2e::option("meminfo");
  if (!e2e::check(!meminfo.empty(), "the suite names the driver's memory report")) return;
  const int ticks = std::stoi(e2e::option("ticks", "20000"));
  quietSettings();
  e2e::regWriteDword(HKEY_CURRENT_USER, mte2e::kSettingsKey, "RAMIcon", 1);
  mte2e::Session s;
  if (!e2e::check(s.start(), "Memtidy starts with its picture in the tray")) return;
  e2e::check(s.showByTrayDoubleClick(), "the window shows its figures");
  // A tick as the timer makes it; sent, so it is done when the call returns.
  // Wine answers the memory status from a copy for a second, so the figure
  // flips once a second and the ticks in between find the same picture.
  long freeKB = 20 * 1024;
  DWORD flipped = GetTickCount();
  int pictures = 0;
  std::string shown = e2e::text(s.control(Ctl::Label25));
  auto tick = [&] {
    if (GetTickCount() - flipped > 1100) {
      freeKB = freeKB == 20 * 1024 ? 19 * 1024 : 20 * 1024;
      reportFreeKB(meminfo, freeKB);
      flipped = GetTickCount();
    }
    SendMessageA(s.form, WM_TIMER, 1, 0);
    const std::string now = e2e::text(s.control(Ctl::Label25));
    if (now != shown) ++pictures;
    shown = now;
  };
  const DWORD warmStart = GetTickCount();
  for (int i = 0; (i < 100 || pictures < 2) && GetTickCount() - warmStart < 10000; ++i) tick();
  e2e::check(pictures >= 2, "a changed figure reaches the window and the icon", std::to_string(pictures));
  e2e::pause(300);
  const e2e::HandleCounts before = e2e::countHandles(s.process.id);
  const DWORD start = GetTickCount();
  pictures = 0;
  for (int i = 0; i < ticks || GetTickCount() - start < 30000; ++i) tick();
  e2e::pause(300);
  const e2e::HandleCounts after = e2e::countHandles(s.process.id);
  e2e::section(std::to_string(ticks) + "+ ticks in " + std::to_string((GetTickCount() - start) / 1000) + " s, " +
               std::to_string(pictures) + " new pictures: before " + before.text() + "; after " + after.text());
  e2e::check(before.kernel > 0 && before.gdi > 0, "the counts were read", before.text());
  e2e::checkEq(before.kernel, after.kernel, "kernel handles after as before");
  e2e::checkEq(before.gdi, after.gdi, "GDI objects (the icon's bitmaps among them) after as before");
  e2e::checkEq(before.windows, after.windows, "windows after as before");
  reportFreeKB(meminfo, 20 * 1024);
  e2e::check(s.stop(), "Memtidy ends");
}
