#include "memtool/description.h"

namespace mt {
namespace {

const DescriptionLines kNone{"", ""};
const DescriptionLines kTarget{"Define amounts of RAM that Memtidy will try to recover when the",
                               "minimum level is reached. Usually, it is about 1/8 of your RAM"};
const DescriptionLines kMinimum9x{"Define the minimum level whitch Memtidy will start recover your",
                                  "RAM when it is reached. Usually, it is about 1/16 of your RAM"};
const DescriptionLines kMinimumNT{"Define the minimum level whitch Memtidy will start recover your",
                                  "RAM when it is reached. Usually, it is about 1/32 of your RAM"};
const DescriptionLines kCpu{"Memtidy will recover and defragment your RAM if only the CPU",
                            "usage below ... %. Usually it is about 50%. (Not supported in NT)"};
const DescriptionLines kPeriodic{"This feature allows Memtidy to recover and defragment your RAM",
                                 "automatically every ... minutes. Usually it is about 6 minutes."};
const DescriptionLines kPopup{"Use this feature to manually recover and defragment amount of RAM",
                              "by clicking the popup menu."};
const DescriptionLines kAutoStart{"By checking this checkbox, Memtidy will run automatically each",
                                  "time you start Windows."};
const DescriptionLines kRamIcon{"When enabled, Memtidy will show available RAM level in the tray ",
                                "icon. Note: this feature will take about 200 kb of memory."};
const DescriptionLines kSound{"When enabled, Memtidy will play a confirmation sound when freeing", "up RAM."};
const DescriptionLines kMinCache{"Use this slide bar to define the minimum cache size. Usually, you can",
                                 "set it up to 1/8 of total RAM installed."};
const DescriptionLines kMaxCache{"Use this slide bar to define the maximum cache size. Usually, you can",
                                 "set it up to 1/4 of total RAM installed."};
const DescriptionLines kChunk{"If you frequantly use multimedia application which require large",
                              "amounts of RAM, you can try to set it to 1024 kb, else try 512 kb."};
const DescriptionLines kAutomatic{"By checking this button Memtidy will define the recommended setting",
                                  "for your system."};
const DescriptionLines kDefault{"By checking this button Memtidy will set back the disk cache settings",
                                "to Windows default"};

// A row of controls that explain themselves alike.
struct Row {
  Ctl controls[7];  // unused places stay 0, which is no control id
  const DescriptionLines* lines;
  const DescriptionLines* ntLines;  // differs on NT when set
};

const Row kRows[] = {
    {{Ctl::RxSlider1}, &kTarget, nullptr},
    {{Ctl::RxSlider2}, &kMinimum9x, &kMinimumNT},
    {{Ctl::CPUFree, Ctl::RxSpinEdit7, Ctl::Label23}, &kCpu, nullptr},
    {{Ctl::TimeFree, Ctl::RxSpinEdit1, Ctl::Label14, Ctl::RxSpinEdit2, Ctl::Label15}, &kPeriodic, nullptr},
    {{Ctl::PopMenu, Ctl::RxSpinEdit3, Ctl::Label19, Ctl::RxSpinEdit4, Ctl::Label20, Ctl::RxSpinEdit5, Ctl::Label21},
     &kPopup, nullptr},
    {{Ctl::CheckBox2}, &kAutoStart, nullptr},
    {{Ctl::CheckBox3}, &kRamIcon, nullptr},
    {{Ctl::CheckBox1}, &kSound, nullptr},
    {{Ctl::RxSlider3}, &kMinCache, nullptr},
    {{Ctl::RxSlider4}, &kMaxCache, nullptr},
    {{Ctl::RxSlider5}, &kChunk, nullptr},
    {{Ctl::Button1}, &kAutomatic, nullptr},
    {{Ctl::Button4}, &kDefault, nullptr},
};

const Row* findRow(Ctl control) {
  for (const Row& row : kRows)
    for (Ctl c : row.controls)
      if (c == control) return &row;
  return nullptr;
}

// The three rows of the first tab, tested in this order (open intervals).
struct Region {
  int left, right, top, bottom;
  const DescriptionLines* lines;
};
const Region kMainRegions[] = {
    {16, 301, 136, 149, &kCpu},
    {16, 257, 176, 189, &kPeriodic},
    {16, 363, 216, 229, &kPopup},
};

}  // namespace

DescriptionLines mainTabRegion(int x, int y) {
  for (const Region& r : kMainRegions)
    if (r.left < x && x < r.right && r.top < y && y < r.bottom) return *r.lines;
  return kNone;
}

namespace {

std::optional<DescriptionLines> describeBackground(const HoverContext& hover) {
  switch (hover.tab) {
    case kTabMemtidy: return mainTabRegion(hover.x, hover.y);
    case kTabOptions: return kNone;
    case kTabCache:
      // On NT the tab is disabled and keeps the "not supported" line.
      if (hover.nt) return std::nullopt;
      return kNone;
    default: return std::nullopt;
  }
}

}  // namespace

std::optional<DescriptionLines> describeHover(const HoverContext& hover) {
  switch (hover.over) {
    case HoverOver::TabBackground: return describeBackground(hover);
    case HoverOver::DescriptionBox:
      if (hover.activeTab == kTabCache && !hover.nt) return kNone;
      return std::nullopt;
    case HoverOver::Control: break;
  }
  const Row* row = findRow(hover.control);
  if (!row) return std::nullopt;
  return hover.nt && row->ntLines ? *row->ntLines : *row->lines;
}

std::string pageChangeFirstLine(int tab, bool nt) {
  return tab == kTabCache && nt ? "This feature is not supported in NT." : "";
}

bool descriptionBoxVisible(int tab) { return tab != kTabAbout; }

}  // namespace mt
