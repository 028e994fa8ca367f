// System services on kernel32, the version library and the processor.
#pragma once
#include "tweaker/platform/system.h"

namespace vdx {

class Win32System : public SystemServices {
 public:
  std::string systemDirectory() override;
  std::string windowsDirectory() override;
  std::string programDirectory() override;
  bool setCurrentDirectory(const std::string& dir) override;
  bool fileVersionText(const std::string& path, std::string* text) override;
  MemoryStatusRecord memoryStatus() override;
  OsVersionRecord osVersion() override;
  uint32_t tickCount() override;
  bool cpuid(uint32_t leaf, uint32_t regs[4]) override;
  bool rdtsc(uint64_t* value) override;
  bool localDateTime(std::string* date, std::string* time) override;
};

}  // namespace vdx
