// System services with every answer set by the test.
#pragma once
#include <cstdint>
#include <array>
#include <map>
#include <string>

#include "tweaker/platform/system.h"

namespace vdx {

class FakeSystem : public SystemServices {
 public:
  std::string systemDirectory() override { return systemDir; }
  std::string windowsDirectory() override { return windowsDir; }
  std::string programDirectory() override { return programDir; }
  bool setCurrentDirectory(const std::string& dir) override;
  bool fileVersionText(const std::string& path, std::string* text) override;
  MemoryStatusRecord memoryStatus() override { return memory; }
  OsVersionRecord osVersion() override { return os; }
  uint32_t tickCount() override {
    uint32_t t = ticks;
    ticks += tickStep;
    return t;
  }
  bool cpuid(uint32_t leaf, uint32_t regs[4]) override;
  bool rdtsc(uint64_t* value) override;
  bool localDateTime(std::string* date, std::string* time) override {
    if (date) *date = localDate;
    if (time) *time = localTime;
    return hasLocalDateTime;
  }

  // Registers a file's FileVersion text (paths compare case-insensitively).
  void setFileVersion(const std::string& path, const std::string& text);

  std::string systemDir = "C:\\WINDOWS\\SYSTEM";
  std::string windowsDir = "C:\\WINDOWS";
  std::string programDir = "C:\\Program Files\\Vidarix";
  std::string currentDir = "C:\\";
  MemoryStatusRecord memory{64ull << 20, 32ull << 20, 128ull << 20, 100ull << 20};
  OsVersionRecord os{4, 10, 0x040A08AE, 1, " A "};
  uint32_t ticks = 1000;
  uint32_t tickStep = 0;
  bool hasCpuid = true;
  std::map<uint32_t, std::array<uint32_t, 4>> cpuidLeaves;
  bool hasRdtsc = true;
  uint64_t tsc = 0;
  uint64_t tscStep = 0;
  bool hasLocalDateTime = true;
  std::string localDate = "08.12.2026";
  std::string localTime = "04:00:00";

 private:
  std::map<std::string, std::string> versions_;
};

}  // namespace vdx
