// The DirectX release a system file's version stands for.
#pragma once
#include <string>

#include "tweaker/platform/system.h"

namespace vdx {

struct DirectXVersion {
  std::string line;  // "%s  (DirectX %d.%d)", or "%s  (DirectX ]" without a '.'
  int major = 0;
  int minor = 0;
};

// From a FileVersion text such as "4.06.02.0436" (DirectX 6.1).
DirectXVersion directXVersionFromText(const std::string& fileVersion);

// The same for a file; an unreadable version counts as text without a '.'.
DirectXVersion FormatDirectXVersion(SystemServices& system, const std::string& path);

}  // namespace vdx
