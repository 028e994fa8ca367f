// Binds the contract tests to the in-memory fakes.
#include "tests/contract/tweaker/contract_factories.h"
#include "tests/fakes/tweaker/fake_display.h"
#include "tests/fakes/tweaker/fake_profile.h"
#include "tests/fakes/tweaker/fake_registry.h"
#include "tests/fakes/tweaker/fake_system.h"

namespace vdx {
namespace contract {

std::unique_ptr<Registry> makeRegistry() {
  auto reg = std::make_unique<FakeRegistry>();
  // A fresh fake has the top-level keys a Windows registry always has.
  reg->setString(RegRoot::CurrentUser, "Software\\Placeholder", "", "");
  reg->setString(RegRoot::LocalMachine, "Software\\Placeholder", "", "");
  return reg;
}
std::unique_ptr<ProfileFile> makeProfile() { return std::make_unique<FakeProfile>(); }
std::unique_ptr<SystemServices> makeSystem() {
  auto sys = std::make_unique<FakeSystem>();
  sys->setFileVersion(sys->systemDir + "\\KERNEL32.DLL", "4.10.2222");
  return sys;
}
std::unique_ptr<Display> makeDisplay() { return std::make_unique<FakeDisplay>(); }
std::string scratchIniPath(const std::string& name) { return "C:\\WINDOWS\\TEMP\\" + name; }
void removeScratchFile(const std::string&) {}
void writeScratchFile(ProfileFile& ini, const std::string& path, const std::string& text) {
  static_cast<FakeProfile&>(ini).setFileText(path, text);
}
std::string fileWithoutVersion() { return std::string(); }

}  // namespace contract
}  // namespace vdx
