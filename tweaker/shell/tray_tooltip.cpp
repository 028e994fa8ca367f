#include "tweaker/shell/tray_tooltip.h"

#include <cstdio>

#include "tweaker/common/text_format.h"

namespace vdx {

std::string composeTooltipText(const TooltipState& s) {
  std::string text;
  char buf[64];
  if (s.chipName.empty() || s.chipName[0] == '?') {
    // An unknown chip has no clocks worth showing.
    text = "Vidarix";
  } else {
    text = s.chipName;
    formatText(buf, sizeof buf, "@%.1fMHz", s.mclkMhz);
    text += buf;
    if (s.eclkMhz != 0.0) {
      formatText(buf, sizeof buf, "/%.1fMHz", s.eclkMhz);
      text += buf;
    }
  }
  text += s.vsync ? "-Vsync" : "-NoVsync";
  if (s.autoAgp) {
    formatText(buf, sizeof buf, " AutoAGP(%d)", s.agpSize);
    text += buf;
  } else {
    text += s.vidTexOnly ? " VidOnly" : " Vid/AGP";
  }
  if (s.s3tc) text += " S3TC";
  return text;
}

std::string cutTooltip(const std::string& text) {
  return text.size() > kTooltipMaxChars ? text.substr(0, kTooltipMaxChars) : text;
}

}  // namespace vdx
