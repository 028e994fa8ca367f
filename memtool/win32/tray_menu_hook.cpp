#include "memtool/win32/tray_menu_hook.h"

namespace mt {
namespace win32 {

// Filled in by the tray menu module.
void trackTrayMenu(HWND, TForm1&) {}

}  // namespace win32
}  // namespace mt
