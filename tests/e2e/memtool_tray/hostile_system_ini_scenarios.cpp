// The Cache tab against a SYSTEM.INI no tidy program wrote: 2 MB, a
// 5,000-character line, control bytes, LF and CRLF mixed, duplicate and
// valueless cache keys. Apply writes the three entries and keeps every
// other line; a read-only file is reported and left byte for byte.
#include <string>
#include <vector>

#include "tests/e2e/common/hostile_values.h"
#include "tests/e2e/memtool_tray/tray_fixture.h"

using mt::Ctl;
using namespace traye2e;

namespace {

std::string hostileSystemIni() {
  std::string t = "[boot]\r\nshell=Explorer.exe\r\nlong=" + std::string(5000, 'L') + "\r\n";
  t += "controls=";
  for (int c = 1; c < 32; ++c)
    if (c != '\n' && c != '\r' && c != 0x1A) t += static_cast<char>(c);
  t += "\x7F\r\n[vcache]\r\nMinFileCache=1000\r\nMaxFileCache\nChunkSize=\r\nMinFileCache=3000\nTuned=yes\r\n";
  for (int s = 0; t.size() < 2 * 1024 * 1024; ++s) {
    t += "[section" + std::to_string(s) + "]\r\n";
    for (int k = 0; k < 200; ++k)
      t += "key" + std::to_string(k) + "=value " + std::to_string(s * 1000 + k) + std::string(40, 'v') +
           (k % 3 == 0 ? "\n" : "\r\n");
  }
  return t;
}

bool isCacheKey(const std::string& line) {
  for (const char* key : {"MinFileCache", "MaxFileCache", "CHUNKSIZE"}) {
    const std::string k = key;
    if (line.size() >= k.size() && _strnicmp(line.c_str(), key, k.size()) == 0 &&
        (line.size() == k.size() || line[k.size()] == '='))
      return true;
  }
  return false;
}

std::vector<std::string> otherLines(const std::string& text) {
  std::vector<std::string> out;
  for (const std::string& l : lines(text))
    if (!isCacheKey(l)) out.push_back(l);
  return out;
}

int countCacheLines(const std::string& text, const char* key) {
  int n = 0;
  for (const std::string& l : lines(text))
    if (isCacheKey(l) && _strnicmp(l.c_str(), key, strlen(key)) == 0) ++n;
  return n;
}

}  // namespace

E2E_SCENARIO(cache_d_hostile_system_ini_keeps_every_other_line) {
  if (mte2e::ntMode()) return;
  const std::string ini = systemIniPath();
  const std::string hostile = hostileSystemIni();
  e2e::check(e2e::writeFile(ini, hostile), "a 2 MB hostile SYSTEM.INI written");
  quietSettings();
  mte2e::Session s;
  if (!e2e::check(s.start(), "Memtidy starts on it")) return;
  e2e::check(s.showByTrayDoubleClick(), "the window shows");
  s.selectTab(mt::kTabCache);
  e2e::checkEq(hostile, e2e::readFile(ini), "loading leaves the file byte for byte");
  e2e::click(s.control(Ctl::Button1));  // "Automatic"
  e2e::click(s.control(Ctl::Button2));  // Apply
  e2e::dismissDialogs(s.process.id, 500);
  const std::string after = e2e::readFile(ini);
  // The profile functions update an entry's first line, the one every
  // reader takes; a second line written by hand stays as it was.
  const long long totalRAM = atoll(e2e::text(s.control(Ctl::Label24)).c_str());
  e2e::checkEq(std::to_string(totalRAM / 8 * 1024), cacheEntry(after, "MinFileCache"), "MinFileCache written");
  e2e::checkEq(std::to_string(totalRAM / 4 * 1024), cacheEntry(after, "MaxFileCache"),
               "the valueless MaxFileCache takes its value");
  e2e::checkEq("512", cacheEntry(after, "ChunkSize"), "the empty ChunkSize takes its value");
  e2e::checkEq(2, countCacheLines(after, "MinFileCache"), "the hand-written second MinFileCache is kept");
  const std::vector<std::string> want = otherLines(hostile), got = otherLines(after);
  std::size_t same = 0;
  while (same < want.size() && same < got.size() && want[same] == got[same]) ++same;
  e2e::check(want == got, "every other line of " + std::to_string(want.size()) + " is kept, in order",
             "first difference at line " + std::to_string(same + 1) + ": \"" +
                 (same < got.size() ? got[same].substr(0, 60) : "<end>") + "\"");

  e2e::click(s.control(Ctl::Button4));  // "Default"
  e2e::click(s.control(Ctl::Button2));
  e2e::dismissDialogs(s.process.id, 500);
  const std::string cleared = e2e::readFile(ini);
  for (const char* key : {"MinFileCache", "MaxFileCache", "CHUNKSIZE"})
    e2e::checkEq(0, countCacheLines(cleared, key), std::string(key) + ": Default removes every line of it");
  e2e::check(otherLines(cleared) == want, "after Default every other line is still there");

  // Read-only: the failure is reported and the file stays as it was. Wine
  // run as root lets a writer into a read-only file, so there a lock that
  // shares nothing stands in for the attribute.
  SetFileAttributesA(ini.c_str(), FILE_ATTRIBUTE_READONLY);
  HANDLE lock = CreateFileA(ini.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (lock != INVALID_HANDLE_VALUE) {
    CloseHandle(lock);
    e2e::section("the read-only attribute is not enforced here: the file is locked instead");
    lock = CreateFileA(ini.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  }
  e2e::click(s.control(Ctl::Button1));  // "Automatic"
  PostMessageA(s.control(Ctl::Button2), BM_CLICK, 0, 0);
  e2e::check(e2e::dismissDialogs(s.process.id, 15000) >= 1, "an unwritable SYSTEM.INI is reported");
  if (lock != INVALID_HANDLE_VALUE) CloseHandle(lock);
  SetFileAttributesA(ini.c_str(), FILE_ATTRIBUTE_NORMAL);
  e2e::checkEq(cleared, e2e::readFile(ini), "the unwritable file is byte for byte as before");
  e2e::check(s.stop(), "Memtidy ends");
}
