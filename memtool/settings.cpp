#include "memtool/settings.h"

#include "memtool/errors.h"
#include "memtool/registry_values.h"

namespace mt {

const char kSettingsKey[] = "Software\\Memtidy";
const char kRunKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
const char kRunValue[] = "Memtidy";
const char kCurrentDirValue[] = "CurrentDir";

namespace {

// The 8-byte values, in their stored order.
struct DoubleField {
  const char* name;
  double MemtidySettings::*field;
};
const DoubleField kDoubleFields[] = {
    {"FreeValue1", &MemtidySettings::FreeValue1}, {"FreeTime", &MemtidySettings::FreeTime},
    {"FreeCPU", &MemtidySettings::FreeCPU},       {"Menu1", &MemtidySettings::Menu1},
    {"Menu2", &MemtidySettings::Menu2},           {"Menu3", &MemtidySettings::Menu3},
};

}  // namespace

MemtidySettings defaultSettings(uint16_t totalRAM, OsFamily family,
                                const std::string& currentDir) {
  MemtidySettings s;
  s.TargetFreeRAM = totalRAM / 8;
  s.MinimumFreeRAM = family == OsFamily::WinNT ? totalRAM / 32 : totalRAM / 16;
  s.FreeValue1 = 2;
  s.FreeTime = 6;
  s.FreeCPU = 50;
  s.Menu1 = totalRAM / 4;
  s.Menu2 = totalRAM / 8;
  s.Menu3 = totalRAM / 16;
  s.RAMIcon = 0;
  s.PlaySound = 0;
  s.Music = currentDir + "\\confirmation.wav";
  s.AutoStart = 1;
  s.FreeInterval = s.FreeTime * 60000.0;
  return s;
}

MemtidySettings loadSettings(Registry& reg, uint16_t totalRAM, OsFamily family,
                             const std::string& currentDir) {
  const MemtidySettings d = defaultSettings(totalRAM, family, currentDir);
  MemtidySettings s = d;
  RegKey key;
  key.create(reg, RegRoot::CurrentUser, kSettingsKey);
  RegKeyHandle k = key.handle();

  if (!readWord(reg, k, "Target Fre RAM", &s.TargetFreeRAM)) s.TargetFreeRAM = d.TargetFreeRAM;
  if (!readWord(reg, k, "Minimum Free RAM", &s.MinimumFreeRAM)) s.MinimumFreeRAM = d.MinimumFreeRAM;
  for (const DoubleField& f : kDoubleFields)
    if (!readDouble(reg, k, f.name, &(s.*f.field))) s.*f.field = d.*f.field;
  s.FreeInterval = s.FreeTime * 60000.0;
  uint16_t word = 0;
  s.RAMIcon = readWord(reg, k, "RAMIcon", &word) && word == 1 ? 1 : 0;
  s.PlaySound = readWord(reg, k, "PlaySound", &word) && word == 1 ? 1 : 0;
  if (!readText(reg, k, "Music", &s.Music)) s.Music = d.Music;
  if (k != 0 && reg.valueExists(k, "AutoStart"))
    s.AutoStart = readWord(reg, k, "AutoStart", &word) && word == 1 ? 1 : 0;
  else
    s.AutoStart = 1;
  return s;
}

void storeSettings(Registry& reg, const MemtidySettings& s) {
  RegKey key;
  key.create(reg, RegRoot::CurrentUser, kSettingsKey);
  RegKeyHandle k = key.handle();
  writeDword(reg, k, "Target Fre RAM", s.TargetFreeRAM);
  writeDword(reg, k, "Minimum Free RAM", s.MinimumFreeRAM);
  for (const DoubleField& f : kDoubleFields) writeDouble(reg, k, f.name, s.*f.field);
  writeDword(reg, k, "RAMIcon", s.RAMIcon == 1 ? 1 : 0);
  writeDword(reg, k, "PlaySound", s.PlaySound == 1 ? 1 : 0);
  writeText(reg, k, "Music", s.Music);
  writeDword(reg, k, "AutoStart", s.AutoStart == 1 ? 1 : 0);
}

std::string recordCurrentDir(Registry& reg, const std::string& processDir) {
  RegKey key;
  key.create(reg, RegRoot::CurrentUser, kSettingsKey);
  RegKeyHandle k = key.handle();
  if (k != 0 && reg.valueExists(k, kCurrentDirValue)) {
    std::string dir;
    if (!readText(reg, k, kCurrentDirValue, &dir)) throw invalidDataType(kCurrentDirValue);
    return dir;
  }
  writeText(reg, k, kCurrentDirValue, processDir);
  return processDir;
}

std::string runEntryText(const std::string& currentDir) {
  return "\"" + currentDir + "\\Memtidy.exe\"";
}

void applyRunEntry(Registry& reg, bool on, const std::string& currentDir, bool createKey) {
  RegKey key;
  if (createKey)
    key.create(reg, RegRoot::LocalMachine, kRunKey);
  else
    key.open(reg, RegRoot::LocalMachine, kRunKey);
  if (on) {
    writeText(reg, key.handle(), kRunValue, runEntryText(currentDir));
  } else if (key) {
    reg.deleteValue(key.handle(), kRunValue);
  }
}

bool runEntryPresent(Registry& reg) {
  RegKey key;
  return key.openToRead(reg, RegRoot::LocalMachine, kRunKey) && reg.valueExists(key.handle(), kRunValue);
}

}  // namespace mt
