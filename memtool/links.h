// The addresses and texts of the About and promotional tabs, kept in one
// place, and opening the links with the shell.
#pragma once
#include <optional>
#include <string>

#include "memtool/form_controls.h"
#include "memtool/platform/shell_open.h"

namespace mt {

inline constexpr int kSwShow = 5;  // SW_SHOW

// About tab: the author's mail address (Label2), home page (Label13) and the
// closing line (Label12).
inline constexpr char kAuthorMailAddress[] = "mailto:memtidy@tessaly.example";
inline constexpr char kAuthorMailCaption[] = "memtidy@tessaly.example";
inline constexpr char kAuthorHomePage[] = "http://www.tessaly.example/memtidy/";
inline constexpr char kAuthorHomeCaption[] = "www.tessaly.example/memtidy";
inline constexpr char kAboutFooter[] = "Memtidy is freeware: share it with your friends.";

// The promotional tab presents Vidarix, the display tweaker shipped beside
// Memtidy; its image (Image1) and link label (Label39) open its page.
inline constexpr char kPromoAddress[] = "http://www.tessaly.example/vidarix/";
inline constexpr char kPromoTabCaption[] = "Vidarix";
inline constexpr char kPromoHeading[] = "Vidarix: tune your S3 Savage card";
inline constexpr char kPromoLine1[] = "Driver, OpenGL and MiniGL options from one tray menu,";
inline constexpr char kPromoLine2[] = "named schemes, safe memory and engine clocks,";
inline constexpr char kPromoLine3[] = "refresh rates, gamma and TV, LCD and CRT outputs.";
inline constexpr char kPromoLinkCaption[] = "www.tessaly.example/vidarix";
inline constexpr char kPromoImage[] = "VIDARIXICON";  // icon resource

// The address a clickable control opens, or nothing.
std::optional<std::string> linkAddressFor(Ctl control);

// The shell's "open" verb in a normally shown window; failures are silent.
// False when the control is no link.
bool openLink(ShellOpen& shell, WindowRef owner, Ctl control);

}  // namespace mt
