// Building the window's controls from the control table, in pixels, and
// stacking them so captions lie beneath what they may touch.
#include "memtool/win32/form_window.h"

#include <commctrl.h>

#include "memtool/win32/form_window_shared.h"

namespace mt {
namespace win32 {

namespace {

// Every control reports its mouse moves to the form (the description panel).
void subclass(HWND control, WNDPROC proc) {
  if (!control) return;
  SetPropA(control, kControlProcProp,
           reinterpret_cast<HANDLE>(SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc))));
}

}  // namespace

void FormWindow::createControls() {
  for (std::size_t i = 0; i < kFormControlCount; ++i) subclass(createControl(kFormControls[i]), controlProc);
  RECT page = {0, 0, kClientWidth, kClientHeight};
  SendMessageA(tabs_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page));
  HWND sheet = CreateWindowExA(0, kSheetClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, page.left, page.top,
                               page.right - page.left, page.bottom - page.top, hwnd_,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(kSheetId)), instance_, nullptr);
  subclass(sheet, controlProc);
  // Caption labels lie beneath the values and controls they may touch, and
  // the two captions that span their whole row beneath everything else.
  auto sink = [&](Ctl id) { SetWindowPos(item(id), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE); };
  for (std::size_t i = 0; i < kFormControlCount; ++i) {
    const ControlRow& row = kFormControls[i];
    if (row.kind == CtlKind::Label && row.caption[0] && !(row.style & kStylePassive)) sink(row.id);
  }
  sink(Ctl::TimeFree);
  sink(Ctl::PopMenu);
  // The About heading's descenders reach below the top of the version line,
  // which therefore lies above it (the two overlap only left of the descenders).
  sink(Ctl::RxLabel1);
  // The tabs lie beneath everything else, the sheet just above them.
  SetWindowPos(sheet, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SetWindowPos(tabs_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  showTab(kTabMemtidy);
}

HWND FormWindow::createControl(const ControlRow& row) {
  const char* cls = "STATIC";
  // Overlapping controls must not paint over each other.
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
  DWORD exStyle = 0;
  const char* caption = row.caption;
  switch (row.kind) {
    case CtlKind::Tabs: cls = WC_TABCONTROLA; style |= WS_CLIPSIBLINGS | WS_VISIBLE | WS_TABSTOP; break;
    case CtlKind::Label: style |= SS_LEFTNOWORDWRAP | SS_NOPREFIX | ((row.style & kStylePassive) ? 0 : SS_NOTIFY); break;
    case CtlKind::Link: style |= SS_LEFTNOWORDWRAP | SS_NOTIFY | SS_NOPREFIX; break;
    case CtlKind::Image: style |= SS_ICON | SS_NOTIFY; caption = row.caption[0] ? row.caption : "MAINICON"; break;
    case CtlKind::Slider: cls = TRACKBAR_CLASSA; style |= TBS_HORZ | TBS_NOTICKS | WS_TABSTOP; break;
    case CtlKind::SpinEdit: cls = "EDIT"; style |= ES_LEFT | ES_NUMBER | ES_AUTOHSCROLL | WS_TABSTOP; exStyle = WS_EX_CLIENTEDGE; break;
    case CtlKind::CheckBox: cls = "BUTTON"; style |= BS_AUTOCHECKBOX | WS_TABSTOP; break;
    case CtlKind::Edit: cls = "EDIT"; style |= ES_LEFT | ES_READONLY | ES_AUTOHSCROLL; exStyle = WS_EX_CLIENTEDGE; break;
    case CtlKind::Button: cls = "BUTTON"; style |= BS_PUSHBUTTON | WS_TABSTOP; break;
    case CtlKind::SpeedButton: cls = "BUTTON"; style |= BS_PUSHBUTTON | BS_ICON; break;
    case CtlKind::GroupBox: cls = "BUTTON"; style |= BS_GROUPBOX | WS_CLIPSIBLINGS; break;
    case CtlKind::ProgressBar: cls = PROGRESS_CLASSA; break;
  }
  int x = row.x, y = row.y, w = row.width, h = row.height;
  if (row.tab >= 0) {
    x += pageOrigin_.x;
    y += pageOrigin_.y;
  }
  HFONT font = fontFor(row.style);
  if (w == 0) {
    // As wide and as high as its text, as the form's auto-sized labels are.
    HDC dc = GetDC(hwnd_);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE sz = {0, 0};
    GetTextExtentPoint32A(dc, caption, lstrlenA(caption), &sz);
    SelectObject(dc, old);
    ReleaseDC(hwnd_, dc);
    w = sz.cx + (row.kind == CtlKind::Link ? 4 : 2);
    if (sz.cy > h) h = sz.cy;
  }
  HWND c = CreateWindowExA(exStyle, cls, caption, style, x, y, w, h, hwnd_,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)), instance_, nullptr);
  if (!c) return nullptr;
  SendMessageA(c, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  switch (row.kind) {
    case CtlKind::Tabs: {
      tabs_ = c;
      for (int i = 0; i < kTabCount; ++i) {
        TCITEMA item;
        ZeroMemory(&item, sizeof item);
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(kTabCaptions[i]);
        SendMessageA(c, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
      }
      RECT page = {0, 0, kClientWidth, kClientHeight};
      SendMessageA(c, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page));
      pageOrigin_.x = page.left;
      pageOrigin_.y = page.top;
      break;
    }
    case CtlKind::Slider: {
      // The memory sliders move by 10 with the keys; the cache sliders by 1.
      const int step = (row.id == Ctl::RxSlider1 || row.id == Ctl::RxSlider2) ? kSliderKeyStep : 1;
      SendMessageA(c, TBM_SETLINESIZE, 0, step);
      SendMessageA(c, TBM_SETPAGESIZE, 0, step);
      break;
    }
    case CtlKind::SpinEdit: {
      HWND arrows = CreateWindowExA(0, UPDOWN_CLASSA, "", WS_CHILD | UDS_ALIGNRIGHT | UDS_ARROWKEYS, 0, 0, 0, 0,
                                    hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(static_cast<int>(row.id) + kSpinArrowsOffset)),
                                    instance_, nullptr);
      // The arrows only report steps; the value lives in the edit.
      SendMessageA(arrows, UDM_SETRANGE, 0, MAKELPARAM(100, 0));
      SendMessageA(arrows, UDM_SETPOS, 0, MAKELPARAM(50, 0));
      SendMessageA(arrows, UDM_SETBUDDY, reinterpret_cast<WPARAM>(c), 0);
      subclass(arrows, controlProc);
      break;
    }
    case CtlKind::SpeedButton:
      SendMessageA(c, BM_SETIMAGE, IMAGE_ICON,
                   reinterpret_cast<LPARAM>(LoadImageA(instance_, "FOLDERICON", IMAGE_ICON, 16, 16, 0)));
      break;
    case CtlKind::Image:
      SendMessageA(c, STM_SETICON, reinterpret_cast<WPARAM>(LoadIconA(instance_, caption)), 0);
      break;
    default:
      break;
  }
  return c;
}

}  // namespace win32
}  // namespace mt
