#include <gtest/gtest.h>

#include "memtool/description.h"

namespace mt {
namespace {

HoverContext overControl(Ctl c, bool nt = false) {
  HoverContext h;
  h.control = c;
  h.nt = nt;
  return h;
}
HoverContext overBackground(int tab, int x, int y, bool nt = false) {
  HoverContext h;
  h.over = HoverOver::TabBackground;
  h.tab = tab;
  h.activeTab = tab;
  h.x = x;
  h.y = y;
  h.nt = nt;
  return h;
}
std::string first(const std::optional<DescriptionLines>& d) { return d ? d->first : "<unchanged>"; }
std::string second(const std::optional<DescriptionLines>& d) { return d ? d->second : "<unchanged>"; }

TEST(Description, EveryControlOfARowGivesTheRowsTexts) {
  for (Ctl c : {Ctl::TimeFree, Ctl::RxSpinEdit1, Ctl::Label14, Ctl::RxSpinEdit2, Ctl::Label15})
    EXPECT_EQ("automatically every ... minutes. Usually it is about 6 minutes.", second(describeHover(overControl(c))));
  for (Ctl c : {Ctl::PopMenu, Ctl::RxSpinEdit3, Ctl::Label19, Ctl::RxSpinEdit4, Ctl::Label20, Ctl::RxSpinEdit5,
                Ctl::Label21})
    EXPECT_EQ("by clicking the popup menu.", second(describeHover(overControl(c))));
  for (Ctl c : {Ctl::CPUFree, Ctl::RxSpinEdit7, Ctl::Label23})
    EXPECT_EQ("Memtidy will recover and defragment your RAM if only the CPU", first(describeHover(overControl(c))));
}

TEST(Description, ASpinEditsArrowsExplainTheirEdit) {
  for (Ctl edit : {Ctl::RxSpinEdit7, Ctl::RxSpinEdit1, Ctl::RxSpinEdit2, Ctl::RxSpinEdit3, Ctl::RxSpinEdit4,
                   Ctl::RxSpinEdit5}) {
    const Ctl arrows = controlOfWindowId(static_cast<int>(edit) + kSpinArrowsOffset);
    EXPECT_EQ(edit, arrows);
    EXPECT_EQ(first(describeHover(overControl(edit))), first(describeHover(overControl(arrows))));
  }
  EXPECT_EQ(Ctl::Label8, controlOfWindowId(static_cast<int>(Ctl::Label8))) << "other ids stand for themselves";
}

TEST(Description, TextsStandAsTheProgramWritesThem) {
  EXPECT_EQ("When enabled, Memtidy will show available RAM level in the tray ",
            first(describeHover(overControl(Ctl::CheckBox3))));
  EXPECT_EQ("If you frequantly use multimedia application which require large",
            first(describeHover(overControl(Ctl::RxSlider5))));
  EXPECT_EQ("to Windows default", second(describeHover(overControl(Ctl::Button4))));
  EXPECT_EQ("for your system.", second(describeHover(overControl(Ctl::Button1))));
  EXPECT_EQ("set it up to 1/8 of total RAM installed.", second(describeHover(overControl(Ctl::RxSlider3))));
  EXPECT_EQ("set it up to 1/4 of total RAM installed.", second(describeHover(overControl(Ctl::RxSlider4))));
  EXPECT_EQ("time you start Windows.", second(describeHover(overControl(Ctl::CheckBox2))));
  EXPECT_EQ("up RAM.", second(describeHover(overControl(Ctl::CheckBox1))));
  EXPECT_EQ("minimum level is reached. Usually, it is about 1/8 of your RAM",
            second(describeHover(overControl(Ctl::RxSlider1))));
}

TEST(Description, MinimumSliderNamesTheFractionOfThePlatform) {
  EXPECT_EQ("RAM when it is reached. Usually, it is about 1/16 of your RAM",
            second(describeHover(overControl(Ctl::RxSlider2, false))));
  EXPECT_EQ("RAM when it is reached. Usually, it is about 1/32 of your RAM",
            second(describeHover(overControl(Ctl::RxSlider2, true))));
}

TEST(Description, ControlsOutsideTheTableLeaveTheLines) {
  for (Ctl c : {Ctl::Target, Ctl::Label18, Ctl::Minimum, Ctl::Label31, Ctl::Label3, Ctl::Label16, Ctl::Label30,
                Ctl::Edit1, Ctl::SpeedButton1, Ctl::Button2, Ctl::Button3, Ctl::Label39, Ctl::Image1, Ctl::Label2,
                Ctl::ProgressBar1})
    EXPECT_FALSE(describeHover(overControl(c)).has_value()) << static_cast<int>(c);
}

TEST(Description, FirstTabBackgroundByRowInOrder) {
  EXPECT_EQ("Memtidy will recover and defragment your RAM if only the CPU", first(describeHover(overBackground(0, 20, 140))));
  EXPECT_EQ("", first(describeHover(overBackground(0, 20, 250))));
  EXPECT_EQ("", second(describeHover(overBackground(0, 20, 250))));
  EXPECT_EQ("This feature allows Memtidy to recover and defragment your RAM",
            first(describeHover(overBackground(0, 256, 188))));
  EXPECT_EQ("Use this feature to manually recover and defragment amount of RAM",
            first(describeHover(overBackground(0, 362, 217))));
  // The bounds are exclusive on every side.
  for (auto [x, y] : {std::pair{16, 140}, std::pair{301, 140}, std::pair{20, 136}, std::pair{20, 149},
                      std::pair{257, 180}, std::pair{363, 220}, std::pair{20, 229}})
    EXPECT_EQ("", first(describeHover(overBackground(0, x, y)))) << x << "," << y;
}

TEST(Description, ProcessorRowExplainsItselfOnNTThroughTheBackground) {
  EXPECT_EQ("usage below ... %. Usually it is about 50%. (Not supported in NT)",
            second(describeHover(overBackground(0, 100, 140, true))));
}

TEST(Description, OtherBackgroundsAndTheBox) {
  EXPECT_EQ("", first(describeHover(overBackground(kTabOptions, 5, 5))));
  EXPECT_EQ("", first(describeHover(overBackground(kTabCache, 5, 5, false))));
  EXPECT_FALSE(describeHover(overBackground(kTabCache, 5, 5, true)).has_value());
  EXPECT_FALSE(describeHover(overBackground(kTabAbout, 5, 5)).has_value());

  HoverContext box;
  box.over = HoverOver::DescriptionBox;
  box.activeTab = kTabCache;
  EXPECT_EQ("", first(describeHover(box)));
  box.nt = true;
  EXPECT_FALSE(describeHover(box).has_value());
  box.nt = false;
  box.activeTab = kTabMemtidy;
  EXPECT_FALSE(describeHover(box).has_value());
}

TEST(Description, PageChange) {
  EXPECT_EQ("This feature is not supported in NT.", pageChangeFirstLine(kTabCache, true));
  EXPECT_EQ("", pageChangeFirstLine(kTabCache, false));
  EXPECT_EQ("", pageChangeFirstLine(kTabOptions, true));
  EXPECT_TRUE(descriptionBoxVisible(kTabPromo));
  EXPECT_FALSE(descriptionBoxVisible(kTabAbout));
}

}  // namespace
}  // namespace mt
