#include "tweaker/platform/platform.h"

namespace vdx {
namespace {
Platform g_platform;
}

Platform& platform() { return g_platform; }

void installPlatform(const Platform& services) { g_platform = services; }

}  // namespace vdx
