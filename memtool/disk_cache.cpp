#include "memtool/disk_cache.h"

#include <climits>
#include <vector>

#include "memtool/cache_section.h"


namespace mt {
namespace {

const CacheEntryInfo kEntries[kCacheEntryCount] = {
    {CacheEntry::MinFileCache, "MinFileCache", Ctl::RxSlider3, Ctl::Label16, 1024},
    {CacheEntry::MaxFileCache, "MaxFileCache", Ctl::RxSlider4, Ctl::Label17, 1024},
    {CacheEntry::ChunkSize, "CHUNKSIZE", Ctl::RxSlider5, Ctl::Label30, 32},
};

std::string kbText(const std::string& text) { return text + " kB"; }

}  // namespace

const CacheEntryInfo& cacheEntryInfo(CacheEntry entry) { return kEntries[static_cast<int>(entry)]; }

const CacheEntryInfo* cacheEntryForSlider(Ctl slider) {
  for (const auto& e : kEntries)
    if (slider == e.slider) return &e;
  return nullptr;
}

std::string& CacheTexts::operator[](CacheEntry e) {
  switch (e) {
    case CacheEntry::MinFileCache: return minFileCache;
    case CacheEntry::MaxFileCache: return maxFileCache;
    default: return chunkSize;
  }
}
const std::string& CacheTexts::operator[](CacheEntry e) const { return const_cast<CacheTexts&>(*this)[e]; }

int parseCacheKB(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i == text.size()) return 0;
  long long value = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return 0;
    value = value * 10 + (text[i] - '0');
    if (value > static_cast<long long>(INT_MAX) + 1) return 0;  // not a 32-bit integer
  }
  if (negative) value = -value;
  if (value > INT_MAX || value < INT_MIN) return 0;
  return static_cast<int>(value);
}

int cacheSliderPosition(const std::string& text, int unitKB) { return parseCacheKB(text) / unitKB; }

// Every profile call reads (and a write writes) the whole file, so the
// section is read once for all three entries; the key read is asked only
// where the section's line may read otherwise, or when the section could not
// be read whole.
CacheTexts loadCacheTexts(PrivateProfile& profile) {
  CacheTexts texts;
  std::vector<std::string> lines;
  const bool whole = profile.readSection(kSystemIni, kVcacheSection, &lines);
  for (const auto& e : kEntries) {
    const SectionEntry found = whole ? findSectionEntry(lines, e.key) : SectionEntry{0, "", true};
    if (found.askKey)
      texts[e.entry] = profile.readString(kSystemIni, kVcacheSection, e.key, "0");
    else
      texts[e.entry] = found.lines ? found.value : "0";
  }
  return texts;
}

// Removes every line of the entry: the profile functions remove one line at a
// time, and an entry written twice by hand would otherwise come back from its
// second line. Without a count from the section it reads again after each
// removal. A removal that fails is reported like a failed write.
static bool removeCacheEntry(PrivateProfile& profile, const char* key, int knownLines) {
  if (knownLines >= 0) {
    for (int i = 0; i < knownLines; ++i)
      if (!profile.deleteKey(kSystemIni, kVcacheSection, key)) return false;
    return true;
  }
  static const char kAbsent[] = "\x01";  // no value of a text file reads as this
  for (int lines = 0; lines < 256; ++lines) {
    if (!profile.deleteKey(kSystemIni, kVcacheSection, key)) return false;
    if (profile.readString(kSystemIni, kVcacheSection, key, kAbsent) == kAbsent) return true;
  }
  return false;
}

bool storeCacheTexts(PrivateProfile& profile, const CacheTexts& texts, std::string* error) {
  // Only removals need the section: it tells how many lines each entry has.
  bool removes = false;
  for (const auto& e : kEntries) removes |= texts[e.entry] == "0";
  std::vector<std::string> lines;
  const bool counted = removes && profile.readSection(kSystemIni, kVcacheSection, &lines);
  for (const auto& e : kEntries) {
    const std::string& text = texts[e.entry];
    const bool ok = text == "0" ? removeCacheEntry(profile, e.key, counted ? findSectionEntry(lines, e.key).lines : -1)
                                : profile.writeString(kSystemIni, kVcacheSection, e.key, text);
    if (!ok) {
      if (error) *error = std::string("Unable to write to ") + kSystemIni;
      return false;
    }
  }
  return true;
}

CacheTexts automaticCacheTexts(unsigned totalRAM) {
  CacheTexts texts;
  texts.minFileCache = std::to_string((totalRAM / 8) * 1024);
  texts.maxFileCache = std::to_string((totalRAM / 4) * 1024);
  texts.chunkSize = "512";
  return texts;
}

void DiskCacheTab::setLabels(ControlSurface& surface) {
  for (const auto& e : kEntries) surface.setText(e.label, kbText(texts_[e.entry]));
}

void DiskCacheTab::show(ControlSurface& surface) {
  for (const auto& e : kEntries)
    if (moveSlider(surface, e.slider, cacheSliderPosition(texts_[e.entry], e.unitKB))) sliderChanged(surface, e.slider);
  setLabels(surface);
}

bool DiskCacheTab::sliderChanged(ControlSurface& surface, Ctl slider) {
  const CacheEntryInfo* e = cacheEntryForSlider(slider);
  if (!e) return false;
  surface.setEnabled(Ctl::Button2, true);
  texts_[e->entry] = std::to_string(surface.position(slider) * e->unitKB);
  surface.setText(e->label, kbText(texts_[e->entry]));
  return true;
}

void DiskCacheTab::automatic(ControlSurface& surface, unsigned totalRAM) {
  texts_ = automaticCacheTexts(totalRAM);
  show(surface);
}

void DiskCacheTab::setDefault(ControlSurface& surface) {
  texts_ = CacheTexts{};
  for (const auto& e : kEntries)
    if (moveSlider(surface, e.slider, 0)) sliderChanged(surface, e.slider);
  setLabels(surface);
}

}  // namespace mt
