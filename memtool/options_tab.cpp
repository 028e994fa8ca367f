#include "memtool/options_tab.h"

namespace mt {

bool optionCheckBoxClicked(ControlSurface& surface, Ctl checkBox) {
  if (checkBox != Ctl::CheckBox1 && checkBox != Ctl::CheckBox2 && checkBox != Ctl::CheckBox3) return false;
  surface.setEnabled(Ctl::Button2, true);
  if (checkBox == Ctl::CheckBox1) {
    const bool on = surface.checked(checkBox);
    surface.setEnabled(Ctl::Edit1, on);
    surface.setEnabled(Ctl::SpeedButton1, on);
  }
  return true;
}

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
