#include <gtest/gtest.h>

#include "tests/host/tweaker/adapter_rig.h"
#include "tweaker/adapter/pci_class_key.h"

namespace vdx {
namespace {

using adapter_rig::Rig;

const PciIds kSavage4{0x5333, 0x8A22, 0x03, 0x5333, 0x8A22};

TEST(PciDeviceName, MatchingRules) {
  struct Case {
    const char* name;
    bool match;
  } cases[] = {
      {"VEN_5333&DEV_8A22", true},
      {"ven_5333&dev_8a22", true},
      {"VEN_5333&DEV_8A22&SUBSYS_8A225333&REV_03", true},
      {"VEN_5333&DEV_8A22&SUBSYS_8a225333&rev_03", true},
      {"VEN_5333&DEV_8A22&REV_03", true},
      {"VEN_5333&DEV_8A22&SUBSYS_8A225333&REV_04", false},
      {"VEN_5333&DEV_8A22&SUBSYS_53338A22&REV_03", false},  // ids the wrong way round
      {"VEN_5333&DEV_8A22&SUBSYS_8A225333&REV_03X", false},
      {"VEN_5333&DEV_8A22&SUBSYS_8A22&REV_03", false},       // subsystem part too short
      {"VEN_5333&DEV_8A22&SUBSYS_8A225333FF&REV_03", true},  // only its length is compared
      {"VEN_5333&DEV_8A2", false},
      {"VEN_5333&DEV_8A21", false},
      {"VEN_1234&DEV_8A22", false},
      {"", false},
  };
  for (const Case& c : cases) EXPECT_EQ(pciDeviceNameMatches(c.name, kSavage4), c.match) << c.name;

  PciIds wide = kSavage4;
  wide.revision = 0x123;  // formatted with as many digits as it needs
  EXPECT_TRUE(pciDeviceNameMatches("VEN_5333&DEV_8A22&REV_123", wide));
}

struct PciRig : Rig {
  void device(const std::string& name, const std::string& driver) {
    registry.setString(RegRoot::LocalMachine, "Enum\\PCI\\" + name + "\\BUS_01&DEV_00&FUNC_00", "Driver", driver);
  }
};

TEST(FindPciClassKey, FirstMatchingNameWins) {
  PciRig rig;
  rig.device("VEN_5333&DEV_8A22&SUBSYS_8A225333&REV_03", "Display\\0001");
  rig.device("VEN_5333&DEV_8A22", "Display\\0000");
  rig.device("VEN_1106&DEV_0305", "System\\0002");
  std::string key;
  ASSERT_TRUE(findPciClassKey(rig.registry, kSavage4, &key));
  EXPECT_EQ(key, "System\\CurrentControlSet\\Services\\Class\\Display\\0000");
  EXPECT_EQ(rig.registry.openKeyCount(), 0u);
}

TEST(FindPciClassKey, SkipsOtherRevisionsAndReadsTheFirstInstance) {
  PciRig rig;
  rig.device("VEN_5333&DEV_8A22&SUBSYS_8A225333&REV_01", "Display\\0009");
  rig.device("VEN_5333&DEV_8A22&SUBSYS_8A225333&REV_03", "Display\\0002");
  rig.registry.setString(RegRoot::LocalMachine,
                         "Enum\\PCI\\VEN_5333&DEV_8A22&SUBSYS_8A225333&REV_03\\ZZ_SECOND", "Driver",
                         "Display\\0007");
  std::string key;
  ASSERT_TRUE(findPciClassKey(rig.registry, kSavage4, &key));
  EXPECT_EQ(key, "System\\CurrentControlSet\\Services\\Class\\Display\\0002");
}

TEST(FindPciClassKey, FailsCleanly) {
  std::string key = "unchanged";
  {
    Rig rig;  // no Enum\PCI at all
    EXPECT_FALSE(findPciClassKey(rig.registry, kSavage4, &key));
  }
  {
    PciRig rig;
    rig.device("VEN_5333&DEV_8A21", "Display\\0000");
    EXPECT_FALSE(findPciClassKey(rig.registry, kSavage4, &key));
  }
  {
    PciRig rig;  // the device key has no instance below it
    rig.registry.setString(RegRoot::LocalMachine, "Enum\\PCI\\VEN_5333&DEV_8A22", "x", "y");
    EXPECT_FALSE(findPciClassKey(rig.registry, kSavage4, &key));
  }
  {
    PciRig rig;  // "Driver" as a DWORD, as binary, missing
    const std::string inst = "Enum\\PCI\\VEN_5333&DEV_8A22\\BUS_01";
    rig.registry.setDword(RegRoot::LocalMachine, inst, "Driver", 1);
    EXPECT_FALSE(findPciClassKey(rig.registry, kSavage4, &key));
    rig.registry.setRaw(RegRoot::LocalMachine, inst, "Driver", kRegBinary, {'D', 'i', 's', 0});
    EXPECT_FALSE(findPciClassKey(rig.registry, kSavage4, &key));
    EXPECT_EQ(rig.registry.openKeyCount(), 0u);
  }
  EXPECT_EQ(key, "unchanged");
}

TEST(FindPciClassKey, HostileNamesAndDriverValues) {
  PciRig rig;
  // An over-long name that would match is passed over; the search goes on.
  rig.device("VEN_5333&DEV_8A22&" + std::string(400, 'Q'), "Display\\0666");
  rig.device("VEN_5333&DEV_8A22&SUBSYS_8A225333&REV_03", "Display\\0003");
  std::string key;
  ASSERT_TRUE(findPciClassKey(rig.registry, kSavage4, &key));
  EXPECT_EQ(key, "System\\CurrentControlSet\\Services\\Class\\Display\\0003");

  // A "Driver" without its terminator, or with bytes after it.
  const std::string inst = "Enum\\PCI\\VEN_5333&DEV_8A22&SUBSYS_8A225333&REV_03\\BUS_01&DEV_00&FUNC_00";
  rig.registry.setRaw(RegRoot::LocalMachine, inst, "Driver", kRegSz, {'D', 'i', 's', 'p'});
  ASSERT_TRUE(findPciClassKey(rig.registry, kSavage4, &key));
  EXPECT_EQ(key, "System\\CurrentControlSet\\Services\\Class\\Disp");
  rig.registry.setRaw(RegRoot::LocalMachine, inst, "Driver", kRegSz, {'A', 0, 'B', 'C'});
  ASSERT_TRUE(findPciClassKey(rig.registry, kSavage4, &key));
  EXPECT_EQ(key, "System\\CurrentControlSet\\Services\\Class\\A");
  // Longer than a registry text can be: not found.
  rig.registry.setString(RegRoot::LocalMachine, inst, "Driver", std::string(5000, 'D'));
  EXPECT_FALSE(findPciClassKey(rig.registry, kSavage4, &key));
  EXPECT_EQ(rig.registry.openKeyCount(), 0u);
}

TEST(ReadClassKeyString, ReadsBelowTheClassKey) {
  PciRig rig;
  rig.device("VEN_5333&DEV_8A22", "Display\\0000");
  const std::string cls = "System\\CurrentControlSet\\Services\\Class\\Display\\0000";
  rig.registry.setString(RegRoot::LocalMachine, cls + "\\INFO", "Revision", "B2");
  rig.registry.setDword(RegRoot::LocalMachine, cls + "\\INFO", "Number", 2);
  std::string text;
  ASSERT_TRUE(readClassKeyString(rig.registry, kSavage4, "INFO", "Revision", &text));
  EXPECT_EQ(text, "B2");
  EXPECT_FALSE(readClassKeyString(rig.registry, kSavage4, "INFO", "Number", &text));
  EXPECT_FALSE(readClassKeyString(rig.registry, kSavage4, "INFO", "Missing", &text));
  EXPECT_FALSE(readClassKeyString(rig.registry, kSavage4, "DEFAULT", "drv", &text));
  rig.registry.setString(RegRoot::LocalMachine, cls + "\\INFO", "Revision", std::string(255, 'r'));
  EXPECT_TRUE(readClassKeyString(rig.registry, kSavage4, "INFO", "Revision", &text));
  EXPECT_EQ(text.size(), 255u);
  rig.registry.setString(RegRoot::LocalMachine, cls + "\\INFO", "Revision", std::string(256, 'r'));
  EXPECT_FALSE(readClassKeyString(rig.registry, kSavage4, "INFO", "Revision", &text));
  EXPECT_EQ(rig.registry.openKeyCount(), 0u);
}

}  // namespace
}  // namespace vdx
