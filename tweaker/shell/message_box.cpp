#include "tweaker/shell/message_box.h"

namespace vdx {

namespace {
MessageBoxPresenter* g_presenter = nullptr;
}

void installMessageBoxPresenter(MessageBoxPresenter* presenter) { g_presenter = presenter; }

int ShowMessageBox(WindowHandle owner, const std::string& text, const std::string& caption, uint32_t style,
                   int timeoutSeconds) {
  // No presenter means no dialog could be made: the system's failure value.
  if (!g_presenter) return -1;
  return g_presenter->show(owner, text, caption, style, timeoutSeconds);
}

}  // namespace vdx
