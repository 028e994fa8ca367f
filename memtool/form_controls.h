// The controls of Memtidy's main window, named as the form names them. The
// numbers are the Win32 control ids; ids 1000-1099 sit on the form itself,
// 1100 + 100 * tab on the tabs.
#pragma once

namespace mt {

enum class Ctl : int {
  PageControl1 = 1000, Button2, Button3, GroupBox5, Label8, Label9,
  // Tab 0 "Memtidy"
  Target = 1100, Label18, RxSlider1, Minimum, Label31, RxSlider2, CPUFree, RxSpinEdit7, Label23,
  TimeFree, RxSpinEdit1, Label14, RxSpinEdit2, Label15, PopMenu, RxSpinEdit3, Label19,
  RxSpinEdit4, Label20, RxSpinEdit5, Label21,
  // Tab 1 "Options"
  CheckBox2 = 1200, CheckBox3, CheckBox1, Edit1, SpeedButton1,
  // Tab 2 "Cache"
  Label3 = 1300, Label16, RxSlider3, Label10, Label17, RxSlider4, Label11, Label30, RxSlider5,
  Button1, Button4,
  // Tab 3, the promotional panel
  Label37 = 1400, Label38, Label40, Label41, Image1, Label39,
  // Tab 4 "About"
  RxLabel1 = 1500, Label1, GroupBox4, Label22, Label26, Label32, Label24, Label33, Label25,
  ProgressBar1, Label34, Label29, Label35, Label27, Label36, Label28, ProgressBar2, Label6,
  Label2, Label7, Label13, Label12,
};

// Up-down arrows of a spin edit carry the edit's id plus this.
constexpr int kSpinArrowsOffset = 500;

// The control a window id stands for: a spin edit's arrows stand for their
// edit (they explain it, as hovering its text does).
inline Ctl controlOfWindowId(int id) {
  const int edits[] = {static_cast<int>(Ctl::RxSpinEdit7), static_cast<int>(Ctl::RxSpinEdit1),
                       static_cast<int>(Ctl::RxSpinEdit2), static_cast<int>(Ctl::RxSpinEdit3),
                       static_cast<int>(Ctl::RxSpinEdit4), static_cast<int>(Ctl::RxSpinEdit5)};
  for (int edit : edits)
    if (id == edit + kSpinArrowsOffset) return static_cast<Ctl>(edit);
  return static_cast<Ctl>(id);
}

constexpr int kTabMemtidy = 0;
constexpr int kTabOptions = 1;
constexpr int kTabCache = 2;
constexpr int kTabPromo = 3;
constexpr int kTabAbout = 4;
constexpr int kTabCount = 5;

}  // namespace mt
