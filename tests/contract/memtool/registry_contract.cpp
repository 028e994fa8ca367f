// How typed registry values are stored and read back, on the fake and on Win32.
#include <gtest/gtest.h>

#include <cstring>

#include "tests/contract/memtool/seam_factories.h"

namespace mt {
namespace {

const char kScratch[] = "Software\\MemtidyContract";

class RegistryContract : public ::testing::Test {
 protected:
  void SetUp() override {
    reg = contract::makeRegistry();
    ASSERT_TRUE(key.create(*reg, RegRoot::CurrentUser, kScratch));
    for (const char* n : {"d", "b", "s", "raw", "gone"}) reg->deleteValue(key.handle(), n);
  }
  std::vector<uint8_t> query(const char* name, uint32_t* type) {
    std::vector<uint8_t> data = {0xDE, 0xAD};
    *type = 0xDEADBEEF;
    EXPECT_TRUE(reg->queryValue(key.handle(), name, type, &data)) << name;
    return data;
  }
  std::unique_ptr<Registry> reg;
  RegKey key;
};

TEST_F(RegistryContract, EachTypeReadsBackWithItsExactBytes) {
  const uint8_t dword[4] = {0x34, 0x12, 0x01, 0x00};
  double d = 2.5;
  ASSERT_TRUE(reg->setValue(key.handle(), "d", kRegDword, dword, 4));
  ASSERT_TRUE(reg->setValue(key.handle(), "b", kRegBinary, &d, 8));
  ASSERT_TRUE(reg->setValue(key.handle(), "s", kRegSz, "C:\\x", 5));
  uint32_t type = 0;
  EXPECT_EQ(std::vector<uint8_t>(dword, dword + 4), query("d", &type));
  EXPECT_EQ(kRegDword, type);
  std::vector<uint8_t> b = query("b", &type);
  EXPECT_EQ(kRegBinary, type);
  ASSERT_EQ(8u, b.size());
  double back = 0;
  std::memcpy(&back, b.data(), 8);
  EXPECT_EQ(2.5, back);
  EXPECT_EQ(std::vector<uint8_t>({'C', ':', '\\', 'x', 0}), query("s", &type));
  EXPECT_EQ(kRegSz, type);
}

TEST_F(RegistryContract, TextStoredWithoutTerminatorComesBackAsStored) {
  ASSERT_TRUE(reg->setValue(key.handle(), "raw", kRegSz, "abc", 3));
  uint32_t type = 0;
  std::vector<uint8_t> data = query("raw", &type);
  ASSERT_GE(data.size(), 3u);
  EXPECT_EQ('a', data[0]);
  EXPECT_EQ('c', data[2]);
  // Windows may or may not add the missing NUL; nothing beyond it.
  EXPECT_LE(data.size(), 4u);
}

TEST_F(RegistryContract, MissingValuesAndKeys) {
  uint32_t type = 0;
  std::vector<uint8_t> data;
  EXPECT_FALSE(reg->valueExists(key.handle(), "gone"));
  EXPECT_FALSE(reg->queryValue(key.handle(), "gone", &type, &data));
  EXPECT_FALSE(reg->deleteValue(key.handle(), "gone"));
  ASSERT_TRUE(reg->setValue(key.handle(), "gone", kRegSz, "", 1));
  EXPECT_TRUE(reg->valueExists(key.handle(), "GONE")) << "names ignore case";
  EXPECT_TRUE(reg->deleteValue(key.handle(), "gone"));
  EXPECT_FALSE(reg->valueExists(key.handle(), "gone"));
  RegKey missing;
  EXPECT_FALSE(missing.open(*reg, RegRoot::CurrentUser, "Software\\MemtidyContract\\No\\Such\\Key"));
  EXPECT_FALSE(missing);
}

// The Run entry's real state is read this way by a user who may not write it.
TEST_F(RegistryContract, AKeyOpenedToReadReadsButRefusesChanges) {
  ASSERT_TRUE(reg->setValue(key.handle(), "s", kRegSz, "x", 2));
  RegKey reader;
  ASSERT_TRUE(reader.openToRead(*reg, RegRoot::CurrentUser, kScratch));
  EXPECT_TRUE(reg->valueExists(reader.handle(), "s"));
  EXPECT_FALSE(reg->setValue(reader.handle(), "s", kRegSz, "y", 2));
  EXPECT_FALSE(reg->deleteValue(reader.handle(), "s"));
  uint32_t type = 0;
  EXPECT_EQ(std::vector<uint8_t>({'x', 0}), query("s", &type)) << "the value is untouched";
  RegKey missing;
  EXPECT_FALSE(missing.openToRead(*reg, RegRoot::CurrentUser, "Software\\MemtidyContract\\No\\Such\\Key"));
}

TEST_F(RegistryContract, AValueOverwrittenWithAnotherTypeTakesTheNewType) {
  double d = 1;
  ASSERT_TRUE(reg->setValue(key.handle(), "d", kRegBinary, &d, 8));
  ASSERT_TRUE(reg->setValue(key.handle(), "d", kRegSz, "1", 2));
  uint32_t type = 0;
  EXPECT_EQ(2u, query("d", &type).size());
  EXPECT_EQ(kRegSz, type);
}

}  // namespace
}  // namespace mt
