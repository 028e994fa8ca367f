#include "tweaker/shell/menu_tables.h"

#include <iterator>
#include <vector>

namespace vdx {

namespace {

constexpr MenuNode::Kind I = MenuNode::kItem;
constexpr MenuNode::Kind S = MenuNode::kSeparator;
constexpr MenuNode::Kind P = MenuNode::kPopup;

const MenuRow kAdvancedRows[] = {
    {0, P, 0, "Textures"},
    {1, P, 0, "&AGP"},
    {2, S, 0, ""},
    {2, I, 30401, "Use &1X"},
    {2, I, 30402, "Use &2X"},
    {2, I, 30404, "Use &4X"},
    {2, I, 30429, "&Sideband (agpsb)"},
    {1, S, 0, ""},
    {1, I, 30004, "Auto mipmap (am)"},
    {1, S, 0, ""},
    {1, I, 30019, "AutoAGP (aa)"},
    {1, I, 30020, "VidTex only (vo)"},
    {1, I, 30021, "By App"},
    {0, P, 0, "Misc"},
    {1, P, 0, "&dBias (db)"},
    {2, I, 30040, "1.0"},
    {2, I, 30041, "0.9"},
    {2, I, 30042, "0.8"},
    {2, I, 30043, "0.7"},
    {2, I, 30044, "0.6"},
    {2, I, 30045, "0.5"},
    {2, I, 30046, "0.4"},
    {2, I, 30047, "0.3"},
    {2, I, 30048, "0.2"},
    {2, I, 30049, "0.1"},
    {2, I, 30050, "0.0"},
    {2, I, 30051, "-0.1"},
    {2, I, 30052, "-0.2"},
    {2, I, 30053, "-0.3"},
    {2, I, 30054, "-0.4"},
    {2, I, 30055, "-0.5"},
    {2, I, 30056, "-0.6"},
    {2, I, 30057, "-0.7"},
    {2, I, 30058, "-0.8"},
    {2, I, 30059, "-0.9"},
    {2, I, 30060, "-1.0"},
    {1, P, 0, "&CommandDMA"},
    {2, I, 30030, "1MB buffer"},
    {2, I, 30031, "2MB buffer"},
    {2, I, 30032, "3MB buffer"},
    {2, I, 30033, "4MB buffer"},
    {1, S, 0, ""},
    {1, I, 30036, "&Block write (wb)"},
    {1, I, 30037, "&Write-combining (wc)"},
    {1, I, 30026, "Use &Fastdraw (fd)"},
    {1, I, 30029, "&FlipBlt (fb)"},
    {1, I, 30027, "Oversample (os)"},
    {1, I, 30018, "Enable Z-buffer (zb)"},
    {1, I, 30428, "Fast Z-clear (zc)"},
    {1, I, 30437, "No fog (nf)"},
    {1, I, 30448, "Force W-buffer (wb)"},
    {0, P, 0, "MiniGL"},
    {1, I, 30038, "MiniGL C&onfig..."},
    {1, S, 0, ""},
    {1, I, 30410, "32bit colour"},
    {1, I, 30414, "Auto Mipmap"},
    {1, I, 30411, "AutoS3TC"},
    {1, I, 30413, "Texture Cache"},
    {1, I, 30412, "S3TC disk cache"},
    {0, P, 0, "OpenGL"},
    {1, P, 0, "Use HW T&&L"},
    {2, I, 30432, "Auto"},
    {2, I, 30434, "ON"},
    {2, I, 30433, "Off"},
    {1, P, 0, "Auto Z-Clear"},
    {2, I, 30439, "Auto"},
    {2, I, 30441, "ON"},
    {2, I, 30440, "Off"},
    {1, P, 0, "Fog Table"},
    {2, I, 30442, "Auto"},
    {2, I, 30443, "ON"},
    {2, I, 30444, "Off"},
    {1, P, 0, "Texture Size"},
    {2, I, 30445, "Auto"},
    {2, I, 30446, "16-bit"},
    {2, I, 30447, "32-bit"},
    {1, I, 30430, "Use 3DNow!"},
    {1, I, 30431, "Use SIMD"},
    {1, I, 30435, "Use KTX ext."},
    {1, I, 30436, "Use W-buffer"},
    {0, S, 0, ""},
    {0, I, 30002, "Use &trilinear (at)"},
    {0, I, 30003, "Use S3T&C (ac)"},
    {0, I, 30023, "Use Non-DX fog (&ef)"},
    {0, I, 30024, "Use eye &fog (es)"},
    {0, I, 30025, "Use Tex&Patch (tp)"},
    {0, I, 30422, "Top &scan line (tsl)"},
    {0, I, 30450, "Fix game text (hsp)"},
    {0, I, 30028, "Triple &buffer (atb)"},
    {0, I, 30001, "Wait for &vsync (wv)"},
    {0, S, 0, ""},
    {0, P, 0, "Displays"},
    {1, I, 30420, "Outputs..."},
    {1, I, 30427, "Gamma..."},
    {1, I, 30449, "Refresh rates..."},
    {0, I, 30009, "Overcloc&k..."},
    {0, I, 30008, "&Options..."},
    {0, S, 0, ""},
    {0, I, 30010, "&Help..."},
    {0, I, 30006, "&About"},
    {0, S, 0, ""},
    {0, I, 30007, "E&xit"},
};

const MenuRow kBasicRows[] = {
    {0, P, 0, "Textures"},
    {1, I, 30004, "Auto mipmap (am)"},
    {1, S, 0, ""},
    {1, I, 30019, "AutoAGP (aa)"},
    {1, I, 30020, "VidTex only (vo)"},
    {1, I, 30021, "By App"},
    {0, P, 0, "MiniGL"},
    {1, I, 30410, "32bit colour"},
    {1, I, 30414, "Auto Mipmap"},
    {1, I, 30411, "AutoS3TC"},
    {1, I, 30413, "Texture Cache"},
    {1, I, 30412, "S3TC disk cache"},
    {0, P, 0, "OpenGL"},
    {1, I, 30430, "Use 3DNow!"},
    {1, I, 30431, "Use SIMD"},
    {0, S, 0, ""},
    {0, I, 30002, "Use &trilinear (at)"},
    {0, I, 30003, "Use S3T&C (ac)"},
    {0, I, 30023, "Use Non-DX fog (&ef)"},
    {0, I, 30024, "Use eye &fog (es)"},
    {0, I, 30025, "Use Tex&Patch (tp)"},
    {0, I, 30450, "Fix game text (hsp)"},
    {0, I, 30422, "Top &scan line (tsl)"},
    {0, I, 30028, "Triple &buffer (atb)"},
    {0, I, 30001, "Wait for &vsync (wv)"},
    {0, S, 0, ""},
    {0, P, 0, "Display"},
    {1, I, 30420, "Outputs..."},
    {1, I, 30427, "Gamma..."},
    {0, I, 30008, "&Options..."},
    {0, S, 0, ""},
    {0, I, 30010, "&Help..."},
    {0, I, 30006, "&About"},
    {0, S, 0, ""},
    {0, I, 30007, "E&xit"},
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
  if (menuId == kAdvancedMenuId) {
    *trayPopup = menuFromRows(kAdvancedRows, std::size(kAdvancedRows));
  } else if (menuId == kBasicMenuId) {
    *trayPopup = menuFromRows(kBasicRows, std::size(kBasicRows));
  } else {
    return false;
  }
  return true;
}

}  // namespace vdx
