// kbTrayIcon1: the tray icon's picture, tip and visibility, passed on to
// the shell as they change.
#pragma once
#include <string>

#include "memtool/platform/tray_shell.h"

namespace mt {

constexpr std::size_t kTrayTipMax = 63;

class TrayIcon {
 public:
  explicit TrayIcon(TrayShell& shell) : shell_(shell) {}
  ~TrayIcon();
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;

  // Adds or removes the icon; nothing happens when the flag does not change.
  void setVisible(bool on);
  bool visible() const { return visible_; }
  // Passed on at once while visible.
  void setPicture(const TrayPicture& picture);
  // Cut to 63 characters; passed on only when it changed.
  void setTip(const std::string& tip);
  const TrayPicture& picture() const { return picture_; }
  const std::string& tip() const { return tip_; }
  // After the shell restarts (its taskbar was re-created) the icon is added again.
  void readd();

 private:
  TrayShell& shell_;
  bool visible_ = false;
  TrayPicture picture_;
  std::string tip_;
};

}  // namespace mt
