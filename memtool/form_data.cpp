// Moving the settings between the stores and the window.
#include "memtool/form.h"
#include "memtool/spin_value.h"

namespace mt {

namespace {

// Spin edits and the settings they show, in loading order.
struct SpinRow {
  Ctl id;
  double MemtidySettings::*field;
};
const SpinRow kSpinRows[] = {
    {Ctl::RxSpinEdit1, &MemtidySettings::FreeValue1}, {Ctl::RxSpinEdit2, &MemtidySettings::FreeTime},
    {Ctl::RxSpinEdit7, &MemtidySettings::FreeCPU},    {Ctl::RxSpinEdit3, &MemtidySettings::Menu1},
    {Ctl::RxSpinEdit4, &MemtidySettings::Menu2},      {Ctl::RxSpinEdit5, &MemtidySettings::Menu3},
};

const double MemtidySettings::*const kMenuFields[3] = {&MemtidySettings::Menu1, &MemtidySettings::Menu2,
                                                       &MemtidySettings::Menu3};

}  // namespace

void TForm1::ReadData() {
  reportingRunEntry([&] { loadIntoControls(); });
}

void TForm1::SaveData() {
  reportingRunEntry([&] { storeFromControls(); });
}

void TForm1::reportingRunEntry(const std::function<void()>& body) {
  ++runEntryDepth_;
  try {
    body();
  } catch (...) {
    if (--runEntryDepth_ == 0) runEntryFailure_.clear();
    throw;
  }
  if (--runEntryDepth_ > 0 || runEntryFailure_.empty()) return;
  std::string text;
  text.swap(runEntryFailure_);
  throw OperationError(text);
}

// A user who may not change HKEY_LOCAL_MACHINE (the usual case on the NT
// family) cannot write the Run entry; everything else must still load and
// store, so the failure is noted and reported when the operation ends.
void TForm1::applyRunEntryNoted(bool on, bool createKey) {
  try {
    applyRunEntry(*services_.registry, on, CurrentDir, createKey);
  } catch (const OperationError& e) {
    if (runEntryFailure_.empty()) runEntryFailure_ = e.what();
  }
}

void TForm1::loadIntoControls() {
  if (OSName == OsFamily::Win9x) LoadCacheTexts();
  settings = loadSettings(*services_.registry, TotalRAM, OSName, CurrentDir);
  // A FreeTime below the spin edit's range would make the periodic rule due
  // on every tick.
  const int lo = surface_.rangeMin(Ctl::RxSpinEdit2), hi = surface_.rangeMax(Ctl::RxSpinEdit2);
  if (!(settings.FreeTime >= lo)) settings.FreeTime = lo;
  if (settings.FreeTime > hi) settings.FreeTime = hi;
  settings.FreeInterval = settings.FreeTime * 60000.0;

  const bool wanted = settings.AutoStart == 1;
  applyRunEntryNoted(wanted, false);
  const bool present = runEntryPresent(*services_.registry);
  autoStartShowsRunEntry_ = present != wanted;
  if (autoStartShowsRunEntry_)
    surface_.setChecked(Ctl::CheckBox2, present);
  else if (wanted)
    surface_.setChecked(Ctl::CheckBox2, true);
  if (OSName == OsFamily::Win9x) ShowCacheTexts();

  surface_.setText(Ctl::Label18, std::to_string(settings.TargetFreeRAM) + " MB");
  setSliderPosition(Ctl::RxSlider1, settings.TargetFreeRAM);
  surface_.setText(Ctl::Label31, std::to_string(settings.MinimumFreeRAM) + " MB");
  setSliderPosition(Ctl::RxSlider2, settings.MinimumFreeRAM);

  for (const SpinRow& row : kSpinRows) setSpin(row.id, settings.*row.field);

  for (int i = 0; i < 3; ++i)
    PopMenuCaptions[i] = "Free up " + generalNumber(settings.*kMenuFields[i]) + " MB";

  if (settings.RAMIcon == 1) surface_.setChecked(Ctl::CheckBox3, true);
  bool sound = settings.PlaySound == 1;
  if (sound) surface_.setChecked(Ctl::CheckBox1, true);
  surface_.setEnabled(Ctl::Edit1, sound);
  surface_.setEnabled(Ctl::SpeedButton1, sound);
  surface_.setText(Ctl::Edit1, settings.Music);
}

void TForm1::storeFromControls() {
  if (OSName == OsFamily::Win9x) StoreCacheTexts();
  const bool autoStart = autoStartShowsRunEntry_ ? settings.AutoStart == 1 : surface_.checked(Ctl::CheckBox2);
  applyRunEntryNoted(autoStart, true);

  MemtidySettings s = settings;
  s.TargetFreeRAM = static_cast<uint16_t>(surface_.position(Ctl::RxSlider1));
  s.MinimumFreeRAM = static_cast<uint16_t>(surface_.position(Ctl::RxSlider2));
  for (const SpinRow& row : kSpinRows) s.*row.field = spin(row.id);
  s.RAMIcon = surface_.checked(Ctl::CheckBox3) ? 1 : 0;
  s.PlaySound = surface_.checked(Ctl::CheckBox1) ? 1 : 0;
  s.AutoStart = autoStart ? 1 : 0;
  storeSettings(*services_.registry, s);
}

void TForm1::setSliderPosition(Ctl id, int position) {
  int lo = surface_.rangeMin(id), hi = surface_.rangeMax(id);
  if (position < lo) position = lo;
  if (position > hi) position = hi;
  if (position == surface_.position(id)) return;
  surface_.setPosition(id, position);
  switch (id) {
    case Ctl::RxSlider1: RxSlider1Change(); break;
    case Ctl::RxSlider2: RxSlider2Change(); break;
    case Ctl::RxSlider3: RxSlider3Change(); break;
    case Ctl::RxSlider4: RxSlider4Change(); break;
    case Ctl::RxSlider5: RxSlider5Change(); break;
    default: break;
  }
}

void TForm1::setSpin(Ctl id, double value) {
  surface_.setText(id, spinText(value, surface_.rangeMin(id), surface_.rangeMax(id)));
}

double TForm1::spin(Ctl id) {
  return spinValue(surface_.text(id), surface_.rangeMin(id), surface_.rangeMax(id));
}

}  // namespace mt
