#include "memtool/platform/file_dialog.h"

namespace mt {

std::string systemFilter(const std::string& filter) {
  std::string out = filter;
  for (char& c : out)
    if (c == '|') c = '\0';
  out.push_back('\0');
  out.push_back('\0');
  return out;
}

}  // namespace mt
