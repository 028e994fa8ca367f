// What the disk cache code relies on from the profile functions. Files are
// written in the form those functions write (no blanks around "=", CRLF),
// so that every line that changes is one the call meant to change.
#include <gtest/gtest.h>

#include <vector>

#include "tests/contract/memtool/seam_factories.h"

namespace mt {
namespace contract {
namespace {

const char kIni[] =
    "; top comment\r\n[boot]\r\nshell=Explorer.exe\r\n[vcache]\r\n; cache\r\nMinFileCache=1000\r\n"
    "CHUNKSIZE=512\r\n[386Enh]\r\ndevice=*vmm\r\n";

class PrivateProfileContract : public ::testing::Test {
 protected:
  PrivateProfileContract() : files(makeProfileFiles()), file(files->path("contract.ini")) { files->put(file, kIni); }
  PrivateProfile& p() { return files->profile(); }
  std::unique_ptr<ProfileFiles> files;
  std::string file;
};

TEST_F(PrivateProfileContract, ReadsIgnoreCaseAndFallBackToTheDefault) {
  EXPECT_EQ("1000", p().readString(file, "VCACHE", "minfilecache", "0"));
  EXPECT_EQ("512", p().readString(file, "vcache", "ChunkSize", "0"));
  EXPECT_EQ("0", p().readString(file, "vcache", "MaxFileCache", "0"));
  EXPECT_EQ("0", p().readString(file, "nosuch", "MinFileCache", "0"));
  EXPECT_EQ("0", p().readString(files->path("missing.ini"), "vcache", "MinFileCache", "0"));
}

TEST_F(PrivateProfileContract, WritesReplaceInPlaceOrAddAtTheSectionEnd) {
  ASSERT_TRUE(p().writeString(file, "vcache", "MinFileCache", "2048"));
  ASSERT_TRUE(p().writeString(file, "vcache", "MaxFileCache", "4096"));
  EXPECT_EQ(
      "; top comment\r\n[boot]\r\nshell=Explorer.exe\r\n[vcache]\r\n; cache\r\nMinFileCache=2048\r\n"
      "CHUNKSIZE=512\r\nMaxFileCache=4096\r\n[386Enh]\r\ndevice=*vmm\r\n",
      files->get(file));
  EXPECT_EQ("4096", p().readString(file, "vcache", "MaxFileCache", "0"));
}

TEST_F(PrivateProfileContract, RemovalTakesOnlyItsLineAndAMissingKeyIsNoError) {
  ASSERT_TRUE(p().deleteKey(file, "vcache", "CHUNKSIZE"));
  EXPECT_EQ(
      "; top comment\r\n[boot]\r\nshell=Explorer.exe\r\n[vcache]\r\n; cache\r\nMinFileCache=1000\r\n"
      "[386Enh]\r\ndevice=*vmm\r\n",
      files->get(file));
  const std::string before = files->get(file);
  EXPECT_TRUE(p().deleteKey(file, "vcache", "MaxFileCache"));
  EXPECT_TRUE(p().deleteKey(file, "nosuch", "MaxFileCache"));
  EXPECT_EQ(before, files->get(file));
}

// What the disk cache code takes from one read of a section: every line that
// names a key, in order, duplicates and lines without "=" included; blanks
// around "=" may go, comments and blank lines need not come.
TEST_F(PrivateProfileContract, ASectionReadListsItsKeyLinesInOrder) {
  const std::string longValue(5000, '7');
  files->put(file,
             "[boot]\r\nshell=x\r\n[vcache]\r\n; note\r\n\r\nbare line\r\nMinFileCache = 1000 \r\n"
             "minfilecache=2000\r\nLong=" + longValue + "\r\n[386Enh]\r\ndevice=*vmm\r\n[vcache]\r\nlater=1\r\n");
  std::vector<std::string> lines;
  ASSERT_TRUE(p().readSection(file, "VCACHE", &lines));
  std::vector<std::string> keyLines;
  for (const std::string& l : lines)
    if (!l.empty() && l[0] != ';') keyLines.push_back(l);
  EXPECT_EQ((std::vector<std::string>{"bare line", "MinFileCache=1000", "minfilecache=2000", "Long=" + longValue}),
            keyLines);
  ASSERT_TRUE(p().readSection(file, "nosuch", &lines));
  EXPECT_TRUE(lines.empty());
  ASSERT_TRUE(p().readSection(files->path("missing.ini"), "vcache", &lines));
  EXPECT_TRUE(lines.empty());
}

// A line without "=" is a key without a value: the key read passes it over
// to the default, a removal takes it like any other line of the key.
TEST_F(PrivateProfileContract, ALineWithoutEqualsIsAKeyWithoutAValue) {
  files->put(file, "[vcache]\r\nMinFileCache\r\nMinFileCache=5\r\nother\r\n");
  EXPECT_EQ("0", p().readString(file, "vcache", "MinFileCache", "0"));
  ASSERT_TRUE(p().deleteKey(file, "vcache", "minfilecache"));
  EXPECT_EQ("[vcache]\r\nMinFileCache=5\r\nother\r\n", files->get(file));
  EXPECT_EQ("5", p().readString(file, "vcache", "MinFileCache", "0"));
}

TEST_F(PrivateProfileContract, LongValuesComeBackWhole) {
  const std::string longValue(3000, '7');
  ASSERT_TRUE(p().writeString(file, "vcache", "MinFileCache", longValue));
  EXPECT_EQ(longValue, p().readString(file, "vcache", "MinFileCache", "0"));
}

TEST_F(PrivateProfileContract, ALockedFileFailsWrites) {
  files->lock(file);
  EXPECT_FALSE(p().writeString(file, "vcache", "MinFileCache", "2048"));
  EXPECT_TRUE(p().deleteKey(file, "vcache", "MaxFileCache"));  // not there: nothing to remove
}

}  // namespace
}  // namespace contract
}  // namespace mt
