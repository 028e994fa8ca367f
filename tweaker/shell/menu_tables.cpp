#include "tweaker/shell/menu_tables.h"

#include <iterator>
#include <vector>

#include "tweaker/resources/command_ids.h"
#include "tweaker/resources/resource.h"

namespace vdx {

namespace {

constexpr MenuNode::Kind I = MenuNode::kItem;
constexpr MenuNode::Kind S = MenuNode::kSeparator;
constexpr MenuNode::Kind P = MenuNode::kPopup;

const MenuRow kAdvancedRows[] = {
    {0, P, 0, "Textures"},
    {1, P, 0, "&AGP"},
    {2, S, 0, ""},
    {2, I, IDM_AGP_1X, "Use &1X"},
    {2, I, IDM_AGP_2X, "Use &2X"},
    {2, I, IDM_AGP_4X, "Use &4X"},
    {2, I, IDM_AGP_SIDEBAND, "&Sideband (agpsb)"},
    {1, S, 0, ""},
    {1, I, IDM_AUTO_MIPMAP, "Auto mipmap (am)"},
    {1, S, 0, ""},
    {1, I, IDM_AUTO_AGP, "AutoAGP (aa)"},
    {1, I, IDM_VIDTEX_ONLY, "VidTex only (vo)"},
    {1, I, IDM_TEXTURES_BY_APP, "By App"},
    {0, P, 0, "Misc"},
    {1, P, 0, "&dBias (db)"},
    {2, I, IDM_DBIAS_FIRST + 0, "1.0"},
    {2, I, IDM_DBIAS_FIRST + 1, "0.9"},
    {2, I, IDM_DBIAS_FIRST + 2, "0.8"},
    {2, I, IDM_DBIAS_FIRST + 3, "0.7"},
    {2, I, IDM_DBIAS_FIRST + 4, "0.6"},
    {2, I, IDM_DBIAS_FIRST + 5, "0.5"},
    {2, I, IDM_DBIAS_FIRST + 6, "0.4"},
    {2, I, IDM_DBIAS_FIRST + 7, "0.3"},
    {2, I, IDM_DBIAS_FIRST + 8, "0.2"},
    {2, I, IDM_DBIAS_FIRST + 9, "0.1"},
    {2, I, IDM_DBIAS_FIRST + 10, "0.0"},
    {2, I, IDM_DBIAS_FIRST + 11, "-0.1"},
    {2, I, IDM_DBIAS_FIRST + 12, "-0.2"},
    {2, I, IDM_DBIAS_FIRST + 13, "-0.3"},
    {2, I, IDM_DBIAS_FIRST + 14, "-0.4"},
    {2, I, IDM_DBIAS_FIRST + 15, "-0.5"},
    {2, I, IDM_DBIAS_FIRST + 16, "-0.6"},
    {2, I, IDM_DBIAS_FIRST + 17, "-0.7"},
    {2, I, IDM_DBIAS_FIRST + 18, "-0.8"},
    {2, I, IDM_DBIAS_FIRST + 19, "-0.9"},
    {2, I, IDM_DBIAS_FIRST + 20, "-1.0"},
    {1, P, 0, "&CommandDMA"},
    {2, I, IDM_COMMAND_DMA_BASE + 1, "1MB buffer"},
    {2, I, IDM_COMMAND_DMA_BASE + 2, "2MB buffer"},
    {2, I, IDM_COMMAND_DMA_BASE + 3, "3MB buffer"},
    {2, I, IDM_COMMAND_DMA_BASE + 4, "4MB buffer"},
    {1, S, 0, ""},
    {1, I, IDM_BLOCK_WRITE, "&Block write (wb)"},
    {1, I, IDM_WRITE_COMBINING, "&Write-combining (wc)"},
    {1, I, IDM_FASTDRAW, "Use &Fastdraw (fd)"},
    {1, I, IDM_FLIPBLT, "&FlipBlt (fb)"},
    {1, I, IDM_OVERSAMPLE, "Oversample (os)"},
    {1, I, IDM_Z_BUFFER, "Enable Z-buffer (zb)"},
    {1, I, IDM_FAST_Z_CLEAR, "Fast Z-clear (zc)"},
    {1, I, IDM_NO_FOG, "No fog (nf)"},
    {1, I, IDM_FORCE_W_BUFFER, "Force W-buffer (wb)"},
    {0, P, 0, "MiniGL"},
    {1, I, IDM_MINIGL_CONFIG, "MiniGL C&onfig..."},
    {1, S, 0, ""},
    {1, I, IDM_MINIGL_32BIT, "32bit colour"},
    {1, I, IDM_MINIGL_MIPMAPPING, "Auto Mipmap"},
    {1, I, IDM_MINIGL_AUTO_S3TC, "AutoS3TC"},
    {1, I, IDM_MINIGL_TEXTURE_CACHE, "Texture Cache"},
    {1, I, IDM_MINIGL_S3TC_DISK_CACHE, "S3TC disk cache"},
    {0, P, 0, "OpenGL"},
    {1, P, 0, "Use HW T&&L"},
    {2, I, IDM_ICD_HWTNL_AUTO, "Auto"},
    {2, I, IDM_ICD_HWTNL_ON, "ON"},
    {2, I, IDM_ICD_HWTNL_OFF, "Off"},
    {1, P, 0, "Auto Z-Clear"},
    {2, I, IDM_ICD_AUTO_Z_CLEAR_AUTO, "Auto"},
    {2, I, IDM_ICD_AUTO_Z_CLEAR_ON, "ON"},
    {2, I, IDM_ICD_AUTO_Z_CLEAR_OFF, "Off"},
    {1, P, 0, "Fog Table"},
    {2, I, IDM_ICD_FOG_TABLE_AUTO, "Auto"},
    {2, I, IDM_ICD_FOG_TABLE_ON, "ON"},
    {2, I, IDM_ICD_FOG_TABLE_OFF, "Off"},
    {1, P, 0, "Texture Size"},
    {2, I, IDM_ICD_TEXTURE_SIZE_AUTO, "Auto"},
    {2, I, IDM_ICD_TEXTURE_SIZE_16, "16-bit"},
    {2, I, IDM_ICD_TEXTURE_SIZE_32, "32-bit"},
    {1, I, IDM_ICD_3DNOW, "Use 3DNow!"},
    {1, I, IDM_ICD_SIMD, "Use SIMD"},
    {1, I, IDM_ICD_KTX, "Use KTX ext."},
    {1, I, IDM_ICD_W_BUFFER, "Use W-buffer"},
    {0, S, 0, ""},
    {0, I, IDM_TRILINEAR, "Use &trilinear (at)"},
    {0, I, IDM_S3TC, "Use S3T&C (ac)"},
    {0, I, IDM_NON_DX_FOG, "Use Non-DX fog (&ef)"},
    {0, I, IDM_EYE_FOG, "Use eye &fog (es)"},
    {0, I, IDM_TEXPATCH, "Use Tex&Patch (tp)"},
    {0, I, IDM_TOP_SCAN_LINE, "Top &scan line (tsl)"},
    {0, I, IDM_FIX_GAME_TEXT, "Fix game text (hsp)"},
    {0, I, IDM_TRIPLE_BUFFER, "Triple &buffer (atb)"},
    {0, I, IDM_WAIT_VSYNC, "Wait for &vsync (wv)"},
    {0, S, 0, ""},
    {0, P, 0, "Displays"},
    {1, I, IDM_OUTPUTS, "Outputs..."},
    {1, I, IDM_GAMMA, "Gamma..."},
    {1, I, IDM_REFRESH_RATES, "Refresh rates..."},
    {0, I, IDM_OVERCLOCK, "Overcloc&k..."},
    {0, I, IDM_OPTIONS, "&Options..."},
    {0, S, 0, ""},
    {0, I, IDM_HELP, "&Help..."},
    {0, I, IDM_ABOUT, "&About"},
    {0, S, 0, ""},
    {0, I, IDM_EXIT, "E&xit"},
};

const MenuRow kBasicRows[] = {
    {0, P, 0, "Textures"},
    {1, I, IDM_AUTO_MIPMAP, "Auto mipmap (am)"},
    {1, S, 0, ""},
    {1, I, IDM_AUTO_AGP, "AutoAGP (aa)"},
    {1, I, IDM_VIDTEX_ONLY, "VidTex only (vo)"},
    {1, I, IDM_TEXTURES_BY_APP, "By App"},
    {0, P, 0, "MiniGL"},
    {1, I, IDM_MINIGL_32BIT, "32bit colour"},
    {1, I, IDM_MINIGL_MIPMAPPING, "Auto Mipmap"},
    {1, I, IDM_MINIGL_AUTO_S3TC, "AutoS3TC"},
    {1, I, IDM_MINIGL_TEXTURE_CACHE, "Texture Cache"},
    {1, I, IDM_MINIGL_S3TC_DISK_CACHE, "S3TC disk cache"},
    {0, P, 0, "OpenGL"},
    {1, I, IDM_ICD_3DNOW, "Use 3DNow!"},
    {1, I, IDM_ICD_SIMD, "Use SIMD"},
    {0, S, 0, ""},
    {0, I, IDM_TRILINEAR, "Use &trilinear (at)"},
    {0, I, IDM_S3TC, "Use S3T&C (ac)"},
    {0, I, IDM_NON_DX_FOG, "Use Non-DX fog (&ef)"},
    {0, I, IDM_EYE_FOG, "Use eye &fog (es)"},
    {0, I, IDM_TEXPATCH, "Use Tex&Patch (tp)"},
    {0, I, IDM_FIX_GAME_TEXT, "Fix game text (hsp)"},
    {0, I, IDM_TOP_SCAN_LINE, "Top &scan line (tsl)"},
    {0, I, IDM_TRIPLE_BUFFER, "Triple &buffer (atb)"},
    {0, I, IDM_WAIT_VSYNC, "Wait for &vsync (wv)"},
    {0, S, 0, ""},
    {0, P, 0, "Display"},
    {1, I, IDM_OUTPUTS, "Outputs..."},
    {1, I, IDM_GAMMA, "Gamma..."},
    {0, I, IDM_OPTIONS, "&Options..."},
    {0, S, 0, ""},
    {0, I, IDM_HELP, "&Help..."},
    {0, I, IDM_ABOUT, "&About"},
    {0, S, 0, ""},
    {0, I, IDM_EXIT, "E&xit"},
};

}  // namespace

MenuNode menuFromRows(const MenuRow* rows, std::size_t count) {
  MenuNode root = MenuNode::popup("");
  // The open popup at each level; a row at level L goes into open[L].
  std::vector<MenuNode*> open{&root};
  for (std::size_t i = 0; i < count; ++i) {
    const MenuRow& row = rows[i];
    if (row.level >= open.size()) continue;  // a malformed table skips the row
    open.resize(row.level + 1u);
    MenuNode node;
    switch (row.kind) {
      case MenuNode::kItem: node = MenuNode::item(row.id, row.text); break;
      case MenuNode::kSeparator: node = MenuNode::separator(row.id); break;
      case MenuNode::kPopup: node = MenuNode::popup(row.text); break;
    }
    MenuNode* parent = open.back();
    parent->children.push_back(std::move(node));
    if (row.kind == MenuNode::kPopup) open.push_back(&parent->children.back());
  }
  return root;
}

bool loadTrayMenu(uint16_t menuId, MenuNode* trayPopup) {
  if (menuId == IDR_MENU_ADVANCED) {
    *trayPopup = menuFromRows(kAdvancedRows, std::size(kAdvancedRows));
  } else if (menuId == IDR_MENU_BASIC) {
    *trayPopup = menuFromRows(kBasicRows, std::size(kBasicRows));
  } else {
    return false;
  }
  return true;
}

}  // namespace vdx
