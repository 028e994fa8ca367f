// The program's modal dialogs, one copy each: a dialog puts its window in its
// slot when it opens; a second request brings that window forward instead.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "tweaker/ui/message_box.h"

namespace vdx {

enum class DialogKind : uint8_t {
  About,
  Options,
  Overclock,
  MiniGLApplications,
  DisplayOutputs,
  Gamma,
  RefreshRates,
  ConfigureSchemes,
  Count
};

class DialogSlots {
 public:
  // The open dialog of a kind, or null. Dialogs set their slot in
  // WM_INITDIALOG; whoever opened the dialog clears it when it returns.
  WindowHandle get(DialogKind kind) const {
    const auto i = static_cast<std::size_t>(kind);
    return i < kCount ? slots_[i] : nullptr;
  }
  void set(DialogKind kind, WindowHandle window) {
    const auto i = static_cast<std::size_t>(kind);
    if (i < kCount) slots_[i] = window;
  }

 private:
  static constexpr std::size_t kCount = static_cast<std::size_t>(DialogKind::Count);
  WindowHandle slots_[kCount] = {};
};

// What every dialog gets from whoever opens it: its slot and the help file
// its context help comes from.
struct DialogFrame {
  DialogSlots* slots = nullptr;
  DialogKind kind = DialogKind::Count;
  std::string helpFile;
};

}  // namespace vdx
