// The main window's Cache tab, description panel, links and sound chooser:
// TForm1's handlers that hand over to the modules holding their logic.
#include "memtool/description.h"
#include "memtool/disk_cache.h"
#include "memtool/form.h"
#include "memtool/form_layout.h"
#include "memtool/links.h"

namespace mt {
namespace {

// The form keeps the three texts as its own fields; the tab logic works on a
// copy and hands the result back.
template <class Action>
void onCacheTab(TForm1& form, Action action) {
  DiskCacheTab tab;
  tab.texts() = {form.MinFileCache, form.MaxFileCache, form.ChunkSize};
  action(tab);
  form.MinFileCache = tab.texts().minFileCache;
  form.MaxFileCache = tab.texts().maxFileCache;
  form.ChunkSize = tab.texts().chunkSize;
}

}  // namespace

void TForm1::LoadCacheTexts() {
  onCacheTab(*this, [&](DiskCacheTab& tab) { tab.load(*services_.profile); });
}

void TForm1::ShowCacheTexts() {
  onCacheTab(*this, [&](DiskCacheTab& tab) { tab.show(surface_); });
}

void TForm1::StoreCacheTexts() {
  std::string error;
  onCacheTab(*this, [&](DiskCacheTab& tab) {
    if (!tab.store(*services_.profile, &error)) throw OperationError(error);
  });
}

// Without SYSTEM.INI the whole Cache tab is shown disabled.
void TForm1::DisableCacheTab() {
  for (std::size_t i = 0; i < kFormControlCount; ++i)
    if (kFormControls[i].tab == kTabCache) surface_.setEnabled(kFormControls[i].id, false);
}

void TForm1::RxSlider3Change() {
  onCacheTab(*this, [&](DiskCacheTab& tab) { tab.sliderChanged(surface_, Ctl::RxSlider3); });
}
void TForm1::RxSlider4Change() {
  onCacheTab(*this, [&](DiskCacheTab& tab) { tab.sliderChanged(surface_, Ctl::RxSlider4); });
}
void TForm1::RxSlider5Change() {
  onCacheTab(*this, [&](DiskCacheTab& tab) { tab.sliderChanged(surface_, Ctl::RxSlider5); });
}

void TForm1::Button1Click() {
  onCacheTab(*this, [&](DiskCacheTab& tab) { tab.automatic(surface_, TotalRAM); });
}

void TForm1::Button4Click() {
  onCacheTab(*this, [&](DiskCacheTab& tab) { tab.setDefault(surface_); });
}

void TForm1::ControlMouseMove(Ctl id, int x, int y) {
  HoverContext hover;
  hover.activeTab = surface_.selectedTab();
  hover.nt = OSName == OsFamily::WinNT;
  hover.x = x;
  hover.y = y;
  if (id == Ctl::PageControl1) {
    hover.over = HoverOver::TabBackground;
    hover.tab = hover.activeTab;
  } else if (id == Ctl::GroupBox5) {
    hover.over = HoverOver::DescriptionBox;
  } else {
    hover.control = id;
  }
  if (const auto lines = describeHover(hover)) {
    surface_.setText(Ctl::Label8, lines->first);
    surface_.setText(Ctl::Label9, lines->second);
  }
}

void TForm1::SpeedButton1Click() {
  OpenDialog1.choose(*services_.fileDialog, surface_.window(), surface_, settings.Music);
}

void TForm1::LinkClick(Ctl id) { openLink(*services_.shell, surface_.window(), id); }

}  // namespace mt
