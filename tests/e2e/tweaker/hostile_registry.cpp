// Every value Vidarix reads, in every bad form a writer could leave: each
// start reaches the tray, the menu and every dialog open, the program ends
// cleanly, and nothing garbled is written back.
#include <string>
#include <vector>

#include "tests/e2e/common/driver.h"
#include "tests/e2e/common/hostile_values.h"
#include "tests/e2e/tweaker/tray_session.h"
#include "tweaker/resources/command_ids.h"

namespace {

constexpr const char* kMiniGLKey = "Software\\S3\\S3GL";

struct HostileKey {
  HKEY root;
  std::string path;
  std::vector<std::string> names;
};

std::vector<std::string> subkeys(HKEY root, const char* path) {
  std::vector<std::string> out;
  HKEY k = nullptr;
  if (RegOpenKeyExA(root, path, 0, KEY_READ, &k) != ERROR_SUCCESS) return out;
  char name[260];
  for (DWORD i = 0;; ++i) {
    DWORD len = sizeof name;
    if (RegEnumKeyExA(k, i, name, &len, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    out.push_back(std::string(path) + "\\" + name);
  }
  RegCloseKey(k);
  return out;
}

// The values read that a plain start may not have written.
const std::vector<std::string> kProgramNames = {
    "ShowAdvanced", "ConfirmAGPChanges", "AutoResetDisplay", "SortSchemeMenu", "UseSchemeMclk",
    "UseAutoOpenGLFog", "AutoTriMip", "TweakRes", "AskChangeDisplay", "WriteRegDefaults",
    "UseOverclock", "SchemeFile", "Homepage", "FirstRun"};
const std::vector<std::string> kCardNames = {
    "Name", "UseQueryConnect", "ShowDuoview", "ShowFlickerSlider", "ImmediateClk", "CanDoAGPSB", "ClkDelay",
    "GammaType", "LastDrv", "AGPsizeList", "MclkSpeed", "EclkSpeed", "MclkMax", "MclkMin", "EclkMax",
    "EclkMin", "MclkDef", "EclkDef", "ClkRatio", "UseClkRatio", "Overclocked", "Current", "Gamma(all)",
    "Gamma(16bpp)", "Gamma(32bpp)"};
const std::vector<std::string> kDriverNames = {"ICT", "PerfICDmenu"};

const int kDialogCommands[] = {IDM_OPTIONS, IDM_SCHEME_CONFIGURE, IDM_OVERCLOCK, IDM_OUTPUTS,
                               IDM_MINIGL_CONFIG, IDM_GAMMA, IDM_REFRESH_RATES, IDM_ABOUT};

// Starts Vidarix on the registry as it stands, answering whatever it asks.
HWND startAsFound(e2e::Process* p) {
  *p = e2e::launch(e2e::option("exe", "Vidarix-sim.exe"), "");
  for (int i = 0; i < 100; ++i) {
    e2e::dismissDialogs(p->id, 0);
    HWND w = FindWindowA("VidarixCls", nullptr);
    if (w && e2e::trayIconPresent(w, 101)) return w;
    e2e::pause(100);
  }
  return FindWindowA("VidarixCls", nullptr);
}

void oneRound(const std::vector<HostileKey>& keys, int round) {
  const std::string label = "round " + std::to_string(round + 1);
  std::vector<std::vector<e2e::RawRegValue>> set;
  for (const HostileKey& k : keys) set.push_back(e2e::setHostileRound(k.root, k.path, k.names, round));
  e2e::Process p;
  HWND w = startAsFound(&p);
  if (!e2e::check(w != nullptr, label + ": Vidarix reaches the tray")) {
    e2e::kill(p);
    return;
  }
  PostMessageA(w, RegisterWindowMessageA("VDXRM_MSG"), 101, WM_RBUTTONUP);
  HWND menu = e2e::waitPopupMenu(3000);
  e2e::check(menu != nullptr, label + ": the tray menu opens");
  if (menu) e2e::keys(menu, {VK_ESCAPE});
  e2e::waitNoPopupMenu(2000);
  int opened = 0;
  for (int id : kDialogCommands) {
    PostMessageA(w, WM_COMMAND, static_cast<WPARAM>(id), 0);
    if (e2e::waitDialog(p.id, nullptr, 3000)) ++opened;
    e2e::dismissDialogs(p.id, 400);
  }
  e2e::checkEq(static_cast<long long>(sizeof kDialogCommands / sizeof kDialogCommands[0]), opened,
               label + ": every dialog opens");
  PostMessageA(w, WM_COMMAND, IDM_EXIT, 0);
  DWORD code = 1;
  bool ended = false;
  for (int i = 0; i < 40 && !ended; ++i) {
    e2e::dismissDialogs(p.id, 0);
    ended = e2e::waitExit(p, 250, &code);
  }
  e2e::check(ended && code == 0, label + ": Vidarix ends cleanly", "exit code " + std::to_string(code));
  if (!ended) e2e::kill(p);
  for (std::size_t i = 0; i < keys.size(); ++i) e2e::checkWrittenBack(keys[i].root, keys[i].path, set[i], label + " " + keys[i].path);
}

}  // namespace

E2E_SCENARIO(hostile_registry_values) {
  // A plain start first, so the keys hold what Vidarix itself writes.
  {
    tray::Prefs prefs;
    tray::Session s(prefs);
    if (!s.running()) return;
  }
  std::vector<HostileKey> keys = {{HKEY_LOCAL_MACHINE, tray::kProgramKey, kProgramNames},
                                  {HKEY_CURRENT_CONFIG, tray::kSettingsKey, kDriverNames},
                                  {HKEY_LOCAL_MACHINE, kMiniGLKey, {}}};
  for (const std::string& card : subkeys(HKEY_LOCAL_MACHINE, tray::kProgramKey))
    keys.push_back({HKEY_LOCAL_MACHINE, card, kCardNames});
  std::vector<e2e::KeySnapshot> before;
  for (HostileKey& k : keys) {
    e2e::addValueNames(k.root, k.path, &k.names);
    before.push_back(e2e::snapshotKey(k.root, k.path));
  }
  const int rounds = static_cast<int>(e2e::hostileForms().size());
  for (int r = 0; r < rounds; ++r) oneRound(keys, r);
  for (const e2e::KeySnapshot& snap : before) e2e::restoreKey(snap);
}
