// Turns the tray menu model into a real popup, tracks it at the cursor and
// hands the chosen command to the main window.
#include <windows.h>

#include <string>
#include <vector>

#include "tweaker/schemes/win32/scheme_list.h"
#include "tweaker/shell/menu_builder.h"
#include "tweaker/shell/menu_inputs.h"
#include "tweaker/shell/win32/tray_shell.h"

namespace vdx {

namespace {

bool appendNode(HMENU menu, const MenuNode& node);

HMENU popupFromModel(const MenuNode& model) {
  HMENU popup = CreatePopupMenu();
  if (!popup) return nullptr;
  for (const MenuNode& child : model.children) appendNode(popup, child);
  return popup;
}

bool appendNode(HMENU menu, const MenuNode& node) {
  switch (node.kind) {
    case MenuNode::kSeparator:
      return AppendMenuA(menu, MF_SEPARATOR, node.id, nullptr) != 0;
    case MenuNode::kPopup: {
      HMENU sub = popupFromModel(node);
      if (!sub) return false;
      if (!AppendMenuA(menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(sub), node.text.c_str())) {
        DestroyMenu(sub);
        return false;
      }
      return true;
    }
    case MenuNode::kItem: {
      UINT flags = MF_STRING;
      if (node.grayed) flags |= MF_GRAYED;
      if (node.checked && !node.radio) flags |= MF_CHECKED;
      if (!AppendMenuA(menu, flags, node.id, node.text.c_str())) return false;
      if (node.checked && node.radio) CheckMenuRadioItem(menu, node.id, node.id, node.id, MF_BYCOMMAND);
      return true;
    }
  }
  return false;
}

// The scheme names of the hidden list, when it exists.
bool readSchemeList(HWND owner, std::vector<std::string>* names) {
  HWND list = schemeListWindow(owner);
  if (!list) return false;
  const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    const LRESULT len = SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
    if (len < 0) break;
    std::string name(static_cast<std::size_t>(len) + 1, '\0');
    SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&name[0]));
    name.resize(static_cast<std::size_t>(len));
    names->push_back(name);
  }
  return true;
}

}  // namespace

void openTrayMenu(ShellWindow& shell) {
  // (A dialog opened by a command may be up; the menu can be opened again then.)
  if (shell.tracking) return;
  HWND hwnd = shell.window;
  std::vector<std::string> schemes;
  const bool haveList = readSchemeList(hwnd, &schemes);
  const TrayMenuInputs in = gatherTrayMenuInputs(shell.program, haveList ? &schemes : nullptr);
  TrayMenu model;
  if (!buildTrayMenu(in, &model)) return;
  shell.lastSchemeCount = model.schemeCount;

  // A menu bar holding the tray popup, the way the resource menus are made.
  HMENU bar = CreateMenu();
  HMENU tray = popupFromModel(model.popup);
  if (!bar || !tray || !AppendMenuA(bar, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(tray), "")) {
    if (tray) DestroyMenu(tray);
    if (bar) DestroyMenu(bar);
    model.records.freeMenuItemRecords();
    return;
  }

  POINT at;
  GetCursorPos(&at);
  // Without the foreground the menu would not close on a click elsewhere.
  SetForegroundWindow(hwnd);
  shell.tracking = true;
  const UINT chosen = static_cast<UINT>(
      TrackPopupMenu(tray, TPM_RETURNCMD | TPM_RIGHTALIGN, at.x, at.y, 0, hwnd, nullptr));
  shell.tracking = false;
  PostMessageA(hwnd, WM_NULL, 0, 0);
  if (chosen) SendMessageA(hwnd, WM_COMMAND, chosen, reinterpret_cast<LPARAM>(tray));

  model.records.freeMenuItemRecords();
  if (HMENU first = GetSubMenu(tray, 0)) {
    RemoveMenu(tray, 0, MF_BYPOSITION);
    DestroyMenu(first);
  }
  DestroyMenu(bar);
}

}  // namespace vdx
