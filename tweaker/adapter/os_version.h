// Which Windows the tweaker runs on, as a code and a short version text.
#pragma once
#include <cstdint>
#include <string>

#include "tweaker/platform/system.h"

namespace vdx {

enum OsVersionCode : uint32_t {
  kOsUnknown = 0,
  kOsWin95 = 1,   // retail or OSR "A"
  kOsWin95B = 2,
  kOsWin95C = 3,
  kOsWin98 = 10,
  kOsWinMe = 20,  // any later 4.x of the 95 family
  kOsNt4 = 100,
  kOsNt5 = 110,
};

// Classifies a version record. `text` is written for the 95 family and the
// NT versions named, and left as it was otherwise.
OsVersionCode classifyOsRecord(const OsVersionRecord& record, std::string* text);

// classifyOsRecord of the running system.
OsVersionCode classifyOsVersion(SystemServices& system, std::string* text);

}  // namespace vdx
