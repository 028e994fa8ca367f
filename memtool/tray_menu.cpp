#include "memtool/tray_menu.h"

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

std::vector<TrayMenuItem> trayMenuItems(const std::string (&amountCaptions)[3]) {
  std::vector<TrayMenuItem> items;
  int amount = 0;
  for (const Entry& e : kEntries)
    items.push_back({e.name, e.id, e.command, e.caption ? e.caption : amountCaptions[amount++]});
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
