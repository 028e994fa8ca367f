#include "memtool/links.h"

namespace mt {
namespace {

const char kMailAddress[] = "mailto:memtidy@tessaly.example";
const char kHomePage[] = "http://www.tessaly.example/memtidy/";
const char kPromoAddress[] = "http://www.tessaly.example/vidarix/";

struct LinkTarget {
  Ctl control;
  const char* address;
};

const LinkTarget kLinks[] = {
    {Ctl::Label2, kMailAddress},
    {Ctl::Label13, kHomePage},
    {Ctl::Image1, kPromoAddress},
    {Ctl::Label39, kPromoAddress},
};

}  // namespace

const char* const AboutTexts::mailCaption = "memtidy@tessaly.example";
const char* const AboutTexts::homePageCaption = "www.tessaly.example/memtidy";
const char* const AboutTexts::footer = "Memtidy is free software. Use it at your own risk.";

const char* const PromoTexts::tabCaption = "Vidarix";
const char* const PromoTexts::heading = "Vidarix display tweaker";
const char* const PromoTexts::lines[4] = {
    "Get the most out of your S3 Savage card: switch driver, OpenGL and",
    "MiniGL options from one tray menu, keep them in named schemes,",
    "set memory and engine clocks safely, and tune refresh rates,",
    "gamma and TV, LCD and CRT outputs.",
};
const char* const PromoTexts::linkCaption = "Visit the Vidarix home page";

std::optional<std::string> linkAddressFor(Ctl control) {
  for (const LinkTarget& l : kLinks)
    if (l.control == control) return std::string(l.address);
  return std::nullopt;
}

bool openLink(ShellOpen& shell, WindowRef owner, Ctl control) {
  const auto address = linkAddressFor(control);
  if (!address) return false;
  shell.execute(owner, "open", *address, "", "", kSwShow);
  return true;
}

}  // namespace mt
