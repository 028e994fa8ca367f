#include "tweaker/adapter/adapter_identity.h"

namespace vdx {

AdapterIdentity& adapterIdentity() {
  static AdapterIdentity identity;
  return identity;
}

}  // namespace vdx
