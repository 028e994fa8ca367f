// INI files in memory, edited line by line as the system's profile functions
// do: a written key replaces its own line or is added at the end of its
// section, a removed key loses its line, and every other line stays.
#pragma once
#include <map>
#include <set>
#include <string>
#include <vector>

#include "memtool/platform/private_profile.h"

namespace mt {

class FakePrivateProfile : public PrivateProfile {
 public:
  std::string readString(const std::string& file, const std::string& section, const std::string& key,
                         const std::string& dflt) override;
  bool writeString(const std::string& file, const std::string& section, const std::string& key,
                   const std::string& value) override;
  bool deleteKey(const std::string& file, const std::string& section, const std::string& key) override;
  // As the system lists it: blanks around "=" dropped, comments and blank
  // lines left out.
  bool readSection(const std::string& file, const std::string& section, std::vector<std::string>* lines) override;

  // The file as text, lines ended by "\r\n".
  void setText(const std::string& file, const std::string& text);
  std::string text(const std::string& file) const;
  bool exists(const std::string& file) const { return files_.count(upper(file)) != 0; }
  // A locked file can be read but not written.
  void lock(const std::string& file) { locked_.insert(upper(file)); }
  int writes = 0;  // successful writes and removals
  int reads = 0;   // key and section reads (each one reads the whole file)
  bool sectionsWhole = true;  // false: a section too long to list whole

 private:
  using Lines = std::vector<std::string>;
  static std::string upper(const std::string& s);
  // Index of the key's line, or -1; sectionEnd is one past the section's last
  // non-blank line (-1 when the section is absent).
  static int findKey(const Lines& lines, const std::string& section, const std::string& key, int* sectionEnd);
  std::map<std::string, Lines> files_;
  std::set<std::string> locked_;
};

}  // namespace mt
