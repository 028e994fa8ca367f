#include "tweaker/settings/minigl_dialog.h"

#include "tweaker/common/registry_utils.h"
#include "tweaker/common/text_compare.h"
#include "tweaker/resources/resource.h"
#include "tweaker/settings/settings_keys.h"

namespace vdx {

namespace {

// Subkey names are at most this long.
constexpr std::size_t kMaxName = 259;

char upperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

void MiniGLDialog::init() {
  surface_.setChecked(IDC_MGL_ALLOW, model_.icdMode != 0);
  RegKey key;
  if (!key.open(*model_.registry, RegRoot::LocalMachine, kMiniGLKeyPath)) return;
  std::string name;
  for (uint32_t i = 0; model_.registry->enumSubKey(key.handle(), i, &name); ++i) {
    if (name.size() > kMaxName) name.resize(kMaxName);
    surface_.addItem(IDC_MGL_LIST, name);
  }
}

void MiniGLDialog::refresh() { surface_.enable(IDC_MGL_REMOVE, surface_.selection(IDC_MGL_LIST) >= 0); }

void MiniGLDialog::addFile(const std::string& fullPath) {
  const std::size_t slash = fullPath.rfind('\\');
  if (slash == std::string::npos) return;
  std::string path = fullPath;
  for (std::size_t i = slash + 1; i < path.size(); ++i) path[i] = upperAscii(path[i]);
  const std::string name = path.substr(slash + 1);
  // An empty name would be the key itself.
  if (name.empty()) return;
  const int count = surface_.itemCount(IDC_MGL_LIST);
  for (int i = 0; i < count; ++i) {
    if (equalsNoCase(surface_.itemText(IDC_MGL_LIST, i), name)) return;
  }
  RegKey key;
  if (!key.open(*model_.registry, RegRoot::LocalMachine, kMiniGLKeyPath)) return;
  if (!model_.registry->createSubKey(key.handle(), name)) return;
  model_.profile->writeString(model_.schemeFile, kMiniGLSection, name, path);
  surface_.addItem(IDC_MGL_LIST, name);
}

void MiniGLDialog::removeSelected() {
  const int index = surface_.selection(IDC_MGL_LIST);
  if (index < 0) return;
  const std::string name = surface_.itemText(IDC_MGL_LIST, index);
  RegKey key;
  if (!key.open(*model_.registry, RegRoot::LocalMachine, kMiniGLKeyPath)) return;
  if (model_.registry->deleteSubKey(key.handle(), name)) surface_.removeItem(IDC_MGL_LIST, index);
  refresh();
}

bool MiniGLDialog::command(int id) {
  if (id != IDC_MGL_REMOVE) return false;
  removeSelected();
  return true;
}

int MiniGLDialog::ok() {
  const bool on = surface_.checked(IDC_MGL_ALLOW);
  result_.icdMode = on ? 1 : 0;
  RegKey key;
  if (openSettingsKey(*model_.registry, *model_.identity, SettingsKey::DriverSettings, &key) == 0)
    writeStringValue(key, "ICDMode", on ? "1" : "0");
  return kIdOk;
}

}  // namespace vdx
