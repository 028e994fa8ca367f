// Counts of what a process holds, read from outside it: kernel handles
// (registry keys, files, events, threads), GDI objects (device contexts,
// bitmaps, brushes, fonts, and the bitmaps inside icons) and windows.
// Under Wine GetGuiResources and GetProcessHandleCount answer 0, so the GDI
// count walks the process's shared GDI handle table and the kernel count
// tries each handle value.
#pragma once
#include <windows.h>

#include <string>

namespace e2e {

struct HandleCounts {
  long kernel = -1;  // -1: could not be read
  long gdi = -1;
  long windows = -1;
  std::string text() const;
};

HandleCounts countHandles(DWORD processId);

}  // namespace e2e
