// The registry helpers against hostile stored values: wrong types, strings
// without their NUL, texts longer than the readers' buffers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/fakes/tweaker/fake_registry.h"
#include "tweaker/common/registry_utils.h"

namespace vdx {
namespace {

const char kPath[] = "Software\\Test\\Deep\\Key";

std::vector<uint8_t> bytes(const std::string& s) { return std::vector<uint8_t>(s.begin(), s.end()); }

class RegistryUtils : public ::testing::Test {
 protected:
  RegKey open() {
    RegKey key;
    EXPECT_EQ(0, openCreateKeyPath(reg, RegRoot::LocalMachine, kPath, &key));
    return key;
  }
  FakeRegistry reg;
};

TEST_F(RegistryUtils, OpenCreateKeyPathCreatesEveryLevelAndLeavesOnlyTheLastOpen) {
  {
    RegKey key = open();
    EXPECT_TRUE(key);
    EXPECT_TRUE(reg.keyExists(RegRoot::LocalMachine, "Software\\Test\\Deep"));
    EXPECT_EQ(1u, reg.openKeyCount());
  }
  EXPECT_EQ(0u, reg.openKeyCount());
}

TEST_F(RegistryUtils, OnOffReadsTheFourTextsInAnyCaseAndNothingElse) {
  RegKey key = open();
  struct Case {
    std::string text;
    int32_t want;
  } cases[] = {{"On", 1}, {"ON", 1}, {"on", 1}, {"1", 1}, {"off", 0}, {"OFF", 0}, {"0", 0},
               {"yes", 7}, {"", 7}, {"On ", 7}, {"10", 7}, {std::string(300, 'x'), 7}};
  for (const Case& c : cases) {
    reg.setString(RegRoot::LocalMachine, kPath, "V", c.text);
    EXPECT_EQ(c.want, readOnOff(key, "V", 7)) << "text \"" << c.text << "\"";
  }
  EXPECT_EQ(7, readOnOff(key, "Missing", 7));
  reg.setDword(RegRoot::LocalMachine, kPath, "D", 1);
  EXPECT_EQ(7, readOnOff(key, "D", 7)) << "a DWORD is not a switch text";
}

TEST_F(RegistryUtils, StringsWithoutTerminatorOrWithTrailingBytesAreCutSafely) {
  RegKey key = open();
  reg.setRaw(RegRoot::LocalMachine, kPath, "NoNul", kRegSz, bytes("On"));
  EXPECT_EQ(1, readOnOff(key, "NoNul", 0));
  std::vector<uint8_t> trailing = bytes("off");
  trailing.push_back(0);
  for (char c : std::string("junk")) trailing.push_back(static_cast<uint8_t>(c));
  reg.setRaw(RegRoot::LocalMachine, kPath, "Trailing", kRegSz, trailing);
  EXPECT_EQ(0, readOnOff(key, "Trailing", 1));
  std::string out;
  EXPECT_TRUE(readStringValue(key, "Trailing", &out, "dflt"));
  EXPECT_EQ("off", out);
  reg.setRaw(RegRoot::LocalMachine, kPath, "Empty", kRegSz, {});
  EXPECT_TRUE(readStringValue(key, "Empty", &out, "dflt"));
  EXPECT_EQ("", out);
}

TEST_F(RegistryUtils, LongStringsAreCutAtTheReadersBuffer) {
  RegKey key = open();
  reg.setRaw(RegRoot::LocalMachine, kPath, "Long", kRegSz, bytes(std::string(5000, 'a')));
  std::string out;
  EXPECT_TRUE(readStringValue(key, "Long", &out, ""));
  EXPECT_EQ(kStringValueMax, out.size());
}

TEST_F(RegistryUtils, WrongTypesGiveTheDefault) {
  RegKey key = open();
  std::string out;
  reg.setDword(RegRoot::LocalMachine, kPath, "Dw", 5);
  EXPECT_FALSE(readStringValue(key, "Dw", &out, "fallback"));
  EXPECT_EQ("fallback", out);
  EXPECT_EQ(5u, readDwordValue(key, "Dw", 9));
  reg.setString(RegRoot::LocalMachine, kPath, "Sz", "1");
  EXPECT_EQ(9u, readDwordValue(key, "Sz", 9));
  reg.setRaw(RegRoot::LocalMachine, kPath, "Short", kRegDword, {1, 0});
  EXPECT_EQ(9u, readDwordValue(key, "Short", 9)) << "two bytes are not a DWORD";
  reg.setRaw(RegRoot::LocalMachine, kPath, "Bin", kRegBinary, {1, 0, 0, 0});
  EXPECT_EQ(9u, readDwordValue(key, "Bin", 9));
}

TEST_F(RegistryUtils, WritesKeepTheTerminatorAndDeleteDefaultsUnlessAskedNotTo) {
  RegKey key = open();
  ASSERT_TRUE(writeStringValue(key, "S", "abc"));
  uint32_t type = 0;
  std::vector<uint8_t> data;
  ASSERT_TRUE(reg.getRaw(RegRoot::LocalMachine, kPath, "S", &type, &data));
  EXPECT_EQ(kRegSz, type);
  EXPECT_EQ((std::vector<uint8_t>{'a', 'b', 'c', 0}), data);

  EXPECT_TRUE(writeOnOffOrDelete(key, "T", 1, 0, false));
  EXPECT_EQ("On", reg.getString(RegRoot::LocalMachine, kPath, "T"));
  EXPECT_TRUE(writeOnOffOrDelete(key, "T", 0, 0, false));
  EXPECT_FALSE(reg.hasValue(RegRoot::LocalMachine, kPath, "T"));
  EXPECT_TRUE(writeOnOffOrDelete(key, "T", 0, 0, false)) << "deleting what is not there succeeds";
  EXPECT_TRUE(writeOnOffOrDelete(key, "T", 0, 0, true));
  EXPECT_EQ("off", reg.getString(RegRoot::LocalMachine, kPath, "T"));

  EXPECT_TRUE(writeDwordOrDelete(key, "D", 1, 1, true));
  EXPECT_EQ(1u, readDwordValue(key, "D", 0));
  EXPECT_TRUE(writeDwordOrDelete(key, "D", 1, 1, false));
  EXPECT_FALSE(reg.hasValue(RegRoot::LocalMachine, kPath, "D"));
}

TEST(Clamp, ReportsWhetherTheValueMoved) {
  int32_t v = 5;
  EXPECT_FALSE(clampInt(&v, 1, 10));
  EXPECT_TRUE(clampInt(&v, 8, 10));
  EXPECT_EQ(8, v);
  EXPECT_TRUE(clampInt(&v, 1, 4));
  EXPECT_EQ(4, v);
  float f = -3.0f;
  EXPECT_TRUE(clampFloat(&f, -1.0f, 1.0f));
  EXPECT_EQ(-1.0f, f);
  EXPECT_FALSE(clampFloat(&f, -1.0f, 1.0f));
}

}  // namespace
}  // namespace vdx
