#include "tweaker/shell/menu_builder.h"

#include <cstdio>

#include "tweaker/shell/menu_tables.h"

namespace vdx {

namespace {

constexpr uint32_t kCapCommandDmaBit = 0x80;
constexpr uint32_t kCapAgpBit = 0x100;
constexpr uint32_t kCapMiniGlBit = 0x40000;
constexpr uint32_t kCapOpenGlBit = 0x80000;
constexpr uint32_t kCapHwTnlBit = 0x100000;
constexpr uint32_t kCapAutoZClearBit = 0x800000;

// Top-level positions of the popups in the resource menus.
constexpr std::size_t kTexturesPos = 0;
constexpr std::size_t kMiscPos = 1;
constexpr std::size_t kAdvancedMiniGlPos = 2, kBasicMiniGlPos = 1;
constexpr std::size_t kAdvancedOpenGlPos = 3, kBasicOpenGlPos = 2;

bool isSavage3D(uint32_t deviceId) { return deviceId == 0x8A20 || deviceId == 0x8A21; }

bool equalsNoCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

// Inserts an item the program creates itself, keeping its record.
MenuNode& insertRecorded(TrayMenu& menu, MenuNode& popup, std::size_t pos, MenuNode node) {
  const MenuItemRecord& r = menu.records.add(node.id, node.text.c_str(),
                                             node.kind == MenuNode::kPopup,
                                             node.kind == MenuNode::kSeparator);
  node.text = r.text;
  return insertMenuAt(popup, pos, std::move(node));
}

void removeByCapability(const TrayMenuInputs& in, MenuNode& tray) {
  for (const MenuOptionMark& row : in.optionRows) {
    if (row.menuId == 0) break;
    if (row.mask != 0 && (row.mask & in.capabilities) == 0) {
      removeMenuItem(tray, row.menuId);
    } else if (row.hasField) {
      checkMenuItem(tray, row.menuId, row.on);
    }
  }
}

void trimOpenGlAndMiniGl(const TrayMenuInputs& in, MenuNode& tray) {
  if ((in.capabilities & kCapOpenGlBit) || in.perfIcdMenu) {
    MenuNode* openGl = childAt(tray, in.advanced ? kAdvancedOpenGlPos : kBasicOpenGlPos);
    if (in.advanced && openGl && openGl->kind == MenuNode::kPopup) {
      if (!(in.capabilities & kCapAutoZClearBit)) removeMenuAt(*openGl, 1);
      if (!(in.capabilities & kCapHwTnlBit)) removeMenuAt(*openGl, 0);
    }
  } else {
    removeMenuAt(tray, in.advanced ? kAdvancedOpenGlPos : kBasicOpenGlPos);
  }
  if (!(in.capabilities & kCapMiniGlBit) || in.perfIcdMenu) {
    removeMenuAt(tray, in.advanced ? kAdvancedMiniGlPos : kBasicMiniGlPos);
  }
}

void insertAgpSizes(const TrayMenuInputs& in, MenuNode& agp) {
  std::size_t pos = 0;
  char text[32];
  for (uint32_t size : in.agpSizeList) {
    if (size > in.physicalMemoryMb) continue;
    // A size outside the command range would be an item that does nothing.
    if (size == 0 || size > kIdAgpSizeLast - kIdAgpSizeCustom) continue;
    std::snprintf(text, sizeof text, "%u MB", static_cast<unsigned>(size));
    insertMenuAt(agp, pos++, MenuNode::item(static_cast<uint16_t>(kIdAgpSizeCustom + size), text));
  }
  insertMenuAt(agp, pos, MenuNode::item(kIdAgpSizeCustom, "Custom"));
}

void trimAdvancedOnly(const TrayMenuInputs& in, MenuNode& tray) {
  if (!(in.capabilities & kCapCommandDmaBit)) {
    if (MenuNode* misc = childAt(tray, kMiscPos)) removeMenuAt(*misc, 1);
  }
  MenuNode* textures = childAt(tray, kTexturesPos);
  if (!textures) return;
  if (in.capabilities & kCapAgpBit) {
    MenuNode* agp = childAt(*textures, 0);
    if (agp && agp->kind == MenuNode::kPopup) insertAgpSizes(in, *agp);
    if (isSavage3D(in.deviceId)) removeMenuItem(tray, 30429);
  } else {
    removeMenuAt(*textures, 1);
    removeMenuAt(*textures, 0);
  }
}

void addSchemes(const TrayMenuInputs& in, TrayMenu& menu) {
  if (!in.schemeListExists) return;
  MenuNode& schemes = insertRecorded(menu, menu.popup, 0, MenuNode::popup("Schemes"));
  int match = -1;
  uint16_t count = 0;
  for (std::size_t i = 0; i < in.schemes.size() && kIdSchemeFirst + i <= 0xFFFF; ++i) {
    const uint16_t id = static_cast<uint16_t>(kIdSchemeFirst + i);
    insertRecorded(menu, schemes, i, MenuNode::item(id, in.schemes[i]));
    if (match < 0 && equalsNoCase(in.schemes[i], in.currentScheme)) match = static_cast<int>(i);
    ++count;
  }
  if (match >= 0) {
    checkMenuRadioItem(schemes, kIdSchemeFirst, static_cast<uint16_t>(kIdSchemeFirst + count),
                       static_cast<uint16_t>(kIdSchemeFirst + match));
  }
  if (count > 0) insertRecorded(menu, schemes, 0, MenuNode::separator(kIdSchemeFirst + 1));
  insertRecorded(menu, schemes, 0, MenuNode::item(kIdSchemeDefault, "(Default)"));
  insertRecorded(menu, schemes, 0, MenuNode::item(kIdSchemeRefresh, "Refresh list"));
  insertRecorded(menu, schemes, 0, MenuNode::item(kIdSchemeConfigure, "Configure..."));
  menu.schemeCount = count;
}

void addTweakRes(const TrayMenuInputs& in, TrayMenu& menu) {
  if (!in.tweakRes) return;
  insertRecorded(menu, menu.popup, 0, MenuNode::separator(kIdSchemeFirst));
  MenuNode& res = insertRecorded(menu, menu.popup, 0, MenuNode::popup("TweakRes"));
  uint32_t previousDepth = 8;
  uint32_t k = 0;
  int32_t current = -1;
  char text[64];
  for (const DisplayMode& mode : in.displayModes) {
    if (mode.bitsPerPixel <= 4) continue;
    if (kIdDisplayModeFirst + k > kIdDisplayModeLast) break;  // the id range is full
    if (mode.bitsPerPixel != previousDepth) {
      insertRecorded(menu, res, k, MenuNode::separator(static_cast<uint16_t>(kIdSchemeFirst + k)));
      ++k;
      previousDepth = mode.bitsPerPixel;
    }
    std::snprintf(text, sizeof text, "%dx%d (%d bpp)", static_cast<int>(mode.width),
                  static_cast<int>(mode.height), static_cast<int>(mode.bitsPerPixel));
    const uint16_t id = static_cast<uint16_t>(kIdDisplayModeFirst + k);
    insertRecorded(menu, res, k, MenuNode::item(id, text));
    if (static_cast<int32_t>(mode.width) == in.screenWidth &&
        static_cast<int32_t>(mode.height) == in.screenHeight &&
        static_cast<int32_t>(mode.bitsPerPixel) == in.screenDepth) {
      current = id;
    }
    ++k;
  }
  if (current >= 0) checkMenuItem(res, static_cast<uint16_t>(current), true);
}

uint16_t triStateItem(int32_t value, uint16_t autoId, uint16_t offId, uint16_t onId) {
  return value == -1 ? offId : value == 1 ? onId : autoId;
}

}  // namespace

float dBiasOfItem(uint16_t id) {
  return static_cast<float>((30050 - static_cast<int>(id)) * 0.1);
}

bool buildTrayMenu(const TrayMenuInputs& in, TrayMenu* menu) {
  menu->records.freeMenuItemRecords();
  menu->schemeCount = 0;
  if (!loadTrayMenu(in.advanced ? kAdvancedMenuId : kBasicMenuId, &menu->popup)) return false;
  MenuNode& tray = menu->popup;
  removeByCapability(in, tray);
  if (in.texPatchUnavailable) removeMenuItem(tray, 30025);
  trimOpenGlAndMiniGl(in, tray);
  if (in.advanced) trimAdvancedOnly(in, tray);
  addSchemes(in, *menu);
  addTweakRes(in, *menu);
  updateMenuChecks(in, tray);
  return true;
}

void updateMenuChecks(const TrayMenuInputs& in, MenuNode& tray) {
  const MenuOptionValues& v = in.values;
  if (in.advanced && !in.useOverclock) grayMenuItem(tray, 30009, true);
  if (in.screenDepth <= 8) grayMenuItem(tray, 30427, true);
  if (!in.autoTriMip) grayMenuItem(tray, 30002, !v.autoMipmap);

  checkMenuRadioItem(tray, 30019, 30021, v.autoAgp ? 30019 : v.vidTexOnly ? 30020 : 30021);
  checkMenuRadioItem(tray, 30401, 30404, v.agpRate == 4 ? 30404 : v.agpRate == 2 ? 30402 : 30401);

  uint16_t bias = 30050;
  for (uint16_t id = 30040; id <= 30060; ++id) {
    if (dBiasOfItem(id) == v.dBias) bias = id;
  }
  checkMenuRadioItem(tray, 30040, 30060, bias);

  // A size the menu does not offer (not in the list, or above the installed
  // memory) shows as "Custom".
  uint16_t size = kIdAgpSizeCustom;
  if (v.agpSize > 0 && v.agpSize <= kIdAgpSizeLast - kIdAgpSizeCustom) {
    const uint16_t id = static_cast<uint16_t>(kIdAgpSizeCustom + v.agpSize);
    if (findMenuItem(tray, id)) size = id;
  }
  checkMenuRadioItem(tray, kIdAgpSizeCustom, kIdAgpSizeLast, size);

  checkMenuRadioItem(tray, 30030, 30033, static_cast<uint16_t>(30029 + v.commandDma));
  checkMenuRadioItem(tray, 30432, 30434, triStateItem(v.icdHwTnl, 30432, 30433, 30434));
  checkMenuRadioItem(tray, 30439, 30441, triStateItem(v.icdAutoZClear, 30439, 30440, 30441));
  checkMenuRadioItem(tray, 30442, 30444, triStateItem(v.icdFogTable, 30442, 30444, 30443));
  checkMenuRadioItem(tray, 30445, 30447, triStateItem(v.icdTextureSize, 30445, 30446, 30447));
}

}  // namespace vdx
