// The addresses and texts of the About and promotional tabs, kept in one
// place, and opening them with the shell.
#pragma once
#include <optional>
#include <string>

#include "memtool/form_controls.h"
#include "memtool/platform/shell_open.h"

namespace mt {

inline constexpr int kSwShow = 5;  // SW_SHOW

// Label2 (mail), Label13 (home page), Image1 and Label39 (promotion).
std::optional<std::string> linkAddressFor(Ctl control);

// The shell's "open" verb in a normally shown window; failures are silent.
// False when the control is no link.
bool openLink(ShellOpen& shell, WindowRef owner, Ctl control);

// Texts the form shows beside the links.
struct AboutTexts {
  static const char* const mailCaption;      // Label2
  static const char* const homePageCaption;  // Label13
  static const char* const footer;           // Label12
};

struct PromoTexts {
  static const char* const tabCaption;
  static const char* const heading;
  static const char* const lines[4];
  static const char* const linkCaption;  // Label39
};

}  // namespace mt
