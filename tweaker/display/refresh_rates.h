// Refresh rates per display mode, as the display driver keeps them in its
// class key: the rates a mode allows, the one chosen for it and the one
// modes without their own choice get.
#pragma once
#include <cstdint>
#include <string>

#include "tweaker/platform/registry.h"

namespace vdx {

// Rate codes in the dialog; any other value is hertz.
constexpr int32_t RATE_OPTIMAL = -2;
constexpr int32_t RATE_ADAPTER_DEFAULT = 1;

constexpr int kRefreshModeCapacity = 64;
constexpr int kRefreshRateSlots = 48;  // Optimal, Adapter default and 46 read rates

// One listed mode. The rate list ends at its first zero (or its last slot).
struct RefreshModeEntry {
  int32_t changed;
  int32_t bitsPerPixel;
  int32_t width;
  int32_t height;
  int32_t rates[kRefreshRateSlots];
  int32_t selected;
  int32_t loaded;
};

// Stored -1 (optimal) and 0 (adapter default) to the dialog's codes, and back
// to the stored text.
int32_t rateCodeFromStored(long stored);
std::string storedRateText(int32_t code);
// "Optimal", "Adapter default" or "%d Hz".
std::string rateCodeText(int32_t code);

// Appends the rates of a mode key's rate list ("60,70,72") after the first
// `used` slots, skipping -1, 0 and 1, which the list already offers, and
// numbers that are no rate (negative, or past 32 bits).
void parseRateList(const std::string& text, RefreshModeEntry* entry, int used);

// Fills the entry's rates and selected and loaded codes from "DEFAULT" and
// the mode's own key below `classKey`, creating either key when missing. An
// empty class key reads nothing and creates nothing: the mode lists no rates.
void loadModeRates(Registry& reg, const std::string& classKey, RefreshModeEntry* entry);

// Stores the entry's selected code. For the mode in use a defaulted code goes
// to "DEFAULT" and the mode's own value is removed. True when the entry is
// the mode in use.
bool saveModeRate(Registry& reg, const std::string& classKey, const RefreshModeEntry& entry, int32_t width,
                  int32_t height, int32_t bitsPerPixel);

}  // namespace vdx
