// Every value Vidarix reads, in every bad form a writer could leave: each
// start reaches the tray, the menu and every dialog open, the program ends
// cleanly, and nothing garbled is written back.
#include <string>
#include <vector>

#include "tests/e2e/common/driver.h"
#include "tests/e2e/common/hostile_values.h"
#include "tests/e2e/tweaker/clock_fixture.h"
#include "tests/e2e/tweaker/tray_session.h"
#include "tweaker/resources/command_ids.h"

namespace {

constexpr const char* kMiniGLKey = "Software\\S3\\S3GL";

struct HostileKey {
  HKEY root;
  std::string path;
  std::vector<std::string> names;
};

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
const std::vector<std::string> kDriverNames = {
    "AM", "AT", "AC", "AA", "VO", "VT", "FD", "EF", "ES", "TP", "WV", "FB", "OS", "TSL", "WC", "AGPSB",
    "ICD3DNOW", "ICDSIMD", "ICDUSEKTX", "ICDWBUFFER", "ICDHWTL", "ICDAZ", "ICDFOGTABLE", "ICDTEXTURESIZE",
    "DB", "AGPSize", "TC", "TM", "AGP", "ATB", "BW", "ZB", "ZC", "NF", "WB", "HSP", "DMACB", "ICDMode",
    "ICT", "PerfICDmenu"};
const std::vector<std::string> kMiniGLNames = {"32Bit", "AutoS3TC", "S3TCDiskCache", "TextureCache", "Mipmapping"};

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
  // Clamped garbage clocks reach the simulated chip, which keeps them
  // between runs: the scenario gets a card of its own and gives it back.
  clockfx::FreshCard card;
  // A plain start first, so the keys hold what Vidarix itself writes.
  {
    tray::Prefs prefs;
    tray::Session s(prefs);
    if (!s.running()) return;
  }
  // The three fixed keys first, then the card keys.
  std::vector<HostileKey> keys = {{HKEY_LOCAL_MACHINE, tray::kProgramKey, kProgramNames},
                                  {HKEY_CURRENT_CONFIG, tray::kSettingsKey, kDriverNames},
                                  {HKEY_LOCAL_MACHINE, kMiniGLKey, kMiniGLNames}};
  for (const std::string& card : tray::cardKeys())
    keys.push_back({HKEY_LOCAL_MACHINE, card, kCardNames});
  std::vector<e2e::KeySnapshot> before;
  std::size_t values = 0;
  for (HostileKey& k : keys) {
    e2e::addValueNames(k.root, k.path, &k.names);
    before.push_back(e2e::snapshotKey(k.root, k.path));
    values += k.names.size();
  }
  e2e::section(std::to_string(values) + " values in " + std::to_string(keys.size()) + " keys, " +
               std::to_string(e2e::hostileForms().size()) + " forms each");
  const int rounds = static_cast<int>(e2e::hostileForms().size());
  for (int r = 0; r < rounds; ++r) oneRound(keys, r);
  // The program's and the drivers' keys go back as they were; the card keys
  // go, as every tray session removes them, so no saved clock meets the next
  // scenario's start with the crash-guard question.
  for (std::size_t i = 0; i < before.size(); ++i) {
    if (i < 3) e2e::restoreKey(before[i]);
    else e2e::regDeleteTree(HKEY_LOCAL_MACHINE, before[i].path.c_str());
  }
}
