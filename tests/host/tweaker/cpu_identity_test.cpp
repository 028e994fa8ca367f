// Processor names from recorded CPUID signatures, the cache text and the
// clock measurement against a scripted timer and counter.
#include <gtest/gtest.h>

#include <cstring>

#include "tests/fakes/tweaker/fake_clock.h"
#include "tests/fakes/tweaker/fake_system.h"
#include "tweaker/adapter/cpu_identity.h"

namespace vdx {
namespace {

constexpr uint32_t kExt = 0x80000000;

// Leaf 0 with the vendor's three registers in EBX, EDX, ECX order.
void setVendor(FakeSystem& s, const char* vendor, uint32_t maxLeaf) {
  uint32_t r[3];
  std::memcpy(r, vendor, 12);
  s.cpuidLeaves[0] = {maxLeaf, r[0], r[2], r[1]};
}

void setSignature(FakeSystem& s, uint32_t family, uint32_t model, uint32_t stepping, uint32_t edx = 0) {
  s.cpuidLeaves[1] = {(family << 8) | (model << 4) | stepping, 0, 0, edx};
}

struct NameCase {
  const char* vendor;
  uint32_t family, model;
  uint32_t l2Descriptor;  // leaf 2 byte 1 (0: no L2 descriptor)
  uint32_t extL2Kb;       // leaf 0x80000006 ECX >> 16 (0: no extended leaves)
  const char* name;
};

TEST(CpuNameTest, VendorTablesAndFallback) {
  const NameCase cases[] = {
      {"GenuineIntel", 6, 5, 0x43, 0, "GenuineIntel Pentium II/Xeon"},
      {"GenuineIntel", 6, 5, 0, 0, "GenuineIntel Celeron"},
      {"GenuineIntel", 6, 5, 0x44, 0, "GenuineIntel Pentium II Xeon"},
      {"GenuineIntel", 6, 1, 0, 0, "GenuineIntel Pentium  Pro"},
      {"GenuineIntel", 6, 6, 0x41, 0, "GenuineIntel Celeron-A"},
      {"GenuineIntel", 6, 8, 0x42, 0, "GenuineIntel Pentium III"},
      {"GenuineIntel", 6, 10, 0x45, 0, "GenuineIntel Pentium III Xeon"},
      {"GenuineIntel", 5, 1, 0, 0, "GenuineIntel Pentium (original)"},
      {"GenuineIntel", 5, 8, 0, 0, "GenuineIntel Pentium (C)"},
      {"GenuineIntel", 15, 2, 0, 0, "GenuineIntel ??? 00F2"},
      {"AuthenticAMD", 5, 13, 0, 256, "AuthenticAMD ??? 005D"},
      {"AuthenticAMD", 5, 13, 0, 128, "AuthenticAMD K6-2+(Model 13)"},
      {"AuthenticAMD", 5, 13, 0, 255, "AuthenticAMD K6-3+(Model 13)"},
      {"AuthenticAMD", 5, 8, 0, 0, "AuthenticAMD K6-2 (Model 8)"},
      {"AuthenticAMD", 6, 2, 0, 0, "AuthenticAMD Athlon (Model 2)"},
      {"AuthenticAMD", 4, 0, 0, 0, "Am486 or Am5X86"},
      {"CentaurHauls", 5, 9, 0, 0, "IDT Family 5, Model 9"},
      {"CentaurHauls", 5, 4, 0, 0, "IDT WinChip C6"},
      {"CentaurHauls", 6, 7, 0, 0, "IDT"},
      {"CyrixInstead", 5, 2, 0, 0, "CyrixInstead 6x86(L)"},
      {"CyrixInstead", 5, 4, 0, 0, "CyrixInstead MediaGX with MMX"},
      {"RiseRiseRise", 5, 0, 0, 0, "Rise mp6"},
      {"RiseRiseRise", 6, 0, 0, 0, "RiseRiseRise ??? 0060"},
  };
  for (const NameCase& c : cases) {
    FakeSystem s;
    setVendor(s, c.vendor, c.l2Descriptor ? 2 : 1);
    setSignature(s, c.family, c.model, 1);
    if (c.l2Descriptor) s.cpuidLeaves[2] = {0x01 | (c.l2Descriptor << 8), 0, 0, 0};
    if (c.extL2Kb) {
      s.cpuidLeaves[kExt] = {kExt + 6, 0, 0, 0};
      s.cpuidLeaves[kExt + 6] = {0, 0, c.extL2Kb << 16, 0};
    }
    CpuInfo info = readCpuInfo(s);
    EXPECT_EQ(cpuName(s, &info), c.name) << c.vendor << " " << c.family << "/" << c.model;
  }
}

TEST(CpuCacheTest, DescriptorsSkipTheRepeatCountAndUnknownLeavesShowUnknown) {
  FakeSystem s;
  setVendor(s, "GenuineIntel", 2);
  setSignature(s, 6, 5, 2);
  s.cpuidLeaves[2] = {0x0C084301, 0, 0, 0};
  CpuInfo info = readCpuInfo(s);
  EXPECT_EQ(cpuInfoText(info), "Stepping 2  L1=32KB  L2=512KB");

  // A repeat count of 0 means no descriptors at all.
  FakeSystem none;
  setVendor(none, "GenuineIntel", 2);
  none.cpuidLeaves[2] = {0x0C084300, 0, 0, 0};
  EXPECT_EQ(cpuInfoText(readCpuInfo(none)), "Stepping 0  L1=0KB  L2=0KB");

  FakeSystem old;
  setVendor(old, "GenuineIntel", 1);
  setSignature(old, 5, 2, 12);
  EXPECT_EQ(cpuInfoText(readCpuInfo(old)), "Stepping 12  L1=unknown  L2=unknown");
}

TEST(CpuFeatureTest, IntelStopsAtSimdOthersReadTheExtendedLeaves) {
  FakeSystem intel;
  setVendor(intel, "GenuineIntel", 1);
  setSignature(intel, 6, 7, 3, (1u << 23) | (1u << 25) | (1u << 22));
  intel.cpuidLeaves[kExt + 1] = {0, 0, 0, 1u << 31};
  CpuInfo i = readCpuInfo(intel);
  EXPECT_EQ(cpuFeatureList(intel, &i), "MMX, Streaming SIMD");

  FakeSystem amd;
  setVendor(amd, "AuthenticAMD", 1);
  setSignature(amd, 6, 2, 1, (1u << 23) | (1u << 22));
  amd.cpuidLeaves[kExt] = {kExt + 6, 0, 0, 0};
  amd.cpuidLeaves[kExt + 1] = {0, 0, 0, (1u << 31) | (1u << 30)};
  amd.cpuidLeaves[kExt + 5] = {0, 0, 64u << 24, 64u << 24};
  amd.cpuidLeaves[kExt + 6] = {0, 0, 256u << 16, 0};
  CpuInfo a = readCpuInfo(amd);
  EXPECT_EQ(cpuFeatureList(amd, &a), "MMX, Extended 3DNow!, New MMX");
  EXPECT_EQ(cpuInfoText(a), "Stepping 1  L1=128KB  L2=256KB");

  FakeSystem k6;
  setVendor(k6, "AuthenticAMD", 1);
  setSignature(k6, 5, 8, 0);
  k6.cpuidLeaves[kExt + 1] = {0, 0, 0, 1u << 31};
  CpuInfo k = readCpuInfo(k6);
  EXPECT_EQ(cpuFeatureList(k6, &k), "3DNow!");
}

// The counter runs `perMs` cycles for every millisecond the clock reads.
struct TimedSystem : FakeSystem {
  FakeClock* clock = nullptr;
  uint64_t base = 0;
  double perMs = 0;
  bool rdtsc(uint64_t* value) override {
    *value = base + static_cast<uint64_t>(clock->peek() * perMs);
    return true;
  }
};

TEST(CpuClockTest, CeilingOverTheMeasuredTicksAndAWrappingCounter) {
  FakeClock clock(5000, 1);
  TimedSystem s;
  s.clock = &clock;
  s.perMs = 451030.0;  // 451.03 cycles per microsecond
  setSignature(s, 6, 8, 1, 1u << 4);
  double mhz = 0;
  ASSERT_TRUE(MeasureCpuMhz(s, clock, 350, &mhz));
  EXPECT_EQ(mhz, 452.0);

  // The low 32 bits wrap during the interval; the unsigned difference holds.
  FakeClock clock2(0, 1);
  s.clock = &clock2;
  s.base = 0x100000000ull - 1000000;  // wraps after the first reading
  s.perMs = 400000.0;
  ASSERT_TRUE(MeasureCpuMhz(s, clock2, 350, &mhz));
  EXPECT_EQ(mhz, 400.0);
}

TEST(CpuFieldsTest, NoCpuidLeavesEverythingEmptyNoCounterLeavesOutTheClock) {
  FakeSystem none;
  none.hasCpuid = false;
  FakeClock clock(0, 1);
  const CpuFields empty = FillCpuFields(none, clock);
  EXPECT_EQ(empty.type + empty.features + empty.info, "");

  FakeSystem noTsc;
  setVendor(noTsc, "GenuineIntel", 1);
  setSignature(noTsc, 5, 2, 5, 1u << 23);
  const CpuFields f = FillCpuFields(noTsc, clock);
  EXPECT_EQ(f.type, "GenuineIntel Pentium (B)");
  EXPECT_EQ(f.features, "MMX");
  EXPECT_EQ(f.info, "Stepping 5  L1=unknown  L2=unknown");

  FakeSystem tsc;
  setVendor(tsc, "GenuineIntel", 1);
  setSignature(tsc, 5, 2, 5, 1u << 4);
  tsc.tscStep = 100000;  // per reading: two readings over 350 ms round up to 1 MHz
  EXPECT_EQ(FillCpuFields(tsc, clock).type, "GenuineIntel Pentium (B) at 1.0 MHz");
}

}  // namespace
}  // namespace vdx
