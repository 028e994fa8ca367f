#include "tests/e2e/memtool_tray/tray_fixture.h"

#include <commctrl.h>

namespace traye2e {

std::string systemIniPath() {
  char dir[MAX_PATH] = {};
  GetWindowsDirectoryA(dir, MAX_PATH);
  return std::string(dir) + "\\system.ini";
}

const char kTestSystemIni[] =
    "; SYSTEM.INI of the Memtidy tray test\r\n"
    "[boot]\r\n"
    "shell=Explorer.exe\r\n"
    "system.drv=system.drv\r\n"
    "[vcache]\r\n"
    "; cache limits below\r\n"
    "MinFileCache=3000\r\n"
    "MaxFileCache=1000\r\n"
    "CHUNKSIZE=512\r\n"
    "Tuned=yes\r\n"
    "[386Enh]\r\n"
    "device=*vmm\r\n"
    "EMMExclude=C000-CFFF\r\n"
    "[drivers]\r\n"
    "wave=mmsystem.dll\r\n";

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::string cur;
  for (char c : text) {
    if (c == '\n') {
      if (!cur.empty() && cur.back() == '\r') cur.pop_back();
      out.push_back(cur);
      cur.clear();
    } else {
      cur += c;
    }
  }
  if (!cur.empty()) out.push_back(cur);
  return out;
}

namespace {
bool startsWithNoCase(const std::string& s, const std::string& prefix) {
  return s.size() >= prefix.size() && _strnicmp(s.c_str(), prefix.c_str(), prefix.size()) == 0;
}
}  // namespace

std::vector<std::string> withoutCacheEntries(const std::vector<std::string>& all) {
  std::vector<std::string> out;
  for (const std::string& l : all)
    if (!startsWithNoCase(l, "MinFileCache=") && !startsWithNoCase(l, "MaxFileCache=") &&
        !startsWithNoCase(l, "CHUNKSIZE="))
      out.push_back(l);
  return out;
}

std::string cacheEntry(const std::string& fileText, const std::string& key) {
  bool inVcache = false;
  for (const std::string& l : lines(fileText)) {
    if (!l.empty() && l[0] == '[') {
      inVcache = _stricmp(l.c_str(), "[vcache]") == 0;
      continue;
    }
    if (inVcache && startsWithNoCase(l, key + "=")) return l.substr(key.size() + 1);
  }
  return "<absent>";
}

void quietSettings() {
  mte2e::forgetSettings();
  const char* key = mte2e::kSettingsKey;
  e2e::regWriteDword(HKEY_CURRENT_USER, key, "Target Fre RAM", 8);
  e2e::regWriteDword(HKEY_CURRENT_USER, key, "Minimum Free RAM", 0);
  e2e::regWriteDword(HKEY_CURRENT_USER, key, "AutoStart", 0);
  const double zero = 0, menu1 = 16, menu2 = 8, menu3 = 4;
  e2e::regWriteBinary(HKEY_CURRENT_USER, key, "FreeValue1", &zero, sizeof zero);
  e2e::regWriteBinary(HKEY_CURRENT_USER, key, "Menu1", &menu1, sizeof menu1);
  e2e::regWriteBinary(HKEY_CURRENT_USER, key, "Menu2", &menu2, sizeof menu2);
  e2e::regWriteBinary(HKEY_CURRENT_USER, key, "Menu3", &menu3, sizeof menu3);
}

int sliderPos(const mte2e::Session& s, mt::Ctl id) {
  return static_cast<int>(SendMessageA(s.control(id), TBM_GETPOS, 0, 0));
}

bool isEnabled(const mte2e::Session& s, mt::Ctl id) { return IsWindowEnabled(s.control(id)) != FALSE; }

void hover(HWND w, int x, int y) {
  PostMessageA(w, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
  e2e::pause(200);
}

HWND tabSheet(const mte2e::Session& s) { return e2e::control(s.form, 999); }

HWND openTrayMenu(const mte2e::Session& s, int x, int y) {
  e2e::waitNoPopupMenu(3000);
  SetCursorPos(x, y);
  PostMessageA(s.tray, WM_USER, 0, WM_RBUTTONUP);
  return e2e::waitPopupMenu(5000);
}

void chooseFromBottom(HWND menu, int upPresses) {
  for (int i = 0; i < upPresses; ++i) {
    PostMessageA(menu, WM_KEYDOWN, VK_UP, 0);
    PostMessageA(menu, WM_KEYUP, VK_UP, 0);
    e2e::pause(150);
  }
  PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
  PostMessageA(menu, WM_KEYUP, VK_RETURN, 0);
  e2e::waitNoPopupMenu(5000);
  e2e::pause(500);
}

}  // namespace traye2e
