#include "tests/fakes/tweaker/fake_profile.h"

#include <algorithm>
#include <cctype>

namespace vdx {

namespace {

std::string lower(const std::string& s) {
  std::string out = s;
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

bool sameName(const std::string& a, const std::string& b) { return lower(a) == lower(b); }

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string trim(const std::string& s) {
  std::size_t b = 0, e = s.size();
  while (b < e && isBlank(s[b])) ++b;
  while (e > b && isBlank(s[e - 1])) --e;
  return s.substr(b, e - b);
}

std::string cut(const std::string& s, std::size_t maxChars) {
  if (maxChars == 0) return std::string();
  return s.size() > maxChars - 1 ? s.substr(0, maxChars - 1) : s;
}

}  // namespace

FakeProfile::File* FakeProfile::findFile(const std::string& file) {
  auto it = files_.find(lower(file));
  return it == files_.end() ? nullptr : &it->second;
}

FakeProfile::Section* FakeProfile::findSection(File& f, const std::string& name) {
  for (Section& s : f)
    if (sameName(s.name, name)) return &s;
  return nullptr;
}

std::string FakeProfile::readString(const std::string& file, const std::string& section, const std::string& key,
                                    const std::string& dflt, std::size_t maxChars) {
  // The default loses its trailing blanks, as Windows does.
  std::string d = dflt;
  while (!d.empty() && isBlank(d.back())) d.pop_back();
  File* f = findFile(file);
  Section* s = f ? findSection(*f, section) : nullptr;
  if (!s) return cut(d, maxChars);
  for (const Entry& e : s->entries) {
    if (!e.hasValue || !sameName(e.key, key)) continue;
    std::string v = e.value;
    if (v.size() >= 2 && (v[0] == '"' || v[0] == '\'') && v.back() == v[0]) v = v.substr(1, v.size() - 2);
    return cut(v, maxChars);
  }
  return cut(d, maxChars);
}

bool FakeProfile::writeString(const std::string& file, const std::string& section, const std::string& key,
                              const std::string& value) {
  if (writesFail_) return false;
  File& f = files_[lower(file)];
  Section* s = findSection(f, section);
  if (!s) {
    f.push_back(Section{section, {}});
    s = &f.back();
  }
  std::size_t b = 0;
  while (b < value.size() && isBlank(value[b])) ++b;
  const std::string v = value.substr(b);
  for (Entry& e : s->entries) {
    if (sameName(e.key, key)) {
      e.value = v;
      e.hasValue = true;
      return true;
    }
  }
  s->entries.push_back(Entry{key, v, true});
  return true;
}

bool FakeProfile::deleteKey(const std::string& file, const std::string& section, const std::string& key) {
  if (writesFail_) return false;
  File* f = findFile(file);
  Section* s = f ? findSection(*f, section) : nullptr;
  if (!s) return true;
  s->entries.erase(std::remove_if(s->entries.begin(), s->entries.end(),
                                  [&](const Entry& e) { return sameName(e.key, key); }),
                   s->entries.end());
  return true;
}

bool FakeProfile::deleteSection(const std::string& file, const std::string& section) {
  if (writesFail_) return false;
  File* f = findFile(file);
  if (!f) return true;
  f->erase(std::remove_if(f->begin(), f->end(), [&](const Section& s) { return sameName(s.name, section); }),
           f->end());
  return true;
}

std::vector<std::string> FakeProfile::keys(const std::string& file, const std::string& section) {
  std::vector<std::string> out;
  File* f = findFile(file);
  Section* s = f ? findSection(*f, section) : nullptr;
  if (!s) return out;
  // Lines without '=' are not keys.
  std::size_t bytes = 0;
  for (const Entry& e : s->entries)
    if (e.hasValue && !e.key.empty() && fitsList(e.key, &bytes)) out.push_back(e.key);
  return out;
}

std::vector<std::string> FakeProfile::sections(const std::string& file) {
  std::vector<std::string> out;
  File* f = findFile(file);
  if (!f) return out;
  std::size_t bytes = 0;
  for (const Section& s : *f)
    if (fitsList(s.name, &bytes)) out.push_back(s.name);
  return out;
}

// As the Win32 lists: whole names while they and the closing NULs fit.
bool FakeProfile::fitsList(const std::string& name, std::size_t* bytes) {
  if (*bytes + name.size() + 1 + 2 >= kProfileListBytes) {
    *bytes = kProfileListBytes;  // nothing after a cut name fits either
    return false;
  }
  *bytes += name.size() + 1;
  return true;
}

void FakeProfile::setFileText(const std::string& file, const std::string& text) {
  File f;
  Section* cur = nullptr;
  std::size_t pos = 0;
  while (pos <= text.size()) {
    std::size_t nl = text.find('\n', pos);
    if (nl == std::string::npos) nl = text.size();
    std::string line = trim(text.substr(pos, nl - pos));
    pos = nl + 1;
    if (line.empty()) continue;
    if (line[0] == '[') {
      std::size_t close = line.find(']');
      f.push_back(Section{trim(line.substr(1, close == std::string::npos ? std::string::npos : close - 1)), {}});
      cur = &f.back();
      continue;
    }
    if (!cur) continue;  // lines before the first section are not readable
    std::size_t eq = line.find('=');
    if (eq == std::string::npos)
      cur->entries.push_back(Entry{line, std::string(), false});
    else
      cur->entries.push_back(Entry{trim(line.substr(0, eq)), trim(line.substr(eq + 1)), true});
  }
  files_[lower(file)] = f;
}

std::string FakeProfile::fileText(const std::string& file) const {
  auto it = files_.find(lower(file));
  if (it == files_.end()) return std::string();
  std::string out;
  for (const Section& s : it->second) {
    out += "[" + s.name + "]\r\n";
    for (const Entry& e : s.entries) out += e.hasValue ? e.key + "=" + e.value + "\r\n" : e.key + "\r\n";
  }
  return out;
}

bool FakeProfile::fileExists(const std::string& file) const { return files_.count(lower(file)) != 0; }

void FakeProfile::removeFile(const std::string& file) { files_.erase(lower(file)); }

}  // namespace vdx
