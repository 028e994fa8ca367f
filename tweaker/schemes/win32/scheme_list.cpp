#include "tweaker/schemes/win32/scheme_list.h"

#include "tweaker/schemes/scheme_file.h"

namespace vdx {

HWND schemeListWindow(HWND owner) { return FindWindowExA(owner, nullptr, "listbox", "VDXList"); }

bool reloadSchemeList(HWND owner, ProfileFile& profile, const std::string& schemeFile, bool sorted) {
  HWND list = schemeListWindow(owner);
  if (!list) {
    list = CreateWindowExA(0, "listbox", "VDXList", WS_CHILD | LBS_SORT, 0, 0, 10, 10, owner, nullptr,
                           reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(owner, GWLP_HINSTANCE)), nullptr);
    if (!list) return false;
  }
  SendMessageA(list, LB_RESETCONTENT, 0, 0);
  for (const std::string& name : schemeNames(profile, schemeFile)) {
    // LB_ADDSTRING keeps a sorted list sorted; inserting at -1 appends.
    SendMessageA(list, sorted ? LB_ADDSTRING : LB_INSERTSTRING, sorted ? 0 : static_cast<WPARAM>(-1),
                 reinterpret_cast<LPARAM>(name.c_str()));
  }
  return true;
}

}  // namespace vdx
