// Vidarix's start-up under Wine: the first-run question, one copy only, the
// chip check with and without "-IgnoreChip", "-RD" in a second copy, and the
// end through the main window. Scenarios run in name order; the first one
// leaves a Vidarix running for the next ones.
#include <cstring>
#include <string>

#include "tests/e2e/common/driver.h"
#include "tests/e2e/tweaker/display_watch.h"

namespace {

const char kProgramKey[] = "Software\\Tessaly\\Vidarix";

std::string exePath() { return e2e::option("exe", "Vidarix-sim.exe"); }
std::string exeFolder() {
  std::string p = exePath();
  size_t slash = p.find_last_of("\\/");
  return slash == std::string::npos ? std::string(".") : p.substr(0, slash);
}

// The simulated card is chosen by the card file beside the program.
void selectCard(const std::string& preset) {
  const std::string ini = exeFolder() + "\\" + e2e::option("card-ini", "VidarixSim.ini");
  e2e::writeFile(ini, "[" + e2e::option("card-section", "Card") + "]\r\n" + e2e::option("card-key", "Preset") + "=" +
                          preset + "\r\n");
}

HWND mainWindow(int timeoutMs) { return e2e::waitWindow("VidarixCls", nullptr, timeoutMs); }

e2e::Process g_first;

bool endsAtOnce(e2e::Process p, const std::string& what) {
  DWORD code = 99;
  const bool ended = e2e::waitExit(p, 10000, &code);
  if (!ended) e2e::kill(p);
  e2e::check(ended, what + ": the copy ends by itself");
  return ended && e2e::checkEq(0, static_cast<long long>(code), what + ": exit code 0");
}

using displaywatch::screenDepth;
using displaywatch::setDepth;

// Another process's display change reaches this one only as the
// WM_DISPLAYCHANGE broadcast (its own device caps stay as they were), so a
// hidden window of the driver records the depths announced.
int g_announcedDepth = 0;
LRESULT CALLBACK listenerProc(HWND w, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_DISPLAYCHANGE) g_announcedDepth = static_cast<int>(wParam);
  return DefWindowProcA(w, msg, wParam, lParam);
}

// Waits for a process while answering sent messages; false on time-out.
bool waitPumping(e2e::Process& p, int timeoutMs, DWORD* code) {
  const DWORD start = GetTickCount();
  for (;;) {
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
    if (WaitForSingleObject(p.handle, 0) == WAIT_OBJECT_0) return e2e::waitExit(p, 1000, code);
    if (GetTickCount() - start > static_cast<DWORD>(timeoutMs)) return false;
    MsgWaitForMultipleObjects(1, &p.handle, FALSE, 50, QS_ALLINPUT);
  }
}

// Ends the running copy the way "E&xit" does: its main window is destroyed.
void endFirst() {
  HWND w = mainWindow(200);
  if (w) PostMessageA(w, WM_CLOSE, 0, 0);
  if (g_first.handle) {
    DWORD code = 99;
    const bool ended = e2e::waitExit(g_first, 10000, &code);
    if (!ended) e2e::kill(g_first);
    e2e::check(ended && code == 0, "Vidarix ends with exit code 0 when its window is destroyed",
               std::to_string(code));
    g_first = e2e::Process{};
  }
}

}  // namespace

E2E_SCENARIO(vidarix_a_first_start_asks_and_no_turns_advanced_on) {
  e2e::regDeleteTree(HKEY_LOCAL_MACHINE, kProgramKey);
  selectCard("Savage4");
  // Texture sizes stored before the first start: the save that "No" makes
  // comes before the driver options are read, and must not lose them.
  e2e::regWriteString(HKEY_CURRENT_CONFIG, "Display\\Settings", "TC", "512");
  e2e::regWriteString(HKEY_CURRENT_CONFIG, "Display\\Settings", "TM", "256");
  g_first = e2e::launch(exePath());
  HWND box = e2e::waitDialog(g_first.id, "Vidarix", 10000);
  if (!e2e::check(box != nullptr, "the first-run question appears")) return;
  e2e::check(mainWindow(100) != nullptr, "the question comes while the hidden main window exists");
  e2e::check(e2e::text(e2e::control(box, 2000)).find("Choose Basic menu or Advanced menu.") == 0,
             "it asks for the basic or the advanced menu", e2e::text(e2e::control(box, 2000)));
  e2e::pause(300);
  e2e::screenshot("vidarix-first-run-question");
  e2e::click(e2e::control(box, 7));
  e2e::check(e2e::waitGone(box, 5000), "\"No\" closes the question");
  e2e::pause(500);
  std::string advanced, firstRun;
  e2e::regReadString(HKEY_LOCAL_MACHINE, kProgramKey, "ShowAdvanced", &advanced);
  e2e::regReadString(HKEY_LOCAL_MACHINE, kProgramKey, "FirstRun", &firstRun);
  e2e::checkEq("On", advanced, "\"No\" turns the advanced menu on");
  e2e::checkEq("off", firstRun, "the first run is over");
  std::string tc, tm;
  e2e::regReadString(HKEY_CURRENT_CONFIG, "Display\\Settings", "TC", &tc);
  e2e::regReadString(HKEY_CURRENT_CONFIG, "Display\\Settings", "TM", &tm);
  e2e::checkEq("512", tc, "the stored TC survives the first-run save");
  e2e::checkEq("256", tm, "the stored TM survives the first-run save");
  e2e::regDeleteValue(HKEY_CURRENT_CONFIG, "Display\\Settings", "TC");
  e2e::regDeleteValue(HKEY_CURRENT_CONFIG, "Display\\Settings", "TM");
  e2e::check(mainWindow(100) != nullptr && !IsWindowVisible(mainWindow(100)), "the main window stays hidden");
}

E2E_SCENARIO(vidarix_b_second_copy_exits_at_once) {
  if (!e2e::check(mainWindow(2000) != nullptr, "a first Vidarix runs")) return;
  endsAtOnce(e2e::launch(exePath()), "second copy");
  e2e::check(mainWindow(100) != nullptr, "the first copy runs on");
}

E2E_SCENARIO(vidarix_c_second_copy_with_rd_still_resets_the_display) {
  if (!e2e::check(mainWindow(2000) != nullptr, "a first Vidarix runs")) return;
  // Before the metrics are read the present depth counts as none, so the
  // reset takes the first mode of the screen size; start from a depth that
  // is not the first so the switch shows.
  const int original = screenDepth();
  e2e::check(setDepth(16), "the screen can go to 16 bits per pixel first");
  WNDCLASSA wc = {};
  wc.lpfnWndProc = listenerProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "VidarixE2EDisplayListener";
  RegisterClassA(&wc);
  HWND listener = CreateWindowExA(0, wc.lpszClassName, "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                                  wc.hInstance, nullptr);
  g_announcedDepth = 0;
  e2e::Process second = e2e::launch(exePath(), "-rd");
  DWORD code = 99;
  const bool ended = waitPumping(second, 10000, &code);
  if (!ended) e2e::kill(second);
  e2e::check(ended && code == 0, "second copy with -rd ends by itself with exit code 0", std::to_string(code));
  for (int i = 0; i < 10; ++i) {  // a late broadcast
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
    e2e::pause(50);
  }
  e2e::check(g_announcedDepth != 0 && g_announcedDepth != 16,
             "the display was switched away from its depth (and not back)",
             "announced depth " + std::to_string(g_announcedDepth));
  DestroyWindow(listener);
  setDepth(original);
  e2e::check(mainWindow(100) != nullptr, "the first copy runs on");
}

E2E_SCENARIO(vidarix_d_destroying_the_window_ends_the_program) {
  if (!e2e::check(mainWindow(2000) != nullptr, "a first Vidarix runs")) return;
  endFirst();
  e2e::check(mainWindow(100) == nullptr, "no main window remains");
}

E2E_SCENARIO(vidarix_e_second_start_asks_nothing) {
  g_first = e2e::launch(exePath());
  e2e::check(mainWindow(10000) != nullptr, "Vidarix starts");
  e2e::pause(1500);
  HWND box = e2e::waitDialog(g_first.id, "Vidarix", 200);
  e2e::check(box == nullptr, "no first-run question once the advanced menu is on");
  endFirst();
}

E2E_SCENARIO(vidarix_f_unsupported_chips_end_silently) {
  for (const char* preset : {"SavageNB", "Unknown"}) {
    selectCard(preset);
    e2e::Process p = e2e::launch(exePath());
    endsAtOnce(p, preset);
    e2e::check(mainWindow(100) == nullptr, std::string(preset) + ": no main window was left");
  }
}

E2E_SCENARIO(vidarix_g_ignore_chip_runs_on_an_unsupported_chip) {
  selectCard("SavageNB");
  e2e::regDeleteTree(HKEY_LOCAL_MACHINE, kProgramKey);
  g_first = e2e::launch(exePath(), "-IGNORECHIP");
  HWND box = e2e::waitDialog(g_first.id, "Vidarix", 10000);
  e2e::check(box != nullptr, "with -IgnoreChip it starts (and asks its first-run question)");
  if (box) e2e::click(e2e::control(box, 6));
  e2e::check(mainWindow(5000) != nullptr, "the main window exists");
  std::string advanced;
  e2e::regReadString(HKEY_LOCAL_MACHINE, kProgramKey, "ShowAdvanced", &advanced);
  e2e::check(advanced != "On", "\"Yes\" keeps the basic menu", advanced);
  // The chip check keeps the device id the driver names, listed or not, so
  // the card key is named after the SavageNB's own id.
  HKEY k = nullptr;
  bool found = false;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kProgramKey, 0, KEY_READ, &k) == ERROR_SUCCESS) {
    char name[256];
    for (DWORD i = 0; RegEnumKeyA(k, i, name, sizeof name) == ERROR_SUCCESS; ++i)
      if (std::strncmp(name, "8a25_", 5) == 0) found = true;
    RegCloseKey(k);
  }
  e2e::check(found, "the card key is named after the SavageNB's device id (8a25_...)");
  endFirst();
  selectCard("Savage4");
}

E2E_SCENARIO(vidarix_h_shift_at_start_logs_and_keeps_clocks) {
  char sys[MAX_PATH] = {};
  GetSystemDirectoryA(sys, sizeof sys);
  const std::string schemes = std::string(sys) + "\\Vidarix.dat";
  WritePrivateProfileStringA("Vidarix Clk", nullptr, nullptr, schemes.c_str());
  keybd_event(VK_SHIFT, 0, 0, 0);
  g_first = e2e::launch(exePath());
  const bool up = mainWindow(10000) != nullptr;
  keybd_event(VK_SHIFT, 0, KEYEVENTF_KEYUP, 0);
  if (!e2e::check(up, "Vidarix starts with SHIFT held")) return;
  e2e::pause(500);
  char section[4096] = {};
  GetPrivateProfileSectionA("Vidarix Clk", section, sizeof section, schemes.c_str());
  int entries = 0;
  bool text = true;
  for (const char* p = section; *p; p += strlen(p) + 1) {
    ++entries;
    const char* eq = strchr(p, '=');
    if (!eq || std::string(eq + 1) != "Chip clock not set due to SHIFT key.") text = false;
  }
  e2e::checkEq(1, entries, "one \"Vidarix Clk\" entry in the scheme file");
  e2e::check(entries > 0 && text, "it says the clock was not set because of SHIFT", section);
  endFirst();
}

namespace {
// The card key of the running card: the program key's subkey named after
// the device id ("8a22_..." for the default Savage4).
std::string cardKeyPath(const char* devicePrefix) {
  HKEY k = nullptr;
  std::string found;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kProgramKey, 0, KEY_READ, &k) != ERROR_SUCCESS) return found;
  char name[256];
  for (DWORD i = 0; RegEnumKeyA(k, i, name, sizeof name) == ERROR_SUCCESS; ++i)
    if (strncmp(name, devicePrefix, strlen(devicePrefix)) == 0) found = std::string(kProgramKey) + "\\" + name;
  RegCloseKey(k);
  return found;
}
}  // namespace

E2E_SCENARIO(vidarix_i_driver_update_resets_the_scheme_name) {
  selectCard("Savage4");
  const std::string card = cardKeyPath("8a22_");
  if (!e2e::check(!card.empty(), "the Savage4's card key exists from the earlier starts")) return;
  std::string installed;
  e2e::regReadString(HKEY_LOCAL_MACHINE, card.c_str(), "LastDrv", &installed);
  e2e::check(!installed.empty(), "the installed driver's version was remembered", installed);
  // Pretend the last start saw another driver.
  e2e::regWriteString(HKEY_LOCAL_MACHINE, card.c_str(), "LastDrv", "4.10.01.0000-1.00.00");
  e2e::regWriteString(HKEY_LOCAL_MACHINE, card.c_str(), "Current", "Fast");
  g_first = e2e::launch(exePath());
  e2e::check(mainWindow(10000) != nullptr, "Vidarix starts");
  e2e::pause(500);
  std::string current, last;
  e2e::regReadString(HKEY_LOCAL_MACHINE, card.c_str(), "Current", &current);
  e2e::regReadString(HKEY_LOCAL_MACHINE, card.c_str(), "LastDrv", &last);
  e2e::checkEq("(Default)", current, "a new driver resets the scheme name");
  e2e::checkEq(installed, last, "and its version is remembered");
  endFirst();
  // The same driver again: nothing is written.
  e2e::regWriteString(HKEY_LOCAL_MACHINE, card.c_str(), "Current", "Fast");
  g_first = e2e::launch(exePath());
  e2e::check(mainWindow(10000) != nullptr, "Vidarix starts again");
  e2e::pause(500);
  e2e::regReadString(HKEY_LOCAL_MACHINE, card.c_str(), "Current", &current);
  e2e::checkEq("Fast", current, "the same driver keeps the scheme name");
  endFirst();
}

E2E_SCENARIO(vidarix_j_end_of_session_clears_the_crash_guard) {
  selectCard("Savage4");
  const std::string card = cardKeyPath("8a22_");
  g_first = e2e::launch(exePath());
  HWND w = mainWindow(10000);
  if (!e2e::check(w != nullptr && !card.empty(), "Vidarix runs on the Savage4")) return;
  e2e::pause(500);
  e2e::regWriteString(HKEY_LOCAL_MACHINE, card.c_str(), "Overclocked", "On");
  DWORD_PTR r = 0;
  SendMessageTimeoutA(w, WM_ENDSESSION, FALSE, 0, SMTO_NORMAL, 5000, &r);
  std::string mark;
  e2e::regReadString(HKEY_LOCAL_MACHINE, card.c_str(), "Overclocked", &mark);
  e2e::checkEq("On", mark, "a cancelled end of session changes nothing");
  SendMessageTimeoutA(w, WM_ENDSESSION, TRUE, 0, SMTO_NORMAL, 5000, &r);
  mark = "<absent>";
  e2e::regReadString(HKEY_LOCAL_MACHINE, card.c_str(), "Overclocked", &mark);
  e2e::checkEq("<absent>", mark, "the real end of the session removes the crash-guard mark");
  endFirst();
}
