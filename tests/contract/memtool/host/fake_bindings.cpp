// The contract on the host: Memtidy's fakes.
#include "tests/contract/memtool/seam_factories.h"
#include "tests/fakes/memtool/fake_machine.h"
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
  return std::unique_ptr<SystemServices>(sys);
}

std::unique_ptr<VirtualMemory> makeMemory() { return std::unique_ptr<VirtualMemory>(new FakeMemory(sink())); }

}  // namespace contract
}  // namespace mt
