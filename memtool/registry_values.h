// Typed reads and writes of single registry values. A read fails (false)
// when the value is missing or has the wrong type or size; a write failure
// throws "Failed to set data for '<name>'".
#pragma once
#include <cstdint>
#include <string>

#include "memtool/platform/registry.h"

namespace mt {

// REG_DWORD of exactly 4 bytes; the low 16 bits are kept.
bool readWord(Registry& reg, RegKeyHandle key, const std::string& name, uint16_t* out);
// REG_BINARY of exactly 8 bytes holding an IEEE double.
bool readDouble(Registry& reg, RegKeyHandle key, const std::string& name, double* out);
// REG_SZ or REG_EXPAND_SZ; the text ends at the first NUL or at the end of
// the data when the terminator is missing.
bool readText(Registry& reg, RegKeyHandle key, const std::string& name, std::string* out);
// True when the value exists and is text.
bool isTextValue(Registry& reg, RegKeyHandle key, const std::string& name);

void writeDword(Registry& reg, RegKeyHandle key, const std::string& name, uint32_t value);
void writeDouble(Registry& reg, RegKeyHandle key, const std::string& name, double value);
void writeText(Registry& reg, RegKeyHandle key, const std::string& name, const std::string& value);

}  // namespace mt
