// Save As: the name of a new scheme and what it holds. OK stays disabled
// while the name is empty; a name already in the file is asked about.
#pragma once
#include <optional>
#include <string>

#include "tweaker/platform/profile.h"
#include "tweaker/schemes/scheme_line.h"
#include "tweaker/ui/dialog_presenter.h"
#include "tweaker/ui/message_box.h"

namespace vdx {

struct SaveAsDialogModel {
  ProfileFile* profile;
  std::string schemeFile;
  std::string name;    // the name shown as the dialog opens
  MessageBoxPresenter* boxes;
  WindowHandle owner;  // the dialog itself, for its questions
};

// The choices OK took; the dialog may still end with Cancel (2) when the
// user will not overwrite a scheme of that name.
struct SaveAsResult {
  std::optional<SchemeSaveRequest> request;
};

// Why a name cannot be a key of the scheme file, or null when it can.
const char* schemeNameProblem(const std::string& name);
// Blanks and tabs off both ends (the profile functions drop them anyway).
std::string trimSchemeName(const std::string& name);

class SaveAsDialog {
 public:
  SaveAsDialog(DialogSurface& surface, const SaveAsDialogModel& model) : surface_(surface), model_(model) {}

  using Model = SaveAsDialogModel;

  void init();
  // A command from a control with its notification code; true when handled.
  bool command(int id, int code);
  int ok();

  const SaveAsResult& result() const { return result_; }

 private:
  DialogSurface& surface_;
  SaveAsDialogModel model_;
  SaveAsResult result_;
};

}  // namespace vdx
