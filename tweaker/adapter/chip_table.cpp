#include "tweaker/adapter/chip_table.h"

namespace vdx {
namespace {

constexpr ChipCapability kSavage3DCaps = 0x30030211;
constexpr ChipCapability kSavage4Caps = 0x30030C93;
constexpr ChipCapability kSavage4SgramCaps = 0x30030CD3;
constexpr ChipCapability kSavageMXCaps = 0x00010031;
constexpr ChipCapability kSavage2000Caps = 0x303BF193;

const ChipRow kChips[] = {
    {0x8A20, ChipFamily::Savage3D, "Savage3D", kSavage3DCaps, 0, 0x37, 0x6100, 145, 0, 110, "S3_6.DRV", "S3GICD.DLL"},
    {0x8A21, ChipFamily::Savage3D, "Savage3D (MV)", kSavage3DCaps, 0, 0x37, 0x6100, 145, 0, 110, "S3_6.DRV",
     "S3GICD.DLL"},
    {0x8A22, ChipFamily::Savage4, "Savage4 ", kSavage4Caps, kSavage4SgramCaps, 0x37, 0xF100, 200, 180, 111,
     "S3_8.DRV", "S3MICD.DLL"},
    {0x8A25, ChipFamily::SavageNB, "SavageNB", kSavage4Caps, kSavage4SgramCaps, 0x37, 0xF100, 166, 180, 111,
     "S3_8.DRV", "S3MICD.DLL"},
    {0x8C10, ChipFamily::SavageMX, "Savage/MX (MV)", kSavageMXCaps, 0, 0x36, 0x6100, 130, 0, 138, "S3_7.DRV",
     "MXICD.DLL"},
    {0x8C11, ChipFamily::SavageMX, "Savage/MX", kSavageMXCaps, 0, 0x36, 0x6100, 130, 0, 138, "S3_7.DRV",
     "MXICD.DLL"},
    {0x8C12, ChipFamily::SavageMX, "Savage/IX (MV)", kSavageMXCaps, 0, 0x36, 0x6100, 130, 0, 138, "S3_7.DRV",
     "MXICD.DLL"},
    {0x8C13, ChipFamily::SavageMX, "Savage/IX", kSavageMXCaps, 0, 0x36, 0x6100, 130, 0, 138, "S3_7.DRV",
     "MXICD.DLL"},
    {0x9102, ChipFamily::Savage2000, "Savage 2000", kSavage2000Caps, 0, 0, 0, 180, 166, 168, "SAVAGE2K.DRV",
     "S2KICD.DLL"},
};

}  // namespace

const ChipRow* findChipRow(uint32_t deviceId) {
  for (const ChipRow& row : kChips) {
    if (row.deviceId == deviceId) return &row;
  }
  return nullptr;
}

ChipFamily chipFamily(uint32_t deviceId) {
  const ChipRow* row = findChipRow(deviceId);
  return row ? row->family : ChipFamily::Unknown;
}

}  // namespace vdx
