#include "tweaker/schemes/save_as_dialog.h"

#include <cstdio>

#include "tweaker/common/text_format.h"
#include "tweaker/resources/resource.h"
#include "tweaker/schemes/scheme_file.h"

namespace vdx {

namespace {
constexpr int kEditChanged = 0x300;  // EN_CHANGE
}  // namespace

const char* schemeNameProblem(const std::string& name) {
  if (name.empty()) return "A scheme name cannot be made of blanks only.";
  if (name.find('=') != std::string::npos) return "A scheme name cannot contain \"=\".";
  if (!name.empty() && (name[0] == '[' || name[0] == ';')) return "A scheme name cannot start with \"[\" or \";\".";
  return nullptr;
}

std::string trimSchemeName(const std::string& name) {
  std::size_t b = 0, e = name.size();
  while (b < e && (name[b] == ' ' || name[b] == '\t')) ++b;
  while (e > b && (name[e - 1] == ' ' || name[e - 1] == '\t')) --e;
  return name.substr(b, e - b);
}

void SaveAsDialog::init() {
  std::string name = model_.name;
  if (name.size() > kSchemeNameMax) name.resize(kSchemeNameMax);
  surface_.setText(IDC_SAVE_AS_NAME, name);
  surface_.limitText(IDC_SAVE_AS_NAME, static_cast<int>(kSchemeNameMax));
  surface_.setChecked(IDC_SAVE_AS_STANDARD, true);
  surface_.enable(kIdOk, !name.empty());
}

bool SaveAsDialog::command(int id, int code) {
  if (id == IDC_SAVE_AS_NAME) {
    if (code == kEditChanged) surface_.enable(kIdOk, !surface_.text(IDC_SAVE_AS_NAME).empty());
    return true;
  }
  return false;
}

int SaveAsDialog::ok() {
  std::string name = surface_.text(IDC_SAVE_AS_NAME);
  if (name.size() > kSchemeNameMax) name.resize(kSchemeNameMax);
  name = trimSchemeName(name);
  if (const char* problem = schemeNameProblem(name)) {
    ShowMessageBox(*model_.boxes, model_.owner, problem, "Vidarix", kMbOk | kMbIconExclamation);
    surface_.focus(IDC_SAVE_AS_NAME);
    return kStayOpen;
  }
  SchemeSaveRequest r;
  r.name = name;
  r.includeStandard = surface_.checked(IDC_SAVE_AS_STANDARD);
  r.includeMiniGL = surface_.checked(IDC_SAVE_AS_MINIGL);
  r.saveClockSpeed = surface_.checked(IDC_SAVE_AS_CLOCKS);
  r.keepAgpSizeSame = surface_.checked(IDC_SAVE_AS_KEEP_AGP);
  result_.request = r;
  // Looked up as the apply and the delete do, so a name cut from a longer
  // key is that key's scheme.
  const std::string key = schemeKeyFor(*model_.profile, model_.schemeFile, name);
  if (!model_.profile->readString(model_.schemeFile, kSchemeSection, key, "", 512).empty()) {
    char text[256];
    formatText(text, sizeof text,
             "There is already a scheme called \"%s\" in your list.  Overwrite it with a new one?", name.c_str());
    const int answer =
        ShowMessageBox(*model_.boxes, model_.owner, text, "Vidarix", kMbYesNoCancel | kMbIconQuestion);
    if (answer == kIdCancel) return kStayOpen;
    return answer == kIdYes ? kIdOk : kIdCancel;
  }
  return kIdOk;
}

}  // namespace vdx
