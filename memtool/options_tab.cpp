#include "memtool/options_tab.h"

namespace mt {

bool SoundChooser::choose(FileDialog& dialog, WindowRef owner, ControlSurface& surface, std::string& music) {
  dialog.openFile(owner, kWaveFilter, fileName_);
  if (fileName_.empty()) return false;
  surface.setEnabled(Ctl::Button2, true);
  music = fileName_;
  surface.setText(Ctl::Edit1, music);
  return true;
}

}  // namespace mt
