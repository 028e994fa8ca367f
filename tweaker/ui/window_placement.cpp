#include "tweaker/ui/window_placement.h"

namespace vdx {

namespace {
// The far-edge rule is applied last, so a window larger than the screen
// ends flush with the far edge.
int keepOnScreen(int pos, int size, int screen) {
  if (pos < 0) pos = 0;
  if (pos + size > screen) pos = screen - size;
  return pos;
}
}  // namespace

WindowPosition centredPosition(int refLeft, int refTop, int refRight, int refBottom, int width, int height,
                               int screenWidth, int screenHeight) {
  WindowPosition p;
  p.x = keepOnScreen(refLeft + ((refRight - refLeft) - width) / 2, width, screenWidth);
  p.y = keepOnScreen(refTop + ((refBottom - refTop) - height) / 2, height, screenHeight);
  return p;
}

}  // namespace vdx
