#include "tweaker/ui/win32/win32_dialog_surface.h"

#include <commctrl.h>

#include <cstring>
#include <vector>

namespace vdx {

namespace {

// List boxes and combo boxes answer the same requests under different numbers.
struct ListMessages {
  UINT reset, add, remove, count, textLen, text, getData, setData, setSel, getSel;
};
constexpr ListMessages kListBox = {LB_RESETCONTENT, LB_ADDSTRING,     LB_DELETESTRING, LB_GETCOUNT,  LB_GETTEXTLEN,
                                   LB_GETTEXT,      LB_GETITEMDATA,   LB_SETITEMDATA,  LB_SETCURSEL, LB_GETCURSEL};
constexpr ListMessages kComboBox = {CB_RESETCONTENT, CB_ADDSTRING,    CB_DELETESTRING, CB_GETCOUNT,  CB_GETLBTEXTLEN,
                                    CB_GETLBTEXT,    CB_GETITEMDATA,  CB_SETITEMDATA,  CB_SETCURSEL, CB_GETCURSEL};

std::string windowText(HWND w) {
  if (!w) return std::string();
  int len = GetWindowTextLengthA(w);
  if (len <= 0) return std::string();
  std::vector<char> buf(static_cast<std::size_t>(len) + 1, '\0');
  int got = GetWindowTextA(w, buf.data(), len + 1);
  return std::string(buf.data(), got > 0 ? static_cast<std::size_t>(got) : 0);
}

}  // namespace

bool Win32DialogSurface::isCombo(int id) const {
  char cls[32] = {0};
  GetClassNameA(item(id), cls, sizeof cls);
  return lstrcmpiA(cls, "ComboBox") == 0;
}

void Win32DialogSurface::setText(int id, const std::string& text) { SetWindowTextA(item(id), text.c_str()); }

std::string Win32DialogSurface::text(int id) { return windowText(item(id)); }

void Win32DialogSurface::setChecked(int id, bool on) {
  send(id, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool Win32DialogSurface::checked(int id) { return send(id, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void Win32DialogSurface::enable(int id, bool on) { EnableWindow(item(id), on ? TRUE : FALSE); }

bool Win32DialogSurface::enabled(int id) { return IsWindowEnabled(item(id)) != FALSE; }

void Win32DialogSurface::show(int id, bool on) { ShowWindow(item(id), on ? SW_SHOW : SW_HIDE); }

bool Win32DialogSurface::visible(int id) {
  return (GetWindowLongA(item(id), GWL_STYLE) & WS_VISIBLE) != 0;
}

void Win32DialogSurface::setTrackRange(int id, int minimum, int maximum) {
  send(id, TBM_SETRANGE, TRUE, MAKELONG(minimum, maximum));
}

void Win32DialogSurface::setTrackTicFrequency(int id, int every) { send(id, TBM_SETTICFREQ, every, 0); }

void Win32DialogSurface::setTrackPos(int id, int pos) { send(id, TBM_SETPOS, TRUE, pos); }

int Win32DialogSurface::trackPos(int id) { return static_cast<int>(send(id, TBM_GETPOS, 0, 0)); }

void Win32DialogSurface::setSpinRange(int id, int lower, int upper) {
  send(id, UDM_SETRANGE, 0, MAKELONG(static_cast<short>(upper), static_cast<short>(lower)));
}

void Win32DialogSurface::setSpinPos(int id, int pos) {
  send(id, UDM_SETPOS, 0, MAKELONG(static_cast<short>(pos), 0));
}

int Win32DialogSurface::spinPos(int id) {
  return static_cast<int>(LOWORD(send(id, UDM_GETPOS, 0, 0)));
}

void Win32DialogSurface::clearItems(int id) {
  const ListMessages& m = isCombo(id) ? kComboBox : kListBox;
  send(id, m.reset, 0, 0);
}

int Win32DialogSurface::addItem(int id, const std::string& text, ItemData data) {
  const ListMessages& m = isCombo(id) ? kComboBox : kListBox;
  LRESULT index = send(id, m.add, 0, reinterpret_cast<LPARAM>(text.c_str()));
  if (index < 0) return -1;
  send(id, m.setData, static_cast<WPARAM>(index), static_cast<LPARAM>(data));
  return static_cast<int>(index);
}

void Win32DialogSurface::removeItem(int id, int index) {
  const ListMessages& m = isCombo(id) ? kComboBox : kListBox;
  send(id, m.remove, static_cast<WPARAM>(index), 0);
}

int Win32DialogSurface::itemCount(int id) {
  const ListMessages& m = isCombo(id) ? kComboBox : kListBox;
  LRESULT n = send(id, m.count, 0, 0);
  return n < 0 ? 0 : static_cast<int>(n);
}

std::string Win32DialogSurface::itemText(int id, int index) {
  const ListMessages& m = isCombo(id) ? kComboBox : kListBox;
  LRESULT len = send(id, m.textLen, static_cast<WPARAM>(index), 0);
  if (len < 0) return std::string();
  std::vector<char> buf(static_cast<std::size_t>(len) + 1, '\0');
  LRESULT got = send(id, m.text, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buf.data()));
  if (got < 0) return std::string();
  return std::string(buf.data(), std::strlen(buf.data()));
}

ItemData Win32DialogSurface::itemData(int id, int index) {
  const ListMessages& m = isCombo(id) ? kComboBox : kListBox;
  return static_cast<ItemData>(send(id, m.getData, static_cast<WPARAM>(index), 0));
}

void Win32DialogSurface::select(int id, int index) {
  const ListMessages& m = isCombo(id) ? kComboBox : kListBox;
  send(id, m.setSel, static_cast<WPARAM>(index), 0);
}

int Win32DialogSurface::selection(int id) {
  const ListMessages& m = isCombo(id) ? kComboBox : kListBox;
  LRESULT sel = send(id, m.getSel, 0, 0);
  return sel < 0 ? -1 : static_cast<int>(sel);
}

int Win32DialogSurface::findItem(int id, const std::string& text) {
  // The system's exact search ignores case; names here must match exactly.
  int n = itemCount(id);
  for (int i = 0; i < n; ++i) {
    if (itemText(id, i) == text) return i;
  }
  return -1;
}

void Win32DialogSurface::limitText(int id, int maxChars) { send(id, EM_LIMITTEXT, static_cast<WPARAM>(maxChars), 0); }

void Win32DialogSurface::focus(int id) { SetFocus(item(id)); }

void Win32DialogSurface::endDialog(int result) { EndDialog(dialog_, result); }

}  // namespace vdx
