#include "tweaker/simulated/sim_driver.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>

#include "tweaker/display/driver_escape.h"
#include "tweaker/display/escape_record.h"

namespace vdx {

namespace {

constexpr int kRefused = 0;
constexpr int kDone = 1;

// One operation: its code, the input size it needs (code included), the size
// of its reply, and what it does. `p` are the 32-bit parameters after the code.
struct DriverRow {
  DriverFunction function;
  uint32_t inSize;
  uint32_t outSize;
  int (*run)(const SimCard& card, SimDriverState& s, const uint32_t* p, std::size_t paramCount, uint8_t* reply);
};

int reply32(uint8_t* reply, std::initializer_list<uint32_t> values) {
  uint32_t off = 0;
  for (uint32_t v : values) {
    putU32(reply + off, v);
    off += 4;
  }
  return kDone;
}

int setWithin(uint32_t* field, uint32_t value, uint32_t maximum) {
  if (value > maximum) return kRefused;
  *field = value;
  return kDone;
}

bool standardSupported(const SimCard& c, uint32_t code) { return code >= 1 && code <= 32 && (c.tvStandards >> (code - 1) & 1); }

const DriverRow kDriverTable[] = {
    {DriverFunction::DRV_GET_PANEL_SIZE, 4, 6,
     [](const SimCard& c, SimDriverState&, const uint32_t*, std::size_t, uint8_t* r) {
       if (!(c.supportedDisplays & DISPLAY_LCD)) return kRefused;
       putU16(r, c.panelWidth);
       putU16(r + 2, c.panelHeight);
       return kDone;
     }},
    {DriverFunction::DRV_GET_ACTIVE_DISPLAYS, 4, 8,
     [](const SimCard&, SimDriverState& s, const uint32_t*, std::size_t, uint8_t* r) {
       return reply32(r, {s.activeDisplays, 0});
     }},
    {DriverFunction::DRV_SET_ACTIVE_DISPLAYS, 12, 0,
     [](const SimCard& c, SimDriverState& s, const uint32_t* p, std::size_t, uint8_t*) {
       // At least one display, and only ones the card has.
       if (p[0] == 0 || (p[0] & ~c.supportedDisplays) || (p[0] & ~c.switchableDisplays)) return kRefused;
       s.activeDisplays = p[0];
       return kDone;
     }},
    {DriverFunction::DRV_GET_HORZ_EXPANSION, 4, 4,
     [](const SimCard&, SimDriverState& s, const uint32_t*, std::size_t, uint8_t* r) { return reply32(r, {s.horzExpansion}); }},
    {DriverFunction::DRV_SET_HORZ_EXPANSION, 8, 0,
     [](const SimCard&, SimDriverState& s, const uint32_t* p, std::size_t, uint8_t*) {
       if (p[0] != kExpansionOff && p[0] != kExpansionOn) return kRefused;
       s.horzExpansion = p[0];
       return kDone;
     }},
    {DriverFunction::DRV_GET_VERT_EXPANSION, 4, 4,
     [](const SimCard&, SimDriverState& s, const uint32_t*, std::size_t, uint8_t* r) { return reply32(r, {s.vertExpansion}); }},
    {DriverFunction::DRV_SET_VERT_EXPANSION, 8, 0,
     [](const SimCard&, SimDriverState& s, const uint32_t* p, std::size_t, uint8_t*) {
       if (p[0] != kExpansionOff && p[0] != kExpansionOn) return kRefused;
       s.vertExpansion = p[0];
       return kDone;
     }},
    {DriverFunction::DRV_GET_CONNECTED_DISPLAYS, 4, 4,
     [](const SimCard& c, SimDriverState&, const uint32_t*, std::size_t, uint8_t* r) { return reply32(r, {c.connectedDisplays}); }},
    {DriverFunction::DRV_GET_FLICKER, 4, 8,
     [](const SimCard&, SimDriverState& s, const uint32_t*, std::size_t, uint8_t* r) {
       return reply32(r, {s.flickerOn, s.flickerLevel});
     }},
    {DriverFunction::DRV_SET_FLICKER, 12, 0,
     [](const SimCard& c, SimDriverState& s, const uint32_t* p, std::size_t, uint8_t*) {
       if (p[0] > 1 || p[1] >= c.flickerLevels) return kRefused;
       s.flickerOn = p[0];
       s.flickerLevel = p[1];
       return kDone;
     }},
    {DriverFunction::DRV_GET_TV_PORT, 4, 4,
     [](const SimCard&, SimDriverState& s, const uint32_t*, std::size_t, uint8_t* r) { return reply32(r, {s.tvPort}); }},
    {DriverFunction::DRV_SET_TV_PORT, 8, 0,
     [](const SimCard&, SimDriverState& s, const uint32_t* p, std::size_t, uint8_t*) { return setWithin(&s.tvPort, p[0], 1); }},
    {DriverFunction::DRV_GET_TV_POSITION, 4, 16,
     [](const SimCard& c, SimDriverState& s, const uint32_t*, std::size_t, uint8_t* r) {
       return reply32(r, {c.tvHorzRange, s.tvHorzPos, c.tvVertRange, s.tvVertPos});
     }},
    {DriverFunction::DRV_SET_TV_POSITION, 20, 0,
     [](const SimCard& c, SimDriverState& s, const uint32_t* p, std::size_t, uint8_t*) {
       // Only the low 16 bits of a position count.
       const uint32_t h = p[1] & 0xFFFF, v = p[3] & 0xFFFF;
       if (h > c.tvHorzRange || v > c.tvVertRange) return kRefused;
       s.tvHorzPos = h;
       s.tvVertPos = v;
       return kDone;
     }},
    {DriverFunction::DRV_GET_BIOS_VERSION, 4, 18,
     [](const SimCard& c, SimDriverState&, const uint32_t*, std::size_t, uint8_t* r) {
       for (int i = 0; i < 9; ++i) putU16(r + 2 * i, c.biosVersion[i]);
       return kDone;
     }},
    {DriverFunction::DRV_GET_TV_STANDARD, 4, 4,
     [](const SimCard&, SimDriverState& s, const uint32_t*, std::size_t, uint8_t* r) { return reply32(r, {s.tvStandard}); }},
    {DriverFunction::DRV_SET_TV_STANDARD, 8, 0,
     [](const SimCard& c, SimDriverState& s, const uint32_t* p, std::size_t, uint8_t*) {
       if (!standardSupported(c, p[0])) return kRefused;
       s.tvStandard = p[0];
       return kDone;
     }},
    {DriverFunction::DRV_GET_VIDEO_MEMORY, 4, 4,
     [](const SimCard& c, SimDriverState&, const uint32_t*, std::size_t, uint8_t* r) { return reply32(r, {c.memoryBytes}); }},
    {DriverFunction::DRV_GET_DISPLAY_CAPS, 4, 8,
     [](const SimCard& c, SimDriverState&, const uint32_t*, std::size_t, uint8_t* r) {
       return reply32(r, {c.supportedDisplays, c.tvStandards});
     }},
    {DriverFunction::DRV_GET_TV_CONTRAST, 4, 4,
     [](const SimCard&, SimDriverState& s, const uint32_t*, std::size_t, uint8_t* r) { return reply32(r, {s.tvContrast}); }},
    {DriverFunction::DRV_SET_TV_CONTRAST, 8, 0,
     [](const SimCard& c, SimDriverState& s, const uint32_t* p, std::size_t, uint8_t*) {
       return setWithin(&s.tvContrast, p[0], c.pictureSteps - 1);
     }},
    {DriverFunction::DRV_GET_TV_COLOUR, 4, 4,
     [](const SimCard&, SimDriverState& s, const uint32_t*, std::size_t, uint8_t* r) { return reply32(r, {s.tvColour}); }},
    {DriverFunction::DRV_SET_TV_COLOUR, 8, 0,
     [](const SimCard& c, SimDriverState& s, const uint32_t* p, std::size_t, uint8_t*) {
       return setWithin(&s.tvColour, p[0], c.pictureSteps - 1);
     }},
    {DriverFunction::DRV_GET_TV_TINT, 4, 4,
     [](const SimCard&, SimDriverState& s, const uint32_t*, std::size_t, uint8_t* r) { return reply32(r, {s.tvTint}); }},
    {DriverFunction::DRV_SET_TV_TINT, 8, 0,
     [](const SimCard& c, SimDriverState& s, const uint32_t* p, std::size_t, uint8_t*) {
       return setWithin(&s.tvTint, p[0], c.pictureSteps - 1);
     }},
    {DriverFunction::DRV_GET_TV_BRIGHTNESS, 4, 4,
     [](const SimCard&, SimDriverState& s, const uint32_t*, std::size_t, uint8_t* r) { return reply32(r, {s.tvBrightness}); }},
    {DriverFunction::DRV_SET_TV_BRIGHTNESS, 8, 0,
     [](const SimCard& c, SimDriverState& s, const uint32_t* p, std::size_t, uint8_t*) {
       return setWithin(&s.tvBrightness, p[0], c.pictureSteps - 1);
     }},
    {DriverFunction::DRV_GET_TV_HORZ_SIZE, 4, 4,
     [](const SimCard&, SimDriverState& s, const uint32_t*, std::size_t, uint8_t* r) { return reply32(r, {s.tvHorzSize}); }},
    {DriverFunction::DRV_SET_TV_HORZ_SIZE, 8, 0,
     [](const SimCard& c, SimDriverState& s, const uint32_t* p, std::size_t, uint8_t*) {
       return setWithin(&s.tvHorzSize, p[0], c.tvHorzSizeRange);
     }},
    {DriverFunction::DRV_GET_TV_VERT_SIZE, 4, 8,
     [](const SimCard&, SimDriverState& s, const uint32_t*, std::size_t, uint8_t* r) {
       return reply32(r, {s.tvVertSize, s.tvLockRatio});
     }},
    {DriverFunction::DRV_SET_TV_SIZE, 12, 8,
     [](const SimCard& c, SimDriverState& s, const uint32_t* p, std::size_t n, uint8_t* r) {
       if (p[0] > c.tvVertSizeRange || p[1] > 1 || (n >= 3 && p[2] > c.tvHorzSizeRange)) return kRefused;
       s.tvVertSize = p[0];
       s.tvLockRatio = p[1];
       // With the ratio locked and no horizontal size given, it follows the vertical one.
       if (n >= 3)
         s.tvHorzSize = p[2];
       else if (s.tvLockRatio && c.tvVertSizeRange)
         s.tvHorzSize = p[0] * c.tvHorzSizeRange / c.tvVertSizeRange;
       return reply32(r, {s.tvHorzSize, s.tvVertSize});
     }},
    {DriverFunction::DRV_GET_TV_SIZE_RANGE, 4, 8,
     [](const SimCard& c, SimDriverState&, const uint32_t*, std::size_t, uint8_t* r) {
       return reply32(r, {c.tvHorzSizeRange, c.tvVertSizeRange});
     }},
    {DriverFunction::DRV_GET_DEVICE_ID, 4, 8,
     [](const SimCard& c, SimDriverState&, const uint32_t*, std::size_t, uint8_t* r) { return reply32(r, {c.deviceId, 0}); }},
    {DriverFunction::DRV_GET_TV_PICTURE_RANGES, 4, 16,
     [](const SimCard& c, SimDriverState&, const uint32_t*, std::size_t, uint8_t* r) {
       return reply32(r, {c.pictureSteps, c.pictureSteps, c.pictureSteps, c.pictureSteps});
     }},
    {DriverFunction::DRV_GET_FLICKER_RANGE, 4, 12,
     [](const SimCard& c, SimDriverState&, const uint32_t*, std::size_t, uint8_t* r) {
       return reply32(r, {c.flickerLevels, 0, 0});
     }},
    {DriverFunction::DRV_GET_BIOS_DATE, 4, 8,
     [](const SimCard& c, SimDriverState&, const uint32_t*, std::size_t, uint8_t* r) {
       for (int i = 0; i < 4; ++i) putU16(r + 2 * i, c.biosDate[i]);
       return kDone;
     }},
};

// Operations whose record may carry one further parameter.
bool acceptsLonger(DriverFunction f) { return f == DriverFunction::DRV_SET_TV_SIZE; }

// The kept scalar values, in the order of the saved text.
uint32_t SimDriverState::*const kKeptFields[] = {
    &SimDriverState::activeDisplays, &SimDriverState::horzExpansion, &SimDriverState::vertExpansion,
    &SimDriverState::flickerOn,      &SimDriverState::flickerLevel,  &SimDriverState::tvPort,
    &SimDriverState::tvHorzPos,      &SimDriverState::tvVertPos,     &SimDriverState::tvStandard,
    &SimDriverState::tvContrast,     &SimDriverState::tvColour,      &SimDriverState::tvTint,
    &SimDriverState::tvBrightness,   &SimDriverState::tvHorzSize,    &SimDriverState::tvVertSize,
    &SimDriverState::tvLockRatio,    &SimDriverState::gammaCommits,
};
constexpr std::size_t kKeptCount = sizeof kKeptFields / sizeof kKeptFields[0];

void appendWord(std::string& out, uint32_t v) {
  static const char kHex[] = "0123456789ABCDEF";
  for (int shift = 28; shift >= 0; shift -= 4) out += kHex[(v >> shift) & 15];
}

bool parseWord(const std::string& text, std::size_t at, uint32_t* v) {
  if (at + 8 > text.size()) return false;
  uint32_t r = 0;
  for (std::size_t i = at; i < at + 8; ++i) {
    const char c = text[i];
    int d = c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
    if (d < 0) return false;
    r = r << 4 | static_cast<uint32_t>(d);
  }
  *v = r;
  return true;
}

std::string cardTag(const SimCard& c) {
  std::string tag;
  appendWord(tag, static_cast<uint32_t>(c.deviceId) << 16 | c.subsystemId);
  return tag + ":";
}

constexpr std::size_t kMaxParams = 4;
constexpr std::size_t kMaxReply = 18;

}  // namespace

SimulatedDriver::SimulatedDriver(const SimCard& card) : card_(card) {
  state_.activeDisplays = card.activeDisplays;
  state_.tvStandard = card.tvStandard;
  state_.tvHorzPos = card.tvHorzRange / 2;
  state_.tvVertPos = card.tvVertRange / 2;
  state_.tvHorzSize = card.tvHorzSizeRange / 2;
  state_.tvVertSize = card.tvVertSizeRange / 2;
  state_.tvContrast = state_.tvColour = state_.tvTint = state_.tvBrightness = card.pictureSteps / 2;
  state_.flickerLevel = card.flickerLevels / 2;
  for (uint32_t i = 0; i < 256; ++i) state_.gamma[i] = i << 16 | i << 8 | i;
}

std::string SimulatedDriver::saveState() const {
  std::string out = cardTag(card_);
  for (uint32_t SimDriverState::*f : kKeptFields) appendWord(out, state_.*f);
  for (uint32_t g : state_.gamma) appendWord(out, g);
  return out;
}

bool SimulatedDriver::loadState(const std::string& text) {
  const std::string tag = cardTag(card_);
  if (text.size() != tag.size() + 8 * (kKeptCount + 256) || text.compare(0, tag.size(), tag) != 0) return false;
  SimDriverState loaded;
  std::size_t at = tag.size();
  for (uint32_t SimDriverState::*f : kKeptFields) {
    if (!parseWord(text, at, &(loaded.*f))) return false;
    at += 8;
  }
  for (uint32_t& g : loaded.gamma) {
    if (!parseWord(text, at, &g)) return false;
    at += 8;
  }
  state_ = loaded;
  return true;
}

int SimulatedDriver::escape(int code, const void* in, std::size_t inSize, void* out, std::size_t outSize) {
  const int result = dispatch(code, in, inSize, out, outSize);
  if (onCall_) onCall_();
  return result;
}

int SimulatedDriver::dispatch(int code, const void* in, std::size_t inSize, void* out, std::size_t outSize) {
  const uint8_t* input = static_cast<const uint8_t*>(in);
  uint8_t* output = static_cast<uint8_t*>(out);
  if (!input) inSize = 0;
  if (!output) outSize = 0;
  switch (code) {
    case kQueryEscSupport:
      if (inSize < 4) return 0;
      return getU32(input) == ESC_DRIVER_CALL || getU32(input) == ESC_GAMMA_RAMP ? 1 : 0;
    case ESC_DRIVER_CALL: return driverCall(input, inSize, output, outSize);
    case ESC_GAMMA_RAMP: return gammaCall(input, inSize, output, outSize);
    default: return 0;
  }
}

int SimulatedDriver::driverCall(const uint8_t* in, std::size_t inSize, uint8_t* out, std::size_t outSize) {
  if (inSize < 4) return -1;
  const uint32_t function = getU32(in);
  for (const DriverRow& row : kDriverTable) {
    if (static_cast<uint32_t>(row.function) != function) continue;
    const std::size_t longest = acceptsLonger(row.function) ? row.inSize + 4 : row.inSize;
    if (inSize < row.inSize || inSize > longest) return -1;
    uint32_t params[kMaxParams] = {};
    const std::size_t count = std::min<std::size_t>((inSize - 4) / 4, kMaxParams);
    for (std::size_t i = 0; i < count; ++i) params[i] = getU32(in + 4 + 4 * i);
    uint8_t reply[kMaxReply] = {};
    const int result = row.run(card_, state_, params, count, reply);
    // A short output buffer gets what fits, never more.
    if (result == kDone && out) std::memcpy(out, reply, std::min<std::size_t>(outSize, row.outSize));
    return result;
  }
  return 0;  // no such function
}

int SimulatedDriver::gammaCall(const uint8_t* in, std::size_t inSize, uint8_t* out, std::size_t outSize) {
  if (inSize < 4) return -1;
  switch (static_cast<GammaFunction>(getU32(in))) {
    case GammaFunction::GAMMA_GET_RAMP:
      for (std::size_t i = 0; i < 256 && 4 * i + 4 <= outSize; ++i) putU32(out + 4 * i, state_.gamma[i]);
      return 1;
    case GammaFunction::GAMMA_SET_RAMP:
      if (inSize < 8 + 256 * 4) return -1;
      for (std::size_t i = 0; i < 256; ++i) state_.gamma[i] = getU32(in + 8 + 4 * i) & 0x00FFFFFF;
      if (getU32(in + 4) == 1) ++state_.gammaCommits;
      return 1;
    default: return 0;
  }
}

}  // namespace vdx
