// The main window as a map of control states. A control the window does not
// have fails the test, which keeps logic and layout together.
#pragma once
#include <map>
#include <string>
#include <vector>

#include "memtool/form_surface.h"

namespace mt {

class FakeFormSurface : public FormSurface {
 public:
  struct State {
    std::string text;
    bool enabled = true;
    bool checked = false;
    bool visible = true;
    int position = 0;
    int min = 0;
    int max = 100;
  };

  std::string text(Ctl id) override { return at(id).text; }
  void setText(Ctl id, const std::string& t) override { at(id).text = t; }
  void setEnabled(Ctl id, bool on) override { at(id).enabled = on; }
  bool checked(Ctl id) override { return at(id).checked; }
  int position(Ctl id) override { return at(id).position; }
  void setPosition(Ctl id, int p) override;
  void setChecked(Ctl id, bool on) override { at(id).checked = on; }
  bool enabled(Ctl id) override { return at(id).enabled; }
  void setVisible(Ctl id, bool on) override { at(id).visible = on; }
  bool visible(Ctl id) override { return at(id).visible; }
  void setRange(Ctl id, int minimum, int maximum) override;
  int rangeMin(Ctl id) override { return at(id).min; }
  int rangeMax(Ctl id) override { return at(id).max; }
  void selectTab(int index) override { tab = index; }
  int selectedTab() override { return tab; }
  void showForm() override { shown = true; }
  void hideForm() override { shown = false; }
  void closeForm() override { closed = true; }
  void enableTimer(unsigned periodMs) override { timerMs = periodMs; }
  void showError(const std::string& text) override { errors.push_back(text); }
  WindowRef window() override { return 0x1234; }

  State& at(Ctl id);

  int tab = 0;
  bool shown = false;
  bool closed = false;
  unsigned timerMs = 0;
  std::vector<std::string> errors;

 private:
  std::map<Ctl, State> states_;
};

}  // namespace mt
