// The Cache tab against a real SYSTEM.INI: load, "Automatic", "Default",
// Apply, an unwritable file, and the NT family leaving the file alone.
#include <string>

#include "tests/e2e/memtool_tray/tray_fixture.h"

using mt::Ctl;
using namespace traye2e;

namespace {

std::string kb(long long v) { return std::to_string(v) + " kB"; }

bool startShownOnCacheTab(mte2e::Session& s) {
  if (!e2e::check(s.start(), "Memtidy starts")) return false;
  if (!e2e::check(s.showByTrayDoubleClick(), "a tray double click shows the window")) return false;
  s.selectTab(mt::kTabCache);
  return true;
}

}  // namespace

E2E_SCENARIO(cache_a_automatic_default_apply_keep_the_rest_of_system_ini) {
  if (mte2e::ntMode()) return;
  const std::string ini = systemIniPath();
  e2e::check(e2e::writeFile(ini, kTestSystemIni), "SYSTEM.INI written");
  quietSettings();
  mte2e::Session s;
  if (!startShownOnCacheTab(s)) return;

  // 3000 moves the slider to 2 and becomes 2048; 1000 leaves it at 0.
  e2e::checkEq("2048 kB", e2e::text(s.control(Ctl::Label16)), "minimum label after loading 3000");
  e2e::checkEq(2, sliderPos(s, Ctl::RxSlider3), "minimum slider");
  e2e::checkEq("1000 kB", e2e::text(s.control(Ctl::Label17)), "maximum label keeps 1000");
  e2e::checkEq(0, sliderPos(s, Ctl::RxSlider4), "maximum slider");
  e2e::checkEq("512 kB", e2e::text(s.control(Ctl::Label30)), "chunk label");
  e2e::checkEq(16, sliderPos(s, Ctl::RxSlider5), "chunk slider");
  e2e::check(!isEnabled(s, Ctl::Button2), "Apply starts disabled");
  e2e::checkEq(kTestSystemIni, e2e::readFile(ini), "loading leaves SYSTEM.INI as it was");
  e2e::screenshot(mte2e::shotName("cache-loaded"));

  const long long totalRAM = atoll(e2e::text(s.control(Ctl::Label24)).c_str());
  e2e::check(totalRAM > 0, "the About tab shows the installed memory");
  e2e::click(s.control(Ctl::Button1));  // "Automatic"
  e2e::checkEq(kb(totalRAM / 8 * 1024), e2e::text(s.control(Ctl::Label16)), "Automatic minimum");
  e2e::checkEq(kb(totalRAM / 4 * 1024), e2e::text(s.control(Ctl::Label17)), "Automatic maximum");
  e2e::checkEq("512 kB", e2e::text(s.control(Ctl::Label30)), "Automatic chunk");
  e2e::check(isEnabled(s, Ctl::Button2), "the moved sliders enabled Apply");
  e2e::screenshot(mte2e::shotName("cache-automatic"));
  e2e::click(s.control(Ctl::Button2));
  e2e::pause(300);
  std::string after = e2e::readFile(ini);
  e2e::checkEq(std::to_string(totalRAM / 8 * 1024), cacheEntry(after, "MinFileCache"), "MinFileCache written");
  e2e::checkEq(std::to_string(totalRAM / 4 * 1024), cacheEntry(after, "MaxFileCache"), "MaxFileCache written");
  e2e::checkEq("512", cacheEntry(after, "CHUNKSIZE"), "CHUNKSIZE written");
  e2e::check(withoutCacheEntries(lines(after)) == withoutCacheEntries(lines(kTestSystemIni)),
             "every other line of SYSTEM.INI is unchanged and in order", after);
  e2e::check(!isEnabled(s, Ctl::Button2), "Apply is disabled again");

  e2e::click(s.control(Ctl::Button4));  // "Default"
  e2e::checkEq("0 kB", e2e::text(s.control(Ctl::Label16)), "Default minimum label");
  e2e::checkEq(0, sliderPos(s, Ctl::RxSlider4), "Default maximum slider");
  e2e::check(isEnabled(s, Ctl::Button2), "Default enabled Apply through the sliders");
  e2e::click(s.control(Ctl::Button2));
  e2e::pause(300);
  after = e2e::readFile(ini);
  for (const char* key : {"MinFileCache", "MaxFileCache", "CHUNKSIZE"})
    e2e::checkEq("<absent>", cacheEntry(after, key), std::string(key) + " removed by Default and Apply");
  e2e::check(withoutCacheEntries(lines(after)) == withoutCacheEntries(lines(kTestSystemIni)),
             "after Default every other line is still there", after);
  e2e::check(s.stop(), "Memtidy ends");
}

E2E_SCENARIO(cache_b_unwritable_system_ini_shows_the_error_and_loses_nothing) {
  if (mte2e::ntMode()) return;
  const std::string ini = systemIniPath();
  e2e::writeFile(ini, kTestSystemIni);
  quietSettings();
  mte2e::Session s;
  if (!startShownOnCacheTab(s)) return;
  e2e::click(s.control(Ctl::CheckBox1));  // an edit of the registry side too
  e2e::click(s.control(Ctl::Button1));

  // Another program holds the file open without sharing: writes fail.
  HANDLE lock = CreateFileA(ini.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  e2e::check(lock != INVALID_HANDLE_VALUE, "SYSTEM.INI locked");
  PostMessageA(s.control(Ctl::Button2), BM_CLICK, 0, 0);
  HWND box = e2e::waitDialog(s.process.id, nullptr, 5000);
  e2e::check(box != nullptr, "an error box appears");
  std::string shown;
  for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) shown += e2e::text(c) + "|";
  e2e::check(shown.find("Unable to write to SYSTEM.INI") != std::string::npos,
             "the box says \"Unable to write to SYSTEM.INI\"", shown);
  e2e::screenshot(mte2e::shotName("cache-unwritable"));
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  e2e::waitGone(box, 5000);
  CloseHandle(lock);

  e2e::check(!e2e::regExists(HKEY_CURRENT_USER, mte2e::kSettingsKey, "PlaySound"),
             "the rest of the save was skipped: no settings written");
  e2e::check(isEnabled(s, Ctl::Button2), "Apply stays enabled after the failure");
  e2e::check(s.stop(), "Memtidy ends");
  e2e::checkEq(kTestSystemIni, e2e::readFile(ini), "SYSTEM.INI is exactly as before");
}

E2E_SCENARIO(cache_c_nt_disables_the_tab_and_never_touches_system_ini) {
  if (!mte2e::ntMode()) return;
  const std::string ini = systemIniPath();
  e2e::writeFile(ini, kTestSystemIni);
  quietSettings();
  mte2e::Session s;
  if (!startShownOnCacheTab(s)) return;
  e2e::checkEq("This feature is not supported in NT.", e2e::text(s.control(Ctl::Label8)), "the NT line");
  for (Ctl c : {Ctl::RxSlider3, Ctl::RxSlider4, Ctl::RxSlider5, Ctl::Button1, Ctl::Button4, Ctl::Label16})
    e2e::check(!isEnabled(s, c), "cache control " + std::to_string(static_cast<int>(c)) + " is disabled");
  e2e::checkEq("0 kB", e2e::text(s.control(Ctl::Label16)), "nothing was read");
  hover(tabSheet(s), 100, 70);  // over the disabled slider: the sheet gets it
  e2e::checkEq("This feature is not supported in NT.", e2e::text(s.control(Ctl::Label8)), "the NT line stays");
  e2e::screenshot(mte2e::shotName("cache-disabled"));

  s.selectTab(mt::kTabOptions);
  e2e::click(s.control(Ctl::CheckBox3));
  e2e::click(s.control(Ctl::Button2));
  e2e::pause(300);
  e2e::check(s.stop(), "Memtidy ends");
  e2e::checkEq(kTestSystemIni, e2e::readFile(ini), "SYSTEM.INI untouched on NT");
}
