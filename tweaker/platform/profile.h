// Private-profile (INI) files: the scheme file "Vidarix.dat".
#pragma once
#include <string>
#include <vector>

namespace vdx {

class ProfileFile {
 public:
  virtual ~ProfileFile() = default;
  // GetPrivateProfileStringA: at most maxChars - 1 characters are returned,
  // the rest is cut; the default when the key (or file) is absent.
  virtual std::string readString(const std::string& file, const std::string& section, const std::string& key,
                                 const std::string& dflt, std::size_t maxChars) = 0;
  virtual bool writeString(const std::string& file, const std::string& section, const std::string& key,
                           const std::string& value) = 0;
  virtual bool deleteKey(const std::string& file, const std::string& section, const std::string& key) = 0;
  virtual bool deleteSection(const std::string& file, const std::string& section) = 0;
  // The key names of a section, in file order.
  virtual std::vector<std::string> keys(const std::string& file, const std::string& section) = 0;
  // The section names of a file, in file order.
  virtual std::vector<std::string> sections(const std::string& file) = 0;
};

}  // namespace vdx
