// The Win32 main window "TForm1": built from the control table, it carries
// the form logic's surface and routes every control event to TForm1.
#pragma once
#include <windows.h>

#include <map>
#include <memory>

#include "memtool/form.h"
#include "memtool/form_layout.h"
#include "memtool/form_surface.h"

namespace mt {
namespace win32 {

class FormWindow : public FormSurface {
 public:
  FormWindow(HINSTANCE instance, const Services& services);
  ~FormWindow() override;
  FormWindow(const FormWindow&) = delete;
  FormWindow& operator=(const FormWindow&) = delete;

  // Creates the window and its controls, then runs FormCreate.
  bool create();
  TForm1& form() { return *form_; }
  HWND hwnd() const { return hwnd_; }

  // FormSurface
  std::string text(Ctl id) override;
  void setText(Ctl id, const std::string& text) override;
  void setEnabled(Ctl id, bool on) override;
  bool checked(Ctl id) override;
  int position(Ctl id) override;
  void setPosition(Ctl id, int position) override;
  void setChecked(Ctl id, bool on) override;
  bool enabled(Ctl id) override;
  void setVisible(Ctl id, bool on) override;
  bool visible(Ctl id) override;
  void setRange(Ctl id, int minimum, int maximum) override;
  int rangeMin(Ctl id) override;
  int rangeMax(Ctl id) override;
  void selectTab(int index) override;
  int selectedTab() override;
  void showForm() override;
  void hideForm() override;
  void closeForm() override;
  void enableTimer(unsigned periodMs) override;
  void showError(const std::string& text) override;
  WindowRef window() override { return reinterpret_cast<WindowRef>(hwnd_); }

 private:
  struct Range {
    int minimum = 0, maximum = 100;
  };
  static LRESULT CALLBACK proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK controlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT handle(UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT controlMessage(HWND control, UINT msg, WPARAM wParam, LPARAM lParam);
  void createControls();
  HWND createControl(const ControlRow& row);
  HFONT fontFor(unsigned style);
  HWND item(Ctl id) const;
  void showTab(int index);
  void onCommand(int id, int code);
  void onScroll(HWND control);
  LRESULT onNotify(NMHDR* header);
  template <class Handler>
  void run(Handler handler) {
    form_->Guarded(handler);
  }

  HINSTANCE instance_;
  Services services_;
  HWND hwnd_ = nullptr;
  HWND tabs_ = nullptr;
  POINT pageOrigin_ = {0, 0};
  HFONT fonts_[4] = {nullptr, nullptr, nullptr, nullptr};
  HBRUSH faceBrush_ = nullptr;
  std::map<Ctl, Range> ranges_;
  std::map<Ctl, int> positions_;
  std::map<Ctl, bool> hiddenByTab_;
  std::map<Ctl, bool> hiddenByForm_;
  std::unique_ptr<TForm1> form_;
  // Set while the logic itself changes a control, so that the control's own
  // change notification is not taken for a user's edit. Only the call that
  // changes the control is muted: messages sent to us meanwhile by other
  // programs (the shell, a test driver) still count.
  int quiet_ = 0;
  bool destroyed_ = false;
};

}  // namespace win32
}  // namespace mt
