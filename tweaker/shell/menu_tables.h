// The two tray menus (IDR_MENU_ADVANCED, IDR_MENU_BASIC) as ordered lists of
// the ids of menu_items.h; the tray popup is the first popup of each.
#pragma once
#include <cstddef>
#include <cstdint>

#include "tweaker/shell/menu_items.h"
#include "tweaker/shell/menu_model.h"

namespace vdx {

// The tray popup of menu resource `menuId`; false when there is no such menu.
// With `showing`, the items and popups it does not show are left out.
bool loadTrayMenu(uint16_t menuId, MenuNode* trayPopup, const MenuShowing* showing = nullptr);

// Builds a popup from a list of ids: a popup's part opens it and kMenuEnd
// closes it (exposed for the tests of the lists themselves).
MenuNode menuFromIds(const uint16_t* ids, std::size_t count, const MenuShowing* showing);

}  // namespace vdx
