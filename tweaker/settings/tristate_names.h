// Texts of the three-way OpenGL driver switches.
#pragma once
#include <cstdint>

namespace vdx {

struct TristateName {
  int32_t value;
  char text[16];
};

// {0 "Auto", -1 "Off", 1 "On"} and, for the texture size, {0 "Auto", -1 "16", 1 "32"}.
struct TristateTable {
  const TristateName* rows;
  int count;
};
extern const TristateTable tristateNames[2];
constexpr int kTristateSwitch = 0;
constexpr int kTristateTextureSize = 1;

// The row's text; a value not in the table gives the first row's text.
const char* tristateText(const TristateTable& table, int32_t value);
// The value of a text (any case), or false when the text is not in the table.
bool tristateValue(const TristateTable& table, const char* text, int32_t* value);

}  // namespace vdx
