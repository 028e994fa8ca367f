// The contract under Wine: the real Win32 services.
#include "memtool/platform/win32/win32_seam.h"
#include "tests/contract/memtool/seam_factories.h"

namespace mt {
namespace contract {

std::unique_ptr<Registry> makeRegistry() { return std::unique_ptr<Registry>(new Win32Registry()); }
std::unique_ptr<SystemServices> makeSystem() { return std::unique_ptr<SystemServices>(new Win32System()); }
std::unique_ptr<VirtualMemory> makeMemory() { return std::unique_ptr<VirtualMemory>(new Win32Memory()); }

}  // namespace contract
}  // namespace mt
