// The fixed-buffer formatter and the decimal reader every build shares.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "tweaker/common/text_format.h"

namespace vdx {
namespace {

TEST(TextFormat, CutsToTheBufferAndReturnsWhatItWrote) {
  char buf[6];
  EXPECT_EQ(5, formatText(buf, sizeof buf, "%s", "abcdefgh"));
  EXPECT_STREQ("abcde", buf);
  EXPECT_EQ(3, formatText(buf, sizeof buf, "%.1f", 1.25));
  EXPECT_EQ(0, formatText(buf, 0, "%d", 7));
}

TEST(TextFormat, ReadsDecimalsAsStrtodDoesWithoutItsOtherForms) {
  struct Case {
    const char* text;
    double value;
    int used;  // characters read
  };
  const Case cases[] = {
      {"143.18", 143.18, 6}, {"  -3.5x", -3.5, 6},  {"0.25", 0.25, 4},    {"+7", 7.0, 2},
      {"1e3", 1000.0, 3},    {"2.2E-1", 0.22, 6},   {"5e", 5.0, 1},        {".5", 0.5, 2},
      {"7.", 7.0, 2},        {"0x10", 0.0, 1},      {"nan", 0.0, 0},       {"inf", 0.0, 0},
      {"-", 0.0, 0},         {".", 0.0, 0},         {"", 0.0, 0},          {"1e-400", 0.0, 6},
      {"00000000000000000000000001.5", 1.5, 28},
  };
  for (const Case& c : cases) {
    char* end = nullptr;
    EXPECT_DOUBLE_EQ(c.value, readDecimal(c.text, &end)) << c.text;
    EXPECT_EQ(c.used, end - c.text) << c.text;
  }
  EXPECT_TRUE(std::isinf(readDecimal("1e999", nullptr)));
  EXPECT_EQ(0.25f, static_cast<float>(readDecimal("0.25", nullptr)));
}

}  // namespace
}  // namespace vdx
