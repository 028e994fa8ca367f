// Scheme commands of the tray menu that need no scheme file: the defaults
// can always be applied.
#pragma once
#include "tweaker/shell/program.h"

namespace vdx {

// "(Default)": every option back to the driver's default, written, "Current"
// = "(Default)", and the display reset when the texture memory settings
// changed and "AutoResetDisplay" is on.
bool applyDefaultOptions(Program& program);

}  // namespace vdx
