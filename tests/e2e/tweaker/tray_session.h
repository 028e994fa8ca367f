// A running Vidarix for the tray scenarios: preferences set before the start,
// the tray callback posted as the shell would, and the tracked popup menu
// driven with keys.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "tests/e2e/common/driver.h"

namespace tray {

constexpr const char* kProgramKey = "Software\\Tessaly\\Vidarix";
constexpr const char* kSettingsKey = "Display\\Settings";

struct Prefs {
  bool advanced = false;
  bool tweakRes = false;
  bool confirmAgp = true;
  bool askChangeDisplay = true;
  bool autoResetDisplay = false;
};

class Session {
 public:
  explicit Session(const Prefs& prefs);
  ~Session();
  bool running() const { return window_ != nullptr; }
  HWND window() const { return window_; }
  e2e::Process& process() { return process_; }

  // A right click on the icon; returns the menu window or null.
  HWND openMenu();
  // Closes every open menu level.
  void closeMenu();
  // Waits for a message box of the program with the caption "Vidarix".
  HWND waitBox(int timeoutMs = 5000);
  // Presses a button of a box and waits for it to go.
  void press(HWND box, int id);

  // Whether the shell holds the icon (window, 101) right now.
  bool iconPresent();

 private:
  e2e::Process process_;
  HWND window_ = nullptr;
};

// Top-level items of the tray popup before "Textures" (TweakRes and its
// separator, the Schemes submenu).
int itemsBeforeTextures(const Session& s, const Prefs& prefs);

// WM_CHAR of a menu mnemonic.
void mnemonic(HWND menu, char c);

// The card keys: the subkeys of the program key.
std::vector<std::string> cardKeys();

// The "Current" values of every card key under the program key.
std::vector<std::string> currentSchemeNames();
void setCurrentSchemeNames(const std::string& name);

// The driver setting as stored, or "(none)".
std::string setting(const char* name);

}  // namespace tray
