// The Refresh Rates dialog's behaviour: lists the display modes with the
// rates the driver allows, stores the user's choice per mode and, for the
// mode in use, resets the display and keeps the new rate only if the user
// says so within 15 seconds.
#pragma once
#include <memory>
#include <string>

#include "tweaker/display/refresh_rates.h"
#include "tweaker/platform/platform.h"
#include "tweaker/ui/dialog_presenter.h"
#include "tweaker/ui/message_box.h"

namespace vdx {

struct RefreshRatesModel {
  Platform hw;
  std::string classKeyPath;  // under HKEY_LOCAL_MACHINE; may be empty
  MessageBoxPresenter* boxes;
  WindowHandle owner;        // the dialog itself: it owns the question and the notice
};

class RefreshRatesDialog {
 public:
  RefreshRatesDialog(DialogSurface& surface, const RefreshRatesModel& model) : surface_(surface), model_(model) {}

  using Model = RefreshRatesModel;
  static constexpr int kApplyId = 3;

  void init();
  // A command from a control (with its notification code); true when handled.
  bool command(int id, int notification);
  int ok();
  void apply();

  const RefreshModeEntry* entries() const { return table_.get(); }

 private:
  RefreshModeEntry* selectedEntry();
  void fillRates();
  void chooseRate();
  void applyChanges();
  void confirm(RefreshModeEntry* e);

  DialogSurface& surface_;
  RefreshRatesModel model_;
  struct FreeTable {
    void operator()(RefreshModeEntry* t) const;
  };
  std::unique_ptr<RefreshModeEntry, FreeTable> table_;
  uint32_t width_ = 0, height_ = 0, bitsPerPixel_ = 0;  // the mode in use
};

}  // namespace vdx
