#include <gtest/gtest.h>

#include "memtool/disk_cache.h"
#include "tests/fakes/memtool/fake_control_surface.h"
#include "tests/fakes/memtool/fake_private_profile.h"

namespace mt {
namespace {

// The Cache tab of a machine with totalRAM MB, as FormCreate leaves it.
struct CacheTabModel {
  FakeControlSurface surface;
  FakePrivateProfile profile;
  DiskCacheTab tab;

  void machine(int totalRAM) {
    surface.setRange(Ctl::RxSlider3, 0, totalRAM);
    surface.setRange(Ctl::RxSlider4, 0, totalRAM);
    surface.setRange(Ctl::RxSlider5, 0, 32);
    surface.setEnabled(Ctl::Button2, false);
  }
  void loadAndShow(const std::string& iniText) {
    profile.setText("SYSTEM.INI", iniText);
    tab.load(profile);
    tab.show(surface);
  }
  bool applyEnabled() { return surface.enabled(Ctl::Button2); }
};
struct CacheTabFixture : CacheTabModel, ::testing::Test {};

TEST(CacheText, OnlyPlainIntegersCountAndDivideTowardZero) {
  EXPECT_EQ(2, cacheSliderPosition("3000", 1024));
  EXPECT_EQ(0, cacheSliderPosition("1000", 1024));
  EXPECT_EQ(16, cacheSliderPosition("512", 32));
  EXPECT_EQ(-2, cacheSliderPosition("-3000", 1024));
  EXPECT_EQ(0, cacheSliderPosition("2048kB", 1024));
  EXPECT_EQ(0, cacheSliderPosition("", 1024));
  EXPECT_EQ(0, cacheSliderPosition("-", 1024));
  EXPECT_EQ(0, cacheSliderPosition("99999999999999999999", 1024));
  EXPECT_EQ(2147483647 / 1024, cacheSliderPosition("2147483647", 1024));
  EXPECT_EQ(0, cacheSliderPosition("2147483648", 1024));
}

TEST_F(CacheTabFixture, ShowRuleRewritesOnlyTextsWhoseSliderMoved) {
  machine(64);
  loadAndShow("[vcache]\r\nMinFileCache=3000\r\nMaxFileCache=1000\r\nCHUNKSIZE=512\r\n");
  EXPECT_EQ(2, surface.position(Ctl::RxSlider3));
  EXPECT_EQ("2048", tab.texts().minFileCache);
  EXPECT_EQ("2048 kB", surface.text(Ctl::Label16));
  EXPECT_EQ(0, surface.position(Ctl::RxSlider4));
  EXPECT_EQ("1000", tab.texts().maxFileCache);
  EXPECT_EQ("1000 kB", surface.text(Ctl::Label17));
  EXPECT_EQ(16, surface.position(Ctl::RxSlider5));
  EXPECT_EQ("512 kB", surface.text(Ctl::Label30));
}

TEST_F(CacheTabFixture, MissingKeysReadAsZeroAndGarbageKeepsItsText) {
  machine(64);
  loadAndShow("[vcache]\r\nMaxFileCache=lots\r\n");
  EXPECT_EQ("0", tab.texts().minFileCache);
  EXPECT_EQ("lots", tab.texts().maxFileCache);
  EXPECT_EQ("lots kB", surface.text(Ctl::Label17));
  EXPECT_EQ(0, surface.position(Ctl::RxSlider4));
  EXPECT_FALSE(applyEnabled());
}

TEST_F(CacheTabFixture, ValueBeyondInstalledMemoryClampsToTheSliderEnd) {
  machine(64);
  loadAndShow("[vcache]\r\nMaxFileCache=200000\r\n");
  EXPECT_EQ(64, surface.position(Ctl::RxSlider4));
  EXPECT_EQ("65536", tab.texts().maxFileCache);
}

TEST_F(CacheTabFixture, AutomaticFollowsInstalledMemory) {
  machine(64);
  loadAndShow("");
  tab.automatic(surface, 64);
  EXPECT_EQ("8192", tab.texts().minFileCache);
  EXPECT_EQ("16384", tab.texts().maxFileCache);
  EXPECT_EQ("512", tab.texts().chunkSize);
  EXPECT_EQ(8, surface.position(Ctl::RxSlider3));
  EXPECT_EQ(16, surface.position(Ctl::RxSlider4));
  EXPECT_EQ(16, surface.position(Ctl::RxSlider5));
  EXPECT_EQ("16384 kB", surface.text(Ctl::Label17));
  EXPECT_TRUE(applyEnabled());

  CacheTabModel hundred;
  hundred.machine(100);
  hundred.loadAndShow("");
  hundred.tab.automatic(hundred.surface, 100);
  EXPECT_EQ("12288", hundred.tab.texts().minFileCache);
  EXPECT_EQ("25600", hundred.tab.texts().maxFileCache);
}

TEST_F(CacheTabFixture, AutomaticEnablesApplyOnlyWhenASliderMoves) {
  machine(64);
  loadAndShow("[vcache]\r\nMinFileCache=8192\r\nMaxFileCache=16384\r\nCHUNKSIZE=512\r\n");
  surface.setEnabled(Ctl::Button2, false);  // as ReadData's callers leave it
  tab.automatic(surface, 64);
  EXPECT_FALSE(applyEnabled());
}

TEST_F(CacheTabFixture, DefaultZeroesTextsButEnablesApplyOnlyThroughMovedSliders) {
  machine(64);
  loadAndShow("[vcache]\r\nMinFileCache=1000\r\n");  // slider stays at 0
  tab.setDefault(surface);
  EXPECT_EQ("0", tab.texts().minFileCache);
  EXPECT_EQ("0 kB", surface.text(Ctl::Label16));
  EXPECT_FALSE(applyEnabled());

  loadAndShow("[vcache]\r\nCHUNKSIZE=512\r\n");
  tab.setDefault(surface);
  EXPECT_EQ(0, surface.position(Ctl::RxSlider5));
  EXPECT_EQ("0 kB", surface.text(Ctl::Label30));
  EXPECT_TRUE(applyEnabled());
}

TEST_F(CacheTabFixture, SliderChangeWritesWholeUnits) {
  machine(64);
  loadAndShow("");
  surface.setPosition(Ctl::RxSlider5, 32);
  EXPECT_TRUE(tab.sliderChanged(surface, Ctl::RxSlider5));
  EXPECT_EQ("1024", tab.texts().chunkSize);
  EXPECT_EQ("1024 kB", surface.text(Ctl::Label30));
  EXPECT_TRUE(applyEnabled());
  EXPECT_FALSE(tab.sliderChanged(surface, Ctl::RxSlider1));
}

const char kSystemIniText[] =
    "[boot]\r\nshell=Explorer.exe\r\n\r\n[vcache]\r\n; tuned by hand\r\nMinFileCache=1000\r\n"
    "CHUNKSIZE=512\r\nother=x\r\n\r\n[386Enh]\r\ndevice=*vmm\r\n";

TEST_F(CacheTabFixture, StoreDeletesZeroWritesTheRestAndKeepsEveryOtherLine) {
  machine(64);
  loadAndShow(kSystemIniText);
  tab.texts().minFileCache = "0";
  tab.texts().maxFileCache = "4096";
  std::string error;
  ASSERT_TRUE(tab.store(profile, &error));
  EXPECT_EQ(
      "[boot]\r\nshell=Explorer.exe\r\n\r\n[vcache]\r\n; tuned by hand\r\n"
      "CHUNKSIZE=512\r\nother=x\r\nMaxFileCache=4096\r\n\r\n[386Enh]\r\ndevice=*vmm\r\n",
      profile.text("SYSTEM.INI"));

  tab.texts() = CacheTexts{};  // "Default", then Apply
  ASSERT_TRUE(tab.store(profile, &error));
  EXPECT_EQ("[boot]\r\nshell=Explorer.exe\r\n\r\n[vcache]\r\n; tuned by hand\r\nother=x\r\n\r\n[386Enh]\r\ndevice=*vmm\r\n",
            profile.text("SYSTEM.INI"));
}

TEST_F(CacheTabFixture, OnlyExactZeroDeletes) {
  profile.setText("SYSTEM.INI", "[vcache]\r\nMinFileCache=00\r\n");
  tab.load(profile);
  tab.texts().maxFileCache = " 0";
  std::string error;
  ASSERT_TRUE(tab.store(profile, &error));
  EXPECT_EQ("00", profile.readString("SYSTEM.INI", "vcache", "MinFileCache", "?"));
  EXPECT_EQ("0", profile.readString("SYSTEM.INI", "vcache", "MaxFileCache", "?"));
}

TEST_F(CacheTabFixture, DefaultRemovesAnEntryWrittenTwice) {
  profile.setText("SYSTEM.INI", "[vcache]\r\nMaxFileCache=0\r\nChunkSize=512\r\nmaxfilecache=8192\r\n[x]\r\nMaxFileCache=1\r\n");
  tab.load(profile);
  tab.texts() = CacheTexts{};
  std::string error;
  ASSERT_TRUE(tab.store(profile, &error));
  EXPECT_EQ("[vcache]\r\n[x]\r\nMaxFileCache=1\r\n", profile.text("SYSTEM.INI"));
}

TEST_F(CacheTabFixture, FailedWriteStopsWithTheFileNameAndChangesNothing) {
  loadAndShow(kSystemIniText);
  profile.lock("SYSTEM.INI");
  tab.texts().maxFileCache = "4096";
  std::string error;
  EXPECT_FALSE(tab.store(profile, &error));
  EXPECT_EQ("Unable to write to SYSTEM.INI", error);
  EXPECT_EQ(kSystemIniText, profile.text("SYSTEM.INI"));
}

TEST_F(CacheTabFixture, FailedRemovalOfAnExistingKeyIsAFailureToo) {
  loadAndShow(kSystemIniText);
  profile.lock("SYSTEM.INI");
  tab.texts() = CacheTexts{};
  std::string error;
  EXPECT_FALSE(tab.store(profile, &error));
  EXPECT_EQ("Unable to write to SYSTEM.INI", error);
}

TEST_F(CacheTabFixture, RemovingKeysThatAreNotThereIsNoError) {
  profile.setText("SYSTEM.INI", "[boot]\r\nshell=Explorer.exe\r\n");
  profile.lock("SYSTEM.INI");
  std::string error;
  EXPECT_TRUE(tab.store(profile, &error));
  EXPECT_EQ(0, profile.writes);
}

}  // namespace
}  // namespace mt
