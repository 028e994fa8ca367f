// The window's controls as the logic sees them: addressed by their form ids,
// plain values in and out. The Win32 form implements it over its child
// windows; tests use a map.
#pragma once
#include <string>

#include "memtool/form_controls.h"

namespace mt {

class ControlSurface {
 public:
  virtual ~ControlSurface() = default;
  virtual std::string text(Ctl control) = 0;
  virtual void setText(Ctl control, const std::string& text) = 0;
  virtual void setEnabled(Ctl control, bool enabled) = 0;
  virtual bool checked(Ctl control) = 0;
  // A slider's position; setting it clamps to the slider's range, as the
  // control itself does, and runs no change action.
  virtual int position(Ctl control) = 0;
  virtual void setPosition(Ctl control, int position) = 0;
};

// Moves a slider and reports whether its position actually changed, which is
// when the slider's change action has to run.
bool moveSlider(ControlSurface& surface, Ctl slider, int position);

}  // namespace mt
