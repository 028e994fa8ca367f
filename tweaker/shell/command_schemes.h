// Applying and saving schemes on the program's records.
#pragma once
#include <string>

#include "tweaker/schemes/scheme_line.h"
#include "tweaker/shell/program.h"

namespace vdx {

// Every option back to its default, then, unless `name` is null, the
// scheme's line and clocks on top ("Same" keeps the AGP size in force).
// Writes the options, sets "Current" to the name (or "(Default)") and resets
// the display when AGPSize, AA or VO changed and "AutoResetDisplay" is on.
bool applySchemeByName(Program& program, const std::string* name);

// "(Default)".
bool applyDefaultOptions(Program& program);

// Writes the scheme line made from the current settings under the request's
// name and sets "Current" to it. The caller rebuilds the lists.
bool saveSchemeLine(Program& program, const SchemeSaveRequest& request);

}  // namespace vdx
