#include "tests/fakes/tweaker/fake_system.h"

#include <cctype>

namespace vdx {

namespace {
std::string lower(const std::string& s) {
  std::string out = s;
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}
}  // namespace

bool FakeSystem::setCurrentDirectory(const std::string& dir) {
  if (dir.empty()) return false;
  currentDir = dir;
  return true;
}

void FakeSystem::setFileVersion(const std::string& path, const std::string& text) { versions_[lower(path)] = text; }

bool FakeSystem::fileVersionText(const std::string& path, std::string* text) {
  auto it = versions_.find(lower(path));
  if (it == versions_.end()) {
    if (text) text->clear();
    return false;
  }
  if (text) *text = it->second;
  return true;
}

bool FakeSystem::cpuid(uint32_t leaf, uint32_t regs[4]) {
  if (!hasCpuid) return false;
  auto it = cpuidLeaves.find(leaf);
  for (int i = 0; i < 4; ++i) regs[i] = it == cpuidLeaves.end() ? 0 : it->second[static_cast<std::size_t>(i)];
  return true;
}

bool FakeSystem::rdtsc(uint64_t* value) {
  if (!hasRdtsc) return false;
  *value = tsc;
  tsc += tscStep;
  return true;
}

}  // namespace vdx
