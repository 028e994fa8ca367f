// Runs adapter identification and the clock functions on the simulated
// adapter, as the tweaker does at start-up, and prints the record. Given a
// card preset name, checks every field against what the provisioned prefix
// and that card must give. Ends with "wine-identify <preset>: N passed, N failed".
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "tests/wine-identify/expected_cards.h"
#include "tweaker/adapter/chip_registers.h"
#include "tweaker/adapter/file_version.h"
#include "tweaker/adapter/identify_adapter.h"
#include "tweaker/adapter/log_timestamp.h"
#include "tweaker/adapter/os_version.h"
#include "tweaker/adapter/physical_memory.h"
#include "tweaker/adapter/pll.h"
#include "tweaker/display/driver_escape.h"
#include "tweaker/platform/platform.h"
#include "tweaker/platform/program_platform.h"
#include "tweaker/shell/startup_checks.h"

namespace vdx {
namespace {

int g_passed = 0;
int g_failed = 0;

void check(bool ok, const char* what, const std::string& got, const std::string& want) {
  if (ok) {
    ++g_passed;
    std::printf("  ok   %s: %s\n", what, got.c_str());
  } else {
    ++g_failed;
    std::printf("  FAIL %s: got \"%s\", want \"%s\"\n", what, got.c_str(), want.c_str());
  }
}

void checkText(const char* what, const std::string& got, const std::string& want) {
  check(got == want, what, got, want);
}

std::string hex(uint32_t v) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "0x%X", static_cast<unsigned>(v));
  return buf;
}

void checkHex(const char* what, uint32_t got, uint32_t want) { check(got == want, what, hex(got), hex(want)); }

std::string mhzText(float mhz) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.4f", static_cast<double>(mhz));
  return buf;
}

// The chips the start-up check accepts; others only run with -IgnoreChip,
// and then their revision is never read.
void printRecord(const AdapterIdentity& id) {
  std::printf("chipName: %s\n", id.chipName.c_str());
  std::printf("deviceId: 0x%04X revision: 0x%02X subsystem: %04X:%04X memoryType: %u\n",
              static_cast<unsigned>(id.deviceId), static_cast<unsigned>(id.revision), id.subsystemVendorId,
              id.subsystemId, id.memoryType);
  std::printf("capabilities: 0x%08X iconId: %u tmValueFloor: %u perfIcdMenuDefault: %d vidTex: %s\n",
              static_cast<unsigned>(id.capabilities), id.iconId, static_cast<unsigned>(id.tmValueFloor),
              id.perfIcdMenuDefault ? 1 : 0, id.vidTexValueName.c_str());
  std::printf("limits: mclk %.0f eclk %.0f; pll mclk %02X/%04X/%X mode %u, eclk %02X/%04X mode %u\n",
              static_cast<double>(id.mclkLimit), static_cast<double>(id.eclkLimit), id.mclkPll.pllIndex,
              id.mclkPll.loadWord(), id.mclkPll.postDividerFlagRegister, static_cast<unsigned>(id.mclkSearchMode),
              id.eclkPll.pllIndex, id.eclkPll.loadWord(), static_cast<unsigned>(id.eclkSearchMode));
  std::printf("cardKey: %s\nclassKey: %s\nsettings: %s %s\n", id.cardKeyPath.c_str(), id.classKeyPath.c_str(),
              id.settingsRoot == RegRoot::LocalMachine ? "HKLM" : "HKCC", id.settingsKeyPath.c_str());
  std::printf("driver: %s (0x%06X)\nicd: %s (0x%06X)\nmetal: %s\n", id.driverFilePath.c_str(),
              static_cast<unsigned>(id.driverVersion), id.icdFilePath.c_str(), static_cast<unsigned>(id.icdVersion),
              id.metalFilePath.c_str());
}

void checkRecord(const Platform& hw, const AdapterIdentity& id, const ExpectedCard& want) {
  const std::string sys = hw.system->systemDirectory();
  auto inSys = [&](const char* name) { return *name ? sys + "\\" + name : std::string(); };
  const std::string classKey =
      *want.classKey ? std::string("System\\CurrentControlSet\\Services\\Class\\Display\\") + want.classKey : "";
  checkHex("deviceId", id.deviceId, want.deviceId);
  checkText("chipName", id.chipName, want.chipName);
  checkHex("capabilities", id.capabilities, want.capabilities);
  checkHex("memoryType", id.memoryType, want.memoryType);
  checkHex("subsystemVendorId", id.subsystemVendorId, want.subsystemVendorId);
  checkHex("subsystemId", id.subsystemId, want.subsystemId);
  checkText("classKeyPath", id.classKeyPath, classKey);
  checkText("driverFilePath", id.driverFilePath, inSys(want.driverFile));
  checkText("icdFilePath", id.icdFilePath, inSys(want.icdFile));
  checkText("metalFilePath", id.metalFilePath, *want.driverFile ? inSys("metal.dll") : "");
  checkHex("driverVersion", id.driverVersion, want.driverVersion);
  checkHex("icdVersion", id.icdVersion, want.icdVersion);
  checkText("settingsKeyPath", id.settingsKeyPath, want.settingsMoved ? classKey + "\\DEFAULT" : "Display\\Settings");
  check((id.settingsRoot == RegRoot::LocalMachine) == want.settingsMoved, "settingsRoot",
        id.settingsRoot == RegRoot::LocalMachine ? "HKLM" : "HKCC", want.settingsMoved ? "HKLM" : "HKCC");
  checkText("vidTexValueName", id.vidTexValueName, want.vidTex);
  check(id.perfIcdMenuDefault == want.perfIcdMenuDefault, "perfIcdMenuDefault", id.perfIcdMenuDefault ? "on" : "off",
        want.perfIcdMenuDefault ? "on" : "off");
  std::string revision;
  readClassKeyString(*hw.registry, pciIdsOf(id), "INFO", "Revision", &revision);
  checkText("INFO Revision", revision, want.infoRevision);
}

// Reads a clock, moves it to a nearby frequency the search finds, reads it
// back, and puts the original divisors back (the card keeps its registers).
void exerciseClock(const Platform& hw, const char* name, const PllRegisterSet& pll, uint32_t mode) {
  ChipPorts& ports = *hw.ports;
  const uint8_t mReg = readSeqReg(ports, pll.pllIndex);
  const uint8_t nReg = readSeqReg(ports, static_cast<uint8_t>(pll.pllIndex + 1));
  const float before = readPllFrequency(ports, pll.pllIndex, pll.postDividerFlagRegister);
  std::printf("%s: %.4f MHz (M/N registers %02X %02X)\n", name, static_cast<double>(before), mReg, nReg);
  check(before > 10.0f && before < 400.0f, name, mhzText(before), "a plausible clock");
  const float target = mode == 1 ? 166.0f : 100.0f;
  const PllDivisors d = findPllDivisors(target, true, mode);
  check(d.mhz > 0.0f, "divisors found", mhzText(d.mhz), "non-zero");
  const float set =
      programPll(ports, *hw.clock, pll.pllIndex, pll.loadWord(), d.mReg, d.nReg, pll.postDividerFlagRegister, 120);
  check(std::fabs(set - d.mhz) < 0.001f, "programmed clock reads back", mhzText(set), mhzText(d.mhz));
  const float restored =
      programPll(ports, *hw.clock, pll.pllIndex, pll.loadWord(), mReg, nReg, pll.postDividerFlagRegister, 10);
  check(std::fabs(restored - before) < 0.001f, "original clock restored", mhzText(restored), mhzText(before));
}

int run(const char* preset) {
  ProgramPlatform platform;
  const Platform& hw = platform.services();
  DriverEscapes driver(*hw.display);
  uint32_t deviceId = 0;
  const bool escapes = driver.QueryDriverEscapes() && driver.DRV_GET_DEVICE_ID(&deviceId);
  check(escapes, "driver escapes answer", escapes ? hex(deviceId) : "no", "device id");
  AdapterIdentity id;
  id.deviceId = deviceId;
  if (isSupportedChip(deviceId)) id.revision = readChipRevision(*hw.ports, deviceId);
  fillAdapterIdentity(hw, id);
  printRecord(id);

  const ExpectedCard* want = preset ? expectedCard(preset) : nullptr;
  if (preset && !want) check(false, "preset", preset, "a known card");
  if (want) checkRecord(hw, id, *want);

  if (id.has(kCapMclk)) exerciseClock(hw, "Mclk", id.mclkPll, id.mclkSearchMode);
  if (id.has(kCapEclk)) exerciseClock(hw, "Eclk", id.eclkPll, id.eclkSearchMode);

  std::string osText;
  const OsVersionCode os = classifyOsVersion(*hw.system, &osText);
  check(os == kOsWin98, "Windows version", osText, "Windows 98 (code 10)");
  const std::string stamp = formatLogTimestamp(*hw.system);
  check(stamp.size() > 4 && stamp.find(' ') != std::string::npos, "log timestamp", stamp, "date and time");
  const uint32_t mb = physicalMemoryMegabytes(*hw.system);
  check(mb > 0, "physical memory MB", std::to_string(mb), "more than 0");

  std::printf("wine-identify %s: %d passed, %d failed\n", preset ? preset : "(no check)", g_passed, g_failed);
  std::fflush(stdout);
  return g_failed == 0 ? 0 : 1;
}

}  // namespace
}  // namespace vdx

int main(int argc, char** argv) { return vdx::run(argc > 1 ? argv[1] : nullptr); }
