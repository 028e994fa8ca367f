// Every fake seam service in one place, and the program context built on
// them: `TestProgram t;` is a fresh program for one test.
#pragma once
#include <deque>
#include <string>
#include <vector>

#include "tests/fakes/tweaker/fake_chip_ports.h"
#include "tests/fakes/tweaker/fake_clock.h"
#include "tests/fakes/tweaker/fake_display.h"
#include "tests/fakes/tweaker/fake_profile.h"
#include "tests/fakes/tweaker/fake_registry.h"
#include "tests/fakes/tweaker/fake_system.h"
#include "tweaker/platform/platform.h"
#include "tweaker/shell/program.h"
#include "tweaker/ui/message_box.h"

namespace vdx {

struct FakePlatform {
  FakeRegistry registry;
  FakeProfile profile;
  FakeDisplay display;
  FakeClock clock{0, 1};  // one millisecond per reading, so waits and retrace polls end
  FakeChipPorts ports{clock};
  FakeSystem system;

  FakePlatform() = default;
  FakePlatform(const FakePlatform&) = delete;
  FakePlatform& operator=(const FakePlatform&) = delete;

  Platform services() {
    Platform p;
    p.registry = &registry;
    p.profile = &profile;
    p.display = &display;
    p.ports = &ports;
    p.clock = &clock;
    p.system = &system;
    return p;
  }
};

// Answers every box with the next scripted result (then `whenEmpty`) and
// records what was asked.
struct ScriptedMessageBoxes : MessageBoxPresenter {
  struct Shown {
    std::string text;
    std::string caption;
    uint32_t style;
    int timeout;
  };
  std::deque<int> answers;
  std::vector<Shown> shown;
  int whenEmpty = kIdOk;

  int show(WindowHandle, const std::string& text, const std::string& caption, uint32_t style,
           int timeoutSeconds) override {
    shown.push_back({text, caption, style, timeoutSeconds});
    if (answers.empty()) return whenEmpty;
    const int answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

struct TestProgram {
  FakePlatform fakes;
  ScriptedMessageBoxes boxes;
  Program program{fakes.services(), boxes};
};

}  // namespace vdx
