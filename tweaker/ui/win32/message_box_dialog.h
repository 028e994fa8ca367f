// The message box over dialog resource 130.
#pragma once
#include <windows.h>

#include "tweaker/ui/message_box.h"

namespace vdx {

class Win32MessageBoxPresenter : public MessageBoxPresenter {
 public:
  explicit Win32MessageBoxPresenter(HINSTANCE instance) : instance_(instance) {}
  // Where context help comes from; the text is read at each request for help.
  void useHelpFile(const std::string* path) { helpFile_ = path; }
  int show(WindowHandle owner, const std::string& text, const std::string& caption, uint32_t style,
           int timeoutSeconds) override;

 private:
  HINSTANCE instance_;
  const std::string* helpFile_ = nullptr;
};

}  // namespace vdx
