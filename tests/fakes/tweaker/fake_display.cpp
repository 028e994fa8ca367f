#include "tests/fakes/tweaker/fake_display.h"

#include <cstring>

namespace vdx {

FakeDisplay::FakeDisplay() {
  for (uint32_t bpp : {8u, 16u, 32u}) {
    modes_.push_back(DisplayMode{640, 480, bpp, 60});
    modes_.push_back(DisplayMode{800, 600, bpp, 60});
    modes_.push_back(DisplayMode{1024, 768, bpp, 60});
  }
  current_ = DisplayMode{1024, 768, 32, 60};
}

int FakeDisplay::escape(int code, const void* in, std::size_t inSize, void* out, std::size_t outSize) {
  EscapeCall call;
  call.code = code;
  if (in && inSize) {
    const uint8_t* p = static_cast<const uint8_t*>(in);
    call.input.assign(p, p + inSize);
  }
  call.outSize = outSize;
  call.outGiven = out != nullptr;
  escapes_.push_back(call);
  if (!handler_) return 0;
  // The handler writes into a private copy so a wrong-sized reply can never
  // run past the caller's buffer.
  std::vector<uint8_t> reply(outSize, 0);
  if (out && outSize) std::memcpy(reply.data(), out, outSize);
  int r = handler_(code, call.input, reply.data(), outSize);
  if (out && outSize) std::memcpy(out, reply.data(), outSize);
  return r;
}

void FakeDisplay::deviceCaps(uint32_t* width, uint32_t* height, uint32_t* bitsPerPixel) {
  if (width) *width = current_.width;
  if (height) *height = current_.height;
  if (bitsPerPixel) *bitsPerPixel = current_.bitsPerPixel;
}

bool FakeDisplay::enumMode(uint32_t index, DisplayMode* out) {
  if (index >= modes_.size()) return false;
  *out = modes_[index];
  return true;
}

long FakeDisplay::changeMode(const DisplayMode& mode, uint32_t fields, uint32_t flags) {
  ModeChange change{mode, fields, flags, 0};
  DisplayMode wanted = current_;
  if (fields & kDmPelsWidth) wanted.width = mode.width;
  if (fields & kDmPelsHeight) wanted.height = mode.height;
  if (fields & kDmBitsPerPel) wanted.bitsPerPixel = mode.bitsPerPixel;
  long result = kDispChangeBadMode;
  for (const DisplayMode& m : modes_)
    if (m.width == wanted.width && m.height == wanted.height && m.bitsPerPixel == wanted.bitsPerPixel)
      result = kDispChangeSuccessful;
  if (requireFull_ && (fields & (kDmPelsWidth | kDmPelsHeight)) != (kDmPelsWidth | kDmPelsHeight))
    result = kDispChangeBadMode;
  if (forced_) result = forcedResult_;
  change.result = result;
  changes_.push_back(change);
  if (result == kDispChangeSuccessful && !(flags & kCdsTest)) {
    bool changed = wanted.width != current_.width || wanted.height != current_.height ||
                   wanted.bitsPerPixel != current_.bitsPerPixel;
    current_.width = wanted.width;
    current_.height = wanted.height;
    current_.bitsPerPixel = wanted.bitsPerPixel;
    if (changed && onChanged_) onChanged_(current_);
  }
  return result;
}

}  // namespace vdx
