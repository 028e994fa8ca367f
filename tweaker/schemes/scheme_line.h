// The text form of a scheme: one line of blank-separated "key:value" pairs
// whose keys are the drivers' registry value names.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "tweaker/adapter/adapter_identity.h"
#include "tweaker/adapter/clock_settings.h"
#include "tweaker/settings/driver_options.h"

namespace vdx {

constexpr std::size_t kSchemeLineMax = 2047;  // characters, without the NUL
constexpr std::size_t kSchemeNameMax = 127;
constexpr std::size_t kSchemeTokenMax = 1023;
// What parseSchemeLine leaves in AGPSize for "AGPSize:Same".
constexpr int32_t kAgpSizeSame = -1;

struct SchemeSaveRequest {
  std::string name;  // at most kSchemeNameMax characters
  bool includeStandard = true;
  bool keepAgpSizeSame = false;
  bool includeMiniGL = false;
  bool saveClockSpeed = false;
};

// Everything the writer reads besides the request.
struct SchemeWriterInputs {
  const DriverOptions* options = nullptr;
  const AdapterIdentity* identity = nullptr;
  const ClockState* clocks = nullptr;
  bool perfIcdMenu = false;  // the "PerfICDmenu" preference
};

// The clock range a scheme's clocks are held to.
struct ClockLimits {
  float mclkMin = 0.0f, mclkMax = 0.0f;
  float eclkMin = 0.0f, eclkMax = 0.0f;
};

// Everything the reader needs besides the line.
struct SchemeReaderInputs {
  DriverOptions* options = nullptr;               // updated in place
  const DriverOptions* defaults = nullptr;        // unreadable three-way values fall back here
  const char* vidTexValueName = "VO";
  bool useSchemeMclk = true;                      // the "UseSchemeMclk" preference
  ClockLimits limits;
  // Schemes come from other people's files: a number an option does not
  // offer (an AGP size outside the card's list, a CommandDMA size other than
  // 1-4 MB, TC or TM outside their range; the option's default is always
  // offered) never reaches the driver. Such a
  // value keeps the option's value in `inForce` (the options before the
  // apply), or leaves the field as it is when that is null.
  const std::vector<uint32_t>* agpSizes = nullptr;  // the AGP size list; null offers none
  int32_t tmValueFloor = 64;
  const DriverOptions* inForce = nullptr;
};

// The line for the request; never more than kSchemeLineMax characters.
std::string formatSchemeLine(const SchemeSaveRequest& request, const SchemeWriterInputs& in);

// False for an empty line. Requested clocks go to *mclk / *eclk, which stay
// as they were when the line has none.
bool parseSchemeLine(const std::string& line, const SchemeReaderInputs& in, float* mclk, float* eclk);

}  // namespace vdx
