// The driver switches as the drivers store them: value name, key, encoding,
// clamp and the capability without which a value is not written. The reader
// and the writer walk these rows in their own fixed orders.
#pragma once
#include <cstdint>

#include "tweaker/settings/driver_options.h"

namespace vdx {

enum class OptionKey : uint8_t { Driver, MiniGL };

enum class OptionEncoding : uint8_t {
  OnOff,        // "On" / "off"
  TriState,     // "Auto" / "Off" / "On"
  TextureSize,  // "Auto" / "16" / "32"
  Number,       // decimal text, clamped to [low, high]
  Decimal,      // "%.1f", clamped to [low, high]
  AgpRate,      // "%dX"; only 1, 2 or 4
  CommandDma,   // "%dA" on AGP, "%dP" on PCI; deleted at its default whatever the preference
  Dword,        // REG_DWORD 0 or 1
  SwitchKeepingValue,  // On/off whose default is the field's present value
};

enum class WriteRule : uint8_t {
  Always,
  WithCapability,  // only when the chip has `capability`
  OpenGl,          // only with the OpenGL driver options offered, and `capability` if set
  TexPatch,        // deleted while TexPatch is withdrawn
  NotByWriter,     // written by the preference save or the MiniGL dialog
};

struct OptionRow {
  const char* valueName;  // "VO" stands for the chip's VidTex-only value name
  OptionKey key;
  OptionEncoding encoding;
  int32_t DriverOptions::*field;    // null for DB
  float DriverOptions::*floatField;  // DB only
  int32_t low, high;                 // Number clamp; low < 0 means "the TM floor"
  WriteRule writeRule;
  uint32_t capability;
};

constexpr int32_t kLowIsTmFloor = -1;

// The row of a value name (its canonical name, "VO" for VidTex only); null if none.
const OptionRow* findOptionRow(const char* valueName);

// Value names in the order the reader and the writer handle them.
extern const char* const kDriverReadOrder[];
extern const int kDriverReadOrderCount;
extern const char* const kDriverWriteOrder[];
extern const int kDriverWriteOrderCount;
extern const char* const kMiniGLOrder[];
extern const int kMiniGLOrderCount;

}  // namespace vdx
