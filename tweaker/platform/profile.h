// Private-profile (INI) files: the scheme file "Vidarix.dat".
#pragma once
#include <cstddef>
#include <string>
#include <vector>

namespace vdx {

// The most a name list may take: its names, each with its NUL, and the
// list's closing NUL.
constexpr std::size_t kProfileListBytes = 65535;

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
  // The key names of a section, in file order. The 95/98 family reads such
  // a list into less than 64 KB (kProfileListBytes): past that, the names
  // that fit whole.
  virtual std::vector<std::string> keys(const std::string& file, const std::string& section) = 0;
  // The section names of a file, in file order, within the same limit.
  virtual std::vector<std::string> sections(const std::string& file) = 0;
};

}  // namespace vdx
