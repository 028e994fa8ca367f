#include "tests/fakes/memtool/fake_private_profile.h"

#include <cctype>

namespace mt {
namespace {

std::string trim(const std::string& s) {
  size_t b = s.find_first_not_of(" \t"), e = s.find_last_not_of(" \t");
  return b == std::string::npos ? "" : s.substr(b, e - b + 1);
}

bool sameName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i]))) return false;
  return true;
}

// The section named by a "[name]" line, or false.
bool sectionOf(const std::string& line, std::string* name) {
  const std::string t = trim(line);
  if (t.size() < 2 || t[0] != '[') return false;
  const size_t close = t.find(']');
  if (close == std::string::npos) return false;
  *name = trim(t.substr(1, close - 1));
  return true;
}

}  // namespace

std::string FakePrivateProfile::upper(const std::string& s) {
  std::string u = s;
  for (char& c : u) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return u;
}

int FakePrivateProfile::findKey(const Lines& lines, const std::string& section, const std::string& key,
                                int* sectionEnd) {
  *sectionEnd = -1;
  bool inSection = false;
  for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
    std::string name;
    if (sectionOf(lines[i], &name)) {
      if (inSection) return -1;
      inSection = sameName(name, section);
      if (inSection) *sectionEnd = i + 1;
      continue;
    }
    if (!inSection) continue;
    const std::string t = trim(lines[i]);
    if (t.empty()) continue;
    *sectionEnd = i + 1;
    // A line without "=" names a key without a value.
    if (t[0] != ';' && sameName(trim(t.substr(0, t.find('='))), key)) return i;
  }
  return -1;
}

std::string FakePrivateProfile::readString(const std::string& file, const std::string& section,
                                           const std::string& key, const std::string& dflt) {
  ++reads;
  auto it = files_.find(upper(file));
  if (it == files_.end()) return dflt;
  int end;
  const int i = findKey(it->second, section, key, &end);
  if (i < 0) return dflt;
  const std::string& line = it->second[i];
  const size_t eq = line.find('=');
  return eq == std::string::npos ? dflt : trim(line.substr(eq + 1));
}

bool FakePrivateProfile::readSection(const std::string& file, const std::string& section,
                                     std::vector<std::string>* lines) {
  ++reads;
  lines->clear();
  if (!sectionsWhole) return false;
  auto it = files_.find(upper(file));
  if (it == files_.end()) return true;
  bool inSection = false, seen = false;
  for (const std::string& line : it->second) {
    std::string name;
    if (sectionOf(line, &name)) {
      if (seen) break;  // only the first section of the name counts
      inSection = seen = sameName(name, section);
      continue;
    }
    const std::string t = trim(line);
    if (!inSection || t.empty() || t[0] == ';') continue;
    const size_t eq = t.find('=');
    lines->push_back(eq == std::string::npos ? t : trim(t.substr(0, eq)) + "=" + trim(t.substr(eq + 1)));
  }
  return true;
}

bool FakePrivateProfile::writeString(const std::string& file, const std::string& section, const std::string& key,
                                     const std::string& value) {
  if (locked_.count(upper(file))) return false;
  Lines& lines = files_[upper(file)];
  int end;
  const int i = findKey(lines, section, key, &end);
  const std::string line = key + "=" + value;
  if (i >= 0) {
    lines[i] = line;
  } else if (end >= 0) {
    lines.insert(lines.begin() + end, line);
  } else {
    lines.push_back("[" + section + "]");
    lines.push_back(line);
  }
  ++writes;
  return true;
}

bool FakePrivateProfile::deleteKey(const std::string& file, const std::string& section, const std::string& key) {
  auto it = files_.find(upper(file));
  if (it == files_.end()) return true;
  int end;
  const int i = findKey(it->second, section, key, &end);
  if (i < 0) return true;
  if (locked_.count(upper(file))) return false;
  it->second.erase(it->second.begin() + i);
  ++writes;
  return true;
}

void FakePrivateProfile::setText(const std::string& file, const std::string& text) {
  Lines lines;
  std::string cur;
  for (char c : text) {
    if (c == '\n') {
      if (!cur.empty() && cur.back() == '\r') cur.pop_back();
      lines.push_back(cur);
      cur.clear();
    } else {
      cur += c;
    }
  }
  if (!cur.empty()) lines.push_back(cur);
  files_[upper(file)] = lines;
}

std::string FakePrivateProfile::text(const std::string& file) const {
  auto it = files_.find(upper(file));
  std::string out;
  if (it == files_.end()) return out;
  for (const auto& l : it->second) out += l + "\r\n";
  return out;
}

}  // namespace mt
