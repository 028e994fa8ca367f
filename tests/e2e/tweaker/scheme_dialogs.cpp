// Schemes in the running program: saved from Configure Schemes, asked about
// when the name exists, refused when the file cannot hold the name, applied
// from the tray's Schemes submenu (registry, "Current", chip clock, display
// reset), imported with "Yes to all", and deleted. Photographed.
#include <algorithm>
#include <string>
#include <vector>

#include "tests/e2e/common/driver.h"
#include "tests/e2e/tweaker/display_watch.h"
#include "tests/e2e/tweaker/tray_session.h"

namespace {

std::string schemeFile() {
  char sys[MAX_PATH] = {0};
  GetSystemDirectoryA(sys, MAX_PATH);
  return std::string(sys) + "\\Vidarix.dat";
}

std::string scheme(const char* name) { return e2e::iniRead(schemeFile(), "Ferrolux", name, "(none)"); }
void putScheme(const std::string& file, const char* name, const char* line) {
  WritePrivateProfileStringA("Ferrolux", name, line, file.c_str());
}

std::string current() {
  const std::vector<std::string> names = tray::currentSchemeNames();
  return names.empty() ? "(no card key)" : names[0];
}

// Opens the Schemes submenu, the first item of the tray popup; "Configure..."
// is then highlighted.
HWND openSchemes(tray::Session& s) {
  HWND menu = s.openMenu();
  if (!menu) return nullptr;
  e2e::keys(menu, {VK_DOWN, VK_RIGHT});
  e2e::pause(200);
  return menu;
}

// Chooses the item `steps` below "Configure..." (separators are skipped).
void chooseScheme(tray::Session& s, int steps, const char* shot = nullptr) {
  HWND menu = openSchemes(s);
  if (!menu) return;
  for (int i = 0; i < steps; ++i) e2e::keys(menu, {VK_DOWN});
  if (shot) e2e::screenshot(shot);
  e2e::keys(menu, {VK_RETURN});
  e2e::waitNoPopupMenu(3000);
}

HWND openConfigure(tray::Session& s) {
  chooseScheme(s, 0);
  HWND d = e2e::waitDialog(s.process().id, "Configure Schemes", 5000);
  e2e::check(d != nullptr, "\"Configure...\" opens Configure Schemes");
  return d;
}

// Buttons that open a modal window are posted, so this thread is not held.
void post(HWND dialog, int id, int code = 0) { PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, code), 0); }

HWND openSaveAs(tray::Session& s, HWND configure) {
  post(configure, 1066);
  HWND d = e2e::waitDialog(s.process().id, "Save Scheme As", 5000);
  e2e::check(d != nullptr, "\"Sa&ve as...\" opens Save As");
  return d;
}

LRESULT listCount(tray::Session& s) {
  HWND list = FindWindowExA(s.window(), nullptr, "listbox", "VDXList");
  return list ? SendMessageA(list, LB_GETCOUNT, 0, 0) : -1;
}

// The file-name edit of an open-file dialog, wherever the dialog keeps it.
HWND findEdit(HWND parent) {
  for (HWND c = FindWindowExA(parent, nullptr, nullptr, nullptr); c; c = FindWindowExA(parent, c, nullptr, nullptr)) {
    char cls[32] = {0};
    GetClassNameA(c, cls, sizeof cls);
    if (lstrcmpiA(cls, "Edit") == 0 && IsWindowVisible(c)) return c;
    if (HWND inner = findEdit(c)) return inner;
  }
  return nullptr;
}

// The icon's tooltip, hovered at the right end of the taskbar.
std::string hoverTip() {
  const int x = GetSystemMetrics(SM_CXSCREEN) - 12, y = GetSystemMetrics(SM_CYSCREEN) - 11;
  SetCursorPos(x - 300, y - 300);
  e2e::pause(300);
  SetCursorPos(x - 30, y);
  e2e::pause(200);
  SetCursorPos(x, y);
  e2e::pause(1500);
  std::string text;
  for (HWND w = FindWindowA("tooltips_class32", nullptr); w;
       w = FindWindowExA(nullptr, w, "tooltips_class32", nullptr)) {
    if (IsWindowVisible(w)) text = e2e::text(w);
  }
  SetCursorPos(x - 300, y - 300);
  return text;
}

// What these scenarios change, put back for the scenarios that follow.
void forgetSchemeState() {
  for (const char* name : {"ConfirmAGPChanges", "AutoResetDisplay"})
    e2e::regDeleteValue(HKEY_LOCAL_MACHINE, tray::kProgramKey, name);
  for (const char* name : {"AA", "VO", "WV"}) e2e::regDeleteValue(HKEY_CURRENT_CONFIG, tray::kSettingsKey, name);
  WritePrivateProfileStringA("Ferrolux", nullptr, nullptr, schemeFile().c_str());
}

}  // namespace

E2E_SCENARIO(schemes_save_ask_refuse_and_apply) {
  forgetSchemeState();
  // VidTex off before, so the scheme below changes it.
  e2e::regWriteString(HKEY_CURRENT_CONFIG, tray::kSettingsKey, "VO", "off");
  tray::Prefs prefs;
  prefs.confirmAgp = false;
  prefs.autoResetDisplay = true;
  tray::Session s(prefs);
  if (!s.running()) return;

  HWND configure = openConfigure(s);
  if (!configure) return;
  e2e::checkEq(schemeFile(), e2e::text(e2e::control(configure, 1056)), "the scheme file path is shown");
  e2e::check(!IsWindowEnabled(e2e::control(configure, 1062)), "\"&Delete\" is off without a selection");
  HWND saveAs = openSaveAs(s, configure);
  if (!saveAs) return;
  e2e::check(!IsWindowEnabled(e2e::control(saveAs, 1)), "OK is off while the name is empty");
  e2e::check(e2e::checked(e2e::control(saveAs, 1092)), "standard settings are included by default");
  e2e::setText(e2e::control(saveAs, 1074), "Alpha");
  e2e::click(e2e::control(saveAs, 1090));
  e2e::pause(200);
  e2e::screenshot("vidarix-scheme-save-as");
  post(saveAs, 1);
  e2e::check(e2e::waitGone(saveAs, 5000), "OK saves and closes");
  // Save As is gone before the save it asked for is written; a slower
  // program (the 32-bit build under Wine) writes it a moment later.
  for (int i = 0; i < 30 && (scheme("Alpha") == "(none)" || current() != "Alpha"); ++i) e2e::pause(100);
  const std::string alpha = scheme("Alpha");
  e2e::check(alpha.compare(0, 3, "AA:") == 0 && alpha.find(" DB:") != std::string::npos,
             "the scheme line holds the standard block", alpha);
  e2e::checkEq("Alpha", current(), "\"Current\" names the saved scheme");
  e2e::pause(300);
  e2e::screenshot("vidarix-configure-schemes");

  // The same name again: "Cancel" stays, "&No" closes without saving.
  saveAs = openSaveAs(s, configure);
  if (!saveAs) return;
  e2e::setText(e2e::control(saveAs, 1074), "Alpha");
  post(saveAs, 1);
  HWND box = s.waitBox();
  e2e::check(box != nullptr, "an existing name is asked about");
  e2e::screenshot("vidarix-scheme-overwrite");
  s.press(box, 2);
  e2e::check(IsWindow(saveAs) != FALSE, "\"Cancel\" keeps Save As open");
  post(saveAs, 1);
  box = s.waitBox();
  s.press(box, 7);
  e2e::check(e2e::waitGone(saveAs, 5000), "\"&No\" closes Save As");

  // A name the file cannot hold as a key.
  saveAs = openSaveAs(s, configure);
  if (!saveAs) return;
  e2e::setText(e2e::control(saveAs, 1074), "a=b");
  post(saveAs, 1);
  box = s.waitBox();
  e2e::check(box != nullptr, "a name with \"=\" is refused with a message");
  s.press(box, 1);
  e2e::check(IsWindow(saveAs) != FALSE, "Save As stays open for another name");
  e2e::checkEq("(none)", scheme("a"), "nothing was saved under \"a\"");
  // A name of blanks only says why it is refused, and Save As stays open.
  e2e::setText(e2e::control(saveAs, 1074), "   ");
  post(saveAs, 1);
  box = s.waitBox();
  e2e::check(box != nullptr, "a name of blanks only is refused with a message");
  e2e::screenshot("vidarix-scheme-blank-name");
  s.press(box, 1);
  e2e::check(IsWindow(saveAs) != FALSE, "Save As stays open after the blank name");
  post(saveAs, 2);
  e2e::waitGone(saveAs, 5000);
  e2e::click(e2e::control(configure, 1));
  e2e::check(e2e::waitGone(configure, 5000), "Close closes Configure Schemes");

  // Another program adds a scheme with a clock; the user changes an option.
  putScheme(schemeFile(), "Fast", "AA:off VO:On MclkSpeed:120.00");
  HWND menu = s.openMenu();
  if (menu) tray::mnemonic(menu, 'v');
  e2e::waitNoPopupMenu(3000);
  e2e::checkEq("", current(), "an option change empties \"Current\"");
  chooseScheme(s, 1);  // "Refresh list"
  e2e::pause(300);
  e2e::checkEq(2, static_cast<long long>(listCount(s)), "the refreshed list holds both schemes");

  {
    const displaywatch::Watch watch;
    chooseScheme(s, 4, "vidarix-tray-schemes-list");  // Alpha, Fast: the second
    displaywatch::pump(3000);
    e2e::checkEq("On", tray::setting("VO"), "the scheme's VidTex is written");
    e2e::checkEq("Fast", current(), "\"Current\" names the applied scheme");
    e2e::checkEq(2, static_cast<long long>(watch.changes()), "AA and VO changed: the display was reset");
  }
  const std::string tip = hoverTip();
  e2e::check(tip.find("@120.") != std::string::npos, "the chip runs the scheme's memory clock", tip);
  forgetSchemeState();
}

E2E_SCENARIO(schemes_import_yes_to_all_and_delete_with_escape) {
  forgetSchemeState();
  for (const char* n : {"Alpha", "Beta", "Gamma"}) putScheme(schemeFile(), n, "TC:64");
  char temp[MAX_PATH] = {0};
  GetTempPathA(MAX_PATH, temp);
  const std::string theirs = std::string(temp) + "theirs.dat";
  DeleteFileA(theirs.c_str());
  for (const char* n : {"Alpha", "Beta", "Gamma"}) putScheme(theirs, n, "TC:128");
  tray::Prefs prefs;
  tray::Session s(prefs);
  if (!s.running()) return;

  HWND configure = openConfigure(s);
  if (!configure) return;
  post(configure, 1064);
  HWND open = e2e::waitDialog(s.process().id, "Update from Schemes File", 5000);
  if (!e2e::check(open != nullptr, "\"&Update\" opens \"Update from Schemes File\"")) return;
  e2e::pause(500);
  e2e::screenshot("vidarix-scheme-import-open");
  e2e::setText(findEdit(open), theirs);
  post(open, IDOK);
  HWND box = s.waitBox();
  if (!e2e::check(box != nullptr, "the first existing scheme is asked about")) return;
  e2e::pause(500);
  e2e::screenshot("vidarix-scheme-import-question");
  s.press(box, 11);  // "Yes to &all"
  e2e::check(s.waitBox(1500) == nullptr, "no further questions after \"Yes to all\"");
  for (const char* n : {"Alpha", "Beta", "Gamma"}) e2e::checkEq("TC:128", scheme(n), std::string(n) + " overwritten");

  HWND list = e2e::control(configure, 1060);
  SendMessageA(list, LB_SETCURSEL, 1, 0);  // "Beta"
  post(configure, 1060, LBN_SELCHANGE);
  e2e::pause(200);
  e2e::check(IsWindowEnabled(e2e::control(configure, 1062)) != FALSE, "a selection enables \"&Delete\"");
  e2e::click(e2e::control(configure, 1062));
  e2e::checkEq(2, static_cast<long long>(SendMessageA(list, LB_GETCOUNT, 0, 0)), "the dialog's list drops it");
  e2e::checkEq("(none)", scheme("Beta"), "the file no longer holds it");
  post(configure, IDCANCEL);  // Escape
  e2e::check(e2e::waitGone(configure, 5000), "Escape closes Configure Schemes");
  e2e::checkEq(3, static_cast<long long>(listCount(s)), "the tray still lists it");
  chooseScheme(s, 1);  // "Refresh list"
  e2e::pause(300);
  e2e::checkEq(2, static_cast<long long>(listCount(s)), "until \"Refresh list\"");
  DeleteFileA(theirs.c_str());
  forgetSchemeState();
}

namespace {

// Lines of a text split at LF, a CR before it dropped.
std::vector<std::string> textLines(const std::string& text) {
  std::vector<std::string> out;
  std::string cur;
  for (char c : text) {
    if (c != '\n') {
      cur += c;
      continue;
    }
    if (!cur.empty() && cur.back() == '\r') cur.pop_back();
    out.push_back(cur);
    cur.clear();
  }
  if (!cur.empty()) out.push_back(cur);
  return out;
}

// Every line but those of the saved scheme and the clock log the program keeps.
std::vector<std::string> foreignLines(const std::string& text) {
  std::vector<std::string> out;
  bool inLog = false;
  for (const std::string& l : textLines(text)) {
    if (!l.empty() && l[0] == '[') inLog = l == "[Vidarix Clk]";
    if (inLog || l.compare(0, 6, "Fresh=") == 0) continue;
    out.push_back(l);
  }
  return out;
}

}  // namespace

// A scheme file no copy of Vidarix wrote: a 5,000-character line, a
// 1,000-character name, control bytes, LF and CRLF mixed, the card's section
// twice. The list shows what it can, a save adds its line and every other
// line stays as it was.
E2E_SCENARIO(schemes_hostile_file_keeps_every_other_line) {
  forgetSchemeState();
  std::string text = "; kept by hand\r\n[Ferrolux]\r\nGood=AA:off VO:On\r\n";
  text += "Long=AA:On " + std::string(5000, 'x') + "\r\n";
  text += std::string(1000, 'N') + "=AA:On\n";
  text += "Controls=AA:On \x01\x02\x07\x1B\x7F\r\n";
  text += "[Other]\nkey=value\r\n[Ferrolux]\r\nAgain=AA:off\r\n";
  e2e::check(e2e::writeFile(schemeFile(), text), "a hostile scheme file written");
  tray::Prefs prefs;
  prefs.confirmAgp = false;
  tray::Session s(prefs);
  if (!s.running()) return;
  HWND configure = openConfigure(s);
  if (!configure) return;
  HWND list = nullptr;
  for (HWND c = GetWindow(configure, GW_CHILD); c && !list; c = GetWindow(c, GW_HWNDNEXT)) {
    char cls[32] = {0};
    GetClassNameA(c, cls, sizeof cls);
    if (lstrcmpiA(cls, "ListBox") == 0) list = c;
  }
  const LRESULT shown = list ? SendMessageA(list, LB_GETCOUNT, 0, 0) : -1;
  e2e::check(shown >= 4, "the schemes of the first section are listed", std::to_string(shown));
  LRESULT widest = 0;
  for (LRESULT i = 0; i < shown; ++i) widest = std::max(widest, SendMessageA(list, LB_GETTEXTLEN, i, 0));
  e2e::check(widest <= 127, "a 1,000-character name is listed cut at 127", std::to_string(widest));
  e2e::screenshot("vidarix-scheme-hostile-file");
  HWND saveAs = openSaveAs(s, configure);
  if (!saveAs) return;
  e2e::setText(e2e::control(saveAs, 1074), "Fresh");
  post(saveAs, 1);
  e2e::check(e2e::waitGone(saveAs, 5000), "a scheme saves into the hostile file");
  e2e::click(e2e::control(configure, 1));
  e2e::waitGone(configure, 5000);
  const std::string after = e2e::readFile(schemeFile());
  e2e::check(after.find("Fresh=AA:") != std::string::npos, "the saved scheme's line is in the file");
  const std::vector<std::string> want = foreignLines(text), got = foreignLines(after);
  std::size_t same = 0;
  while (same < want.size() && same < got.size() && want[same] == got[same]) ++same;
  e2e::check(want == got, "every other line is kept, in order",
             "first difference at line " + std::to_string(same + 1) + ": \"" +
                 (same < got.size() ? got[same].substr(0, 60) : "<end>") + "\"");
  forgetSchemeState();
  DeleteFileA(schemeFile().c_str());  // the scenarios that follow start from no file
}
