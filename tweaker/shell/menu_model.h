// A popup menu as plain data: the tray menu is built, trimmed and marked
// here, and turned into a real menu only to be tracked.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace vdx {

struct MenuNode {
  enum Kind : uint8_t { kItem, kSeparator, kPopup };
  Kind kind = kItem;
  uint16_t id = 0;  // item id; separators the program inserts carry one too
  std::string text;
  bool checked = false;
  bool radio = false;  // the mark is a radio bullet
  bool grayed = false;
  std::vector<MenuNode> children;  // popups only

  static MenuNode item(uint16_t id, const std::string& text);
  static MenuNode separator(uint16_t id = 0);
  static MenuNode popup(const std::string& text);
};

// Item lookup and editing by id; every search covers all submenus, and an id
// the menu lacks is silently ignored.
MenuNode* findMenuItem(MenuNode& menu, uint16_t id);
const MenuNode* findMenuItem(const MenuNode& menu, uint16_t id);
bool removeMenuItem(MenuNode& menu, uint16_t id);
void checkMenuItem(MenuNode& menu, uint16_t id, bool on);
void grayMenuItem(MenuNode& menu, uint16_t id, bool grayed);
// Radio mark on `chosen`, cleared from every other item in [first, last].
void checkMenuRadioItem(MenuNode& menu, uint16_t first, uint16_t last, uint16_t chosen);

// Positional editing of one popup's own items; out-of-range positions are
// ignored (remove) or clamped to the end (insert), as a real menu does.
bool removeMenuAt(MenuNode& popup, std::size_t position);
MenuNode& insertMenuAt(MenuNode& popup, std::size_t position, MenuNode node);
MenuNode* childAt(MenuNode& popup, std::size_t position);

}  // namespace vdx
