// The tray's side of Configure Schemes: the scheme list it shows, Save As,
// and the import's file chooser, for as long as the tray window lives.
#pragma once
#include <windows.h>

#include "tweaker/schemes/configure_schemes_dialog.h"

namespace vdx {

struct ShellWindow;

class ShellSchemesHost : public ConfigureSchemesHost {
 public:
  explicit ShellSchemesHost(ShellWindow& shell) : shell_(shell) {}
  std::vector<std::string> schemeList() override;
  void reloadSchemeList() override;
  bool runSaveAs(WindowHandle dialog, SchemeSaveRequest* request) override;
  void saveScheme(const SchemeSaveRequest& request) override;
  bool chooseImportFile(WindowHandle dialog, const std::string& folder, std::string* path) override;
  void showWaitCursor(bool on) override;

 private:
  ShellWindow& shell_;
  HCURSOR saved_ = nullptr;
};

}  // namespace vdx
