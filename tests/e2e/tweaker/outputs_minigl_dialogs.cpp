// The Display Outputs and MiniGL Applications dialogs in the running program
// on the simulated adapter: displays switched through the driver, a picture
// slider taken to its end, a refused switch reported; programs added with
// the file chooser and by a dropped file, one removed, ICDMode on OK.
// Photographed.
#include <shlobj.h>

#include <cstring>
#include <string>

#include "tests/e2e/common/driver.h"
#include "tests/e2e/tweaker/running_vidarix.h"
#include "tests/e2e/tweaker/shown_icon.h"
#include "tests/e2e/tweaker/sim_state.h"
#include "tweaker/resources/command_ids.h"
#include "tweaker/resources/resource.h"

namespace {

const char kProgramKey[] = "Software\\Tessaly\\Vidarix";
const char kS3GLKey[] = "Software\\S3\\S3GL";

std::string exePath() { return e2e::option("exe", "Vidarix-sim.exe"); }
std::string exeFolder() {
  std::string p = exePath();
  size_t slash = p.find_last_of("\\/");
  return slash == std::string::npos ? std::string(".") : p.substr(0, slash);
}

// A freshly powered-up card of a preset, with extra INI lines.
void selectCard(const std::string& preset, const std::string& extra = "") {
  e2e::writeFile(exeFolder() + "\\VidarixSim.ini",
                 "[Card]\r\nPreset=" + preset + "\r\n" + extra + "[Machine]\r\nReset=1\r\n");
}

using sim::driverWord;

using vdxrun::Running;
using vdxrun::openDialog;
using vdxrun::stop;
Running start() { return vdxrun::startAndWait(); }

void setChecked(HWND dialog, int id, bool on) {
  HWND box = e2e::control(dialog, id);
  if (box && e2e::checked(box) != on) e2e::click(box);
}

RECT rectOf(HWND w) {
  RECT r = {};
  if (w) GetWindowRect(w, &r);
  return r;
}

// The group box of the dialog titled `title`, or null.
HWND groupBox(HWND dialog, const std::string& title) {
  struct Find {
    std::string title;
    HWND found;
  } find = {title, nullptr};
  EnumChildWindows(
      dialog,
      [](HWND w, LPARAM lp) CALLBACK -> BOOL {
        auto* f = reinterpret_cast<Find*>(lp);
        char cls[32] = {0};
        GetClassNameA(w, cls, sizeof cls);
        const bool group = (GetWindowLongA(w, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
        if (_stricmp(cls, "Button") != 0 || !group || e2e::text(w) != f->title) return TRUE;
        f->found = w;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&find));
  return find.found;
}

HWND findEdit(HWND top) {
  HWND found = nullptr;
  EnumChildWindows(
      top,
      [](HWND w, LPARAM lp) CALLBACK -> BOOL {
        char cls[32] = {0};
        GetClassNameA(w, cls, sizeof cls);
        if (_stricmp(cls, "Edit") != 0 || !IsWindowVisible(w)) return TRUE;
        *reinterpret_cast<HWND*>(lp) = w;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

// A DROPFILES block naming the files, as the shell hands it over. A window
// handle message cannot carry memory between processes, so the block (a
// fixed global block is its own address) is written into the program's
// memory.
HDROP dropInto(HANDLE process, const std::string& files) {
  const SIZE_T size = sizeof(DROPFILES) + files.size() + 2;
  HGLOBAL mem = GlobalAlloc(GPTR, size);
  auto* drop = static_cast<DROPFILES*>(mem);
  drop->pFiles = sizeof(DROPFILES);
  drop->fWide = FALSE;
  std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), files.data(), files.size());
  void* remote = VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  if (remote) WriteProcessMemory(process, remote, mem, size, nullptr);
  GlobalFree(mem);
  return static_cast<HDROP>(remote);
}

bool keyExists(const char* path) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

std::string schemeFile() {
  char dir[MAX_PATH] = {0};
  GetSystemDirectoryA(dir, MAX_PATH);
  return std::string(dir) + "\\Vidarix.dat";
}

}  // namespace

E2E_SCENARIO(outputs_dialog_switches_tv_and_sends_a_slider_at_its_end) {
  selectCard("Savage3D");
  Running r = start();
  HWND dialog = openDialog(r, IDM_OUTPUTS, "Display Outputs");
  if (!dialog) return stop(r);
  e2e::checkEq(1, driverWord(0), "the driver starts with the CRT alone");
  e2e::check(!IsWindowEnabled(e2e::control(dialog, IDC_OUT_APPLY)), "Apply starts disabled");
  setChecked(dialog, IDC_OUT_TV, true);
  e2e::pause(200);
  e2e::click(e2e::control(dialog, IDC_OUT_APPLY));
  e2e::pause(500);
  e2e::checkEq(5, driverWord(0), "after Apply the driver has the CRT and the TV on");
  HWND contrast = e2e::control(dialog, IDC_OUT_CONTRAST);
  e2e::check(IsWindowEnabled(contrast) != 0, "with the TV on the contrast slider is enabled");
  const long long top = SendMessageA(contrast, TBM_GETRANGEMAX, 0, 0);
  SetForegroundWindow(dialog);
  SetFocus(contrast);
  e2e::keys(contrast, {VK_END});
  e2e::pause(500);
  e2e::checkEq(top, driverWord(9), "the contrast slider at its end is the driver's contrast");
  e2e::screenshot("vidarix-outputs-dialog");
  e2e::click(e2e::control(dialog, IDOK));
  e2e::check(e2e::waitGone(dialog, 3000), "OK closes the dialog");
  stop(r);
}

E2E_SCENARIO(outputs_dialog_without_tv_shows_its_displays_and_keeps_the_tv_picture_off) {
  selectCard("Savage4", "Displays=3\r\nConnectedDisplays=3\r\n");  // a CRT and an LCD, no TV
  Running r = start();
  HWND dialog = openDialog(r, IDM_OUTPUTS, "Display Outputs", 300);
  if (!dialog) return stop(r);
  const struct {
    int id;
    const char* name;
  } picture[] = {{IDC_OUT_FLICKER, "Flicker filter"}, {IDC_OUT_FLICKER_LEVEL, "flicker slider"},
                 {IDC_OUT_HORZ_SIZE, "horizontal size"}, {IDC_OUT_VERT_SIZE, "vertical size"},
                 {IDC_OUT_LOCK_RATIO, "Lock ratio"}, {IDC_OUT_HORZ_POS, "horizontal position"},
                 {IDC_OUT_VERT_POS, "vertical position"}, {IDC_OUT_BRIGHTNESS, "brightness"},
                 {IDC_OUT_CONTRAST, "contrast"}, {IDC_OUT_COLOUR, "colour"}, {IDC_OUT_TINT, "tint"}};
  for (const auto& c : picture) {
    e2e::check(!IsWindowEnabled(e2e::control(dialog, c.id)), std::string("without TV the ") + c.name + " is disabled");
  }

  // Each display row: its box, then its picture, then its status text.
  SetForegroundWindow(dialog);
  e2e::pause(200);
  const struct {
    int box, icon, status, picture;
    const char* name;
  } rows[] = {{IDC_OUT_CRT, IDC_OUT_CRT_ICON, IDC_OUT_CRT_STATUS, IDI_OUT_CRT, "CRT"},
              {IDC_OUT_TV, IDC_OUT_TV_ICON, IDC_OUT_TV_STATUS, IDI_OUT_TV, "TV"},
              {IDC_OUT_LCD, IDC_OUT_LCD_ICON, IDC_OUT_LCD_STATUS, IDI_OUT_LCD, "LCD"},
              {IDC_OUT_FLAT, IDC_OUT_FLAT_ICON, IDC_OUT_FLAT_STATUS, IDI_OUT_LCD, "flat panel"}};
  for (const auto& row : rows) {
    const std::string name = row.name;
    HWND icon = e2e::control(dialog, row.icon);
    if (!e2e::check(icon != nullptr, "the " + name + " row has an icon")) continue;
    const RECT box = rectOf(e2e::control(dialog, row.box)), pic = rectOf(icon),
               status = rectOf(e2e::control(dialog, row.status));
    e2e::check(box.right <= pic.left && pic.right <= status.left && pic.top < status.bottom &&
                   status.top < pic.bottom,
               "the " + name + " icon stands between its box and its status text");
    shownicon::checkShows(icon, exePath(), row.picture, "the " + name + " icon is the program's picture");
  }
  e2e::checkEq("Connected", e2e::text(e2e::control(dialog, IDC_OUT_LCD_STATUS)), "the LCD is connected");

  HWND tvGroup = groupBox(dialog, "TV");
  RECT expand = rectOf(e2e::control(dialog, IDC_OUT_EXPAND_LCD)), tv = rectOf(tvGroup), both;
  e2e::check(tvGroup != nullptr, "the dialog has a TV group");
  e2e::check(!IntersectRect(&both, &expand, &tv), "\"E&xpand LCD\" stands outside the TV group");
  e2e::screenshot("vidarix-outputs-no-tv");
  PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  e2e::check(e2e::waitGone(dialog, 3000), "Close closes the dialog");
  stop(r);
  selectCard("Savage4");
}

E2E_SCENARIO(outputs_dialog_reports_a_refused_switch) {
  selectCard("Savage4", "SwitchableDisplays=1\r\n");
  Running r = start();
  HWND dialog = openDialog(r, IDM_OUTPUTS, "Display Outputs");
  if (!dialog) return stop(r);
  setChecked(dialog, IDC_OUT_TV, true);
  PostMessageA(dialog, WM_COMMAND, IDC_OUT_APPLY, 0);
  HWND box = e2e::waitDialog(r.process.id, "Vidarix", 5000);
  e2e::check(box != nullptr, "a refused switch shows a box");
  if (box) {
    e2e::pause(300);
    e2e::screenshot("vidarix-outputs-refused");
    e2e::checkEq("Could not set displays.", e2e::text(e2e::control(box, IDC_MSGBOX_TEXT)), "the box says so");
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    e2e::waitGone(box, 3000);
  }
  e2e::checkEq(1, driverWord(0), "the driver keeps the CRT alone");
  PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  e2e::waitGone(dialog, 3000);
  stop(r);
  selectCard("Savage4");
}

E2E_SCENARIO(minigl_dialog_adds_removes_and_stores_icdmode) {
  e2e::regDeleteTree(HKEY_LOCAL_MACHINE, kS3GLKey);
  e2e::regWriteString(HKEY_LOCAL_MACHINE, kS3GLKey, "", "");
  CreateDirectoryA("C:\\Games", nullptr);
  CreateDirectoryA("C:\\Other", nullptr);
  e2e::writeFile("C:\\Games\\racer.exe", "MZ");
  e2e::writeFile("C:\\Other\\flyer.exe", "MZ");
  e2e::writeFile("C:\\Other\\third.exe", "MZ");
  Running r = start();
  HWND dialog = openDialog(r, IDM_MINIGL_CONFIG, "MiniGL Applications");
  if (!dialog) return stop(r);
  e2e::check(!IsWindowEnabled(e2e::control(dialog, IDC_MGL_REMOVE)), "Remove starts disabled");

  PostMessageA(dialog, WM_COMMAND, IDC_MGL_ADD, 0);
  HWND chooser = e2e::waitDialog(r.process.id, "Add MiniGL Application", 5000);
  e2e::check(chooser != nullptr, "Add... opens \"Add MiniGL Application\"");
  if (chooser) {
    e2e::pause(500);
    HWND edit = findEdit(chooser);
    e2e::check(edit != nullptr, "the chooser has a file name box");
    if (edit) e2e::setText(edit, "C:\\Games\\racer.exe");
    PostMessageA(chooser, WM_COMMAND, IDOK, 0);
    e2e::waitGone(chooser, 5000);
  }
  e2e::pause(300);
  e2e::check(keyExists("Software\\S3\\S3GL\\RACER.EXE"), "RACER.EXE is registered");

  PostMessageA(dialog, WM_DROPFILES, reinterpret_cast<WPARAM>(dropInto(r.process.handle, std::string("C:\\Other\\flyer.exe") + '\0' +
                                                                     "C:\\Other\\third.exe" + '\0')),
               0);
  e2e::pause(500);
  e2e::check(keyExists("Software\\S3\\S3GL\\FLYER.EXE"),
             "the first dropped file is registered");
  e2e::check(!keyExists("Software\\S3\\S3GL\\THIRD.EXE"),
             "the second dropped file is not");
  HWND list = e2e::control(dialog, IDC_MGL_LIST);
  e2e::checkEq(2, SendMessageA(list, LB_GETCOUNT, 0, 0), "the list holds both programs");
  e2e::screenshot("vidarix-minigl-dialog");

  // Sorted: FLYER.EXE comes first.
  SendMessageA(list, LB_SETCURSEL, 0, 0);
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_MGL_LIST, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
  e2e::pause(300);
  e2e::check(IsWindowEnabled(e2e::control(dialog, IDC_MGL_REMOVE)) != 0, "a selection enables Remove");
  e2e::click(e2e::control(dialog, IDC_MGL_REMOVE));
  e2e::pause(300);
  e2e::check(!keyExists("Software\\S3\\S3GL\\FLYER.EXE"), "FLYER.EXE is removed");

  const bool was = e2e::checked(e2e::control(dialog, IDC_MGL_ALLOW));
  setChecked(dialog, IDC_MGL_ALLOW, !was);
  e2e::click(e2e::control(dialog, IDOK));
  e2e::check(e2e::waitGone(dialog, 3000), "OK closes the dialog");
  stop(r);

  e2e::checkEq("C:\\Games\\RACER.EXE", e2e::iniRead(schemeFile(), "MiniGL", "RACER.EXE"), "the path record of RACER.EXE");
  e2e::checkEq("C:\\Other\\FLYER.EXE", e2e::iniRead(schemeFile(), "MiniGL", "FLYER.EXE"),
               "a removed program keeps its path record");
  std::string icd;
  e2e::regReadString(HKEY_CURRENT_CONFIG, "Display\\Settings", "ICDMode", &icd);
  e2e::checkEq(was ? "0" : "1", icd, "ICDMode is the box's state");
  // The scenarios that follow expect a fresh start.
  e2e::regDeleteValue(HKEY_CURRENT_CONFIG, "Display\\Settings", "ICDMode");
  e2e::regDeleteTree(HKEY_LOCAL_MACHINE, kS3GLKey);
}
