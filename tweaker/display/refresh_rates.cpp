#include "tweaker/display/refresh_rates.h"

#include <cstdio>
#include <cstdlib>

#include "tweaker/common/registry_utils.h"
#include "tweaker/common/text_format.h"

namespace vdx {

namespace {

std::string defaultKeyPath(const std::string& classKey) { return classKey + "\\DEFAULT"; }

std::string modeKeyPath(const std::string& classKey, const RefreshModeEntry& e) {
  char tail[48];
  formatText(tail, sizeof tail, "\\MODES\\%d\\%d,%d", e.bitsPerPixel, e.width, e.height);
  return classKey + tail;
}

// A stored code the dialog can show and write back: -1, 0 or a rate in hertz
// that fits 32 bits, as the leading number of the text. Anything else (no
// digits, another negative number, a number past 32 bits) reads as absent,
// so it is neither shown nor saved again.
bool readRate(const RegKey& key, long* out) {
  std::string text;
  if (!readRawString(key, "RefreshRate", 32, &text)) return false;
  const char* p = text.c_str();
  while (*p == ' ' || *p == '\t') ++p;
  const bool negative = *p == '-';
  if (*p == '-' || *p == '+') ++p;
  if (*p < '0' || *p > '9') return false;
  long long value = 0;
  for (; *p >= '0' && *p <= '9'; ++p) {
    value = value * 10 + (*p - '0');
    if (value > 0x7FFFFFFFLL) return false;
  }
  if (negative) value = -value;
  if (value < -1) return false;
  *out = static_cast<long>(value);
  return true;
}

bool isDigitOrMinus(char c) { return c == '-' || (c >= '0' && c <= '9'); }

}  // namespace

int32_t rateCodeFromStored(long stored) {
  if (stored == -1) return RATE_OPTIMAL;
  if (stored == 0) return RATE_ADAPTER_DEFAULT;
  // A long is 64 bits on some hosts: hold a huge stored number at the
  // 32-bit limit, as Windows' own conversion does, instead of wrapping it
  // into a code.
  if (stored > 0x7FFFFFFFL) return 0x7FFFFFFF;
  if (stored < -0x7FFFFFFFL) return -0x7FFFFFFF;
  return static_cast<int32_t>(stored);
}

std::string storedRateText(int32_t code) {
  if (code == RATE_OPTIMAL || code == -1) return "-1";
  if (code == 0 || code == RATE_ADAPTER_DEFAULT) return "0";
  char text[16];
  formatText(text, sizeof text, "%d", code);
  return text;
}

std::string rateCodeText(int32_t code) {
  if (code == RATE_OPTIMAL) return "Optimal";
  if (code == RATE_ADAPTER_DEFAULT) return "Adapter default";
  char text[24];
  formatText(text, sizeof text, "%d Hz", code);
  return text;
}

void parseRateList(const std::string& text, RefreshModeEntry* entry, int used) {
  const char* p = text.c_str();
  // The position moves past the number's '-' and digits only, then exactly
  // one separator: after ", " the blank starts the next number, so it is
  // read twice. Drivers' lists are made for this reader; keep it so.
  while (*p) {
    const long rate = std::strtol(p, nullptr, 10);
    // -1, 0 and 1 are offered already; a negative number is no rate (-2 would
    // show as a second "Optimal") and one past 32 bits would wrap.
    if (rate > 1 && rate <= 0x7FFFFFFFL && used < kRefreshRateSlots) {
      entry->rates[used++] = static_cast<int32_t>(rate);
    }
    while (isDigitOrMinus(*p)) ++p;
    if (!*p) break;
    ++p;
  }
}

void loadModeRates(Registry& reg, const std::string& classKey, RefreshModeEntry* entry) {
  if (classKey.empty()) return;  // no class key: a path from the registry root
  long stored = 0;
  {
    RegKey key;
    if (openCreateKeyPath(reg, RegRoot::LocalMachine, defaultKeyPath(classKey), &key) == 0) readRate(key, &stored);
  }
  RegKey mode;
  if (openCreateKeyPath(reg, RegRoot::LocalMachine, modeKeyPath(classKey, *entry), &mode) != 0) return;
  readRate(mode, &stored);
  entry->selected = entry->loaded = rateCodeFromStored(stored);
  entry->rates[0] = RATE_OPTIMAL;
  entry->rates[1] = RATE_ADAPTER_DEFAULT;
  std::string list;
  if (readRawString(mode, "", 512, &list) && !list.empty()) parseRateList(list, entry, 2);
}

bool saveModeRate(Registry& reg, const std::string& classKey, const RefreshModeEntry& entry, int32_t width,
                  int32_t height, int32_t bitsPerPixel) {
  const bool current = entry.width == width && entry.height == height && entry.bitsPerPixel == bitsPerPixel;
  if (classKey.empty()) return current;
  const std::string text = storedRateText(entry.selected);
  const int32_t code = entry.selected;
  const bool defaulted = current && (code == RATE_OPTIMAL || code == -1 || code == 0 || code == RATE_ADAPTER_DEFAULT);
  if (defaulted) {
    RegKey key;
    if (openCreateKeyPath(reg, RegRoot::LocalMachine, defaultKeyPath(classKey), &key) == 0)
      writeStringValue(key, "RefreshRate", text);
  }
  RegKey mode;
  if (openCreateKeyPath(reg, RegRoot::LocalMachine, modeKeyPath(classKey, entry), &mode) != 0) return current;
  if (defaulted) deleteValue(mode, "RefreshRate");
  else writeStringValue(mode, "RefreshRate", text);
  return current;
}

}  // namespace vdx
