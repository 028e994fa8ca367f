#include "tweaker/shell/dialog_results.h"

namespace vdx {

void applyDialogResult(Program& program, const OptionsResult& result) {
  takeOptionsResult(result, &program.preferences, &program.currentOptions);
}

void applyDialogResult(Program& program, const GammaResult& result) {
  if (result.gammaType) program.preferences.gammaType = *result.gammaType;
}

void applyDialogResult(Program& program, const OverclockResult& result) {
  if (result.clocks) program.clocks = *result.clocks;
}

void applyDialogResult(Program& program, const MiniGLResult& result) {
  if (result.icdMode) program.currentOptions.ICDMode = *result.icdMode;
}

void applyDialogResult(Program& program, const ConfigureSchemesResult& result) {
  if (result.importFolder) program.schemeImportFolder = *result.importFolder;
}

}  // namespace vdx
