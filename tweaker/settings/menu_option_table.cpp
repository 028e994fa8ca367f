#include "tweaker/settings/menu_option_table.h"

#include <iterator>

namespace vdx {
namespace {

using D = DriverOptions;
using A = OptionAction;
constexpr OptionKeyOf kDrv = OptionKeyOf::DriverSettings;
constexpr OptionKeyOf kGl = OptionKeyOf::MiniGL;

// A switch flipped by its one item.
#define FLIP(id, name, cap) {id, id, A::Flip, &D::name, cap, 0, nullptr, false, kDrv}
#define MINIGL(id, name) {id, id, A::Flip, &D::name, 0, 0, nullptr, false, kGl}
#define SET(id, name, v) {id, id, A::Set, &D::name, 0, v, nullptr, false, kDrv}

}  // namespace

const MenuOptionRow menuOptionTable[] = {
    {IDM_WAIT_VSYNC, IDM_WAIT_VSYNC, A::Flip, &D::WV, 0, 0, nullptr, true, kDrv},
    {IDM_TRILINEAR, IDM_TRILINEAR, A::FlipTrilinear, &D::AT, 0, 0, nullptr, false, kDrv},
    {IDM_S3TC, IDM_S3TC, A::Flip, &D::AC, 0, 0, nullptr, true, kDrv},
    FLIP(IDM_AUTO_MIPMAP, AM, 0),
    FLIP(IDM_Z_BUFFER, ZB, kCapZBuffer),
    {IDM_AUTO_AGP, IDM_AUTO_AGP, A::TextureMode, nullptr, 0, 0, nullptr, true, kDrv},
    {IDM_VIDTEX_ONLY, IDM_VIDTEX_ONLY, A::TextureMode, nullptr, 0, 1, nullptr, true, kDrv},
    {IDM_TEXTURES_BY_APP, IDM_TEXTURES_BY_APP, A::TextureMode, nullptr, 0, 2, nullptr, true, kDrv},
    {IDM_NON_DX_FOG, IDM_NON_DX_FOG, A::FlipLinkedFog, &D::EF, 0, 0, &D::ES, false, kDrv},
    {IDM_EYE_FOG, IDM_EYE_FOG, A::FlipLinkedFog, &D::ES, 0, 0, &D::EF, false, kDrv},
    FLIP(IDM_TEXPATCH, TP, 0),
    FLIP(IDM_FASTDRAW, FD, 0),
    FLIP(IDM_OVERSAMPLE, OS, 0),
    FLIP(IDM_TRIPLE_BUFFER, ATB, 0),
    FLIP(IDM_FLIPBLT, FB, 0),
    {IDM_COMMAND_DMA_FIRST, IDM_COMMAND_DMA_LAST, A::CommandDma, &D::DMACB, 0, 0, nullptr, false, kDrv},
    FLIP(IDM_BLOCK_WRITE, BW, kCapBlockWrite),
    FLIP(IDM_WRITE_COMBINING, WC, kCapWriteCombining),
    {IDM_DBIAS_FIRST, IDM_DBIAS_LAST, A::DBias, nullptr, 0, 0, nullptr, false, kDrv},
    {IDM_AGP_SIZE_CUSTOM, IDM_AGP_SIZE_LAST, A::AgpSize, &D::AGPSize, 0, 0, nullptr, false, kDrv},
    {IDM_AGP_1X, IDM_AGP_2X, A::AgpRate, &D::AGP, 0, 0, nullptr, false, kDrv},
    {IDM_AGP_4X, IDM_AGP_4X, A::AgpRate, &D::AGP, kCapAgp4x, 0, nullptr, false, kDrv},
    MINIGL(IDM_MINIGL_32BIT, Bit32),
    MINIGL(IDM_MINIGL_AUTO_S3TC, AutoS3TC),
    MINIGL(IDM_MINIGL_S3TC_DISK_CACHE, S3TCDiskCache),
    MINIGL(IDM_MINIGL_TEXTURE_CACHE, TextureCache),
    MINIGL(IDM_MINIGL_MIPMAPPING, Mipmapping),
    FLIP(IDM_TOP_SCAN_LINE, TSL, kCapTopScanLine),
    FLIP(IDM_FAST_Z_CLEAR, ZC, kCapFastZClear),
    {IDM_AGP_SIDEBAND, IDM_AGP_SIDEBAND, A::FlipRestart, &D::AGPSB, kCapAgpSideband, 0, nullptr, false, kDrv},
    FLIP(IDM_ICD_3DNOW, ICD3DNOW, 0),
    FLIP(IDM_ICD_SIMD, ICDSIMD, 0),
    SET(IDM_ICD_HWTNL_AUTO, ICDHWTL, 0),
    SET(IDM_ICD_HWTNL_OFF, ICDHWTL, -1),
    SET(IDM_ICD_HWTNL_ON, ICDHWTL, 1),
    FLIP(IDM_ICD_KTX, ICDUSEKTX, 0),
    FLIP(IDM_ICD_W_BUFFER, ICDWBUFFER, 0),
    FLIP(IDM_NO_FOG, NF, 0),
    SET(IDM_ICD_AUTO_Z_CLEAR_AUTO, ICDAZ, 0),
    SET(IDM_ICD_AUTO_Z_CLEAR_OFF, ICDAZ, -1),
    SET(IDM_ICD_AUTO_Z_CLEAR_ON, ICDAZ, 1),
    SET(IDM_ICD_FOG_TABLE_AUTO, ICDFOGTABLE, 0),
    SET(IDM_ICD_FOG_TABLE_ON, ICDFOGTABLE, 1),
    SET(IDM_ICD_FOG_TABLE_OFF, ICDFOGTABLE, -1),
    SET(IDM_ICD_TEXTURE_SIZE_AUTO, ICDTEXTURESIZE, 0),
    SET(IDM_ICD_TEXTURE_SIZE_16, ICDTEXTURESIZE, -1),
    SET(IDM_ICD_TEXTURE_SIZE_32, ICDTEXTURESIZE, 1),
    FLIP(IDM_FORCE_W_BUFFER, WB, kCapForceWBuffer),
    FLIP(IDM_FIX_GAME_TEXT, HSP, kCapFixGameText),
};

#undef FLIP
#undef MINIGL
#undef SET

const std::size_t menuOptionTableSize = std::size(menuOptionTable);

const MenuOptionRow* findMenuOption(uint16_t id) {
  for (const MenuOptionRow& row : menuOptionTable) {
    if (id >= row.first && id <= row.last) return &row;
  }
  return nullptr;
}

float dBiasOfItem(uint16_t id) { return static_cast<float>((IDM_DBIAS_ZERO - static_cast<int>(id)) * 0.1); }

int32_t commandDmaOfItem(uint16_t id) { return static_cast<int32_t>(id) - IDM_COMMAND_DMA_BASE; }

uint16_t commandDmaItem(int32_t megabytes) { return static_cast<uint16_t>(IDM_COMMAND_DMA_BASE + megabytes); }

int32_t agpRateOfItem(uint16_t id) { return static_cast<int32_t>(id) - IDM_AGP_RATE_BASE; }

uint16_t agpRateItem(int32_t rate) { return rate == 4 ? IDM_AGP_4X : rate == 2 ? IDM_AGP_2X : IDM_AGP_1X; }

}  // namespace vdx
