// Hook points of the main window for the disk cache tab, the description
// panel, the links and the sound chooser. Their modules fill them in.
#include "memtool/form.h"
#include "memtool/form_layout.h"

namespace mt {

void TForm1::LoadCacheTexts() {}
void TForm1::ShowCacheTexts() {}
void TForm1::StoreCacheTexts() {}

// Without SYSTEM.INI the whole Cache tab is shown disabled.
void TForm1::DisableCacheTab() {
  for (std::size_t i = 0; i < kFormControlCount; ++i)
    if (kFormControls[i].tab == kTabCache) surface_.setEnabled(kFormControls[i].id, false);
}

void TForm1::RxSlider3Change() { surface_.setEnabled(Ctl::Button2, true); }
void TForm1::RxSlider4Change() { surface_.setEnabled(Ctl::Button2, true); }
void TForm1::RxSlider5Change() { surface_.setEnabled(Ctl::Button2, true); }
void TForm1::Button1Click() {}
void TForm1::Button4Click() {}
void TForm1::ControlMouseMove(Ctl, int, int) {}
void TForm1::SpeedButton1Click() {}
void TForm1::LinkClick(Ctl) {}

}  // namespace mt
