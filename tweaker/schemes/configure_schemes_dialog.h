// Configure Schemes: the list of schemes with Save As, Delete and the import
// from another scheme file. Close rebuilds the tray's scheme list; Escape
// leaves it as it was.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "tweaker/platform/profile.h"
#include "tweaker/schemes/scheme_line.h"
#include "tweaker/ui/dialog_presenter.h"
#include "tweaker/ui/message_box.h"

namespace vdx {

// What the dialog needs from the program around it.
class ConfigureSchemesHost {
 public:
  virtual ~ConfigureSchemesHost() = default;
  // The names of the tray's scheme list, by index.
  virtual std::vector<std::string> schemeList() = 0;
  virtual void reloadSchemeList() = 0;
  // Runs Save As over `dialog` on the request; true unless it ended with Cancel.
  virtual bool runSaveAs(WindowHandle dialog, SchemeSaveRequest* request) = 0;
  // Stores the scheme and makes it "Current"; the list is rebuilt after.
  virtual void saveScheme(const SchemeSaveRequest& request) = 0;
  // The open-file dialog for the import over `dialog`, starting in `folder`; false on Cancel.
  virtual bool chooseImportFile(WindowHandle dialog, const std::string& folder, std::string* path) = 0;
  virtual void showWaitCursor(bool on) = 0;
};

struct ConfigureSchemesModel {
  ProfileFile* profile;
  std::string schemeFile;
  std::string importFolder;  // where the import's chooser starts
  MessageBoxPresenter* boxes;
  WindowHandle owner;        // the dialog itself, for its questions
  ConfigureSchemesHost* host;
};

// The folder of the last import, remembered for the life of the process.
struct ConfigureSchemesResult {
  std::optional<std::string> importFolder;
};

class ConfigureSchemesDialog {
 public:
  ConfigureSchemesDialog(DialogSurface& surface, const ConfigureSchemesModel& model)
      : surface_(surface), model_(model) {}

  using Model = ConfigureSchemesModel;

  void init();
  bool command(int id, int code);
  // Close rebuilds the tray's scheme list.
  int ok();

  const ConfigureSchemesResult& result() const { return result_; }

 private:
  void fillList();
  void updateDelete();
  void saveAs();
  void deleteSelected();
  void import();

  DialogSurface& surface_;
  ConfigureSchemesModel model_;
  ConfigureSchemesResult result_;
};

}  // namespace vdx
