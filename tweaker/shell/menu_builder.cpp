#include "tweaker/shell/menu_builder.h"

#include <cstdio>

#include "tweaker/common/text_compare.h"
#include "tweaker/common/text_format.h"
#include "tweaker/resources/resource.h"
#include "tweaker/shell/menu_items.h"
#include "tweaker/shell/menu_tables.h"

namespace vdx {

namespace {

// The Textures popup leads the advanced menu, and "&AGP" leads it.
constexpr std::size_t kTexturesPos = 0;
constexpr std::size_t kAgpPos = 0;

// Inserts an item the program creates itself, keeping its record.
MenuNode& insertRecorded(TrayMenu& menu, MenuNode& popup, std::size_t pos, MenuNode node) {
  const MenuItemRecord& r = menu.records.add(node.id, node.text.c_str(),
                                             node.kind == MenuNode::kPopup,
                                             node.kind == MenuNode::kSeparator);
  node.text = r.text;
  return insertMenuAt(popup, pos, std::move(node));
}

void checkOptionItems(const TrayMenuInputs& in, MenuNode& tray) {
  for (std::size_t i = 0; i < menuOptionTableSize; ++i) {
    const MenuOptionRow& row = menuOptionTable[i];
    if (row.showsCheck()) checkMenuItem(tray, row.first, in.options.*row.field != 0);
  }
}

void insertAgpSizes(const TrayMenuInputs& in, MenuNode& agp) {
  std::size_t pos = 0;
  char text[32];
  for (uint32_t size : in.agpSizeList) {
    if (size > in.physicalMemoryMb) continue;
    // A size outside the command range would be an item that does nothing.
    if (size == 0 || size > IDM_AGP_SIZE_LAST - IDM_AGP_SIZE_CUSTOM) continue;
    formatText(text, sizeof text, "%u MB", static_cast<unsigned>(size));
    insertMenuAt(agp, pos++, MenuNode::item(static_cast<uint16_t>(IDM_AGP_SIZE_CUSTOM + size), text));
  }
  insertMenuAt(agp, pos, MenuNode::item(IDM_AGP_SIZE_CUSTOM, "Custom"));
}

void addAgpSizes(const TrayMenuInputs& in, MenuNode& tray) {
  if (!in.advanced || !(in.capabilities & kCapAgp)) return;
  MenuNode* textures = childAt(tray, kTexturesPos);
  MenuNode* agp = textures ? childAt(*textures, kAgpPos) : nullptr;
  if (agp && agp->kind == MenuNode::kPopup) insertAgpSizes(in, *agp);
}

void addSchemes(const TrayMenuInputs& in, TrayMenu& menu) {
  if (!in.schemeListExists) return;
  MenuNode& schemes = insertRecorded(menu, menu.popup, 0, MenuNode::popup("Schemes"));
  int match = -1;
  uint16_t count = 0;
  for (std::size_t i = 0; i < in.schemes.size() && IDM_SCHEME_FIRST + i <= 0xFFFF; ++i) {
    const uint16_t id = static_cast<uint16_t>(IDM_SCHEME_FIRST + i);
    insertRecorded(menu, schemes, i, MenuNode::item(id, in.schemes[i]));
    if (match < 0 && equalsNoCase(in.schemes[i], in.currentScheme)) match = static_cast<int>(i);
    ++count;
  }
  if (match >= 0) {
    checkMenuRadioItem(schemes, IDM_SCHEME_FIRST, static_cast<uint16_t>(IDM_SCHEME_FIRST + count),
                       static_cast<uint16_t>(IDM_SCHEME_FIRST + match));
  }
  if (count > 0) insertRecorded(menu, schemes, 0, MenuNode::separator(IDM_SCHEME_FIRST + 1));
  insertRecorded(menu, schemes, 0, MenuNode::item(IDM_SCHEME_DEFAULT, "(Default)"));
  insertRecorded(menu, schemes, 0, MenuNode::item(IDM_SCHEME_REFRESH, "Refresh list"));
  insertRecorded(menu, schemes, 0, MenuNode::item(IDM_SCHEME_CONFIGURE, "Configure..."));
  menu.schemeCount = count;
}

void addTweakRes(const TrayMenuInputs& in, TrayMenu& menu) {
  if (!in.tweakRes) return;
  insertRecorded(menu, menu.popup, 0, MenuNode::separator(IDM_SCHEME_FIRST));
  MenuNode& res = insertRecorded(menu, menu.popup, 0, MenuNode::popup("TweakRes"));
  uint32_t previousDepth = 8;
  uint32_t k = 0;
  int32_t current = -1;
  char text[64];
  for (const DisplayMode& mode : in.displayModes) {
    if (mode.bitsPerPixel <= 4) continue;
    if (IDM_DISPLAY_MODE_FIRST + k > IDM_DISPLAY_MODE_LAST) break;  // the id range is full
    if (mode.bitsPerPixel != previousDepth) {
      insertRecorded(menu, res, k, MenuNode::separator(static_cast<uint16_t>(IDM_SCHEME_FIRST + k)));
      ++k;
      previousDepth = mode.bitsPerPixel;
    }
    formatText(text, sizeof text, "%dx%d (%d bpp)", static_cast<int>(mode.width),
                  static_cast<int>(mode.height), static_cast<int>(mode.bitsPerPixel));
    const uint16_t id = static_cast<uint16_t>(IDM_DISPLAY_MODE_FIRST + k);
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

bool buildTrayMenu(const TrayMenuInputs& in, TrayMenu* menu) {
  menu->records.freeMenuItemRecords();
  menu->schemeCount = 0;
  MenuShowing showing;
  showing.capabilities = in.capabilities;
  showing.deviceId = in.deviceId;
  showing.perfIcdMenu = in.perfIcdMenu;
  showing.texPatchUnavailable = in.texPatchUnavailable;
  if (!loadTrayMenu(in.advanced ? IDR_MENU_ADVANCED : IDR_MENU_BASIC, &menu->popup, &showing)) return false;
  MenuNode& tray = menu->popup;
  checkOptionItems(in, tray);
  addAgpSizes(in, tray);
  addSchemes(in, *menu);
  addTweakRes(in, *menu);
  updateMenuChecks(in, tray);
  return true;
}

void updateMenuChecks(const TrayMenuInputs& in, MenuNode& tray) {
  const DriverOptions& o = in.options;
  if (in.advanced && !in.useOverclock) grayMenuItem(tray, IDM_OVERCLOCK, true);
  if (in.screenDepth <= 8) grayMenuItem(tray, IDM_GAMMA, true);
  if (!in.autoTriMip) grayMenuItem(tray, IDM_TRILINEAR, !o.AM);

  checkMenuRadioItem(tray, IDM_AUTO_AGP, IDM_TEXTURES_BY_APP,
                     o.AA ? IDM_AUTO_AGP : o.VO ? IDM_VIDTEX_ONLY : IDM_TEXTURES_BY_APP);
  checkMenuRadioItem(tray, IDM_AGP_1X, IDM_AGP_4X, agpRateItem(o.AGP));

  uint16_t bias = IDM_DBIAS_ZERO;
  for (uint16_t id = IDM_DBIAS_FIRST; id <= IDM_DBIAS_LAST; ++id) {
    if (dBiasOfItem(id) == o.DB) bias = id;
  }
  checkMenuRadioItem(tray, IDM_DBIAS_FIRST, IDM_DBIAS_LAST, bias);

  // A size the menu does not offer (not in the list, or above the installed
  // memory) shows as "Custom".
  uint16_t size = IDM_AGP_SIZE_CUSTOM;
  if (o.AGPSize > 0 && o.AGPSize <= IDM_AGP_SIZE_LAST - IDM_AGP_SIZE_CUSTOM) {
    const uint16_t id = static_cast<uint16_t>(IDM_AGP_SIZE_CUSTOM + o.AGPSize);
    if (findMenuItem(tray, id)) size = id;
  }
  checkMenuRadioItem(tray, IDM_AGP_SIZE_CUSTOM, IDM_AGP_SIZE_LAST, size);

  checkMenuRadioItem(tray, IDM_COMMAND_DMA_FIRST, IDM_COMMAND_DMA_LAST, commandDmaItem(o.DMACB));
  checkMenuRadioItem(tray, IDM_ICD_HWTNL_AUTO, IDM_ICD_HWTNL_ON,
                     triStateItem(o.ICDHWTL, IDM_ICD_HWTNL_AUTO, IDM_ICD_HWTNL_OFF, IDM_ICD_HWTNL_ON));
  checkMenuRadioItem(tray, IDM_ICD_AUTO_Z_CLEAR_AUTO, IDM_ICD_AUTO_Z_CLEAR_ON,
                     triStateItem(o.ICDAZ, IDM_ICD_AUTO_Z_CLEAR_AUTO, IDM_ICD_AUTO_Z_CLEAR_OFF,
                                  IDM_ICD_AUTO_Z_CLEAR_ON));
  checkMenuRadioItem(tray, IDM_ICD_FOG_TABLE_AUTO, IDM_ICD_FOG_TABLE_OFF,
                     triStateItem(o.ICDFOGTABLE, IDM_ICD_FOG_TABLE_AUTO, IDM_ICD_FOG_TABLE_OFF, IDM_ICD_FOG_TABLE_ON));
  checkMenuRadioItem(tray, IDM_ICD_TEXTURE_SIZE_AUTO, IDM_ICD_TEXTURE_SIZE_32,
                     triStateItem(o.ICDTEXTURESIZE, IDM_ICD_TEXTURE_SIZE_AUTO, IDM_ICD_TEXTURE_SIZE_16,
                                  IDM_ICD_TEXTURE_SIZE_32));
}

}  // namespace vdx
