// Driver file versions: the FileVersion text of a file's version resource and
// the driver version the drivers put after its last '-'.
#pragma once
#include <cstdint>
#include <string>

#include "tweaker/adapter/adapter_identity.h"
#include "tweaker/platform/system.h"

namespace vdx {

struct DriverVersion {
  uint32_t major = 0;
  uint32_t minor = 0;
  uint32_t build = 0;
  PackedVersion packed() const { return packVersion(major, minor, build); }
};

// A name whose second character is ':' is a full path; anything else is a
// file in the system directory. False with empty text on any failure.
bool readFileVersion(SystemServices& system, const std::string& fileName, std::string* text);

// The version numbers of a FileVersion text such as "4.12.01.2068-8.20.15"
// (8, 20, 15): up to three decimal numbers after the last '-', each followed
// by one separator. Missing numbers are 0.
DriverVersion parseVersionText(const std::string& text);

// parseVersionText of the file's FileVersion; 0.0.0 without one.
DriverVersion parseDriverVersion(SystemServices& system, const std::string& fileName);

}  // namespace vdx
