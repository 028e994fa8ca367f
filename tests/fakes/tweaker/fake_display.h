// A recording display: every escape call is kept (code, input bytes, output
// size), replies come from a handler the test sets; modes come from a list
// and a change behaves like ChangeDisplaySettingsA on Windows (fields left
// out keep the current value, unknown modes answer DISP_CHANGE_BADMODE).
#pragma once
#include <cstdint>
#include <functional>
#include <vector>

#include "tweaker/platform/display.h"

namespace vdx {

class FakeDisplay : public Display {
 public:
  struct EscapeCall {
    int code = 0;
    std::vector<uint8_t> input;
    std::size_t outSize = 0;
    bool outGiven = false;
  };
  struct ModeChange {
    DisplayMode mode;
    uint32_t fields = 0;
    uint32_t flags = 0;
    long result = 0;
  };
  // Fills `out` (already sized outSize) and returns the driver's result.
  using EscapeHandler = std::function<int(int code, const std::vector<uint8_t>& in, uint8_t* out, std::size_t outSize)>;

  FakeDisplay();

  int escape(int code, const void* in, std::size_t inSize, void* out, std::size_t outSize) override;
  void deviceCaps(uint32_t* width, uint32_t* height, uint32_t* bitsPerPixel) override;
  bool enumMode(uint32_t index, DisplayMode* out) override;
  long changeMode(const DisplayMode& mode, uint32_t fields, uint32_t flags) override;
  int screenWidth() override { return static_cast<int>(current_.width); }
  int screenHeight() override { return static_cast<int>(current_.height); }

  // Without a handler every escape answers 0 (no such driver function).
  void setEscapeHandler(EscapeHandler h) { handler_ = std::move(h); }
  void setModes(const std::vector<DisplayMode>& modes) { modes_ = modes; }
  void setCurrent(const DisplayMode& mode) { current_ = mode; }
  const DisplayMode& current() const { return current_; }
  // Forces every later mode change to answer `result` (without changing the mode).
  void forceChangeResult(long result) {
    forced_ = true;
    forcedResult_ = result;
  }
  // Wine's way: a record without width and height answers DISP_CHANGE_BADMODE.
  void setRequireFullModeRecord(bool on) { requireFull_ = on; }
  // Called after a change took effect, like WM_DISPLAYCHANGE.
  void setOnModeChanged(std::function<void(const DisplayMode&)> f) { onChanged_ = std::move(f); }

  const std::vector<EscapeCall>& escapeCalls() const { return escapes_; }
  const std::vector<ModeChange>& modeChanges() const { return changes_; }
  void clearLog() {
    escapes_.clear();
    changes_.clear();
  }

 private:
  EscapeHandler handler_;
  std::vector<DisplayMode> modes_;
  DisplayMode current_;
  bool requireFull_ = false;
  bool forced_ = false;
  long forcedResult_ = 0;
  std::function<void(const DisplayMode&)> onChanged_;
  std::vector<EscapeCall> escapes_;
  std::vector<ModeChange> changes_;
};

}  // namespace vdx
