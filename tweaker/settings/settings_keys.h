// The four keys the tweaker keeps settings in, each opened (and created when
// missing) with full access for one operation.
#pragma once
#include <string>

#include "tweaker/adapter/adapter_identity.h"
#include "tweaker/adapter/identify_adapter.h"
#include "tweaker/platform/registry.h"

namespace vdx {

constexpr char kMiniGLKeyPath[] = "Software\\S3\\S3GL";
constexpr char kRunKeyPath[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

enum class SettingsKey { Program, Card, DriverSettings, MiniGL };

// 0 or a registry error code; on success `out` holds the open key.
long openSettingsKey(Registry& reg, const AdapterIdentity& id, SettingsKey which, RegKey* out);

// Open the key, read or write one string, close it. False when the key
// cannot be opened (the read then yields `dflt`) or the value is missing.
bool readStringValue(Registry& reg, const AdapterIdentity& id, SettingsKey which, const std::string& name,
                     std::string* out, const std::string& dflt);
bool writeStringValue(Registry& reg, const AdapterIdentity& id, SettingsKey which, const std::string& name,
                      const std::string& text);

}  // namespace vdx
