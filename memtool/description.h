// The description panel: two lines that explain the control under the mouse.
#pragma once
#include <optional>
#include <string>

#include "memtool/form_controls.h"

namespace mt {

struct DescriptionLines {
  std::string first;
  std::string second;
  bool operator==(const DescriptionLines& o) const { return first == o.first && second == o.second; }
};

// Where the mouse is: over a control, over a tab's own background, or over
// the description box (GroupBox5); the point is relative to the tab.
enum class HoverOver { Control, TabBackground, DescriptionBox };

struct HoverContext {
  HoverOver over = HoverOver::Control;
  Ctl control = Ctl::PageControl1;  // when over a control
  int tab = 0;                      // when over a tab's background
  int x = 0;
  int y = 0;
  bool nt = false;     // OSName is the NT family
  int activeTab = 0;   // selected page of PageControl1
};

// The new lines, or nothing when the lines stay as they are.
std::optional<DescriptionLines> describeHover(const HoverContext& hover);

// The first tab's background explains the row under the mouse, or nothing.
DescriptionLines mainTabRegion(int x, int y);

// The first line written by a page change, and whether the description box
// is shown on that page.
std::string pageChangeFirstLine(int tab, bool nt);
bool descriptionBoxVisible(int tab);

}  // namespace mt
