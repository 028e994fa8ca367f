// The scheme line: what the writer emits for a chip, and what the reader
// makes of hand-edited and foreign lines.
#include <gtest/gtest.h>

#include <string>

#include "tests/fakes/tweaker/card_programs.h"
#include "tweaker/schemes/scheme_line.h"
#include "tweaker/settings/preferences.h"
#include "tweaker/simulated/sim_card.h"

namespace vdx {
namespace {

constexpr ChipCapability kSavage4Caps = kCapMclk | kCapEclk | kCapCommandDma | kCapAgp | kCapZBuffer |
                                        kCapFastZClear | kCapAgpSideband | kCapMiniGl;

DriverOptions savage4Options() {
  DriverOptions o;
  o.AA = 1; o.AT = 1; o.AGPSize = 32; o.AutoS3TC = 1; o.TextureCache = 1; o.AM = 1; o.AC = 1; o.FD = 1;
  o.TC = 64; o.TM = 64; o.DMACB = 2; o.ZB = 1; o.ZC = 1;
  return o;
}

struct LineRig {
  AdapterIdentity id;
  DriverOptions options = savage4Options();
  DriverOptions defaults;
  ClockState clocks;
  bool perfIcd = false;
  LineRig() { id.capabilities = kSavage4Caps; }
  std::string write(const SchemeSaveRequest& r) {
    SchemeWriterInputs in{&options, &id, &clocks, perfIcd};
    return formatSchemeLine(r, in);
  }
};

SchemeSaveRequest request(bool standard, bool miniGL, bool clocks = false, bool same = false) {
  SchemeSaveRequest r;
  r.name = "x";
  r.includeStandard = standard;
  r.includeMiniGL = miniGL;
  r.saveClockSpeed = clocks;
  r.keepAgpSizeSame = same;
  return r;
}

TEST(SchemeWriter, Savage4WorkedLineAndItsVariants) {
  LineRig rig;
  EXPECT_EQ(rig.write(request(true, true)),
            "AA:On VO:off AT:On WV:off FB:off AGPSize:32 32Bit:off AutoS3TC:On S3TCDiskCache:off TextureCache:On "
            "Mipmapping:off ATB:off OS:off AM:On AC:On FD:On EF:off ES:off TP:off TSL:off NF:off DB:0.0 TC:64 TM:64 "
            "DMACB:2 ZB:On ZC:On AGPSB:off");
  EXPECT_EQ(rig.write(request(false, false)), "AA:On VO:off AT:On WV:off FB:off AGPSize:32");
  EXPECT_EQ(rig.write(request(false, false, false, true)), "AA:On VO:off AT:On WV:off FB:off AGPSize:Same");

  rig.clocks.startupMclk = 125.2841f;
  rig.clocks.desiredMclk = 133.1591f;
  rig.clocks.startupEclk = rig.clocks.desiredEclk = 100.0f;
  EXPECT_EQ(rig.write(request(false, false, true)),
            "AA:On VO:off AT:On WV:off FB:off AGPSize:32 MclkSpeed:133.16");
  rig.clocks.desiredEclk = 110.0f;
  EXPECT_EQ(rig.write(request(false, false, true)),
            "AA:On VO:off AT:On WV:off FB:off AGPSize:32 MclkSpeed:133.16 EclkSpeed:110.00");
  rig.id.capabilities &= ~kCapEclk;  // no engine clock: no pair even when it differs
  EXPECT_EQ(rig.write(request(false, false, true)),
            "AA:On VO:off AT:On WV:off FB:off AGPSize:32 MclkSpeed:133.16");
}

TEST(SchemeWriter, OpenGLBlockFollowsCapabilitiesOrThePreference) {
  LineRig rig;
  rig.id.vidTexValueName = "VT";
  rig.options.ICDHWTL = 7;  // not a three-way value: written as the table's first text
  rig.options.ICDTEXTURESIZE = -1;
  rig.perfIcd = true;
  const std::string line = rig.write(request(true, false));
  EXPECT_EQ(line.compare(0, 13, "AA:On VT:off "), 0) << line;
  EXPECT_NE(line.find(" ICD3DNOW:off ICDSIMD:off ICDUSEKTX:off ICDWBUFFER:off ICDFOGTABLE:Auto ICDTEXTURESIZE:16"),
            std::string::npos)
      << line;
  EXPECT_EQ(line.find("ICDHWTL"), std::string::npos);
  rig.id.capabilities |= kCapHwTnl | kCapAutoZClear;
  EXPECT_NE(rig.write(request(true, false)).find(" ICDHWTL:Auto ICDAZ:Auto ICDFOGTABLE"), std::string::npos);
  rig.perfIcd = false;
  rig.id.capabilities &= ~kCapOpenGl;
  EXPECT_EQ(rig.write(request(true, false)).find("ICD"), std::string::npos);
}

struct ReadRig {
  DriverOptions options;
  DriverOptions defaults;
  std::vector<uint32_t> agpSizes = defaultAgpSizeList();
  SchemeReaderInputs in;
  float mclk = 0.0f, eclk = 0.0f;
  ReadRig() {
    defaults.ICDHWTL = 1;
    defaults.ICDTEXTURESIZE = 1;
    in.options = &options;
    in.defaults = &defaults;
    in.limits = ClockLimits{90.0f, 150.0f, 90.0f, 140.0f};
    in.agpSizes = &agpSizes;
  }
  ReadRig(const ReadRig&) = delete;
  bool read(const std::string& line) { return parseSchemeLine(line, in, &mclk, &eclk); }
};

TEST(SchemeReader, SinglePairsAndTheirSpellings) {
  struct Case {
    const char* line;
    int32_t DriverOptions::*field;
    int32_t before, after;
  } cases[] = {
      {"AA:1", &DriverOptions::AA, 0, 1},
      {"aa:ON", &DriverOptions::AA, 0, 1},
      {"AA:yes", &DriverOptions::AA, 1, 1},
      {"AA:yes", &DriverOptions::AA, 0, 0},
      {"fd:OFF", &DriverOptions::FD, 1, 0},
      {"FD:0", &DriverOptions::FD, 1, 0},
      {"ICDHWTL:maybe", &DriverOptions::ICDHWTL, 0, 1},
      {"icdhwtl:off", &DriverOptions::ICDHWTL, 0, -1},
      {"ICDTEXTURESIZE:16", &DriverOptions::ICDTEXTURESIZE, 0, -1},
      {"ICDTEXTURESIZE:64", &DriverOptions::ICDTEXTURESIZE, 0, 1},
      {"TC:128abc", &DriverOptions::TC, 64, 128},
      {"AGPSize:same", &DriverOptions::AGPSize, 32, kAgpSizeSame},
      {"AGPSB:On", &DriverOptions::AGPSB, 0, 0},  // a scheme never sets the sideband
      {"VT:On", &DriverOptions::VO, 0, 0},        // not this driver's name for VidTex
      {"AA", &DriverOptions::AA, 0, 0},
      {"AA:On\tVO:off FB:off", &DriverOptions::AA, 0, 0},  // the tab does not end the token
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    ReadRig rig;
    rig.options.*c.field = c.before;
    DriverOptions expected = rig.options;
    expected.*c.field = c.after;
    EXPECT_TRUE(rig.read(c.line));
    EXPECT_EQ(rig.options, expected);
  }
}

// A number an option does not offer never reaches the driver: the option
// keeps the value in force before the apply (or, with none given, its field).
TEST(SchemeReader, NumbersAnOptionDoesNotOfferKeepTheValueInForce) {
  struct Case {
    const char* line;
    int32_t DriverOptions::*field;
    int32_t after;  // the value in force is 64 for TC and TM, 48 for AGPSize, 3 for DMACB
  } cases[] = {
      {"AGPSize:32", &DriverOptions::AGPSize, 32},
      {"AGPSize:128", &DriverOptions::AGPSize, 128},  // in the list, above the registry's clamp
      {"AGPSize:16MB", &DriverOptions::AGPSize, 16},
      {"AGPSize:7", &DriverOptions::AGPSize, 7},      // not listed, but the card's default
      {"AGPSize:9", &DriverOptions::AGPSize, 48},     // not a size the card offers
      {"AGPSize:0", &DriverOptions::AGPSize, 48},
      {"AGPSize:0x10", &DriverOptions::AGPSize, 48},
      {"AGPSize:-32", &DriverOptions::AGPSize, 48},
      {"AGPSize:abc", &DriverOptions::AGPSize, 48},
      {"AGPSize:2147483648", &DriverOptions::AGPSize, 48},
      {"AGPSize:4294967328", &DriverOptions::AGPSize, 48},  // 2^32 + 32 must not wrap to 32
      {"DMACB:1", &DriverOptions::DMACB, 1},
      {"DMACB:4P", &DriverOptions::DMACB, 4},
      {"DMACB:5", &DriverOptions::DMACB, 3},
      {"DMACB:0", &DriverOptions::DMACB, 0},  // this chip's default
      {"DMACB:-1", &DriverOptions::DMACB, 3},
      {"DMACB:99999999999", &DriverOptions::DMACB, 3},
      {"TC:2048", &DriverOptions::TC, 2048},
      {"TC:12abc", &DriverOptions::TC, 64},
      {"TC:4096", &DriverOptions::TC, 64},
      {"TM:8", &DriverOptions::TM, 8},  // this chip's floor
      {"TM:4", &DriverOptions::TM, 64},
      {"TM:abc", &DriverOptions::TM, 64},
  };
  DriverOptions defaults;  // a card with little memory: its default size is not in the list
  defaults.AGPSize = 7;
  defaults.DMACB = 0;
  defaults.TC = 64;
  defaults.TM = 8;
  DriverOptions inForce;
  inForce.TC = inForce.TM = 64;
  inForce.AGPSize = 48;
  inForce.DMACB = 3;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    ReadRig rig;
    rig.defaults = defaults;
    rig.in.tmValueFloor = 8;
    rig.options.*c.field = 11;  // the default the apply started from
    rig.in.inForce = &inForce;
    EXPECT_TRUE(rig.read(c.line));
    EXPECT_EQ(rig.options.*c.field, c.after);

    ReadRig bare;  // no options in force: the field is left as it is
    bare.defaults = defaults;
    bare.in.tmValueFloor = 8;
    bare.options.*c.field = 11;
    EXPECT_TRUE(bare.read(c.line));
    EXPECT_EQ(bare.options.*c.field, c.after == inForce.*c.field ? 11 : c.after);
  }
  ReadRig noList;  // without the card's list no size is offered
  noList.in.agpSizes = nullptr;
  noList.options.AGPSize = 24;
  EXPECT_TRUE(noList.read("AGPSize:32"));
  EXPECT_EQ(noList.options.AGPSize, 24);
}

TEST(SchemeReader, EmptyLineDBiasClocksAndTabs) {
  ReadRig rig;
  rig.options.AA = 1;
  EXPECT_FALSE(rig.read(""));
  EXPECT_EQ(rig.options.AA, 1);

  EXPECT_TRUE(rig.read("DB:-3.5"));
  EXPECT_FLOAT_EQ(rig.options.DB, -1.0f);
  EXPECT_TRUE(rig.read("DB:0.25"));
  EXPECT_FLOAT_EQ(rig.options.DB, 0.25f);

  EXPECT_TRUE(rig.read("MclkSpeed:133.16 EclkSpeed:300"));
  EXPECT_FLOAT_EQ(rig.mclk, 133.16f);
  EXPECT_FLOAT_EQ(rig.eclk, 140.0f);
  ReadRig off;
  off.in.useSchemeMclk = false;
  EXPECT_TRUE(off.read("MclkSpeed:150.00 EclkSpeed:100.00"));
  EXPECT_EQ(off.mclk, 0.0f);
  EXPECT_EQ(off.eclk, 0.0f);

  ReadRig tabs;
  EXPECT_TRUE(tabs.read("ZB:On\tFB:On"));  // no blank left: the tab separates
  EXPECT_EQ(tabs.options.ZB, 1);
  EXPECT_EQ(tabs.options.FB, 1);

  // An over-long token is cut at 1023 characters, never overflowed.
  ReadRig longToken;
  EXPECT_TRUE(longToken.read("TC:" + std::string(5000, '7') + " AA:On"));
  EXPECT_EQ(longToken.options.AA, 1);
}

TEST(SchemeLine, ParsedLineWritesTheSameLineOnEveryChip) {
  for (const std::string& preset : simPresetNames()) {
    SCOPED_TRACE(preset);
    FakePlatform fp;
    AdapterIdentity id;
    ASSERT_TRUE(identifyCard(fp, preset, &id));
    DriverOptions written = savage4Options();
    written.VO = 1; written.DB = -0.3f; written.ICDAZ = -1; written.ICDFOGTABLE = 1; written.HSP = 1; written.BW = 1;
    ClockState clocks;
    clocks.startupMclk = 100.0f; clocks.desiredMclk = 110.0f;
    clocks.startupEclk = 100.0f; clocks.desiredEclk = 120.0f;
    SchemeWriterInputs w{&written, &id, &clocks, true};
    const SchemeSaveRequest all = request(true, true, true);
    const std::string line = formatSchemeLine(all, w);

    DriverOptions read;
    read.AGPSB = written.AGPSB;
    SchemeReaderInputs r;
    r.options = &read;
    r.defaults = &read;
    r.vidTexValueName = id.vidTexValueName.c_str();
    r.limits = ClockLimits{90.0f, 150.0f, 90.0f, 150.0f};
    const std::vector<uint32_t> sizes = defaultAgpSizeList();
    r.agpSizes = &sizes;
    r.tmValueFloor = static_cast<int32_t>(id.tmValueFloor);
    float mclk = 0.0f, eclk = 0.0f;
    ASSERT_TRUE(parseSchemeLine(line, r, &mclk, &eclk));
    ClockState again = clocks;
    again.desiredMclk = mclk != 0.0f ? mclk : clocks.startupMclk;
    again.desiredEclk = eclk != 0.0f ? eclk : clocks.startupEclk;
    SchemeWriterInputs w2{&read, &id, &again, true};
    EXPECT_EQ(formatSchemeLine(all, w2), line);
  }
}

}  // namespace
}  // namespace vdx
