// The Display Outputs dialog's behaviour: which displays are on, the TV
// standard and port, LCD expansion and the TV picture. Everything comes from
// and goes to the display driver; picture changes go at once, the rest on
// OK or Apply.
#pragma once
#include <cstdint>

#include "tweaker/adapter/adapter_identity.h"
#include "tweaker/display/driver_escape.h"
#include "tweaker/resources/resource.h"
#include "tweaker/platform/display.h"
#include "tweaker/settings/preferences.h"
#include "tweaker/ui/dialog_presenter.h"
#include "tweaker/ui/message_box.h"

namespace vdx {

// The dialog's copy of the driver's values while it is open.
struct OutputsState {
  uint16_t panelWidth, panelHeight;
  uint32_t sizesLinked;
  uint32_t horzSizeInverted;
  uint32_t brightness, brightnessMax;
  uint32_t contrast, contrastMax;
  uint32_t colour, colourMax;
  uint32_t tint, tintMax;
  uint32_t flickerLevel, flickerOn, flickerMax;
  uint32_t horzPos, horzPosRange, vertPos, vertPosRange;
  uint32_t vertSize, vertSizeMax, lockRatio, horzSize, horzSizeMax;
};

// The picture maxima a chip starts from and its size rules.
struct ChipPictureRules {
  uint32_t brightnessMax, contrastMax, colourMax, tintMax, flickerMax;
  bool horzSizeInverted;
  bool sizesLinked;
  bool sizeMaximaLess1;
};
ChipPictureRules chipPictureRules(uint32_t deviceId);

// The display mask Apply sends: the boxes of the supported displays over the
// active mask, never one without a display; `duoView` -1 when the box is not
// offered.
uint32_t nextDisplayMask(uint32_t active, uint32_t supported, bool crt, bool tv, bool lcd, int duoView);

struct OutputsDialogModel {
  DriverEscapes* escapes;
  const AdapterIdentity* identity;
  const Preferences* prefs;
  Display* display;  // the current screen size
  MessageBoxPresenter* boxes;
  WindowHandle owner;  // of "Could not set displays."
};

// The notices the dialog counts (CBN_SELCHANGE, SB_ENDSCROLL).
constexpr int kListSelectionChanged = 1;
constexpr int kScrollEnded = 8;

class OutputsDialog {
 public:
  OutputsDialog(DialogSurface& surface, const OutputsDialogModel& model) : surface_(surface), model_(model) {}

  using Model = OutputsDialogModel;
  static constexpr int kApplyId = IDC_OUT_APPLY;

  void init();
  // Reads every control from the driver; the connection query only when allowed.
  void read(bool queryConnection);
  // A command from a control with its notification code; true when the
  // dialog handled it. The lists count only a change of selection.
  bool command(int id, int code = kListSelectionChanged);
  // A scroll notice from a slider or spin: the end of a movement counts.
  void scrolled(int id, int code);
  void scrollEnded(int id);
  // Sends the choices to the driver.
  void send();
  int ok();
  void apply();

  const OutputsState& state() const { return state_; }

 private:
  void readTv(bool tvOn);
  void setTrack(int id, uint32_t maximum, uint32_t pos, bool on);
  bool duoViewOffered() const;

  DialogSurface& surface_;
  OutputsDialogModel model_;
  OutputsState state_{};
};

}  // namespace vdx
