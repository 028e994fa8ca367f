// The main window as the form logic sees it: the controls (ControlSurface)
// plus the rest of the window: check, visibility, ranges, tabs, the shown
// and hidden states, the timer and the error box. The Win32 front end
// implements it with real controls; tests implement it with a map.
#pragma once
#include <string>

#include "memtool/control_surface.h"
#include "memtool/form_controls.h"
#include "memtool/platform/shell_open.h"

namespace mt {

class FormSurface : public ControlSurface {
 public:
  virtual void setChecked(Ctl id, bool on) = 0;
  virtual bool enabled(Ctl id) = 0;
  virtual void setVisible(Ctl id, bool on) = 0;
  virtual bool visible(Ctl id) = 0;
  // Sliders, spin edits and progress bars.
  virtual void setRange(Ctl id, int minimum, int maximum) = 0;
  virtual int rangeMin(Ctl id) = 0;
  virtual int rangeMax(Ctl id) = 0;
  virtual void selectTab(int index) = 0;
  virtual int selectedTab() = 0;
  // Restore from minimised, show the window and bring it to the front.
  virtual void showForm() = 0;
  // Minimise and hide the window, no taskbar button.
  virtual void hideForm() = 0;
  // Close the window, which ends the program.
  virtual void closeForm() = 0;
  // Starts the monitor's timer, calling Timer1Timer every periodMs.
  virtual void enableTimer(unsigned periodMs) = 0;
  // The top-level error box.
  virtual void showError(const std::string& text) = 0;
  // The main window, as owner of dialogs and shell calls.
  virtual WindowRef window() = 0;
};

}  // namespace mt
