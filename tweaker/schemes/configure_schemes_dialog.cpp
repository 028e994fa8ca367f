#include "tweaker/schemes/configure_schemes_dialog.h"

#include "tweaker/resources/resource.h"
#include "tweaker/schemes/scheme_file.h"
#include "tweaker/schemes/scheme_import.h"

namespace vdx {

void ConfigureSchemesDialog::init() {
  surface_.setText(IDC_SCHEME_FILE_PATH, model_.schemeFile);
  fillList();
  updateDelete();
}

bool ConfigureSchemesDialog::command(int id, int code) {
  switch (id) {
    case IDC_SCHEME_LIST:
      updateDelete();  // every notification, selection changes among them
      (void)code;
      return true;
    case IDC_SCHEME_SAVE_AS:
      saveAs();
      break;
    case IDC_SCHEME_DELETE:
      deleteSelected();
      break;
    case IDC_SCHEME_UPDATE:
      import();
      break;
    default:
      return false;
  }
  updateDelete();
  return true;
}

int ConfigureSchemesDialog::ok() {
  model_.host->reloadSchemeList();
  return kIdOk;
}

void ConfigureSchemesDialog::fillList() {
  surface_.clearItems(IDC_SCHEME_LIST);
  for (const std::string& name : model_.host->schemeList()) surface_.addItem(IDC_SCHEME_LIST, name);
}

void ConfigureSchemesDialog::updateDelete() {
  surface_.enable(IDC_SCHEME_DELETE, surface_.selection(IDC_SCHEME_LIST) >= 0);
}

void ConfigureSchemesDialog::saveAs() {
  SchemeSaveRequest request;
  const int selected = surface_.selection(IDC_SCHEME_LIST);
  if (selected >= 0) request.name = surface_.itemText(IDC_SCHEME_LIST, selected);
  if (!model_.host->runSaveAs(model_.owner, &request)) return;
  model_.host->saveScheme(request);
  model_.host->reloadSchemeList();
  fillList();
}

void ConfigureSchemesDialog::deleteSelected() {
  const int selected = surface_.selection(IDC_SCHEME_LIST);
  if (selected < 0) return;
  const std::string name = surface_.itemText(IDC_SCHEME_LIST, selected);
  model_.profile->deleteKey(model_.schemeFile, kSchemeSection,
                            schemeKeyFor(*model_.profile, model_.schemeFile, name));
  surface_.removeItem(IDC_SCHEME_LIST, selected);
}

void ConfigureSchemesDialog::import() {
  std::string path;
  if (!model_.host->chooseImportFile(model_.owner, model_.importFolder, &path)) return;
  model_.importFolder = folderOf(path);
  result_.importFolder = model_.importFolder;
  model_.host->showWaitCursor(true);
  SchemeImport in{model_.profile, model_.schemeFile, path, model_.boxes, model_.owner};
  if (importSchemes(in) > 0) {
    model_.host->reloadSchemeList();
    fillList();
  }
  model_.host->showWaitCursor(false);
}

}  // namespace vdx
