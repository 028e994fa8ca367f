#include "tweaker/display/refresh_rates_dialog.h"

#include <cstdio>
#include <cstdlib>

#include "tweaker/common/text_format.h"
#include "tweaker/display/display_reset.h"
#include "tweaker/resources/resource.h"

namespace vdx {

namespace {

constexpr int kLbnSelChange = 1;  // LBN_SELCHANGE
constexpr int kCbnSelChange = 1;  // CBN_SELCHANGE
constexpr uint32_t kResetFlags = kCdsUpdateRegistry | kCdsReset;

const char kWarning[] =
    "WARNING! Some refresh rates listed may not be supported by your monitor! Be careful when changing your "
    "refresh rates!";

}  // namespace

void RefreshRatesDialog::FreeTable::operator()(RefreshModeEntry* t) const { std::free(t); }

void RefreshRatesDialog::init() {
  surface_.setText(IDC_REFRESH_WARNING, kWarning);
  // calloc: the table starts zeroed, and a nothrow new would bring the
  // library's exception machinery into a program built without it.
  table_.reset(static_cast<RefreshModeEntry*>(std::calloc(kRefreshModeCapacity, sizeof(RefreshModeEntry))));
  if (!table_) {
    surface_.endDialog(kIdCancel);
    return;
  }
  model_.hw.display->deviceCaps(&width_, &height_, &bitsPerPixel_);
  int used = 0;
  DisplayMode mode;
  // A table full of modes lists what fits and stops.
  for (uint32_t i = 0; used < kRefreshModeCapacity && model_.hw.display->enumMode(i, &mode); ++i) {
    if (mode.bitsPerPixel <= 4) continue;
    RefreshModeEntry* e = &table_.get()[used++];
    e->bitsPerPixel = static_cast<int32_t>(mode.bitsPerPixel);
    e->width = static_cast<int32_t>(mode.width);
    e->height = static_cast<int32_t>(mode.height);
    loadModeRates(*model_.hw.registry, model_.classKeyPath, e);
    char text[48];
    formatText(text, sizeof text, "%d x %d x %d bpp", e->width, e->height, e->bitsPerPixel);
    const int index = surface_.addItem(IDC_REFRESH_MODES, text, reinterpret_cast<ItemData>(e));
    if (mode.width == width_ && mode.height == height_ && mode.bitsPerPixel == bitsPerPixel_) {
      surface_.select(IDC_REFRESH_MODES, index);
      fillRates();
    }
  }
  surface_.enable(kApplyId, false);
}

RefreshModeEntry* RefreshRatesDialog::selectedEntry() {
  const int index = surface_.selection(IDC_REFRESH_MODES);
  return index < 0 ? nullptr : reinterpret_cast<RefreshModeEntry*>(surface_.itemData(IDC_REFRESH_MODES, index));
}

void RefreshRatesDialog::fillRates() {
  RefreshModeEntry* e = selectedEntry();
  if (!e) return;
  surface_.clearItems(IDC_REFRESH_RATES);
  for (int i = 0; i < kRefreshRateSlots && e->rates[i] != 0; ++i) {
    const int index = surface_.addItem(IDC_REFRESH_RATES, rateCodeText(e->rates[i]), e->rates[i]);
    if (e->rates[i] == e->selected) surface_.select(IDC_REFRESH_RATES, index);
  }
}

void RefreshRatesDialog::chooseRate() {
  RefreshModeEntry* e = selectedEntry();
  const int index = surface_.selection(IDC_REFRESH_RATES);
  if (!e || index < 0) return;
  const ItemData code = surface_.itemData(IDC_REFRESH_RATES, index);
  if (code == -1) return;
  e->selected = static_cast<int32_t>(code);
  e->changed = 1;
  surface_.enable(kApplyId, true);
}

void RefreshRatesDialog::confirm(RefreshModeEntry* e) {
  Display& display = *model_.hw.display;
  const int32_t w = static_cast<int32_t>(width_), h = static_cast<int32_t>(height_);
  const int32_t bpp = static_cast<int32_t>(bitsPerPixel_);
  changeDisplayMode(display, w, h, bpp, kResetFlags);
  const int answer = ShowMessageBox(*model_.boxes, model_.owner, "Do you want to keep your new refresh rate?", "Vidarix",
                                    kMbYesNo | kMbIconQuestion | kMbDefButton2, 15);
  if (answer == kIdYes) return;
  e->selected = e->loaded;
  saveModeRate(*model_.hw.registry, model_.classKeyPath, *e, w, h, bpp);
  fillRates();
  changeDisplayMode(display, w, h, bpp, kResetFlags);
  ShowMessageBox(*model_.boxes, model_.owner, "Your previous refresh rate has been restored.", "Vidarix",
                 kMbIconAsterisk);
}

int RefreshRatesDialog::ok() {
  if (table_) applyChanges();
  return kIdOk;
}

void RefreshRatesDialog::apply() {
  if (table_) applyChanges();
}

void RefreshRatesDialog::applyChanges() {
  if (!surface_.enabled(kApplyId)) return;  // nothing changed
  model_.hw.display->deviceCaps(&width_, &height_, &bitsPerPixel_);  // the mode may have changed meanwhile
  for (int i = 0; i < kRefreshModeCapacity && table_.get()[i].bitsPerPixel != 0; ++i) {
    RefreshModeEntry* e = &table_.get()[i];
    if (!e->changed) continue;
    if (saveModeRate(*model_.hw.registry, model_.classKeyPath, *e, static_cast<int32_t>(width_),
                     static_cast<int32_t>(height_), static_cast<int32_t>(bitsPerPixel_)))
      confirm(e);
    e->changed = 0;
  }
  surface_.enable(kApplyId, false);
}

bool RefreshRatesDialog::command(int id, int notification) {
  switch (id) {
    case IDC_REFRESH_MODES:
      if (notification == kLbnSelChange) fillRates();
      return true;
    case IDC_REFRESH_RATES:
      if (notification == kCbnSelChange) chooseRate();
      return true;
    default:
      return false;
  }
}

}  // namespace vdx
