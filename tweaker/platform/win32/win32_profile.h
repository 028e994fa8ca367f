// Private-profile files on the kernel's GetPrivateProfile*/WritePrivateProfile* calls.
#pragma once
#include "tweaker/platform/profile.h"

namespace vdx {

class Win32Profile : public ProfileFile {
 public:
  std::string readString(const std::string& file, const std::string& section, const std::string& key,
                         const std::string& dflt, std::size_t maxChars) override;
  bool writeString(const std::string& file, const std::string& section, const std::string& key,
                   const std::string& value) override;
  bool deleteKey(const std::string& file, const std::string& section, const std::string& key) override;
  bool deleteSection(const std::string& file, const std::string& section) override;
  std::vector<std::string> keys(const std::string& file, const std::string& section) override;
  std::vector<std::string> sections(const std::string& file) override;
};

}  // namespace vdx
