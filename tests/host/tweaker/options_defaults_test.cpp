// The driver defaults per chip family, and the default AGP texture size.
#include <gtest/gtest.h>

#include "tests/fakes/tweaker/fake_platform.h"
#include "tweaker/adapter/adapter_identity.h"
#include "tweaker/settings/driver_defaults.h"

namespace vdx {
namespace {

DriverOptions defaultsFor(uint32_t deviceId, uint8_t cr70 = 0, uint8_t cr68 = 0, int32_t tmFloor = 64) {
  DefaultsInput in;
  in.deviceId = deviceId;
  in.extReg70 = cr70;
  in.extReg68 = cr68;
  in.tmValueFloor = tmFloor;
  in.physicalMemoryMegabytes = 64;
  return driverDefaults(in);
}

TEST(DriverDefaults, EachFamilyHasItsOwnSwitches) {
  const DriverOptions s3d = defaultsFor(0x8A21);
  EXPECT_EQ(1, s3d.AM);
  EXPECT_EQ(1, s3d.OS);
  EXPECT_EQ(0, s3d.FD);
  EXPECT_EQ(0, s3d.DMACB);

  const DriverOptions s4 = defaultsFor(0x8A25);
  EXPECT_EQ(0, s4.AM);
  EXPECT_EQ(1, s4.FD);
  EXPECT_EQ(4, s4.DMACB);
  EXPECT_EQ(1, s4.ICD3DNOW);
  EXPECT_EQ(1, s4.ICDSIMD);
  EXPECT_EQ(1, s4.ICDUSEKTX);
  EXPECT_EQ(1, s4.ICDWBUFFER);
  EXPECT_EQ(0, s4.WB);

  const DriverOptions mx = defaultsFor(0x8C12);
  EXPECT_EQ(1, mx.AA);
  EXPECT_EQ(1, mx.AM);
  EXPECT_EQ(0, mx.ICD3DNOW);

  const DriverOptions s2000 = defaultsFor(0x9102, 0, 0, 8);
  EXPECT_EQ(1, s2000.WB);
  EXPECT_EQ(4, s2000.DMACB);
  EXPECT_EQ(8, s2000.TM);

  for (const DriverOptions& o : {s3d, s4, mx, s2000}) {
    EXPECT_EQ(1, o.WV);
    EXPECT_EQ(64, o.TC);
    EXPECT_EQ(1, o.TextureCache);
    EXPECT_EQ(1, o.Mipmapping);
    EXPECT_EQ(2, o.AGP);
  }
}

TEST(DriverDefaults, SidebandFollowsTheStrapBitOfEachFamily) {
  EXPECT_EQ(1, defaultsFor(0x8A22, 0x80).AGPSB);
  EXPECT_EQ(0, defaultsFor(0x8A22, 0x7F, 0xFF).AGPSB);
  EXPECT_EQ(1, defaultsFor(0x9102, 0x80).AGPSB);
  EXPECT_EQ(1, defaultsFor(0x8C10, 0, 0x01).AGPSB);
  EXPECT_EQ(0, defaultsFor(0x8C10, 0xFF, 0xFE).AGPSB);
  EXPECT_EQ(0, defaultsFor(0x8A20, 0xFF, 0xFF).AGPSB);
}

TEST(DriverDefaults, AnUnknownChipHasOnlyTheAgpDefaults) {
  DriverOptions want;
  want.AGP = 2;
  want.AGPSize = 24;
  EXPECT_TRUE(want == defaultsFor(0x1234, 0xFF, 0xFF));
  EXPECT_TRUE(want == defaultsFor(0x18A22)) << "ids compare in full";
}

TEST(DriverDefaults, AgpSizeByFamilyAndMemory) {
  EXPECT_EQ(24, defaultAgpSize(0x8A22, 48));
  EXPECT_EQ(16, defaultAgpSize(0x8A20, 48));
  EXPECT_EQ(40, defaultAgpSize(0x8C10, 160));
  const struct {
    uint32_t mb;
    int32_t savage4, other;
  } rows[] = {{8, 4, 16},   {15, 7, 16},   {16, 16, 16},  {31, 16, 16},  {32, 24, 16},   {63, 24, 16},
              {64, 28, 24}, {127, 28, 24}, {128, 28, 40}, {255, 28, 40}, {256, 28, 64}, {4096, 28, 64}};
  for (const auto& r : rows) {
    EXPECT_EQ(r.savage4, defaultAgpSize(0x8A25, r.mb)) << r.mb << " MB";
    EXPECT_EQ(r.other, defaultAgpSize(0x9102, r.mb)) << r.mb << " MB";
  }
}

}  // namespace
}  // namespace vdx

// The defaults read the strap bit from the chip itself.

namespace vdx {
namespace {

TEST(SetDriverDefaults, ReadsTheSidebandStrapOfTheFamilyFromTheChip) {
  FakePlatform fp;
  AdapterIdentity id;
  DriverOptions defaults;
  id.deviceId = 0x8A22;
  fp.ports.setCrtc(0x70, 0x80);
  fp.ports.setCrtc(0x68, 0x00);
  setDriverDefaults(fp.ports, id, 48, defaults);
  EXPECT_EQ(1, defaults.AGPSB);
  EXPECT_EQ(24, defaults.AGPSize);
  EXPECT_EQ(4, defaults.DMACB);

  id.deviceId = 0x8C11;
  setDriverDefaults(fp.ports, id, 48, defaults);
  EXPECT_EQ(0, defaults.AGPSB) << "MX/IX look at CR68 bit 0, not CR70";
  fp.ports.setCrtc(0x68, 0x01);
  setDriverDefaults(fp.ports, id, 48, defaults);
  EXPECT_EQ(1, defaults.AGPSB);
}

}  // namespace
}  // namespace vdx
