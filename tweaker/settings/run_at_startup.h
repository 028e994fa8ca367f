// The program's entry in the Windows "Run" key, which starts it with Windows.
#pragma once
#include <string>

#include "tweaker/platform/registry.h"

namespace vdx {

constexpr char kRunValueName[] = "Vidarix";

// With `write`, removes the entry and, when `enable`, names `programPath`
// in it; without, only reads. True when the entry names this program
// afterwards. A missing "Run" key gives false and changes nothing.
bool setRunAtStartup(Registry& reg, bool enable, bool write, const std::string& programPath);

}  // namespace vdx
