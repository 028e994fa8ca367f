#include "memtool/cache_section.h"

namespace mt {
namespace {

std::string trim(const std::string& s) {
  const size_t b = s.find_first_not_of(" \t"), e = s.find_last_not_of(" \t");
  return b == std::string::npos ? "" : s.substr(b, e - b + 1);
}

char upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool sameName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (upper(a[i]) != upper(b[i])) return false;
  return true;
}

}  // namespace

SectionEntry findSectionEntry(const std::vector<std::string>& lines, const std::string& key) {
  SectionEntry found;
  for (const std::string& line : lines) {
    const std::string t = trim(line);
    if (t.empty() || t[0] == ';') continue;  // some systems list comments too
    const size_t eq = t.find('=');
    if (!sameName(trim(t.substr(0, eq)), key)) continue;
    if (found.lines++ > 0) continue;
    if (eq == std::string::npos) {
      found.askKey = true;
    } else {
      found.value = trim(t.substr(eq + 1));
      found.askKey = found.value.find_first_of("\"'") != std::string::npos;
    }
  }
  return found;
}

}  // namespace mt
