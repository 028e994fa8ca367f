#include "tweaker/adapter/os_version.h"

#include <cstdio>

#include "tweaker/common/text_compare.h"
#include "tweaker/common/text_format.h"

namespace vdx {
namespace {

constexpr uint32_t kPlatformWindows = 1;
constexpr uint32_t kPlatformNt = 2;

OsVersionCode windows95Code(uint32_t minor, const std::string& service) {
  if (minor == 0) {
    if (service.empty() || equalsNoCase(service, "A")) return kOsWin95;
    if (equalsNoCase(service, "B")) return kOsWin95B;
    if (equalsNoCase(service, "C")) return kOsWin95C;
    return kOsUnknown;
  }
  return minor == 10 ? kOsWin98 : kOsWinMe;
}

}  // namespace

OsVersionCode classifyOsRecord(const OsVersionRecord& record, std::string* text) {
  char buf[256];
  if (record.platformId == kPlatformWindows && record.majorVersion == 4) {
    std::size_t first = 0;
    while (first < record.csdVersion.size() && record.csdVersion[first] == ' ') ++first;
    // The service text comes from a 128-byte field; never format more.
    const std::string service = record.csdVersion.substr(first, 127);
    formatText(buf, sizeof buf, "%u.%02u%s bld %u", static_cast<unsigned>(record.majorVersion),
                  static_cast<unsigned>(record.minorVersion), service.c_str(),
                  static_cast<unsigned>(record.buildNumber & 0xFFFF));
    *text = buf;
    return windows95Code(record.minorVersion, service);
  }
  if (record.platformId == kPlatformNt && record.majorVersion == 4 && record.minorVersion == 0) {
    formatText(buf, sizeof buf, "%u.%02u.%u", 4u, 0u, static_cast<unsigned>(record.buildNumber));
    *text = buf;
    return kOsNt4;
  }
  if (record.platformId == kPlatformNt && record.majorVersion == 5) {
    formatText(buf, sizeof buf, "%u.%02u.%u", 5u, static_cast<unsigned>(record.minorVersion),
                  static_cast<unsigned>(record.buildNumber));
    *text = buf;
    return kOsNt5;
  }
  return kOsUnknown;
}

OsVersionCode classifyOsVersion(SystemServices& system, std::string* text) {
  return classifyOsRecord(system.osVersion(), text);
}

}  // namespace vdx
