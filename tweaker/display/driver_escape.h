// The display driver's private escapes: the one core call, the start-up
// support check and one wrapper per driver operation with its exact record.
// Every wrapper returns true exactly when the driver answered 1.
#pragma once
#include <cstdint>
#include <initializer_list>

#include "tweaker/display/gamma_ramp.h"
#include "tweaker/platform/display.h"

namespace vdx {

constexpr int ESC_DRIVER_CALL = 0x3000;
constexpr int ESC_GAMMA_RAMP = 0x3002;
// GDI's QUERYESCSUPPORT (a macro in windows.h, hence the other name).
constexpr int kQueryEscSupport = 8;

enum class DriverFunction : uint32_t {
  DRV_GET_PANEL_SIZE = 0,
  DRV_GET_ACTIVE_DISPLAYS = 1,
  DRV_SET_ACTIVE_DISPLAYS = 2,
  DRV_GET_HORZ_EXPANSION = 3,
  DRV_SET_HORZ_EXPANSION = 4,
  DRV_GET_VERT_EXPANSION = 5,
  DRV_SET_VERT_EXPANSION = 6,
  DRV_GET_CONNECTED_DISPLAYS = 7,
  DRV_GET_FLICKER = 17,
  DRV_SET_FLICKER = 18,
  DRV_GET_TV_PORT = 21,
  DRV_SET_TV_PORT = 22,
  DRV_GET_TV_POSITION = 23,
  DRV_SET_TV_POSITION = 24,
  DRV_GET_BIOS_VERSION = 29,
  DRV_GET_TV_STANDARD = 34,
  DRV_SET_TV_STANDARD = 35,
  DRV_GET_VIDEO_MEMORY = 36,
  DRV_GET_DISPLAY_CAPS = 60,
  DRV_GET_TV_CONTRAST = 69,
  DRV_SET_TV_CONTRAST = 70,
  DRV_GET_TV_COLOUR = 72,
  DRV_SET_TV_COLOUR = 73,
  DRV_GET_TV_TINT = 75,
  DRV_SET_TV_TINT = 76,
  DRV_GET_TV_BRIGHTNESS = 78,
  DRV_SET_TV_BRIGHTNESS = 79,
  DRV_GET_TV_HORZ_SIZE = 88,
  DRV_SET_TV_HORZ_SIZE = 89,
  DRV_GET_TV_VERT_SIZE = 91,
  DRV_SET_TV_SIZE = 92,
  DRV_GET_TV_SIZE_RANGE = 94,
  DRV_GET_DEVICE_ID = 95,
  DRV_GET_TV_PICTURE_RANGES = 98,
  DRV_GET_FLICKER_RANGE = 99,
  DRV_GET_BIOS_DATE = 102,
};

enum class GammaFunction : uint32_t { GAMMA_GET_RAMP = 0, GAMMA_SET_RAMP = 1 };

// DisplayMask bits.
constexpr uint32_t DISPLAY_CRT = 0x01;
constexpr uint32_t DISPLAY_LCD = 0x02;
constexpr uint32_t DISPLAY_TV = 0x04;
constexpr uint32_t DISPLAY_DUOVIEW = 0x08;
constexpr uint32_t DISPLAY_FLAT_PANEL = 0x10;
// What the tweaker keeps of a reported mask when it writes one back.
constexpr uint32_t kDisplayMaskWritable = 0x3F;

// LCD expansion codes.
constexpr uint32_t kExpansionOff = 1;
constexpr uint32_t kExpansionOn = 2;

// The escapes as one channel to the driver of one display. The program
// holds one; whether the driver answers them is decided once, at start-up.
class DriverEscapes {
 public:
  explicit DriverEscapes(Display& display) : display_(&display) {}

  // Asks the driver whether escape 0x3000 exists; decides escapeSupported.
  bool QueryDriverEscapes();
  bool escapeSupported() const { return supported_; }

  // The core call. Zeroes the output first; answers 1 without calling the
  // driver while escapeSupported is clear, 0 when no device context opens.
  int32_t DriverEscape(int escape, uint32_t inSize, const void* in, uint32_t outSize, void* out);

  // Records the caller passes whole (zeroed here, filled on success).
  bool DRV_GET_PANEL_SIZE(uint16_t record[3]);    // width, height, unused
  bool DRV_GET_BIOS_VERSION(uint16_t record[9]);  // w0..w8
  bool DRV_GET_BIOS_DATE(uint16_t record[4]);     // d0..d3, d2 0x1A00 read as 0x2000

  // Get operations store through each non-null pointer, only on success.
  bool DRV_GET_ACTIVE_DISPLAYS(uint32_t* displays, uint32_t* unused = nullptr);
  bool DRV_GET_HORZ_EXPANSION(uint32_t* code);
  bool DRV_GET_VERT_EXPANSION(uint32_t* code);
  bool DRV_GET_CONNECTED_DISPLAYS(uint32_t* displays);
  bool DRV_GET_FLICKER(uint32_t* on, uint32_t* level);
  bool DRV_GET_TV_PORT(uint32_t* port);
  bool DRV_GET_TV_POSITION(uint32_t* horzRange, uint32_t* horzPos, uint32_t* vertRange, uint32_t* vertPos);
  bool DRV_GET_TV_STANDARD(uint32_t* standard);
  bool DRV_GET_VIDEO_MEMORY(uint32_t* bytes);
  bool DRV_GET_DISPLAY_CAPS(uint32_t* displays, uint32_t* tvStandards);
  bool DRV_GET_TV_CONTRAST(uint32_t* value);
  bool DRV_GET_TV_COLOUR(uint32_t* value);
  bool DRV_GET_TV_TINT(uint32_t* value);
  bool DRV_GET_TV_BRIGHTNESS(uint32_t* value);
  bool DRV_GET_TV_HORZ_SIZE(uint32_t* size);
  bool DRV_GET_TV_VERT_SIZE(uint32_t* size, uint32_t* lockRatio);
  bool DRV_GET_TV_SIZE_RANGE(uint32_t* horzRange, uint32_t* vertRange);
  bool DRV_GET_DEVICE_ID(uint32_t* deviceId, uint32_t* unused = nullptr);
  // Each count is stored minus 1 (the slider maximum).
  bool DRV_GET_TV_PICTURE_RANGES(uint32_t* brightnessMax, uint32_t* contrastMax, uint32_t* colourMax,
                                 uint32_t* tintMax);
  // The level count minus 1; the other two only when non-zero.
  bool DRV_GET_FLICKER_RANGE(uint32_t* levelMax, uint32_t* second, uint32_t* third);

  bool DRV_SET_ACTIVE_DISPLAYS(uint32_t displays);
  bool DRV_SET_HORZ_EXPANSION(uint32_t code);
  bool DRV_SET_VERT_EXPANSION(uint32_t code);
  bool DRV_SET_FLICKER(uint32_t on, uint32_t level);
  bool DRV_SET_TV_PORT(uint32_t port);
  bool DRV_SET_TV_POSITION(uint32_t horzRange, uint32_t horzPos, uint32_t vertRange, uint32_t vertPos);
  bool DRV_SET_TV_STANDARD(uint32_t standard);
  bool DRV_SET_TV_CONTRAST(uint32_t value);
  bool DRV_SET_TV_COLOUR(uint32_t value);
  bool DRV_SET_TV_TINT(uint32_t value);
  bool DRV_SET_TV_BRIGHTNESS(uint32_t value);
  bool DRV_SET_TV_HORZ_SIZE(uint32_t size);
  // A horizontal size of -1 leaves it out (12-byte record instead of 16).
  bool DRV_SET_TV_SIZE(uint32_t vertSize, uint32_t lockRatio, int32_t horzSize);

  bool GetGammaRamp(GammaRamp* ramp);
  bool SetGammaRamp(const GammaRamp& ramp, bool commit);

 private:
  bool call(DriverFunction f, std::initializer_list<uint32_t> params, uint8_t* out, uint32_t outSize);
  bool getOne(DriverFunction f, uint32_t* value);
  bool getTwo(DriverFunction f, uint32_t* first, uint32_t* second);
  bool setOne(DriverFunction f, uint32_t value);
  bool getWords(DriverFunction f, uint16_t* record, uint32_t words);

  Display* display_;
  bool supported_ = false;  // clear until QueryDriverEscapes says otherwise
};

}  // namespace vdx
