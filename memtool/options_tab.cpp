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

std::string systemFilter(const std::string& filter) {
  std::string out = filter;
  for (char& c : out)
    if (c == '|') c = '\0';
  out.push_back('\0');
  out.push_back('\0');
  return out;
}

}  // namespace mt
