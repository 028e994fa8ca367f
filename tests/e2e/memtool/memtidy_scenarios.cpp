// Memtidy under Wine: start-up, single instance, the window from the tray,
// Apply and Cancel, and the drawn tray icon. Each scenario starts its own
// Memtidy from fresh settings and ends it, so any one runs alone.
#include "tests/e2e/memtool/memtidy_session.h"

#include <commctrl.h>

#include <cstring>

using mt::Ctl;
using mte2e::Session;

namespace {

double storedDouble(const char* name) {
  std::vector<unsigned char> bytes;
  if (!e2e::regReadBinary(HKEY_CURRENT_USER, mte2e::kSettingsKey, name, &bytes) || bytes.size() != 8) return -1;
  double v = 0;
  std::memcpy(&v, bytes.data(), 8);
  return v;
}

void storeDouble(const char* name, double v) {
  e2e::regWriteBinary(HKEY_CURRENT_USER, mte2e::kSettingsKey, name, &v, sizeof v);
}

long long storedDword(const char* name) {
  DWORD v = 0;
  return e2e::regReadDword(HKEY_CURRENT_USER, mte2e::kSettingsKey, name, &v) ? (long long)v : -1;
}

// One scenario's Memtidy: the settings are forgotten before it starts (the
// scenario may store some of its own in between) and again once it has been
// ended, however the scenario ends.
class ScopedMemtidy {
 public:
  ScopedMemtidy() { mte2e::forgetSettings(); }
  ~ScopedMemtidy() {
    if (session.process.handle) session.stop();
    mte2e::forgetSettings();
  }
  ScopedMemtidy(const ScopedMemtidy&) = delete;
  ScopedMemtidy& operator=(const ScopedMemtidy&) = delete;

  bool start() { return e2e::check(session.start(), "Memtidy's window and tray window exist"); }
  // Started and its window shown from the tray.
  bool startShown() { return start() && e2e::check(session.showByTrayDoubleClick(), "the window shows"); }

  Session session;
};

}  // namespace

E2E_SCENARIO(a_first_start_records_folder_and_run_entry) {
  ScopedMemtidy m;
  if (!m.start()) return;
  Session& s = m.session;
  std::string dir;
  e2e::regReadString(HKEY_CURRENT_USER, mte2e::kSettingsKey, "CurrentDir", &dir);
  e2e::checkEq(mte2e::exeFolder(), dir, "CurrentDir is the folder it was started in");
  std::string run;
  e2e::regReadString(HKEY_LOCAL_MACHINE, mte2e::kRunKey, "Memtidy", &run);
  e2e::checkEq("\"" + mte2e::exeFolder() + "\\Memtidy.exe\"", run, "the Run entry quotes the program's path");
  e2e::check(!IsWindowVisible(s.form), "the window starts hidden in the tray");
  e2e::check(!mte2e::trayShowsLevelBar(), "without RAMIcon the tray shows the plain chip");
  e2e::screenshot(mte2e::shotName("tray"));
}

E2E_SCENARIO(b_second_start_ends_at_once) {
  ScopedMemtidy m;
  if (!m.start()) return;
  e2e::Process second = e2e::launch(mte2e::exePath());
  DWORD code = 99;
  bool ended = e2e::waitExit(second, 10000, &code);
  if (!ended) e2e::kill(second);
  e2e::check(ended, "a second Memtidy ends by itself");
  e2e::checkEq(0, (long long)code, "and ends without an error code");
  e2e::check(IsWindow(m.session.form) && !IsWindowVisible(m.session.form), "the first one runs on, still hidden");
}

E2E_SCENARIO(c_tray_double_click_shows_first_tab) {
  ScopedMemtidy m;
  if (!m.start()) return;
  Session& s = m.session;
  e2e::check(s.showByTrayDoubleClick(), "a double click on the tray icon shows the window");
  e2e::checkEq(0, s.selectedTab(), "the first tab is selected");
  e2e::check(!IsWindowEnabled(s.control(Ctl::Button2)), "Apply starts disabled");
  e2e::checkEq(!mte2e::ntMode(), IsWindowEnabled(s.control(Ctl::RxSpinEdit7)) != FALSE,
               "the processor limit is enabled only on the 95/98 family");
  const char* names[] = {"tab-memtidy", "tab-options", "tab-cache", "tab-extras", "tab-about"};
  for (int tab = 0; tab < mt::kTabCount; ++tab) {
    s.selectTab(tab);
    e2e::checkEq(tab, s.selectedTab(), std::string("tab ") + names[tab] + " is selected");
    if (tab == mt::kTabCache)
      e2e::checkEq(mte2e::ntMode() ? "This feature is not supported in NT." : "",
                   e2e::text(s.control(Ctl::Label8)), "the Cache tab's first description line");
    e2e::checkEq(tab != mt::kTabAbout, IsWindowVisible(s.control(Ctl::GroupBox5)) != FALSE,
                 "the description box shows on every tab but About");
    e2e::screenshot(mte2e::shotName(names[tab]));
  }
  std::string total = e2e::text(s.control(Ctl::Label24));
  e2e::check(total.size() > 3 && total.substr(total.size() - 3) == " MB", "About shows the total memory", total);
  s.showByTrayDoubleClick();  // opened again while About is selected
  e2e::pause(300);
  e2e::checkEq(0, s.selectedTab(), "opening selects the first tab");
  e2e::check(IsWindowVisible(s.control(Ctl::GroupBox5)) != FALSE, "and shows its description box");
  s.selectTab(mt::kTabAbout);
  e2e::check(s.minimise(), "minimising hides the window into the tray");
  e2e::check(s.showByTrayDoubleClick(), "a second double click shows it again");
  e2e::checkEq(0, s.selectedTab(), "on the first tab, although About was left open");
}

E2E_SCENARIO(d_apply_stores_edited_values) {
  ScopedMemtidy m;
  if (!m.startShown()) return;
  Session& s = m.session;
  s.selectTab(0);
  long long target = storedDword("Target Fre RAM");
  HWND slider = s.control(Ctl::RxSlider1);
  long long before = SendMessageA(slider, TBM_GETPOS, 0, 0);
  SendMessageA(slider, WM_KEYDOWN, VK_LEFT, 0);
  SendMessageA(slider, WM_KEYUP, VK_LEFT, 0);
  e2e::pause(200);
  long long moved = SendMessageA(slider, TBM_GETPOS, 0, 0);
  e2e::check(moved != before, "the target slider moves by the keyboard");
  e2e::checkEq(std::to_string(moved) + " MB", e2e::text(s.control(Ctl::Label18)), "its label follows");
  e2e::setText(s.control(Ctl::RxSpinEdit2), "9");
  e2e::check(IsWindowEnabled(s.control(Ctl::Button2)) != FALSE, "an edit enables Apply");
  s.selectTab(1);
  e2e::click(s.control(Ctl::CheckBox3));
  e2e::click(s.control(Ctl::Button2));
  e2e::pause(500);
  e2e::checkEq(moved, storedDword("Target Fre RAM"), "Apply stores the target");
  e2e::check(target != moved, "which differs from the first start's default");
  e2e::check(storedDouble("FreeTime") == 9.0, "Apply stores FreeTime as an 8-byte double");
  e2e::checkEq(1, storedDword("RAMIcon"), "Apply stores RAMIcon");
  e2e::checkEq(1, storedDword("AutoStart"), "AutoStart stays on");
  e2e::check(!IsWindowEnabled(s.control(Ctl::Button2)), "Apply is disabled again");
  e2e::check(IsWindowVisible(s.form) != FALSE, "the window stays shown");
}

E2E_SCENARIO(e_cancel_discards_edits) {
  ScopedMemtidy m;
  storeDouble("FreeValue1", 2.0);  // a stored value for Cancel to keep
  if (!m.startShown()) return;
  Session& s = m.session;
  s.selectTab(0);
  e2e::setText(s.control(Ctl::RxSpinEdit1), "7");
  e2e::checkEq("7", e2e::text(s.control(Ctl::RxSpinEdit1)), "the edit reached the control");
  e2e::check(IsWindowEnabled(s.control(Ctl::Button2)) != FALSE, "and enabled Apply");
  e2e::click(s.control(Ctl::Button3));
  e2e::check(e2e::waitHidden(s.form, 5000), "Cancel hides the window");
  e2e::check(storedDouble("FreeValue1") == 2.0, "the edit was not stored");
  s.showByTrayDoubleClick();
  e2e::checkEq("2", e2e::text(s.control(Ctl::RxSpinEdit1)), "the stored value is shown again");
}

E2E_SCENARIO(f_ram_icon_draws_the_figure) {
  ScopedMemtidy m;
  e2e::regWriteDword(HKEY_CURRENT_USER, mte2e::kSettingsKey, "RAMIcon", 1);
  if (!m.start()) return;
  e2e::pause(2500);  // a couple of ticks with RAMIcon on
  e2e::check(mte2e::trayShowsLevelBar(), "the tray icon carries the level bar of the drawn figure");
  e2e::screenshot(mte2e::shotName("tray-figure"));
}

E2E_SCENARIO(g_close_ends_the_program) {
  ScopedMemtidy m;
  if (!m.start()) return;
  e2e::check(m.session.stop(), "the close command ends Memtidy with exit code 0");
}

E2E_SCENARIO(h_an_unreadable_folder_is_reported_and_start_up_goes_on) {
  ScopedMemtidy m;
  e2e::regWriteDword(HKEY_CURRENT_USER, mte2e::kSettingsKey, "CurrentDir", 7);
  Session& s = m.session;
  s.process = e2e::launch(mte2e::exePath());
  HWND box = e2e::waitDialog(s.process.id, "Memtidy", 15000);
  e2e::check(box != nullptr, "an error box appears");
  if (box) {
    e2e::checkEq("Invalid data type for 'CurrentDir'", e2e::text(e2e::control(box, 0xFFFF)), "its text");
    e2e::screenshot(mte2e::shotName("error-box"));
    e2e::click(e2e::control(box, IDOK));
  }
  s.form = e2e::waitWindow("TForm1", "Memtidy Manager", 5000);
  s.tray = e2e::waitWindow("TkbTrayIconWindow", nullptr, 5000);
  e2e::pause(1500);
  e2e::check(s.form && s.tray, "start-up went on: the window and the tray icon exist");
  DWORD kept = 0;
  e2e::regReadDword(HKEY_CURRENT_USER, mte2e::kSettingsKey, "CurrentDir", &kept);
  e2e::checkEq(7, (long long)kept, "the stored value is left alone");
  e2e::check(s.form && !IsWindowVisible(s.form), "hidden in the tray as usual");
  e2e::check(s.showByTrayDoubleClick(), "and reachable from the tray");
  e2e::check(s.stop(), "it ends normally");
}
