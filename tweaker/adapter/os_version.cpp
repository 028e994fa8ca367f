#include "tweaker/adapter/os_version.h"

#include <cctype>
#include <cstdio>

#include "tweaker/platform/platform.h"

namespace vdx {
namespace {

constexpr uint32_t kPlatformWindows = 1;
constexpr uint32_t kPlatformNt = 2;

bool equalsIgnoringCase(const std::string& a, const char* b) {
  std::size_t i = 0;
  for (; i < a.size() && b[i]; ++i) {
    if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
      return false;
  }
  return i == a.size() && b[i] == '\0';
}

OsVersionCode windows95Code(uint32_t minor, const std::string& service) {
  if (minor == 0) {
    if (service.empty() || equalsIgnoringCase(service, "A")) return kOsWin95;
    if (equalsIgnoringCase(service, "B")) return kOsWin95B;
    if (equalsIgnoringCase(service, "C")) return kOsWin95C;
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
    std::snprintf(buf, sizeof buf, "%u.%02u%s bld %u", static_cast<unsigned>(record.majorVersion),
                  static_cast<unsigned>(record.minorVersion), service.c_str(),
                  static_cast<unsigned>(record.buildNumber & 0xFFFF));
    *text = buf;
    return windows95Code(record.minorVersion, service);
  }
  if (record.platformId == kPlatformNt && record.majorVersion == 4 && record.minorVersion == 0) {
    std::snprintf(buf, sizeof buf, "%u.%02u.%u", 4u, 0u, static_cast<unsigned>(record.buildNumber));
    *text = buf;
    return kOsNt4;
  }
  if (record.platformId == kPlatformNt && record.majorVersion == 5) {
    std::snprintf(buf, sizeof buf, "%u.%02u.%u", 5u, static_cast<unsigned>(record.minorVersion),
                  static_cast<unsigned>(record.buildNumber));
    *text = buf;
    return kOsNt5;
  }
  return kOsUnknown;
}

OsVersionCode classifyOsVersion(std::string* text) {
  return classifyOsRecord(platform().system->osVersion(), text);
}

}  // namespace vdx
