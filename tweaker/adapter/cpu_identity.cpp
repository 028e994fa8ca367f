#include "tweaker/adapter/cpu_identity.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "tweaker/common/text_format.h"

namespace vdx {

namespace {

constexpr uint32_t kExtLeafBase = 0x80000000;
constexpr uint32_t kTscBit = 1u << 4;
constexpr uint32_t kMeasureMs = 350;

std::string format(const char* fmt, const char* vendor, uint32_t n) {
  char buf[160];
  formatText(buf, sizeof buf, fmt, vendor, static_cast<long>(n));
  return buf;
}

std::string intelName(const CpuInfo& c) {
  const std::string v = c.vendor;
  if (c.family == 5) {
    static const char* const kSuffix[] = {"", " (original)", " (B)", " (C)"};
    return v + " Pentium" + kSuffix[c.model < 3 ? c.model : 3];
  }
  if (c.family != 6) return "";
  switch (c.model) {
    case 0:
    case 2:
      return v + " Pentium ";
    case 1:
      return v + " Pentium " + " Pro";
    case 3:
    case 4:
      return v + " Pentium " + " II";
    case 5:
      if (c.l2Kb == 0) return format("%s Celeron", c.vendor, 0);
      return v + " Pentium " + (c.l2Kb >= 1024 ? "II Xeon" : "II/Xeon");
    case 6:
      return format("%s Celeron-A", c.vendor, 0);
    default:
      return v + " Pentium " + (c.l2Kb >= 1024 ? "III Xeon" : "III");
  }
}

std::string amdName(SystemServices& system, CpuInfo* c) {
  if (c->family == 6) return format("%s Athlon (Model %ld)", c->vendor, c->model);
  if (c->family != 5) return c->familyModel == 0x40 ? "Am486 or Am5X86" : "";
  if (c->model <= 3) return format("%s K5 (Model %ld)", c->vendor, c->model);
  if (c->model <= 7) return format("%s K6 (Model %ld)", c->vendor, c->model);
  if (c->model == 8) return format("%s K6-2 (Model %ld)", c->vendor, c->model);
  if (c->model == 9) return format("%s K6-3 (Model %ld)", c->vendor, c->model);
  if (c->model != 13) return "";
  readExtendedCacheSizes(system, c);
  if (c->l2Kb == 128) return format("%s K6-2+(Model %ld)", c->vendor, c->model);
  if (c->l2Kb == 255) return format("%s K6-3+(Model %ld)", c->vendor, c->model);
  return "";
}

std::string cyrixName(const CpuInfo& c) {
  if (c.model == 0) return format("%s 6x86MX", c.vendor, 0);
  if (c.model == 2) return format("%s 6x86(L)", c.vendor, 0);
  if (c.model == 4 && c.family == 4) return format("%s MediaGX", c.vendor, 0);
  if (c.model == 4 && c.family == 5) return format("%s MediaGX with MMX", c.vendor, 0);
  if (c.model == 5 && c.family == 6) return format("%s Cyrix III", c.vendor, 0);
  return "";
}

std::string centaurName(const CpuInfo& c) {
  std::string name = "IDT";
  if (c.family != 5) return name;
  if (c.model < 8) return name + " WinChip C6";
  if (c.model == 8) return name + " WinChip2";
  char buf[48];
  formatText(buf, sizeof buf, " Family %d, Model %d", 5, static_cast<int>(c.model));
  return name + buf;
}

void appendFeature(std::string* list, const char* name) {
  if (!list->empty()) *list += ", ";
  *list += name;
}

}  // namespace

bool HasCpuid(SystemServices& system) {
  uint32_t regs[4];
  return system.cpuid(0, regs);
}

bool Cpuid(SystemServices& system, uint32_t leaf, uint32_t* eax, uint32_t* ebx, uint32_t* ecx, uint32_t* edx) {
  uint32_t regs[4] = {};
  if (!system.cpuid(leaf, regs)) return false;
  if (eax) *eax = regs[0];
  if (ebx) *ebx = regs[1];
  if (ecx) *ecx = regs[2];
  if (edx) *edx = regs[3];
  return true;
}

void addCacheDescriptors(const uint32_t leaf2[4], CpuInfo* info) {
  if ((leaf2[0] & 0xFF) == 0) return;
  // Byte 0 of EAX is the repeat count, not a descriptor.
  for (int i = 1; i < 16; ++i) {
    switch ((leaf2[i / 4] >> (8 * (i % 4))) & 0xFF) {
      case 0x06: info->l1CodeKb += 8; break;
      case 0x08: info->l1CodeKb += 16; break;
      case 0x0A: info->l1DataKb += 8; break;
      case 0x0C: info->l1DataKb += 16; break;
      case 0x41: info->l2Kb += 128; break;
      case 0x42: info->l2Kb += 256; break;
      case 0x43: info->l2Kb += 512; break;
      case 0x44: info->l2Kb += 1024; break;
      case 0x45: info->l2Kb += 2048; break;
      default: break;
    }
  }
}

CpuInfo readCpuInfo(SystemServices& system) {
  CpuInfo info;
  uint32_t ebx = 0, ecx = 0, edx = 0, signature = 0;
  Cpuid(system, 0, &info.maxLeaf, &ebx, &ecx, &edx);
  std::memcpy(info.vendor, &ebx, 4);
  std::memcpy(info.vendor + 4, &edx, 4);
  std::memcpy(info.vendor + 8, &ecx, 4);
  Cpuid(system, 1, &signature, nullptr, nullptr, &info.features);
  info.stepping = signature & 0xF;
  info.model = (signature >> 4) & 0xF;
  info.family = (signature >> 8) & 0xF;
  info.familyModel = (signature >> 4) & 0xFF;
  Cpuid(system, kExtLeafBase + 1, nullptr, nullptr, nullptr, &info.extFeatures);
  if (info.maxLeaf > 1) {
    uint32_t leaf2[4] = {};
    if (system.cpuid(2, leaf2)) addCacheDescriptors(leaf2, &info);
  }
  return info;
}

void readExtendedCacheSizes(SystemServices& system, CpuInfo* info) {
  Cpuid(system, kExtLeafBase, &info->maxExtLeaf, nullptr, nullptr, nullptr);
  if (info->maxExtLeaf == 0) return;
  uint32_t ecx = 0, edx = 0;
  info->l1CodeKb = info->l1DataKb = info->l2Kb = 0;
  Cpuid(system, kExtLeafBase + 5, nullptr, nullptr, &ecx, &edx);
  info->l1CodeKb = edx >> 24;
  info->l1DataKb = ecx >> 24;
  if (info->maxExtLeaf >= kExtLeafBase + 6) {
    ecx = 0;
    Cpuid(system, kExtLeafBase + 6, nullptr, nullptr, &ecx, nullptr);
    info->l2Kb = ecx >> 16;
  }
}

std::string cpuName(SystemServices& system, CpuInfo* info) {
  std::string name;
  if (std::strcmp(info->vendor, "GenuineIntel") == 0) {
    name = intelName(*info);
  } else if (std::strcmp(info->vendor, "AuthenticAMD") == 0) {
    name = amdName(system, info);
  } else if (std::strcmp(info->vendor, "CyrixInstead") == 0) {
    name = cyrixName(*info);
  } else if (std::strcmp(info->vendor, "CentaurHauls") == 0) {
    name = centaurName(*info);
  } else if (std::strcmp(info->vendor, "RiseRiseRise") == 0 && info->family == 5) {
    name = "Rise mp6";
  }
  if (name.empty()) {
    char buf[160];
    formatText(buf, sizeof buf, "%s ??? %04X", info->vendor, static_cast<unsigned>(info->familyModel));
    name = buf;
  }
  return name;
}

std::string cpuFeatureList(SystemServices& system, CpuInfo* info) {
  std::string list;
  if (info->features & (1u << 23)) appendFeature(&list, "MMX");
  if (info->features & (1u << 25)) appendFeature(&list, "Streaming SIMD");
  if (std::strcmp(info->vendor, "GenuineIntel") != 0) {
    readExtendedCacheSizes(system, info);
    if (info->extFeatures & (1u << 31))
      appendFeature(&list, (info->extFeatures & (1u << 30)) ? "Extended 3DNow!" : "3DNow!");
    if (info->features & (1u << 22)) appendFeature(&list, "New MMX");
  }
  return list;
}

std::string cpuInfoText(const CpuInfo& info) {
  char buf[96];
  int n = formatText(buf, sizeof buf, "Stepping %d  ", static_cast<int>(info.stepping));
  if (info.maxLeaf <= 1 && info.maxExtLeaf <= 1)
    formatText(buf + n, sizeof buf - n, "L1=unknown  L2=unknown");
  else
    formatText(buf + n, sizeof buf - n, "L1=%ldKB  L2=%ldKB", static_cast<long>(info.l1CodeKb + info.l1DataKb),
                  static_cast<long>(info.l2Kb));
  return buf;
}

bool MeasureCpuMhz(SystemServices& system, MilliClock& clock, uint32_t ms, double* mhz) {
  if (ms == 0) ms = 1;  // an interval of 0 would divide by zero
  uint32_t edx = 0;
  if (!Cpuid(system, 1, nullptr, nullptr, nullptr, &edx) || !(edx & kTscBit)) return false;
  // CPUID before each reading keeps the counter from running ahead of it.
  auto counter = [&system](uint32_t* low) {
    uint64_t tsc = 0;
    Cpuid(system, 0, nullptr, nullptr, nullptr, nullptr);
    if (!system.rdtsc(&tsc)) return false;
    *low = static_cast<uint32_t>(tsc);
    return true;
  };
  const uint32_t edge = clock.now();
  uint32_t t0 = edge;
  while (t0 == edge) t0 = clock.now();
  uint32_t c0 = 0, c1 = 0;
  if (!counter(&c0)) return false;
  uint32_t t1 = clock.now();
  while (t1 - t0 < ms) t1 = clock.now();
  if (!counter(&c1)) return false;
  *mhz = std::ceil(static_cast<double>(c1 - c0) / (static_cast<double>(t1 - t0) * 1000.0));
  return true;
}

CpuFields FillCpuFields(SystemServices& system, MilliClock& clock) {
  CpuFields fields;
  if (!HasCpuid(system)) return fields;
  CpuInfo info = readCpuInfo(system);
  fields.type = cpuName(system, &info);
  double mhz = 0;
  if (MeasureCpuMhz(system, clock, kMeasureMs, &mhz)) {
    char buf[32];
    formatText(buf, sizeof buf, " at %.1f MHz", mhz);
    fields.type += buf;
  }
  fields.features = cpuFeatureList(system, &info);
  fields.info = cpuInfoText(info);
  return fields;
}

}  // namespace vdx
