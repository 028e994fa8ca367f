// The control table the window is built from.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "memtool/form_layout.h"

namespace mt {
namespace {

TEST(FormLayout, EveryControlOnceWithinTheWindow) {
  std::set<int> ids;
  std::set<std::string> names;
  for (std::size_t i = 0; i < kFormControlCount; ++i) {
    const ControlRow& r = kFormControls[i];
    EXPECT_TRUE(ids.insert(static_cast<int>(r.id)).second) << r.name;
    EXPECT_TRUE(names.insert(r.name).second) << r.name;
    EXPECT_GE(r.tab, -1) << r.name;
    EXPECT_LT(r.tab, kTabCount) << r.name;
    EXPECT_LE(r.x + r.width, kClientWidth) << r.name;
    EXPECT_LE(r.y + r.height, kClientHeight) << r.name;
    // Spin edit arrows take the edit's id plus an offset; it must not hit another control.
    if (r.kind == CtlKind::SpinEdit) {
      EXPECT_EQ(nullptr, findControl(static_cast<Ctl>(static_cast<int>(r.id) + kSpinArrowsOffset)));
    }
  }
  EXPECT_EQ(nullptr, findControl(static_cast<Ctl>(999)));
}

TEST(FormLayout, TheRowsTheWindowIsKnownBy) {
  struct Expect {
    Ctl id;
    int tab, x, y, width, height;
    const char* caption;
  } rows[] = {
      {Ctl::Button2, -1, 232, 352, 75, 25, "Apply"},
      {Ctl::Button3, -1, 312, 352, 75, 25, "Cancel"},
      {Ctl::GroupBox5, -1, 20, 280, 365, 65, "Description"},
      {Ctl::RxSlider1, 0, 8, 40, 364, 25, ""},
      {Ctl::RxSpinEdit7, 0, 232, 134, 49, 18, ""},
      {Ctl::TimeFree, 0, 16, 176, 243, 13, nullptr},
      {Ctl::PopMenu, 0, 16, 216, 347, 13, nullptr},
      {Ctl::Edit1, 1, 34, 104, 231, 21, ""},
      {Ctl::SpeedButton1, 1, 266, 104, 23, 22, ""},
      {Ctl::ProgressBar2, 4, 16, 240, 353, 16, ""},
      {Ctl::Label10, 2, 16, 104, 0, 13, "Maximum Cache Size  :"},
  };
  for (const Expect& e : rows) {
    const ControlRow* r = findControl(e.id);
    ASSERT_NE(nullptr, r);
    EXPECT_EQ(e.tab, r->tab) << r->name;
    EXPECT_EQ(e.x, r->x) << r->name;
    EXPECT_EQ(e.y, r->y) << r->name;
    EXPECT_EQ(e.width, r->width) << r->name;
    EXPECT_EQ(e.height, r->height) << r->name;
    if (e.caption) {
      EXPECT_STREQ(e.caption, r->caption) << r->name;
    }
  }
  EXPECT_EQ(std::string("Free up") + std::string(69, ' '), findControl(Ctl::TimeFree)->caption);
  EXPECT_EQ(std::string("Pop up menu free ups") + std::string(81, ' '), findControl(Ctl::PopMenu)->caption);
  EXPECT_STREQ("Memtidy", kTabCaptions[0]);
  EXPECT_STREQ("About", kTabCaptions[4]);
}

}  // namespace
}  // namespace mt
