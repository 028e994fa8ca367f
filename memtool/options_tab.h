// The Options tab's sound-file chooser.
#pragma once
#include <string>

#include "memtool/control_surface.h"
#include "memtool/platform/file_dialog.h"

namespace mt {

inline constexpr const char* kWaveFilter = "Microsoft Waveform Audio (*.WAV)|*.wav";

// OpenDialog1: remembers the file name of the last confirmed choice.
class SoundChooser {
 public:
  // SpeedButton1: shows the dialog, then takes its file name whether it was
  // confirmed or cancelled; an empty name changes nothing. True when music
  // was set.
  bool choose(FileDialog& dialog, WindowRef owner, ControlSurface& surface, std::string& music);
  const std::string& fileName() const { return fileName_; }

 private:
  std::string fileName_;
};

}  // namespace mt
