#include "tweaker/adapter/identify_adapter.h"

#include <cstdio>

#include "tweaker/adapter/board_probe.h"
#include "tweaker/adapter/chip_registers.h"
#include "tweaker/adapter/chip_table.h"
#include "tweaker/adapter/driver_version_rules.h"
#include "tweaker/adapter/file_version.h"
#include "tweaker/common/text_compare.h"
#include "tweaker/common/text_format.h"
#include "tweaker/platform/platform.h"

namespace vdx {
namespace {

constexpr std::size_t kMaxChipName = 63;

void applyChipRow(ChipPorts& ports, AdapterIdentity& id, const ChipRow& row) {
  id.chipName = row.name;
  if (row.family == ChipFamily::Savage4) id.chipName += (readExtReg(ports, 0x92) & 0x10) ? "GT/Pro" : "LT";
  id.chipName = id.chipName.substr(0, kMaxChipName);
  id.capabilities =
      (row.sgramCapabilities != 0 && id.memoryType == kMemorySgram) ? row.sgramCapabilities : row.capabilities;
  if (row.agpProbeRegister != 0 && (readExtReg(ports, row.agpProbeRegister) & 0x40)) id.capabilities |= row.agpMask;
  id.mclkLimit = row.mclkLimit;
  id.eclkLimit = row.eclkLimit;
  id.iconId = row.iconId;
}

// MX/IX boards: sideband unless the board is one known to lack it.
void applySubsystemRule(AdapterIdentity& id) {
  if (id.subsystemVendorId == 0x1014 && id.subsystemId == 0x017F) return;
  if (id.subsystemVendorId == 0x1179 && id.subsystemId == 0x0001) {
    id.useQueryConnectDefault = false;
    id.showFlickerSliderDefault = false;
    id.showDuoviewDefault = true;
    return;
  }
  id.capabilities |= kCapAgpSideband;
}

void applySavage2000Layout(AdapterIdentity& id) {
  id.mclkPll = PllRegisterSet{0x35, 0x37, 0x02, 0x38};
  id.mclkSearchMode = 1;
  id.eclkPll = PllRegisterSet{0x32, 0x34, 0x02, 0};
  id.eclkSearchMode = 0;
  id.iclkPll = PllRegisterSet{0x10, 0x15, 0x01, 0};
  id.tmValueFloor = 8;
  id.perfIcdMenuDefault = true;
}

std::string systemFilePath(SystemServices& system, const std::string& name) {
  return name.empty() ? std::string() : system.systemDirectory() + "\\" + lowerCase(name);
}

void locateDriverFiles(const Platform& hw, AdapterIdentity& id, const ChipRow* row) {
  if (!row) return;  // unknown chip: no driver files
  std::string driver = row->driverFile;
  std::string overridden;
  if (readClassKeyString(*hw.registry, pciIdsOf(id), "DEFAULT", "drv", &overridden)) driver = overridden;
  id.driverFilePath = systemFilePath(*hw.system, driver);
  id.icdFilePath = systemFilePath(*hw.system, row->icdFile);
  id.metalFilePath = systemFilePath(*hw.system, "metal.dll");
}

std::string cardKeyPathOf(const AdapterIdentity& id) {
  char buf[128];
  formatText(buf, sizeof buf, "%s\\%x_%x%x", kProgramKeyPath, static_cast<unsigned>(id.deviceId),
                static_cast<unsigned>(id.subsystemVendorId), static_cast<unsigned>(id.subsystemId));
  return buf;
}

}  // namespace

PciIds pciIdsOf(const AdapterIdentity& id) {
  return PciIds{id.vendorId, id.deviceId, id.revision, id.subsystemVendorId, id.subsystemId};
}

void fillAdapterHardware(const Platform& hw, AdapterIdentity& id) {
  AdapterIdentity fresh;
  fresh.deviceId = id.deviceId;
  fresh.revision = id.revision;
  id = fresh;

  id.memoryType = probeMemoryType(*hw.ports, id.deviceId);
  const SubsystemIds board = readSubsystemIds(*hw.ports, id.deviceId);
  id.subsystemVendorId = board.vendorId;
  id.subsystemId = board.subsystemId;

  const ChipRow* row = findChipRow(id.deviceId);
  if (row) {
    applyChipRow(*hw.ports, id, *row);
    if (row->family == ChipFamily::SavageMX) applySubsystemRule(id);
    if (row->family == ChipFamily::Savage2000) applySavage2000Layout(id);
  }
}

void fillAdapterDriver(const Platform& hw, AdapterIdentity& id) {
  id.cardKeyPath = cardKeyPathOf(id);
  if (!findPciClassKey(*hw.registry, pciIdsOf(id), &id.classKeyPath)) id.classKeyPath.clear();
  locateDriverFiles(hw, id, findChipRow(id.deviceId));
  id.driverVersion = parseDriverVersion(*hw.system, id.driverFilePath).packed();
  applyDriverVersionRules(*hw.system, id);
}

void fillAdapterIdentity(const Platform& hw, AdapterIdentity& id) {
  fillAdapterHardware(hw, id);
  fillAdapterDriver(hw, id);
}

}  // namespace vdx
