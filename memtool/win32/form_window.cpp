#include "memtool/win32/form_window.h"

#include <commctrl.h>

#include <cstdlib>
#include <vector>

namespace mt {
namespace win32 {

namespace {

constexpr UINT_PTR kTimerId = 1;
// The tab sheet: a plain face-coloured window over the tabs' display area,
// so labels, sliders and group boxes sit on the colour they paint with.
constexpr char kSheetClass[] = "TTabSheet";
constexpr int kSheetId = 999;
constexpr char kControlProcProp[] = "MemtidyControlProc";
// IDC_HAND is missing from the Windows 95 headers; older systems fall back to the arrow.
const LPCSTR kHandCursor = MAKEINTRESOURCEA(32649);

const ControlRow& rowOf(Ctl id) { return *findControl(id); }

bool isKind(Ctl id, CtlKind kind) {
  const ControlRow* row = findControl(id);
  return row && row->kind == kind;
}

}  // namespace

FormWindow::FormWindow(HINSTANCE instance, const Services& services)
    : instance_(instance), services_(services) {}

FormWindow::~FormWindow() {
  form_.reset();
  if (hwnd_ && !destroyed_) DestroyWindow(hwnd_);
  for (HFONT f : fonts_)
    if (f) DeleteObject(f);
  if (faceBrush_) DeleteObject(faceBrush_);
}

bool FormWindow::create() {
  WNDCLASSA wc;
  ZeroMemory(&wc, sizeof wc);
  wc.lpfnWndProc = proc;
  wc.hInstance = instance_;
  wc.hIcon = LoadIconA(instance_, "MAINICON");
  wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kFormClassName;
  if (!RegisterClassA(&wc)) return false;
  WNDCLASSA sheet;
  ZeroMemory(&sheet, sizeof sheet);
  sheet.lpfnWndProc = DefWindowProcA;
  sheet.hInstance = instance_;
  sheet.hCursor = wc.hCursor;
  sheet.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  sheet.lpszClassName = kSheetClass;
  RegisterClassA(&sheet);

  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
  RECT r = {0, 0, kClientWidth, kClientHeight};
  AdjustWindowRectEx(&r, style, FALSE, 0);
  const int w = r.right - r.left, h = r.bottom - r.top;
  const int x = (GetSystemMetrics(SM_CXSCREEN) - w) / 2, y = (GetSystemMetrics(SM_CYSCREEN) - h) / 2;
  hwnd_ = CreateWindowExA(0, kFormClassName, kFormTitle, style, x, y, w, h, nullptr, nullptr, instance_, this);
  if (!hwnd_) return false;
  faceBrush_ = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
  createControls();
  form_.reset(new TForm1(services_, *this));
  form_->FormCreate();
  return true;
}

HFONT FormWindow::fontFor(unsigned style) {
  int slot = (style & kStyleBigFont) ? 3 : (style & kStyleUnderline) ? 2 : (style & kStyleBold) ? 1 : 0;
  if (!fonts_[slot]) {
    HDC dc = GetDC(nullptr);
    int height = slot == 3 ? -29 : -MulDiv(8, GetDeviceCaps(dc, LOGPIXELSY), 72);
    ReleaseDC(nullptr, dc);
    fonts_[slot] = CreateFontA(height, 0, 0, 0, (style & kStyleBold) ? FW_BOLD : FW_NORMAL, 0,
                               (style & kStyleUnderline) ? 1 : 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                               CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS,
                               slot == 3 ? "Microsoft Sans Serif" : "MS Sans Serif");
  }
  return fonts_[slot];
}

void FormWindow::createControls() {
  for (std::size_t i = 0; i < kFormControlCount; ++i) {
    HWND c = createControl(kFormControls[i]);
    if (!c) continue;
    // Every control reports mouse moves to the form (the description panel).
    SetPropA(c, kControlProcProp,
             reinterpret_cast<HANDLE>(SetWindowLongPtrA(c, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(controlProc))));
  }
  RECT page = {0, 0, kClientWidth, kClientHeight};
  SendMessageA(tabs_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page));
  HWND sheet = CreateWindowExA(0, kSheetClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, page.left, page.top,
                               page.right - page.left, page.bottom - page.top, hwnd_,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(kSheetId)), instance_, nullptr);
  SetPropA(sheet, kControlProcProp,
           reinterpret_cast<HANDLE>(SetWindowLongPtrA(sheet, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(controlProc))));
  // Caption labels lie beneath the values and controls they may touch, and
  // the two captions that span their whole row beneath everything else.
  auto sink = [&](Ctl id) { SetWindowPos(item(id), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE); };
  for (std::size_t i = 0; i < kFormControlCount; ++i) {
    const ControlRow& row = kFormControls[i];
    if (row.kind == CtlKind::Label && row.caption[0] && !(row.style & kStylePassive)) sink(row.id);
  }
  sink(Ctl::TimeFree);
  sink(Ctl::PopMenu);
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
    // As wide as its text, as the form's auto-sized labels are.
    HDC dc = GetDC(hwnd_);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE sz = {0, 0};
    GetTextExtentPoint32A(dc, caption, lstrlenA(caption), &sz);
    SelectObject(dc, old);
    ReleaseDC(hwnd_, dc);
    w = sz.cx + (row.kind == CtlKind::Link ? 4 : 2);
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

HWND FormWindow::item(Ctl id) const { return GetDlgItem(hwnd_, static_cast<int>(id)); }

void FormWindow::showTab(int index) {
  SendMessageA(tabs_, TCM_SETCURSEL, index, 0);
  for (std::size_t i = 0; i < kFormControlCount; ++i) {
    const ControlRow& row = kFormControls[i];
    if (row.kind == CtlKind::Tabs) continue;
    bool show = (row.tab < 0 || row.tab == index) && !hiddenByForm_[row.id];
    ShowWindow(item(row.id), show ? SW_SHOWNA : SW_HIDE);
    if (row.kind == CtlKind::SpinEdit) {
      HWND arrows = GetDlgItem(hwnd_, static_cast<int>(row.id) + kSpinArrowsOffset);
      ShowWindow(arrows, show ? SW_SHOWNA : SW_HIDE);
    }
  }
}

// ---- FormSurface ------------------------------------------------------------

std::string FormWindow::text(Ctl id) {
  HWND c = item(id);
  int n = GetWindowTextLengthA(c);
  std::vector<char> buf(static_cast<std::size_t>(n) + 2, 0);
  GetWindowTextA(c, buf.data(), n + 1);
  return buf.data();
}

void FormWindow::setText(Ctl id, const std::string& text) {
  ++quiet_;
  SetWindowTextA(item(id), text.c_str());
  --quiet_;
}

void FormWindow::setEnabled(Ctl id, bool on) {
  EnableWindow(item(id), on);
  if (isKind(id, CtlKind::SpinEdit))
    EnableWindow(GetDlgItem(hwnd_, static_cast<int>(id) + kSpinArrowsOffset), on);
}

bool FormWindow::enabled(Ctl id) { return IsWindowEnabled(item(id)) != FALSE; }

bool FormWindow::checked(Ctl id) { return SendMessageA(item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void FormWindow::setChecked(Ctl id, bool on) {
  SendMessageA(item(id), BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

int FormWindow::position(Ctl id) {
  if (isKind(id, CtlKind::Slider)) return static_cast<int>(SendMessageA(item(id), TBM_GETPOS, 0, 0));
  return positions_[id];
}

void FormWindow::setPosition(Ctl id, int position) {
  Range r = ranges_[id];
  if (position < r.minimum) position = r.minimum;
  if (position > r.maximum) position = r.maximum;
  positions_[id] = position;
  if (isKind(id, CtlKind::Slider))
    SendMessageA(item(id), TBM_SETPOS, TRUE, position);
  else if (isKind(id, CtlKind::ProgressBar))
    SendMessageA(item(id), PBM_SETPOS, position, 0);
}

void FormWindow::setVisible(Ctl id, bool on) {
  hiddenByForm_[id] = !on;
  const ControlRow& row = rowOf(id);
  bool show = on && (row.tab < 0 || row.tab == selectedTab());
  ShowWindow(item(id), show ? SW_SHOWNA : SW_HIDE);
}

bool FormWindow::visible(Ctl id) { return !hiddenByForm_[id]; }

void FormWindow::setRange(Ctl id, int minimum, int maximum) {
  ranges_[id] = {minimum, maximum};
  if (isKind(id, CtlKind::Slider)) {
    SendMessageA(item(id), TBM_SETRANGEMIN, FALSE, minimum);
    SendMessageA(item(id), TBM_SETRANGEMAX, TRUE, maximum);
    positions_[id] = static_cast<int>(SendMessageA(item(id), TBM_GETPOS, 0, 0));
  } else if (isKind(id, CtlKind::ProgressBar)) {
    SendMessageA(item(id), PBM_SETRANGE, 0, MAKELPARAM(minimum, maximum));
  }
}

int FormWindow::rangeMin(Ctl id) { return ranges_[id].minimum; }
int FormWindow::rangeMax(Ctl id) { return ranges_[id].maximum; }

void FormWindow::selectTab(int index) { showTab(index); }

int FormWindow::selectedTab() { return static_cast<int>(SendMessageA(tabs_, TCM_GETCURSEL, 0, 0)); }

void FormWindow::showForm() {
  if (IsIconic(hwnd_)) ShowWindow(hwnd_, SW_RESTORE);
  ShowWindow(hwnd_, SW_SHOW);
  SetForegroundWindow(hwnd_);
}

void FormWindow::hideForm() { ShowWindow(hwnd_, SW_HIDE); }

void FormWindow::closeForm() { DestroyWindow(hwnd_); }

void FormWindow::enableTimer(unsigned periodMs) { SetTimer(hwnd_, kTimerId, periodMs, nullptr); }

void FormWindow::showError(const std::string& text) {
  MessageBoxA(hwnd_, text.c_str(), "Memtidy", MB_OK | MB_ICONSTOP);
}

// ---- messages ---------------------------------------------------------------

LRESULT CALLBACK FormWindow::proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    reinterpret_cast<FormWindow*>(cs->lpCreateParams)->hwnd_ = hwnd;
  }
  auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (self) return self->handle(msg, wParam, lParam);
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK FormWindow::controlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto original = reinterpret_cast<WNDPROC>(GetPropA(hwnd, kControlProcProp));
  auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrA(GetParent(hwnd), GWLP_USERDATA));
  if (msg == WM_NCDESTROY) {
    RemovePropA(hwnd, kControlProcProp);
    SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
  } else if (self) {
    LRESULT r = self->controlMessage(hwnd, msg, wParam, lParam);
    if (r != 0) return r;
  }
  return CallWindowProcA(original, hwnd, msg, wParam, lParam);
}

LRESULT FormWindow::controlMessage(HWND control, UINT msg, WPARAM wParam, LPARAM lParam) {
  const int rawId = GetDlgCtrlID(control);
  const bool sheet = rawId == kSheetId;
  Ctl id = sheet ? Ctl::PageControl1 : static_cast<Ctl>(rawId);
  if (msg == WM_NCHITTEST && id == Ctl::GroupBox5) return HTCLIENT;  // the box explains itself
  if (msg == WM_ERASEBKGND && isKind(id, CtlKind::GroupBox)) {
    // Nothing beneath a group box paints its inside (the sheet clips it away).
    RECT r;
    GetClientRect(control, &r);
    FillRect(reinterpret_cast<HDC>(wParam), &r, faceBrush_);
    return TRUE;
  }
  if (msg == WM_SETCURSOR && (isKind(id, CtlKind::Link) || isKind(id, CtlKind::Image))) {
    HCURSOR hand = LoadCursorA(nullptr, kHandCursor);
    SetCursor(hand ? hand : LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)));
    return TRUE;
  }
  if (msg == WM_MOUSEMOVE && form_) {
    int x = static_cast<short>(LOWORD(lParam)), y = static_cast<short>(HIWORD(lParam));
    if (id == Ctl::PageControl1 && !sheet) {
      x -= pageOrigin_.x;
      y -= pageOrigin_.y;
    }
    run([&] { form_->ControlMouseMove(id, x, y); });
  }
  return 0;
}

LRESULT FormWindow::handle(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_COMMAND:
      if (lParam && form_) onCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_HSCROLL:
      if (lParam && form_) onScroll(reinterpret_cast<HWND>(lParam));
      return 0;
    case WM_NOTIFY:
      if (form_) return onNotify(reinterpret_cast<NMHDR*>(lParam));
      return 0;
    case WM_TIMER:
      if (wParam == kTimerId && form_) run([&] { form_->Timer1Timer(); });
      return 0;
    case WM_SYSCOMMAND: {
      bool handled = false;
      if (form_) run([&] { handled = form_->WMSysCommand(static_cast<uint32_t>(wParam)); });
      if (handled) return 0;
      break;
    }
    case WM_CTLCOLORSTATIC: {
      HWND c = reinterpret_cast<HWND>(lParam);
      Ctl id = static_cast<Ctl>(GetDlgCtrlID(c));
      if (isKind(id, CtlKind::Edit) || isKind(id, CtlKind::SpinEdit)) break;
      HDC dc = reinterpret_cast<HDC>(wParam);
      const ControlRow* row = findControl(id);
      SetTextColor(dc, row && (row->style & kStyleNavy) ? RGB(0, 0, 128) : GetSysColor(COLOR_BTNTEXT));
      SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
      return reinterpret_cast<LRESULT>(faceBrush_);
    }
    case WM_DESTROY:
      destroyed_ = true;
      KillTimer(hwnd_, kTimerId);
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcA(hwnd_, msg, wParam, lParam);
}

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
