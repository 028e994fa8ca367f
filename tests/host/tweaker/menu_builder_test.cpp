// The tray menu per chip family, board and preference, built on the model.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "tweaker/resources/command_ids.h"
#include "tweaker/resources/resource.h"
#include "tweaker/shell/command_dialogs.h"
#include "tweaker/shell/menu_builder.h"
#include "tweaker/shell/menu_items.h"
#include "tweaker/shell/menu_tables.h"

namespace vdx {
namespace {

constexpr uint32_t kSavage4Agp = kCapMclk | kCapEclk | kCapOutputs | kCapBlockWrite | kCapCommandDma | kCapAgp |
                                 kCapWriteCombining | kCapZBuffer | kCapFastZClear | kCapAgpSideband | kCapGamma |
                                 kCapTopScanLine | kCapMiniGl;

TrayMenuInputs inputs(uint32_t caps, uint32_t deviceId = 0x8A22, bool advanced = true) {
  TrayMenuInputs in;
  in.advanced = advanced;
  in.capabilities = caps;
  in.deviceId = deviceId;
  in.options.AGP = 2;
  in.agpSizeList = {4, 6, 8, 10, 12, 16, 20, 24, 28, 32, 36, 40, 48, 56, 64, 72, 80, 90, 128};
  in.physicalMemoryMb = 256;
  in.tweakRes = false;
  in.screenDepth = 16;
  in.options.AGPSize = 28;
  in.options.DMACB = 4;
  return in;
}

TrayMenu build(const TrayMenuInputs& in) {
  TrayMenu menu;
  EXPECT_TRUE(buildTrayMenu(in, &menu));
  return menu;
}

std::vector<std::string> texts(const MenuNode& popup) {
  std::vector<std::string> out;
  for (const MenuNode& n : popup.children) out.push_back(n.kind == MenuNode::kSeparator ? "-" : n.text);
  return out;
}

const MenuNode* popupNamed(const MenuNode& menu, const std::string& text) {
  for (const MenuNode& n : menu.children) {
    if (n.kind == MenuNode::kPopup && n.text == text) return &n;
  }
  return nullptr;
}

std::vector<uint16_t> checkedIds(const MenuNode& menu) {
  std::vector<uint16_t> out;
  for (const MenuNode& n : menu.children) {
    if (n.kind == MenuNode::kItem && n.checked) out.push_back(n.id);
    if (n.kind == MenuNode::kPopup) {
      for (uint16_t id : checkedIds(n)) out.push_back(id);
    }
  }
  return out;
}

using Strings = std::vector<std::string>;

TEST(MenuTables, BothMenusHoldTheirItemsInOrder) {
  MenuNode adv, basic;
  ASSERT_TRUE(loadTrayMenu(IDR_MENU_ADVANCED, &adv));
  ASSERT_TRUE(loadTrayMenu(IDR_MENU_BASIC, &basic));
  EXPECT_FALSE(loadTrayMenu(107, &basic));
  EXPECT_EQ(texts(adv), (Strings{"Textures", "Misc", "MiniGL", "OpenGL", "-", "Use &trilinear (at)",
                                 "Use S3T&C (ac)", "Use Non-DX fog (&ef)", "Use eye &fog (es)",
                                 "Use Tex&Patch (tp)", "Top &scan line (tsl)", "Fix game text (hsp)",
                                 "Triple &buffer (atb)", "Wait for &vsync (wv)", "-", "Displays",
                                 "Overcloc&k...", "&Options...", "-", "&Help...", "&About", "-", "E&xit"}));
  EXPECT_EQ(texts(basic), (Strings{"Textures", "MiniGL", "OpenGL", "-", "Use &trilinear (at)", "Use S3T&C (ac)",
                                   "Use Non-DX fog (&ef)", "Use eye &fog (es)", "Use Tex&Patch (tp)",
                                   "Fix game text (hsp)", "Top &scan line (tsl)", "Triple &buffer (atb)",
                                   "Wait for &vsync (wv)", "-", "Display", "&Options...", "-", "&Help...",
                                   "&About", "-", "E&xit"}));
  const MenuNode* dbias = popupNamed(*popupNamed(adv, "Misc"), "&dBias (db)");
  ASSERT_NE(dbias, nullptr);
  ASSERT_EQ(dbias->children.size(), 21u);
  EXPECT_EQ(dbias->children.front().text, "1.0");
  EXPECT_EQ(dbias->children.back().text, "-1.0");
  EXPECT_EQ(dbias->children.back().id, IDM_DBIAS_LAST);
  EXPECT_EQ(texts(*popupNamed(adv, "OpenGL")),
            (Strings{"Use HW T&&L", "Auto Z-Clear", "Fog Table", "Texture Size", "Use 3DNow!", "Use SIMD",
                     "Use KTX ext.", "Use W-buffer"}));
  // The basic menu has none of the risky items.
  for (uint16_t id : {IDM_MINIGL_CONFIG, IDM_OVERCLOCK, IDM_REFRESH_RATES, IDM_DBIAS_FIRST, IDM_COMMAND_DMA_FIRST,
                      IDM_AGP_1X, IDM_ICD_HWTNL_AUTO}) {
    EXPECT_EQ(findMenuItem(basic, static_cast<uint16_t>(id)), nullptr) << id;
  }
}

void collectItemIds(const MenuNode& node, std::vector<uint16_t>* ids) {
  for (const MenuNode& child : node.children) {
    if (child.kind == MenuNode::kItem) ids->push_back(child.id);
    if (child.kind == MenuNode::kPopup) collectItemIds(child, ids);
  }
}

// The menu tables and the command tables agree: every item of either menu
// is a command something handles, and every option command has its item.
TEST(MenuTables, EveryItemIsACommandAndEveryOptionCommandAnItem) {
  std::vector<uint16_t> advancedIds, basicIds;
  for (auto [menuId, ids] : {std::pair<uint16_t, std::vector<uint16_t>*>{IDR_MENU_ADVANCED, &advancedIds},
                             {IDR_MENU_BASIC, &basicIds}}) {
    MenuNode menu;
    ASSERT_TRUE(loadTrayMenu(menuId, &menu));
    collectItemIds(menu, ids);
    for (uint16_t id : *ids) {
      const bool handled = findMenuOption(id) || findDialogCommand(id) || id == IDM_EXIT || id == IDM_HELP;
      EXPECT_TRUE(handled) << "menu " << menuId << " item " << id << " does nothing";
    }
  }
  for (std::size_t i = 0; i < menuOptionTableSize; ++i) {
    const MenuOptionRow& row = menuOptionTable[i];
    if (row.action == OptionAction::AgpSize) continue;  // its items are made at each click
    for (uint32_t id = row.first; id <= row.last; ++id) {
      EXPECT_NE(std::find(advancedIds.begin(), advancedIds.end(), id), advancedIds.end())
          << "option command " << id << " has no item in the advanced menu";
    }
  }
}

// Each dialog item opens the dialog its id names, and each dialog command but
// the Schemes submenu's "Configure..." is an item of the menus.
TEST(MenuTables, DialogItemsAndDialogCommandsAgree) {
  for (std::size_t i = 0; i < menuOptionTableSize; ++i) {
    const MenuOptionRow& row = menuOptionTable[i];
    EXPECT_EQ(row.action == OptionAction::Dialog, findDialogCommand(row.first) != nullptr) << row.first;
    EXPECT_EQ(row.isOption(), findMenuOption(row.first) == &row) << row.first;
  }
  for (std::size_t i = 0; i < kDialogCommandCount; ++i) {
    const uint16_t id = kDialogCommands[i].commandId;
    if (id == IDM_SCHEME_CONFIGURE) continue;
    ASSERT_NE(findMenuRow(id), nullptr) << id;
    EXPECT_EQ(findMenuRow(id)->action, OptionAction::Dialog) << id;
  }
}

// A popup left out takes its own popups along and no more; ids no row names
// and stray ends are passed over.
TEST(MenuTables, ALeftOutPopupTakesItsContentsOnly) {
  const uint16_t ids[] = {kMiscPopup, kCommandDmaPopup, IDM_COMMAND_DMA_FIRST, kAgpPopup, IDM_AGP_1X, kMenuEnd,
                          IDM_COMMAND_DMA_LAST, kMenuEnd, IDM_FASTDRAW, 12345, kMenuEnd, kMenuEnd, IDM_EXIT};
  MenuShowing showing;
  showing.capabilities = kCapAgp;
  MenuNode menu = menuFromIds(ids, std::size(ids), &showing);
  EXPECT_EQ(texts(menu), (Strings{"Misc", "E&xit"}));
  EXPECT_EQ(texts(menu.children[0]), (Strings{"Use &Fastdraw (fd)"}));
  menu = menuFromIds(ids, std::size(ids), nullptr);
  EXPECT_EQ(texts(menu.children[0]), (Strings{"&CommandDMA", "Use &Fastdraw (fd)"}));
  EXPECT_EQ(texts(menu.children[0].children[0]), (Strings{"1MB buffer", "&AGP", "4MB buffer"}));
}

TEST(TrayMenu, SavageMxWithoutSidebandLacksTheSidebandItem) {
  TrayMenu m = build(inputs((kSavage4Agp & ~kCapAgpSideband) | kCapAgp4x, 0x8C12));
  EXPECT_EQ(findMenuItem(m.popup, IDM_AGP_SIDEBAND), nullptr);
  EXPECT_NE(findMenuItem(m.popup, IDM_AGP_4X), nullptr);
}

TEST(TrayMenu, Savage3DOnAgpKeepsTheAgpMenuWithoutSidebandAnd4X) {
  TrayMenu m = build(inputs(kSavage4Agp, 0x8A20));
  const MenuNode* agp = popupNamed(*popupNamed(m.popup, "Textures"), "&AGP");
  ASSERT_NE(agp, nullptr);
  EXPECT_EQ(findMenuItem(*agp, IDM_AGP_SIDEBAND), nullptr);
  EXPECT_EQ(findMenuItem(*agp, IDM_AGP_4X), nullptr);
  EXPECT_NE(findMenuItem(*agp, IDM_AGP_2X), nullptr);
}

TEST(TrayMenu, PciSavage4TexturesStartWithAutoMipmap) {
  TrayMenu m = build(inputs(kSavage4Agp & ~kCapAgp));
  const MenuNode* textures = popupNamed(m.popup, "Textures");
  ASSERT_NE(textures, nullptr);
  EXPECT_EQ(texts(*textures),
            (Strings{"Auto mipmap (am)", "-", "AutoAGP (aa)", "VidTex only (vo)", "By App"}));
}

TEST(TrayMenu, OpenGlAndMiniGlFollowCapabilitiesAndThePerfIcdPreference) {
  // MiniGL driver only: MiniGL shown, OpenGL removed.
  TrayMenu m = build(inputs(kSavage4Agp));
  EXPECT_NE(popupNamed(m.popup, "MiniGL"), nullptr);
  EXPECT_EQ(popupNamed(m.popup, "OpenGL"), nullptr);

  // PerfICDmenu: the OpenGL submenu even without the OpenGL driver bit, no MiniGL.
  TrayMenuInputs in = inputs(kSavage4Agp);
  in.perfIcdMenu = true;
  m = build(in);
  EXPECT_EQ(popupNamed(m.popup, "MiniGL"), nullptr);
  const MenuNode* gl = popupNamed(m.popup, "OpenGL");
  ASSERT_NE(gl, nullptr);
  // Neither hardware T&L nor auto Z-clear: both tri-state submenus go.
  EXPECT_EQ(texts(*gl)[0], "Fog Table");

  // With the auto Z-clear bit only the T&L submenu goes.
  in.capabilities |= kCapAutoZClear;
  m = build(in);
  EXPECT_EQ(texts(*popupNamed(m.popup, "OpenGL"))[0], "Auto Z-Clear");

  // Basic menu: OpenGL at position 2, MiniGL at 1.
  in = inputs(kSavage4Agp | kCapOpenGl, 0x8A22, false);
  m = build(in);
  EXPECT_EQ(texts(m.popup)[0], "Textures");
  EXPECT_EQ(texts(m.popup)[1], "MiniGL");
  EXPECT_EQ(texts(m.popup)[2], "OpenGL");
}

TEST(TrayMenu, CommandDmaNeedsItsCapability) {
  TrayMenu m = build(inputs(kSavage4Agp & ~kCapCommandDma));
  EXPECT_EQ(texts(*popupNamed(m.popup, "Misc"))[1], "-");
  EXPECT_EQ(findMenuItem(m.popup, IDM_COMMAND_DMA_BASE + 2), nullptr);
}

TEST(TrayMenu, AgpSizesStopAtInstalledMemoryAndEndWithCustom) {
  TrayMenuInputs in = inputs(kSavage4Agp);
  in.physicalMemoryMb = 48;
  TrayMenu m = build(in);
  const MenuNode* agp = popupNamed(*popupNamed(m.popup, "Textures"), "&AGP");
  EXPECT_EQ(texts(*agp), (Strings{"4 MB", "6 MB", "8 MB", "10 MB", "12 MB", "16 MB", "20 MB", "24 MB", "28 MB",
                                  "32 MB", "36 MB", "40 MB", "48 MB", "Custom", "-", "Use &1X", "Use &2X",
                                  "&Sideband (agpsb)"}));
  EXPECT_EQ(agp->children[12].id, IDM_AGP_SIZE_CUSTOM + 48);
  EXPECT_EQ(agp->children[13].id, IDM_AGP_SIZE_CUSTOM);
}

TEST(TrayMenu, AgpSizesOutsideTheCommandRangeAreNotOffered) {
  TrayMenuInputs in = inputs(kSavage4Agp);
  in.physicalMemoryMb = 4096;
  in.agpSizeList = {0, 64, 129, 300};
  TrayMenu m = build(in);
  const MenuNode* agp = popupNamed(*popupNamed(m.popup, "Textures"), "&AGP");
  EXPECT_EQ(texts(*agp)[0], "64 MB");
  EXPECT_EQ(texts(*agp)[1], "Custom");
}

TEST(TrayMenu, RadioMarksFollowTheOptions) {
  TrayMenuInputs in = inputs(kSavage4Agp | kCapOpenGl | kCapHwTnl | kCapAutoZClear | kCapAgp4x);
  in.options.AGPSize = 30;  // not in the list: "Custom"
  in.options.DB = 0.25f;  // no such item: "0.0"
  in.options.VO = 1;
  in.options.AGP = 3;
  in.options.DMACB = 2;
  in.options.ICDHWTL = -1;
  in.options.ICDAZ = 1;
  in.options.ICDFOGTABLE = -1;
  in.options.ICDTEXTURESIZE = -1;
  TrayMenu m = build(in);
  EXPECT_EQ(checkedIds(m.popup),
            (std::vector<uint16_t>{IDM_AGP_SIZE_CUSTOM, IDM_AGP_1X, IDM_VIDTEX_ONLY, IDM_DBIAS_ZERO,
                                   IDM_COMMAND_DMA_BASE + 2, IDM_ICD_HWTNL_OFF, IDM_ICD_AUTO_Z_CLEAR_ON,
                                   IDM_ICD_FOG_TABLE_OFF, IDM_ICD_TEXTURE_SIZE_16}));
  const MenuNode* custom = findMenuItem(m.popup, IDM_AGP_SIZE_CUSTOM);
  EXPECT_TRUE(custom->radio);

  in.options.AGPSize = 28;
  in.options.DB = -0.3f;
  in.options.AA = 1;  // AA wins over VO
  in.options.AGP = 4;
  m = build(in);
  EXPECT_TRUE(findMenuItem(m.popup, IDM_AGP_SIZE_CUSTOM + 28)->checked);
  EXPECT_FALSE(findMenuItem(m.popup, IDM_AGP_SIZE_CUSTOM)->checked);
  EXPECT_TRUE(findMenuItem(m.popup, IDM_DBIAS_FIRST + 13)->checked);
  EXPECT_TRUE(findMenuItem(m.popup, IDM_AUTO_AGP)->checked);
  EXPECT_FALSE(findMenuItem(m.popup, IDM_VIDTEX_ONLY)->checked);
  EXPECT_TRUE(findMenuItem(m.popup, IDM_AGP_4X)->checked);
}

TEST(TrayMenu, EveryDBiasItemMarksTheValueItWritesAndReadsBack) {
  for (uint16_t id = IDM_DBIAS_FIRST; id <= IDM_DBIAS_LAST; ++id) {
    char text[16];
    std::snprintf(text, sizeof text, "%.1f", dBiasOfItem(id));
    TrayMenuInputs in = inputs(kSavage4Agp);
    in.options.DB = std::strtof(text, nullptr);
    TrayMenu m = build(in);
    EXPECT_TRUE(findMenuItem(m.popup, id)->checked) << id << " " << text;
  }
}

TEST(TrayMenu, CheckMarksAndGreying) {
  TrayMenuInputs in = inputs(kSavage4Agp);
  in.options.WV = 1;
  in.options.Bit32 = 1;
  in.useOverclock = false;
  in.autoTriMip = false;
  in.screenDepth = 8;
  TrayMenu m = build(in);
  EXPECT_TRUE(findMenuItem(m.popup, IDM_WAIT_VSYNC)->checked);
  EXPECT_FALSE(findMenuItem(m.popup, IDM_WAIT_VSYNC)->radio);
  EXPECT_TRUE(findMenuItem(m.popup, IDM_MINIGL_32BIT)->checked);
  EXPECT_FALSE(findMenuItem(m.popup, IDM_S3TC)->checked);
  EXPECT_TRUE(findMenuItem(m.popup, IDM_OVERCLOCK)->grayed);
  EXPECT_TRUE(findMenuItem(m.popup, IDM_GAMMA)->grayed);
  EXPECT_TRUE(findMenuItem(m.popup, IDM_TRILINEAR)->grayed);  // AM off

  in.options.AM = 1;
  in.screenDepth = 16;
  m = build(in);
  EXPECT_FALSE(findMenuItem(m.popup, IDM_TRILINEAR)->grayed);
  EXPECT_FALSE(findMenuItem(m.popup, IDM_GAMMA)->grayed);

  in.autoTriMip = true;
  in.options.AM = 0;
  m = build(in);
  EXPECT_FALSE(findMenuItem(m.popup, IDM_TRILINEAR)->grayed);
}

TEST(TrayMenu, TexPatchWithdrawnRemovesItsItem) {
  TrayMenuInputs in = inputs(kSavage4Agp);
  in.texPatchUnavailable = true;
  EXPECT_EQ(findMenuItem(build(in).popup, IDM_TEXPATCH), nullptr);
}

TEST(TrayMenu, SchemesSubmenuListsNamesWithTheCurrentOneMarked) {
  TrayMenuInputs in = inputs(kSavage4Agp);
  in.schemeListExists = true;
  in.schemes = {"Quake", "Unreal", "Descent"};
  in.currentScheme = "UNREAL";
  TrayMenu m = build(in);
  ASSERT_EQ(texts(m.popup)[0], "Schemes");
  const MenuNode& schemes = m.popup.children[0];
  EXPECT_EQ(texts(schemes),
            (Strings{"Configure...", "Refresh list", "(Default)", "-", "Quake", "Unreal", "Descent"}));
  EXPECT_EQ(schemes.children[5].id, IDM_SCHEME_FIRST + 1);
  EXPECT_TRUE(schemes.children[5].checked && schemes.children[5].radio);
  EXPECT_FALSE(schemes.children[4].checked);
  EXPECT_EQ(m.schemeCount, 3);
  EXPECT_EQ(m.records.size(), 8u);  // popup, three names, separator, three fixed items
  EXPECT_STREQ(m.records.newest()->text, "Configure...");  // the last one inserted
  m.records.freeMenuItemRecords();
  EXPECT_EQ(m.records.newest(), nullptr);

  in.schemes.clear();
  m = build(in);
  EXPECT_EQ(texts(m.popup.children[0]), (Strings{"Configure...", "Refresh list", "(Default)"}));
  EXPECT_EQ(m.schemeCount, 0);

  in.schemeListExists = false;
  m = build(in);
  EXPECT_EQ(texts(m.popup)[0], "Textures");
  EXPECT_EQ(m.records.size(), 0u);
}

TEST(TrayMenu, LongSchemeNamesAreCutTo63Characters) {
  TrayMenuInputs in = inputs(kSavage4Agp);
  in.schemeListExists = true;
  in.schemes = {std::string(200, 'x')};
  TrayMenu m = build(in);
  EXPECT_EQ(m.popup.children[0].children[4].text, std::string(63, 'x'));
}

TEST(TrayMenu, TweakResGroupsModesByDepthAndChecksTheCurrentOne) {
  TrayMenuInputs in = inputs(kSavage4Agp);
  in.tweakRes = true;
  in.schemeListExists = true;
  in.displayModes = {{640, 480, 4, 60}, {640, 480, 8, 60}, {640, 480, 16, 60}, {800, 600, 16, 60},
                     {800, 600, 16, 75}};
  in.screenWidth = 800;
  in.screenHeight = 600;
  in.screenDepth = 16;
  TrayMenu m = build(in);
  EXPECT_EQ(texts(m.popup)[0], "TweakRes");
  EXPECT_EQ(texts(m.popup)[1], "-");
  EXPECT_EQ(m.popup.children[1].id, IDM_SCHEME_FIRST);
  EXPECT_EQ(texts(m.popup)[2], "Schemes");
  const MenuNode& res = m.popup.children[0];
  EXPECT_EQ(texts(res), (Strings{"640x480 (8 bpp)", "-", "640x480 (16 bpp)", "800x600 (16 bpp)",
                                 "800x600 (16 bpp)"}));
  EXPECT_EQ(res.children[0].id, IDM_DISPLAY_MODE_FIRST);
  EXPECT_EQ(res.children[1].id, IDM_SCHEME_FIRST + 1);
  EXPECT_EQ(res.children[4].id, IDM_DISPLAY_MODE_FIRST + 4);
  // The last matching item carries the mark.
  EXPECT_FALSE(res.children[3].checked);
  EXPECT_TRUE(res.children[4].checked);
}

}  // namespace
}  // namespace vdx
