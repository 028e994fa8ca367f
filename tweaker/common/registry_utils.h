// Small registry helpers the whole tweaker uses: keys created on
// demand, switches stored as "On"/"off", strings, DWORDs, and the rule that
// a driver value equal to its default is deleted rather than written.
// Every read applies a fixed buffer limit, whatever the stored value holds.
#pragma once
#include <cstdint>
#include <string>

#include "tweaker/platform/registry.h"

namespace vdx {

// Buffers the drivers' own readers use: switch texts and general strings.
constexpr std::size_t kOnOffTextMax = 255;
constexpr std::size_t kStringValueMax = 259;

// The registry code for a key that could not be opened or created.
constexpr long kErrorCantOpen = 1011;

// Creates or opens every prefix of `path` in turn, then the whole path, and
// leaves that key open in `out`. Returns 0 or a registry error code.
long openCreateKeyPath(Registry& reg, RegRoot root, const std::string& path, RegKey* out);

// A REG_SZ value cut at its first NUL and at `maxChars`; false for another
// type or no value.
bool readRawString(const RegKey& key, const std::string& name, std::size_t maxChars, std::string* out);

// "On"/"1" -> 1, "off"/"0" -> 0 (any case); anything else -> `dflt`.
int32_t readOnOff(const RegKey& key, const std::string& name, int32_t dflt);
// True when a REG_SZ value was read; otherwise `out` = `dflt`.
bool readStringValue(const RegKey& key, const std::string& name, std::string* out,
                     const std::string& dflt);
uint32_t readDwordValue(const RegKey& key, const std::string& name, uint32_t dflt);

// Strings are stored with their terminating NUL.
bool writeStringValue(const RegKey& key, const std::string& name, const std::string& text);
bool writeOnOff(const RegKey& key, const std::string& name, bool on);
// Deletes the value when it equals the default, unless `writeDefaults`.
bool writeOnOffOrDelete(const RegKey& key, const std::string& name, int32_t value, int32_t dflt,
                        bool writeDefaults);
bool writeDwordOrDelete(const RegKey& key, const std::string& name, uint32_t value, uint32_t dflt,
                        bool writeDefaults);
// A missing value counts as deleted.
bool deleteValue(const RegKey& key, const std::string& name);

// Bring the value into [low, high]; true when it had to move.
bool clampInt(int32_t* value, int32_t low, int32_t high);
bool clampFloat(float* value, float low, float high);

}  // namespace vdx
