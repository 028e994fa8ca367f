#include "tweaker/adapter/file_version.h"

#include <limits>


namespace vdx {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Like atoi on unsigned text: leading blanks, then digits; saturates rather
// than overflowing on absurdly long numbers.
uint32_t readNumber(const std::string& text, std::size_t* pos) {
  while (*pos < text.size() && (text[*pos] == ' ' || text[*pos] == '\t')) ++*pos;
  uint64_t value = 0;
  while (*pos < text.size() && isDigit(text[*pos])) {
    value = value * 10 + static_cast<uint64_t>(text[*pos] - '0');
    if (value > std::numeric_limits<uint32_t>::max()) value = std::numeric_limits<uint32_t>::max();
    ++*pos;
  }
  return static_cast<uint32_t>(value);
}

// Skips one separator; false when the text has ended before or after it.
bool skipSeparator(const std::string& text, std::size_t* pos) {
  if (*pos >= text.size()) return false;
  ++*pos;
  return *pos < text.size();
}

}  // namespace

bool readFileVersion(SystemServices& system, const std::string& fileName, std::string* text) {
  text->clear();
  const std::string path =
      (fileName.size() >= 2 && fileName[1] == ':') ? fileName : system.systemDirectory() + "\\" + fileName;
  std::string version;
  if (!system.fileVersionText(path, &version)) return false;
  *text = version;
  return true;
}

DriverVersion parseVersionText(const std::string& text) {
  DriverVersion v;
  const std::size_t dash = text.rfind('-');
  std::size_t pos = dash == std::string::npos ? 0 : dash + 1;
  v.major = readNumber(text, &pos);
  if (!skipSeparator(text, &pos)) return v;
  v.minor = readNumber(text, &pos);
  if (!skipSeparator(text, &pos)) return v;
  v.build = readNumber(text, &pos);
  return v;
}

DriverVersion parseDriverVersion(SystemServices& system, const std::string& fileName) {
  std::string text;
  if (!readFileVersion(system, fileName, &text)) return DriverVersion{};
  return parseVersionText(text);
}

}  // namespace vdx
