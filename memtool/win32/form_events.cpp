// Control notifications (clicks, edits, slider moves, tab changes, spin
// arrows) routed to TForm1's handlers.
#include "memtool/win32/form_window.h"

#include <commctrl.h>

#include "memtool/win32/form_window_shared.h"

namespace mt {
namespace win32 {

void FormWindow::onCommand(int rawId, int code) {
  if (quiet_) return;
  Ctl id = static_cast<Ctl>(rawId);
  if (code == BN_CLICKED || code == STN_CLICKED) {
    switch (id) {
      case Ctl::Button2: run([&] { form_->Button2Click(); }); return;
      case Ctl::Button3: run([&] { form_->Button3Click(); }); return;
      case Ctl::Button1: run([&] { form_->Button1Click(); }); return;
      case Ctl::Button4: run([&] { form_->Button4Click(); }); return;
      case Ctl::CheckBox1: run([&] { form_->CheckBox1Click(); }); return;
      case Ctl::CheckBox2: run([&] { form_->CheckBox2Click(); }); return;
      case Ctl::CheckBox3: run([&] { form_->CheckBox3Click(); }); return;
      case Ctl::SpeedButton1: run([&] { form_->SpeedButton1Click(); }); return;
      case Ctl::Label2:
      case Ctl::Label13:
      case Ctl::Label39:
      case Ctl::Image1: run([&] { form_->LinkClick(id); }); return;
      default: break;
    }
  }
  if (code == EN_CHANGE && isKind(id, CtlKind::SpinEdit)) run([&] { form_->RxSpinEditChange(id); });
}

void FormWindow::onScroll(HWND control) {
  if (quiet_) return;
  Ctl id = static_cast<Ctl>(GetDlgCtrlID(control));
  int now = static_cast<int>(SendMessageA(control, TBM_GETPOS, 0, 0));
  if (positions_.count(id) && positions_[id] == now) return;
  positions_[id] = now;
  switch (id) {
    case Ctl::RxSlider1: run([&] { form_->RxSlider1Change(); }); break;
    case Ctl::RxSlider2: run([&] { form_->RxSlider2Change(); }); break;
    case Ctl::RxSlider3: run([&] { form_->RxSlider3Change(); }); break;
    case Ctl::RxSlider4: run([&] { form_->RxSlider4Change(); }); break;
    case Ctl::RxSlider5: run([&] { form_->RxSlider5Change(); }); break;
    default: break;
  }
}

LRESULT FormWindow::onNotify(NMHDR* header) {
  if (header->hwndFrom == tabs_ && header->code == TCN_SELCHANGE) {
    showTab(selectedTab());
    run([&] { form_->PageControl1Change(); });
    return 0;
  }
  if (header->code == UDN_DELTAPOS) {
    auto* ud = reinterpret_cast<NMUPDOWN*>(header);
    Ctl edit = static_cast<Ctl>(static_cast<int>(header->idFrom) - kSpinArrowsOffset);
    int delta = ud->iDelta;
    run([&] { form_->RxSpinEditStep(edit, delta); });
    return 1;  // the arrows keep their own position; the edit holds the value
  }
  return 0;
}

}  // namespace win32
}  // namespace mt
