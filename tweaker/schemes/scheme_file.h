// Where the scheme file is and which scheme names it holds.
#pragma once
#include <string>
#include <vector>

#include "tweaker/platform/profile.h"

namespace vdx {

constexpr char kSchemeSection[] = "Ferrolux";
constexpr std::size_t kSchemeListNameMax = 391;
// Every name the program shows, applies or copies is cut here, the same way
// everywhere, so a long key from an edited file still matches itself.
constexpr std::size_t kSchemeNameChars = 127;

// The "SchemeFile" preference when it is a full path with a drive ("X:\..."),
// otherwise "Vidarix.dat" in the system directory.
std::string resolveSchemeFilePath(const std::string& preference, const std::string& systemDirectory);

// The scheme names in file order, each cut to kSchemeNameChars.
std::vector<std::string> schemeNames(ProfileFile& profile, const std::string& file);

// The key in the file that a (possibly cut) name stands for: the name itself
// when the file has it, else the first key whose cut form equals it, else
// the name (a missing key then reads as an empty line).
std::string schemeKeyFor(ProfileFile& profile, const std::string& file, const std::string& name);

// The scheme's line, at most 2047 characters; empty when there is none.
std::string readSchemeLine(ProfileFile& profile, const std::string& file, const std::string& name);

}  // namespace vdx
