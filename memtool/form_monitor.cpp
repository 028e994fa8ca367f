// The one-second monitor tick, the recovery and the tray icon's picture.
#include <cstdio>
#include <vector>

#include "memtool/form.h"
#include "memtool/memory_figures.h"
#include "memtool/platform/memory.h"
#include "memtool/platform/registry.h"
#include "memtool/platform/sound.h"
#include "memtool/platform/system.h"
#include "memtool/recovery.h"

namespace mt {

namespace {

const char kCpuKey[] = "PerfStats\\StatData";
const char kCpuValue[] = "KERNEL\\CPUUsage";

class FormActions : public MonitorActions {
 public:
  explicit FormActions(TForm1& form) : form_(form) {}
  uint32_t tickCount() override { return form_.services().system->tickCount(); }
  void recover(uint32_t amountMB) override { form_.Defragmem(amountMB); }

 private:
  TForm1& form_;
};

uint16_t sampleCpuUsage(Registry& reg) {
  RegKey key;
  if (!key.open(reg, RegRoot::DynData, kCpuKey)) return 0;
  // A missing value and a failed read both count as 0: one query tells both.
  uint32_t type = 0;
  std::vector<uint8_t> data;
  if (!reg.queryValue(key.handle(), kCpuValue, &type, &data)) return 0;
  return cpuUsageFromValue(true, type, data);
}

}  // namespace

RuleSettings TForm1::ruleSettings() const {
  RuleSettings r;
  r.TargetFreeRAM = settings.TargetFreeRAM;
  r.MinimumFreeRAM = settings.MinimumFreeRAM;
  r.FreeValue1 = settings.FreeValue1;
  r.FreeInterval = settings.FreeInterval;
  r.FreeCPU = settings.FreeCPU;
  return r;
}

void TForm1::Timer1Timer() {
  monitor.CPUUsage = OSName == OsFamily::WinNT ? 0 : sampleCpuUsage(*services_.registry);

  MemoryStatus status = sampleMemory(*services_.system, OSName);
  AvailRAM = bytesToMB(status.availPhys);

  // Both rules judge this tick's sample, even after a recovery in between.
  const uint16_t sampled = AvailRAM;
  FormActions actions(*this);
  lowMemoryRule(monitor, sampled, ruleSettings(), actions);
  periodicRule(monitor, sampled, ruleSettings(), actions);

  if (!kbTrayIcon1.visible()) kbTrayIcon1.setVisible(true);
  const TrayPicture picture = settings.RAMIcon == 1 ? TrayPicture{TrayPicture::Kind::Level, AvailRAM, false}
                                                    : TrayPicture{TrayPicture::Kind::Idle, 0, false};

  if (!Hidden) {
    FreePercent = percentOf(AvailRAM, TotalRAM);
    AvailPage = bytesToMB(status.availPageFile);
    PagePercent = percentOf(AvailPage, TotalPage);
    showFigures();
  }

  // Picture and tip go to the shell together, and only when one of them
  // changed: an idle tick mostly finds the same figure.
  char tip[32];
  std::snprintf(tip, sizeof tip, "Memtidy (%u MB)", static_cast<unsigned>(AvailRAM));
  kbTrayIcon1.update(picture, tip);
}

void TForm1::Defragmem(uint32_t amountMB) {
  monitor.PeriodTick = 0;
  if (settings.PlaySound == 1) services_.sound->playSync(settings.Music);
  if (settings.RAMIcon == 1)
    CreateIcon(true);
  else
    kbTrayIcon1.setPicture({TrayPicture::Kind::Busy, 0, false});
  // A block that cannot be sized or committed touches nothing; the idle
  // icon comes back either way.
  recoverBlock(*services_.memory, amountMB);
  if (settings.RAMIcon == 1)
    CreateIcon(false);
  else
    kbTrayIcon1.setPicture({TrayPicture::Kind::Idle, 0, false});
}

void TForm1::CreateIcon(bool busy) {
  kbTrayIcon1.setPicture({TrayPicture::Kind::Level, AvailRAM, busy});
}

void TForm1::PopMenuClick(int item) {
  const double* amounts[3] = {&settings.Menu1, &settings.Menu2, &settings.Menu3};
  if (item < 1 || item > 3) return;
  uint32_t amount = 0;
  if (recoveryAmount(*amounts[item - 1], AvailRAM, &amount)) Defragmem(amount);
}

}  // namespace mt
