// Registry values as a hostile writer could leave them, for the scenarios
// that start a program on them: a snapshot to put the keys back, rounds
// that give every value every bad form, and the check that what the
// program wrote back is either untouched or sane.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

struct RawRegValue {
  std::string name;
  DWORD type = 0;
  std::vector<unsigned char> bytes;
  bool operator==(const RawRegValue& o) const { return name == o.name && type == o.type && bytes == o.bytes; }
};

// One key's values, exactly as stored.
struct KeySnapshot {
  HKEY root = nullptr;
  std::string path;
  std::vector<RawRegValue> values;
};

KeySnapshot snapshotKey(HKEY root, const std::string& path);
// Puts the key back as the snapshot holds it: other values are removed.
void restoreKey(const KeySnapshot& snapshot);
// The names of a key's values, added to `names` once each.
void addValueNames(HKEY root, const std::string& path, std::vector<std::string>* names);

// The bad forms: wrong types, empty and odd lengths, a missing terminator,
// 70,000 characters, numbers no reader should take whole, NaN and infinite
// doubles.
struct HostileForm {
  const char* label;
  DWORD type;
  std::vector<unsigned char> bytes;
  // Stored as the registry's own UTF-16 bytes, exactly: the ANSI call
  // would add the terminator the form is about.
  bool rawWide = false;
};
const std::vector<HostileForm>& hostileForms();

// Round r sets value i of `names` to form (i + r) % forms, so that over
// hostileForms().size() rounds every value takes every form. Returns the
// values as the registry then holds them, for checkWrittenBack.
std::vector<RawRegValue> setHostileRound(HKEY root, const std::string& path, const std::vector<std::string>& names,
                                         int round);

// One check per key: every value is as it was set, gone, or sane (a DWORD
// of four bytes, a finite 8-byte double, or a terminated printable string
// of at most 1,024 characters).
void checkWrittenBack(HKEY root, const std::string& path, const std::vector<RawRegValue>& set,
                      const std::string& what);

// Closes every dialog and message box of the process (Cancel, No, OK in
// turn); returns how many it closed.
int dismissDialogs(DWORD processId, int waitMs);

}  // namespace e2e
