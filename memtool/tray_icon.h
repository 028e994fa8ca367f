// kbTrayIcon1: the tray icon's picture, tip and visibility, passed on to
// the shell as they change.
#pragma once
#include <cstddef>
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
  // Passed on while visible, only when it differs from what the shell shows
  // (the monitor sets it every second, mostly to the same picture).
  void setPicture(const TrayPicture& picture);
  // Cut to 63 characters; passed on only when it changed.
  void setTip(const std::string& tip);
  // Picture and tip together: at most one message to the shell, none when
  // neither changed.
  void update(const TrayPicture& picture, const char* tip);
  const TrayPicture& picture() const { return picture_; }
  const std::string& tip() const { return tip_; }
  // After the shell restarts (its taskbar was re-created) the icon is added again.
  void readd();
  // Passes the same picture on again: its drawing depends on system colours
  // and sizes that just changed.
  void refresh();

 private:
  // True when the tip differs from the one held; keeps it, cut.
  bool takeTip(const char* tip, std::size_t length);
  void pass(bool changed);

  TrayShell& shell_;
  bool visible_ = false;
  // The shell refused the last add or modify: what it shows is not known,
  // so the next update goes through even when nothing changed.
  bool stale_ = false;
  TrayPicture picture_;
  std::string tip_;
};

}  // namespace mt
