#include "memtool/tray_icon.h"

namespace mt {

TrayIcon::~TrayIcon() {
  if (visible_) shell_.remove();
}

void TrayIcon::setVisible(bool on) {
  if (on == visible_) return;
  visible_ = on;
  if (on)
    shell_.add(picture_, tip_);
  else
    shell_.remove();
}

void TrayIcon::setPicture(const TrayPicture& picture) {
  picture_ = picture;
  if (visible_) shell_.modify(picture_, tip_);
}

void TrayIcon::setTip(const std::string& tip) {
  std::string cut = tip.substr(0, kTrayTipMax);
  if (cut == tip_) return;
  tip_ = cut;
  if (visible_) shell_.modify(picture_, tip_);
}

void TrayIcon::readd() {
  if (visible_) shell_.add(picture_, tip_);
}

}  // namespace mt
