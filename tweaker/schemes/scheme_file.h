// Where the scheme file is and which scheme names it holds.
#pragma once
#include <string>
#include <vector>

#include "tweaker/platform/profile.h"

namespace vdx {

constexpr char kSchemeSection[] = "Ferrolux";
constexpr std::size_t kSchemeListNameMax = 391;

// The "SchemeFile" preference when it is a full path with a drive ("X:\..."),
// otherwise "Vidarix.dat" in the system directory.
std::string resolveSchemeFilePath(const std::string& preference, const std::string& systemDirectory);

// The scheme names in file order, each cut to what the list keeps.
std::vector<std::string> schemeNames(ProfileFile& profile, const std::string& file);

}  // namespace vdx
