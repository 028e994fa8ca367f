// The two tray menus (IDR_MENU_ADVANCED, IDR_MENU_BASIC) as tables; the tray popup is
// the first popup of each.
#pragma once
#include <cstdint>

#include "tweaker/shell/menu_model.h"

namespace vdx {

// One row per item in menu order; `level` nests it under the last popup row
// of the level above (0 = the tray popup itself).
struct MenuRow {
  uint8_t level;
  MenuNode::Kind kind;
  uint16_t id;
  const char* text;
};

// The tray popup of menu resource `menuId`; false when there is no such menu.
bool loadTrayMenu(uint16_t menuId, MenuNode* trayPopup);

// Builds a popup from rows (exposed for the tests of the tables themselves).
MenuNode menuFromRows(const MenuRow* rows, std::size_t count);

}  // namespace vdx
