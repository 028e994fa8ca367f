#include <gtest/gtest.h>

#include "tests/host/tweaker/adapter_rig.h"
#include "tweaker/adapter/file_version.h"
#include "tweaker/adapter/log_timestamp.h"
#include "tweaker/adapter/os_version.h"
#include "tweaker/adapter/physical_memory.h"

namespace vdx {
namespace {

using adapter_rig::Rig;

TEST(ParseVersionText, DriverForms) {
  struct Case {
    std::string text;
    uint32_t a, b, c;
  } cases[] = {
      {"4.12.01.2068-8.20.15", 8, 20, 15},
      {"8.20", 8, 20, 0},
      {"8.20.", 8, 20, 0},
      {"7", 7, 0, 0},
      {"", 0, 0, 0},
      {"-", 0, 0, 0},
      {"abc", 0, 0, 0},
      {"1-2-3.4.5", 3, 4, 5},
      {"9..7", 9, 0, 7},                    // one separator only: the second '.' starts b
      {"1.300.2", 1, 300, 2},               // not reduced
      {"4.12.01.2068 - 8.20.15", 8, 20, 15},  // blanks before a number, as atoi
      {"8.20.15 beta", 8, 20, 15},
  };
  for (const Case& c : cases) {
    const DriverVersion v = parseVersionText(c.text);
    EXPECT_EQ(v.major, c.a) << c.text;
    EXPECT_EQ(v.minor, c.b) << c.text;
    EXPECT_EQ(v.build, c.c) << c.text;
  }
  EXPECT_EQ(parseVersionText("1.300.2").packed(), (1u << 16) | (300u << 8) | 2u) << "overlaps the next field";
}

TEST(ParseVersionText, HugeTextsStayBounded) {
  const DriverVersion digits = parseVersionText(std::string(5000, '9'));
  EXPECT_EQ(digits.major, 0xFFFFFFFFu);
  EXPECT_EQ(digits.minor, 0u);
  std::string dots(4000, '.');
  const DriverVersion v = parseVersionText("1" + dots);
  EXPECT_EQ(v.major, 1u);
  EXPECT_EQ(v.minor, 0u);
  EXPECT_EQ(v.build, 0u);
  const std::string noDigits(3000, 'x');
  EXPECT_EQ(parseVersionText(noDigits).packed(), 0u);
}

TEST(ReadFileVersion, SystemDirectoryOrFullPath) {
  Rig rig;
  rig.system.setFileVersion(rig.sys("s3_8.drv"), "4.12.01.2068-8.20.15");
  rig.system.setFileVersion("D:\\drivers\\s3_8.drv", "8.1.1");
  std::string text = "stale";
  EXPECT_TRUE(readFileVersion(rig.system, "S3_8.DRV", &text));
  EXPECT_EQ(text, "4.12.01.2068-8.20.15");
  EXPECT_TRUE(readFileVersion(rig.system, "D:\\drivers\\s3_8.drv", &text));
  EXPECT_EQ(text, "8.1.1");
  EXPECT_FALSE(readFileVersion(rig.system, "missing.dll", &text));
  EXPECT_EQ(text, "");
  EXPECT_FALSE(readFileVersion(rig.system, "", &text));
  EXPECT_FALSE(readFileVersion(rig.system, "D", &text));
  const DriverVersion v = parseDriverVersion(rig.system, "s3_8.drv");
  EXPECT_EQ(v.packed(), packVersion(8, 20, 15));
  EXPECT_EQ(parseDriverVersion(rig.system, "missing.dll").packed(), 0u);
}

TEST(ClassifyOsVersion, Windows95Family) {
  struct Case {
    uint32_t minor;
    const char* csd;
    OsVersionCode code;
    const char* text;
  } cases[] = {
      {0, "", kOsWin95, "4.00 bld 950"},      {0, " A ", kOsUnknown, "4.00A  bld 950"},
      {0, " a", kOsWin95, "4.00a bld 950"},   {0, " B", kOsWin95B, "4.00B bld 950"},
      {0, "C", kOsWin95C, "4.00C bld 950"},   {0, "   ", kOsWin95, "4.00 bld 950"},
      {10, " A ", kOsWin98, "4.10A  bld 950"}, {90, "", kOsWinMe, "4.90 bld 950"},
      {3, "x", kOsWinMe, "4.03x bld 950"},
  };
  for (const Case& c : cases) {
    // The build number's high word carries the version; only the low word is shown.
    OsVersionRecord r{4, c.minor, 0x04000000u | 950u, 1, c.csd};
    std::string text;
    EXPECT_EQ(classifyOsRecord(r, &text), c.code) << c.csd;
    EXPECT_EQ(text, c.text);
  }
}

TEST(ClassifyOsVersion, NtAndOthers) {
  std::string text;
  EXPECT_EQ(classifyOsRecord({4, 0, 1381, 2, "Service Pack 6"}, &text), kOsNt4);
  EXPECT_EQ(text, "4.00.1381");
  EXPECT_EQ(classifyOsRecord({5, 1, 2600, 2, ""}, &text), kOsNt5);
  EXPECT_EQ(text, "5.01.2600");
  text = "untouched";
  EXPECT_EQ(classifyOsRecord({6, 1, 7601, 2, ""}, &text), kOsUnknown);
  EXPECT_EQ(classifyOsRecord({4, 10, 1, 0, ""}, &text), kOsUnknown);
  EXPECT_EQ(classifyOsRecord({3, 10, 1, 1, ""}, &text), kOsUnknown);
  EXPECT_EQ(text, "untouched");
  // A service text far longer than the system's own field is cut, not overrun.
  OsVersionRecord huge{4, 10, 2222, 1, std::string(5000, 'Z')};
  EXPECT_EQ(classifyOsRecord(huge, &text), kOsWin98);
  EXPECT_LT(text.size(), 256u);

  Rig rig;
  rig.system.os = {4, 10, 0x040A08AE, 1, " A "};
  EXPECT_EQ(classifyOsVersion(rig.system, &text), kOsWin98);
  EXPECT_EQ(text, "4.10A  bld 2222");
}

TEST(LogTimestamp, DateBlankTimeEachCut) {
  EXPECT_EQ(joinLogTimestamp("08.12.2026", "14:05:09"), "08.12.2026 14:05:09");
  EXPECT_EQ(joinLogTimestamp(std::string(40, 'd'), std::string(40, 't')),
            std::string(31, 'd') + " " + std::string(31, 't'));
}

TEST(PhysicalMemory, RoundsUpToWholeMegabytes) {
  EXPECT_EQ(megabytesRoundedUp(64ull << 20), 64u);
  EXPECT_EQ(megabytesRoundedUp((64ull << 20) + 1024), 65u);
  EXPECT_EQ(megabytesRoundedUp((64ull << 20) + 1023), 64u) << "bytes below 1 KB are dropped first";
  EXPECT_EQ(megabytesRoundedUp(0), 0u);
  Rig rig;
  rig.system.memory.totalPhys = (128ull << 20) - 4096;
  EXPECT_EQ(physicalMemoryMegabytes(rig.system), 128u);
}

}  // namespace
}  // namespace vdx
