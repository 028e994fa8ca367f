#include "tweaker/adapter/driver_version_rules.h"

#include "tweaker/adapter/chip_table.h"
#include "tweaker/adapter/file_version.h"

namespace vdx {
namespace {

void savage3DRules(SystemServices& system, AdapterIdentity& id) {
  id.icdVersion = parseDriverVersion(system, id.icdFilePath).packed();
  if (id.icdVersion > packVersion(6, 13, 24)) id.capabilities |= kCapMiniGl;
}

void savage4Rules(SystemServices& system, AdapterIdentity& id) {
  id.icdVersion = parseDriverVersion(system, id.icdFilePath).packed();
  const PackedVersion v = id.icdVersion;
  if ((v > packVersion(1, 0, 0) && v < packVersion(8, 0, 0)) || v > packVersion(8, 20, 12)) {
    id.capabilities |= kCapOpenGl;
    id.perfIcdMenuDefault = true;
  } else {
    id.capabilities |= kCapMiniGl;
  }
}

void savageMXRules(SystemServices& system, AdapterIdentity& id) {
  const PackedVersion d = id.driverVersion;
  if ((d > packVersion(7, 3, 8) && d < packVersion(7, 13, 0)) || d > packVersion(7, 13, 7)) {
    // These drivers read their options from the class key's DEFAULT branch.
    id.settingsRoot = RegRoot::LocalMachine;
    id.settingsKeyPath = (id.classKeyPath.empty() ? id.settingsKeyPath : id.classKeyPath) + "\\DEFAULT";
  }
  id.icdVersion = parseDriverVersion(system, id.icdFilePath).packed();
  if (id.icdVersion < packVersion(7, 1, 20)) {
    id.capabilities |= kCapMiniGl;
  } else {
    id.capabilities |= kCapOpenGl;
    id.perfIcdMenuDefault = true;
  }
}

void savage2000Rules(AdapterIdentity& id) {
  const PackedVersion d = id.driverVersion;
  id.vidTexValueName = "VT";
  if ((d > packVersion(9, 1, 15) && d < packVersion(9, 10, 0)) || d > packVersion(9, 10, 15)) {
    id.vidTexValueName = "VO";
  }
  if (d > packVersion(9, 51, 0)) id.capabilities |= kCapFixGameText;
}

}  // namespace

void applyDriverVersionRules(SystemServices& system, AdapterIdentity& id) {
  switch (chipFamily(id.deviceId)) {
    case ChipFamily::Savage3D: savage3DRules(system, id); break;
    case ChipFamily::Savage4: savage4Rules(system, id); break;
    case ChipFamily::SavageMX: savageMXRules(system, id); break;
    case ChipFamily::Savage2000: savage2000Rules(id); break;
    case ChipFamily::SavageNB:
    case ChipFamily::Unknown: break;
  }
}

}  // namespace vdx
