#include "memtool/links.h"

namespace mt {
namespace {

struct LinkTarget {
  Ctl control;
  const char* address;
};

const LinkTarget kLinks[] = {
    {Ctl::Label2, kAuthorMailAddress},
    {Ctl::Label13, kAuthorHomePage},
    {Ctl::Image1, kPromoAddress},
    {Ctl::Label39, kPromoAddress},
};

}  // namespace

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
