// Playing a wave file to its end before returning.
#pragma once
#include <string>

namespace mt {

class Sound {
 public:
  virtual ~Sound() = default;
  // Synchronous; the system's default sound plays when the file cannot be played.
  virtual void playSync(const std::string& path) = 0;
};

}  // namespace mt
