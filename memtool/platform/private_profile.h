// Private-profile (INI) files: the disk cache entries of SYSTEM.INI.
#pragma once
#include <string>
#include <vector>

namespace mt {

class PrivateProfile {
 public:
  virtual ~PrivateProfile() = default;
  // The whole value of the key, or dflt when the key (or the file) is absent.
  virtual std::string readString(const std::string& file, const std::string& section, const std::string& key,
                                 const std::string& dflt) = 0;
  // False when the file could not be written.
  virtual bool writeString(const std::string& file, const std::string& section, const std::string& key,
                           const std::string& value) = 0;
  // Removing a key that is not there succeeds; false only when an existing
  // key could not be removed.
  virtual bool deleteKey(const std::string& file, const std::string& section, const std::string& key) = 0;
  // The lines of the section as the profile functions list them: "key=value"
  // lines (blanks around "=" may be dropped), lines without "=", comments and
  // blank lines perhaps left out. An absent section or file has no lines.
  // False when the section could not be read whole.
  virtual bool readSection(const std::string& file, const std::string& section, std::vector<std::string>* lines) = 0;
};

}  // namespace mt
