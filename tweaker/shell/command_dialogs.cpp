#include "tweaker/shell/command_dialogs.h"

#include <iterator>

#include "tweaker/resources/command_ids.h"
#include "tweaker/resources/resource.h"

namespace vdx {

const DialogCommand kDialogCommands[] = {
    {IDM_ABOUT, DialogKind::About, IDD_ABOUT},
    {IDM_OPTIONS, DialogKind::Options, IDD_OPTIONS},
    {IDM_OVERCLOCK, DialogKind::Overclock, IDD_OVERCLOCK},
    {IDM_MINIGL_CONFIG, DialogKind::MiniGLApplications, IDD_MINIGL_APPLICATIONS},
    {IDM_OUTPUTS, DialogKind::DisplayOutputs, IDD_DISPLAY_OUTPUTS},
    {IDM_GAMMA, DialogKind::Gamma, IDD_GAMMA},
    {IDM_REFRESH_RATES, DialogKind::RefreshRates, IDD_REFRESH_RATES},
    {IDM_SCHEME_CONFIGURE, DialogKind::ConfigureSchemes, IDD_CONFIGURE_SCHEMES},
};
const std::size_t kDialogCommandCount = std::size(kDialogCommands);

const DialogCommand* findDialogCommand(uint16_t commandId) {
  for (const DialogCommand& row : kDialogCommands) {
    if (row.commandId == commandId) return &row;
  }
  return nullptr;
}

}  // namespace vdx
