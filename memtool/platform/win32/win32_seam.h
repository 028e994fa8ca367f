// The real Win32 services behind Memtidy's platform seam.
#pragma once
#include "memtool/platform/memory.h"
#include "memtool/platform/registry.h"
#include "memtool/platform/sound.h"
#include "memtool/platform/system.h"

namespace mt {

class Win32Registry : public Registry {
 public:
  bool createKey(RegRoot root, const std::string& path, RegKeyHandle* out) override;
  bool openKey(RegRoot root, const std::string& path, RegKeyHandle* out) override;
  bool openKeyToRead(RegRoot root, const std::string& path, RegKeyHandle* out) override;
  void closeKey(RegKeyHandle key) override;
  bool valueExists(RegKeyHandle key, const std::string& name) override;
  bool queryValue(RegKeyHandle key, const std::string& name, uint32_t* type,
                  std::vector<uint8_t>* data) override;
  bool setValue(RegKeyHandle key, const std::string& name, uint32_t type, const void* data,
                std::size_t size) override;
  bool deleteValue(RegKeyHandle key, const std::string& name) override;
};

class Win32System : public SystemServices {
 public:
  bool windowExists(const std::string& className, const std::string& title) override;
  uint32_t platformId() override;
  MemoryStatus memoryStatus() override;
  bool memoryStatusEx(MemoryStatus* out) override;
  std::string currentDirectory() override;
  uint32_t tickCount() override;

 private:
  // GlobalMemoryStatusEx, looked up once: the monitor asks every second.
  void* statusEx_ = nullptr;
  bool statusExLooked_ = false;
};

class Win32Memory : public VirtualMemory {
 public:
  void* commit(std::size_t bytes) override;
  void release(void* block, std::size_t bytes) override;
};

class Win32Sound : public Sound {
 public:
  void playSync(const std::string& path) override;
};

}  // namespace mt
