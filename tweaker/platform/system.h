// System services: directories, file versions, memory, OS version, CPU.
#pragma once
#include <cstdint>
#include <string>

namespace vdx {

struct OsVersionRecord {
  uint32_t majorVersion = 0;
  uint32_t minorVersion = 0;
  uint32_t buildNumber = 0;
  uint32_t platformId = 0;  // 0 Win32s, 1 Windows 95/98/Me, 2 NT
  std::string csdVersion;
};

struct MemoryStatusRecord {
  uint64_t totalPhys = 0;
  uint64_t availPhys = 0;
  uint64_t totalPageFile = 0;
  uint64_t availPageFile = 0;
};

class SystemServices {
 public:
  virtual ~SystemServices() = default;
  virtual std::string systemDirectory() = 0;
  virtual std::string windowsDirectory() = 0;
  // Folder of the running program, without a trailing backslash.
  virtual std::string programDirectory() = 0;
  virtual bool setCurrentDirectory(const std::string& dir) = 0;
  // The FileVersion text of a file's version resource (first translation);
  // false and empty when the file or resource is missing.
  virtual bool fileVersionText(const std::string& path, std::string* text) = 0;
  virtual MemoryStatusRecord memoryStatus() = 0;
  virtual OsVersionRecord osVersion() = 0;
  virtual uint32_t tickCount() = 0;
  // CPUID leaf -> eax, ebx, ecx, edx; false where the instruction is missing.
  virtual bool cpuid(uint32_t leaf, uint32_t regs[4]) = 0;
  virtual bool rdtsc(uint64_t* value) = 0;
  // The current local date in the user's default short format and the local
  // time with the 24-hour clock forced (GetDateFormatA / GetTimeFormatA with
  // TIME_FORCE24HOURFORMAT), each at most 31 characters. False when the
  // service cannot tell.
  virtual bool localDateTime(std::string* date, std::string* time) { return false; }
};

}  // namespace vdx
