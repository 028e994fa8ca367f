#include "tweaker/display/driver_escape.h"

#include <cstring>
#include <initializer_list>

#include "tweaker/display/escape_record.h"

namespace vdx {

namespace {

constexpr uint16_t kBiosDateBadYear = 0x1A00;
constexpr uint16_t kBiosDateFixedYear = 0x2000;

uint32_t code(DriverFunction f) { return static_cast<uint32_t>(f); }

}  // namespace

// Sends the sub-function code and `count` parameters; receives outSize bytes.
bool DriverEscapes::call(DriverFunction f, std::initializer_list<uint32_t> params, uint8_t* out, uint32_t outSize) {
  uint8_t in[4 + 4 * 4];
  putU32(in, code(f));
  uint32_t size = 4;
  for (uint32_t p : params) {
    putU32(in + size, p);
    size += 4;
  }
  return DriverEscape(ESC_DRIVER_CALL, size, in, outSize, out) == 1;
}

bool DriverEscapes::getOne(DriverFunction f, uint32_t* value) {
  uint8_t out[4];
  if (!call(f, {}, out, sizeof out)) return false;
  if (value) *value = getU32(out);
  return true;
}

bool DriverEscapes::getTwo(DriverFunction f, uint32_t* first, uint32_t* second) {
  uint8_t out[8];
  if (!call(f, {}, out, sizeof out)) return false;
  if (first) *first = getU32(out);
  if (second) *second = getU32(out + 4);
  return true;
}

bool DriverEscapes::setOne(DriverFunction f, uint32_t value) { return call(f, {value}, nullptr, 0); }

// The caller's 16-bit record: zeroed, filled from the reply on success.
bool DriverEscapes::getWords(DriverFunction f, uint16_t* record, uint32_t words) {
  uint8_t out[18];
  const bool ok = call(f, {}, out, words * 2);
  for (uint32_t i = 0; i < words; ++i) record[i] = ok ? getU16(out + 2 * i) : 0;
  return ok;
}

bool DriverEscapes::QueryDriverEscapes() {
  uint8_t in[4];
  putU32(in, ESC_DRIVER_CALL);
  const int result = display_->escape(kQueryEscSupport, in, sizeof in, nullptr, 0);
  supported_ = result > 0;
  return supported_;
}

int32_t DriverEscapes::DriverEscape(int escape, uint32_t inSize, const void* in, uint32_t outSize, void* out) {
  if (out && outSize) std::memset(out, 0, outSize);
  if (!supported_) return 1;
  return display_->escape(escape, in, inSize, out, out ? outSize : 0);
}

bool DriverEscapes::DRV_GET_PANEL_SIZE(uint16_t record[3]) {
  return getWords(DriverFunction::DRV_GET_PANEL_SIZE, record, 3);
}
bool DriverEscapes::DRV_GET_BIOS_VERSION(uint16_t record[9]) {
  return getWords(DriverFunction::DRV_GET_BIOS_VERSION, record, 9);
}

bool DriverEscapes::DRV_GET_BIOS_DATE(uint16_t record[4]) {
  const bool ok = getWords(DriverFunction::DRV_GET_BIOS_DATE, record, 4);
  if (record[2] == kBiosDateBadYear) record[2] = kBiosDateFixedYear;
  return ok;
}

bool DriverEscapes::DRV_GET_ACTIVE_DISPLAYS(uint32_t* displays, uint32_t* unused) {
  return getTwo(DriverFunction::DRV_GET_ACTIVE_DISPLAYS, displays, unused);
}
bool DriverEscapes::DRV_GET_HORZ_EXPANSION(uint32_t* v) { return getOne(DriverFunction::DRV_GET_HORZ_EXPANSION, v); }
bool DriverEscapes::DRV_GET_VERT_EXPANSION(uint32_t* v) { return getOne(DriverFunction::DRV_GET_VERT_EXPANSION, v); }
bool DriverEscapes::DRV_GET_CONNECTED_DISPLAYS(uint32_t* v) {
  return getOne(DriverFunction::DRV_GET_CONNECTED_DISPLAYS, v);
}
bool DriverEscapes::DRV_GET_FLICKER(uint32_t* on, uint32_t* level) {
  return getTwo(DriverFunction::DRV_GET_FLICKER, on, level);
}
bool DriverEscapes::DRV_GET_TV_PORT(uint32_t* v) { return getOne(DriverFunction::DRV_GET_TV_PORT, v); }

bool DriverEscapes::DRV_GET_TV_POSITION(uint32_t* horzRange, uint32_t* horzPos, uint32_t* vertRange,
                                        uint32_t* vertPos) {
  uint8_t out[16];
  if (!call(DriverFunction::DRV_GET_TV_POSITION, {}, out, sizeof out)) return false;
  uint32_t* dest[4] = {horzRange, horzPos, vertRange, vertPos};
  for (int i = 0; i < 4; ++i)
    if (dest[i]) *dest[i] = getU32(out + 4 * i);
  return true;
}

bool DriverEscapes::DRV_GET_TV_STANDARD(uint32_t* v) { return getOne(DriverFunction::DRV_GET_TV_STANDARD, v); }
bool DriverEscapes::DRV_GET_VIDEO_MEMORY(uint32_t* v) { return getOne(DriverFunction::DRV_GET_VIDEO_MEMORY, v); }
bool DriverEscapes::DRV_GET_DISPLAY_CAPS(uint32_t* displays, uint32_t* tvStandards) {
  return getTwo(DriverFunction::DRV_GET_DISPLAY_CAPS, displays, tvStandards);
}
bool DriverEscapes::DRV_GET_TV_CONTRAST(uint32_t* v) { return getOne(DriverFunction::DRV_GET_TV_CONTRAST, v); }
bool DriverEscapes::DRV_GET_TV_COLOUR(uint32_t* v) { return getOne(DriverFunction::DRV_GET_TV_COLOUR, v); }
bool DriverEscapes::DRV_GET_TV_TINT(uint32_t* v) { return getOne(DriverFunction::DRV_GET_TV_TINT, v); }
bool DriverEscapes::DRV_GET_TV_BRIGHTNESS(uint32_t* v) { return getOne(DriverFunction::DRV_GET_TV_BRIGHTNESS, v); }
bool DriverEscapes::DRV_GET_TV_HORZ_SIZE(uint32_t* v) { return getOne(DriverFunction::DRV_GET_TV_HORZ_SIZE, v); }
bool DriverEscapes::DRV_GET_TV_VERT_SIZE(uint32_t* size, uint32_t* lockRatio) {
  return getTwo(DriverFunction::DRV_GET_TV_VERT_SIZE, size, lockRatio);
}
bool DriverEscapes::DRV_GET_TV_SIZE_RANGE(uint32_t* h, uint32_t* v) {
  return getTwo(DriverFunction::DRV_GET_TV_SIZE_RANGE, h, v);
}
bool DriverEscapes::DRV_GET_DEVICE_ID(uint32_t* deviceId, uint32_t* unused) {
  return getTwo(DriverFunction::DRV_GET_DEVICE_ID, deviceId, unused);
}

bool DriverEscapes::DRV_GET_TV_PICTURE_RANGES(uint32_t* brightnessMax, uint32_t* contrastMax, uint32_t* colourMax,
                               uint32_t* tintMax) {
  uint8_t out[16];
  if (!call(DriverFunction::DRV_GET_TV_PICTURE_RANGES, {}, out, sizeof out)) return false;
  uint32_t* dest[4] = {brightnessMax, contrastMax, colourMax, tintMax};
  for (int i = 0; i < 4; ++i)
    if (dest[i]) *dest[i] = getU32(out + 4 * i) - 1;
  return true;
}

bool DriverEscapes::DRV_GET_FLICKER_RANGE(uint32_t* levelMax, uint32_t* second, uint32_t* third) {
  uint8_t out[12];
  if (!call(DriverFunction::DRV_GET_FLICKER_RANGE, {}, out, sizeof out)) return false;
  if (levelMax) *levelMax = getU32(out) - 1;
  if (second && getU32(out + 4) != 0) *second = getU32(out + 4);
  if (third && getU32(out + 8) != 0) *third = getU32(out + 8);
  return true;
}

bool DriverEscapes::DRV_SET_ACTIVE_DISPLAYS(uint32_t displays) {
  return call(DriverFunction::DRV_SET_ACTIVE_DISPLAYS, {displays, 0}, nullptr, 0);
}
bool DriverEscapes::DRV_SET_HORZ_EXPANSION(uint32_t c) { return setOne(DriverFunction::DRV_SET_HORZ_EXPANSION, c); }
bool DriverEscapes::DRV_SET_VERT_EXPANSION(uint32_t c) { return setOne(DriverFunction::DRV_SET_VERT_EXPANSION, c); }
bool DriverEscapes::DRV_SET_FLICKER(uint32_t on, uint32_t level) {
  return call(DriverFunction::DRV_SET_FLICKER, {on, level}, nullptr, 0);
}
bool DriverEscapes::DRV_SET_TV_PORT(uint32_t p) { return setOne(DriverFunction::DRV_SET_TV_PORT, p); }
bool DriverEscapes::DRV_SET_TV_POSITION(uint32_t horzRange, uint32_t horzPos, uint32_t vertRange, uint32_t vertPos) {
  return call(DriverFunction::DRV_SET_TV_POSITION, {horzRange, horzPos, vertRange, vertPos}, nullptr, 0);
}
bool DriverEscapes::DRV_SET_TV_STANDARD(uint32_t s) { return setOne(DriverFunction::DRV_SET_TV_STANDARD, s); }
bool DriverEscapes::DRV_SET_TV_CONTRAST(uint32_t v) { return setOne(DriverFunction::DRV_SET_TV_CONTRAST, v); }
bool DriverEscapes::DRV_SET_TV_COLOUR(uint32_t v) { return setOne(DriverFunction::DRV_SET_TV_COLOUR, v); }
bool DriverEscapes::DRV_SET_TV_TINT(uint32_t v) { return setOne(DriverFunction::DRV_SET_TV_TINT, v); }
bool DriverEscapes::DRV_SET_TV_BRIGHTNESS(uint32_t v) { return setOne(DriverFunction::DRV_SET_TV_BRIGHTNESS, v); }
bool DriverEscapes::DRV_SET_TV_HORZ_SIZE(uint32_t s) { return setOne(DriverFunction::DRV_SET_TV_HORZ_SIZE, s); }

bool DriverEscapes::DRV_SET_TV_SIZE(uint32_t vertSize, uint32_t lockRatio, int32_t horzSize) {
  // The driver answers an 8-byte record nobody reads.
  uint8_t out[8];
  if (horzSize == -1) return call(DriverFunction::DRV_SET_TV_SIZE, {vertSize, lockRatio}, out, sizeof out);
  return call(DriverFunction::DRV_SET_TV_SIZE, {vertSize, lockRatio, static_cast<uint32_t>(horzSize)}, out,
              sizeof out);
}

bool DriverEscapes::GetGammaRamp(GammaRamp* ramp) {
  uint8_t in[4];
  putU32(in, static_cast<uint32_t>(GammaFunction::GAMMA_GET_RAMP));
  uint8_t out[kGammaWireWords * 4];
  if (DriverEscape(ESC_GAMMA_RAMP, sizeof in, in, sizeof out, out) != 1) return false;
  uint32_t words[kGammaWireWords];
  for (uint32_t i = 0; i < kGammaWireWords; ++i) words[i] = getU32(out + 4 * i);
  if (ramp) unpackGammaRamp(words, ramp);
  return true;
}

bool DriverEscapes::SetGammaRamp(const GammaRamp& ramp, bool commit) {
  uint32_t words[kGammaWireWords];
  packGammaRamp(ramp, words);
  uint8_t in[8 + kGammaWireWords * 4];
  putU32(in, static_cast<uint32_t>(GammaFunction::GAMMA_SET_RAMP));
  putU32(in + 4, commit ? 1 : 0);
  for (uint32_t i = 0; i < kGammaWireWords; ++i) putU32(in + 8 + 4 * i, words[i]);
  return DriverEscape(ESC_GAMMA_RAMP, sizeof in, in, 0, nullptr) == 1;
}

}  // namespace vdx
