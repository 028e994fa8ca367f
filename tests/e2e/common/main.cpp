// The common main of every end-to-end driver: runs the registered scenarios.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include <windows.h>

#include "tests/e2e/common/driver.h"

namespace e2e {
namespace {
std::map<std::string, ScenarioFn>& scenarios() {
  static std::map<std::string, ScenarioFn> all;
  return all;
}
std::map<std::string, std::string>& options() {
  static std::map<std::string, std::string> all;
  return all;
}
}  // namespace

ScenarioRegistrar::ScenarioRegistrar(const char* name, ScenarioFn fn) { scenarios()[name] = fn; }

std::string option(const char* key, const char* dflt) {
  auto it = options().find(key);
  return it == options().end() ? dflt : it->second;
}

}  // namespace e2e

int main(int argc, char** argv) {
  std::vector<std::string> filters;
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], "--", 2) == 0) {
      const char* eq = std::strchr(argv[i], '=');
      if (eq) e2e::options()[std::string(argv[i] + 2, (size_t)(eq - argv[i] - 2))] = eq + 1;
    } else {
      filters.push_back(argv[i]);
    }
  }
  std::string name = argv[0];
  size_t slash = name.find_last_of("\\/");
  if (slash != std::string::npos) name = name.substr(slash + 1);
  if (name.size() > 4 && name.compare(name.size() - 4, 4, ".exe") == 0) name.resize(name.size() - 4);
  for (auto& [scenario, fn] : e2e::scenarios()) {
    bool run = filters.empty() ||
               std::any_of(filters.begin(), filters.end(),
                           [&](const std::string& f) { return scenario.find(f) != std::string::npos; });
    if (!run) continue;
    e2e::section(scenario);
    const DWORD started = GetTickCount();
    fn();
    // Where a suite's time goes, for whoever has to shorten it.
    std::printf("   (%s: %.1f s)\n", scenario.c_str(), (GetTickCount() - started) / 1000.0);
    std::fflush(stdout);
  }
  return e2e::finish(name.c_str());
}
