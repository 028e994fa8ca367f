// System services that the tweaker's logic depends on, checked on both sides.
#include <gtest/gtest.h>

#include "tests/contract/tweaker/contract_factories.h"

namespace vdx {
namespace {

TEST(SystemContract, FileWithoutVersionResourceGivesFalseAndEmptyText) {
  auto sys = contract::makeSystem();
  std::string text = "stale";
  EXPECT_FALSE(sys->fileVersionText(sys->systemDirectory() + "\\no-such-file.drv", &text));
  EXPECT_EQ(text, "");
  const std::string plain = contract::fileWithoutVersion();
  if (!plain.empty()) {
    text = "stale";
    EXPECT_FALSE(sys->fileVersionText(plain, &text));
    EXPECT_EQ(text, "");
  }
}

TEST(SystemContract, SystemLibraryHasAFileVersionText) {
  auto sys = contract::makeSystem();
  std::string text;
  ASSERT_TRUE(sys->fileVersionText(sys->systemDirectory() + "\\kernel32.dll", &text));
  ASSERT_FALSE(text.empty());
  EXPECT_TRUE(text[0] >= '0' && text[0] <= '9') << text;
  EXPECT_EQ(text.find('\0'), std::string::npos);
}

TEST(SystemContract, DirectoriesHaveNoTrailingBackslash) {
  auto sys = contract::makeSystem();
  for (const std::string& d : {sys->systemDirectory(), sys->windowsDirectory(), sys->programDirectory()}) {
    ASSERT_FALSE(d.empty());
    EXPECT_NE(d.back(), '\\') << d;
  }
}

}  // namespace
}  // namespace vdx
