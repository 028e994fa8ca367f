// The About dialog's information lines from plain values, the ICD registry
// check and one whole opening over fakes.
#include <gtest/gtest.h>

#include "tests/fakes/tweaker/fake_dialog_surface.h"
#include "tests/fakes/tweaker/fake_platform.h"
#include "tweaker/display/directx_version.h"
#include "tweaker/display/system_info.h"
#include "tweaker/resources/resource.h"

namespace vdx {
namespace {

const char kOpenGlDrivers[] = "Software\\Microsoft\\Windows\\CurrentVersion\\OpenGLdrivers";

TEST(SystemInfoLinesTest, BiosFormatsAndDate) {
  struct Case {
    uint16_t w[9];
    const char* line;
  };
  const Case cases[] = {
      {{0x1, 0x2, 0x5, 0x0, 0x1, 0x0, 0, 0, 0}, "1.02.05"},
      {{0x1, 0x2, 0x5, 0x12, 0x0, 0x0, 0, 0, 0}, "1.02.05 - 12"},
      {{0x1, 0x2, 0x5, 0x0, 0x1, 0x3, 0x4, 0x5, 0}, "1.02.05-304.05"},
      {{0x1, 0xA, 0xB, 0xC, 0x2, 0x3, 0xD, 0xE, 0}, "1.0a.0b.0c-30d.0e"},
  };
  for (const Case& c : cases) EXPECT_EQ(biosLine(c.w, nullptr), c.line);
  const uint16_t date[4] = {0x9, 0x23, 0x1999, 0};
  EXPECT_EQ(biosLine(cases[0].w, date), "1.02.05 [9/23/1999]");
  EXPECT_EQ(biosLine(nullptr, date), "???");
}

TEST(SystemInfoLinesTest, MakerChipClockOsAndVideoMemory) {
  EXPECT_EQ(makerLine(0x5333, 0x8A22), "S3 Inc. (53338A22)");
  EXPECT_EQ(makerLine(0x1179, 0x0001), "Toshiba (11790001)");

  AdapterIdentity id;
  id.deviceId = 0x8A22;
  id.revision = 5;
  id.chipName = "Savage4";
  EXPECT_EQ(chipLine(id, "GT-B5"), "Savage4, rev GT-B5");
  EXPECT_EQ(chipLine(id, ""), "Savage4, rev 0x05");
  id.deviceId = 0x8A23;
  EXPECT_EQ(chipLine(id, "GT-B5"), "Chipset ID=8A23h");

  EXPECT_EQ(clockLine(true, 125.0f), "125.0 MHz");
  EXPECT_EQ(clockLine(false, 125.0f), "???");
  EXPECT_EQ(osLine(20, "4.90.3000"), "Windows Millenium (4.90.3000)");
  EXPECT_EQ(osLine(0, "5.1"), "Unknown (5.1)");

  const uint32_t bytes = 32u << 20;
  EXPECT_EQ(videoMemoryLine(&bytes, kMemorySgram), "32 MB SGRAM");
  EXPECT_EQ(videoMemoryLine(nullptr, 7), "??? MB ");
}

TEST(SystemInfoLinesTest, MemoryRoundsUpFromWholeKilobytes) {
  const MemoryStatusRecord m{67108864, 67108865, 67109888, 0};
  EXPECT_EQ(memoryLine(m), "64 MB/64 MB free, virt=65 MB/0 MB free");
}

TEST(SystemInfoLinesTest, DirectXReleasesFromDdrawVersions) {
  const char* const cases[][2] = {
      {"4.06.02.0436", "4.06.02.0436  (DirectX 6.1)"}, {"4.06.00.0318", "4.06.00.0318  (DirectX 6.0)"},
      {"4.05.01.1721", "4.05.01.1721  (DirectX 5.1)"}, {"4.04.00.0068", "4.04.00.0068  (DirectX 3.0)"},
      {"4.07.00.0700", "4.07.00.0700  (DirectX 7.0)"}, {"406", "406  (DirectX ]"},
  };
  for (const auto& c : cases) EXPECT_EQ(directXVersionFromText(c[0]).line, c[1]);
}

TEST(IcdRegistryTest, MatchesStringDataIgnoringCaseOnly) {
  FakeRegistry reg;
  EXPECT_FALSE(icdRegistered(reg, "S3MICD.DLL")) << "no OpenGLdrivers key";
  reg.setDword(RegRoot::LocalMachine, kOpenGlDrivers, "Number", 0);
  const std::string name = "S3MICD.DLL";
  reg.setRaw(RegRoot::LocalMachine, kOpenGlDrivers, "Binary", kRegBinary, {name.begin(), name.end()});
  EXPECT_FALSE(icdRegistered(reg, "S3MICD.DLL")) << "only REG_SZ data counts";
  reg.setString(RegRoot::LocalMachine, kOpenGlDrivers, "S3", "s3micd.dll");
  EXPECT_TRUE(icdRegistered(reg, "S3MICD.DLL"));
  EXPECT_FALSE(icdRegistered(reg, "S3GICD.DLL"));
}

TEST(AboutDialogTest, OpeningFillsEveryLine) {
  TestProgram t;
  FakeSystem& sys = t.fakes.system;
  AdapterIdentity id;
  id.deviceId = 0x8A20;  // known, with a memory clock only
  id.chipName = "Savage3D";
  id.capabilities = kCapMclk;
  id.memoryType = kMemorySdram;
  id.classKeyPath = "System\\CurrentControlSet\\Services\\Class\\Display\\0001";
  id.driverFilePath = "S3_6.DRV";
  id.metalFilePath = "metal.dll";
  id.icdFilePath = "C:\\WINDOWS\\SYSTEM\\S3GICD.DLL";
  sys.setFileVersion("C:\\Vidarix\\Vidarix.exe", "1.2.3");
  sys.setFileVersion("C:\\WINDOWS\\SYSTEM\\S3_6.DRV", "4.11.01.2003-6.13.20");
  sys.setFileVersion("C:\\WINDOWS\\SYSTEM\\DDRAW.DLL", "4.07.00.0700");
  sys.setFileVersion("C:\\WINDOWS\\SYSTEM\\QDVD.DLL", "4.12.01.2068-2.0.4");
  sys.hasCpuid = false;

  FakeDialogSurface surface = FakeDialogSurface::forDialog(IDD_ABOUT);
  AboutDialogModel model{&sys, &t.fakes.registry, &t.fakes.ports, &t.fakes.clock, &t.program.escapes, &id,
                         "C:\\Vidarix\\Vidarix.exe"};
  AboutDialog dialog(surface, model);
  dialog.init();

  EXPECT_EQ(surface.text(0), "About Vidarix - (v1.2.3)");
  EXPECT_EQ(surface.text(IDC_ABOUT_CHIP), "Savage3D, rev 0x00");
  EXPECT_EQ(surface.text(IDC_ABOUT_BUS), "PCI");
  EXPECT_NE(surface.text(IDC_ABOUT_MCLK).find(" MHz"), std::string::npos);
  EXPECT_FALSE(surface.visible(IDC_ABOUT_ECLK_LABEL));
  EXPECT_FALSE(surface.visible(IDC_ABOUT_ICLK_LABEL));
  EXPECT_EQ(surface.text(IDC_ABOUT_ECLK), "");
  EXPECT_EQ(surface.text(IDC_ABOUT_DRIVER), "4.11.01.2003-6.13.20  (S3_6.DRV)");
  EXPECT_EQ(surface.text(IDC_ABOUT_METAL), "  (metal.dll)");
  EXPECT_EQ(surface.text(IDC_ABOUT_ICD), "  (S3GICD.DLL)  **WARNING! NOT IN REGISTRY!**");
  EXPECT_EQ(surface.text(IDC_ABOUT_CLASS_KEY), id.classKeyPath);
  EXPECT_EQ(surface.text(IDC_ABOUT_SUBSYSTEM), "S3 Inc. (00000000)");
  EXPECT_EQ(surface.text(IDC_ABOUT_DIRECTX), "4.07.00.0700  (DirectX 7.0)");
  EXPECT_EQ(surface.text(IDC_ABOUT_DXMEDIA), "4.12.01.2068-2.0.4");
  EXPECT_EQ(surface.text(IDC_ABOUT_SYSTEM_RAM), "64 MB/32 MB free, virt=128 MB/100 MB free");
  EXPECT_EQ(surface.text(IDC_ABOUT_CPU_TYPE), "");

  EXPECT_FALSE(presenterCommand(dialog, surface, IDC_ABOUT_ICON));
  EXPECT_TRUE(presenterCommand(dialog, surface, 2));  // Escape ends it as OK does
  EXPECT_EQ(surface.result(), 1);
}

}  // namespace
}  // namespace vdx
