// The option commands of the tray menu: what each row of the option command
// table does when its item is chosen.
#pragma once
#include <cstdint>

#include "tweaker/shell/command_handler.h"
#include "tweaker/shell/program.h"

namespace vdx {

// Runs the option command `id`; false when `id` is not one.
bool runOptionCommand(Program& program, uint16_t id, CommandHost& host);

}  // namespace vdx
