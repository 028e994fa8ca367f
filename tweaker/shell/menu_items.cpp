#include "tweaker/shell/menu_items.h"

#include <iterator>

namespace vdx {
namespace {

using D = DriverOptions;
using A = OptionAction;
using W = ShownWhen;
using Field = int32_t D::*;

constexpr MenuOptionRow row(uint16_t id, const char* text, A action, Field field = nullptr, ChipCapability cap = 0,
                            W when = W::Chip) {
  MenuOptionRow r;
  r.first = r.last = id;
  r.text = text;
  r.action = action;
  r.field = field;
  r.capability = cap;
  r.shownWhen = when;
  return r;
}

// A switch flipped by its one item.
constexpr MenuOptionRow flip(uint16_t id, const char* text, Field field, ChipCapability cap = 0, W when = W::Chip) {
  return row(id, text, A::Flip, field, cap, when);
}

constexpr MenuOptionRow shownInTooltip(MenuOptionRow r) {
  r.tooltip = true;
  return r;
}

constexpr MenuOptionRow minigl(uint16_t id, const char* text, Field field) {
  MenuOptionRow r = flip(id, text, field);
  r.key = OptionKeyOf::MiniGL;
  return r;
}

constexpr MenuOptionRow valued(MenuOptionRow r, int32_t value, Field partner = nullptr) {
  r.value = value;
  r.partner = partner;
  return r;
}

constexpr MenuOptionRow set(uint16_t id, const char* text, Field field, int32_t value) {
  return valued(row(id, text, A::Set, field), value);
}

constexpr MenuOptionRow textureMode(uint16_t id, const char* text, int32_t mode) {
  return shownInTooltip(valued(row(id, text, A::TextureMode), mode));
}

constexpr MenuOptionRow linkedFog(uint16_t id, const char* text, Field field, Field partner) {
  return valued(row(id, text, A::FlipLinkedFog, field), 0, partner);
}

constexpr MenuOptionRow agpSizes() {
  MenuOptionRow r = row(IDM_AGP_SIZE_CUSTOM, nullptr, A::AgpSize, &D::AGPSize);
  r.last = IDM_AGP_SIZE_LAST;
  return r;
}

constexpr MenuOptionRow dbias(int step, const char* text) {
  return row(static_cast<uint16_t>(IDM_DBIAS_FIRST + step), text, A::DBias);
}

constexpr MenuOptionRow commandDma(int megabytes, const char* text) {
  return row(static_cast<uint16_t>(IDM_COMMAND_DMA_BASE + megabytes), text, A::CommandDma, &D::DMACB);
}

constexpr MenuOptionRow dialog(uint16_t id, const char* text, ChipCapability cap = 0) {
  return row(id, text, A::Dialog, nullptr, cap);
}

}  // namespace

const MenuOptionRow menuOptionTable[] = {
    shownInTooltip(flip(IDM_WAIT_VSYNC, "Wait for &vsync (wv)", &D::WV)),
    row(IDM_TRILINEAR, "Use &trilinear (at)", A::FlipTrilinear, &D::AT),
    shownInTooltip(flip(IDM_S3TC, "Use S3T&C (ac)", &D::AC)),
    flip(IDM_AUTO_MIPMAP, "Auto mipmap (am)", &D::AM),
    flip(IDM_Z_BUFFER, "Enable Z-buffer (zb)", &D::ZB, kCapZBuffer),
    textureMode(IDM_AUTO_AGP, "AutoAGP (aa)", 0),
    textureMode(IDM_VIDTEX_ONLY, "VidTex only (vo)", 1),
    textureMode(IDM_TEXTURES_BY_APP, "By App", 2),
    linkedFog(IDM_NON_DX_FOG, "Use Non-DX fog (&ef)", &D::EF, &D::ES),
    linkedFog(IDM_EYE_FOG, "Use eye &fog (es)", &D::ES, &D::EF),
    flip(IDM_TEXPATCH, "Use Tex&Patch (tp)", &D::TP, 0, W::TexPatchUsable),
    flip(IDM_FASTDRAW, "Use &Fastdraw (fd)", &D::FD),
    flip(IDM_OVERSAMPLE, "Oversample (os)", &D::OS),
    flip(IDM_TRIPLE_BUFFER, "Triple &buffer (atb)", &D::ATB),
    flip(IDM_FLIPBLT, "&FlipBlt (fb)", &D::FB),
    commandDma(1, "1MB buffer"),
    commandDma(2, "2MB buffer"),
    commandDma(3, "3MB buffer"),
    commandDma(4, "4MB buffer"),
    flip(IDM_BLOCK_WRITE, "&Block write (wb)", &D::BW, kCapBlockWrite),
    flip(IDM_WRITE_COMBINING, "&Write-combining (wc)", &D::WC, kCapWriteCombining),
    dbias(0, "1.0"), dbias(1, "0.9"), dbias(2, "0.8"), dbias(3, "0.7"), dbias(4, "0.6"),
    dbias(5, "0.5"), dbias(6, "0.4"), dbias(7, "0.3"), dbias(8, "0.2"), dbias(9, "0.1"),
    dbias(10, "0.0"), dbias(11, "-0.1"), dbias(12, "-0.2"), dbias(13, "-0.3"), dbias(14, "-0.4"),
    dbias(15, "-0.5"), dbias(16, "-0.6"), dbias(17, "-0.7"), dbias(18, "-0.8"), dbias(19, "-0.9"),
    dbias(20, "-1.0"),
    agpSizes(),
    row(IDM_AGP_1X, "Use &1X", A::AgpRate, &D::AGP),
    row(IDM_AGP_2X, "Use &2X", A::AgpRate, &D::AGP),
    row(IDM_AGP_4X, "Use &4X", A::AgpRate, &D::AGP, kCapAgp4x),
    minigl(IDM_MINIGL_32BIT, "32bit colour", &D::Bit32),
    minigl(IDM_MINIGL_AUTO_S3TC, "AutoS3TC", &D::AutoS3TC),
    minigl(IDM_MINIGL_S3TC_DISK_CACHE, "S3TC disk cache", &D::S3TCDiskCache),
    minigl(IDM_MINIGL_TEXTURE_CACHE, "Texture Cache", &D::TextureCache),
    minigl(IDM_MINIGL_MIPMAPPING, "Auto Mipmap", &D::Mipmapping),
    flip(IDM_TOP_SCAN_LINE, "Top &scan line (tsl)", &D::TSL, kCapTopScanLine),
    flip(IDM_FAST_Z_CLEAR, "Fast Z-clear (zc)", &D::ZC, kCapFastZClear),
    row(IDM_AGP_SIDEBAND, "&Sideband (agpsb)", A::FlipRestart, &D::AGPSB, kCapAgpSideband, W::NotSavage3D),
    flip(IDM_ICD_3DNOW, "Use 3DNow!", &D::ICD3DNOW),
    flip(IDM_ICD_SIMD, "Use SIMD", &D::ICDSIMD),
    set(IDM_ICD_HWTNL_AUTO, "Auto", &D::ICDHWTL, 0),
    set(IDM_ICD_HWTNL_OFF, "Off", &D::ICDHWTL, -1),
    set(IDM_ICD_HWTNL_ON, "ON", &D::ICDHWTL, 1),
    flip(IDM_ICD_KTX, "Use KTX ext.", &D::ICDUSEKTX),
    flip(IDM_ICD_W_BUFFER, "Use W-buffer", &D::ICDWBUFFER),
    flip(IDM_NO_FOG, "No fog (nf)", &D::NF),
    set(IDM_ICD_AUTO_Z_CLEAR_AUTO, "Auto", &D::ICDAZ, 0),
    set(IDM_ICD_AUTO_Z_CLEAR_OFF, "Off", &D::ICDAZ, -1),
    set(IDM_ICD_AUTO_Z_CLEAR_ON, "ON", &D::ICDAZ, 1),
    set(IDM_ICD_FOG_TABLE_AUTO, "Auto", &D::ICDFOGTABLE, 0),
    set(IDM_ICD_FOG_TABLE_ON, "ON", &D::ICDFOGTABLE, 1),
    set(IDM_ICD_FOG_TABLE_OFF, "Off", &D::ICDFOGTABLE, -1),
    set(IDM_ICD_TEXTURE_SIZE_AUTO, "Auto", &D::ICDTEXTURESIZE, 0),
    set(IDM_ICD_TEXTURE_SIZE_16, "16-bit", &D::ICDTEXTURESIZE, -1),
    set(IDM_ICD_TEXTURE_SIZE_32, "32-bit", &D::ICDTEXTURESIZE, 1),
    flip(IDM_FORCE_W_BUFFER, "Force W-buffer (wb)", &D::WB, kCapForceWBuffer),
    flip(IDM_FIX_GAME_TEXT, "Fix game text (hsp)", &D::HSP, kCapFixGameText),
    dialog(IDM_MINIGL_CONFIG, "MiniGL C&onfig..."),
    dialog(IDM_OUTPUTS, "Outputs...", kCapOutputs),
    dialog(IDM_GAMMA, "Gamma...", kCapGamma),
    dialog(IDM_REFRESH_RATES, "Refresh rates..."),
    dialog(IDM_OVERCLOCK, "Overcloc&k..."),
    dialog(IDM_OPTIONS, "&Options..."),
    dialog(IDM_ABOUT, "&About"),
    row(IDM_HELP, "&Help...", A::Help),
    row(IDM_EXIT, "E&xit", A::Exit),
};

const std::size_t menuOptionTableSize = std::size(menuOptionTable);

namespace {
constexpr MenuNode::Kind kPopup = MenuNode::kPopup;
constexpr MenuNode::Kind kSeparator = MenuNode::kSeparator;
}  // namespace

const MenuPartRow menuPartTable[] = {
    {kMenuSeparator, kSeparator, "", 0, W::Chip},
    {kTexturesPopup, kPopup, "Textures", 0, W::Chip},
    {kAgpPopup, kPopup, "&AGP", kCapAgp, W::Chip},
    {kAgpSeparator, kSeparator, "", kCapAgp, W::Chip},
    {kMiscPopup, kPopup, "Misc", 0, W::Chip},
    {kDBiasPopup, kPopup, "&dBias (db)", 0, W::Chip},
    {kCommandDmaPopup, kPopup, "&CommandDMA", kCapCommandDma, W::Chip},
    {kMiniGlPopup, kPopup, "MiniGL", kCapMiniGl, W::ChipNoPerfIcdMenu},
    {kOpenGlPopup, kPopup, "OpenGL", kCapOpenGl, W::ChipOrPerfIcdMenu},
    {kHwTnlPopup, kPopup, "Use HW T&&L", kCapHwTnl, W::Chip},
    {kAutoZClearPopup, kPopup, "Auto Z-Clear", kCapAutoZClear, W::Chip},
    {kFogTablePopup, kPopup, "Fog Table", 0, W::Chip},
    {kTextureSizePopup, kPopup, "Texture Size", 0, W::Chip},
    {kDisplaysPopup, kPopup, "Displays", 0, W::Chip},
    {kDisplayPopup, kPopup, "Display", 0, W::Chip},
};

const std::size_t menuPartTableSize = std::size(menuPartTable);

const MenuOptionRow* findMenuRow(uint16_t id) {
  for (const MenuOptionRow& r : menuOptionTable) {
    if (id >= r.first && id <= r.last) return &r;
  }
  return nullptr;
}

const MenuOptionRow* findMenuOption(uint16_t id) {
  const MenuOptionRow* r = findMenuRow(id);
  return r && r->isOption() ? r : nullptr;
}

const MenuPartRow* findMenuPart(uint16_t id) {
  for (const MenuPartRow& r : menuPartTable) {
    if (r.id == id) return &r;
  }
  return nullptr;
}

bool isShown(ChipCapability capability, ShownWhen when, const MenuShowing& showing) {
  const bool chip = capability == 0 || (capability & showing.capabilities) != 0;
  switch (when) {
    case ShownWhen::Chip: break;
    case ShownWhen::ChipOrPerfIcdMenu: return chip || showing.perfIcdMenu;
    case ShownWhen::ChipNoPerfIcdMenu: return chip && !showing.perfIcdMenu;
    case ShownWhen::TexPatchUsable: return chip && !showing.texPatchUnavailable;
    case ShownWhen::NotSavage3D: return chip && showing.deviceId != 0x8A20 && showing.deviceId != 0x8A21;
  }
  return chip;
}

float dBiasOfItem(uint16_t id) { return static_cast<float>((IDM_DBIAS_ZERO - static_cast<int>(id)) * 0.1); }

int32_t commandDmaOfItem(uint16_t id) { return static_cast<int32_t>(id) - IDM_COMMAND_DMA_BASE; }

uint16_t commandDmaItem(int32_t megabytes) { return static_cast<uint16_t>(IDM_COMMAND_DMA_BASE + megabytes); }

int32_t agpRateOfItem(uint16_t id) { return static_cast<int32_t>(id) - IDM_AGP_RATE_BASE; }

uint16_t agpRateItem(int32_t rate) { return rate == 4 ? IDM_AGP_4X : rate == 2 ? IDM_AGP_2X : IDM_AGP_1X; }

}  // namespace vdx
