#include <windows.h>

#include "memtool/platform/win32/system_services_win32.h"

namespace mt {

bool Win32Clipboard::clear() {
  if (!OpenClipboard(nullptr)) return false;
  const bool emptied = EmptyClipboard() != FALSE;
  CloseClipboard();
  return emptied;
}

}  // namespace mt
