#include "memtool/control_surface.h"

namespace mt {

bool moveSlider(ControlSurface& surface, Ctl slider, int position) {
  const int before = surface.position(slider);
  surface.setPosition(slider, position);
  return surface.position(slider) != before;
}

}  // namespace mt
