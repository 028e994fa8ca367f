#include "tweaker/schemes/scheme_file.h"

#include "tweaker/platform/platform.h"

namespace vdx {

namespace {
std::string g_schemeFile;
}

std::string resolveSchemeFilePath(const std::string& preference, const std::string& systemDirectory) {
  if (preference.size() >= 3 && preference[1] == ':' && preference[2] == '\\') return preference;
  return systemDirectory + "\\" + "Vidarix.dat";
}

const std::string& schemeFilePath() { return g_schemeFile; }
void setSchemeFilePath(const std::string& path) { g_schemeFile = path; }

std::vector<std::string> schemeNames(const std::string& file) {
  std::vector<std::string> names = platform().profile->keys(file, kSchemeSection);
  for (std::string& n : names) {
    if (n.size() > kSchemeListNameMax) n.resize(kSchemeListNameMax);
  }
  return names;
}

}  // namespace vdx
