#include "tests/fakes/memtool/fake_control_surface.h"

#include <algorithm>
#include <stdexcept>

#include "memtool/form_layout.h"

namespace mt {

FakeControlSurface::State& FakeControlSurface::at(Ctl c) {
  if (!findControl(c)) throw std::out_of_range("no such control: " + std::to_string(static_cast<int>(c)));
  return states_[c];
}

void FakeControlSurface::setPosition(Ctl c, int p) {
  State& s = at(c);
  s.position = std::clamp(p, s.min, s.max);
}

void FakeControlSurface::setRange(Ctl slider, int min, int max) {
  State& s = at(slider);
  s.min = min;
  s.max = max;
  s.position = std::clamp(s.position, min, max);
}

}  // namespace mt
