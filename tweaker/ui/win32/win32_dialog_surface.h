// The dialog surface over a live Win32 dialog.
#pragma once
#include <windows.h>

#include "tweaker/ui/dialog_surface.h"

namespace vdx {

class Win32DialogSurface : public DialogSurface {
 public:
  explicit Win32DialogSurface(HWND dialog) : dialog_(dialog) {}
  HWND window() const { return dialog_; }

  void setText(int id, const std::string& text) override;
  std::string text(int id) override;
  void setChecked(int id, bool on) override;
  bool checked(int id) override;
  void enable(int id, bool on) override;
  bool enabled(int id) override;
  void show(int id, bool on) override;
  bool visible(int id) override;
  void setTrackRange(int id, int minimum, int maximum) override;
  void setTrackTicFrequency(int id, int every) override;
  void setTrackPos(int id, int pos) override;
  int trackPos(int id) override;
  void setSpinRange(int id, int lower, int upper) override;
  void setSpinPos(int id, int pos) override;
  int spinPos(int id) override;
  void clearItems(int id) override;
  int addItem(int id, const std::string& text, ItemData data) override;
  void removeItem(int id, int index) override;
  int itemCount(int id) override;
  std::string itemText(int id, int index) override;
  ItemData itemData(int id, int index) override;
  void select(int id, int index) override;
  int selection(int id) override;
  int findItem(int id, const std::string& text) override;
  void limitText(int id, int maxChars) override;
  void focus(int id) override;
  void endDialog(int result) override;

 private:
  HWND item(int id) const { return id == 0 ? dialog_ : GetDlgItem(dialog_, id); }
  LRESULT send(int id, UINT msg, WPARAM w, LPARAM l) const { return SendDlgItemMessageA(dialog_, id, msg, w, l); }
  bool isCombo(int id) const;

  HWND dialog_;
};

}  // namespace vdx
