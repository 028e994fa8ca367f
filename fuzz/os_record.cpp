// The operating-system classifier on any version record.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

#include "tweaker/adapter/os_version.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  vdx::OsVersionRecord r;
  r.majorVersion = in.ConsumeIntegral<uint32_t>();
  r.minorVersion = in.ConsumeIntegral<uint32_t>();
  r.buildNumber = in.ConsumeIntegral<uint32_t>();
  r.platformId = in.ConsumeIntegralInRange<uint32_t>(0, 4);
  r.csdVersion = in.ConsumeRemainingBytesAsString();
  std::string text;
  vdx::classifyOsRecord(r, &text);
  return 0;
}
