// Scheme commands of the tray menu until the scheme file code takes them
// over: the defaults can always be applied; named schemes need the scheme
// list, which does not exist yet.
#pragma once

namespace vdx {

// "(Default)": every option back to the driver's default, written, "Current"
// = "(Default)", and the display reset when the texture memory settings
// changed and "AutoResetDisplay" is on.
bool applyDefaultOptions();

}  // namespace vdx
