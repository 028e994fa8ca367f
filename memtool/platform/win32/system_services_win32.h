// The real Win32 services behind SYSTEM.INI, the clipboard, the system
// commands, shell links and the file-open dialog.
#pragma once
#include "memtool/platform/clipboard.h"
#include "memtool/platform/file_dialog.h"
#include "memtool/platform/private_profile.h"
#include "memtool/platform/shell_open.h"
#include "memtool/platform/shutdown.h"

namespace mt {

class Win32PrivateProfile : public PrivateProfile {
 public:
  std::string readString(const std::string& file, const std::string& section, const std::string& key,
                         const std::string& dflt) override;
  bool writeString(const std::string& file, const std::string& section, const std::string& key,
                   const std::string& value) override;
  bool deleteKey(const std::string& file, const std::string& section, const std::string& key) override;
  bool readSection(const std::string& file, const std::string& section, std::vector<std::string>* lines) override;
};

class Win32Clipboard : public Clipboard {
 public:
  bool clear() override;
};

class Win32Shutdown : public Shutdown {
 public:
  void setShutdownPrivilege(bool enabled) override;
  void exitWindows(unsigned flags) override;
  void setSystemPowerState(bool suspend, bool force) override;
};

class Win32ShellOpen : public ShellOpen {
 public:
  bool execute(WindowRef owner, const std::string& verb, const std::string& file, const std::string& params,
               const std::string& dir, int showCmd) override;
};

class Win32FileDialog : public FileDialog {
 public:
  bool openFile(WindowRef owner, const std::string& filter, std::string& fileName) override;
};

}  // namespace mt
