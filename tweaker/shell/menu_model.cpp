#include "tweaker/shell/menu_model.h"

#include <utility>

namespace vdx {

MenuNode MenuNode::item(uint16_t id, const std::string& text) {
  MenuNode n;
  n.kind = kItem;
  n.id = id;
  n.text = text;
  return n;
}

MenuNode MenuNode::separator(uint16_t id) {
  MenuNode n;
  n.kind = kSeparator;
  n.id = id;
  return n;
}

MenuNode MenuNode::popup(const std::string& text) {
  MenuNode n;
  n.kind = kPopup;
  n.text = text;
  return n;
}

const MenuNode* findMenuItem(const MenuNode& menu, uint16_t id) {
  for (const MenuNode& child : menu.children) {
    if (child.kind == MenuNode::kItem && child.id == id) return &child;
    if (child.kind == MenuNode::kPopup) {
      if (const MenuNode* found = findMenuItem(child, id)) return found;
    }
  }
  return nullptr;
}

MenuNode* findMenuItem(MenuNode& menu, uint16_t id) {
  return const_cast<MenuNode*>(findMenuItem(static_cast<const MenuNode&>(menu), id));
}

bool removeMenuItem(MenuNode& menu, uint16_t id) {
  for (auto it = menu.children.begin(); it != menu.children.end(); ++it) {
    if (it->kind == MenuNode::kItem && it->id == id) {
      menu.children.erase(it);
      return true;
    }
    if (it->kind == MenuNode::kPopup && removeMenuItem(*it, id)) return true;
  }
  return false;
}

void checkMenuItem(MenuNode& menu, uint16_t id, bool on) {
  if (MenuNode* item = findMenuItem(menu, id)) {
    item->checked = on;
    item->radio = false;
  }
}

void grayMenuItem(MenuNode& menu, uint16_t id, bool grayed) {
  if (MenuNode* item = findMenuItem(menu, id)) item->grayed = grayed;
}

namespace {

// Like CheckMenuRadioItem: the range is looked for within one popup, the one
// holding the chosen item.
MenuNode* popupHolding(MenuNode& menu, uint16_t id) {
  for (MenuNode& child : menu.children) {
    if (child.kind == MenuNode::kItem && child.id == id) return &menu;
    if (child.kind == MenuNode::kPopup) {
      if (MenuNode* found = popupHolding(child, id)) return found;
    }
  }
  return nullptr;
}

}  // namespace

void checkMenuRadioItem(MenuNode& menu, uint16_t first, uint16_t last, uint16_t chosen) {
  MenuNode* holder = popupHolding(menu, chosen);
  if (!holder) return;
  for (MenuNode& child : holder->children) {
    if (child.kind != MenuNode::kItem || child.id < first || child.id > last) continue;
    child.checked = child.id == chosen;
    child.radio = child.checked;
  }
}

bool removeMenuAt(MenuNode& popup, std::size_t position) {
  if (position >= popup.children.size()) return false;
  popup.children.erase(popup.children.begin() + static_cast<std::ptrdiff_t>(position));
  return true;
}

MenuNode& insertMenuAt(MenuNode& popup, std::size_t position, MenuNode node) {
  if (position > popup.children.size()) position = popup.children.size();
  auto it = popup.children.insert(popup.children.begin() + static_cast<std::ptrdiff_t>(position),
                                  std::move(node));
  return *it;
}

MenuNode* childAt(MenuNode& popup, std::size_t position) {
  return position < popup.children.size() ? &popup.children[position] : nullptr;
}

}  // namespace vdx
