// The Overclock dialog's behaviour: two sliders in 0.2 MHz units whose
// positions snap to what the clock generator can make, buttons that set a
// clock at once, go back to the card's own, or forget the saved speed, and
// Save, which sets and keeps both.
#pragma once
#include <functional>
#include <optional>

#include "tweaker/adapter/adapter_identity.h"
#include "tweaker/adapter/clock_settings.h"
#include "tweaker/platform/platform.h"
#include "tweaker/ui/dialog_presenter.h"

namespace vdx {

// Slider notices as the track bar sends them.
enum SliderCode {
  kSliderLineUp = 0,
  kSliderLineDown = 1,
  kSliderPageUp = 2,
  kSliderPageDown = 3,
  kSliderThumbPosition = 4,
  kSliderThumbTrack = 5,
  kSliderTop = 6,
  kSliderBottom = 7,
};

constexpr int kClockSliderPage = 25;  // 5 MHz

// Slider units: MHz times 5, truncated.
int sliderPosition(float mhz);
// "%.1f MHz", with " (Startup default)" when `mhz` is the start-up clock exactly.
std::string clockLabel(float mhz, float startup);

// The clock record as the dialog last left it, once it changed anything.
struct OverclockResult {
  std::optional<ClockState> clocks;
};

struct OverclockDialogModel {
  Platform services;
  const AdapterIdentity* identity;
  ClockState clocks;  // the program's record as the dialog opens
  ClockRules rules;
  // Every change is handed over at once: the tray tooltip shows the clocks
  // while the dialog is open.
  std::function<void(const OverclockResult&)> clocksChanged;
};

class OverclockDialog {
 public:
  OverclockDialog(DialogSurface& surface, const OverclockDialogModel& model) : surface_(surface), model_(model) {}

  using Model = OverclockDialogModel;

  void init();
  // A command from a control; true when the dialog handled it.
  bool command(int id);
  // A horizontal scroll notice from `sliderId`.
  void scrolled(int sliderId, int code);
  // Save sets and keeps both clocks; Close (Cancel) leaves them as they are.
  int ok();
  int cancel() { return 1; }

  const OverclockResult& result() const { return result_; }

  float pendingMclk() const { return pendingMclk_; }
  float pendingEclk() const { return pendingEclk_; }

 private:
  bool hasEclk() const { return model_.clocks.desiredEclk != 0.0f; }
  void changed();
  float readClock(bool engine) const;
  void showSlider(int slider, int text, int minLabel, int maxLabel, float lo, float hi, float now, float startup);
  void snapEclk(float mhz);
  void applyMclk(bool toDefault);
  void applyEclk(bool toDefault);
  void setClocks(float mclk, float eclk, bool save);
  void setSlider(int sliderId, int pos);

  DialogSurface& surface_;
  OverclockDialogModel model_;
  OverclockResult result_;
  float pendingMclk_ = 0.0f;
  float pendingEclk_ = 0.0f;
  // Where the program last put each slider: a line or page step moves one
  // unit from there, whatever step the track bar itself has already made.
  int mclkPos_ = 0;
  int eclkPos_ = 0;
};

}  // namespace vdx
