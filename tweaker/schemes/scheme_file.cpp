#include "tweaker/schemes/scheme_file.h"


namespace vdx {

std::string resolveSchemeFilePath(const std::string& preference, const std::string& systemDirectory) {
  if (preference.size() >= 3 && preference[1] == ':' && preference[2] == '\\') return preference;
  return systemDirectory + "\\" + "Vidarix.dat";
}

std::vector<std::string> schemeNames(ProfileFile& profile, const std::string& file) {
  std::vector<std::string> names = profile.keys(file, kSchemeSection);
  for (std::string& n : names) {
    if (n.size() > kSchemeListNameMax) n.resize(kSchemeListNameMax);
  }
  return names;
}

}  // namespace vdx
