// Names the processor from CPUID and measures its clock with the time-stamp
// counter against the millisecond timer, for the system information page.
#pragma once
#include <cstdint>
#include <string>

#include "tweaker/platform/chip_ports.h"
#include "tweaker/platform/system.h"

namespace vdx {

struct CpuInfo {
  char vendor[128] = {};  // leaf 0 EBX, EDX, ECX
  uint32_t maxLeaf = 0;
  uint32_t maxExtLeaf = 0;  // read only with the extended cache sizes
  uint32_t stepping = 0;
  uint32_t model = 0;
  uint32_t family = 0;
  uint32_t familyModel = 0;  // (signature >> 4) & 0xFF
  uint32_t features = 0;     // leaf 1 EDX
  uint32_t extFeatures = 0;  // leaf 0x80000001 EDX
  uint32_t l1CodeKb = 0;
  uint32_t l1DataKb = 0;
  uint32_t l2Kb = 0;
};

// The three text fields of the information page; all empty without CPUID.
struct CpuFields {
  std::string type;
  std::string features;
  std::string info;
};

bool HasCpuid(SystemServices& system);
// Stores each register only where the pointer is given; false without CPUID.
bool Cpuid(SystemServices& system, uint32_t leaf, uint32_t* eax, uint32_t* ebx, uint32_t* ecx, uint32_t* edx);

// Leaves 0, 1, 0x80000001 and, above a highest leaf of 1, the leaf 2 cache
// descriptors.
CpuInfo readCpuInfo(SystemServices& system);
void addCacheDescriptors(const uint32_t leaf2[4], CpuInfo* info);
// Replaces the cache sizes from the extended leaves when there are any.
void readExtendedCacheSizes(SystemServices& system, CpuInfo* info);

// The name from the vendor tables, "%s ??? %04X" when they have none. May
// read the extended cache sizes (AMD K6-2+/K6-3+).
std::string cpuName(SystemServices& system, CpuInfo* info);
// "MMX, Streaming SIMD, ..."; other vendors than Intel read the extended
// cache sizes here.
std::string cpuFeatureList(SystemServices& system, CpuInfo* info);
std::string cpuInfoText(const CpuInfo& info);

// Whole MHz measured over `ms` milliseconds, starting on a timer edge; the
// counter difference is taken as 32 bits. False without a time-stamp counter.
bool MeasureCpuMhz(SystemServices& system, MilliClock& clock, uint32_t ms, double* mhz);

// Everything the page shows of the processor; the clock is measured over
// 350 ms and left out of the type line on a processor without a counter.
CpuFields FillCpuFields(SystemServices& system, MilliClock& clock);

}  // namespace vdx
