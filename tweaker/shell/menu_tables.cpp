#include "tweaker/shell/menu_tables.h"

#include <iterator>
#include <vector>

#include "tweaker/resources/command_ids.h"
#include "tweaker/resources/resource.h"

namespace vdx {

namespace {

constexpr uint16_t kSep = kMenuSeparator;
constexpr uint16_t kEnd = kMenuEnd;

const uint16_t kAdvancedMenu[] = {
    kTexturesPopup,
      kAgpPopup, kSep, IDM_AGP_1X, IDM_AGP_2X, IDM_AGP_4X, IDM_AGP_SIDEBAND, kEnd,
      kAgpSeparator, IDM_AUTO_MIPMAP, kSep, IDM_AUTO_AGP, IDM_VIDTEX_ONLY, IDM_TEXTURES_BY_APP, kEnd,
    kMiscPopup,
      kDBiasPopup, IDM_DBIAS_FIRST, IDM_DBIAS_FIRST + 1, IDM_DBIAS_FIRST + 2, IDM_DBIAS_FIRST + 3, IDM_DBIAS_FIRST + 4,
        IDM_DBIAS_FIRST + 5, IDM_DBIAS_FIRST + 6, IDM_DBIAS_FIRST + 7, IDM_DBIAS_FIRST + 8, IDM_DBIAS_FIRST + 9,
        IDM_DBIAS_FIRST + 10, IDM_DBIAS_FIRST + 11, IDM_DBIAS_FIRST + 12, IDM_DBIAS_FIRST + 13, IDM_DBIAS_FIRST + 14,
        IDM_DBIAS_FIRST + 15, IDM_DBIAS_FIRST + 16, IDM_DBIAS_FIRST + 17, IDM_DBIAS_FIRST + 18, IDM_DBIAS_FIRST + 19,
        IDM_DBIAS_LAST, kEnd,
      kCommandDmaPopup, IDM_COMMAND_DMA_FIRST, IDM_COMMAND_DMA_FIRST + 1, IDM_COMMAND_DMA_FIRST + 2,
        IDM_COMMAND_DMA_LAST, kEnd,
      kSep, IDM_BLOCK_WRITE, IDM_WRITE_COMBINING, IDM_FASTDRAW, IDM_FLIPBLT, IDM_OVERSAMPLE, IDM_Z_BUFFER,
      IDM_FAST_Z_CLEAR, IDM_NO_FOG, IDM_FORCE_W_BUFFER, kEnd,
    kMiniGlPopup, IDM_MINIGL_CONFIG, kSep, IDM_MINIGL_32BIT, IDM_MINIGL_MIPMAPPING, IDM_MINIGL_AUTO_S3TC,
      IDM_MINIGL_TEXTURE_CACHE, IDM_MINIGL_S3TC_DISK_CACHE, kEnd,
    kOpenGlPopup,
      kHwTnlPopup, IDM_ICD_HWTNL_AUTO, IDM_ICD_HWTNL_ON, IDM_ICD_HWTNL_OFF, kEnd,
      kAutoZClearPopup, IDM_ICD_AUTO_Z_CLEAR_AUTO, IDM_ICD_AUTO_Z_CLEAR_ON, IDM_ICD_AUTO_Z_CLEAR_OFF, kEnd,
      kFogTablePopup, IDM_ICD_FOG_TABLE_AUTO, IDM_ICD_FOG_TABLE_ON, IDM_ICD_FOG_TABLE_OFF, kEnd,
      kTextureSizePopup, IDM_ICD_TEXTURE_SIZE_AUTO, IDM_ICD_TEXTURE_SIZE_16, IDM_ICD_TEXTURE_SIZE_32, kEnd,
      IDM_ICD_3DNOW, IDM_ICD_SIMD, IDM_ICD_KTX, IDM_ICD_W_BUFFER, kEnd,
    kSep, IDM_TRILINEAR, IDM_S3TC, IDM_NON_DX_FOG, IDM_EYE_FOG, IDM_TEXPATCH, IDM_TOP_SCAN_LINE,
    IDM_FIX_GAME_TEXT, IDM_TRIPLE_BUFFER, IDM_WAIT_VSYNC, kSep,
    kDisplaysPopup, IDM_OUTPUTS, IDM_GAMMA, IDM_REFRESH_RATES, kEnd,
    IDM_OVERCLOCK, IDM_OPTIONS, kSep, IDM_HELP, IDM_ABOUT, kSep, IDM_EXIT,
};

// No Misc, AGP, MiniGL configuration, OpenGL tri-states, Overclock or refresh rates.
const uint16_t kBasicMenu[] = {
    kTexturesPopup, IDM_AUTO_MIPMAP, kSep, IDM_AUTO_AGP, IDM_VIDTEX_ONLY, IDM_TEXTURES_BY_APP, kEnd,
    kMiniGlPopup, IDM_MINIGL_32BIT, IDM_MINIGL_MIPMAPPING, IDM_MINIGL_AUTO_S3TC, IDM_MINIGL_TEXTURE_CACHE,
      IDM_MINIGL_S3TC_DISK_CACHE, kEnd,
    kOpenGlPopup, IDM_ICD_3DNOW, IDM_ICD_SIMD, kEnd,
    kSep, IDM_TRILINEAR, IDM_S3TC, IDM_NON_DX_FOG, IDM_EYE_FOG, IDM_TEXPATCH, IDM_FIX_GAME_TEXT,
    IDM_TOP_SCAN_LINE, IDM_TRIPLE_BUFFER, IDM_WAIT_VSYNC, kSep,
    kDisplayPopup, IDM_OUTPUTS, IDM_GAMMA, kEnd,
    IDM_OPTIONS, kSep, IDM_HELP, IDM_ABOUT, kSep, IDM_EXIT,
};

}  // namespace

MenuNode menuFromIds(const uint16_t* ids, std::size_t count, const MenuShowing* showing) {
  MenuNode root = MenuNode::popup("");
  // The open popups, innermost last; a popup left out swallows its ids up to its kEnd.
  std::vector<MenuNode*> open{&root};
  std::size_t leftOutDepth = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const uint16_t id = ids[i];
    if (id == kMenuEnd) {
      if (leftOutDepth > 0) {
        --leftOutDepth;
      } else if (open.size() > 1) {
        open.pop_back();
      }
      continue;
    }
    MenuNode node;
    bool shown = true;
    if (const MenuPartRow* part = findMenuPart(id)) {
      node = part->kind == MenuNode::kPopup ? MenuNode::popup(part->text) : MenuNode::separator();
      shown = !showing || isShown(part->capability, part->shownWhen, *showing);
    } else if (const MenuOptionRow* item = findMenuRow(id); item && item->text) {
      node = MenuNode::item(id, item->text);
      shown = !showing || isShown(item->capability, item->shownWhen, *showing);
    } else {
      continue;  // a malformed list skips the id
    }
    const bool isPopup = node.kind == MenuNode::kPopup;
    if (leftOutDepth > 0 || !shown) {
      if (isPopup) ++leftOutDepth;
      continue;
    }
    MenuNode* parent = open.back();
    parent->children.push_back(std::move(node));
    if (isPopup) open.push_back(&parent->children.back());
  }
  return root;
}

bool loadTrayMenu(uint16_t menuId, MenuNode* trayPopup, const MenuShowing* showing) {
  if (menuId == IDR_MENU_ADVANCED) {
    *trayPopup = menuFromIds(kAdvancedMenu, std::size(kAdvancedMenu), showing);
  } else if (menuId == IDR_MENU_BASIC) {
    *trayPopup = menuFromIds(kBasicMenu, std::size(kBasicMenu), showing);
  } else {
    return false;
  }
  return true;
}

}  // namespace vdx
