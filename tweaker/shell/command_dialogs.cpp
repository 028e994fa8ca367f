#include "tweaker/shell/command_dialogs.h"

#include <iterator>

namespace vdx {

namespace {

const DialogCommand kDialogCommands[] = {
    {30006, DialogKind::About, 120},
    {30008, DialogKind::Options, 128},
    {30009, DialogKind::Overclock, 126},
    {30038, DialogKind::MiniGLApplications, 145},
    {30420, DialogKind::DisplayOutputs, 141},
    {30427, DialogKind::Gamma, 147},
    {30449, DialogKind::RefreshRates, 170},
    {40096, DialogKind::ConfigureSchemes, 146},
};

WindowHandle slots[static_cast<std::size_t>(DialogKind::Count)] = {};

}  // namespace

const DialogCommand* findDialogCommand(uint16_t commandId) {
  for (const DialogCommand& row : kDialogCommands) {
    if (row.commandId == commandId) return &row;
  }
  return nullptr;
}

WindowHandle dialogSlot(DialogKind kind) {
  const auto i = static_cast<std::size_t>(kind);
  return i < std::size(slots) ? slots[i] : nullptr;
}

void setDialogSlot(DialogKind kind, WindowHandle window) {
  const auto i = static_cast<std::size_t>(kind);
  if (i < std::size(slots)) slots[i] = window;
}

}  // namespace vdx
