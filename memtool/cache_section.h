// One entry of a section as one read of the whole section shows it, so that
// Apply learns about all three disk cache entries from a single read of
// SYSTEM.INI instead of one read of the file per entry.
#pragma once
#include <string>
#include <vector>

namespace mt {

struct SectionEntry {
  // Lines that carry the entry's name, each one that the profile functions
  // remove one at a time; comments and blank lines are none of them.
  int lines = 0;
  // The first line's value, blanks around it dropped.
  std::string value;
  // The first line's value may read otherwise through the key read (it has
  // no "=", or quotes that the key read strips): ask the key read for it.
  bool askKey = false;
};

// Finds the entry among the lines of a section read whole (names compare
// without regard to case).
SectionEntry findSectionEntry(const std::vector<std::string>& lines, const std::string& key);

}  // namespace mt
