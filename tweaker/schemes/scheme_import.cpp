#include "tweaker/schemes/scheme_import.h"

#include <cstdio>

#include "tweaker/common/text_format.h"
#include "tweaker/schemes/scheme_file.h"
#include "tweaker/schemes/scheme_line.h"

namespace vdx {

int importSchemes(const SchemeImport& in) {
  ProfileFile& profile = *in.profile;
  const std::vector<std::string> keys = profile.keys(in.theirFile, kSchemeSection);
  bool yesToAll = false;
  for (const std::string& key : keys) {
    // Names are cut the way the list cuts them, so the copy is the scheme the
    // user will see and apply.
    const std::string name = key.size() > kSchemeNameChars ? key.substr(0, kSchemeNameChars) : key;
    // Our own key for that name, found as the apply finds it: a long name
    // overwrites its scheme instead of gaining a second key.
    const std::string ours = schemeKeyFor(profile, in.ourFile, name);
    if (!yesToAll && !profile.readString(in.ourFile, kSchemeSection, ours, "", 512).empty()) {
      char text[256];
      formatText(text, sizeof text,
               "There is already a scheme called \"%s\" in your list.  Overwrite it with a new one?", name.c_str());
      const int answer =
          ShowMessageBox(*in.boxes, in.owner, text, "Vidarix", kMbYesAllNoCancel | kMbIconQuestion);
      if (answer == kIdCancel) break;
      if (answer == IDYESTOALL) {
        yesToAll = true;
      } else if (answer != kIdYes) {
        continue;
      }
    }
    const std::string line = profile.readString(in.theirFile, kSchemeSection, key, "", kSchemeLineMax + 1);
    profile.writeString(in.ourFile, kSchemeSection, ours, line);
  }
  return static_cast<int>(keys.size());
}

std::string folderOf(const std::string& path) {
  const std::size_t slash = path.rfind('\\');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

}  // namespace vdx
