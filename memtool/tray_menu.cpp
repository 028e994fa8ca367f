#include "memtool/tray_menu.h"

#include <cstdio>

namespace mt {
namespace {

struct Entry {
  const char* name;
  int id;
  TrayCommand command;
  const char* caption;  // null: the amount caption
};

const Entry kEntries[] = {
    {"RestartWindows1", 101, TrayCommand::RestartWindows, "&Restart Windows"},
    {"SuspendsWindows1", 102, TrayCommand::SuspendWindows, "&Suspend Windows"},
    {"QuickShutdown1", 103, TrayCommand::ShutdownWindows, "&Shutdown Windows"},
    {"N1", 0, TrayCommand::None, ""},
    {"ClearClipboard1", 104, TrayCommand::ClearClipboard, "Clear Clipboard"},
    {"N3", 0, TrayCommand::None, ""},
    {"PopMenu1", 105, TrayCommand::FreeUp1, nullptr},
    {"PopMenu2", 106, TrayCommand::FreeUp2, nullptr},
    {"PopMenu3", 107, TrayCommand::FreeUp3, nullptr},
    {"N2", 0, TrayCommand::None, ""},
    {"Open1", 108, TrayCommand::Open, "&Open Memtidy "},
    {"Close1", 109, TrayCommand::Close, "&Close Memtidy"},
};

}  // namespace

std::string formatAmount(double mb) {
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.15G", mb);
  std::string s = buf;
  // Exponent as "E20" / "E-5": no plus sign, no leading zeros.
  const size_t e = s.find('E');
  if (e != std::string::npos) {
    std::string mantissa = s.substr(0, e), exponent = s.substr(e + 1);
    std::string sign;
    if (!exponent.empty() && (exponent[0] == '+' || exponent[0] == '-')) {
      if (exponent[0] == '-') sign = "-";
      exponent.erase(0, 1);
    }
    while (exponent.size() > 1 && exponent[0] == '0') exponent.erase(0, 1);
    s = mantissa + "E" + sign + exponent;
  }
  return s;
}

std::string amountCaption(double mb) { return "Free up " + formatAmount(mb) + " MB"; }

void TrayAmounts::set(double menu1, double menu2, double menu3) {
  captions = {amountCaption(menu1), amountCaption(menu2), amountCaption(menu3)};
}

std::vector<TrayMenuItem> trayMenuItems(const TrayAmounts& amounts) {
  std::vector<TrayMenuItem> items;
  int amount = 0;
  for (const Entry& e : kEntries)
    items.push_back({e.name, e.id, e.command, e.caption ? e.caption : amounts.captions[amount++]});
  return items;
}

TrayCommand trayCommandForId(int id) {
  if (id == 0) return TrayCommand::None;
  for (const Entry& e : kEntries)
    if (e.id == id) return e.command;
  return TrayCommand::None;
}

MenuOrigin trayMenuOrigin(int cursorX, int cursorY, int entryCount, int menuItemHeight) {
  return {cursorX, cursorY - entryCount * menuItemHeight};
}

}  // namespace mt
