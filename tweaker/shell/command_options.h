// The option commands of the tray menu, as a table of (id range, action,
// field) rows.
#pragma once
#include <cstdint>

#include "tweaker/shell/command_handler.h"

namespace vdx {

// Runs the option command `id`; false when `id` is not one.
bool runOptionCommand(uint16_t id, CommandHost& host);

}  // namespace vdx
