// The tooltip text and its cut.
#include <gtest/gtest.h>

#include "tweaker/shell/tray_tooltip.h"

namespace vdx {
namespace {

TEST(TrayTooltip, WorkedExamples) {
  TooltipState s4;
  s4.chipName = "Savage4 GT/Pro";
  s4.mclkMhz = 125.0;
  s4.eclkMhz = 143.0;
  s4.vsync = true;
  s4.autoAgp = true;
  s4.agpSize = 28;
  s4.s3tc = true;
  EXPECT_EQ(composeTooltipText(s4), "Savage4 GT/Pro@125.0MHz/143.0MHz-Vsync AutoAGP(28) S3TC");

  TooltipState s3d;
  s3d.chipName = "Savage3D";
  s3d.mclkMhz = 100.0;
  EXPECT_EQ(composeTooltipText(s3d), "Savage3D@100.0MHz-NoVsync Vid/AGP");

  TooltipState unknown;
  unknown.chipName = "???";
  unknown.mclkMhz = 90.0;
  unknown.vsync = true;
  unknown.vidTexOnly = true;
  EXPECT_EQ(composeTooltipText(unknown), "Vidarix-Vsync VidOnly");
}

TEST(TrayTooltip, AutoAgpWinsOverVidTexOnly) {
  TooltipState s;
  s.chipName = "Savage/MX";
  s.mclkMhz = 100.04;
  s.autoAgp = true;
  s.vidTexOnly = true;
  s.agpSize = 16;
  EXPECT_EQ(composeTooltipText(s), "Savage/MX@100.0MHz-NoVsync AutoAGP(16)");
}

TEST(TrayTooltip, LongUserNameIsCutAt63Characters) {
  TooltipState s;
  s.chipName = std::string(45, 'N');
  s.mclkMhz = 125.0;
  s.vsync = true;
  const std::string full = composeTooltipText(s);
  EXPECT_GT(full.size(), kTooltipMaxChars);
  const std::string shown = cutTooltip(full);
  EXPECT_EQ(shown.size(), 63u);
  EXPECT_EQ(shown, full.substr(0, 63));
  EXPECT_EQ(cutTooltip("short"), "short");
}

}  // namespace
}  // namespace vdx
