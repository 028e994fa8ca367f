// Key of the dated entries in the "Vidarix Clk" section: local date, one
// blank, local time (24-hour).
#pragma once
#include <string>

#include "tweaker/platform/system.h"

namespace vdx {

std::string joinLogTimestamp(const std::string& date, const std::string& time);
std::string formatLogTimestamp(SystemServices& system);

}  // namespace vdx
