// Every stored setting of Memtidy in every bad form a writer could leave:
// each start reaches the tray, the menu and every tab of the form open, the
// program ends cleanly, and nothing garbled is written back.
#include <string>
#include <vector>

#include "tests/e2e/common/hostile_values.h"
#include "tests/e2e/memtool_tray/tray_fixture.h"

using namespace traye2e;

namespace {

const std::vector<std::string> kNames = {
    "FreeValue1", "FreeTime", "FreeCPU", "Menu1", "Menu2", "Menu3", "Target Fre RAM",
    "Minimum Free RAM", "RAMIcon", "PlaySound", "Music", "AutoStart", "CurrentDir"};

// Starts Memtidy on the registry as it stands, answering whatever it reports.
bool startAsFound(mte2e::Session* s) {
  s->process = e2e::launch(mte2e::exePath());
  for (int i = 0; i < 150 && !(s->form && s->tray); ++i) {
    e2e::dismissDialogs(s->process.id, 0);
    s->form = FindWindowA("TForm1", "Memtidy Manager");
    s->tray = FindWindowA("TkbTrayIconWindow", nullptr);
    e2e::pause(100);
  }
  return s->form && s->tray;
}

}  // namespace

E2E_SCENARIO(hostile_registry_values) {
  quietSettings();
  {
    mte2e::Session plain;
    if (!e2e::check(plain.start(), "Memtidy starts on its own settings")) return;
    plain.stop();
  }
  std::vector<std::string> names = kNames;
  e2e::addValueNames(HKEY_CURRENT_USER, mte2e::kSettingsKey, &names);
  const e2e::KeySnapshot before = e2e::snapshotKey(HKEY_CURRENT_USER, mte2e::kSettingsKey);
  const int rounds = static_cast<int>(e2e::hostileForms().size());
  e2e::section(std::to_string(names.size()) + " values, " + std::to_string(rounds) + " forms each");
  for (int r = 0; r < rounds; ++r) {
    const std::string label = "round " + std::to_string(r + 1);
    const auto set = e2e::setHostileRound(HKEY_CURRENT_USER, mte2e::kSettingsKey, names, r);
    mte2e::Session s;
    if (!e2e::check(startAsFound(&s), label + ": Memtidy reaches the tray")) {
      e2e::kill(s.process);
      continue;
    }
    HWND menu = openTrayMenu(s, 1000, 740);
    e2e::check(menu != nullptr, label + ": the tray menu opens");
    if (menu) e2e::keys(menu, {VK_ESCAPE});
    e2e::waitNoPopupMenu(2000);
    e2e::check(s.showByTrayDoubleClick(), label + ": the form opens");
    for (int tab = 0; tab < 4; ++tab) {
      s.selectTab(tab);
      e2e::dismissDialogs(s.process.id, 0);
    }
    e2e::checkEq(3, s.selectedTab(), label + ": every tab opens");
    PostMessageA(s.form, WM_SYSCOMMAND, SC_CLOSE, 0);
    DWORD code = 1;
    bool ended = false;
    for (int i = 0; i < 40 && !ended; ++i) {
      e2e::dismissDialogs(s.process.id, 0);
      ended = e2e::waitExit(s.process, 250, &code);
    }
    e2e::check(ended && code == 0, label + ": Memtidy ends cleanly", "exit code " + std::to_string(code));
    if (!ended) e2e::kill(s.process);
    e2e::checkWrittenBack(HKEY_CURRENT_USER, mte2e::kSettingsKey, set, label);
  }
  e2e::restoreKey(before);
}
