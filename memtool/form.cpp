#include "memtool/form.h"

#include "memtool/description.h"
#include "memtool/form_layout.h"
#include "memtool/memory_figures.h"
#include "memtool/platform/system.h"

namespace mt {

const char kFormClassName[] = "TForm1";
const char kFormTitle[] = "Memtidy Manager";

namespace {

// Ranges of the controls as the form is designed; FormCreate widens the
// memory-sized ones to the installed memory.
struct RangeRow {
  Ctl id;
  int minimum, maximum;
};
const RangeRow kDesignRanges[] = {
    {Ctl::RxSlider1, 0, 10},     {Ctl::RxSlider2, 0, 10},      {Ctl::RxSlider3, 0, 10},
    {Ctl::RxSlider4, 0, 10},     {Ctl::RxSlider5, 0, 10},      {Ctl::RxSpinEdit7, 1, 100},
    {Ctl::RxSpinEdit1, 0, 10},   {Ctl::RxSpinEdit2, 1, 60},    {Ctl::RxSpinEdit3, 1, 100},
    {Ctl::RxSpinEdit4, 1, 100},  {Ctl::RxSpinEdit5, 1, 100},   {Ctl::ProgressBar1, 0, 100},
    {Ctl::ProgressBar2, 0, 100},
};

const Ctl kProcessorRow[] = {Ctl::CPUFree, Ctl::RxSpinEdit7, Ctl::Label23};

std::string mb(uint16_t v) { return std::to_string(v) + " MB"; }
std::string pct(uint16_t v) { return std::to_string(v) + " %"; }

}  // namespace

TForm1::TForm1(const Services& services, FormSurface& surface)
    : kbTrayIcon1(*services.trayShell), services_(services), surface_(surface) {
  for (const RangeRow& r : kDesignRanges) surface_.setRange(r.id, r.minimum, r.maximum);
}

void TForm1::FormCreate() {
  // A registry failure stops only the step it happens in: the rest of the
  // start-up still runs so the program is reachable from the tray.
  const std::string processDir = services_.system->currentDirectory();
  CurrentDir = processDir;
  Guarded([&] { CurrentDir = recordCurrentDir(*services_.registry, processDir); });

  OSName = osFamilyOf(services_.system->platformId());

  MemoryFigures f = measureMemory(sampleMemory(*services_.system, OSName));
  TotalRAM = f.TotalRAM;
  AvailRAM = f.AvailRAM;
  FreePercent = f.FreePercent;
  TotalPage = f.TotalPage;
  AvailPage = f.AvailPage;
  PagePercent = f.PagePercent;
  settings = defaultSettings(TotalRAM, OSName, CurrentDir);

  for (Ctl id : {Ctl::RxSlider1, Ctl::RxSlider2, Ctl::RxSlider3, Ctl::RxSlider4})
    surface_.setRange(id, 0, TotalRAM);
  surface_.setRange(Ctl::RxSlider5, 0, 32);
  for (Ctl id : {Ctl::RxSpinEdit3, Ctl::RxSpinEdit4, Ctl::RxSpinEdit5})
    surface_.setRange(id, 1, TotalRAM > 0 ? TotalRAM : 1);

  surface_.setText(Ctl::Label24, mb(TotalRAM));
  showFigures();

  surface_.setText(Ctl::Label8, "");
  surface_.setText(Ctl::Label9, "");

  monitor.RearmTick = 0;
  monitor.Armed = true;
  monitor.PeriodTick = 0;

  if (OSName == OsFamily::WinNT) {
    for (Ctl id : kProcessorRow) surface_.setEnabled(id, false);
    DisableCacheTab();
  }

  Guarded([&] { ReadData(); });

  surface_.setEnabled(Ctl::Button2, false);
  if (settings.RAMIcon == 0) {
    kbTrayIcon1.setVisible(true);
    kbTrayIcon1.setPicture({TrayPicture::Kind::Idle, 0, false});
  }
  HideToTray();
  surface_.enableTimer(kMonitorPeriodMs);
}

void TForm1::showFigures() {
  surface_.setText(Ctl::Label25, mb(AvailRAM));
  surface_.setText(Ctl::Label26, pct(FreePercent));
  surface_.setText(Ctl::Label27, mb(TotalPage));
  surface_.setText(Ctl::Label28, mb(AvailPage));
  surface_.setText(Ctl::Label29, pct(PagePercent));
  surface_.setPosition(Ctl::ProgressBar1, FreePercent > 100 ? 100 : FreePercent);
  surface_.setPosition(Ctl::ProgressBar2, PagePercent > 100 ? 100 : PagePercent);
}

void TForm1::Button2Click() {
  reportingRunEntry([&] {
    SaveData();
    ReadData();
    surface_.setEnabled(Ctl::Button2, false);
  });
}

void TForm1::Button3Click() {
  reportingRunEntry([&] {
    ReadData();
    HideToTray();
    surface_.selectTab(kTabMemtidy);
    setDescriptionVisible(true);
    surface_.setEnabled(Ctl::Button2, false);
  });
}

void TForm1::PageControl1Change() {
  int tab = surface_.selectedTab();
  surface_.setText(Ctl::Label8, pageChangeFirstLine(tab, OSName == OsFamily::WinNT));
  setDescriptionVisible(descriptionBoxVisible(tab));
}

void TForm1::setDescriptionVisible(bool on) {
  for (Ctl id : {Ctl::GroupBox5, Ctl::Label8, Ctl::Label9}) surface_.setVisible(id, on);
}

void TForm1::ShowMainWindow() {
  surface_.showForm();
  Hidden = false;
  // Selecting a tab from here runs no page change: the box left hidden by
  // the About tab is shown here.
  surface_.selectTab(kTabMemtidy);
  setDescriptionVisible(true);
}

void TForm1::HideToTray() {
  surface_.hideForm();
  Hidden = true;
}

bool TForm1::WMSysCommand(uint32_t command) {
  switch (command & 0xFFF0) {
    case kScMinimize:
      HideToTray();
      surface_.selectTab(kTabMemtidy);
      setDescriptionVisible(true);
      return true;
    case kScClose:
      Close1Click();
      return true;
    default:
      return false;
  }
}

void TForm1::Close1Click() { surface_.closeForm(); }

void TForm1::kbTrayIcon1DblClick() { ShowMainWindow(); }

void TForm1::RxSlider1Change() {
  surface_.setEnabled(Ctl::Button2, true);
  int pos = surface_.position(Ctl::RxSlider1);
  settings.TargetFreeRAM = static_cast<uint16_t>(pos);
  surface_.setText(Ctl::Label18, mb(settings.TargetFreeRAM));
}

void TForm1::RxSlider2Change() {
  surface_.setEnabled(Ctl::Button2, true);
  int pos = surface_.position(Ctl::RxSlider2);
  settings.MinimumFreeRAM = static_cast<uint16_t>(pos);
  surface_.setText(Ctl::Label31, mb(settings.MinimumFreeRAM));
}

void TForm1::RxSpinEditChange(Ctl) { surface_.setEnabled(Ctl::Button2, true); }

void TForm1::RxSpinEditStep(Ctl id, int delta) {
  // At the range's end the arrows change nothing, and nothing is to apply.
  const std::string before = surface_.text(id);
  setSpin(id, spin(id) + delta);
  if (surface_.text(id) != before) RxSpinEditChange(id);
}

void TForm1::CheckBox2Click() {
  surface_.setEnabled(Ctl::Button2, true);
  autoStartShowsRunEntry_ = false;
}
void TForm1::CheckBox3Click() { surface_.setEnabled(Ctl::Button2, true); }

void TForm1::CheckBox1Click() {
  surface_.setEnabled(Ctl::Button2, true);
  bool on = surface_.checked(Ctl::CheckBox1);
  surface_.setEnabled(Ctl::Edit1, on);
  surface_.setEnabled(Ctl::SpeedButton1, on);
}

}  // namespace mt
