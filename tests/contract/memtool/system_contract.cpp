// Machine facts and memory blocks, on the fake and on Win32.
#include <gtest/gtest.h>

#include <cstring>

#include "tests/contract/memtool/seam_factories.h"

namespace mt {
namespace {

TEST(SystemContract, FactsAreSane) {
  auto sys = contract::makeSystem();
  uint32_t id = sys->platformId();
  EXPECT_TRUE(id == kPlatformWindows || id == kPlatformNt) << id;
  MemoryStatus m = sys->memoryStatus();
  EXPECT_GT(m.totalPhys, 0u);
  EXPECT_LE(m.availPhys, m.totalPhys);
  EXPECT_LE(m.availPageFile, m.totalPageFile);
  std::string dir = sys->currentDirectory();
  ASSERT_FALSE(dir.empty());
  EXPECT_NE('\\', dir.back()) << "kept without a trailing backslash: " << dir;
  EXPECT_FALSE(sys->windowExists("MemtidyContractNoSuchClass", "No such title"));
  uint32_t a = sys->tickCount(), b = sys->tickCount();
  EXPECT_LT(b - a, 1000u) << "the tick count does not run backwards";
}

// Where the 64-bit status exists it is at least what the 32-bit call
// reports, which caps or wraps past 4 GB.
TEST(SystemContract, TheWideMemoryStatusIsNoSmallerThanTheNarrowOne) {
  auto sys = contract::makeSystem();
  MemoryStatus wide;
  if (!sys->memoryStatusEx(&wide)) GTEST_SKIP() << "no GlobalMemoryStatusEx here";
  MemoryStatus narrow = sys->memoryStatus();
  EXPECT_GE(wide.totalPhys, narrow.totalPhys);
  EXPECT_GE(wide.totalPageFile, narrow.totalPageFile);
  EXPECT_LE(wide.availPhys, wide.totalPhys);
  EXPECT_GT(wide.totalPhys, 0u);
}

TEST(MemoryContract, ABlockIsWritableToItsLastByteAndReleases) {
  auto mem = contract::makeMemory();
  const std::size_t bytes = std::size_t(4) << 20;
  for (int round = 0; round < 3; ++round) {
    auto* block = static_cast<uint8_t*>(mem->commit(bytes));
    ASSERT_NE(nullptr, block);
    std::memset(block, 0, bytes);
    EXPECT_EQ(0, block[bytes - 1]);
    mem->release(block, bytes);
  }
}

TEST(MemoryContract, AnImpossibleBlockIsRefused) {
  auto mem = contract::makeMemory();
  std::size_t huge = ~std::size_t(0) & ~std::size_t(0xFFFF);
  EXPECT_EQ(nullptr, mem->commit(huge));
}

}  // namespace
}  // namespace mt
