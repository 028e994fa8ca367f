// The disk cache limits of the 95/98 family: three entries of section
// "vcache" in SYSTEM.INI, shown and edited on the Cache tab by three sliders.
#pragma once
#include <string>

#include "memtool/control_surface.h"
#include "memtool/platform/private_profile.h"

namespace mt {

// Given without a folder so the profile functions look in the Windows folder.
inline constexpr const char* kSystemIni = "SYSTEM.INI";
inline constexpr const char* kVcacheSection = "vcache";

enum class CacheEntry { MinFileCache, MaxFileCache, ChunkSize };
inline constexpr int kCacheEntryCount = 3;

struct CacheEntryInfo {
  CacheEntry entry;
  const char* key;  // file entry
  Ctl slider;       // its slider
  Ctl label;        // its value label
  int unitKB;          // kilobytes per slider step
};

// In file order; load, show and store walk it in this order.
const CacheEntryInfo& cacheEntryInfo(CacheEntry entry);
const CacheEntryInfo* cacheEntryForSlider(Ctl slider);

// Each a decimal number of kilobytes exactly as stored; "0" means the entry
// is absent and the system default applies.
struct CacheTexts {
  std::string minFileCache = "0";
  std::string maxFileCache = "0";
  std::string chunkSize = "0";

  std::string& operator[](CacheEntry e);
  const std::string& operator[](CacheEntry e) const;
};

// A whole number of kilobytes as the slider reads it; anything that is not a
// plain decimal integer counts as 0.
int parseCacheKB(const std::string& text);
// Slider position for a stored text: kilobytes div unit, truncated toward zero.
int cacheSliderPosition(const std::string& text, int unitKB);

CacheTexts loadCacheTexts(PrivateProfile& profile);

// Writes the texts; exactly "0" removes the entry. Stops at the first entry
// that cannot be written and returns false with the error text.
bool storeCacheTexts(PrivateProfile& profile, const CacheTexts& texts, std::string* error);

// What "Automatic" suggests for the installed memory (whole MB).
CacheTexts automaticCacheTexts(unsigned totalRAM);

// The Cache tab: the three texts and what its sliders and buttons do.
class DiskCacheTab {
 public:
  CacheTexts& texts() { return texts_; }
  const CacheTexts& texts() const { return texts_; }

  void load(PrivateProfile& profile) { texts_ = loadCacheTexts(profile); }
  bool store(PrivateProfile& profile, std::string* error) const { return storeCacheTexts(profile, texts_, error); }

  // Sets the sliders from the texts; a slider that moves rewrites its text as
  // a whole number of units, one that stays keeps the text as read.
  void show(ControlSurface& surface);
  // Change action of a cache slider (enables Apply). False for another control.
  bool sliderChanged(ControlSurface& surface, Ctl slider);
  // "Automatic" and "Default": Apply is enabled only by sliders that move.
  void automatic(ControlSurface& surface, unsigned totalRAM);
  void setDefault(ControlSurface& surface);

 private:
  void setLabels(ControlSurface& surface);
  CacheTexts texts_;
};

}  // namespace mt
