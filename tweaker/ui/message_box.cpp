#include "tweaker/ui/message_box.h"

namespace vdx {

int ShowMessageBox(MessageBoxPresenter& boxes, WindowHandle owner, const std::string& text,
                   const std::string& caption, uint32_t style, int timeoutSeconds) {
  return boxes.show(owner, text, caption, style, timeoutSeconds);
}

}  // namespace vdx
