// The Win32 dialog surface against real controls: texts, check boxes,
// enabling and showing, list boxes and drop-down lists with item data, track
// bars and up-down controls, and ending the dialog.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>

#include "tweaker/ui/win32/win32_dialog_surface.h"

namespace {

int g_passed = 0, g_failed = 0;

void check(bool ok, const std::string& what) {
  std::printf("  %s %s\n", ok ? "ok  " : "FAIL", what.c_str());
  (ok ? g_passed : g_failed)++;
}

void checkLists(vdx::DialogSurface& s, int id, const char* kind) {
  const std::string k = kind;
  s.clearItems(id);
  check(s.itemCount(id) == 0 && s.selection(id) == -1, k + ": empty after clearing");
  const int a = s.addItem(id, "Beta", 20);
  s.addItem(id, "Alpha", 10);
  s.addItem(id, "beta", 30);
  check(a == 0 && s.itemCount(id) == 3, k + ": three items, appended in order");
  check(s.itemText(id, 2) == "beta" && s.itemData(id, 2) == 30, k + ": text and data of an item");
  check(s.findItem(id, "beta") == 2 && s.findItem(id, "BETA") == -1, k + ": exact search keeps case");
  s.select(id, 1);
  check(s.selection(id) == 1, k + ": selection");
  s.removeItem(id, 0);
  check(s.itemCount(id) == 2 && s.itemText(id, 0) == "Alpha" && s.itemData(id, 0) == 10, k + ": removal");
  check(s.itemText(id, 9).empty(), k + ": an item past the end has no text");
}

INT_PTR CALLBACK proc(HWND dlg, UINT msg, WPARAM, LPARAM) {
  if (msg != WM_INITDIALOG) return FALSE;
  vdx::Win32DialogSurface s(dlg);
  s.setText(0, "Surface title");
  check(s.text(0) == "Surface title", "id 0 is the dialog's title");
  s.setText(11, std::string(300, 'x'));
  check(s.text(11).size() == 300, "a long edit text comes back whole");
  s.limitText(11, 5);
  check(SendDlgItemMessageA(dlg, 11, EM_GETLIMITTEXT, 0, 0) == 5, "edit limit");
  s.setChecked(12, true);
  check(s.checked(12), "check box on");
  s.setChecked(12, false);
  check(!s.checked(12), "check box off");
  s.enable(12, false);
  check(!s.enabled(12), "disabled");
  s.show(10, false);
  check(!s.visible(10), "hidden");
  s.show(10, true);
  check(s.visible(10), "shown");
  checkLists(s, 13, "list box");
  checkLists(s, 14, "drop-down list");
  s.setTrackRange(15, 10, 300);
  s.setTrackTicFrequency(15, 10);
  s.setTrackPos(15, 120);
  check(s.trackPos(15) == 120, "track bar position");
  s.setTrackPos(15, 500);
  check(s.trackPos(15) == 300, "track bar keeps to its range");
  s.setSpinRange(17, 0, 64);
  s.setSpinPos(17, 40);
  check(s.spinPos(17) == 40, "up-down position");
  s.focus(13);
  check(GetFocus() == GetDlgItem(dlg, 13), "focus");
  s.endDialog(7);
  return FALSE;
}

}  // namespace

int main() {
  INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_BAR_CLASSES | ICC_UPDOWN_CLASS};
  InitCommonControlsEx(&icc);
  INT_PTR r = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(100), nullptr, proc, 0);
  check(r == 7, "endDialog's result is the dialog's");
  std::printf("dialog-surface: %d passed, %d failed\n", g_passed, g_failed);
  return g_failed ? 1 : 0;
}
