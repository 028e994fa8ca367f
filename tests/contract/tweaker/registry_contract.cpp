// How the registry seam behaves, checked on the fake and on Win32 alike.
#include <gtest/gtest.h>

#include <cstring>

#include "tests/contract/tweaker/contract_factories.h"

namespace vdx {
namespace {

const char* const kBase = "Software\\VidarixContract";

class RegistryContract : public ::testing::Test {
 protected:
  void SetUp() override {
    reg = contract::makeRegistry();
    wipe();
  }
  void TearDown() override { wipe(); }
  void wipe() {
    RegKey sw;
    if (sw.open(*reg, RegRoot::CurrentUser, "Software")) reg->deleteSubKey(sw.handle(), "VidarixContract");
  }
  std::vector<uint8_t> bytes(const std::string& s) { return std::vector<uint8_t>(s.begin(), s.end()); }

  std::unique_ptr<Registry> reg;
};

TEST_F(RegistryContract, OpenFailsOnMissingKeyAndCreateMakesWholePath) {
  RegKey k;
  EXPECT_FALSE(k.open(*reg, RegRoot::CurrentUser, std::string(kBase) + "\\A\\B"));
  EXPECT_FALSE(k);
  ASSERT_TRUE(k.create(*reg, RegRoot::CurrentUser, std::string(kBase) + "\\A\\B"));
  k.close();
  EXPECT_TRUE(k.open(*reg, RegRoot::CurrentUser, std::string(kBase) + "\\a\\b")) << "key names ignore case";
}

TEST_F(RegistryContract, ValuesComeBackByteForByteWhateverTheirType) {
  RegKey k;
  ASSERT_TRUE(k.create(*reg, RegRoot::CurrentUser, kBase));
  const uint8_t dword[4] = {0x78, 0x56, 0x34, 0x12};
  const uint8_t shortDword[2] = {0x34, 0x12};
  const uint8_t blob[5] = {0, 1, 2, 0xFE, 0xFF};
  ASSERT_TRUE(reg->setValue(k.handle(), "Str", kRegSz, "On", 3));
  ASSERT_TRUE(reg->setValue(k.handle(), "NoNul", kRegSz, "abc", 3));
  ASSERT_TRUE(reg->setValue(k.handle(), "PastNul", kRegSz, "ab\0cd", 6));
  ASSERT_TRUE(reg->setValue(k.handle(), "Dw", kRegDword, dword, 4));
  ASSERT_TRUE(reg->setValue(k.handle(), "ShortDw", kRegDword, shortDword, 2));
  ASSERT_TRUE(reg->setValue(k.handle(), "Bin", kRegBinary, blob, 5));
  ASSERT_TRUE(reg->setValue(k.handle(), "Empty", kRegBinary, nullptr, 0));
  ASSERT_TRUE(reg->setValue(k.handle(), "", kRegSz, "default", 8));

  struct Expect {
    const char* name;
    uint32_t type;
    std::vector<uint8_t> data;
  } expects[] = {
      {"Str", kRegSz, {'O', 'n', 0}},
      {"NoNul", kRegSz, {'a', 'b', 'c'}},
      {"PastNul", kRegSz, {'a', 'b', 0, 'c', 'd', 0}},
      {"Dw", kRegDword, {0x78, 0x56, 0x34, 0x12}},
      {"ShortDw", kRegDword, {0x34, 0x12}},
      {"Bin", kRegBinary, {0, 1, 2, 0xFE, 0xFF}},
      {"Empty", kRegBinary, {}},
      {"", kRegSz, bytes(std::string("default", 8))},
  };
  for (const Expect& e : expects) {
    uint32_t type = 0;
    std::vector<uint8_t> data{9, 9};
    ASSERT_TRUE(reg->queryValue(k.handle(), e.name, &type, &data)) << e.name;
    EXPECT_EQ(type, e.type) << e.name;
    // A string stored without its NUL may come back with one added (Wine
    // does; the 95/98 family returns the bytes as stored).
    std::vector<uint8_t> terminated = e.data;
    terminated.push_back(0);
    const bool unterminated = e.type == kRegSz && (e.data.empty() || e.data.back() != 0);
    if (unterminated && data == terminated) continue;
    EXPECT_EQ(data, e.data) << e.name;
  }
  uint32_t type = 0;
  std::vector<uint8_t> data;
  EXPECT_FALSE(reg->queryValue(k.handle(), "Missing", &type, &data));
  EXPECT_TRUE(reg->queryValue(k.handle(), "str", &type, &data)) << "value names ignore case";
}

TEST_F(RegistryContract, OverwriteChangesTypeAndDeleteRemoves) {
  RegKey k;
  ASSERT_TRUE(k.create(*reg, RegRoot::CurrentUser, kBase));
  const uint8_t one[4] = {1, 0, 0, 0};
  ASSERT_TRUE(reg->setValue(k.handle(), "V", kRegSz, "long text", 10));
  ASSERT_TRUE(reg->setValue(k.handle(), "V", kRegDword, one, 4));
  uint32_t type = 0;
  std::vector<uint8_t> data;
  ASSERT_TRUE(reg->queryValue(k.handle(), "V", &type, &data));
  EXPECT_EQ(type, kRegDword);
  EXPECT_EQ(data.size(), 4u);
  EXPECT_TRUE(reg->deleteValue(k.handle(), "V"));
  EXPECT_FALSE(reg->queryValue(k.handle(), "V", &type, &data));
  EXPECT_FALSE(reg->deleteValue(k.handle(), "V")) << "deleting a missing value fails";
}

TEST_F(RegistryContract, EnumerationListsSubkeysAndValuesSortedByName) {
  RegKey k;
  ASSERT_TRUE(k.create(*reg, RegRoot::CurrentUser, kBase));
  for (const char* n : {"Quake", "alpha", "Zed"}) ASSERT_TRUE(reg->createSubKey(k.handle(), n));
  EXPECT_TRUE(reg->createSubKey(k.handle(), "ALPHA")) << "creating an existing subkey succeeds";
  std::vector<std::string> subs;
  std::string name;
  for (uint32_t i = 0; reg->enumSubKey(k.handle(), i, &name); ++i) subs.push_back(name);
  EXPECT_EQ(subs, (std::vector<std::string>{"alpha", "Quake", "Zed"}));

  for (const char* n : {"b", "A", "c"}) ASSERT_TRUE(reg->setValue(k.handle(), n, kRegSz, "x", 2));
  std::vector<std::string> values;
  for (uint32_t i = 0; reg->enumValue(k.handle(), i, &name); ++i) values.push_back(name);
  EXPECT_EQ(values, (std::vector<std::string>{"A", "b", "c"}));
  EXPECT_FALSE(reg->enumValue(k.handle(), 3, &name));
}

TEST_F(RegistryContract, DeletingASubkeyTakesItsWholeBranch) {
  RegKey k;
  ASSERT_TRUE(k.create(*reg, RegRoot::CurrentUser, std::string(kBase) + "\\App\\Inner\\Deep"));
  k.close();
  ASSERT_TRUE(k.open(*reg, RegRoot::CurrentUser, kBase));
  EXPECT_TRUE(reg->deleteSubKey(k.handle(), "App"));
  EXPECT_FALSE(reg->deleteSubKey(k.handle(), "App")) << "a missing subkey cannot be deleted";
  RegKey gone;
  EXPECT_FALSE(gone.open(*reg, RegRoot::CurrentUser, std::string(kBase) + "\\App"));
  std::string name;
  EXPECT_FALSE(reg->enumSubKey(k.handle(), 0, &name));
}

TEST_F(RegistryContract, FlushSucceedsOnAnOpenKeyAndOtherRootsWork) {
  RegKey k;
  ASSERT_TRUE(k.create(*reg, RegRoot::CurrentUser, kBase));
  EXPECT_TRUE(reg->flushKey(k.handle()));
  RegKey cfg;
  EXPECT_TRUE(cfg.create(*reg, RegRoot::CurrentConfig, "Display\\Settings"));
  RegKey lm;
  EXPECT_TRUE(lm.open(*reg, RegRoot::LocalMachine, "Software"));
}

TEST_F(RegistryContract, OverLongNames) {
  RegKey k;
  ASSERT_TRUE(k.create(*reg, RegRoot::CurrentUser, kBase));
  RegKey tooLong;
  EXPECT_FALSE(tooLong.create(*reg, RegRoot::CurrentUser, std::string(kBase) + "\\" + std::string(300, 'k')))
      << "a key name is at most 255 characters";
  const std::string longValue(300, 'v');
  EXPECT_TRUE(reg->setValue(k.handle(), longValue, kRegSz, "x", 2));
  std::string name;
  ASSERT_TRUE(reg->enumValue(k.handle(), 0, &name));
  EXPECT_EQ(name, longValue);
}

}  // namespace
}  // namespace vdx
