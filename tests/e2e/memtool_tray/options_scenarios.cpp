// The Options tab: the sound box and the sound-file chooser.
#include "tests/e2e/memtool_tray/tray_fixture.h"

using mt::Ctl;
using namespace traye2e;

namespace {

// Opens the chooser with the speed button; the dialog or null.
HWND openChooser(const mte2e::Session& s) {
  PostMessageA(s.control(Ctl::SpeedButton1), BM_CLICK, 0, 0);
  return e2e::waitDialog(s.process.id, nullptr, 8000);
}

// The chooser's file name field (an edit, or the edit inside a combo box).
HWND fileNameField(HWND dialog) {
  for (int id : {1148, 1152}) {
    if (HWND c = e2e::control(dialog, id)) return c;
  }
  return nullptr;
}

}  // namespace

E2E_SCENARIO(options_sound_chooser) {
  quietSettings();
  mte2e::Session s;
  if (!e2e::check(s.start(), "Memtidy starts")) return;
  if (!e2e::check(s.showByTrayDoubleClick(), "the window is shown")) return;
  s.selectTab(mt::kTabOptions);
  const std::string music = e2e::text(s.control(Ctl::Edit1));
  e2e::checkEq(mte2e::exeFolder() + "\\confirmation.wav", music, "the default sound lies beside the program");
  e2e::check(!isEnabled(s, Ctl::SpeedButton1), "the chooser is off while the sound is off");

  e2e::click(s.control(Ctl::CheckBox1));
  e2e::check(isEnabled(s, Ctl::SpeedButton1) && isEnabled(s, Ctl::Edit1), "checking the sound box enables the chooser");
  e2e::check(isEnabled(s, Ctl::Button2), "and Apply");
  e2e::click(s.control(Ctl::CheckBox1));
  e2e::check(!isEnabled(s, Ctl::SpeedButton1), "unchecking disables the chooser again");
  e2e::click(s.control(Ctl::CheckBox1));
  e2e::click(s.control(Ctl::Button2));  // Apply, so the chooser alone decides Apply below
  e2e::pause(300);
  e2e::check(!isEnabled(s, Ctl::Button2), "Apply is off after Apply");

  HWND dialog = openChooser(s);
  if (!e2e::check(dialog != nullptr, "the file chooser opens")) {
    s.stop();
    return;
  }
  e2e::pause(1500);  // let the dialog paint its controls
  e2e::screenshot(mte2e::shotName("sound-chooser"));
  PostMessageA(e2e::control(dialog, IDCANCEL), BM_CLICK, 0, 0);
  e2e::waitGone(dialog, 5000);
  e2e::pause(300);
  e2e::checkEq(music, e2e::text(s.control(Ctl::Edit1)), "cancelling before any choice changes nothing");
  e2e::check(!isEnabled(s, Ctl::Button2), "and leaves Apply off");

  dialog = openChooser(s);
  if (!e2e::check(dialog != nullptr, "the file chooser opens again")) {
    s.stop();
    return;
  }
  HWND field = fileNameField(dialog);
  e2e::check(field != nullptr, "the chooser has a file name field");
  const std::string chosen = mte2e::exeFolder() + "\\confirmation.wav";
  if (field) e2e::setText(field, chosen);
  PostMessageA(e2e::control(dialog, IDOK), BM_CLICK, 0, 0);
  e2e::check(e2e::waitGone(dialog, 5000), "the chooser closes on OK");
  e2e::pause(300);
  e2e::check(_stricmp(chosen.c_str(), e2e::text(s.control(Ctl::Edit1)).c_str()) == 0, "the edit shows the chosen file",
             e2e::text(s.control(Ctl::Edit1)));
  e2e::check(isEnabled(s, Ctl::Button2), "a chosen file enables Apply");
  s.selectTab(mt::kTabAbout);
  e2e::screenshot(mte2e::shotName("about-tab"));
  e2e::check(s.stop(), "Memtidy ends");
}
