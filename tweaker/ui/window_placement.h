// Where a dialog goes when centred over another window, kept on the screen.
#pragma once

namespace vdx {

struct WindowPosition {
  int x = 0;
  int y = 0;
};

// `reference*` is the reference window's rectangle, width/height the
// window's size, screen* the screen's size in pixels.
WindowPosition centredPosition(int refLeft, int refTop, int refRight, int refBottom, int width, int height,
                               int screenWidth, int screenHeight);

}  // namespace vdx
