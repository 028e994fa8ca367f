#include "tweaker/settings/option_table.h"

#include <cstring>

#include "tweaker/adapter/adapter_identity.h"

namespace vdx {
namespace {

using D = DriverOptions;
using E = OptionEncoding;
using W = WriteRule;
constexpr OptionKey A = OptionKey::Driver;
constexpr OptionKey M = OptionKey::MiniGL;

#define SW(name, cap_rule, cap) {#name, A, E::OnOff, &D::name, nullptr, 0, 1, cap_rule, cap}

const OptionRow kRows[] = {
    SW(AA, W::Always, 0),
    SW(VO, W::Always, 0),
    SW(AM, W::Always, 0),
    SW(AT, W::Always, 0),
    SW(AC, W::Always, 0),
    SW(EF, W::Always, 0),
    SW(ES, W::Always, 0),
    SW(TP, W::TexPatch, 0),
    SW(FD, W::Always, 0),
    SW(ATB, W::Always, 0),
    SW(WV, W::Always, 0),
    SW(FB, W::Always, 0),
    SW(OS, W::Always, 0),
    SW(TSL, W::Always, 0),
    SW(BW, W::WithCapability, kCapBlockWrite),
    SW(WC, W::WithCapability, kCapWriteCombining),
    SW(ZB, W::WithCapability, kCapZBuffer),
    SW(ZC, W::WithCapability, kCapFastZClear),
    SW(NF, W::Always, 0),
    SW(WB, W::WithCapability, kCapForceWBuffer),
    SW(HSP, W::WithCapability, kCapFixGameText),
    SW(AGPSB, W::WithCapability, kCapAgpSideband),
    SW(ICD3DNOW, W::OpenGl, 0),
    SW(ICDSIMD, W::OpenGl, 0),
    SW(ICDUSEKTX, W::OpenGl, 0),
    SW(ICDWBUFFER, W::OpenGl, 0),
    {"ICDHWTL", A, E::TriState, &D::ICDHWTL, nullptr, 0, 0, W::OpenGl, kCapHwTnl},
    {"ICDAZ", A, E::TriState, &D::ICDAZ, nullptr, 0, 0, W::OpenGl, kCapAutoZClear},
    {"ICDFOGTABLE", A, E::TriState, &D::ICDFOGTABLE, nullptr, 0, 0, W::OpenGl, 0},
    {"ICDTEXTURESIZE", A, E::TextureSize, &D::ICDTEXTURESIZE, nullptr, 0, 0, W::OpenGl, 0},
    {"DB", A, E::Decimal, nullptr, &D::DB, -1, 1, W::Always, 0},
    {"AGPSize", A, E::Number, &D::AGPSize, nullptr, 8, 90, W::Always, 0},
    {"AGP", A, E::AgpRate, &D::AGP, nullptr, 1, 4, W::Always, 0},
    {"TC", A, E::Number, &D::TC, nullptr, 64, 2048, W::NotByWriter, 0},
    {"TM", A, E::Number, &D::TM, nullptr, kLowIsTmFloor, 2048, W::NotByWriter, 0},
    {"DMACB", A, E::CommandDma, &D::DMACB, nullptr, 1, 4, W::WithCapability, kCapCommandDma},
    {"ICDMode", A, E::SwitchKeepingValue, &D::ICDMode, nullptr, 0, 1, W::NotByWriter, 0},
    {"32Bit", M, E::Dword, &D::Bit32, nullptr, 0, 1, W::Always, 0},
    {"AutoS3TC", M, E::Dword, &D::AutoS3TC, nullptr, 0, 1, W::Always, 0},
    {"S3TCDiskCache", M, E::Dword, &D::S3TCDiskCache, nullptr, 0, 1, W::Always, 0},
    {"TextureCache", M, E::Dword, &D::TextureCache, nullptr, 0, 1, W::Always, 0},
    {"Mipmapping", M, E::Dword, &D::Mipmapping, nullptr, 0, 1, W::Always, 0},
};

#undef SW

}  // namespace

const OptionRow* findOptionRow(const char* valueName) {
  for (const OptionRow& row : kRows)
    if (std::strcmp(row.valueName, valueName) == 0) return &row;
  return nullptr;
}

const char* const kDriverReadOrder[] = {
    "AM", "AT", "AC", "AA", "VO", "FD", "EF", "ES", "TP", "WV", "FB", "OS", "TSL", "WC", "AGPSB",
    "ICD3DNOW", "ICDSIMD", "ICDUSEKTX", "ICDWBUFFER",
    "ICDHWTL", "ICDAZ", "ICDFOGTABLE", "ICDTEXTURESIZE",
    "DB", "AGPSize", "TC", "TM", "AGP",
    "ATB", "BW", "ZB", "ZC", "NF", "WB", "HSP",
    "DMACB", "ICDMode",
};
const int kDriverReadOrderCount = sizeof kDriverReadOrder / sizeof kDriverReadOrder[0];

const char* const kDriverWriteOrder[] = {
    "AC", "AM", "AT", "FD", "VO", "AA", "EF", "ES", "TSL",
    "WC",
    "ICD3DNOW", "ICDSIMD", "ICDUSEKTX", "ICDWBUFFER", "ICDHWTL", "ICDAZ", "ICDFOGTABLE", "ICDTEXTURESIZE",
    "TP",
    "WV", "FB", "OS", "ATB",
    "DB", "AGPSize", "AGP",
    "BW", "DMACB",
    "ZB", "ZC", "WB", "HSP",
    "NF", "AGPSB",
};
const int kDriverWriteOrderCount = sizeof kDriverWriteOrder / sizeof kDriverWriteOrder[0];

const char* const kMiniGLOrder[] = {"32Bit", "AutoS3TC", "S3TCDiskCache", "TextureCache", "Mipmapping"};
const int kMiniGLOrderCount = sizeof kMiniGLOrder / sizeof kMiniGLOrder[0];

}  // namespace vdx
