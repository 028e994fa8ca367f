// The tray icon's tooltip: chip and clocks, vsync, texture memory mode, S3TC.
#pragma once
#include <cstddef>
#include <string>

namespace vdx {

// The notification record keeps 63 characters and a NUL.
constexpr std::size_t kTooltipMaxChars = 63;

struct TooltipState {
  std::string chipName;  // or the user's "Name" for the card
  double mclkMhz = 0.0;
  double eclkMhz = 0.0;  // 0.0 = the chip has no engine clock to show
  bool vsync = false;    // WV
  bool autoAgp = false;  // AA
  bool vidTexOnly = false;  // VO
  int agpSize = 0;
  bool s3tc = false;  // AC
};

// The whole text, before the notification record's cut.
std::string composeTooltipText(const TooltipState& state);

// What the icon shows: the first 63 characters.
std::string cutTooltip(const std::string& text);

}  // namespace vdx
