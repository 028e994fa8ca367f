// The description panel: mouse moves over controls and tab regions.
#include "tests/e2e/memtool_tray/tray_fixture.h"

using mt::Ctl;
using namespace traye2e;

namespace {

std::string line1(const mte2e::Session& s) { return e2e::text(s.control(Ctl::Label8)); }
std::string line2(const mte2e::Session& s) { return e2e::text(s.control(Ctl::Label9)); }

}  // namespace

E2E_SCENARIO(hover_descriptions_follow_the_mouse) {
  quietSettings();
  // The real pointer stays away from the window, so only the posted moves count.
  SetCursorPos(2, 2);
  mte2e::Session s;
  if (!e2e::check(s.start(), "Memtidy starts")) return;
  if (!e2e::check(s.showByTrayDoubleClick(), "the window is shown")) return;
  const bool nt = mte2e::ntMode();

  hover(s.control(Ctl::RxSlider1), 5, 5);
  e2e::checkEq("Define amounts of RAM that Memtidy will try to recover when the", line1(s), "target slider");
  hover(s.control(Ctl::Label18), 2, 2);
  e2e::checkEq("Define amounts of RAM that Memtidy will try to recover when the", line1(s),
               "the target's value label leaves the lines");
  hover(s.control(Ctl::RxSlider2), 5, 5);
  e2e::checkEq(nt ? "RAM when it is reached. Usually, it is about 1/32 of your RAM"
                  : "RAM when it is reached. Usually, it is about 1/16 of your RAM",
               line2(s), "minimum slider names the platform's fraction");

  HWND sheet = tabSheet(s);
  hover(sheet, 20, 140);
  e2e::checkEq("usage below ... %. Usually it is about 50%. (Not supported in NT)", line2(s),
               "the processor row's background");
  e2e::screenshot(mte2e::shotName("hover-processor-row"));
  hover(sheet, 20, 250);
  e2e::checkEq("", line1(s), "below the last row the first line is empty");
  e2e::checkEq("", line2(s), "and the second");
  hover(sheet, 100, 180);
  e2e::checkEq("This feature allows Memtidy to recover and defragment your RAM", line1(s), "the periodic row");
  hover(s.control(Ctl::RxSpinEdit4), 3, 3);
  e2e::checkEq("by clicking the popup menu.", line2(s), "a tray amount edit");
  hover(sheet, 20, 250);
  hover(e2e::control(s.form, static_cast<int>(Ctl::RxSpinEdit2) + mt::kSpinArrowsOffset), 3, 3);
  e2e::checkEq("automatically every ... minutes. Usually it is about 6 minutes.", line2(s),
               "a spin edit's arrows explain their edit");

  s.selectTab(mt::kTabOptions);
  hover(s.control(Ctl::CheckBox3), 5, 5);
  e2e::checkEq("When enabled, Memtidy will show available RAM level in the tray ", line1(s), "RAM icon box");
  e2e::screenshot(mte2e::shotName("hover-options"));
  hover(s.control(Ctl::SpeedButton1), 3, 3);
  e2e::checkEq("When enabled, Memtidy will show available RAM level in the tray ", line1(s),
               "the sound button leaves the lines");
  hover(tabSheet(s), 300, 200);
  e2e::checkEq("", line1(s), "the Options background clears the lines");

  if (!nt) {
    s.selectTab(mt::kTabCache);
    hover(s.control(Ctl::RxSlider5), 5, 5);
    e2e::checkEq("If you frequantly use multimedia application which require large", line1(s), "chunk slider");
    hover(s.control(Ctl::Button1), 5, 5);
    e2e::checkEq("for your system.", line2(s), "Automatic button");
    e2e::screenshot(mte2e::shotName("hover-cache"));
    hover(s.control(Ctl::GroupBox5), 5, 5);
    e2e::checkEq("", line2(s), "the description box clears itself on the Cache tab");
  }
  s.selectTab(mt::kTabPromo);
  e2e::screenshot(mte2e::shotName("promo-tab"));
  e2e::check(s.stop(), "Memtidy ends");
}
