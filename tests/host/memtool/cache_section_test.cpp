// Apply's edit of section [vcache]: what one read of the section tells, and
// what Apply leaves in the file with how many reads and writes of it (each
// profile call reads the whole file, each write writes it).
#include <gtest/gtest.h>

#include "memtool/cache_section.h"
#include "memtool/disk_cache.h"
#include "tests/fakes/memtool/fake_private_profile.h"

namespace mt {
namespace {

TEST(SectionEntry, CountsEveryLineOfTheNameAndTakesTheFirstValue) {
  struct Case {
    std::vector<std::string> lines;
    int count;
    const char* value;
    bool askKey;
  };
  const Case cases[] = {
      {{}, 0, "", false},
      {{"MinFileCache=1000"}, 1, "1000", false},
      {{"other=1", " minfilecache = 2048 ", "MINFILECACHE=4096"}, 2, "2048", false},
      {{"; MinFileCache=1", ";MinFileCache=2", "", "MinFileCaches=3", "Min FileCache=4"}, 0, "", false},
      {{"MinFileCache", "MinFileCache=5"}, 2, "", true},  // the key read passes the bare line over
      {{"MinFileCache=\"512\""}, 1, "\"512\"", true},      // the key read strips the quotes
      {{"MinFileCache="}, 1, "", false},
      {{"MinFileCache=a=b"}, 1, "a=b", false},
  };
  for (const Case& c : cases) {
    const SectionEntry e = findSectionEntry(c.lines, "MinFileCache");
    const std::string where = c.lines.empty() ? "(none)" : c.lines[0];
    EXPECT_EQ(c.count, e.lines) << where;
    EXPECT_EQ(c.value, e.value) << where;
    EXPECT_EQ(c.askKey, e.askKey) << where;
  }
}

CacheTexts texts(const char* min, const char* max, const char* chunk) {
  CacheTexts t;
  t.minFileCache = min;
  t.maxFileCache = max;
  t.chunkSize = chunk;
  return t;
}

TEST(CacheSectionEdit, KeepsForeignLinesInOrderAndRemovesEveryLineOfAZero) {
  struct Case {
    const char* name;
    const char* before;
    CacheTexts texts;
    const char* after;
    int reads, writes;  // Apply's own, before the texts are read again
  };
  const Case cases[] = {
      {"zeros remove, foreign lines stay in place",
       "[boot]\r\nshell=x\r\n[vcache]\r\n; mine\r\nMinFileCache=1000\r\n\r\nnote\r\nMaxFileCache=8192\r\nx=1\r\n"
       "CHUNKSIZE=512\r\n[386Enh]\r\nMinFileCache=7\r\n",
       texts("0", "0", "0"),
       "[boot]\r\nshell=x\r\n[vcache]\r\n; mine\r\n\r\nnote\r\nx=1\r\n[386Enh]\r\nMinFileCache=7\r\n", 1, 3},
      {"every duplicate goes, whatever its case or blanks",
       "[vcache]\r\nmaxfilecache=1\r\nother=2\r\n MAXFILECACHE = 3\r\nMaxFileCache\r\n", texts("0", "0", "0"),
       "[vcache]\r\nother=2\r\n", 1, 3},
      {"values replace their first line, new ones go at the section end",
       "[vcache]\r\nCHUNKSIZE=256\r\nx=1\r\nchunksize=128\r\n\r\n[drivers]\r\nwave=mmdrv.dll\r\n",
       texts("2048", "8192", "512"),
       "[vcache]\r\nCHUNKSIZE=512\r\nx=1\r\nchunksize=128\r\nMinFileCache=2048\r\nMaxFileCache=8192\r\n\r\n[drivers]\r\n"
       "wave=mmdrv.dll\r\n",
       0, 3},
      {"a mix: one read of the section, one write per line changed",
       "[vcache]\r\nMinFileCache=1\r\nMaxFileCache=2\r\nMaxFileCache=3\r\n", texts("4096", "0", "0"),
       "[vcache]\r\nMinFileCache=4096\r\n", 1, 3},
      {"nothing to remove writes nothing", "[vcache]\r\n; MinFileCache=1\r\n", texts("0", "0", "0"),
       "[vcache]\r\n; MinFileCache=1\r\n", 1, 0},
      {"a missing section is made for a value", "[boot]\r\nshell=x\r\n", texts("0", "0", "512"),
       "[boot]\r\nshell=x\r\n[vcache]\r\nCHUNKSIZE=512\r\n", 1, 1},
      {"only the first section of the name is the section",
       "[vcache]\r\nCHUNKSIZE=1\r\n[vcache]\r\nCHUNKSIZE=2\r\n", texts("0", "0", "0"),
       "[vcache]\r\n[vcache]\r\nCHUNKSIZE=2\r\n", 1, 1},
  };
  for (const Case& c : cases) {
    FakePrivateProfile profile;
    profile.setText(kSystemIni, c.before);
    std::string error;
    ASSERT_TRUE(storeCacheTexts(profile, c.texts, &error)) << c.name;
    EXPECT_EQ(c.after, profile.text(kSystemIni)) << c.name;
    EXPECT_EQ(c.reads, profile.reads) << c.name;
    EXPECT_EQ(c.writes, profile.writes) << c.name;
    const CacheTexts back = loadCacheTexts(profile);
    EXPECT_EQ(c.reads + 1, profile.reads) << c.name << ": the texts come back from one read";
    for (int i = 0; i < kCacheEntryCount; ++i) {
      const CacheEntry e = static_cast<CacheEntry>(i);
      EXPECT_EQ(c.texts[e], back[e]) << c.name;
    }
  }
}

TEST(CacheSectionEdit, LoadAsksTheKeyOnlyWhereTheSectionLineMayReadOtherwise) {
  FakePrivateProfile profile;
  profile.setText(kSystemIni, "[vcache]\r\nMinFileCache\r\nMinFileCache=5\r\nMaxFileCache = lots \r\n");
  const CacheTexts t = loadCacheTexts(profile);
  EXPECT_EQ("0", t.minFileCache);  // the bare first line hides the second, as the key read does
  EXPECT_EQ("lots", t.maxFileCache);
  EXPECT_EQ("0", t.chunkSize);
  EXPECT_EQ(2, profile.reads);
}

TEST(CacheSectionEdit, ASectionTooLongToListFallsBackToOneKeyAtATime) {
  FakePrivateProfile profile;
  profile.setText(kSystemIni, "[vcache]\r\nMaxFileCache=1\r\nx=1\r\nmaxfilecache=2\r\nCHUNKSIZE=512\r\n");
  profile.sectionsWhole = false;
  const CacheTexts t = loadCacheTexts(profile);
  EXPECT_EQ("1", t.maxFileCache);
  EXPECT_EQ("512", t.chunkSize);
  std::string error;
  ASSERT_TRUE(storeCacheTexts(profile, texts("0", "0", "0"), &error));
  EXPECT_EQ("[vcache]\r\nx=1\r\n", profile.text(kSystemIni));
}

}  // namespace
}  // namespace mt
