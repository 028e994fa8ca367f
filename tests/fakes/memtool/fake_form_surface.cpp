#include "tests/fakes/memtool/fake_form_surface.h"

#include <stdexcept>

#include "memtool/form_layout.h"

namespace mt {

FakeFormSurface::State& FakeFormSurface::at(Ctl id) {
  if (!findControl(id)) throw std::out_of_range("no control " + std::to_string(static_cast<int>(id)));
  return states_[id];
}

void FakeFormSurface::setPosition(Ctl id, int p) {
  State& s = at(id);
  s.position = p < s.min ? s.min : p > s.max ? s.max : p;
}

void FakeFormSurface::setRange(Ctl id, int minimum, int maximum) {
  State& s = at(id);
  s.min = minimum;
  s.max = maximum;
  setPosition(id, s.position);
}

}  // namespace mt
