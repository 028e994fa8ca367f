// The notification-area icon as the shell sees it: one icon, added,
// modified and removed as a whole.
#pragma once
#include <cstdint>
#include <string>

namespace mt {

// What the tray shows. The level icon is drawn from the free-memory figure.
struct TrayPicture {
  enum class Kind { ProgramIcon, Idle, Busy, Level };
  Kind kind = Kind::ProgramIcon;
  uint16_t availMB = 0;  // Level only
  bool busy = false;     // Level only
  bool operator==(const TrayPicture& o) const {
    return kind == o.kind && availMB == o.availMB && busy == o.busy;
  }
};

class TrayShell {
 public:
  virtual ~TrayShell() = default;
  virtual bool add(const TrayPicture& picture, const std::string& tip) = 0;
  virtual bool modify(const TrayPicture& picture, const std::string& tip) = 0;
  virtual bool remove() = 0;
};

}  // namespace mt
