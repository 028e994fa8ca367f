#include <gtest/gtest.h>

#include "tests/host/tweaker/adapter_rig.h"
#include "tweaker/adapter/identify_adapter.h"

namespace vdx {
namespace {

using adapter_rig::Rig;

const char kClassKey[] = "System\\CurrentControlSet\\Services\\Class\\Display\\0000";

struct Board : Rig {
  // A chip whose driver is installed under "Display\0000".
  explicit Board(uint32_t deviceId, uint32_t revision = 1) {
    id.deviceId = deviceId;
    id.revision = revision;
    char name[64];
    std::snprintf(name, sizeof name, "Enum\\PCI\\VEN_5333&DEV_%04X\\BUS_01&DEV_00&FUNC_00", deviceId);
    registry.setString(RegRoot::LocalMachine, name, "Driver", "Display\\0000");
  }
  void subsystem(uint16_t vendor, uint16_t sub) {
    const bool mx = (id.deviceId >= 0x8C10 && id.deviceId <= 0x8C13) || id.deviceId == 0x9102;
    chip.crtc[mx ? 0x96 : 0x82] = vendor >> 8;
    chip.crtc[mx ? 0x95 : 0x81] = vendor & 0xFF;
    chip.crtc[mx ? 0x98 : 0x84] = sub >> 8;
    chip.crtc[mx ? 0x97 : 0x83] = sub & 0xFF;
  }
  void driverVersion(const std::string& file, const std::string& version) { system.setFileVersion(sys(file), version); }
  void identify() {
    fillAdapterIdentity(services(), id);
    EXPECT_EQ(registry.openKeyCount(), 0u) << "every key closed";
  }
};

TEST(IdentifySavage4, MemoryKindDecidesBlockWriteAndTheProbeAddsAgp) {
  struct Case {
    uint8_t cr68, cr37;
    uint8_t memory;
    ChipCapability caps;
  } cases[] = {
      {0x80, 0x00, kMemorySgram, 0x30030CD3},
      {0xC0, 0x00, kMemorySgram, 0x30030CD3},
      {0x40, 0x00, kMemorySdram, 0x30030C93},
      {0x00, 0x00, kMemorySdram, 0x30030C93},
      {0x40, 0x40, kMemorySdram, 0x30030C93 | 0xF100},
      {0x3F, 0xBF, kMemorySdram, 0x30030C93},  // only bits 7-6 and bit 6 count
  };
  for (const Case& c : cases) {
    Board b(0x8A22);
    b.chip.crtc[0x68] = c.cr68;
    b.chip.crtc[0x37] = c.cr37;
    b.identify();
    EXPECT_EQ(b.id.memoryType, c.memory) << int(c.cr68);
    // No OpenGL driver file: the MiniGL bit comes from the version rule.
    EXPECT_EQ(b.id.capabilities, c.caps | kCapMiniGl) << int(c.cr68) << " " << int(c.cr37);
  }
}

TEST(IdentifySavage4, NameLimitsIconAndFiles) {
  Board b(0x8A22);
  b.chip.crtc[0x92] = 0x10;
  b.identify();
  EXPECT_EQ(b.id.chipName, "Savage4 GT/Pro");
  EXPECT_EQ(b.id.iconId, 111);
  EXPECT_FLOAT_EQ(b.id.mclkLimit, 200.0f);
  EXPECT_FLOAT_EQ(b.id.eclkLimit, 180.0f);
  EXPECT_EQ(b.id.driverFilePath, b.sys("s3_8.drv"));
  EXPECT_EQ(b.id.icdFilePath, b.sys("s3micd.dll"));
  EXPECT_EQ(b.id.metalFilePath, b.sys("metal.dll"));
  EXPECT_EQ(b.id.classKeyPath, kClassKey);
  EXPECT_EQ(b.id.settingsRoot, RegRoot::CurrentConfig);
  EXPECT_EQ(b.id.settingsKeyPath, "Display\\Settings");
  EXPECT_EQ(b.id.mclkPll.loadWord(), 0x0115);
  EXPECT_EQ(b.id.eclkPll.loadWord(), 0x0831);
  EXPECT_EQ(b.id.eclkPll.pllIndex, 0x32);
  EXPECT_EQ(b.id.tmValueFloor, 64u);
  EXPECT_EQ(b.id.vidTexValueName, "VO");

  Board lt(0x8A22);
  lt.identify();
  EXPECT_EQ(lt.id.chipName, "Savage4 LT");
}

TEST(IdentifySavage4, OpenGlDriverVersionBounds) {
  struct Case {
    const char* version;
    bool openGl;
  } cases[] = {
      {"4.12.01.2068-8.20.12", false}, {"4.12.01.2068-8.20.13", true}, {"7.255.255", true},
      {"1.0.0", false},                {"1.0.1", true},                {"8.0.0", false},
      {"", false},
  };
  for (const Case& c : cases) {
    Board b(0x8A22);
    b.driverVersion("S3MICD.DLL", c.version);
    b.identify();
    EXPECT_EQ(b.id.has(kCapOpenGl), c.openGl) << c.version;
    EXPECT_EQ(b.id.has(kCapMiniGl), !c.openGl) << c.version;
    EXPECT_EQ(b.id.perfIcdMenuDefault, c.openGl) << c.version;
  }
}

TEST(IdentifySavage3D, NoSidebandNo4xAndMiniGlFromNewDrivers) {
  Board b(0x8A20, 2);
  b.chip.crtc[0x37] = 0x40;
  b.chip.crtc[0x68] = 0x80;
  b.driverVersion("S3GICD.DLL", "6.13.25");
  b.identify();
  EXPECT_EQ(b.id.capabilities, kCapMclk | kCapOutputs | kCapWriteCombining | kCapGamma | kCapTopScanLine | kCapTvRca |
                                   kCapTvSVideo | kCapAgp | kCapAgpExtra1 | kCapAgpExtra2 | kCapMiniGl);
  EXPECT_EQ(b.id.chipName, "Savage3D");
  EXPECT_EQ(b.id.memoryType, kMemorySgram);
  EXPECT_FLOAT_EQ(b.id.mclkLimit, 145.0f);
  EXPECT_EQ(b.id.eclkLimit, 0.0f);
  EXPECT_EQ(b.id.driverFilePath, b.sys("s3_6.drv"));

  Board old(0x8A21);
  old.chip.crtc[0x68] = 0x00;
  old.driverVersion("S3GICD.DLL", "6.13.24");
  old.identify();
  EXPECT_FALSE(old.id.has(kCapMiniGl));
  EXPECT_EQ(old.id.memoryType, kMemoryUnknown) << "0x00 means SDRAM only on Savage4";
  EXPECT_EQ(old.id.chipName, "Savage3D (MV)");
}

TEST(IdentifySavageMX, SubsystemRuleDecidesSideband) {
  struct Case {
    uint16_t vendor, sub;
    bool sideband, toshiba;
  } cases[] = {{0x1179, 0x0001, false, true}, {0x1014, 0x017F, false, false}, {0x1014, 0x0180, true, false},
               {0x5333, 0x8C11, true, false}};
  for (const Case& c : cases) {
    Board b(0x8C11);
    b.subsystem(c.vendor, c.sub);
    b.chip.crtc[0x36] = 0x40;  // AGP, SGRAM
    b.identify();
    EXPECT_EQ(b.id.subsystemVendorId, c.vendor);
    EXPECT_EQ(b.id.subsystemId, c.sub);
    EXPECT_EQ(b.id.memoryType, kMemorySgram);
    EXPECT_TRUE(b.id.has(0x00010031 | 0x6100));
    EXPECT_EQ(b.id.has(kCapAgpSideband), c.sideband) << std::hex << c.vendor << ":" << c.sub;
    EXPECT_EQ(b.id.useQueryConnectDefault, !c.toshiba);
    EXPECT_EQ(b.id.showFlickerSliderDefault, !c.toshiba);
    EXPECT_EQ(b.id.showDuoviewDefault, c.toshiba);
  }
}

TEST(IdentifySavageMX, CardKeyIsUnpaddedLowerHex) {
  Board b(0x8C12);
  b.subsystem(0x1014, 0x017F);
  b.chip.crtc[0x36] = 0x02;
  b.identify();
  EXPECT_EQ(b.id.cardKeyPath, "Software\\Tessaly\\Vidarix\\8c12_101417f");
  EXPECT_EQ(b.id.memoryType, kMemorySdram);
  EXPECT_EQ(b.id.chipName, "Savage/IX (MV)");
  EXPECT_EQ(b.id.iconId, 138);
}

TEST(IdentifySavageMX, DriverVersionMovesTheSettingsKey) {
  struct Case {
    const char* version;
    bool moved;
  } cases[] = {{"7.3.8", false},  {"7.3.9", true},   {"7.12.255", true},
               {"7.13.0", false}, {"7.13.7", false}, {"7.13.8", true}};
  for (const Case& c : cases) {
    Board b(0x8C10);
    b.driverVersion("S3_7.DRV", c.version);
    b.identify();
    EXPECT_EQ(b.id.settingsRoot, c.moved ? RegRoot::LocalMachine : RegRoot::CurrentConfig) << c.version;
    EXPECT_EQ(b.id.settingsKeyPath, c.moved ? std::string(kClassKey) + "\\DEFAULT" : "Display\\Settings")
        << c.version;
  }
  // Without a class key the suffix goes onto the usual path.
  Rig rig;
  rig.id.deviceId = 0x8C13;
  rig.system.setFileVersion(rig.sys("s3_7.drv"), "7.13.8");
  fillAdapterIdentity(rig.services(), rig.id);
  EXPECT_EQ(rig.id.classKeyPath, "");
  EXPECT_EQ(rig.id.settingsKeyPath, "Display\\Settings\\DEFAULT");
}

TEST(IdentifySavageMX, OpenGlDriverFrom7_1_20) {
  for (auto [version, openGl] : {std::pair<const char*, bool>{"7.1.19", false}, {"7.1.20", true}}) {
    Board b(0x8C11);
    b.driverVersion("MXICD.DLL", version);
    b.identify();
    EXPECT_EQ(b.id.has(kCapOpenGl), openGl) << version;
    EXPECT_EQ(b.id.has(kCapMiniGl), !openGl) << version;
    EXPECT_EQ(b.id.icdVersion, openGl ? packVersion(7, 1, 20) : packVersion(7, 1, 19));
  }
}

TEST(IdentifySavage2000, LayoutAndVidTexName) {
  struct Case {
    const char* version;
    const char* vidTex;
    bool fixGameText;
  } cases[] = {{"9.1.15", "VT", false}, {"9.1.16", "VO", false}, {"9.9.255", "VO", false},
               {"9.10.0", "VT", false}, {"9.10.15", "VT", false}, {"9.10.16", "VO", false},
               {"9.51.0", "VO", false}, {"9.51.1", "VO", true}};
  for (const Case& c : cases) {
    Board b(0x9102);
    b.driverVersion("SAVAGE2K.DRV", c.version);
    b.identify();
    EXPECT_EQ(b.id.vidTexValueName, c.vidTex) << c.version;
    EXPECT_EQ(b.id.has(kCapFixGameText), c.fixGameText) << c.version;
  }
  Board b(0x9102);
  b.subsystem(0x5333, 0x9102);
  b.chip.crtc[0x68] = 0x80;  // not looked at: always SDRAM
  b.identify();
  EXPECT_EQ(b.id.memoryType, kMemorySdram);
  EXPECT_EQ(b.id.subsystemVendorId, 0x5333);
  EXPECT_EQ(b.id.capabilities, kCapMclk | kCapEclk | kCapOutputs | kCapCommandDma | kCapAgp | kCapAgpSideband |
                                   kCapAgpExtra1 | kCapAgpExtra2 | kCapAgp4x | kCapGamma | kCapTopScanLine |
                                   kCapOpenGl | kCapHwTnl | kCapForceWBuffer | kCapTvRca | kCapTvSVideo);
  EXPECT_EQ(b.id.mclkPll.pllIndex, 0x35);
  EXPECT_EQ(b.id.mclkPll.loadWord(), 0x0237);
  EXPECT_EQ(b.id.mclkPll.postDividerFlagRegister, 0x38);
  EXPECT_EQ(b.id.mclkSearchMode, 1u);
  EXPECT_EQ(b.id.eclkPll.pllIndex, 0x32);
  EXPECT_EQ(b.id.eclkPll.loadWord(), 0x0234);
  EXPECT_EQ(b.id.eclkSearchMode, 0u);
  EXPECT_EQ(b.id.tmValueFloor, 8u);
  EXPECT_TRUE(b.id.perfIcdMenuDefault);
  EXPECT_EQ(b.id.driverFilePath, b.sys("savage2k.drv"));
  EXPECT_EQ(b.id.icdFilePath, b.sys("s2kicd.dll"));
  EXPECT_EQ(b.id.iconId, 168);
}

TEST(IdentifyUnknownChip, NothingButTheName) {
  Board b(0x1234);
  b.chip.crtc[0x37] = 0x40;
  b.identify();
  EXPECT_EQ(b.id.chipName, "???");
  EXPECT_EQ(b.id.capabilities, 0u);
  EXPECT_EQ(b.id.iconId, 110);
  EXPECT_EQ(b.id.advancedMenuId, 105);
  EXPECT_EQ(b.id.basicMenuId, 106);
  EXPECT_EQ(b.id.driverFilePath, "");
  EXPECT_EQ(b.id.icdFilePath, "");
  EXPECT_EQ(b.id.metalFilePath, "");
  EXPECT_EQ(b.id.mclkLimit, 0.0f);
}

TEST(IdentifyDriverFile, ClassKeyDrvOverridesTheName) {
  Board b(0x8A22);
  b.registry.setString(RegRoot::LocalMachine, std::string(kClassKey) + "\\DEFAULT", "drv", "SAVAGE4.DRV");
  b.driverVersion("savage4.drv", "4.12.01.2068-8.20.15");
  b.identify();
  EXPECT_EQ(b.id.driverFilePath, b.sys("savage4.drv"));
  EXPECT_EQ(b.id.driverVersion, packVersion(8, 20, 15));
  EXPECT_EQ(b.id.driverVersion, 0x08140Fu);

  // A "drv" that is not a string, or too long for its buffer, changes nothing.
  Board dword(0x8A22);
  dword.registry.setDword(RegRoot::LocalMachine, std::string(kClassKey) + "\\DEFAULT", "drv", 7);
  dword.identify();
  EXPECT_EQ(dword.id.driverFilePath, dword.sys("s3_8.drv"));
  Board longName(0x8A22);
  longName.registry.setString(RegRoot::LocalMachine, std::string(kClassKey) + "\\DEFAULT", "drv",
                              std::string(300, 'x'));
  longName.identify();
  EXPECT_EQ(longName.id.driverFilePath, longName.sys("s3_8.drv"));
}

TEST(IdentifyAdapterRecord, KeepsDeviceAndRevisionAndStartsAfresh) {
  Board b(0x8C11, 7);
  b.id.capabilities = 0xFFFFFFFF;
  b.id.chipName = "Renamed";
  b.identify();
  EXPECT_EQ(b.id.deviceId, 0x8C11u);
  EXPECT_EQ(b.id.revision, 7u);
  EXPECT_EQ(b.id.chipName, "Savage/MX");
  EXPECT_FALSE(b.id.has(kCapBlockWrite));
  EXPECT_EQ(b.id.vendorId, 0x5333);
  EXPECT_EQ(b.id.defaultAgpRate, 2u);
}

}  // namespace
}  // namespace vdx
