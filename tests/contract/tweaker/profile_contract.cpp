// How private-profile files read and write, checked on the fake and on Win32.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/contract/tweaker/contract_factories.h"

namespace vdx {
namespace {

class ProfileContract : public ::testing::Test {
 protected:
  void SetUp() override {
    ini = contract::makeProfile();
    path = contract::scratchIniPath("vdx_contract.ini");
    contract::removeScratchFile(path);
  }
  void TearDown() override { contract::removeScratchFile(path); }

  std::unique_ptr<ProfileFile> ini;
  std::string path;
};

TEST_F(ProfileContract, MissingFileReadsDefaultsAndListsNothing) {
  EXPECT_EQ(ini->readString(path, "Ferrolux", "Fast", "none", 256), "none");
  EXPECT_EQ(ini->readString(path, "Ferrolux", "Fast", "trail   ", 256), "trail") << "default loses trailing blanks";
  EXPECT_TRUE(ini->keys(path, "Ferrolux").empty());
  EXPECT_TRUE(ini->sections(path).empty());
}

TEST_F(ProfileContract, WrittenKeysReadBackInFileOrderIgnoringCase) {
  ASSERT_TRUE(ini->writeString(path, "Ferrolux", "Fast", "AA=On"));
  ASSERT_TRUE(ini->writeString(path, "Ferrolux", "Quality", "AA=off"));
  ASSERT_TRUE(ini->writeString(path, "Vidarix Clk", "1.1.2026 10:00", "Mclk 143"));
  ASSERT_TRUE(ini->writeString(path, "ferrolux", "FAST", "AA=1"));
  EXPECT_EQ(ini->readString(path, "FERROLUX", "fast", "", 256), "AA=1");
  EXPECT_EQ(ini->keys(path, "Ferrolux"), (std::vector<std::string>{"Fast", "Quality"}));
  EXPECT_EQ(ini->sections(path), (std::vector<std::string>{"Ferrolux", "Vidarix Clk"}));
  EXPECT_TRUE(ini->keys(path, "Nothing").empty());
}

TEST_F(ProfileContract, LongValuesAreCutToOneLessThanTheBuffer) {
  const std::string longText(300, 'x');
  ASSERT_TRUE(ini->writeString(path, "S", "K", longText));
  EXPECT_EQ(ini->readString(path, "S", "K", "", 256), std::string(255, 'x'));
  EXPECT_EQ(ini->readString(path, "S", "K", "", 301), longText);
  EXPECT_EQ(ini->readString(path, "S", "K", "", 2), "x");
  EXPECT_EQ(ini->readString(path, "S", "Missing", "defaultvalue", 5), "defa") << "defaults are cut as well";
}

TEST_F(ProfileContract, ValuesAreTrimmedAndEmptyValuesAreNotDefaults) {
  ASSERT_TRUE(ini->writeString(path, "S", "Lead", "   padded"));
  ASSERT_TRUE(ini->writeString(path, "S", "Empty", ""));
  ASSERT_TRUE(ini->writeString(path, "S", "Quoted", "\"in quotes\""));
  EXPECT_EQ(ini->readString(path, "S", "Lead", "", 256), "padded");
  EXPECT_EQ(ini->readString(path, "S", "Empty", "dflt", 256), "");
  EXPECT_EQ(ini->readString(path, "S", "Quoted", "", 256), "in quotes");
}

TEST_F(ProfileContract, DeletingKeysAndSections) {
  ASSERT_TRUE(ini->writeString(path, "A", "k1", "1"));
  ASSERT_TRUE(ini->writeString(path, "A", "k2", "2"));
  ASSERT_TRUE(ini->writeString(path, "B", "k3", "3"));
  EXPECT_TRUE(ini->deleteKey(path, "A", "K1"));
  EXPECT_EQ(ini->keys(path, "A"), (std::vector<std::string>{"k2"}));
  EXPECT_EQ(ini->readString(path, "A", "k1", "gone", 16), "gone");
  EXPECT_TRUE(ini->deleteSection(path, "a"));
  EXPECT_EQ(ini->sections(path), (std::vector<std::string>{"B"}));
  EXPECT_EQ(ini->readString(path, "B", "k3", "", 16), "3");
}

TEST_F(ProfileContract, HandEditedFilesWithGarbageReadSafely) {
  contract::writeScratchFile(*ini, path,
                             "stray line\r\n"
                             "[S]\r\n"
                             "  key1  =  v1  \r\n"
                             "novalue\r\n"
                             "key2=v2=more\r\n"
                             "\r\n"
                             "[T]\r\n"
                             "a=1\r\n"
                             "[S]\r\n"
                             "key3=second\r\n"
                             "key1=shadowed\r\n");
  EXPECT_EQ(ini->readString(path, "S", "key1", "", 64), "v1");
  EXPECT_EQ(ini->readString(path, "S", "key2", "", 64), "v2=more");
  EXPECT_EQ(ini->readString(path, "S", "novalue", "d", 64), "d") << "a line without '=' is no key";
  EXPECT_EQ(ini->readString(path, "T", "a", "", 64), "1");
  EXPECT_EQ(ini->readString(path, "S", "key3", "none", 64), "none") << "only the first of repeated sections counts";
  EXPECT_EQ(ini->keys(path, "S"), (std::vector<std::string>{"key1", "key2"}));
  EXPECT_EQ(ini->sections(path), (std::vector<std::string>{"S", "T", "S"}));
}

TEST_F(ProfileContract, OverLongLinesAreCutNotOverrun) {
  const std::string huge(40000, 'z');
  contract::writeScratchFile(*ini, path, "[S]\r\nbig=" + huge + "\r\n" + huge + "=v\r\nafter=1\r\n");
  EXPECT_EQ(ini->readString(path, "S", "big", "", 256), std::string(255, 'z'));
  EXPECT_EQ(ini->readString(path, "S", "after", "", 256), "1");
}

// A list past 64 KB holds the names that fit whole, in order, never a cut one.
TEST_F(ProfileContract, NameListsPastTheirLimitHoldOnlyWholeNames) {
  std::vector<std::string> written;
  for (int i = 0; i < 6000; ++i) written.push_back("Scheme number " + std::to_string(100000 + i));
  std::string keys = "[S]\r\n", sections;
  for (const std::string& name : written) {
    keys += name + "=Fog:1\r\n";
    sections += "[" + name + "]\r\n";
  }
  contract::writeScratchFile(*ini, path, keys + sections);
  std::vector<std::string> sectionNames = ini->sections(path);
  ASSERT_FALSE(sectionNames.empty());
  EXPECT_EQ(sectionNames.front(), "S");
  sectionNames.erase(sectionNames.begin());
  for (const auto& list : {ini->keys(path, "S"), sectionNames}) {
    ASSERT_GT(list.size(), 3000u);
    ASSERT_LT(list.size(), written.size());
    EXPECT_TRUE(std::equal(list.begin(), list.end(), written.begin())) << "the first names, whole and in order";
  }
}

}  // namespace
}  // namespace vdx
