#include <windows.h>
#include <commdlg.h>

#include <vector>

#include "memtool/platform/file_dialog.h"
#include "memtool/platform/win32/system_libraries_win32.h"
#include "memtool/platform/win32/system_services_win32.h"

namespace mt {

bool Win32FileDialog::openFile(WindowRef owner, const std::string& filter, std::string& fileName) {
  const std::string systemForm = systemFilter(filter);
  std::vector<char> path(MAX_PATH + 1, '\0');
  fileName.copy(path.data(), path.size() - 1);
  OPENFILENAMEA ofn = {};
  // The Windows 95 size (76 bytes in a 32-bit program), which every system accepts.
  ofn.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
  ofn.hwndOwner = reinterpret_cast<HWND>(owner);
  ofn.lpstrFilter = systemForm.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = path.data();
  ofn.nMaxFile = static_cast<DWORD>(path.size());
  ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
  if (!getOpenFileName(&ofn)) return false;
  fileName = path.data();
  return true;
}

}  // namespace mt
