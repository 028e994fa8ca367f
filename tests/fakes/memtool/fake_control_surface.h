// The window's controls as a map. Controls the form does not have are a test
// failure (std::out_of_range), which catches logic and layout drifting apart.
#pragma once
#include <map>
#include <string>

#include "memtool/control_surface.h"

namespace mt {

class FakeControlSurface : public ControlSurface {
 public:
  struct State {
    std::string text;
    bool enabled = true;
    bool checked = false;
    int position = 0;
    int min = 0;
    int max = 100;
  };

  std::string text(Ctl c) override { return at(c).text; }
  void setText(Ctl c, const std::string& t) override { at(c).text = t; }
  void setEnabled(Ctl c, bool e) override { at(c).enabled = e; }
  bool checked(Ctl c) override { return at(c).checked; }
  int position(Ctl c) override { return at(c).position; }
  void setPosition(Ctl c, int p) override;

  State& at(Ctl c);
  void setRange(Ctl slider, int min, int max);
  bool enabled(Ctl c) { return at(c).enabled; }

 private:
  std::map<Ctl, State> states_;
};

}  // namespace mt
