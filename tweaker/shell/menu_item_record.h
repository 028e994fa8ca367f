// Bookkeeping for the items the program inserts into the tray menu itself
// (schemes, display modes and their popups): one record each, newest first,
// kept for as long as the menu lives.
#pragma once
#include <cstdint>
#include <forward_list>

namespace vdx {

struct MenuItemRecord {
  char text[64] = {};  // 63 characters and a NUL; longer names are cut
  uint16_t id = 0;     // 0 for a popup
  bool popup = false;
  bool separator = false;
};

class MenuItemRecords {
 public:
  // Makes the record for an item about to be inserted; its text is cut.
  MenuItemRecord& add(uint16_t id, const char* text, bool popup, bool separator);
  // The insertion of the newest record failed: drop it at once.
  void dropNewest();
  // Frees every record; called when the menu is destroyed.
  void freeMenuItemRecords();
  std::size_t size() const;
  const MenuItemRecord* newest() const;

 private:
  std::forward_list<MenuItemRecord> records_;
};

}  // namespace vdx
