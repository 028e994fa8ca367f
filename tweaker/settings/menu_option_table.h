// Which tray menu items depend on a chip capability and which option field
// each one shows as a check mark.
#pragma once
#include <cstdint>

#include "tweaker/settings/driver_options.h"

namespace vdx {

struct MenuOptionRow {
  uint32_t mask;                  // 0: always present; else removed without any of these bits
  int32_t DriverOptions::*field;  // checked when non-zero; null for dialog or value items
  uint16_t menuId;                // 0 ends the table
};

extern const MenuOptionRow menuOptionTable[];

}  // namespace vdx
