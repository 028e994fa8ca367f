// The system's file-open dialog.
#pragma once
#include <string>

#include "memtool/platform/shell_open.h"

namespace mt {

class FileDialog {
 public:
  virtual ~FileDialog() = default;
  // Shows the dialog starting at fileName. Confirmed: fileName becomes the
  // chosen path and the result is true. Cancelled: fileName is left alone.
  // filter is the "label|pattern|label|pattern" form.
  virtual bool openFile(WindowRef owner, const std::string& filter, std::string& fileName) = 0;
};

// "label|pattern|..." as the system dialog wants it: NUL separated, ending
// with two NULs.
inline std::string systemFilter(const std::string& filter) {
  std::string out = filter;
  for (char& c : out)
    if (c == '|') c = '\0';
  out.push_back('\0');
  out.push_back('\0');
  return out;
}

}  // namespace mt
