// The main window's layout: one row per control, in creation order. The
// Win32 front end builds the window from it; the form logic asks it for
// a control's name and tab.
#pragma once
#include <cstddef>

#include "memtool/form_controls.h"

namespace mt {

enum class CtlKind { Tabs, Label, Link, Slider, SpinEdit, CheckBox, Edit, Button, SpeedButton,
                     GroupBox, ProgressBar, Image };

// Text styles of labels.
enum CtlStyle : unsigned {
  kStylePlain = 0,
  kStyleNavy = 1,
  kStyleBold = 2,
  kStyleUnderline = 4,
  kStyleBigFont = 8,  // 29-pixel "Microsoft Sans Serif"
  kStylePassive = 16, // the mouse passes through to what lies beneath
};

struct ControlRow {
  Ctl id;
  const char* name;
  CtlKind kind;
  int tab;  // -1: on the form (over the tabs); 0-4: the tab it lies on
  const char* caption;
  int x, y, width, height;  // pixels; a zero width means "as wide as the text"
  unsigned style;
};

constexpr int kClientWidth = 398;
constexpr int kClientHeight = 396;
constexpr int kSliderWidth = 364;
constexpr int kSliderHeight = 25;
constexpr int kSliderKeyStep = 10;

extern const char* const kTabCaptions[kTabCount];
extern const ControlRow kFormControls[];
extern const std::size_t kFormControlCount;

// The row of a control, or null.
const ControlRow* findControl(Ctl id);

}  // namespace mt
