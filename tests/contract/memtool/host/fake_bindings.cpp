// The contract on the host: Memtidy's fakes.
#include "tests/contract/memtool/seam_factories.h"
#include "tests/fakes/memtool/fake_machine.h"
#include "tests/fakes/memtool/fake_private_profile.h"
#include "tests/fakes/memtool/fake_registry.h"

namespace mt {
namespace contract {

namespace {
// The fake memory logs what it was asked; the contract does not look.
EventLog& sink() {
  static EventLog log;
  log.clear();
  return log;
}
}  // namespace

std::unique_ptr<Registry> makeRegistry() { return std::unique_ptr<Registry>(new FakeRegistry()); }

std::unique_ptr<SystemServices> makeSystem() {
  auto sys = new FakeSystem();
  sys->setMB(64, 40);
  sys->memory.totalPageFile = uint64_t(128) << 20;
  sys->memory.availPageFile = uint64_t(100) << 20;
  sys->hasEx = true;
  sys->memoryEx = sys->memory;
  return std::unique_ptr<SystemServices>(sys);
}

std::unique_ptr<VirtualMemory> makeMemory() { return std::unique_ptr<VirtualMemory>(new FakeMemory(sink())); }

namespace {

class FakeProfileFiles : public ProfileFiles {
 public:
  PrivateProfile& profile() override { return fake_; }
  std::string path(const std::string& name) override { return name; }
  void put(const std::string& path, const std::string& text) override { fake_.setText(path, text); }
  std::string get(const std::string& path) override { return fake_.text(path); }
  void lock(const std::string& path) override { fake_.lock(path); }

 private:
  FakePrivateProfile fake_;
};

}  // namespace

std::unique_ptr<ProfileFiles> makeProfileFiles() { return std::make_unique<FakeProfileFiles>(); }

}  // namespace contract
}  // namespace mt
