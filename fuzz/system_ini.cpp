// SYSTEM.INI as any program or person may have left it: Memtidy reads its
// three [vcache] entries and writes them back; what it wrote reads back the
// same, and every line outside [vcache] is kept as it was.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "memtool/disk_cache.h"
#include "tests/fakes/memtool/fake_private_profile.h"

namespace {

// The file's lines outside section [vcache], as the profile functions see
// sections: a line starting with '[' and holding a ']' opens one.
std::vector<std::string> linesOutsideVcache(const std::string& text) {
  std::vector<std::string> out;
  bool inVcache = false;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::size_t first = line.find_first_not_of(" \t");
    std::size_t close = first == std::string::npos ? first : line.find(']', first);
    if (close != std::string::npos && line[first] == '[') {
      std::string name = line.substr(first + 1, close - first - 1);
      name.erase(0, name.find_first_not_of(" \t"));
      name.erase(name.find_last_not_of(" \t") + 1);
      for (char& c : name) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
      inVcache = name == "vcache";
    }
    if (!inVcache && !line.empty()) out.push_back(line);
    start = end + 1;
  }
  return out;
}

[[noreturn]] void fail(const char* what, mt::FakePrivateProfile& profile) {
  std::fprintf(stderr, "%s; the file is now:\n%s\n", what, profile.text(mt::kSystemIni).c_str());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string original(reinterpret_cast<const char*>(data), size);
  if (original.find('\0') != std::string::npos) return 0;  // a text file's reader stops there
  mt::FakePrivateProfile profile;
  profile.setText(mt::kSystemIni, original);
  const std::string before = profile.text(mt::kSystemIni);
  const mt::CacheTexts texts = mt::loadCacheTexts(profile);
  for (int i = 0; i < mt::kCacheEntryCount; ++i) {
    const auto& info = mt::cacheEntryInfo(static_cast<mt::CacheEntry>(i));
    mt::cacheSliderPosition(texts[info.entry], info.unitKB);
  }
  std::string error;
  if (!mt::storeCacheTexts(profile, texts, &error)) fail("the store failed", profile);
  const mt::CacheTexts back = mt::loadCacheTexts(profile);
  for (int i = 0; i < mt::kCacheEntryCount; ++i) {
    const auto e = static_cast<mt::CacheEntry>(i);
    if (back[e] != texts[e]) fail("an entry read back otherwise", profile);
  }
  if (linesOutsideVcache(profile.text(mt::kSystemIni)) != linesOutsideVcache(before))
    fail("a line outside [vcache] changed", profile);
  return 0;
}
