#include "tweaker/adapter/log_timestamp.h"

#include "tweaker/platform/system.h"

namespace vdx {
namespace {
constexpr std::size_t kMaxPart = 31;
}

std::string joinLogTimestamp(const std::string& date, const std::string& time) {
  return date.substr(0, kMaxPart) + " " + time.substr(0, kMaxPart);
}

std::string formatLogTimestamp(SystemServices& system) {
  std::string date;
  std::string time;
  if (!system.localDateTime(&date, &time)) {
    date.clear();
    time.clear();
  }
  return joinLogTimestamp(date, time);
}

}  // namespace vdx
