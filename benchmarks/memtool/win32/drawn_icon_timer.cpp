// The drawn-icon baseline: the bare one-second timer reading the memory
// status, drawing Memtidy's free-memory icon each tick and handing the icon to
// the shell only when the drawn picture differs, pixel for pixel, from the one
// the shell holds; the tip ("Memtidy (N MB)") goes alone when only it changed.
// Its counts are printed after every tick, so the last line holds the run's
// totals (comparing the pixels costs it more than Memtidy's drawing does).
#include <windows.h>
#include <shellapi.h>

#include <cstddef>
#include <cstdio>
#include <cstring>
#include <vector>

#include "memtool/memory_figures.h"
#include "memtool/os_family.h"
#include "memtool/platform/win32/win32_seam.h"
#include "memtool/win32/icon_draw.h"

namespace {

constexpr UINT kCallback = WM_APP + 1;
constexpr DWORD kNotifyIconSize = offsetof(NOTIFYICONDATAA, szTip) + 64;

struct Counts {
  unsigned ticks = 0;
  unsigned figureChanges = 0;   // the MB figure differs from the last tick's
  unsigned pictureChanges = 0;  // the drawn pixels differ: the icon is handed on
  unsigned tipOnly = 0;         // a new figure over the same picture
};

HWND g_window = nullptr;
mt::Win32System g_system;  // Memtidy's own sample: the 64-bit call on the NT family
mt::OsFamily g_family = mt::OsFamily::Win9x;
Counts g_counts;
unsigned g_lastMB = 0;
std::vector<unsigned char> g_shown;  // colour and mask bits of the icon the shell holds
char g_tip[64] = "";

// The icon's colour and mask bits as 32-bit rows, to compare two drawings.
std::vector<unsigned char> pixelsOf(HICON icon) {
  std::vector<unsigned char> out;
  ICONINFO info;
  if (!GetIconInfo(icon, &info)) return out;
  BITMAP bm;
  GetObjectA(info.hbmColor, sizeof bm, &bm);
  BITMAPINFO bi;
  ZeroMemory(&bi, sizeof bi);
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = bm.bmWidth;
  bi.bmiHeader.biHeight = bm.bmHeight;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  const std::size_t plane = static_cast<std::size_t>(bm.bmWidth) * bm.bmHeight * 4;
  out.resize(plane * 2);
  HDC screen = GetDC(nullptr);
  GetDIBits(screen, info.hbmColor, 0, bm.bmHeight, out.data(), &bi, DIB_RGB_COLORS);
  GetDIBits(screen, info.hbmMask, 0, bm.bmHeight, out.data() + plane, &bi, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  return out;
}

bool notify(DWORD message, HICON icon, const char* tip) {
  NOTIFYICONDATAA nid;
  ZeroMemory(&nid, sizeof nid);
  nid.cbSize = kNotifyIconSize;
  nid.hWnd = g_window;
  nid.uCallbackMessage = kCallback;
  nid.uFlags = NIF_MESSAGE | NIF_TIP | (icon ? NIF_ICON : 0);
  nid.hIcon = icon;
  std::snprintf(nid.szTip, 64, "%s", tip);
  return Shell_NotifyIconA(message, &nid) != FALSE;
}

void printCounts() {
  std::printf("ticks %u, figure changes %u, picture changes %u, tip-only changes %u\n", g_counts.ticks,
              g_counts.figureChanges, g_counts.pictureChanges, g_counts.tipOnly);
  std::fflush(stdout);
}

void tick(bool first) {
  const unsigned mb = mt::bytesToMB(mt::sampleMemory(g_system, g_family).availPhys);
  ++g_counts.ticks;
  HICON icon = mt::win32::drawLevelIcon(static_cast<uint16_t>(mb), false);
  std::vector<unsigned char> pixels = pixelsOf(icon);
  char tip[64];
  std::snprintf(tip, sizeof tip, "Memtidy (%u MB)", mb);
  const bool figureChanged = !first && mb != g_lastMB;
  const bool pictureChanged = pixels != g_shown;
  g_lastMB = mb;
  if (figureChanged) ++g_counts.figureChanges;
  if (first || pictureChanged) {
    notify(first ? NIM_ADD : NIM_MODIFY, icon, tip);
    g_shown.swap(pixels);
    if (!first) ++g_counts.pictureChanges;
  } else if (std::strcmp(tip, g_tip) != 0) {
    notify(NIM_MODIFY, nullptr, tip);
    ++g_counts.tipOnly;
  }
  std::strcpy(g_tip, tip);
  DestroyIcon(icon);
  printCounts();
}

LRESULT CALLBACK proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_TIMER) {
    tick(false);
    return 0;
  }
  if (msg == WM_DESTROY) {
    notify(NIM_DELETE, nullptr, "");
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  WNDCLASSA wc;
  ZeroMemory(&wc, sizeof wc);
  wc.lpfnWndProc = proc;
  wc.hInstance = instance;
  wc.lpszClassName = "DrawnIconTimer";
  RegisterClassA(&wc);
  g_family = mt::osFamilyOf(g_system.platformId());
  g_window = CreateWindowExA(0, "DrawnIconTimer", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
  tick(true);
  SetTimer(g_window, 1, 1000, nullptr);
  MSG m;
  while (GetMessageA(&m, nullptr, 0, 0) > 0) DispatchMessageA(&m);
  return 0;
}
