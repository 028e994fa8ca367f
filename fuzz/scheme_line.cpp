// A scheme line as a person or another copy could have written it: the
// reader keeps clocks within their limits, sets no number an option does not
// offer (those keep the value in force), and what it read, written again and
// read back, gives the same line.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "tweaker/schemes/scheme_line.h"
#include "tweaker/settings/driver_defaults.h"
#include "tweaker/settings/preferences.h"

namespace {

std::string writeLine(const vdx::DriverOptions& o, const vdx::AdapterIdentity& id, bool perfIcd) {
  vdx::SchemeSaveRequest request;
  request.name = "x";
  request.includeMiniGL = true;
  vdx::SchemeWriterInputs in{&o, &id, nullptr, perfIcd};
  return vdx::formatSchemeLine(request, in);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  vdx::AdapterIdentity id;
  id.capabilities = in.ConsumeIntegral<uint32_t>();
  id.vidTexValueName = in.ConsumeBool() ? "VO" : "VT";
  const bool perfIcd = in.ConsumeBool();
  vdx::DefaultsInput defaultsIn;
  defaultsIn.deviceId = in.ConsumeBool() ? 0x8A22 : 0x8A20;
  const vdx::DriverOptions defaults = vdx::driverDefaults(defaultsIn);
  vdx::ClockLimits limits;
  limits.mclkMin = static_cast<float>(in.ConsumeIntegralInRange(50, 150));
  limits.mclkMax = limits.mclkMin + static_cast<float>(in.ConsumeIntegralInRange(0, 100));
  limits.eclkMin = static_cast<float>(in.ConsumeIntegralInRange(50, 150));
  limits.eclkMax = limits.eclkMin + static_cast<float>(in.ConsumeIntegralInRange(0, 100));
  const std::string line = in.ConsumeRemainingBytesAsString();

  const std::vector<uint32_t> agpSizes = vdx::defaultAgpSizeList();
  vdx::DriverOptions inForce = defaults;
  inForce.AGPSize = 12;
  inForce.DMACB = 3;
  inForce.TC = 512;
  inForce.TM = 128;

  vdx::DriverOptions read = defaults;
  vdx::SchemeReaderInputs reader;
  reader.options = &read;
  reader.defaults = &defaults;
  reader.vidTexValueName = id.vidTexValueName.c_str();
  reader.limits = limits;
  reader.agpSizes = &agpSizes;
  reader.inForce = &inForce;
  float mclk = 0.0f, eclk = 0.0f;
  vdx::parseSchemeLine(line, reader, &mclk, &eclk);
  if (mclk != 0.0f && !(mclk >= limits.mclkMin && mclk <= limits.mclkMax)) std::abort();
  if (eclk != 0.0f && !(eclk >= limits.eclkMin && eclk <= limits.eclkMax)) std::abort();
  if (!(read.DB >= -1.0f && read.DB <= 1.0f)) std::abort();
  // "Same" is the size in force, as the apply resolves it.
  if (read.AGPSize == vdx::kAgpSizeSame) read.AGPSize = inForce.AGPSize;
  bool listed = read.AGPSize == defaults.AGPSize || read.AGPSize == inForce.AGPSize;
  for (uint32_t s : agpSizes) listed = listed || read.AGPSize == static_cast<int32_t>(s);
  if (!listed) std::abort();
  if (read.DMACB != defaults.DMACB && !(read.DMACB >= 1 && read.DMACB <= 4)) std::abort();
  if (read.TC != defaults.TC && !(read.TC >= 64 && read.TC <= 2048)) std::abort();
  if (read.TM != defaults.TM && !(read.TM >= 64 && read.TM <= 2048)) std::abort();

  const std::string written = writeLine(read, id, perfIcd);
  if (written.size() > vdx::kSchemeLineMax) std::abort();
  vdx::DriverOptions again = defaults;
  reader.options = &again;
  vdx::parseSchemeLine(written, reader, &mclk, &eclk);
  if (writeLine(again, id, perfIcd) != written) std::abort();
  return 0;
}
