#include "memtool/win32/tray_menu_hook.h"

#include "memtool/tray_menu.h"

namespace mt {
namespace win32 {
namespace {

// Owns the popup menu for one opening.
struct PopupMenu {
  HMENU handle = CreatePopupMenu();
  ~PopupMenu() {
    if (handle) DestroyMenu(handle);
  }
};

}  // namespace

void trackTrayMenu(HWND trayWindow, TForm1& form) {
  const std::vector<TrayMenuItem> items = trayMenuItems(form.PopMenuCaptions);
  PopupMenu menu;
  if (!menu.handle) return;
  for (const TrayMenuItem& item : items) {
    if (item.separator())
      AppendMenuA(menu.handle, MF_SEPARATOR, 0, nullptr);
    else
      AppendMenuA(menu.handle, MF_STRING, static_cast<UINT_PTR>(item.id), item.caption.c_str());
  }
  POINT cursor = {};
  GetCursorPos(&cursor);
  const MenuOrigin at =
      trayMenuOrigin(cursor.x, cursor.y, static_cast<int>(items.size()), GetSystemMetrics(SM_CYMENUSIZE));
  // The tray window must be in front, or the menu would not close when the
  // user clicks elsewhere.
  SetForegroundWindow(trayWindow);
  const int id = static_cast<int>(TrackPopupMenu(menu.handle, TPM_RIGHTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON |
                                                                  TPM_RETURNCMD | TPM_NONOTIFY,
                                                 at.x, at.y, 0, trayWindow, nullptr));
  PostMessageA(trayWindow, WM_NULL, 0, 0);
  const TrayCommand command = trayCommandForId(id);
  if (command == TrayCommand::None) return;
  form.Guarded([&] { form.TrayMenuCommand(command); });
}

}  // namespace win32
}  // namespace mt
