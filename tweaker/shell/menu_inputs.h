// Gathers what the tray menu shows from the process-wide records: the
// options as the registry holds them now, the chip, the preferences and the
// display modes.
#pragma once
#include <string>
#include <vector>

#include "tweaker/shell/menu_builder.h"

namespace vdx {

// Re-reads the driver options first. `schemes` is null when there is no
// scheme list.
TrayMenuInputs gatherTrayMenuInputs(const std::vector<std::string>* schemes);

// The tooltip from the same records.
struct TooltipState;
TooltipState gatherTooltipState();

}  // namespace vdx
