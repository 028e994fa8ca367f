#include <gtest/gtest.h>

#include <cmath>

#include "tweaker/adapter/pll.h"

namespace vdx {
namespace {

struct Expect {
  uint32_t r, m, n;
  float mhz;
};

void expectDivisors(const PllDivisors& d, const Expect& e) {
  EXPECT_EQ(d.mReg, (e.r << 5) + e.m);
  EXPECT_EQ(d.nReg, e.n);
  EXPECT_NEAR(d.mhz, e.mhz, 0.0001);
}

TEST(PllDivisors, WorkedValuesMode0BestMatch) {
  expectDivisors(findPllDivisors(143.0f, true, 0), {0, 1, 28, 143.1818f});
  expectDivisors(findPllDivisors(100.0f, true, 0), {1, 1, 40, 100.2273f});
  expectDivisors(findPllDivisors(66.0f, true, 0), {2, 2, 72, 66.2216f});
}

TEST(PllDivisors, FirstMatchTakesTheFirstHitInSearchOrder) {
  expectDivisors(findPllDivisors(66.0f, false, 0), {2, 1, 54, 66.8182f});
}

TEST(PllDivisors, Mode1HasNoVcoWindow) {
  expectDivisors(findPllDivisors(166.0f, true, 1), {1, 3, 114, 166.0909f});
  expectDivisors(findPllDivisors(300.0f, true, 1), {1, 1, 124, 300.6818f});
}

TEST(PllDivisors, NothingFoundReportsZero) {
  for (float target : {270.0f, 300.0f}) {
    const PllDivisors d = findPllDivisors(target, true, 0);
    EXPECT_EQ(d.mhz, 0.0f) << target;
    EXPECT_EQ(d.mReg, 0) << target;
  }
  for (uint32_t mode : {2u, 3u, 0xFFFFFFFFu}) {
    EXPECT_EQ(findPllDivisors(143.0f, true, mode).mhz, 0.0f) << mode;
    EXPECT_EQ(findPllDivisors(143.0f, false, mode).mReg, 0) << mode;
  }
}

TEST(PllDivisors, VcoBoundaryIsOpenBelowAndClosedAbove) {
  // 67.5 x 2 = 135 is not above 135, so only R 2 (67.5 x 4 = 270) is tried.
  expectDivisors(findPllDivisors(67.5f, true, 0), {2, 1, 55, 68.0114f});
}

TEST(PllDivisors, AcceptedWindowIsTwoHundredthsBelowToJustUnderOneAbove) {
  // 143.1818 lies 0.0182 above 143.1636 (inside) and 0.0218 above 143.16 (outside).
  EXPECT_EQ(findPllDivisors(143.2f, true, 0).nReg, 28);
  const PllDivisors past = findPllDivisors(143.21f, true, 0);
  EXPECT_FALSE(past.mReg == 0x01 && past.nReg == 28);
  // 0.97 above is outside, just under it inside.
  EXPECT_EQ(findPllDivisors(142.22f, true, 0).nReg, 28);
  EXPECT_NE(findPllDivisors(142.2f, true, 0).nReg == 28 && findPllDivisors(142.2f, true, 0).mReg == 0x01, true);
  // Every result in a sweep stays within [target - 0.02, target + 0.97).
  for (float t = 34.0f; t < 269.0f; t += 0.37f) {
    const PllDivisors d = findPllDivisors(t, true, 0);
    if (d.mhz == 0.0f) continue;
    EXPECT_GE(d.mhz, t - 0.02f) << t;
    EXPECT_LT(d.mhz, t - 0.02f + 0.99f) << t;
  }
}

TEST(PllDivisors, BestMatchNeverAboveFirstMatch) {
  for (float t = 34.0f; t < 269.0f; t += 1.3f) {
    const PllDivisors first = findPllDivisors(t, false, 0);
    const PllDivisors best = findPllDivisors(t, true, 0);
    EXPECT_EQ(first.mhz == 0.0f, best.mhz == 0.0f) << t;
    EXPECT_LE(best.mhz, first.mhz) << t;
  }
}

}  // namespace
}  // namespace vdx
