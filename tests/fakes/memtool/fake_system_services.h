// Recording fakes of the shutdown, shell, clipboard and file dialog services.
#pragma once
#include <string>
#include <vector>

#include "memtool/platform/clipboard.h"
#include "memtool/platform/file_dialog.h"
#include "memtool/platform/shell_open.h"
#include "memtool/platform/shutdown.h"

namespace mt {

// Every call as a line, in order: "privilege on", "exit 10", "power suspend=1 force=0".
class FakeShutdown : public Shutdown {
 public:
  void setShutdownPrivilege(bool enabled) override { calls.push_back(enabled ? "privilege on" : "privilege off"); }
  void exitWindows(unsigned flags) override { calls.push_back("exit " + std::to_string(flags)); }
  void setSystemPowerState(bool suspend, bool force) override {
    calls.push_back("power suspend=" + std::to_string(suspend) + " force=" + std::to_string(force));
  }
  std::vector<std::string> calls;
};

class FakeShellOpen : public ShellOpen {
 public:
  struct Call {
    WindowRef owner;
    std::string verb, file, params, dir;
    int show;
  };
  bool execute(WindowRef owner, const std::string& verb, const std::string& file, const std::string& params,
               const std::string& dir, int showCmd) override {
    calls.push_back({owner, verb, file, params, dir, showCmd});
    return succeed;
  }
  std::vector<Call> calls;
  bool succeed = true;
};

class FakeClipboard : public Clipboard {
 public:
  bool clear() override {
    ++clears;
    return true;
  }
  int clears = 0;
};

// Answers each dialog with the next scripted path; an empty answer cancels.
class FakeFileDialog : public FileDialog {
 public:
  bool openFile(WindowRef, const std::string& filter, std::string& fileName) override {
    lastFilter = filter;
    startedAt.push_back(fileName);
    if (answers.empty() || answers.front().empty()) {
      if (!answers.empty()) answers.erase(answers.begin());
      return false;
    }
    fileName = answers.front();
    answers.erase(answers.begin());
    return true;
  }
  std::vector<std::string> answers;
  std::vector<std::string> startedAt;
  std::string lastFilter;
};

}  // namespace mt
