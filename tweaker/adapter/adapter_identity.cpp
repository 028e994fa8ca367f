#include "tweaker/adapter/adapter_identity.h"

#include "tweaker/common/registry_utils.h"

namespace vdx {

long openCardKey(Registry& reg, const AdapterIdentity& id, RegKey* out) {
  if (id.cardKeyPath.empty()) return kErrorCantOpen;
  return openCreateKeyPath(reg, RegRoot::LocalMachine, id.cardKeyPath, out);
}

}  // namespace vdx
