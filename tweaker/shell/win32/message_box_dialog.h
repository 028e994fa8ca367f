// The message box over dialog resource 130.
#pragma once
#include <windows.h>

#include "tweaker/shell/message_box.h"

namespace vdx {

class Win32MessageBoxPresenter : public MessageBoxPresenter {
 public:
  explicit Win32MessageBoxPresenter(HINSTANCE instance) : instance_(instance) {}
  int show(WindowHandle owner, const std::string& text, const std::string& caption, uint32_t style,
           int timeoutSeconds) override;

 private:
  HINSTANCE instance_;
};

}  // namespace vdx
