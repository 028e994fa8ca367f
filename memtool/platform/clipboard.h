// The system clipboard.
#pragma once

namespace mt {

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  // Opens, empties and closes the clipboard; false when it could not be opened
  // or emptied (the caller ignores it: clearing is best effort).
  virtual bool clear() = 0;
};

}  // namespace mt
