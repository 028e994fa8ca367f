// Memtidy's seam services under contract: made by the fakes on the host and
// by the real Win32 implementation under Wine.
#pragma once
#include <memory>

#include "memtool/platform/memory.h"
#include "memtool/platform/registry.h"
#include "memtool/platform/system.h"

namespace mt {
namespace contract {

std::unique_ptr<Registry> makeRegistry();
std::unique_ptr<SystemServices> makeSystem();
std::unique_ptr<VirtualMemory> makeMemory();

}  // namespace contract
}  // namespace mt
