#include "tweaker/schemes/scheme_file.h"

#include "tweaker/schemes/scheme_line.h"

namespace vdx {

std::string resolveSchemeFilePath(const std::string& preference, const std::string& systemDirectory) {
  if (preference.size() >= 3 && preference[1] == ':' && preference[2] == '\\') return preference;
  return systemDirectory + "\\" + "Vidarix.dat";
}

std::vector<std::string> schemeNames(ProfileFile& profile, const std::string& file) {
  std::vector<std::string> names = profile.keys(file, kSchemeSection);
  for (std::string& n : names) {
    if (n.size() > kSchemeNameChars) n.resize(kSchemeNameChars);
  }
  return names;
}

std::string schemeKeyFor(ProfileFile& profile, const std::string& file, const std::string& name) {
  if (name.size() < kSchemeNameChars) return name;
  const std::vector<std::string> keys = profile.keys(file, kSchemeSection);
  for (const std::string& key : keys) {
    if (key == name) return key;
  }
  for (const std::string& key : keys) {
    if (key.compare(0, kSchemeNameChars, name) == 0) return key;
  }
  return name;
}

std::string readSchemeLine(ProfileFile& profile, const std::string& file, const std::string& name) {
  return profile.readString(file, kSchemeSection, schemeKeyFor(profile, file, name), "", kSchemeLineMax + 1);
}

}  // namespace vdx
