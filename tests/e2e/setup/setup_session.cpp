#include "tests/e2e/setup/setup_session.h"

#include <aclapi.h>
#include <shellapi.h>
#include <shlobj.h>
#include <tlhelp32.h>

#include <cstdio>
#include <cstring>

namespace setup {

std::string setupPath() { return e2e::option("setup"); }
std::string expectedVersion() { return e2e::option("version"); }

std::string installDir() {
  char buf[MAX_PATH] = {};
  ExpandEnvironmentStringsA("%ProgramFiles%\\Tessaly", buf, sizeof buf);
  return buf;
}

std::string otherDir() { return "C:\\Other\\Tessaly"; }

std::string startMenuDir() {
  char buf[MAX_PATH] = {};
  SHGetFolderPathA(nullptr, CSIDL_COMMON_PROGRAMS, nullptr, 0, buf);
  return std::string(buf) + "\\" + kProduct;
}

std::string schemeFile() {
  char buf[MAX_PATH] = {};
  GetSystemDirectoryA(buf, sizeof buf);
  return std::string(buf) + "\\Vidarix.dat";
}

bool fileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

DWORD runSetup(const std::string& args) {
  e2e::Process p = e2e::launch(setupPath(), args);
  DWORD code = 0xDEADBEEF;
  if (!e2e::waitExit(p, 60000, &code)) {
    std::printf("  the setup program did not end\n");
    e2e::kill(p);
  }
  return code;
}

namespace {
bool processRuns(const char* exeName) {
  HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snap == INVALID_HANDLE_VALUE) return false;
  PROCESSENTRY32 e = {};
  e.dwSize = sizeof e;
  bool found = false;
  for (BOOL more = Process32First(snap, &e); more && !found; more = Process32Next(snap, &e))
    found = _stricmp(e.szExeFile, exeName) == 0;
  CloseHandle(snap);
  return found;
}
}  // namespace

DWORD runSetupWatchingFor(const std::string& args, const char* exeName, bool* seen) {
  *seen = false;
  e2e::Process p = e2e::launch(setupPath(), args);
  DWORD code = 0xDEADBEEF;
  DWORD end = GetTickCount() + 60000;
  while (!e2e::waitExit(p, 10, &code)) {
    *seen = *seen || processRuns(exeName);
    if ((LONG)(end - GetTickCount()) <= 0) {
      std::printf("  the setup program did not end\n");
      e2e::kill(p);
      return code;
    }
  }
  for (DWORD after = GetTickCount() + 3000; !*seen && (LONG)(after - GetTickCount()) > 0; Sleep(10))
    *seen = processRuns(exeName);
  return code;
}

bool runUninstallSilently(const std::string& dir) {
  e2e::Process p = e2e::launch(dir + "\\uninstall.exe", "/S");
  e2e::waitExit(p, 30000);
  for (int i = 0; i < 300; ++i) {
    if (!e2e::regExists(HKEY_LOCAL_MACHINE, kUninstallKey, "UninstallString")) {
      e2e::pause(500);  // the copy removes its last files after the key
      return true;
    }
    e2e::pause(100);
  }
  return false;
}

HWND startMemtidyFromShortcut() {
  std::string link = startMenuDir() + "\\Memtidy.lnk";
  SHELLEXECUTEINFOA sei = {};
  sei.cbSize = sizeof sei;
  sei.lpVerb = "open";
  sei.lpFile = link.c_str();
  sei.nShow = SW_SHOWNORMAL;
  if (!ShellExecuteExA(&sei)) {
    std::printf("  cannot open %s (error %lu)\n", link.c_str(), GetLastError());
    return nullptr;
  }
  HWND form = e2e::waitWindow("TForm1", "Memtidy Manager", 15000);
  if (!form) return nullptr;
  for (int i = 0; i < 50 && !memtidyTrayIconPresent(); ++i) e2e::pause(100);
  return memtidyTrayIconPresent() ? form : nullptr;
}

bool memtidyTrayIconPresent() {
  HWND tray = FindWindowA("TkbTrayIconWindow", nullptr);
  return tray && e2e::trayIconPresent(tray, 0);
}

bool waitProcessEnds(DWORD pid, int timeoutMs) {
  HANDLE h = OpenProcess(SYNCHRONIZE, FALSE, pid);
  if (!h) return true;  // already gone
  bool ended = WaitForSingleObject(h, timeoutMs) == WAIT_OBJECT_0;
  CloseHandle(h);
  return ended;
}

DWORD memtidyProcess() {
  HWND form = FindWindowA("TForm1", "Memtidy Manager");
  DWORD pid = 0;
  if (form) GetWindowThreadProcessId(form, &pid);
  return pid;
}

std::string processImage(DWORD pid) {
  HANDLE h = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
  if (!h) return "";
  char buf[MAX_PATH] = {};
  DWORD size = sizeof buf;
  std::string path = QueryFullProcessImageNameA(h, 0, buf, &size) ? buf : "";
  CloseHandle(h);
  return path;
}

namespace {
constexpr char kWineKey[] = "Software\\Wine";
constexpr char kUninstallParent[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
}  // namespace

AsWindowsNt::AsWindowsNt() { e2e::regWriteString(HKEY_CURRENT_USER, kWineKey, "Version", "winxp"); }
AsWindowsNt::~AsWindowsNt() { e2e::regWriteString(HKEY_CURRENT_USER, kWineKey, "Version", "win98"); }

HklmWriteDenied::HklmWriteDenied() {
  HKEY k = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kUninstallParent, 0, READ_CONTROL | WRITE_DAC, &k) != ERROR_SUCCESS) return;
  DWORD size = 0;
  RegGetKeySecurity(k, DACL_SECURITY_INFORMATION, nullptr, &size);
  std::string before(size, '\0');
  SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
  PSID everyone = nullptr;
  PACL acl = nullptr;
  EXPLICIT_ACCESS_A deny = {};
  if (size && RegGetKeySecurity(k, DACL_SECURITY_INFORMATION, before.data(), &size) == ERROR_SUCCESS &&
      AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone)) {
    deny.grfAccessPermissions = KEY_SET_VALUE | KEY_CREATE_SUB_KEY;
    deny.grfAccessMode = DENY_ACCESS;
    deny.Trustee.TrusteeForm = TRUSTEE_IS_SID;
    deny.Trustee.ptstrName = static_cast<LPSTR>(everyone);
    SECURITY_DESCRIPTOR sd;
    if (SetEntriesInAclA(1, &deny, nullptr, &acl) == ERROR_SUCCESS &&
        InitializeSecurityDescriptor(&sd, SECURITY_DESCRIPTOR_REVISION) && SetSecurityDescriptorDacl(&sd, TRUE, acl, FALSE) &&
        RegSetKeySecurity(k, DACL_SECURITY_INFORMATION, &sd) == ERROR_SUCCESS)
      saved_ = before;
  }
  if (acl) LocalFree(acl);
  if (everyone) FreeSid(everyone);
  RegCloseKey(k);
}

HklmWriteDenied::~HklmWriteDenied() {
  if (saved_.empty()) return;
  HKEY k = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kUninstallParent, 0, WRITE_DAC, &k) != ERROR_SUCCESS) return;
  RegSetKeySecurity(k, DACL_SECURITY_INFORMATION, saved_.data());
  RegCloseKey(k);
}

// ---- the wizard ----------------------------------------------------------------

namespace {
struct Search {
  const char* title;
  HWND exclude;
  HWND found;
};

BOOL CALLBACK findDialog(HWND w, LPARAM lp) {
  auto* s = reinterpret_cast<Search*>(lp);
  char cls[64] = {};
  GetClassNameA(w, cls, sizeof cls);
  // NSIS captions end with a space.
  std::string title = e2e::text(w);
  while (!title.empty() && title.back() == ' ') title.pop_back();
  if (w != s->exclude && IsWindowVisible(w) && std::strcmp(cls, "#32770") == 0 && title == s->title) {
    s->found = w;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK listWindow(HWND w, LPARAM) {
  if (!IsWindowVisible(w)) return TRUE;
  char cls[64] = {};
  GetClassNameA(w, cls, sizeof cls);
  std::printf("    visible: class \"%s\", title \"%s\"\n", cls, e2e::text(w).c_str());
  return TRUE;
}

HWND waitDialogTitled(const char* title, HWND exclude, int timeoutMs) {
  DWORD end = GetTickCount() + timeoutMs;
  for (;;) {
    Search s{title, exclude, nullptr};
    EnumWindows(findDialog, reinterpret_cast<LPARAM>(&s));
    if (s.found) return s.found;
    if ((LONG)(end - GetTickCount()) <= 0) {
      std::printf("  no dialog titled \"%s\"; the screen has:\n", title);
      EnumWindows(listWindow, 0);
      return nullptr;
    }
    Sleep(50);
  }
}

BOOL CALLBACK collectText(HWND w, LPARAM lp) {
  if (IsWindowVisible(w)) *reinterpret_cast<std::string*>(lp) += e2e::text(w) + "\n";
  return TRUE;
}
}  // namespace

HWND waitWizard(const char* title, int timeoutMs) { return waitDialogTitled(title, nullptr, timeoutMs); }

HWND waitMessageBox(const char* title, HWND wizard, int timeoutMs) {
  return waitDialogTitled(title, wizard, timeoutMs);
}

std::string pageText(HWND wizard) {
  std::string all;
  EnumChildWindows(wizard, collectText, reinterpret_cast<LPARAM>(&all));
  return all;
}

bool waitPage(HWND wizard, const char* fragment, int timeoutMs) {
  DWORD end = GetTickCount() + timeoutMs;
  for (;;) {
    if (pageText(wizard).find(fragment) != std::string::npos) return true;
    if ((LONG)(end - GetTickCount()) <= 0) return false;
    Sleep(100);
  }
}

}  // namespace setup
