#include "tweaker/adapter/pci_class_key.h"

#include <cstdio>

#include "tweaker/common/registry_text.h"
#include "tweaker/common/text_compare.h"
#include "tweaker/common/text_format.h"

namespace vdx {
namespace {

const char kEnumPci[] = "Enum\\PCI";
const char kClassRoot[] = "System\\CurrentControlSet\\Services\\Class\\";

std::string hexText(const char* format, uint32_t a, uint32_t b = 0) {
  char buf[64];
  formatText(buf, sizeof buf, format, static_cast<unsigned>(a), static_cast<unsigned>(b));
  return buf;
}

}  // namespace

bool pciDeviceNameMatches(const std::string& name, const PciIds& ids) {
  const std::string prefix = hexText("VEN_%04X&DEV_%04X", ids.vendorId, ids.deviceId);
  if (!matchesNoCaseAt(name, 0, prefix)) return false;
  const std::size_t rev = findNoCase(name, "&REV_");
  if (rev == std::string::npos) return true;
  const std::string wantedRev = hexText("&REV_%02X", ids.revision);
  if (name.size() - rev != wantedRev.size() || !matchesNoCaseAt(name, rev, wantedRev)) return false;
  const std::size_t subsys = findNoCase(name, "&SUBSYS_");
  if (subsys == std::string::npos) return true;
  const std::string wantedSubsys = hexText("&SUBSYS_%04X%04X", ids.subsystemId, ids.subsystemVendorId);
  return matchesNoCaseAt(name, subsys, wantedSubsys);
}

bool findPciClassKey(Registry& reg, const PciIds& ids, std::string* classKeyPath) {
  std::string device;
  {
    RegKey pci;
    if (!pci.open(reg, RegRoot::LocalMachine, kEnumPci)) return false;
    std::string name;
    bool found = false;
    for (uint32_t i = 0; reg.enumSubKey(pci.handle(), i, &name); ++i) {
      // Longer names do not fit the name buffer; such a key is passed over.
      if (name.size() > kMaxRegistryText) continue;
      if (pciDeviceNameMatches(name, ids)) {
        device = name;
        found = true;
        break;
      }
    }
    if (!found) return false;
  }
  RegKey deviceKey;
  if (!deviceKey.open(reg, RegRoot::LocalMachine, std::string(kEnumPci) + "\\" + device)) return false;
  std::string instance;
  if (!reg.enumSubKey(deviceKey.handle(), 0, &instance)) return false;
  RegKey instanceKey;
  if (!instanceKey.open(reg, RegRoot::LocalMachine, std::string(kEnumPci) + "\\" + device + "\\" + instance))
    return false;
  std::string driver;
  if (!readRegistryText(reg, instanceKey.handle(), "Driver", &driver)) return false;
  *classKeyPath = kClassRoot + driver;
  return true;
}

bool readClassKeyString(Registry& reg, const PciIds& ids, const std::string& subkey, const std::string& valueName,
                        std::string* out) {
  std::string classKey;
  if (!findPciClassKey(reg, ids, &classKey)) return false;
  RegKey key;
  if (!key.open(reg, RegRoot::LocalMachine, classKey + "\\" + subkey)) return false;
  return readRegistryText(reg, key.handle(), valueName, out);
}

}  // namespace vdx
