// Memtidy's disk cache Apply and Default against the size of SYSTEM.INI,
// under Wine: each side by side with reading one key of the file and writing
// one key once through the same profile calls (the least an Apply can do).
// The file is a copy in FOLDER, never the prefix's own. Apply writes the
// "Automatic" texts, Default removes the three entries; each then reads the
// texts again, as Apply does. Medians of REPS; prints figures, never fails.
// disk_cache_timing FOLDER REPS KB [KB...]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "memtool/disk_cache.h"
#include "memtool/platform/win32/system_services_win32.h"

namespace {

double nowMs() {
  LARGE_INTEGER f, c;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&c);
  return 1000.0 * static_cast<double>(c.QuadPart) / static_cast<double>(f.QuadPart);
}

// The real profile calls on another file in place of SYSTEM.INI.
class RedirectedProfile : public mt::PrivateProfile {
 public:
  explicit RedirectedProfile(std::string file) : file_(std::move(file)) {}
  std::string readString(const std::string&, const std::string& section, const std::string& key,
                         const std::string& dflt) override {
    return real_.readString(file_, section, key, dflt);
  }
  bool writeString(const std::string&, const std::string& section, const std::string& key,
                   const std::string& value) override {
    return real_.writeString(file_, section, key, value);
  }
  bool deleteKey(const std::string&, const std::string& section, const std::string& key) override {
    return real_.deleteKey(file_, section, key);
  }
  bool readSection(const std::string&, const std::string& section, std::vector<std::string>* lines) override {
    return real_.readSection(file_, section, lines);
  }

 private:
  mt::Win32PrivateProfile real_;
  std::string file_;
};

// A SYSTEM.INI of about `kb` kilobytes: the usual sections, "vcache" among
// them, and a long [386Enh] of device lines.
bool writeSystemIni(const std::string& path, unsigned kb) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  std::fputs("[boot]\r\nshell=Explorer.exe\r\nsystem.drv=system.drv\r\ndrivers=mmsystem.dll power.drv\r\n"
             "display.drv=pnpdrvr.drv\r\n\r\n[boot.description]\r\nkeyboard.typ=Standard 101/102-Key\r\n\r\n"
             "[vcache]\r\nMinFileCache=2048\r\nMaxFileCache=8192\r\nCHUNKSIZE=512\r\n\r\n[386Enh]\r\n",
             f);
  long written = 240;
  for (unsigned i = 0; written < static_cast<long>(kb) * 1024; ++i) {
    written += std::fprintf(f, "device=C:\\WINDOWS\\SYSTEM\\VXD%05u.VXD\r\nEMMExclude=C800-CFFF\r\n", i);
  }
  std::fputs("\r\n[drivers]\r\nwave=mmdrv.dll\r\ntimer=timer.drv\r\n", f);
  return std::fclose(f) == 0;
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const std::size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::printf("usage: disk_cache_timing FOLDER REPS KB [KB...]\n");
    return 2;
  }
  const std::string folder = argv[1];
  const int reps = std::max(1, std::atoi(argv[2]));
  for (int a = 3; a < argc; ++a) {
    const unsigned kb = static_cast<unsigned>(std::atoi(argv[a]));
    const std::string file = folder + "\\SYSTEM-" + std::to_string(kb) + ".INI";
    if (!writeSystemIni(file, kb)) {
      std::printf("%u KB: could not write %s\n", kb, file.c_str());
      continue;
    }
    RedirectedProfile profile(file);
    mt::Win32PrivateProfile real;
    const mt::CacheTexts automatic = mt::automaticCacheTexts(64);
    std::vector<double> once, apply, byDefault;
    std::string error;
    bool ok = true;
    for (int r = 0; r < reps; ++r) {
      // Reading one key and writing one changed value: the file read and
      // written once.
      double start = nowMs();
      (void)real.readString(file, mt::kVcacheSection, "CHUNKSIZE", "0");
      ok &= real.writeString(file, mt::kVcacheSection, "CHUNKSIZE", r % 2 ? "512" : "256");
      once.push_back(nowMs() - start);

      start = nowMs();
      ok &= mt::storeCacheTexts(profile, automatic, &error);
      (void)mt::loadCacheTexts(profile);
      apply.push_back(nowMs() - start);

      start = nowMs();
      ok &= mt::storeCacheTexts(profile, mt::CacheTexts{}, &error);
      (void)mt::loadCacheTexts(profile);
      byDefault.push_back(nowMs() - start);
    }
    const double o = median(once), ap = median(apply), d = median(byDefault);
    std::printf("SYSTEM.INI %5u KB: read + write once %.2f ms, Apply %.2f ms (%.2fx), Default %.2f ms (%.2fx)%s"
                " (medians of %d)\n",
                kb, o, ap, ap / o, d, d / o, ok ? "" : ", a write failed", reps);
    std::fflush(stdout);
    DeleteFileA(file.c_str());
  }
  return 0;
}
