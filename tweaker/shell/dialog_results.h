// What each dialog's result changes of the program's records: the one place
// where a dialog's changes reach Program. Each record is written only where
// the result has it, and only with the fields the dialog shows, so changes
// made by the tray while the dialog was open stay.
#pragma once
#include "tweaker/adapter/overclock_dialog.h"
#include "tweaker/display/gamma_dialog.h"
#include "tweaker/schemes/configure_schemes_dialog.h"
#include "tweaker/settings/minigl_dialog.h"
#include "tweaker/settings/options_dialog.h"
#include "tweaker/shell/program.h"
#include "tweaker/ui/dialog_presenter.h"

namespace vdx {

inline void applyDialogResult(Program&, const NoDialogResult&) {}
void applyDialogResult(Program& program, const OptionsResult& result);
void applyDialogResult(Program& program, const GammaResult& result);
void applyDialogResult(Program& program, const OverclockResult& result);
void applyDialogResult(Program& program, const MiniGLResult& result);
void applyDialogResult(Program& program, const ConfigureSchemesResult& result);

}  // namespace vdx
