// Gathers what the tray menu and the tooltip show from the program's
// records: the options as the registry holds them now, the chip, the
// preferences and the display modes.
#pragma once
#include <string>
#include <vector>

#include "tweaker/shell/menu_builder.h"
#include "tweaker/shell/program.h"
#include "tweaker/shell/tray_tooltip.h"

namespace vdx {

// Re-reads the driver options first. `schemes` is null when there is no
// scheme list.
TrayMenuInputs gatherTrayMenuInputs(Program& program, const std::vector<std::string>* schemes);

TooltipState gatherTooltipState(const Program& program);

}  // namespace vdx
