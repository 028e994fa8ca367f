#include "tweaker/shell/menu_item_record.h"

#include <cstring>
#include <iterator>

namespace vdx {

MenuItemRecord& MenuItemRecords::add(uint16_t id, const char* text, bool popup, bool separator) {
  MenuItemRecord& r = records_.emplace_front();
  r.id = id;
  r.popup = popup;
  r.separator = separator;
  if (text) {
    const void* end = std::memchr(text, '\0', sizeof r.text - 1);
    std::size_t n = end ? static_cast<std::size_t>(static_cast<const char*>(end) - text)
                        : sizeof r.text - 1;
    std::memcpy(r.text, text, n);
    r.text[n] = '\0';
  }
  return r;
}

void MenuItemRecords::dropNewest() {
  if (!records_.empty()) records_.pop_front();
}

void MenuItemRecords::freeMenuItemRecords() { records_.clear(); }

std::size_t MenuItemRecords::size() const {
  return static_cast<std::size_t>(std::distance(records_.begin(), records_.end()));
}

const MenuItemRecord* MenuItemRecords::newest() const {
  return records_.empty() ? nullptr : &records_.front();
}

}  // namespace vdx
