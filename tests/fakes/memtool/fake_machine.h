// Fakes of the machine: system facts and clock, memory blocks, the sound,
// and the tray shell. Each records what it was asked, in order, into one
// shared event log so tests can check the order across services.
#pragma once
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "memtool/platform/memory.h"
#include "memtool/platform/sound.h"
#include "memtool/platform/system.h"
#include "memtool/platform/tray_shell.h"

namespace mt {

using EventLog = std::vector<std::string>;

class FakeSystem : public SystemServices {
 public:
  bool windowExists(const std::string& cls, const std::string& title) override {
    return cls == existingClass && title == existingTitle;
  }
  uint32_t platformId() override { return platform; }
  MemoryStatus memoryStatus() override { return memory; }
  bool memoryStatusEx(MemoryStatus* out) override {
    if (!hasEx) return false;
    *out = memoryEx;
    return true;
  }
  std::string currentDirectory() override { return directory; }
  uint32_t tickCount() override { return ticks; }

  void setMB(uint64_t totalMB, uint64_t availMB) {
    memory.totalPhys = totalMB << 20;
    memory.availPhys = availMB << 20;
  }

  std::string existingClass, existingTitle;
  uint32_t platform = kPlatformWindows;
  MemoryStatus memory;  // what GlobalMemoryStatus reports
  // What GlobalMemoryStatusEx reports, when the system has it.
  bool hasEx = false;
  MemoryStatus memoryEx;
  std::string directory = "C:\\Tools\\Memtidy";
  uint32_t ticks = 1000;
};

// Blocks are real memory filled with a pattern; release checks that every
// byte was written before the block came back.
class FakeMemory : public VirtualMemory {
 public:
  explicit FakeMemory(EventLog& log) : log_(log) {}
  void* commit(std::size_t bytes) override {
    log_.push_back("commit " + std::to_string(bytes >> 20));
    if (failCommit || bytes > limitBytes) return nullptr;
    block_.assign(bytes, 0xA5);
    return block_.data();
  }
  void release(void* block, std::size_t bytes) override {
    bool allZero = block == block_.data() && bytes == block_.size();
    for (std::size_t i = 0; allZero && i < block_.size(); ++i) allZero = block_[i] == 0;
    log_.push_back(std::string("release ") + (allZero ? "touched" : "UNTOUCHED"));
    block_.clear();
    block_.shrink_to_fit();
  }
  bool failCommit = false;
  std::size_t limitBytes = std::size_t(64) << 20;  // keeps the tests small

 private:
  EventLog& log_;
  std::vector<uint8_t> block_;
};

class FakeSound : public Sound {
 public:
  explicit FakeSound(EventLog& log) : log_(log) {}
  void playSync(const std::string& path) override { log_.push_back("sound " + path); }

 private:
  EventLog& log_;
};

inline std::string describe(const TrayPicture& p) {
  switch (p.kind) {
    case TrayPicture::Kind::ProgramIcon: return "program";
    case TrayPicture::Kind::Idle: return "idle";
    case TrayPicture::Kind::Busy: return "busy";
    case TrayPicture::Kind::Level: return std::string("level ") + std::to_string(p.availMB) + (p.busy ? " busy" : " idle");
  }
  return "?";
}

class FakeTrayShell : public TrayShell {
 public:
  explicit FakeTrayShell(EventLog& log) : log_(log) {}
  bool add(const TrayPicture& p, const std::string& tip) override {
    log_.push_back("tray add " + describe(p));
    if (refuse) return false;
    shown = true;
    picture = p;
    this->tip = tip;
    return true;
  }
  bool modify(const TrayPicture& p, const std::string& tip) override {
    log_.push_back("tray " + describe(p));
    ++modifies;
    if (refuse || !shown) return false;  // no icon to modify until added
    picture = p;
    this->tip = tip;
    return true;
  }
  bool remove() override {
    log_.push_back("tray remove");
    shown = false;
    return true;
  }
  bool shown = false;
  TrayPicture picture;
  std::string tip;
  int modifies = 0;
  bool refuse = false;  // a busy shell: add and modify fail, nothing changes

 private:
  EventLog& log_;
};

}  // namespace mt
