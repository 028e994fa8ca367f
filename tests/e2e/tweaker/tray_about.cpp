// The About / system information dialog from the tray on two simulated
// cards: the card's chip, BIOS, clocks, memory and driver files, this
// machine's processor and Wine's Windows 98; the Savage3D has no engine clock
// and an OpenGL driver the registry does not list.
#include <intrin.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "tests/e2e/common/driver.h"
#include "tests/e2e/tweaker/tray_session.h"

namespace {

constexpr int kChip = 1002, kMclk = 1003, kEclk = 1004, kDriver = 1005, kBios = 1006, kDirectX = 1007,
              kDxMedia = 1008, kEclkLabel = 1009, kVideoRam = 1010, kSubsystem = 1011, kIcd = 1012, kMetal = 1014,
              kOs = 1016, kClassKey = 1017, kCpuType = 1022, kCpuInfo = 1024, kFeatures = 1026, kBus = 1028;
const char kWarning[] = "**WARNING! NOT IN REGISTRY!**";

void selectCard(const std::string& preset) {
  const std::string exe = e2e::option("exe", "Vidarix-sim.exe");
  const size_t slash = exe.find_last_of("\\/");
  const std::string folder = slash == std::string::npos ? std::string(".") : exe.substr(0, slash);
  e2e::writeFile(folder + "\\VidarixSim.ini", "[Card]\r\nPreset=" + preset + "\r\n");
}

bool has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

std::string field(HWND dialog, int id) { return e2e::text(e2e::control(dialog, id)); }

// What this machine's processor reports, as the dialog should name it.
struct HostCpu {
  std::string vendor;
  int stepping = 0;
  bool mmx = false;
  bool tsc = false;
};

HostCpu hostCpu() {
  int r[4];
  __cpuid(r, 0);
  char vendor[13] = {};
  std::memcpy(vendor, &r[1], 4);
  std::memcpy(vendor + 4, &r[3], 4);
  std::memcpy(vendor + 8, &r[2], 4);
  HostCpu cpu;
  cpu.vendor = vendor;
  __cpuid(r, 1);
  cpu.stepping = r[0] & 0xF;
  cpu.mmx = (r[3] >> 23) & 1;
  cpu.tsc = (r[3] >> 4) & 1;
  return cpu;
}

HWND openAbout(tray::Session& s) {
  HWND menu = s.openMenu();
  if (!menu) return nullptr;
  tray::mnemonic(menu, 'a');  // "&About"
  // The processor's clock is measured for 350 ms before the dialog shows.
  for (int i = 0; i < 80; ++i, e2e::pause(100)) {
    for (HWND w : e2e::windowsOf(s.process().id))
      if (e2e::text(w).rfind("About Vidarix - (v", 0) == 0 && IsWindowVisible(w)) return w;
  }
  return nullptr;
}

void checkProcessor(HWND dialog, const std::string& card) {
  const HostCpu cpu = hostCpu();
  const std::string type = field(dialog, kCpuType);
  if (cpu.vendor == "GenuineIntel" || cpu.vendor == "AuthenticAMD" || cpu.vendor == "CyrixInstead")
    e2e::check(type.rfind(cpu.vendor, 0) == 0, card + ": the CPU type names this machine's vendor", type);
  if (cpu.tsc) {
    const size_t at = type.find(" at ");
    e2e::check(at != std::string::npos && has(type, ".0 MHz"), card + ": the clock in whole MHz", type);
    e2e::check(at != std::string::npos && std::atof(type.c_str() + at + 4) > 100.0, card + ": a plausible clock",
               type);
  }
  e2e::checkEq(cpu.mmx, has(field(dialog, kFeatures), "MMX"), card + ": MMX listed as the processor has it");
  const std::string info = field(dialog, kCpuInfo);
  e2e::check(info.rfind("Stepping " + std::to_string(cpu.stepping) + "  L1=", 0) == 0,
             card + ": stepping and caches", info);
}

struct CardView {
  const char* preset;
  const char* chip;
  const char* bios;
  const char* videoRam;
  const char* driver;
  const char* icd;
  bool engineClock;
  bool icdRegistered;
};

void checkCard(const CardView& want) {
  selectCard(want.preset);
  tray::Prefs prefs;
  tray::Session s(prefs);
  if (!s.running()) return;
  const std::string card = want.preset;
  HWND dialog = openAbout(s);
  e2e::check(dialog != nullptr, card + ": \"&About\" opens the About dialog");
  if (!dialog) return;
  e2e::check(has(e2e::text(dialog), ")") && e2e::text(dialog).size() > 20, card + ": title with the version",
             e2e::text(dialog));
  e2e::checkEq(want.chip, field(dialog, kChip), card + ": chip line");
  e2e::checkEq("AGP", field(dialog, kBus), card + ": bus");
  e2e::checkEq(want.videoRam, field(dialog, kVideoRam), card + ": video memory");
  e2e::check(has(field(dialog, kMclk), " MHz") && !has(field(dialog, kMclk), "???"), card + ": Mclk from the chip",
             field(dialog, kMclk));
  e2e::checkEq(want.engineClock, IsWindowVisible(e2e::control(dialog, kEclkLabel)) != 0, card + ": Eclk label");
  if (want.engineClock)
    e2e::check(has(field(dialog, kEclk), " MHz"), card + ": Eclk from the chip", field(dialog, kEclk));
  e2e::checkEq(want.bios, field(dialog, kBios), card + ": BIOS line");
  e2e::check(has(field(dialog, kSubsystem), "("), card + ": maker line", field(dialog, kSubsystem));
  e2e::check(has(field(dialog, kClassKey), "Services\\Class\\Display\\"), card + ": class key",
             field(dialog, kClassKey));
  e2e::checkEq(want.driver, field(dialog, kDriver), card + ": driver version");
  e2e::checkEq("4.12.01.2068-1.0.6  (metal.dll)", field(dialog, kMetal), card + ": Metal version");
  const std::string icd = field(dialog, kIcd);
  e2e::check(icd.rfind(want.icd, 0) == 0, card + ": ICD version", icd);
  e2e::checkEq(!want.icdRegistered, has(icd, kWarning), card + ": ICD registry warning");
  e2e::check(field(dialog, kOs).rfind("Windows 98 (", 0) == 0, card + ": Wine's win98 mode", field(dialog, kOs));
  // Wine answers for its built-in DirectDraw, whatever file the prefix holds.
  e2e::check(has(field(dialog, kDirectX), "  (DirectX "), card + ": DirectX line", field(dialog, kDirectX));
  e2e::checkEq("4.12.01.2068-2.0.4", field(dialog, kDxMedia), card + ": DxMedia line");
  checkProcessor(dialog, card);
  e2e::screenshot(std::string("vidarix-about-") + want.preset);
  e2e::click(e2e::control(dialog, IDOK));
  e2e::check(e2e::waitGone(dialog, 3000), card + ": \"Righto!\" closes it");
}

}  // namespace

E2E_SCENARIO(tray_about_system_information) {
  checkCard({"Savage4", "Savage4 GT/Pro, rev GT-B5", "1.02.05 [9/23/1999]", "32 MB SGRAM",
             "4.12.01.2068-8.20.15  (s3_8.drv)", "4.12.01.2068-8.20.13  (s3micd.dll)", true, true});
  checkCard({"Savage3D", "Savage3D, rev A3", "1.01.12 [5/14/2000]", "8 MB SGRAM", "4.11.01.2003-6.13.20  (s3_6.drv)",
             "4.11.01.2003-6.13.25  (s3gicd.dll)", false, false});
  selectCard("Savage4");
}
