#include "tests/e2e/common/driver.h"

#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace e2e {
namespace {

int g_passed = 0;
int g_failed = 0;

struct Key {
  HKEY h = nullptr;
  Key(HKEY root, const char* path, bool create) {
    LONG rc = create ? RegCreateKeyExA(root, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &h, nullptr)
                     : RegOpenKeyExA(root, path, 0, KEY_READ | KEY_WRITE, &h);
    if (rc != ERROR_SUCCESS) h = nullptr;
  }
  ~Key() {
    if (h) RegCloseKey(h);
  }
};

}  // namespace

bool check(bool ok, const std::string& what, const std::string& saw) {
  if (ok) {
    ++g_passed;
    std::printf("  ok   %s\n", what.c_str());
  } else {
    ++g_failed;
    std::printf("  FAIL %s%s%s\n", what.c_str(), saw.empty() ? "" : ": saw ", saw.c_str());
  }
  std::fflush(stdout);
  return ok;
}

bool checkEq(const std::string& want, const std::string& got, const std::string& what) {
  return check(want == got, what, "\"" + got + "\", wanted \"" + want + "\"");
}

bool checkEq(long long want, long long got, const std::string& what) {
  return check(want == got, what, std::to_string(got) + ", wanted " + std::to_string(want));
}

int finish(const char* name) {
  std::printf("%s: %d passed, %d failed\n", name, g_passed, g_failed);
  std::fflush(stdout);
  return g_failed ? 1 : 0;
}

void section(const std::string& title) {
  std::printf("-- %s\n", title.c_str());
  std::fflush(stdout);
}

Process launch(const std::string& exe, const std::string& args) {
  Process p;
  std::string cmd = "\"" + exe + "\"" + (args.empty() ? "" : " " + args);
  std::string dir = exe;
  size_t slash = dir.find_last_of("\\/");
  dir = slash == std::string::npos ? std::string(".") : dir.substr(0, slash);
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  std::vector<char> line(cmd.begin(), cmd.end());
  line.push_back('\0');
  // A loaded machine sometimes makes Wine refuse a start with an internal
  // error that a moment later is gone; three tries tell that from a real
  // failure.
  for (int attempt = 1; attempt <= 3; ++attempt) {
    if (CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, dir.c_str(), &si, &pi)) {
      CloseHandle(pi.hThread);
      p.handle = pi.hProcess;
      p.id = pi.dwProcessId;
      WaitForInputIdle(p.handle, 5000);
      return p;
    }
    std::printf("  cannot start %s (error %lu, try %d of 3)\n", cmd.c_str(), GetLastError(), attempt);
    Sleep(500);
  }
  return p;
}

bool waitExit(Process& p, int timeoutMs, DWORD* exitCode) {
  if (!p.handle) return true;
  if (WaitForSingleObject(p.handle, timeoutMs) != WAIT_OBJECT_0) return false;
  DWORD code = 0;
  GetExitCodeProcess(p.handle, &code);
  if (exitCode) *exitCode = code;
  CloseHandle(p.handle);
  p.handle = nullptr;
  return true;
}

void kill(Process& p) {
  if (!p.handle) return;
  TerminateProcess(p.handle, 1);
  WaitForSingleObject(p.handle, 5000);
  CloseHandle(p.handle);
  p.handle = nullptr;
}

void pause(int ms) {
  // Pump our own messages while waiting: a hook or a window of ours may need them.
  DWORD end = GetTickCount() + ms;
  for (;;) {
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&m);
      DispatchMessageA(&m);
    }
    LONG left = (LONG)(end - GetTickCount());
    if (left <= 0) break;
    Sleep(left < 20 ? left : 20);
  }
}

HWND waitWindow(const char* cls, const char* title, int timeoutMs) {
  DWORD end = GetTickCount() + timeoutMs;
  for (;;) {
    HWND w = FindWindowA(cls, title);
    if (w) return w;
    if ((LONG)(end - GetTickCount()) <= 0) return nullptr;
    Sleep(50);
  }
}

static bool waitFor(HWND w, int timeoutMs, bool (*done)(HWND)) {
  DWORD end = GetTickCount() + timeoutMs;
  for (;;) {
    if (done(w)) return true;
    if ((LONG)(end - GetTickCount()) <= 0) return false;
    Sleep(50);
  }
}

bool waitGone(HWND w, int timeoutMs) {
  return waitFor(w, timeoutMs, [](HWND h) { return !IsWindow(h); });
}
bool waitHidden(HWND w, int timeoutMs) {
  return waitFor(w, timeoutMs, [](HWND h) { return !IsWindow(h) || !IsWindowVisible(h); });
}
bool waitVisible(HWND w, int timeoutMs) {
  return waitFor(w, timeoutMs, [](HWND h) { return IsWindow(h) && IsWindowVisible(h); });
}

HWND control(HWND dialog, int id) { return GetDlgItem(dialog, id); }

std::string text(HWND w) {
  char buf[4096] = {};
  LRESULT n = SendMessageA(w, WM_GETTEXT, sizeof buf, (LPARAM)buf);
  if (n < 0) n = 0;
  if (n >= (LRESULT)sizeof buf) n = sizeof buf - 1;
  return std::string(buf, (size_t)n);
}

void setText(HWND w, const std::string& s) { SendMessageA(w, WM_SETTEXT, 0, (LPARAM)s.c_str()); }

void click(HWND button) { SendMessageA(button, BM_CLICK, 0, 0); }

bool checked(HWND button) { return SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

std::vector<HWND> windowsOf(DWORD processId) {
  struct Ctx {
    DWORD pid;
    std::vector<HWND> found;
  } ctx{processId, {}};
  EnumWindows(
      [](HWND w, LPARAM lp) CALLBACK -> BOOL {
        auto* c = reinterpret_cast<Ctx*>(lp);
        DWORD pid = 0;
        GetWindowThreadProcessId(w, &pid);
        if (pid == c->pid && IsWindowVisible(w)) c->found.push_back(w);
        return TRUE;
      },
      (LPARAM)&ctx);
  return ctx.found;
}

HWND waitDialog(DWORD processId, const char* title, int timeoutMs) {
  DWORD end = GetTickCount() + timeoutMs;
  for (;;) {
    for (HWND w : windowsOf(processId)) {
      char cls[64] = {};
      GetClassNameA(w, cls, sizeof cls);
      if (std::string(cls) == "#32770" && (!title || text(w) == title)) return w;
    }
    if ((LONG)(end - GetTickCount()) <= 0) return nullptr;
    Sleep(50);
  }
}

HWND waitPopupMenu(int timeoutMs) {
  DWORD end = GetTickCount() + timeoutMs;
  for (;;) {
    HWND w = FindWindowA("#32768", nullptr);
    if (w && IsWindowVisible(w)) return w;
    if ((LONG)(end - GetTickCount()) <= 0) return nullptr;
    Sleep(50);
  }
}

bool waitNoPopupMenu(int timeoutMs) {
  DWORD end = GetTickCount() + timeoutMs;
  for (;;) {
    HWND w = FindWindowA("#32768", nullptr);
    if (!w || !IsWindowVisible(w)) return true;
    if ((LONG)(end - GetTickCount()) <= 0) return false;
    Sleep(50);
  }
}

bool trayIconPresent(HWND owner, UINT id) {
  NOTIFYICONDATAA nid;
  std::memset(&nid, 0, sizeof nid);
  nid.cbSize = sizeof nid;
  nid.hWnd = owner;
  nid.uID = id;
  return Shell_NotifyIconA(NIM_MODIFY, &nid) != FALSE;
}

void keys(HWND w, const std::vector<UINT>& virtualKeys, int pauseMs) {
  for (UINT vk : virtualKeys) {
    PostMessageA(w, WM_KEYDOWN, vk, 1);
    PostMessageA(w, WM_KEYUP, vk, 0xC0000001);
    Sleep(pauseMs);
  }
}

bool regReadDword(HKEY root, const char* path, const char* name, DWORD* out) {
  Key k(root, path, false);
  if (!k.h) return false;
  DWORD type = 0, size = sizeof(DWORD);
  return RegQueryValueExA(k.h, name, nullptr, &type, (BYTE*)out, &size) == ERROR_SUCCESS && type == REG_DWORD;
}

bool regReadString(HKEY root, const char* path, const char* name, std::string* out) {
  Key k(root, path, false);
  if (!k.h) return false;
  char buf[2048] = {};
  DWORD type = 0, size = sizeof buf - 1;
  if (RegQueryValueExA(k.h, name, nullptr, &type, (BYTE*)buf, &size) != ERROR_SUCCESS || type != REG_SZ)
    return false;
  *out = std::string(buf, strnlen(buf, size));
  return true;
}

bool regReadBinary(HKEY root, const char* path, const char* name, std::vector<unsigned char>* out) {
  Key k(root, path, false);
  if (!k.h) return false;
  DWORD type = 0, size = 0;
  if (RegQueryValueExA(k.h, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return false;
  out->assign(size, 0);
  return RegQueryValueExA(k.h, name, nullptr, &type, out->data(), &size) == ERROR_SUCCESS &&
         type == REG_BINARY;
}

bool regWriteDword(HKEY root, const char* path, const char* name, DWORD v) {
  Key k(root, path, true);
  return k.h && RegSetValueExA(k.h, name, 0, REG_DWORD, (const BYTE*)&v, sizeof v) == ERROR_SUCCESS;
}

bool regWriteString(HKEY root, const char* path, const char* name, const std::string& v) {
  Key k(root, path, true);
  return k.h && RegSetValueExA(k.h, name, 0, REG_SZ, (const BYTE*)v.c_str(), (DWORD)v.size() + 1) ==
                    ERROR_SUCCESS;
}

bool regWriteBinary(HKEY root, const char* path, const char* name, const void* data, DWORD size) {
  Key k(root, path, true);
  return k.h && RegSetValueExA(k.h, name, 0, REG_BINARY, (const BYTE*)data, size) == ERROR_SUCCESS;
}

bool regExists(HKEY root, const char* path, const char* name) {
  Key k(root, path, false);
  if (!k.h) return false;
  return RegQueryValueExA(k.h, name, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

void regDeleteValue(HKEY root, const char* path, const char* name) {
  Key k(root, path, false);
  if (k.h) RegDeleteValueA(k.h, name);
}

void regDeleteTree(HKEY root, const char* path) {
  HKEY h;
  if (RegOpenKeyExA(root, path, 0, KEY_ALL_ACCESS, &h) != ERROR_SUCCESS) return;
  char sub[512];
  for (;;) {
    DWORD n = sizeof sub;
    if (RegEnumKeyExA(h, 0, sub, &n, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    regDeleteTree(h, sub);
  }
  RegCloseKey(h);
  RegDeleteKeyA(root, path);
}

std::string iniRead(const std::string& file, const char* section, const char* key, const char* dflt) {
  // The simulator's state lines run to some 2,200 characters.
  char buf[8192] = {};
  GetPrivateProfileStringA(section, key, dflt, buf, sizeof buf, file.c_str());
  return buf;
}

std::string readFile(const std::string& path) {
  std::string out;
  HANDLE f = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                         nullptr);
  if (f == INVALID_HANDLE_VALUE) return out;
  char buf[4096];
  DWORD n = 0;
  while (ReadFile(f, buf, sizeof buf, &n, nullptr) && n > 0) out.append(buf, n);
  CloseHandle(f);
  return out;
}

bool writeFile(const std::string& path, const std::string& data) {
  HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return false;
  DWORD n = 0;
  bool ok = WriteFile(f, data.data(), (DWORD)data.size(), &n, nullptr) && n == data.size();
  CloseHandle(f);
  return ok;
}

bool screenshot(const std::string& name) {
  const char* dir = std::getenv("TRAY_SCREENSHOTS");
  std::string path = std::string(dir && *dir ? dir : "build\\screenshots") + "\\" + name + ".bmp";
  int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  BITMAPINFO bi = {};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = w;
  bi.bmiHeader.biHeight = h;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 24;
  bi.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bmp = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  bool ok = false;
  if (bmp) {
    HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(mem, 0, 0, w, h, screen, 0, 0, SRCCOPY);
    SelectObject(mem, old);
    DWORD stride = ((DWORD)w * 3 + 3) & ~3u;
    DWORD imageSize = stride * (DWORD)h;
    BITMAPFILEHEADER fh = {};
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof fh + sizeof bi.bmiHeader;
    fh.bfSize = fh.bfOffBits + imageSize;
    std::string data((const char*)&fh, sizeof fh);
    data.append((const char*)&bi.bmiHeader, sizeof bi.bmiHeader);
    data.append((const char*)bits, imageSize);
    ok = writeFile(path, data);
    DeleteObject(bmp);
  }
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);
  std::printf("  screenshot %s%s\n", path.c_str(), ok ? "" : " FAILED");
  return ok;
}

}  // namespace e2e
