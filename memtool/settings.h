// Memtidy's stored settings: the record, its defaults, and how it moves
// between memory and HKEY_CURRENT_USER "Software\Memtidy".
#pragma once
#include <cstdint>
#include <string>

#include "memtool/os_family.h"
#include "memtool/platform/registry.h"

namespace mt {

extern const char kSettingsKey[];  // "Software\Memtidy"
extern const char kRunKey[];       // "SOFTWARE\Microsoft\Windows\CurrentVersion\Run"
extern const char kRunValue[];     // "Memtidy"
extern const char kCurrentDirValue[];

struct MemtidySettings {
  uint16_t TargetFreeRAM = 0;   // MB
  uint16_t MinimumFreeRAM = 0;  // MB
  double FreeValue1 = 2;        // MB
  double FreeTime = 6;          // minutes
  double FreeCPU = 50;          // percent
  double Menu1 = 0, Menu2 = 0, Menu3 = 0;  // MB
  uint16_t RAMIcon = 0;
  uint16_t PlaySound = 0;
  std::string Music;
  uint16_t AutoStart = 1;
  double FreeInterval = 6 * 60000.0;  // ms, FreeTime * 60000
};

// The defaults for a machine of totalRAM MB of the given family.
MemtidySettings defaultSettings(uint16_t totalRAM, OsFamily family,
                                const std::string& currentDir);

// Reads every value in its stored order; a missing or unreadable value takes
// its default, except that an unreadable "AutoStart" means off.
MemtidySettings loadSettings(Registry& reg, uint16_t totalRAM, OsFamily family,
                             const std::string& currentDir);

// Writes every value ("CurrentDir" excepted) in the stored order; the first
// failed write throws and leaves the rest unwritten.
void storeSettings(Registry& reg, const MemtidySettings& s);

// The folder recorded at the first start: read when stored, else recorded
// now. Throws when the stored value is not text or cannot be written.
std::string recordCurrentDir(Registry& reg, const std::string& processDir);

// The Run entry's text: the program's full path in double quotes.
std::string runEntryText(const std::string& currentDir);
// Writes (on) or deletes (off) the Run entry. createKey chooses whether a
// missing Run key is created. A failed write throws; a failed delete is ignored.
void applyRunEntry(Registry& reg, bool on, const std::string& currentDir, bool createKey);
// Whether the Run entry exists, read without the right to change the Run key.
bool runEntryPresent(Registry& reg);

}  // namespace mt
