// In-memory private-profile files that read and write like
// GetPrivateProfileStringA / WritePrivateProfileStringA: names compare
// case-insensitively, values are trimmed and unquoted on reading, results
// are cut to maxChars - 1 characters, and missing files read as defaults.
#pragma once
#include <map>
#include <string>
#include <vector>

#include "tweaker/platform/profile.h"

namespace vdx {

class FakeProfile : public ProfileFile {
 public:
  std::string readString(const std::string& file, const std::string& section, const std::string& key,
                         const std::string& dflt, std::size_t maxChars) override;
  bool writeString(const std::string& file, const std::string& section, const std::string& key,
                   const std::string& value) override;
  bool deleteKey(const std::string& file, const std::string& section, const std::string& key) override;
  bool deleteSection(const std::string& file, const std::string& section) override;
  std::vector<std::string> keys(const std::string& file, const std::string& section) override;
  std::vector<std::string> sections(const std::string& file) override;

  // Replaces a file by parsed text (lines "[section]" and "key=value").
  void setFileText(const std::string& file, const std::string& text);
  // The file as it would be written; empty when it does not exist.
  std::string fileText(const std::string& file) const;
  bool fileExists(const std::string& file) const;
  void removeFile(const std::string& file);
  // Makes every later write fail (a read-only or missing folder).
  void setWritesFail(bool fail) { writesFail_ = fail; }

 private:
  struct Entry {
    std::string key;
    std::string value;
    bool hasValue = true;  // false for a line without '='
  };
  struct Section {
    std::string name;
    std::vector<Entry> entries;
  };
  using File = std::vector<Section>;

  File* findFile(const std::string& file);
  static Section* findSection(File& f, const std::string& name);
  static bool fitsList(const std::string& name, std::size_t* bytes);

  std::map<std::string, File> files_;  // by lower-case name
  bool writesFail_ = false;
};

}  // namespace vdx
