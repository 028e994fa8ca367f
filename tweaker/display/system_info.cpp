#include "tweaker/display/system_info.h"

#include <cstdio>
#include <vector>

#include "tweaker/adapter/cpu_identity.h"
#include "tweaker/adapter/file_version.h"
#include "tweaker/adapter/identify_adapter.h"
#include "tweaker/adapter/os_version.h"
#include "tweaker/adapter/pci_class_key.h"
#include "tweaker/adapter/physical_memory.h"
#include "tweaker/adapter/pll.h"
#include "tweaker/common/text_compare.h"
#include "tweaker/common/text_format.h"
#include "tweaker/display/directx_version.h"
#include "tweaker/resources/resource.h"

namespace vdx {

const char kHomePageUrl[] = "http://www.vidarix.net/";
const char kIcdWarning[] = "  **WARNING! NOT IN REGISTRY!**";

namespace {

constexpr std::size_t kMaxValueName = 260;
constexpr std::size_t kMaxValueData = 512;

std::string baseName(const std::string& path) {
  const std::string::size_type slash = path.rfind('\\');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

struct NamedId {
  uint32_t id;
  const char* name;
};

const NamedId kMakers[] = {
    {0x1014, "IBM"}, {0x1033, "NEC"}, {0x1092, "Diamond"}, {0x1179, "Toshiba"},
};

const NamedId kOsNames[] = {
    {kOsWin95, "95"}, {kOsWin95B, "95-OSR2"}, {kOsWin95C, "95-OSR2.5"}, {kOsWin98, "98"},
    {kOsWinMe, "Millenium"}, {kOsNt4, "NT 4.0"}, {kOsNt5, "2000"},
};

const NamedId kMemoryKinds[] = {
    {kMemoryVram, "VRAM"}, {kMemorySdram, "SDRAM"}, {kMemorySgram, "SGRAM"}, {kMemoryRdram, "RDRAM"},
};

const uint32_t kKnownChips[] = {0x8A20, 0x8A21, 0x8A22, 0x8A25, 0x8C10, 0x8C11, 0x8C12, 0x8C13, 0x9102};

const char* nameOf(const NamedId* table, std::size_t count, uint32_t id) {
  for (std::size_t i = 0; i < count; ++i)
    if (table[i].id == id) return table[i].name;
  return nullptr;
}

template <std::size_t N>
const char* nameOf(const NamedId (&table)[N], uint32_t id) {
  return nameOf(table, N, id);
}

}  // namespace

std::string aboutTitle(const std::string& programVersion) { return "About Vidarix - (v" + programVersion + ")"; }

std::string fileVersionLine(const std::string& versionText, const std::string& filePath) {
  return versionText + "  (" + baseName(filePath) + ")";
}

bool icdRegistered(Registry& reg, const std::string& icdFileName) {
  RegKey key;
  if (!key.open(reg, RegRoot::LocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\OpenGLdrivers"))
    return false;
  std::string name;
  for (uint32_t i = 0; reg.enumValue(key.handle(), i, &name); ++i) {
    uint32_t type = 0;
    std::vector<uint8_t> data;
    // Names and data beyond the buffers the check reads with never match.
    if (name.size() > kMaxValueName || !reg.queryValue(key.handle(), name, &type, &data)) continue;
    if (type != kRegSz || data.size() > kMaxValueData) continue;
    std::string text(data.begin(), data.end());
    const std::string::size_type nul = text.find('\0');
    if (nul != std::string::npos) text.resize(nul);
    if (equalsNoCase(text, icdFileName)) return true;
  }
  return false;
}

std::string biosLine(const uint16_t* w, const uint16_t* d) {
  if (!w) return "???";
  char buf[96];
  if (w[4] == 1 && w[5] == 0)
    formatText(buf, sizeof buf, "%x.%02X.%02X", w[0], w[1], w[2]);
  else if (w[4] == 1)
    formatText(buf, sizeof buf, "%x.%02X.%02X-%x%02X.%02X", w[0], w[1], w[2], w[5], w[6], w[7]);
  else if (w[5] == 0)
    formatText(buf, sizeof buf, "%x.%02X.%02X - %02X", w[0], w[1], w[2], w[3]);
  else
    formatText(buf, sizeof buf, "%x.%02x.%02x.%02x-%x%02x.%02x", w[0], w[1], w[2], w[3], w[5], w[6], w[7]);
  std::string line = buf;
  if (d) {
    formatText(buf, sizeof buf, " [%x/%x/%x]", d[0], d[1], d[2]);
    line += buf;
  }
  return line;
}

std::string makerLine(uint16_t vendor, uint16_t subsystem) {
  const char* maker = nameOf(kMakers, vendor);
  char buf[48];
  formatText(buf, sizeof buf, "%s (%04X%04X)", maker ? maker : "S3 Inc.", vendor, subsystem);
  return buf;
}

bool chipKnown(uint32_t deviceId) {
  for (uint32_t id : kKnownChips)
    if (id == deviceId) return true;
  return false;
}

std::string chipLine(const AdapterIdentity& identity, const std::string& revisionText) {
  char buf[32];
  if (!chipKnown(identity.deviceId)) {
    formatText(buf, sizeof buf, "Chipset ID=%04Xh", static_cast<unsigned>(identity.deviceId));
    return buf;
  }
  if (!revisionText.empty()) return identity.chipName + ", rev " + revisionText;
  formatText(buf, sizeof buf, "0x%02X", static_cast<unsigned>(identity.revision));
  return identity.chipName + ", rev " + buf;
}

std::string clockLine(bool shown, float mhz) {
  if (!shown) return "???";
  char buf[32];
  formatText(buf, sizeof buf, "%.1f MHz", mhz);
  return buf;
}

std::string osLine(uint32_t code, const std::string& versionText) {
  const char* name = nameOf(kOsNames, code);
  return name ? std::string("Windows ") + name + " (" + versionText + ")" : "Unknown (" + versionText + ")";
}

std::string memoryLine(const MemoryStatusRecord& m) {
  char buf[96];
  formatText(buf, sizeof buf, "%lu MB/%lu MB free, virt=%lu MB/%lu MB free",
                static_cast<unsigned long>(megabytesRoundedUp(m.totalPhys)),
                static_cast<unsigned long>(megabytesRoundedUp(m.availPhys)),
                static_cast<unsigned long>(megabytesRoundedUp(m.totalPageFile)),
                static_cast<unsigned long>(megabytesRoundedUp(m.availPageFile)));
  return buf;
}

std::string videoMemoryLine(const uint32_t* bytes, uint8_t memoryType) {
  char buf[32];
  if (bytes)
    formatText(buf, sizeof buf, "%ld MB ", static_cast<long>(*bytes / 1048576));
  else
    formatText(buf, sizeof buf, "??? MB ");
  const char* kind = nameOf(kMemoryKinds, memoryType);
  return kind ? std::string(buf) + kind : std::string(buf);
}

void AboutDialog::init() {
  SystemServices& system = *model_.system;
  std::string version;
  system.fileVersionText(model_.programPath, &version);
  surface_.setText(0, aboutTitle(version));
  fillVideoInfo();
  fillSystemInfo();
}

void AboutDialog::fillVideoInfo() {
  SystemServices& system = *model_.system;
  const AdapterIdentity& id = *model_.identity;
  struct FileLine {
    int control;
    const std::string* path;
  };
  const FileLine files[] = {
      {IDC_ABOUT_DRIVER, &id.driverFilePath}, {IDC_ABOUT_METAL, &id.metalFilePath}, {IDC_ABOUT_ICD, &id.icdFilePath}};
  for (const FileLine& f : files) {
    std::string text;
    readFileVersion(system, *f.path, &text);
    surface_.setText(f.control, fileVersionLine(text, *f.path));
  }
  if (!icdRegistered(*model_.registry, baseName(id.icdFilePath)))
    surface_.setText(IDC_ABOUT_ICD, surface_.text(IDC_ABOUT_ICD) + kIcdWarning);

  uint16_t bios[9], date[4];
  const bool hasBios = model_.escapes->DRV_GET_BIOS_VERSION(bios);
  const bool hasDate = hasBios && model_.escapes->DRV_GET_BIOS_DATE(date);
  surface_.setText(IDC_ABOUT_BIOS, biosLine(hasBios ? bios : nullptr, hasDate ? date : nullptr));
  surface_.setText(IDC_ABOUT_SUBSYSTEM, makerLine(id.subsystemVendorId, id.subsystemId));
  surface_.setText(IDC_ABOUT_CLASS_KEY, id.classKeyPath);

  std::string revision;
  readClassKeyString(*model_.registry, pciIdsOf(id), "INFO", "Revision", &revision);
  surface_.setText(IDC_ABOUT_CHIP, chipLine(id, revision));
  surface_.setText(IDC_ABOUT_BUS, id.has(kCapAgp) ? "AGP" : "PCI");

  const bool known = chipKnown(id.deviceId);
  struct ClockRow {
    int control;
    int label;  // 0: always shown
    ChipCapability cap;
    const PllRegisterSet* pll;
  };
  const ClockRow clocks[] = {{IDC_ABOUT_MCLK, 0, kCapMclk, &id.mclkPll},
                             {IDC_ABOUT_ECLK, IDC_ABOUT_ECLK_LABEL, kCapEclk, &id.eclkPll},
                             {IDC_ABOUT_ICLK, IDC_ABOUT_ICLK_LABEL, kCapIclk, &id.iclkPll}};
  for (const ClockRow& c : clocks) {
    const bool has = id.has(c.cap);
    if (c.label && !has) {
      surface_.show(c.label, false);
      continue;
    }
    const bool shown = known && has;
    const float mhz = shown ? readPllFrequency(*model_.ports, c.pll->pllIndex, c.pll->postDividerFlagRegister) : 0;
    surface_.setText(c.control, clockLine(shown, mhz));
  }

  uint32_t bytes = 0;
  const bool hasBytes = model_.escapes->DRV_GET_VIDEO_MEMORY(&bytes);
  surface_.setText(IDC_ABOUT_VIDEO_RAM, videoMemoryLine(hasBytes ? &bytes : nullptr, id.memoryType));
}

void AboutDialog::fillSystemInfo() {
  SystemServices& system = *model_.system;
  std::string osText;
  const OsVersionCode os = classifyOsVersion(system, &osText);
  surface_.setText(IDC_ABOUT_OS, osLine(os, osText));
  surface_.setText(IDC_ABOUT_SYSTEM_RAM, memoryLine(system.memoryStatus()));
  const std::string sysDir = system.systemDirectory();
  surface_.setText(IDC_ABOUT_DIRECTX, FormatDirectXVersion(system, sysDir + "\\DDRAW.DLL").line);
  std::string dxMedia;
  system.fileVersionText(sysDir + "\\QDVD.DLL", &dxMedia);
  surface_.setText(IDC_ABOUT_DXMEDIA, dxMedia);
  const CpuFields cpu = FillCpuFields(system, *model_.clock);
  surface_.setText(IDC_ABOUT_CPU_TYPE, cpu.type);
  surface_.setText(IDC_ABOUT_CPU_FEATURES, cpu.features);
  surface_.setText(IDC_ABOUT_CPU_INFO, cpu.info);
}

}  // namespace vdx
