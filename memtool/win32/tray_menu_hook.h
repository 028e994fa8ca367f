// Opens the tray menu PopupMenu1 over the tray icon's own window.
#pragma once
#include <windows.h>

#include "memtool/form.h"

namespace mt {
namespace win32 {

void trackTrayMenu(HWND trayWindow, TForm1& form);

}  // namespace win32
}  // namespace mt
