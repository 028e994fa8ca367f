#include "memtool/tray_icon.h"

#include <cstring>

namespace mt {

TrayIcon::~TrayIcon() {
  if (visible_) shell_.remove();
}

void TrayIcon::setVisible(bool on) {
  if (on == visible_) return;
  visible_ = on;
  if (on)
    stale_ = !shell_.add(picture_, tip_);
  else
    shell_.remove();
}

void TrayIcon::pass(bool changed) {
  if (!visible_ || !(changed || stale_)) return;
  bool ok = shell_.modify(picture_, tip_);
  // After a refusal the icon may never have been added (no tray yet at log-on).
  if (!ok && stale_) ok = shell_.add(picture_, tip_);
  stale_ = !ok;
}

void TrayIcon::setPicture(const TrayPicture& picture) {
  const bool changed = !(picture == picture_);
  picture_ = picture;
  pass(changed);
}

bool TrayIcon::takeTip(const char* tip, std::size_t length) {
  if (length > kTrayTipMax) length = kTrayTipMax;
  if (tip_.size() == length && tip_.compare(0, length, tip, length) == 0) return false;
  tip_.assign(tip, length);
  return true;
}

void TrayIcon::setTip(const std::string& tip) { pass(takeTip(tip.data(), tip.size())); }

void TrayIcon::update(const TrayPicture& picture, const char* tip) {
  bool changed = !(picture == picture_);
  picture_ = picture;
  if (!tip) tip = "";
  changed = takeTip(tip, std::strlen(tip)) || changed;
  pass(changed);
}

void TrayIcon::readd() {
  if (visible_) stale_ = !shell_.add(picture_, tip_);
}

void TrayIcon::refresh() { pass(true); }

}  // namespace mt
