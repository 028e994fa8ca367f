// What the installed driver versions change: MiniGL or OpenGL driver
// options, where MX/IX drivers keep their settings, the VidTex value name.
#pragma once
#include "tweaker/adapter/adapter_identity.h"
#include "tweaker/platform/system.h"

namespace vdx {

// Reads icdVersion where the chip's rule needs it and applies the rule.
// Expects driverVersion, the file paths and classKeyPath already set.
void applyDriverVersionRules(SystemServices& system, AdapterIdentity& id);

}  // namespace vdx
